#!/usr/bin/env python3
"""The machinery every end-to-end script of Option.exe shares: the real
program under Wine, driven with real X input (xdotool clicks at the
rectangles its skin gives), observed from outside by a probe program, by the
files it writes, by a stand-in for Monitor, and by the real Monitor.exe with
the simulated mouse.

Each script runs as

    SCRIPT.py --bin DIR --option EXE --skins DIR --lan FILE --out DIR
              --monitor EXE --hiddriver DLL --mousesim EXE --mervikctl EXE [unittest args]

in a Wine prefix and on an X display of its own, so the scripts may run side
by side. Screenshots go to OUT/screenshots.
"""
import argparse
import configparser
import json
import os
import re
import shutil
import sys
import time
import unittest

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "support", "e2e"))
from wine_desktop import (Probe, SessionStandIn, WineSession, probe_values as parse_probe, reap,  # noqa: E402
                          wait_for, windows_path)

ARGS = argparse.Namespace()
DESKTOP = "1280x1000"
MAIN_SKIN = "skin_main.ini"
TYPED_DRIVE = "T"  # the folder of a path typed into a file chooser


ENV = SessionStandIn()  # made by main()


class Desktop:
    """The probe kept running inside the script's session, made by main()."""

    probe = None


def probe(*command):
    """One question to OptionProbe, kept running inside the desktop."""
    return Desktop.probe.ask(*command)


def wait_for_dialog(timeout=20):
    """The probe's answer for the skinned dialog on screen once it is up and
    the active window (a click sent while its activation is still on its way
    from X can be taken by it), or None."""
    return wait_for(lambda: (lambda s: s if s.get("dialog") == "1" and s.get("active") == "1" else None)(
        parse_probe(probe("dialog"))), timeout)


def set_dpi(dpi):
    """The display's DPI for the programs started from now on; only a change
    costs a new session (and the probe in it)."""
    if ENV.session.dpi != dpi:
        Desktop.probe.forget()
        ENV.session.set_dpi(dpi)


def restart_desktop():
    """Ends every program of the prefix with its server: the next test starts
    in a new session."""
    Desktop.probe.forget()
    ENV.session.restart()


def end_programs():
    """Ends every program the test started, keeping the session (its server,
    desktop and probe): the next test starts on a clean desktop for a tenth of
    what a new session costs. A program that would not end costs a new
    session after all."""
    answer = probe("end-programs")
    if parse_probe(answer).get("left") != "0":
        # Said on the script's output: a restart costs seconds a run should see.
        print("end-programs said %r: a new session" % answer.strip(), file=sys.stderr)
        restart_desktop()


def screenshot(name, rect):
    return ENV.session.screenshot(os.path.join(ARGS.out, "screenshots"), name, rect)


def settle():
    """Waits until the desktop's programs have taken the input sent so far and
    their message queues are quiet (OptionProbe settle), in place of a sleep."""
    probe("settle")


def control_count(ini):
    """How many control windows a skinned window makes, from the one list of
    its controls: every key but the areas it paints itself."""
    listed = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "..", "skins", "controls.json")
    with open(listed) as f:
        window = next(w for w in json.load(f)["windows"] if w["ini"] == ini)
    return window["count"] - len(window["areas"])


class Skin:
    """The skin variant Option's windows take on the script's screen: its
    display scale (in percent) and language folder. Every place a script
    clicks or checks comes from that variant, as Option's own do; a script
    that changes the DPI or the language says so with use_skin."""

    percent = 100
    language = None


def use_skin(percent=100, language=None):
    Skin.percent, Skin.language = percent, language


def scale_length(length, percent=None):
    """`length` at the skin's scale, rounded as Option and the generator
    round (ui/core/DisplayScale): to the nearest pixel, halves away from zero."""
    rounded = (abs(length) * (percent or Skin.percent) + 50) // 100
    return -rounded if length < 0 else rounded


def skin_folder():
    """The folder of the variant in use: skins[/LANGUAGE][/PERCENT]; a
    language the skin has no folder for uses the default's."""
    folder = ARGS.skins
    if Skin.language and os.path.exists(os.path.join(folder, Skin.language, MAIN_SKIN)):
        folder = os.path.join(folder, Skin.language)
    return folder if Skin.percent == 100 else os.path.join(folder, str(Skin.percent))


