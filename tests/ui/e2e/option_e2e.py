#!/usr/bin/env python3
"""Option.exe end to end: the real program under Wine, driven with real X input
(xdotool clicks at the rectangles its skin gives), observed from outside by a
probe program, by the files it writes, by a stand-in for Monitor, and by the
real Monitor.exe with the simulated mouse.

    option_e2e.py --bin DIR --option EXE --skins DIR --lan FILE --out DIR
                  --monitor EXE --hiddriver DLL --mousesim EXE --mervikctl EXE [unittest args]

Screenshots of the main window and of every warning go to OUT/screenshots.
"""
import argparse
import configparser
import json
import os
import shutil
import subprocess
import sys
import time
import unittest

ARGS = None
ENV = None
DESKTOP = "1280x1000"


def parse_probe(text):
    values = {}
    for token in text.split():
        if "=" in token:
            key, value = token.split("=", 1)
            values[key] = value
    return values


def wait_for(predicate, timeout=10.0, step=0.2):
    end = time.monotonic() + timeout
    last = None
    while time.monotonic() < end:
        last = predicate()
        if last:
            return last
        time.sleep(step)
    return last


class Wine:
    """One prefix and one X display for the whole run; every Wine program
    of the prefix runs inside one virtual desktop at the screen's corner."""

    def __init__(self, out):
        self.env = dict(os.environ)
        self.env["WINEPREFIX"] = os.path.join(out, "option-e2e-prefix")
        self.env["WINEDEBUG"] = "-all"
        self.env["WINEDLLOVERRIDES"] = "mscoree,mshtml="
        self.env["WINEARCH"] = "win64"
        if not self.env.get("DISPLAY"):
            # The checkout's own Xvfb, as every script and test uses it.
            xvfb = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "..", "scripts", "xvfb")
            self.env["DISPLAY"] = subprocess.check_output([xvfb], text=True).strip()
        self.prepare_prefix()

    def prepare_prefix(self):
        ready = os.path.join(self.env["WINEPREFIX"], ".option-e2e-ready")
        if not os.path.exists(ready):
            subprocess.call(["wineboot", "--init"], env=self.env, stdout=subprocess.DEVNULL,
                            stderr=subprocess.DEVNULL)
            subprocess.call(["wineserver", "-w"], env=self.env)
            for key, name, value in (("HKCU\\Software\\Wine\\Explorer", "Desktop", "option"),
                                     ("HKCU\\Software\\Wine\\Explorer\\Desktops", "option", DESKTOP)):
                subprocess.call(["wine", "reg", "add", key, "/v", name, "/d", value, "/f"], env=self.env,
                                stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            subprocess.call(["wineserver", "-w"], env=self.env)
            open(ready, "w").close()

    def start(self, exe, *args, cwd=None):
        return subprocess.Popen(["wine", exe, *args], env=self.env, cwd=cwd, stdout=subprocess.PIPE,
                                stderr=subprocess.DEVNULL, text=True)

    def run(self, exe, *args):
        return subprocess.run(["wine", exe, *args], env=self.env, stdout=subprocess.PIPE,
                              stderr=subprocess.DEVNULL, text=True, timeout=60).stdout

    def xdotool(self, *args):
        subprocess.check_call(["xdotool", *[str(a) for a in args]], env=self.env)

    def screenshot(self, name, rect):
        folder = os.path.join(ARGS.out, "screenshots")
        os.makedirs(folder, exist_ok=True)
        path = os.path.join(folder, name + ".png")
        left, top, right, bottom = rect
        subprocess.check_call(["import", "-window", "root", "-crop",
                               "%dx%d+%d+%d" % (right - left, bottom - top, left, top), "+repage", path],
                              env=self.env)
        return path

    def kill_all(self):
        subprocess.call(["wineserver", "-k"], env=self.env, stderr=subprocess.DEVNULL)
        subprocess.call(["wineserver", "-w"], env=self.env, stderr=subprocess.DEVNULL)

    def close(self):
        self.kill_all()


def settle():
    """Waits until the desktop's programs have taken the input sent so far and
    their message queues are quiet (OptionProbe settle), in place of a sleep."""
    ENV.run(os.path.join(ARGS.bin, "OptionProbe.exe"), "settle")


def control_count(ini):
    """How many control windows a skinned window makes, from the one list of
    its controls: every key but the areas it paints itself."""
    listed = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "..", "skins", "controls.json")
    with open(listed) as f:
        window = next(w for w in json.load(f)["windows"] if w["ini"] == ini)
    return window["count"] - len(window["areas"])


def skin_rect(ini, key):
    """(left, top, right, bottom) of BUTTONPOS key in a skin INI."""
    parser = configparser.ConfigParser(interpolation=None)
    parser.optionxform = str
    parser.read(os.path.join(ARGS.skins, ini))
    fields = parser["BUTTONPOS"][str(key)].split(",")
    x, y, w, h = (int(f) for f in fields[1:5])
    return x, y, x + w, y + h


def centre(rect, dx=0, dy=0):
    return (rect[0] + rect[2]) // 2 + dx, (rect[1] + rect[3]) // 2 + dy


def parse_rect(text):
    return tuple(int(v) for v in text.split(","))


MAIN_SKIN = "skin_main.ini"


class OptionCase(unittest.TestCase):
    """Each test gets a fresh program folder and a clean Wine session."""

    device = 1

    def setUp(self):
        ENV.kill_all()
        self.folder = os.path.join(ARGS.out, "option-e2e", self.id().split(".")[-1])
        shutil.rmtree(self.folder, ignore_errors=True)
        os.makedirs(os.path.join(self.folder, "config"))
        shutil.copy(ARGS.option, self.folder)
        shutil.copy(ARGS.lan, self.folder)
        shutil.copytree(ARGS.skins, os.path.join(self.folder, "skins"))
        with open(os.path.join(self.folder, "config.ini"), "w", newline="\r\n") as f:
            f.write("[Setting]\nCurrentProfile=0\nDevice=%d\n" % self.device)
        self.processes = []

    def tearDown(self):
        ENV.kill_all()

    def helper(self, name):
        return os.path.join(ARGS.bin, name + ".exe")

    def start_option(self):
        process = ENV.start(os.path.join(self.folder, "Option.exe"))
        self.processes.append(process)
        # Shown, not just created: a page is visible only once the window is.
        self.assertTrue(wait_for(lambda: self.state().get("page"), 20), "Option's window did not appear")
        settle()
        return process

    def start_monitor(self, *args):
        self.monitor_log = os.path.join(self.folder, "monitor.log")
        process = ENV.start(self.helper("FakeMonitor"), self.monitor_log, *args)
        self.processes.append(process)
        self.assertTrue(wait_for(lambda: "ready" in self.monitor_lines(), 20), "the stand-in Monitor did not start")
        return process

    def monitor_lines(self):
        try:
            with open(self.monitor_log) as f:
                return f.read().split()
        except FileNotFoundError:
            return []

    def state(self):
        return parse_probe(ENV.run(self.helper("OptionProbe"), "state"))

    def click(self, point):
        ENV.xdotool("mousemove", point[0], point[1])
        settle()
        ENV.xdotool("click", "1")
        settle()

    def press(self, *keys):
        for key in keys:
            ENV.xdotool("key", key)
            settle()

    def main_button(self, key):
        return centre(skin_rect("skin_main.ini", key))

    def wait_for_apply_done(self, timeout):
        # Monitor's 1256 (a level read back from the mouse) re-enables the
        # buttons ahead of its 1258; only 1258 also releases the capture.
        return wait_for(lambda: (lambda s: s if s.get("apply_enabled") == "1" and s.get("captured") == "0"
                                 else None)(self.state()), timeout)

    def strip(self):
        """The main window's profile strip: names, the pressed one, the link
        field and Clear link, an open name editor."""
        found = json.loads(ENV.run(self.helper("OptionProbe"), "strip"))
        by_place = {tuple(b["rect"]): b for b in found["buttons"]}
        profiles = [by_place.get(skin_rect(MAIN_SKIN, key)) for key in range(10, 15)]
        return {"names": [p["text"] if p else None for p in profiles],
                "current": [i for i, p in enumerate(profiles) if p and p["checked"]],
                "link": by_place.get(skin_rect(MAIN_SKIN, 15)),
                "clear": by_place.get(skin_rect(MAIN_SKIN, 16)),
                "editor": found["editor"], "buttons": len(found["buttons"])}

    def wait_strip(self, predicate, timeout=10):
        return wait_for(lambda: (lambda s: s if predicate(s) else None)(self.strip()), timeout)


