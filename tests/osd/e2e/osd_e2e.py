#!/usr/bin/env python3
"""The on-screen display with the real Monitor and the simulated mouse:
Monitor starts PellamOSD.exe from its folder; a profile switch by the
program in front, and the mouse's own DPI and rate buttons (mousesim), make
the display show its notices, which go away by themselves and never take the
focus from the program in front. Screenshots of each notice go to
OUT/screenshots.

    osd_e2e.py --files DIR --probe EXE --mervikctl EXE --mousesim EXE --out DIR

DIR holds Monitor.exe, hiddriver.dll (simulated), lan.dll and PellamOSD.exe.
The display's notices are read from its trace lines (WINEDEBUG=+debugstr)."""
import os
import re
import shutil
import subprocess
import sys
import tempfile
import unittest

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "support", "e2e"))
from monitor_script import ARGS, SESSION, run_cases  # noqa: E402
from wine_desktop import Probe, numbers, probe_values, wait_for, windows_path  # noqa: E402

DPI_OF_LEVEL = [250, 500, 750, 1000, 1250, 1500, 1750, 2000, 2500, 3000, 3500, 4000]
# The display's window is layered, topmost, a tool window, never activated and
# transparent to the pointer.
NOTICE_STYLES = {"layered": 0x80000, "topmost": 0x8, "toolwindow": 0x80, "noactivate": 0x8000000,
                 "transparent": 0x20}


def read_keys(path):
    with open(path, encoding="latin-1") as f:
        return dict(line.rstrip("\r\n").split("=", 1) for line in f if "=" in line)


def set_keys(path, values):
    with open(path, encoding="latin-1", newline="") as f:
        lines = f.read().split("\r\n")
    lines = [next((k + "=" + v for k, v in values.items() if line.startswith(k + "=")), line)
             for line in lines]
    with open(path, "w", encoding="latin-1", newline="") as f:
        f.write("\r\n".join(lines))


def without_section(path, section):
    with open(path, encoding="latin-1", newline="") as f:
        text = f.read()
    text = re.sub(r"\[%s\]\r\n(?:[^\[][^\r\n]*\r\n)*" % re.escape(section), "", text)
    with open(path, "w", encoding="latin-1", newline="") as f:
        f.write(text)