def skin_ini(ini):
    """A skin INI of the variant in use (UTF-8 with its mark, or ASCII)."""
    parser = configparser.ConfigParser(interpolation=None, strict=False)
    parser.optionxform = str
    with open(os.path.join(skin_folder(), ini), encoding="utf-8-sig", errors="replace") as f:
        parser.read_string(f.read())
    return parser


def skin_rect(ini, key):
    """(left, top, right, bottom) of BUTTONPOS key in a skin INI of the
    variant in use."""
    fields = skin_ini(ini)["BUTTONPOS"][str(key)].split(",")
    x, y, w, h = (int(f) for f in fields[1:5])
    return x, y, x + w, y + h


def skin_size(ini):
    """(width, height) of a skinned window of the variant in use: its
    background picture's."""
    parser = skin_ini(ini)
    normal = next(parser[name]["Normal"] for name in parser.sections() if "Normal" in parser[name])
    picture = os.path.join(skin_folder(), normal)
    with open(picture, "rb") as f:
        head = f.read(26)
    if head[:8] == b"\x89PNG\r\n\x1a\n":
        return int.from_bytes(head[16:20], "big"), int.from_bytes(head[20:24], "big")
    return int.from_bytes(head[18:22], "little"), abs(int.from_bytes(head[22:26], "little", signed=True))


def menu_item_height():
    """One item of Option's menus: 14 pixels and 3 of padding, each scaled."""
    return scale_length(14) + scale_length(3)


def list_row_height():
    """One row of Option's lists: 16 pixels, scaled."""
    return scale_length(16)


def skin_key(ini, label):
    """The BUTTONPOS key whose label is `label` in a skin INI: the tests name
    the optional controls by what they are, not by their place in the list.
    Keys are the same in every variant; the labels are the default's."""
    parser = configparser.ConfigParser(interpolation=None)
    parser.optionxform = str
    parser.read(os.path.join(ARGS.skins, ini))
    return next(int(key) for key, value in parser["BUTTONPOS"].items() if value.split(",")[0] == label)


def centre(rect, dx=0, dy=0):
    return (rect[0] + rect[2]) // 2 + dx, (rect[1] + rect[3]) // 2 + dy


def parse_rect(text):
    return tuple(int(v) for v in text.split(","))