class StartAndWindow(OptionCase):
    def test_second_start_shows_nothing_and_ends(self):
        self.start_option()
        second = ENV.start(os.path.join(self.folder, "Option.exe"))
        self.assertIsNotNone(wait_for(lambda: second.poll() is not None, 20), "the second Option kept running")
        self.assertEqual(self.state()["windows"], "1")

    def test_tabs_keys_and_screenshots(self):
        self.start_option()
        state = self.state()
        self.assertEqual(state["page"], "page1")
        self.assertEqual(state["warning"], "0", "Device 1 must not warn")
        # Page 1's controls and page 2 are made after the first paint; once
        # start-up is done both pages hold every control of their skins.
        page1, page2 = str(control_count("skin_button_page.ini")), str(control_count("skin_advance_setting.ini"))
        counts = wait_for(lambda: (lambda s: s if s.get("page2_controls") == page2 else None)(self.state()), 10)
        self.assertIsNotNone(counts, "page 2 was not built after the first paint")
        self.assertEqual(counts["page1_controls"], page1)
        main_rect = parse_rect(state["main_rect"])
        self.assertEqual(main_rect[:2], (0, 0))
        settle()
        ENV.screenshot("option_main_page1", main_rect)

        self.click(self.main_button(2))
        self.assertEqual(wait_for(lambda: self.state()["page"] == "page2" and "page2"), "page2")
        self.click(self.main_button(2))  # the shown tab again changes nothing
        self.assertEqual(self.state()["page"], "page2")
        settle()
        ENV.screenshot("option_main_page2", main_rect)
        self.click(self.main_button(1))
        self.assertEqual(wait_for(lambda: self.state()["page"] == "page1" and "page1"), "page1")

        ENV.xdotool("mousemove", *centre(main_rect, 0, 0))
        self.press("Return", "Escape", "KP_Enter")
        settle()
        self.assertEqual(self.state()["windows"], "1", "Enter or Escape closed the window")

    def test_region_button_released_outside_sends_nothing(self):
        self.start_option()
        cancel = skin_rect("skin_main.ini", 4)
        ENV.xdotool("mousemove", *centre(cancel))
        settle()
        ENV.xdotool("mousedown", "1")
        settle()
        ENV.xdotool("mousemove", centre(cancel)[0], cancel[1] - 120)
        settle()
        ENV.xdotool("mouseup", "1")
        settle()
        self.assertEqual(self.state()["windows"], "1", "cancel acted on a release outside it")
        self.click(centre(cancel))
        self.assertTrue(wait_for(lambda: self.state().get("windows") == "0", 10), "cancel did not close Option")


class NoMouse(OptionCase):
    device = 0

    def test_warning_shows_at_start_and_only_its_buttons_end_it(self):
        self.start_option()
        state = wait_for(lambda: (lambda s: s if s.get("warning") == "1" else None)(self.state()), 10)
        self.assertTrue(state, "no warning for Device 0")
        rect = parse_rect(state["warning_rect"])
        self.assertEqual(rect[:2], (0, 0))
        settle()
        ENV.screenshot("option_with_nomouse_warning", parse_rect(state["main_rect"]))
        ENV.xdotool("mousemove", *centre(rect))
        self.press("Return", "Escape")
        settle()
        self.assertEqual(self.state()["warning"], "1", "Enter or Escape closed the warning")
        self.click(centre(skin_rect("skin_nomouse_warn.ini", 1)))
        self.assertTrue(wait_for(lambda: self.state().get("warning") == "0", 10))
        self.assertEqual(self.state()["windows"], "1", "the main window must stay")


class ApplyExchange(OptionCase):
    def profile_value(self, n, key):
        parser = configparser.ConfigParser(interpolation=None, strict=False)
        parser.optionxform = str
        parser.read(os.path.join(self.folder, "config", "Default%d.gmp" % n))
        return parser["Setting"][key]

    def test_without_monitor_apply_writes_files_and_returns_at_once(self):
        self.start_option()
        self.click(self.main_button(5))
        state = wait_for(lambda: (lambda s: s if s.get("apply_enabled") == "1" else None)(self.state()), 3)
        self.assertTrue(state, "Apply stayed disabled without Monitor")
        self.assertEqual(state["ok_enabled"], "1")
        self.assertEqual(state["captured"], "0")
        for n in range(5):
            self.assertTrue(os.path.exists(os.path.join(self.folder, "config", "Default%d.gmp" % n)))
        self.assertTrue(os.path.exists(os.path.join(self.folder, "config", "sequence.dat")))

    def test_apply_waits_for_monitors_answer(self):
        self.start_monitor("--delay", "3000")
        self.start_option()
        self.click(self.main_button(5))
        self.assertTrue(wait_for(lambda: "1224" in self.monitor_lines(), 3), "no 1224 reached Monitor")
        state = self.state()
        self.assertEqual((state["ok_enabled"], state["apply_enabled"], state["captured"]), ("0", "0", "1"))
        state = wait_for(lambda: (lambda s: s if s.get("apply_enabled") == "1" else None)(self.state()), 8)
        self.assertTrue(state, "1258 did not end the wait")
        self.assertEqual((state["ok_enabled"], state["captured"]), ("1", "0"))

    def test_wait_ends_when_monitor_goes_away(self):
        monitor = self.start_monitor("--silent")
        self.start_option()
        self.click(self.main_button(5))
        self.assertTrue(wait_for(lambda: "1224" in self.monitor_lines(), 3))
        settle()
        self.assertEqual(self.state()["apply_enabled"], "0")
        monitor.kill()
        state = wait_for(lambda: (lambda s: s if s.get("apply_enabled") == "1" else None)(self.state()), 8)
        self.assertTrue(state, "Option kept waiting for a Monitor that is gone")
        self.assertEqual(state["captured"], "0")

    def test_a_block_whose_mutex_is_held_is_not_taken_and_the_files_survive_apply(self):
        # Option reaches the block but cannot take its mutex: it must work on
        # the files, not on an image it never read, and Apply saves those.
        profile = os.path.join(self.folder, "config", "Default0.gmp")
        with open(profile, "w", newline="\r\n") as f:
            f.write("[Setting]\nProFileName=KeepMe\n")
        self.start_monitor("--hold-mutex", "--delay", "200")
        self.start_option()
        self.click(self.main_button(5))
        self.assertTrue(wait_for(lambda: "1224" in self.monitor_lines(), 10), "no 1224 reached Monitor")
        settle()
        with open(profile, newline="") as f:
            saved = f.read()
        self.assertIn("ProFileName=KeepMe\r\n", saved, "Apply saved an image it never read")

    def test_level_change_from_the_mouse_keeps_other_unapplied_values(self):
        self.start_monitor("--delay", "200")
        self.start_option()
        before = parse_probe(ENV.run(self.helper("OptionProbe"), "block"))
        # The mouse changed level and rate; someone also changed the brightness
        # in the block, which Option must not take over its own copy.
        ENV.run(self.helper("OptionProbe"), "mouse-changed", "3", "2", "77")
        settle()
        self.click(self.main_button(5))
        self.assertTrue(wait_for(lambda: self.state().get("apply_enabled") == "1", 8))
        after = parse_probe(ENV.run(self.helper("OptionProbe"), "block"))
        self.assertEqual((after["cpi"], after["rate"]), ("3", "2"))
        self.assertEqual(after["brightness"], before["brightness"])
        self.assertEqual(self.profile_value(0, "Cpi_X"), "3")
        self.assertEqual(self.profile_value(0, "PollingRate"), "2")


