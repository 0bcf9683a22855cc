#!/usr/bin/env python3
"""Monitor's tray menu chosen with real X input: Monitor.exe with the simulated
mouse runs in the virtual desktop of its test prefix; xdotool right-clicks its
tray icon, clicks a profile in the menu, and the test checks that the profile
became current in the shared block and config.ini and that the mouse's log
ends with the upload `mervikctl encode --profile` plans for it. Screenshots
of the open menu and of the tip go to OUT/screenshots.

    tray_e2e.py --files DIR --probe EXE --mervikctl EXE --mousesim EXE --out DIR

DIR holds Monitor.exe, hiddriver.dll (simulated) and lan.dll. The script
runs in a session of its own whose desktop is a virtual one (so the tray
exists)."""
import os
import shutil
import subprocess
import sys
import tempfile
import unittest

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "support", "e2e"))
from monitor_script import ARGS, SESSION, run_cases  # noqa: E402
from wine_desktop import chinese_user_locale, numbers, probe_values, wait_for, windows_path  # noqa: E402



class Desktop:
    """The script's session, as the tray test reads and drives it."""

    def __init__(self, session):
        self.session = session
        self.env = session.env

    def run(self, exe, *args, timeout=60):
        done = self.session.run(exe, *args, timeout=timeout)
        return done.returncode, done.stdout

    def probe(self, command):
        code, out = self.run(ARGS.probe, *command.split())
        return probe_values(out) if code == 0 else None

    def tip_text(self):
        """The text of the tip over the tray, once it shows."""
        code, out = self.run(ARGS.probe, "tip")
        lines = [line[5:] for line in out.splitlines() if line.startswith("text=")]
        return lines[0] if code == 0 and lines else None

    def xdotool(self, *args):
        self.session.xdotool(*args)

    def screenshot(self, name, left, top, right, bottom):
        return self.session.screenshot(os.path.join(ARGS.out, "screenshots"), name, (left, top, right, bottom))


def set_profile_key(folder, index, key, value):
    """Changes one key of a profile file as a user's editor would."""
    path = os.path.join(folder, "config", "Default%d.gmp" % index)
    with open(path, encoding="latin-1", newline="") as f:
        lines = f.read().split("\r\n")
    lines = [key + "=" + value if line.startswith(key + "=") else line for line in lines]
    with open(path, "w", encoding="latin-1", newline="") as f:
        f.write("\r\n".join(lines))


def config_value(folder, key):
    with open(os.path.join(folder, "config.ini"), encoding="latin-1") as f:
        for line in f:
            if line.startswith(key + "="):
                return line.strip().split("=", 1)[1]
    return None