class OptionCase(unittest.TestCase):
    """Each test gets a fresh program folder and a clean desktop: whatever it
    started is ended after it."""

    device = 1

    def setUp(self):
        self.started = time.monotonic()
        self.folder = os.path.join(ARGS.out, ARGS.name, self.id().split(".")[-1])
        shutil.rmtree(self.folder, ignore_errors=True)
        os.makedirs(os.path.join(self.folder, "config"))
        shutil.copy(ARGS.option, self.folder)
        shutil.copy(ARGS.lan, self.folder)
        # The skins are links to the build's (megabytes a test otherwise): a
        # test that changes a skin file replaces it (replace_file).
        shutil.copytree(ARGS.skins, os.path.join(self.folder, "skins"), copy_function=os.link)
        with open(os.path.join(self.folder, "config.ini"), "w", newline="\r\n") as f:
            f.write("[Setting]\nCurrentProfile=0\nDevice=%d\n" % self.device)
        self.processes = []

    def tearDown(self):
        # The tray keeps the icon of an ended Monitor until something touches
        # it; no test of Option looks at the tray.
        end_programs()
        for process in self.processes:
            reap(process)
        # Where the script's time goes, case by case.
        print("%s: %.1f s" % (self.id().split(".")[-1], time.monotonic() - self.started), file=sys.stderr)

    def start(self, exe, *args, **kwargs):
        """Starts a program that ends with the test."""
        process = ENV.start(exe, *args, **kwargs)
        self.processes.append(process)
        return process

    def type_into_chooser(self, title, path, *before):
        """Waits for the file chooser `title`, types `path` into its name
        field after the keys `before`, and presses Return; the path as typed.
        A user's path: through a drive of its own folder, a few keys instead
        of a hundred. The folder must hold no program of the test: Wine names
        a program's folder through the nearest drive above it."""
        self.assertTrue(wait_for(lambda: probe("has-window", title).strip() == "1", 20),
                        "the file chooser %r did not open" % title)
        settle()
        ENV.map_drive(TYPED_DRIVE, os.path.dirname(path))
        typed = TYPED_DRIVE + ":\\" + os.path.basename(path)
        ENV.xdotool("key", "--delay", "60", *before, *keys_of(typed), "Return")
        settle()
        return typed

    def helper(self, name):
        return os.path.join(ARGS.bin, name + ".exe")

    def start_option(self):
        process = self.start(os.path.join(self.folder, "Option.exe"))
        # Shown, not just created: a page is visible only once the window is.
        self.assertTrue(wait_for(lambda: self.state().get("page"), 20), "Option's window did not appear")
        settle()
        return process

    def start_monitor(self, *args):
        self.monitor_log = os.path.join(self.folder, "monitor.log")
        process = self.start(self.helper("FakeMonitor"), self.monitor_log, *args)
        self.assertTrue(wait_for(lambda: "ready" in self.monitor_lines(), 20), "the stand-in Monitor did not start")
        return process

    def monitor_lines(self):
        try:
            with open(self.monitor_log) as f:
                return f.read().split()
        except FileNotFoundError:
            return []

    def state(self, counts=False):
        """The probe's look at the main window; with `counts`, how many
        controls each page holds too (a walk of all of them)."""
        return parse_probe(probe("state", "counts") if counts else probe("state"))

    def page_built(self, page, timeout=10):
        """Whether page `page` (1 or 2) came to hold every control of its skin."""
        ini = ("skin_button_page.ini", "skin_advance_setting.ini")[page - 1]
        key = "page%d_controls" % page
        return wait_for(lambda: self.state(counts=True).get(key) == str(control_count(ini)), timeout)

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
        found = json.loads(probe("strip"))
        by_place = {tuple(b["rect"]): b for b in found["buttons"]}
        profiles = [by_place.get(skin_rect(MAIN_SKIN, key)) for key in range(10, 15)]
        return {"names": [p["text"] if p else None for p in profiles],
                "current": [i for i, p in enumerate(profiles) if p and p["checked"]],
                "link": by_place.get(skin_rect(MAIN_SKIN, 15)),
                "clear": by_place.get(skin_rect(MAIN_SKIN, 16)),
                "editor": found["editor"], "buttons": len(found["buttons"])}

    def wait_strip(self, predicate, timeout=10):
        return wait_for(lambda: (lambda s: s if predicate(s) else None)(self.strip()), timeout)



class RealMonitor:
    """The real Monitor.exe with the simulated mouse in the test's folder."""

    def setUp(self):
        super().setUp()
        shutil.copy(ARGS.monitor, self.folder)
        shutil.copy(ARGS.hiddriver, os.path.join(self.folder, "hiddriver.dll"))

    def mouse(self, *command):
        return ENV.output(ARGS.mousesim, *command)

    def mouse_transfers(self):
        try:
            return json.loads(self.mouse("state"))["transfers"]
        except ValueError:
            return None

    def start_real_monitor(self):
        monitor = self.start(os.path.join(self.folder, "Monitor.exe"), cwd=self.folder)
        # The first Wine program of a session can take many seconds on a busy machine.
        if not wait_for(self.mouse_transfers, 45):
            ended = monitor.poll()
            self.fail("Monitor's simulated mouse did not answer in 45 s (Monitor %s; the mouse's state: %r)"
                      % ("still running" if ended is None else "ended with %s" % ended, self.mouse("state")))
        # Let the start-up read-back finish, then watch only what Apply sends.
        last = None
        while last != self.mouse_transfers():
            last = self.mouse_transfers()
            time.sleep(1)
        self.mouse("clear-log")

    def planned_transfers(self, profile=None):
        """The transfers of `mervikctl encode` (of the current profile, or of
        `profile`), pauses left out."""
        chosen = ("--profile", str(profile)) if profile is not None else ()
        plan = ENV.output(ARGS.mervikctl, "encode", windows_path(self.folder), *chosen).splitlines()
        return [line for line in plan if line and not line.startswith("sleep")]

    def uploaded(self, planned):
        """Whether the mouse's log holds the planned transfers in a row."""
        log = [line.split(" ", 1)[1] for line in self.mouse("log").splitlines() if line.strip()]
        return "\n".join(planned) in "\n".join(log)


# What "xdotool key" calls the characters of a path; Wine follows single keys
# (with shift) more reliably than "xdotool type".
KEY_NAMES = {":": "shift+semicolon", "\\": "backslash", ".": "period", "/": "slash", "-": "minus",
             "_": "shift+minus", " ": "space"}