def windows_path(path):
    return "Z:" + os.path.abspath(path).replace("/", "\\")


class RealMonitor:
    """The real Monitor.exe with the simulated mouse in the test's folder."""

    def setUp(self):
        super().setUp()
        shutil.copy(ARGS.monitor, self.folder)
        shutil.copy(ARGS.hiddriver, os.path.join(self.folder, "hiddriver.dll"))

    def mouse(self, *command):
        return ENV.run(ARGS.mousesim, *command)

    def mouse_transfers(self):
        try:
            return json.loads(self.mouse("state"))["transfers"]
        except ValueError:
            return None

    def start_real_monitor(self):
        self.processes.append(ENV.start(os.path.join(self.folder, "Monitor.exe"), cwd=self.folder))
        self.assertIsNotNone(wait_for(self.mouse_transfers, 20), "Monitor's simulated mouse did not answer")
        # Let the start-up read-back finish, then watch only what Apply sends.
        last = None
        while last != self.mouse_transfers():
            last = self.mouse_transfers()
            time.sleep(1)
        self.mouse("clear-log")

    def planned_transfers(self):
        plan = ENV.run(ARGS.mervikctl, "encode", windows_path(self.folder)).splitlines()
        return [line for line in plan if line and not line.startswith("sleep")]


class ApplyThroughMonitor(RealMonitor, OptionCase):
    """Apply must reach the mouse as the upload the written files call for."""

    def test_apply_uploads_what_the_written_files_hold_and_reenables(self):
        self.start_real_monitor()
        self.start_option()
        for n in range(5):
            os.remove(os.path.join(self.folder, "config", "Default%d.gmp" % n))
        self.click(self.main_button(5))
        state = self.wait_for_apply_done(30)
        self.assertTrue(state, "Monitor's 1258 did not end the wait")
        self.assertEqual((state["ok_enabled"], state["captured"]), ("1", "0"))
        for n in range(5):
            self.assertTrue(os.path.exists(os.path.join(self.folder, "config", "Default%d.gmp" % n)))

        log = [line.split(" ", 1)[1] for line in self.mouse("log").splitlines() if line.strip()]
        planned = self.planned_transfers()
        self.assertTrue(planned, "mervikctl planned no upload")
        self.assertFalse([line for line in log if "!" in line], "the mouse refused transfers")
        self.assertIn("\n".join(planned), "\n".join(log), "the mouse did not get the planned upload whole")
        self.assertEqual(json.loads(self.mouse("state"))["malformed"], 0)


    def profile_three_differs(self):
        """Profile 3 unlike profile 0, so its upload tells them apart; its plan."""
        with open(os.path.join(self.folder, "config", "Default3.gmp"), "w", newline="\r\n") as f:
            f.write("[Setting]\nProFileName=Three\nCpi_X=4\nLightType=2\nBrightness=3\n")
        folder = windows_path(self.folder)
        plans = [[line for line in ENV.run(ARGS.mervikctl, "encode", folder, "--profile", n).splitlines()
                  if line and not line.startswith("sleep")] for n in ("3", "0")]
        self.assertTrue(plans[0])
        self.assertNotEqual(plans[0], plans[1])
        return plans[0]

    def uploaded(self, planned):
        log = [line.split(" ", 1)[1] for line in self.mouse("log").splitlines() if line.strip()]
        return "\n".join(planned) in "\n".join(log)

    def test_a_profile_chosen_in_the_strip_is_uploaded_at_apply(self):
        planned = self.profile_three_differs()
        self.start_real_monitor()
        self.start_option()
        self.assertTrue(self.wait_strip(lambda s: s["names"][3] == "Three"), self.strip())
        self.click(self.main_button(13))
        self.assertTrue(self.wait_strip(lambda s: s["current"] == [3]))
        self.assertFalse(self.uploaded(planned), "choosing alone must not reach the mouse")
        self.click(self.main_button(5))
        self.assertTrue(self.wait_for_apply_done(30), "Monitor's 1258 did not end the wait")
        self.assertTrue(wait_for(lambda: self.uploaded(planned), 30), "the mouse did not get profile 3")
        self.assertEqual(parse_probe(ENV.run(self.helper("OptionProbe"), "block"))["current"], "3")

    def test_mervikctl_use_hands_the_profile_to_the_running_monitor(self):
        planned = self.profile_three_differs()
        self.start_real_monitor()
        folder = windows_path(self.folder)
        self.start_option()
        self.assertTrue(self.wait_strip(lambda s: s["current"] == [0]), "no profile strip")
        self.assertIn("Monitor switched", ENV.run(ARGS.mervikctl, "use", folder, "3"))
        self.assertTrue(wait_for(lambda: self.uploaded(planned), 30), "the mouse did not get profile 3's upload")
        self.assertEqual(parse_probe(ENV.run(self.helper("OptionProbe"), "block"))["current"], "3")
        self.assertIn("* 3  Three", ENV.run(ARGS.mervikctl, "profiles", folder))
        self.assertTrue(self.wait_strip(lambda s: s["current"] == [3]), "Option did not follow the switch")
        # A new link reaches the running Monitor's block at once.
        ENV.run(ARGS.mervikctl, "link", folder, "3", "C:\\Games\\quake3.exe")
        self.assertTrue(wait_for(lambda: parse_probe(ENV.run(self.helper("OptionProbe"), "block"))
                                 .get("game") == "C:\\Games\\quake3.exe", 10))