class Display(unittest.TestCase):
    def setUp(self):
        self.folder = tempfile.mkdtemp(prefix="osd-e2e-", dir=ARGS.out)
        for name in ("Monitor.exe", "hiddriver.dll", "lan.dll", "PellamOSD.exe"):
            shutil.copy(os.path.join(ARGS.files, name), self.folder)
        self.assertEqual(SESSION.run(ARGS.mervikctl, "init", windows_path(self.folder), "--force").returncode, 0)
        self.config = os.path.join(self.folder, "config.ini")
        self.probe = Probe(SESSION, ARGS.probe)
        self.monitor = None

    def tearDown(self):
        if self.monitor and self.monitor.poll() is None:
            self.monitor.kill()
            self.monitor.wait()
        SESSION.restart()
        self.probe.forget()
        shutil.rmtree(self.folder, ignore_errors=True)

    def state(self, *command):
        return probe_values(self.probe.ask(*(command or ("state",))))

    def start_monitor(self):
        self.monitor = SESSION.start(os.path.join(self.folder, "Monitor.exe"), cwd=self.folder,
                                     stdout=subprocess.DEVNULL)
        self.assertTrue(wait_for(lambda: read_keys(self.config).get("Device") == "1", 30), "Monitor did not start")
        self.assertTrue(wait_for(lambda: self.state().get("found") == "1", 20), "Monitor did not start the display")

    def mouse(self, *command):
        done = SESSION.run(ARGS.mousesim, *command)
        self.assertEqual(done.returncode, 0, done.stdout)

    def notices(self):
        with open(SESSION.log, errors="replace") as log:
            return re.findall(r'PellamOSD: shows ([^"\\]*)', log.read())

    def expect_notice(self, text, name, before):
        """Waits for the display to show `text`, checks where and how it
        stands, takes its picture and waits for it to go."""
        shown = self.state("wait-shown", 5000)
        self.assertEqual(shown.get("shown"), "1", "the display did not show %r" % text)
        rect, work = numbers(shown["rect"]), numbers(shown["work"])
        SESSION.screenshot(os.path.join(ARGS.out, "screenshots"), name,
                           (max(rect[0] - 40, 0), max(rect[1] - 40, 0), min(rect[2] + 40, 1024), min(rect[3] + 40, 768)))
        self.assertTrue(wait_for(lambda: text in self.notices()[before:], 5), "shown: %r" % self.notices()[-3:])
        self.assertEqual(shown.get("foreground"), "front", "the display took the focus")
        style = int(shown["exstyle"], 16)
        for what, bit in NOTICE_STYLES.items():
            self.assertTrue(style & bit, "the display's window is not %s" % what)
        # Bottom centre of the work area, as the default record says.
        self.assertGreaterEqual(rect[0], work[0])
        self.assertLessEqual(rect[2], work[2])
        self.assertLessEqual(rect[3], work[3], "the notice covers the task bar")
        self.assertLessEqual(abs((rect[0] + rect[2]) - (work[0] + work[2])), 2, "not centred")
        self.assertGreater(rect[1], (work[1] + work[3]) // 2, "not in the lower half")
        hidden = self.state("wait-hidden", 5000)
        self.assertEqual(hidden.get("shown"), "0", "the notice stayed")
        self.assertEqual(hidden.get("foreground"), "front")
        return int(shown["waited"]), int(hidden["waited"])

    def profile(self, index):
        return read_keys(os.path.join(self.folder, "config", "Default%d.gmp" % index))

    def test_notices_of_a_switch_and_of_the_mouse_buttons(self):
        # A folder from before the display: no record. The display writes its
        # defaults, and Monitor, which found none at its start, uses them.
        without_section(self.config, "OSDSetting")
        set_keys(os.path.join(self.folder, "config", "Default2.gmp"),
                 {"ProFileName": "Racing", "GameFile": "C:\\Games\\OsdProbe.exe"})
        self.start_monitor()
        self.assertTrue(wait_for(lambda: "OSDSetting" in open(self.config, encoding="latin-1").read(), 10),
                        "the display wrote no record")

        # The program in front chooses profile 3; the display names it.
        self.assertEqual(self.state("front").get("front"), "1", "the probe's window is not in front")
        self.expect_notice("Profile: Racing", "osd_profile_switch", 0)

        # The mouse's DPI button: the level it now uses, in DPI.
        before = len(self.notices())
        self.mouse("dpi")
        self.assertTrue(wait_for(lambda: read_keys(self.config).get("Message", "").startswith("CPI: "), 10))
        profile = self.profile(2)
        level = int(profile["Cpi_X"]) + 1
        dpi = DPI_OF_LEVEL[int(profile["CpiLevel_X%d" % (level - 1)]) - 1]
        self.assertEqual(read_keys(self.config)["Message"], "CPI: %d" % dpi)
        self.expect_notice("DPI level %d: %d DPI" % (level, dpi), "osd_dpi", before)

        # Its report-rate button.
        before = len(self.notices())
        self.mouse("rate")
        self.assertTrue(wait_for(lambda: read_keys(self.config).get("Message", "").startswith("Rate: "), 10))
        rate = read_keys(self.config)["Message"][len("Rate: "):-len(" Hz")]
        self.expect_notice("Report rate: %s Hz" % rate, "osd_rate", before)

        # Monitor's exit (its tray command) closes the display.
        self.assertEqual(self.state("end-monitor").get("posted"), "1")
        self.assertTrue(wait_for(lambda: self.monitor.poll() is not None, 20), "Monitor did not exit")
        self.assertTrue(wait_for(lambda: self.state().get("found") == "0", 10), "the display stayed")


if __name__ == "__main__":
    run_cases("osd-e2e", debug="-all,+debugstr", log="osd-e2e-trace.log")