def keys_of(text):
    return [KEY_NAMES.get(c, "shift+" + c.lower() if c.isupper() else c) for c in text]


def replace_file(path, text):
    """Writes `text` as a new file in place of `path`, which may be a link
    to a file others use."""
    if os.path.exists(path):
        os.remove(path)
    with open(path, "w", newline="") as f:
        f.write(text)


def ini_value(path, key, section="Setting"):
    parser = configparser.ConfigParser(interpolation=None, strict=False)
    parser.optionxform = str
    parser.read(path)
    return parser[section].get(key)


def page_origin():
    """Where a page lies in the main window: its page area."""
    return skin_rect(MAIN_SKIN, 9)[:2]


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
        self.assertTrue(self.page_built(2))
        self.click(self.main_button(2))
        self.assertTrue(wait_for(lambda: self.state()["page"] == "page2", 10))

    def at(self, key, dx=0, dy=0):
        x, y = centre(skin_rect(PAGE_SKIN, key), dx, dy)
        origin = page_origin()
        return origin[0] + x, origin[1] + y

    def step_row(self, row):
        """Centre of row `row` of the step list (rows from its top)."""
        left, top, right, _ = skin_rect(PAGE_SKIN, 14)
        origin, height = page_origin(), list_row_height()
        return origin[0] + (left + right) // 2, origin[1] + top + height // 2 + height * row

    def lists(self):
        text = probe("lists")
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



def set_slot_macro(folder, profile, slot, name, events=None, repeat=1):
    """Slot `slot` of profile file `profile` plays macro `name` (code 6); with
    `events`, it holds its own copy of the macro's steps and repeat count."""
    path = os.path.join(folder, "config", "Default%d.gmp" % profile)
    with open(path, newline="") as f:
        lines = f.read().split("\r\n")
    key = "MacroKeyInfo%d=" % slot
    for i, line in enumerate(lines):
        if line.startswith(key):
            data = bytearray(bytes.fromhex(line[len(key):][:-2]))
            data[1] = 6
            data[16:36] = name.encode().ljust(20, b"\0")
            if events is not None:
                data[36:40] = repeat.to_bytes(4, "little")
                data[40:42] = len(events).to_bytes(2, "little")
                for k, (code, action, delay) in enumerate(events):
                    data[42 + 4 * k:46 + 4 * k] = bytes([code, action]) + delay.to_bytes(2, "little")
            lines[i] = key + data.hex().upper() + "%02X" % (sum(data) & 0xFF)
    with open(path, "w", newline="") as f:
        f.write("\r\n".join(lines))


def give_slot_a_macro(folder, slot, name):
    """Every profile file's slot `slot` plays macro `name`."""
    for profile in range(5):
        set_slot_macro(folder, profile, slot, name)


def lan_texts(name="lan.rc"):
    """A table of the language library by number, from its source."""
    path = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "..", "lang", name)
    texts = {}
    with open(path, encoding="utf-8") as f:
        for line in f:
            found = re.match(r'\s*(\d+),\s*"((?:[^"\\]|\\.)*)"', line)
            if found:
                texts[int(found.group(1))] = found.group(2)
    return texts




def main(name, desktop=DESKTOP, screen=None):
    """Runs the unittest cases of the calling script `name`, in a virtual
    desktop of `desktop` ("WxH") on an X screen of `screen` ("WxHxDEPTH")."""
    parser = argparse.ArgumentParser()
    for option in ("--bin", "--option", "--skins", "--lan", "--out", "--monitor", "--hiddriver", "--mousesim",
                   "--mervikctl"):
        parser.add_argument(option, required=True)
    known, rest = parser.parse_known_args()
    vars(ARGS).update(vars(known), name=name)
    extra = {"screen": screen} if screen else {}
    ENV.session = WineSession(os.path.join(ARGS.out, name + "-prefix"), desktop=desktop, **extra)
    Desktop.probe = Probe(ENV.session, os.path.join(ARGS.bin, "OptionProbe.exe"))
    try:
        program = unittest.main(module="__main__", argv=[sys.argv[0]] + rest, exit=False, verbosity=2)
    finally:
        Desktop.probe.forget()
        ENV.session.close()
    sys.exit(0 if program.result.wasSuccessful() else 1)