class Warnings(OptionCase):
    KINDS = (("click", "skin_click_warn.ini", False), ("reset", "skin_reset_warn.ini", False),
             ("macro", "skin_macro_set_warn.ini", True), ("nomouse", "skin_nomouse_warn.ini", False),
             ("delete", "skin_delete_macro_warn.ini", True))
    OWNER = (200, 150, 1000, 750)

    def setUp(self):
        super().setUp()
        shutil.copy(self.helper("WarnShow"), self.folder)

    def show(self, kind):
        process = ENV.start(os.path.join(self.folder, "WarnShow.exe"), kind)
        found = wait_for(lambda: (lambda s: s if s.get("dialog") == "1" else None)(
            parse_probe(ENV.run(self.helper("OptionProbe"), "dialog"))), 20)
        self.assertTrue(found, "warning %s did not appear" % kind)
        return process, parse_rect(found["rect"])

    def test_each_warning_places_itself_and_only_its_buttons_end_it(self):
        for kind, ini, centred in self.KINDS:
            with self.subTest(kind=kind):
                process, rect = self.show(kind)
                if centred:
                    self.assertLessEqual(abs(centre(rect)[0] - centre(self.OWNER)[0]), 1)
                    self.assertLessEqual(abs(centre(rect)[1] - centre(self.OWNER)[1]), 1)
                else:
                    self.assertEqual(rect[:2], (0, 0))
                settle()
                ENV.screenshot("warning_" + kind, rect)
                ENV.xdotool("mousemove", *centre(rect))
                self.press("Return", "Escape")
                settle()
                self.assertIsNone(process.poll(), "Enter or Escape ended the %s warning" % kind)
                # Close (3) answers like cancel (2); OK (1) is the only yes.
                key = {"click": 1, "reset": 2}.get(kind, 3)
                button = skin_rect(ini, key)
                self.click((rect[0] + centre(button)[0], rect[1] + centre(button)[1]))
                out, _ = process.communicate(timeout=15)
                self.assertIn("result=ok" if key == 1 else "result=cancel", out)

# What "xdotool key" calls the characters of a path; Wine follows single keys
# (with shift) more reliably than "xdotool type".
KEY_NAMES = {":": "shift+semicolon", "\\": "backslash", ".": "period", "/": "slash", "-": "minus",
             "_": "shift+minus", " ": "space"}


def keys_of(text):
    return [KEY_NAMES.get(c, "shift+" + c.lower() if c.isupper() else c) for c in text]


def ini_value(path, key, section="Setting"):
    parser = configparser.ConfigParser(interpolation=None, strict=False)
    parser.optionxform = str
    parser.read(path)
    return parser[section].get(key)


class ProfileStrip(OptionCase):
    """The five profile buttons of the main window and the program link,
    driven with real clicks and typing."""

    def start_with_strip(self):
        self.start_option()
        state = self.wait_strip(lambda s: all(s["names"]))
        self.assertTrue(state, "the profile strip was not made")
        return state

    def rename(self, index, *keys):
        ENV.xdotool("mousemove", *self.main_button(10 + index))
        settle()
        ENV.xdotool("click", "--repeat", "2", "--delay", "80", "1")
        settle()
        self.assertTrue(self.wait_strip(lambda s: s["editor"] is not None), "no editor opened")
        ENV.xdotool("key", "--delay", "80", *keys)
        settle()

    def apply_through_fake_monitor(self):
        self.click(self.main_button(5))
        self.assertTrue(wait_for(lambda: "1224" in self.monitor_lines(), 5), "no 1224 reached Monitor")
        self.assertTrue(self.wait_for_apply_done(10), "Apply did not end")

    def test_choose_rename_link_and_apply(self):
        program = os.path.join(self.folder, "games", "racer.exe")
        os.makedirs(os.path.dirname(program))
        open(program, "wb").close()
        self.start_monitor("--delay", "200")
        state = self.start_with_strip()
        self.assertEqual(state["names"], ["Default%d" % n for n in range(1, 6)])
        self.assertEqual(state["current"], [0])
        self.assertEqual(state["link"]["text"], "Link a program...")
        self.assertEqual((state["clear"]["text"], state["clear"]["enabled"]), ("Clear link", 0))

        self.click(self.main_button(12))
        self.assertTrue(self.wait_strip(lambda s: s["current"] == [2]), "choosing profile 3 did not press it")

        # A double-click right after a click at the same place would count
        # that click as its first: the next one is elsewhere.
        self.rename(1, *keys_of("Other"), "Escape")
        self.assertTrue(self.wait_strip(lambda s: s["editor"] is None and s["names"][1]))
        self.assertEqual(self.strip()["names"][1], "Default2", "Escape did not cancel")
        self.rename(2, *keys_of("Racing"), "Return")
        self.assertTrue(self.wait_strip(lambda s: s["names"][2] == "Racing" and s["editor"] is None),
                        self.strip())
        self.assertEqual(self.strip()["current"], [2], "the first click of the double-click chooses")
        # An empty name is refused with a message (its box has Option's caption).
        self.rename(2, "BackSpace", "Return")
        self.assertTrue(wait_for(lambda: self.state()["windows"] == "2", 10), "no refusal shown")
        settle()
        ENV.screenshot("option_profile_name_refused", (0, 0, 1280, 1000))
        self.press("Return")
        self.assertTrue(wait_for(lambda: self.state()["windows"] == "1", 10))
        self.assertEqual(self.strip()["names"][2], "Racing")

        self.click(self.main_button(15))
        self.assertTrue(wait_for(lambda: ENV.run(self.helper("OptionProbe"), "has-window",
                                                 "Choose the program").strip() == "1", 20),
                        "the file chooser did not open")
        settle()
        ENV.xdotool("key", "--delay", "60", *keys_of(windows_path(program)), "Return")
        settle()
        state = self.wait_strip(lambda s: s["link"]["text"] == "racer.exe", 20)
        self.assertTrue(state, "the linked program is not shown: %s" % self.strip())
        self.assertEqual(state["clear"]["enabled"], 1)
        settle()
        main_rect = parse_rect(self.state()["main_rect"])
        ENV.screenshot("option_profile_strip", main_rect)

        self.apply_through_fake_monitor()
        self.assertEqual(parse_probe(ENV.run(self.helper("OptionProbe"), "block"))["current"], "2")
        profile = os.path.join(self.folder, "config", "Default2.gmp")
        self.assertEqual(ini_value(profile, "ProFileName"), "Racing")
        self.assertEqual(ini_value(profile, "GameFile"), windows_path(program))
        self.assertEqual(ini_value(os.path.join(self.folder, "config.ini"), "CurrentProfile"), "2")

        self.click(self.main_button(16))
        state = self.wait_strip(lambda s: s["link"]["text"] == "Link a program...")
        self.assertTrue(state, "Clear link did not clear it")
        self.assertEqual(state["clear"]["enabled"], 0)

    def test_a_switch_by_monitor_keeps_unapplied_edits_of_other_profiles(self):
        self.start_monitor("--delay", "200")
        self.start_with_strip()
        self.rename(1, *keys_of("Work"), "Return")
        self.assertTrue(self.wait_strip(lambda s: s["names"][1] == "Work"), self.strip())
        self.click(self.main_button(13))
        self.assertTrue(self.wait_strip(lambda s: s["current"] == [3]))
        ENV.run(self.helper("OptionProbe"), "switch", "4")
        settle()
        state = self.wait_strip(lambda s: s["current"] == [4])
        self.assertTrue(state, "Option did not follow Monitor's switch")
        self.assertEqual(state["names"][1], "Work", "the switch dropped an unapplied rename")
        self.apply_through_fake_monitor()
        self.assertEqual(ini_value(os.path.join(self.folder, "config", "Default1.gmp"), "ProFileName"), "Work")
        self.assertEqual(ini_value(os.path.join(self.folder, "config.ini"), "CurrentProfile"), "4")

    def test_a_skin_without_the_strip_keys_works_as_before(self):
        ini = os.path.join(self.folder, "skins", MAIN_SKIN)
        with open(ini, newline="") as f:
            lines = f.read().split("\r\n")
        with open(ini, "w", newline="") as f:
            f.write("\r\n".join(l for l in lines if l.split("=", 1)[0] not in {str(k) for k in range(10, 17)}))
        self.start_option()
        # Tabs, minimise, close and web site: the buttons made before the strip existed.
        self.assertTrue(self.wait_strip(lambda s: s["buttons"] >= 5), "the buttons were not made")
        settle()
        state = self.strip()
        self.assertEqual(state["buttons"], 5)
        self.assertEqual(state["names"], [None] * 5)
        self.click(self.main_button(5))
        self.assertTrue(self.wait_for_apply_done(5), "Apply did not return without Monitor")
        self.assertEqual(ini_value(os.path.join(self.folder, "config.ini"), "CurrentProfile"), "0")