class TrayCase(unittest.TestCase):
    user_locale = {}  # the environment Monitor starts in

    def setUp(self):
        self.desktop = Desktop(SESSION)
        self.folder = tempfile.mkdtemp(prefix="tray-e2e-", dir=ARGS.out)
        for name in ("Monitor.exe", "hiddriver.dll", "lan.dll"):
            shutil.copy(os.path.join(ARGS.files, name), self.folder)
        code, _ = self.desktop.run(ARGS.mervikctl, "init", windows_path(self.folder), "--force")
        self.assertEqual(code, 0)
        set_profile_key(self.folder, 1, "ProFileName", "Tom & Jerry")
        set_profile_key(self.folder, 3, "GameFile", "C:\\Games\\Racer\\racer.exe")
        self.monitor = SESSION.start(os.path.join(self.folder, "Monitor.exe"), cwd=self.folder,
                                     stdout=subprocess.DEVNULL, env=self.user_locale)
        self.assertTrue(wait_for(lambda: config_value(self.folder, "Device") == "1", 20), "Monitor did not start")
        self.assertTrue(wait_for(lambda: self.desktop.probe("current"), 10))

    def tearDown(self):
        if self.monitor.poll() is None:
            self.monitor.kill()
            self.monitor.wait()
        shutil.rmtree(self.folder, ignore_errors=True)

    def open_menu(self):
        """Right-clicks the tray icon; the menu's rectangle."""
        icon = numbers(self.desktop.probe("icon")["icon"])
        x, y = (icon[0] + icon[2]) // 2, (icon[1] + icon[3]) // 2
        self.desktop.xdotool("mousemove", x, y, "click", "3")
        menu = self.desktop.probe("menu")
        if not menu:
            # The tray did not take the click: the icon's own notice opens the
            # menu at the pointer instead, and the item is still clicked.
            print("tray icon not clickable here; opening the menu with its notice", file=sys.stderr)
            self.assertIsNotNone(self.desktop.probe("rbutton"))
            menu = self.desktop.probe("menu")
        self.assertTrue(menu, "no tray menu opened")
        return numbers(menu["menu"]), icon

    def click_item(self, menu, index, send_again=False):
        items = self.desktop.probe("measure again" if send_again else "measure")
        self.assertTrue(items, "could not measure the menu")
        size = numbers(items["size"])
        self.assertEqual(menu[3] - menu[1], size[1], "the menu is not laid out as measured")
        top, bottom = numbers(items["item%d" % index])
        self.desktop.xdotool("mousemove", (menu[0] + menu[2]) // 2, menu[1] + (top + bottom) // 2, "click", "1")
        self.assertIsNotNone(self.desktop.probe("closed"), "the menu stayed open")

    def planned_upload(self, profile):
        code, plan = self.desktop.run(ARGS.mervikctl, "encode", windows_path(self.folder), "--profile", str(profile))
        self.assertEqual(code, 0)
        return [line for line in plan.splitlines() if line.startswith(("feature", "write"))]

    def mouse(self, *command):
        code, out = self.desktop.run(ARGS.mousesim, *command)
        self.assertEqual(code, 0, out)
        return out

    def tip_ending(self, icon, ending, timeout):
        """Rests the pointer on the icon, so the tray shows its tip afresh,
        until the tip ends with `ending`; the last tip read."""
        seen = []

        def read():
            self.desktop.xdotool("mousemove", 0, 0)
            self.desktop.xdotool("mousemove", (icon[0] + icon[2]) // 2 - 1, (icon[1] + icon[3]) // 2)
            self.desktop.xdotool("mousemove", (icon[0] + icon[2]) // 2, (icon[1] + icon[3]) // 2)
            seen.append(self.desktop.tip_text())
            return (seen[-1] or "").endswith(ending)
        self.assertTrue(wait_for(read, timeout), "the tip never ended with %r: %r" % (ending, seen[-1:]))

    def mouse_log(self):
        code, log = self.desktop.run(ARGS.mousesim, "log")
        if code != 0:
            return []
        return [line.split(None, 1)[1] for line in log.splitlines() if len(line.split(None, 1)) == 2]

    def show_tip(self, icon):
        """Rests the pointer on the icon; the tip's rectangle."""
        self.desktop.xdotool("mousemove", (icon[0] + icon[2]) // 2 - 1, (icon[1] + icon[3]) // 2)
        self.desktop.xdotool("mousemove", (icon[0] + icon[2]) // 2, (icon[1] + icon[3]) // 2)
        tip = self.desktop.probe("tip")
        self.assertTrue(tip, "no tip over the tray icon")
        return numbers(tip["tip"])


class TrayMenu(TrayCase):
    def test_choosing_a_profile_in_the_tray_menu(self):
        menu, icon = self.open_menu()
        self.desktop.screenshot("tray_menu", menu[0] - 8, menu[1] - 8, icon[2], icon[3])
        self.click_item(menu, 4)  # the third profile: open, separator, then profiles 0..4
        self.assertEqual(wait_for(lambda: self.desktop.probe("current")["current"] == "2"), True)
        self.assertEqual(wait_for(lambda: config_value(self.folder, "CurrentProfile") == "2"), True)
        planned = self.planned_upload(2)
        self.assertTrue(planned)
        self.assertTrue(wait_for(lambda: self.mouse_log()[-len(planned):] == planned, 20),
                        "the mouse's log ends with profile 3's planned upload")

        # The tip names the profile now current.
        tip = self.show_tip(icon)
        self.desktop.screenshot("tray_tip", tip[0] - 8, tip[1] - 8, icon[2], icon[3])

        # The last item ends the service.
        menu, icon = self.open_menu()
        self.click_item(menu, 8)
        self.assertEqual(wait_for(lambda: self.monitor.poll() is not None, 20), True, "Monitor did not exit")


    # The tip and the menu say when the mouse lacks the current settings; its
    # menu sends them again.
    def test_the_tray_tells_when_the_mouse_lacks_the_settings(self):
        self.mouse("fail", "1000")
        menu, icon = self.open_menu()
        self.click_item(menu, 4)  # profile 3: its upload is refused, four times
        self.assertTrue(wait_for(lambda: self.desktop.probe("current")["current"] == "2"))
        self.tip_ending(icon, "(not in the mouse)", 40)
        tip = numbers(self.desktop.probe("tip")["tip"])
        self.desktop.screenshot("tray_tip_not_in_mouse", tip[0] - 8, tip[1] - 8, icon[2], icon[3])

        self.mouse("fail", "0")
        menu, icon = self.open_menu()
        self.desktop.screenshot("tray_menu_send_again", menu[0] - 8, menu[1] - 8, icon[2], icon[3])
        self.click_item(menu, 1, send_again=True)  # open, send again, separator, profiles...
        planned = self.planned_upload(2)
        self.assertTrue(wait_for(lambda: self.mouse_log()[-len(planned):] == planned, 30),
                        "send again did not give the mouse profile 3")

    # While the mouse is away the icon stays, greyed, with its menu: the way
    # to open Option and to end the service.
    def test_the_icon_and_its_menu_stay_while_the_mouse_is_away(self):
        self.mouse("unplug")
        self.assertTrue(wait_for(lambda: config_value(self.folder, "Device") == "0", 20))
        self.assertEqual(self.desktop.probe("shown"), {"shown": "1"}, "the icon went away")
        icon = numbers(self.desktop.probe("icon")["icon"])
        self.tip_ending(icon, "(mouse not connected)", 20)
        tip = numbers(self.desktop.probe("tip")["tip"])
        self.desktop.screenshot("tray_tip_no_mouse", tip[0] - 8, tip[1] - 8, icon[2], icon[3])
        menu, icon = self.open_menu()
        self.desktop.screenshot("tray_menu_no_mouse", menu[0] - 8, menu[1] - 8, icon[2], icon[3])
        self.click_item(menu, 8)  # exit
        self.assertEqual(wait_for(lambda: self.monitor.poll() is not None, 20), True, "Monitor did not exit")


class ChineseTray(TrayCase):
    """Monitor for a user whose Windows speaks Simplified Chinese."""

    user_locale = chinese_user_locale()

    def test_the_tray_speaks_chinese(self):
        menu, icon = self.open_menu()
        self.desktop.screenshot("tray_menu_chinese", menu[0] - 8, menu[1] - 8, icon[2], icon[3])
        self.desktop.xdotool("key", "Escape")
        self.assertIsNotNone(self.desktop.probe("closed"), "the menu stayed open")
        tip = self.show_tip(icon)
        self.desktop.screenshot("tray_tip_chinese", tip[0] - 8, tip[1] - 8, icon[2], icon[3])
        # "Mervik 鼠标 - Default1": the Chinese table's tip and the profile's
        # name, and what the mouse holds, if anything needs saying.
        text = self.desktop.tip_text()
        self.assertTrue(text and text.startswith("Mervik \u9f20\u6807 - Default1"), text)


if __name__ == "__main__":
    run_cases("tray-e2e")