PAGE_ORIGIN = (16, 100)  # the page area of skin_main.ini
PAGE_SKIN = "skin_advance_setting.ini"


def macro_record_hex(name, events, repeat=1):
    """One macro as sequence.dat stores it: 260 bytes and their sum, in hex."""
    data = bytearray(260)
    data[0:len(name)] = name.encode()
    data[52:56] = repeat.to_bytes(4, "little")
    data[56:60] = len(events).to_bytes(4, "little")
    for i, (code, action, delay) in enumerate(events):
        data[60 + 4 * i:64 + 4 * i] = bytes([code, action]) + delay.to_bytes(2, "little")
    return data.hex().upper() + "%02X" % (sum(data) & 0xFF)


def write_macros(folder, *macros):
    with open(os.path.join(folder, "config", "sequence.dat"), "w", newline="\r\n") as f:
        f.write("[Macros]\nnumber=%d\n" % len(macros))
        for i, macro in enumerate(macros):
            f.write("%d=%s\n" % (i, macro_record_hex(*macro)))


def read_macros_after_ok(case):
    case.click(case.main_button(3))
    case.assertTrue(wait_for(lambda: case.state()["windows"] == "0", 20))
    return read_macros(case.folder)


def read_macros(folder):
    """The macros of config/sequence.dat as (name, repeat, [(code, action, delay)])."""
    parser = configparser.ConfigParser(interpolation=None)
    parser.optionxform = str
    parser.read(os.path.join(folder, "config", "sequence.dat"))
    macros = []
    for i in range(int(parser["Macros"]["number"])):
        data = bytes.fromhex(parser["Macros"][str(i)][:520])
        count = int.from_bytes(data[56:60], "little")
        events = [(data[60 + 4 * k], data[61 + 4 * k], int.from_bytes(data[62 + 4 * k:64 + 4 * k], "little"))
                  for k in range(count)]
        macros.append((data[:52].split(b"\0")[0].decode(), int.from_bytes(data[52:56], "little"), events))
    return macros


class MacroPageSteps:
    """Helpers for page 2: its controls by skin key, its lists by the probe."""

    def write_macros(self, *macros):
        write_macros(self.folder, *macros)

    def open_page2(self):
        self.start_option()
        self.assertTrue(wait_for(lambda: self.state().get("page2_controls") == str(control_count("skin_advance_setting.ini")), 10))
        self.click(self.main_button(2))
        self.assertTrue(wait_for(lambda: self.state()["page"] == "page2", 10))

    def at(self, key, dx=0, dy=0):
        x, y = centre(skin_rect(PAGE_SKIN, key), dx, dy)
        return PAGE_ORIGIN[0] + x, PAGE_ORIGIN[1] + y

    def step_row(self, row):
        """Centre of row `row` of the step list (rows of 16 pixels from its top)."""
        left, top, right, _ = skin_rect(PAGE_SKIN, 14)
        return PAGE_ORIGIN[0] + (left + right) // 2, PAGE_ORIGIN[1] + top + 8 + 16 * row

    def lists(self):
        text = ENV.run(self.helper("OptionProbe"), "lists")
        try:
            return json.loads(text)
        except ValueError:
            raise AssertionError("probe said: %r" % text)

    def wait_lists(self, predicate, timeout=10):
        return wait_for(lambda: (lambda l: l if predicate(l) else None)(self.lists()), timeout)

    def new_macro(self, name):
        self.click(self.at(10))
        settle()
        ENV.xdotool("mousemove", *self.at(12))
        settle()
        self.type_text(name)
        self.press("Return")

    def type_text(self, text):
        # Key by key: "xdotool type" remaps keys on the fly, which Wine's
        # keyboard does not follow reliably.
        ENV.xdotool("key", "--delay", "80",
                    *[c if not c.isupper() else "shift+" + c.lower() for c in text])

    def main_rect(self):
        return parse_rect(self.state()["main_rect"])



class MacroPage(MacroPageSteps, OptionCase):
    """Page 2 with the real keyboard capture and X input."""

    def test_record_by_typing_stop_and_ok_saves_the_steps(self):
        self.open_page2()
        self.new_macro("Fire")
        self.assertTrue(self.wait_lists(lambda l: l["macros"] == ["Fire"] and l["macro_selected"] == 0),
                        self.lists())
        self.click(self.at(15))  # Record
        self.assertEqual(self.lists()["macro_enabled"], 0, "the macro list stays usable while recording")
        # Another window has the focus while the keys are typed: the capture
        # takes them from the whole desktop.
        notepad = ENV.start("notepad")
        self.assertTrue(wait_for(lambda: ENV.run(self.helper("OptionProbe"), "has-window", "Notepad").strip() == "1", 20))
        settle()
        self.press("a", "b")
        steps = self.wait_lists(lambda l: len(l["steps"]) == 4)
        self.assertIsNotNone(steps, "typed keys did not arrive as steps")
        self.assertEqual([v & 0xFFFF for _, v in steps["steps"]], [0x8A, 0x89, 0x8A, 0x89])
        self.assertEqual([v >> 16 for _, v in steps["steps"]], [1, 2, 3, 4])
        notepad.kill()
        settle()
        ENV.screenshot("macro_page_recorded", self.main_rect())
        self.click(self.at(16))  # Stop
        self.assertTrue(self.wait_lists(lambda l: l["macro_enabled"] == 1))
        self.press("c")  # the keyboard is free again: no step
        settle()
        self.assertEqual(len(self.lists()["steps"]), 4)
        self.click(self.main_button(3))  # OK: apply and close
        self.assertTrue(wait_for(lambda: self.state()["windows"] == "0", 20))
        self.assertEqual(read_macros(self.folder), [("Fire", 1, [(4, 1, 0), (4, 2, 0), (5, 1, 0), (5, 2, 0)])])

    def test_recorded_pauses_follow_the_typing(self):
        self.write_macros(("Paced", []))
        self.open_page2()
        self.click(self.at(19))  # record pauses
        self.click(self.at(15))
        ENV.xdotool("key", "--delay", "300", "a", "b", "c")
        rows = self.wait_lists(lambda l: len([r for r in l["steps"] if r[1] & 0xFFFF != 0x87]) == 6)
        self.assertIsNotNone(rows, "the typed keys did not all arrive")
        self.click(self.at(16))
        steps = read_macros_after_ok(self)[0][2]
        # xdotool waits half its delay after each press and each release.
        pauses = [step[2] for step in steps[:5]]
        print("recorded pauses for xdotool's 150 ms: %s" % pauses, file=sys.stderr)
        for pause in pauses:
            self.assertGreaterEqual(pause, 140)
            self.assertLessEqual(pause, 200)
        self.assertEqual(steps[5][2], 0, "the last step has no pause")

    def test_fiftieth_step_ends_the_recording_and_frees_the_keyboard(self):
        self.write_macros(("Long", []))
        self.open_page2()
        self.click(self.at(15))
        for letter in "abcdefghijklmnopqrstuvwxy":
            ENV.xdotool("key", letter)
        full = self.wait_lists(lambda l: len(l["steps"]) == 50 and l["macro_enabled"] == 1, 20)
        self.assertIsNotNone(full, "50 steps did not end the recording")
        self.press("z")
        settle()
        self.assertEqual(len(self.lists()["steps"]), 50)

    def test_event_menu_inserts_edits_and_deletes(self):
        self.write_macros(("Menu", [(4, 1, 0), (4, 2, 0), (5, 1, 0)]))
        self.open_page2()
        self.assertTrue(self.wait_lists(lambda l: len(l["steps"]) == 3))
        # Insert delay on step 2: step 1 gets a 1 ms pause, shown as its row.
        self.click(self.step_row(1))
        ENV.xdotool("click", "3")
        settle()
        ENV.screenshot("macro_event_menu", self.main_rect())
        self.press("Down", "Down", "Down", "Return")
        rows = self.wait_lists(lambda l: len(l["steps"]) == 4)
        self.assertIsNotNone(rows, "insert delay added no pause row")
        self.assertEqual(rows["steps"][1], ["1 ms", 0x10087])
        # Edit that pause in place: 99999 is held to 65535.
        self.click(self.step_row(1))
        ENV.xdotool("click", "3")
        settle()
        self.press("Down", "Down", "Down", "Down", "Down", "Return")
        settle()
        self.type_text("99999")
        self.press("Return")
        rows = self.wait_lists(lambda l: l["steps"][1][0] == "65535 ms")
        self.assertIsNotNone(rows, "the edited pause was not held to 65535")
        # A click of the right button in front of step 3 (row 3 now).
        self.click(self.step_row(3))
        ENV.xdotool("click", "3")
        settle()
        self.press("Down", "Down", "Down", "Down", "Right", "Down", "Right", "Down", "Down", "Return")
        rows = self.wait_lists(lambda l: len(l["steps"]) == 6)
        self.assertIsNotNone(rows, "the mouse click was not inserted")
        self.assertEqual([r[0] for r in rows["steps"][3:5]], ["Right Button Down", "Right Button Up"])
        # Delete the pause row.
        self.click(self.step_row(1))
        ENV.xdotool("click", "3")
        settle()
        self.press("Up", "Return")
        rows = self.wait_lists(lambda l: len(l["steps"]) == 5)
        self.assertIsNotNone(rows, "delete left the pause")
        self.click(self.main_button(3))
        self.assertTrue(wait_for(lambda: self.state()["windows"] == "0", 20))
        self.assertEqual(read_macros(self.folder)[0][2],
                         [(4, 1, 0), (4, 2, 0), (241, 1, 0), (241, 2, 0), (5, 1, 0)])

    def test_new_with_a_duplicate_name_is_refused_and_rename_keeps_the_rules(self):
        self.write_macros(("Fire", [(4, 1, 0)]))
        self.open_page2()
        self.new_macro("FIRE")
        settle()
        self.assertEqual(self.lists()["macros"], ["Fire"])
        self.new_macro("Jump")
        self.assertTrue(self.wait_lists(lambda l: l["macros"] == ["Fire", "Jump"] and l["macro_selected"] == 1))
        self.assertEqual(self.lists()["repeat"], "1")
        # Renamed in place by a double click, under the same rules.
        left, top, right, _ = skin_rect(PAGE_SKIN, 13)
        jump = (PAGE_ORIGIN[0] + (left + right) // 2, PAGE_ORIGIN[1] + top + 8 + 16)
        for name, expected in (("fire", ["Fire", "Jump"]), ("Leap", ["Fire", "Leap"])):
            ENV.xdotool("mousemove", *jump)
            settle()
            ENV.xdotool("click", "--repeat", "2", "--delay", "80", "1")
            settle()
            self.type_text(name)
            self.press("Return")
            self.assertTrue(self.wait_lists(lambda l: l["macros"] == expected), (name, self.lists()))
        self.click(self.main_button(3))
        self.assertTrue(wait_for(lambda: self.state()["windows"] == "0", 20))
        self.assertEqual([m[0] for m in read_macros(self.folder)], ["Fire", "Leap"])


def give_slot_a_macro(folder, slot, name):
    """Every profile file's slot `slot` plays macro `name` (code 6)."""
    for n in range(5):
        path = os.path.join(folder, "config", "Default%d.gmp" % n)
        with open(path, newline="") as f:
            lines = f.read().split("\r\n")
        key = "MacroKeyInfo%d=" % slot
        for i, line in enumerate(lines):
            if line.startswith(key):
                data = bytearray(bytes.fromhex(line[len(key):][:-2]))
                data[1] = 6
                data[16:36] = name.encode().ljust(20, b"\0")
                lines[i] = key + data.hex().upper() + "%02X" % (sum(data) & 0xFF)
        with open(path, "w", newline="") as f:
            f.write("\r\n".join(lines))


class MacroPageProfiles(MacroPageSteps, OptionCase):
    """What page 2 changes in the profiles, read back with mervikctl."""

    def dump(self):
        return json.loads(ENV.run(ARGS.mervikctl, "dump", windows_path(self.folder)))

    def apply(self):
        self.click(self.main_button(5))
        self.assertTrue(self.wait_for_apply_done(30))

    def test_delete_turns_the_buttons_macro_into_function_7(self):
        ENV.run(ARGS.mervikctl, "init", windows_path(self.folder), "--force")
        write_macros(self.folder, ("Fire", [(4, 1, 0), (4, 2, 0)]), ("Jump", [(5, 1, 0)]))
        give_slot_a_macro(self.folder, 2, "Fire")
        self.assertEqual(self.dump()["Profiles"][0]["MacroKeyInfo"][2]["Function"], 6)
        self.open_page2()
        self.assertTrue(self.wait_lists(lambda l: l["macros"] == ["Fire", "Jump"]))
        self.click(self.at(11))  # Delete the selected (first) macro
        found = wait_for(lambda: (lambda s: s if s.get("warning") == "1" else None)(self.state()), 10)
        self.assertTrue(found, "no delete warning")
        rect = parse_rect(found["warning_rect"])
        ok = centre(skin_rect("skin_delete_macro_warn.ini", 1))
        self.click((rect[0] + ok[0], rect[1] + ok[1]))
        self.assertTrue(self.wait_lists(lambda l: l["macros"] == ["Jump"]))
        self.apply()
        dump = self.dump()
        self.assertEqual([p["MacroKeyInfo"][2]["Function"] for p in dump["Profiles"]], [7] * 5)
        self.assertEqual([m[0] for m in read_macros(self.folder)], ["Jump"])

    def test_pointer_sliders_and_spin_fields_change_the_profile(self):
        ENV.run(ARGS.mervikctl, "init", windows_path(self.folder), "--force")
        # Loading takes the current profile's pointer values from the
        # registry, where earlier cases' Apply left theirs.
        for key, name, value in (("Desktop", "WheelScrollLines", "3"), ("Mouse", "MouseSensitivity", "10")):
            ENV.run("reg", "add", "HKCU\\Control Panel\\" + key, "/v", name, "/d", value, "/f")
        self.open_page2()
        before = self.dump()["Profiles"][0]
        left, top, right, bottom = skin_rect(PAGE_SKIN, 1)
        self.click((PAGE_ORIGIN[0] + right - 2, PAGE_ORIGIN[1] + (top + bottom) // 2))  # fastest
        left, top, right, bottom = skin_rect(PAGE_SKIN, 7)
        self.click((PAGE_ORIGIN[0] + right - 6, PAGE_ORIGIN[1] + top + 5))  # wheel lines up
        left, top, right, bottom = skin_rect(PAGE_SKIN, 21)
        self.click((PAGE_ORIGIN[0] + left + 2, PAGE_ORIGIN[1] + (top + bottom) // 2))  # X slowest
        self.apply()
        after = self.dump()["Profiles"][0]
        self.assertEqual(after["MouseSpeed"], 20)
        self.assertEqual(after["ScrollWheelSpeed"], before["ScrollWheelSpeed"] + 1)
        self.assertEqual(after["Sensitivity_X"], 1)
        # A typed number is held to the range on Enter: -9 is -5, the slowest.
        left, top, right, bottom = skin_rect(PAGE_SKIN, 6)
        self.click((PAGE_ORIGIN[0] + left + 10, PAGE_ORIGIN[1] + (top + bottom) // 2))
        self.press("End", "BackSpace", "BackSpace", "minus", "9", "Return")
        settle()
        self.apply()
        self.assertEqual(self.dump()["Profiles"][0]["MouseSpeed"], 1)

    def test_repeat_field_reports_deletes_cuts_and_pastes(self):
        write_macros(self.folder, ("Fire", [(4, 1, 0)]))
        self.open_page2()
        self.click(self.at(17))
        self.press("End", "2", "3")  # "123"
        self.press("Home", "Delete")  # "23"
        self.apply()  # Apply takes no focus: the field still has it
        self.assertEqual(read_macros(self.folder)[0][1], 23)
        self.press("End", "shift+Left", "ctrl+x")  # cut: "2"
        self.apply()
        self.assertEqual(read_macros(self.folder)[0][1], 2)
        self.press("End", "shift+Insert")  # paste: "23"
        self.apply()
        self.assertEqual(read_macros(self.folder)[0][1], 23)
        self.assertEqual(self.lists()["repeat"], "23")


class PointerThroughMonitor(MacroPageSteps, OptionCase):
    """Page 2's pointer controls, applied by the real Monitor.exe."""

    def setUp(self):
        OptionCase.setUp(self)
        shutil.copy(ARGS.monitor, self.folder)
        shutil.copy(ARGS.hiddriver, os.path.join(self.folder, "hiddriver.dll"))

    mouse = ApplyThroughMonitor.mouse
    mouse_transfers = ApplyThroughMonitor.mouse_transfers
    start_real_monitor = ApplyThroughMonitor.start_real_monitor

    def registry(self, key, name):
        out = ENV.run("reg", "query", key, "/v", name)
        for line in out.splitlines():
            fields = line.split()
            if fields and fields[0] == name:
                return fields[-1]
        return None

    def test_apply_puts_the_pointer_settings_into_the_registry(self):
        ENV.run("reg", "add", "HKCU\\Control Panel\\Desktop", "/v", "WheelScrollLines", "/d", "3", "/f")
        self.start_real_monitor()
        self.open_page2()
        left, top, right, bottom = skin_rect(PAGE_SKIN, 1)
        self.click((PAGE_ORIGIN[0] + right - 2, PAGE_ORIGIN[1] + (top + bottom) // 2))  # fastest
        left, top, right, bottom = skin_rect(PAGE_SKIN, 7)
        for _ in range(2):
            self.click((PAGE_ORIGIN[0] + right - 6, PAGE_ORIGIN[1] + bottom - 5))  # lines down
        self.click(self.main_button(5))
        self.assertTrue(self.wait_for_apply_done(30), "Monitor's 1258 did not end the wait")
        self.assertEqual(self.registry("HKCU\\Control Panel\\Mouse", "MouseSensitivity"), "20")
        self.assertEqual(self.registry("HKCU\\Control Panel\\Desktop", "WheelScrollLines"), "1")


class SelectMacroDialog(OptionCase):
    """The select-macro dialog on its own, as the button page will open it."""

    def test_choosing_a_macro_and_run_mode(self):
        write_macros(self.folder, ("Fire", [(4, 1, 0), (4, 2, 0)]), ("Jump", [(44, 1, 0), (44, 2, 0)]))
        shutil.copy(self.helper("SelectMacroShow"), self.folder)
        process = ENV.start(os.path.join(self.folder, "SelectMacroShow.exe"), "3")
        found = wait_for(lambda: (lambda s: s if s.get("dialog") == "1" else None)(
            parse_probe(ENV.run(self.helper("OptionProbe"), "dialog"))), 20)
        self.assertTrue(found, "the dialog did not appear")
        rect = parse_rect(found["rect"])

        def at(key):
            x, y = centre(skin_rect("skin_select_macro.ini", key))
            return rect[0] + x, rect[1] + y
        ENV.xdotool("mousemove", *centre(rect))
        self.press("Return", "Escape", "space")
        settle()
        self.assertIsNone(process.poll(), "a key ended the dialog")
        self.click(at(4))
        settle()
        self.press("Down", "Down", "Return")  # the second macro
        self.click(at(7))  # run mode 2
        settle()
        ENV.screenshot("select_macro_dialog", rect)
        self.click(at(1))
        out, _ = process.communicate(timeout=15)
        self.assertIn("result=ok function=6 runmode=2 name=Jump events=2", out)


class ButtonDialogs(OptionCase):
    """The button page's shortcut, fire button and colour picker dialogs on
    their own (ButtonDialogShow), as the page will open them."""

    OWNER = (200, 150, 1000, 750)  # ButtonDialogShow's owner window

    def setUp(self):
        super().setUp()
        shutil.copy(self.helper("ButtonDialogShow"), self.folder)

    def open(self, *args):
        process = ENV.start(os.path.join(self.folder, "ButtonDialogShow.exe"), *args)
        found = wait_for(lambda: (lambda s: s if s.get("dialog") == "1" else None)(self.dialog()), 20)
        self.assertTrue(found, "dialog %s did not appear" % args[0])
        self.rect = parse_rect(found["rect"])
        for mine, owners in zip(centre(self.rect), centre(self.OWNER)):
            self.assertLessEqual(abs(mine - owners), 1, "the dialog is not centred on its owner")
        settle()
        return process

    def dialog(self):
        return parse_probe(ENV.run(self.helper("OptionProbe"), "dialog"))

    def fields(self):
        return [f.replace("%20", " ") for f in self.dialog()["fields"].split("|")]

    def at(self, ini, key, dx=0, dy=0):
        x, y = centre(skin_rect(ini, key), dx, dy)
        return self.rect[0] + x, self.rect[1] + y

    def shot(self, name):
        """A screenshot with the pointer on the title, where no tooltip shows."""
        ENV.xdotool("mousemove", self.rect[0] + 150, self.rect[1] + 21)
        settle()
        return ENV.screenshot(name, self.rect)

    def finish(self, process):
        out, _ = process.communicate(timeout=15)
        return out.strip()

    def test_shortcut_takes_a_typed_key_with_chosen_modifiers(self):
        ini = "skin_key.ini"
        process = self.open("shortcut", "6", "0x04")  # C with Ctrl
        state = self.dialog()
        self.assertEqual(state["title"], "Shortcut%20Dialog")
        self.assertEqual(self.fields(), ["C"])
        self.assertEqual(state["enabled"], "11111111")
        self.click(self.at(ini, 7))  # Ctrl off
        self.click(self.at(ini, 6))  # Shift
        self.click(self.at(ini, 8))  # Alt
        # Every key goes to the dialog, Enter and Escape included; the last
        # one before OK is the key.
        self.press("Return", "Escape", "F5")
        self.assertIsNone(process.poll(), "a key ended the dialog")
        self.assertEqual(self.fields(), ["F5"])
        self.shot("shortcut_dialog")
        self.click(self.at(ini, 1))
        self.assertEqual(self.finish(process), "result=ok key=62 modifiers=0x0A capture=0")

    def test_shortcut_no_modifier_disables_the_others_and_is_stored_alone(self):
        ini = "skin_key.ini"
        process = self.open("shortcut", "0", "0x02")
        self.assertEqual(self.fields(), [""])
        self.click(self.at(ini, 5))
        self.assertEqual(self.dialog()["enabled"], "11110000")
        self.click(self.at(ini, 7))  # disabled: nothing happens
        self.shot("shortcut_dialog_no_modifier")
        self.click(self.at(ini, 1))
        self.assertEqual(self.finish(process), "result=ok key=0 modifiers=0x01 capture=0")

    def test_shortcut_closed_from_outside_or_cancelled_ends_the_capture(self):
        process = self.open("shortcut", "62", "0x0A")
        self.press("a")
        ENV.run(self.helper("OptionProbe"), "close-dialog")
        self.assertEqual(self.finish(process), "result=cancel key=62 modifiers=0x0A capture=0")
        process = self.open("shortcut", "62", "0x0A")
        self.press("a")
        self.click(self.at("skin_key.ini", 2))
        self.assertEqual(self.finish(process), "result=cancel key=62 modifiers=0x0A capture=0")

    def test_fire_fields_keep_their_limits_and_the_key_field_captures(self):
        ini = "skin_fire_button.ini"
        process = self.open("fire", "0", "5", "0")  # a slot that is not a fire slot yet
        state = self.dialog()
        self.assertEqual(state["title"], "FireClick%20Dialog")
        # Fields in order: key, interval, count; the key field has the focus.
        self.assertEqual(self.fields(), ["", "5", "0"])
        self.assertEqual(state["focus"], "0")
        self.press("shift")
        self.assertEqual(self.fields()[0], "L_Shift")

        self.click(self.at(ini, 6))  # count: typed, not captured
        self.press("End", "BackSpace", "3", "0", "0")
        self.assertEqual(self.fields()[2], "255")
        self.click(self.at(ini, 5))  # interval
        self.press("End", "BackSpace", "3")
        self.assertEqual(self.fields()[1], "3", "3 must stand while the interval field has the focus")
        self.click(self.at(ini, 6))
        self.assertEqual(self.fields()[1], "5")
        self.click(self.at(ini, 5))
        self.press("End", "BackSpace", "9", "9", "9")
        self.assertEqual(self.fields()[1], "255")

        self.click(self.at(ini, 4))  # back in the key field: captured again
        self.press("a")
        self.assertEqual(self.fields(), ["A", "255", "255"])
        self.shot("fire_button_dialog")
        self.click(self.at(ini, 1))
        self.assertEqual(self.finish(process), "result=ok count=255 interval=255 key=4 capture=0")

    def test_fire_dialog_opens_on_a_fire_slot_and_cancel_keeps_it(self):
        ini = "skin_fire_button.ini"
        process = self.open("fire", "12", "40", "44")  # Space
        self.assertEqual(self.fields(), ["Space", "40", "12"])
        self.press("b")
        self.click(self.at(ini, 3))  # close
        self.assertEqual(self.finish(process), "result=cancel count=12 interval=40 key=44 capture=0")

    def preview_colour(self, shot):
        from PIL import Image
        x, y = centre(skin_rect("skin_dpi_color.ini", 3))
        return Image.open(shot).convert("RGB").getpixel((x, y))

    def white_end(self):
        """A point in the pure white patch at the left end of the palette's greys."""
        palette = skin_rect("skin_dpi_color.ini", 4)
        return self.rect[0] + palette[0] + 3, self.rect[1] + palette[3] - 3

    def test_colour_picker_takes_white_and_keeps_it_on_a_click_outside(self):
        ini = "skin_dpi_color.ini"
        process = self.open("colour", "0x0080FF")
        self.assertEqual(self.preview_colour(self.shot("colour_picker_dialog")), (255, 128, 0))
        self.click(self.white_end())
        self.assertEqual(self.preview_colour(self.shot("colour_picker_white")), (255, 255, 255))
        before = self.rect
        self.click(self.at(ini, 3, dx=-70))  # the label beside the preview: outside the palette
        self.assertEqual(parse_rect(self.dialog()["rect"]), before, "a click without moving moved the window")
        self.assertEqual(self.preview_colour(self.shot("colour_picker_outside")), (255, 255, 255))
        self.click(self.at(ini, 1))
        self.assertEqual(self.finish(process), "result=ok colour=0xFFFFFF capture=0")

    def test_colour_picker_takes_the_palette_pictures_own_pixel(self):
        from PIL import Image
        ini = "skin_dpi_color.ini"
        process = self.open("colour", "0x0080FF")
        palette = skin_rect(ini, 4)
        point = (palette[0] + 120, palette[1] + 40)
        self.click((self.rect[0] + point[0], self.rect[1] + point[1]))
        r, g, b = Image.open(os.path.join(ARGS.skins, "dpi_color_normal.bmp")).convert("RGB").getpixel(point)
        self.click(self.at(ini, 1))
        self.assertEqual(self.finish(process), "result=ok colour=0x%06X capture=0" % (b << 16 | g << 8 | r))

    def test_colour_picker_cancel_after_a_pick_keeps_the_colour(self):
        process = self.open("colour", "0x0080FF")
        self.click(self.white_end())
        self.click(self.at("skin_dpi_color.ini", 2))
        self.assertEqual(self.finish(process), "result=cancel colour=0x0080FF capture=0")


def main():
    global ARGS, ENV
    parser = argparse.ArgumentParser()
    for name in ("--bin", "--option", "--skins", "--lan", "--out", "--monitor", "--hiddriver", "--mousesim",
                 "--mervikctl"):
        parser.add_argument(name, required=True)
    ARGS, rest = parser.parse_known_args()
    ENV = Wine(ARGS.out)
    try:
        program = unittest.main(argv=[sys.argv[0]] + rest, exit=False, verbosity=2)
    finally:
        ENV.close()
    sys.exit(0 if program.result.wasSuccessful() else 1)


if __name__ == "__main__":
    main()
