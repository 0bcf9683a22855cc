#!/usr/bin/env python3
"""Profiles that travel, end to end in Option.exe: Export and Import of the
chosen profile through the system's file chooser and a confirmation, a
mervikctl import while Option is open, and the factory reset's backup that
mervikctl restore puts back byte for byte.

    profile_exchange_e2e.py (the arguments of option_case.py) [unittest args]
"""
import glob
import json
import os
import re

import option_case
from option_case import ARGS, ENV, MacroPageSteps, OptionCase, RealMonitor, centre, parse_rect, \
    read_macros, screenshot, set_slot_macro, settle, skin_key, skin_rect, wait_for, windows_path, write_macros

SUITE_FILES = ["config.ini"] + ["config/Default%d.gmp" % n for n in range(5)] + ["config/sequence.dat"]
BURST = [(4, 1, 16), (4, 2, 0)]


def snapshot(folder):
    found = {}
    for name in SUITE_FILES:
        path = os.path.join(folder, name)
        if os.path.exists(path):
            with open(path, "rb") as f:
                found[name] = f.read()
        else:
            found[name] = None
    return found


class ProfileExchange(MacroPageSteps, OptionCase):
    def prepare(self):
        """Profile 0 is "Racing" and plays macro Burst on its fourth button."""
        ENV.output(ARGS.mervikctl, "init", windows_path(self.folder), "--force")
        ENV.output(ARGS.mervikctl, "rename", windows_path(self.folder), "0", "Racing")
        write_macros(self.folder, ("Burst", BURST))
        set_slot_macro(self.folder, 0, 3, "Burst", BURST)

    def mervikctl(self, *args):
        return ENV.output(ARGS.mervikctl, *args)

    def encoded(self, profile):
        return self.mervikctl("encode", windows_path(self.folder), "--profile", str(profile))

    def choose_file(self, title, path):
        # The export's chooser offers a file name: the typed path replaces it.
        self.type_into_chooser(title, path, "End", "shift+Home")

    def wait_box(self, shown=True):
        """A message box of Option's over its window, or none any more."""
        self.assertTrue(wait_for(lambda: self.state().get("message_box") == ("1" if shown else "0"), 10),
                        "a message box is %s" % ("missing" if shown else "still open"))
        settle()

    def test_export_then_import_into_another_profile_and_apply(self):
        self.prepare()
        self.start_option()
        self.assertTrue(self.wait_strip(lambda s: s["names"][0] == "Racing"), self.strip())
        main_rect = parse_rect(self.state()["main_rect"])
        screenshot("exchange_main_window", main_rect)

        exported = os.path.join(self.folder, "shared", "racing.mervik-profile")
        os.makedirs(os.path.dirname(exported))
        self.click(self.main_button(skin_key("skin_main.ini", "Export")))
        self.choose_file("Export the chosen profile", exported)
        self.assertTrue(wait_for(lambda: os.path.exists(exported), 10), "nothing was exported")
        with open(exported) as f:
            shared = json.load(f)
        self.assertEqual((shared["format"], shared["version"]), ("mervik-profile", 1))
        self.assertEqual([m["Name"] for m in shared["macros"]], ["Burst"])

        # Into profile 3: the question names what it replaces; Cancel keeps it.
        self.click(self.main_button(12))
        self.assertTrue(self.wait_strip(lambda s: s["current"] == [2]))
        for answer in ("Escape", "Return"):
            self.click(self.main_button(skin_key("skin_main.ini", "Import")))
            self.choose_file("Import a profile", exported)
            self.wait_box()
            if answer == "Return":
                screenshot("exchange_import_question", (0, 0, 1280, 1000))
            self.press(answer)
            self.wait_box(shown=False)
            if answer == "Escape":
                self.assertEqual(self.strip()["names"][2], "Default3", "a cancelled import changed it")
        self.assertTrue(self.wait_strip(lambda s: s["names"][2] == "Racing"), self.strip())
        self.assertEqual(snapshot(self.folder)["config/Default2.gmp"].count(b"Racing"), 0,
                         "nothing is written before Apply")
        self.click(self.main_button(5))
        self.assertTrue(self.wait_for_apply_done(30), "Apply did not end")
        self.assertEqual(self.encoded(2), self.encoded(0))
        self.assertEqual(read_macros(self.folder), [("Burst", 1, BURST)], "the same macro is not added twice")

        # A file that is not a profile is refused and changes nothing.
        damaged = os.path.join(self.folder, "shared", "damaged.mervik-profile")
        with open(damaged, "w") as f:
            f.write('{"format": "mervik-profile", "version": 1, "profile": ')
        self.click(self.main_button(13))
        self.click(self.main_button(skin_key("skin_main.ini", "Import")))
        self.choose_file("Import a profile", damaged)
        self.wait_box()
        screenshot("exchange_import_refused", (0, 0, 1280, 1000))
        self.press("Return")
        self.wait_box(shown=False)
        self.assertEqual(self.strip()["names"][3], "Default4")

    def test_macros_a_command_line_import_adds_survive_options_close(self):
        self.prepare()
        other = os.path.join(self.folder, "shared")
        self.mervikctl("init", windows_path(other))
        write_macros(other, ("Combo", [(5, 1, 0), (5, 2, 0)]))
        set_slot_macro(other, 1, 2, "Combo", [(5, 1, 0), (5, 2, 0)])
        shared = os.path.join(self.folder, "combo.mervik-profile")
        self.mervikctl("export", windows_path(other), "1", windows_path(shared))
        self.open_page2()
        self.assertTrue(self.wait_lists(lambda l: l["macros"] == ["Burst"]))
        self.mervikctl("import", windows_path(self.folder), "4", windows_path(shared))
        self.assertEqual([m[0] for m in read_macros(self.folder)], ["Burst", "Combo"])
        self.click(self.main_button(4))  # Cancel closes Option, which saves its macro list
        self.assertTrue(wait_for(lambda: self.state()["windows"] == "0", 20))
        self.assertEqual([m[0] for m in read_macros(self.folder)], ["Burst", "Combo"])

    def test_the_reset_backs_up_first_and_restore_undoes_it(self):
        self.prepare()
        before = snapshot(self.folder)
        self.open_page2()
        self.click(self.at(9))  # Restore factory defaults
        found = wait_for(lambda: (lambda s: s if s.get("warning") == "1" else None)(self.state()), 10)
        self.assertTrue(found, "no reset warning")
        rect = parse_rect(found["warning_rect"])
        screenshot("exchange_reset_warning", (0, 0, 1280, 1000))
        reset = centre(skin_rect("skin_reset_warn.ini", 1))
        self.click((rect[0] + reset[0], rect[1] + reset[1]))
        self.assertTrue(self.wait_for_apply_done(30), "the reset's Apply did not end")
        self.assertTrue(self.wait_strip(lambda s: s["names"][0] == "Default1"), self.strip())
        backups = glob.glob(os.path.join(self.folder, "backups", "settings-*.mervik-backup"))
        self.assertEqual(len(backups), 1, backups)
        self.click(self.main_button(4))
        self.assertTrue(wait_for(lambda: self.state()["windows"] == "0", 20))
        self.assertNotEqual(snapshot(self.folder), before)

        self.mervikctl("restore", windows_path(self.folder), windows_path(backups[0]))
        self.assertEqual(snapshot(self.folder), before)


class ThroughMonitor(RealMonitor, OptionCase):
    """mervikctl import and restore with the real Monitor running from the
    folder and Option open: the mouse gets the new profile at once, and
    Option follows."""

    def test_an_import_and_a_restore_reach_the_mouse_and_option(self):
        other = os.path.join(self.folder, "shared")
        ENV.output(ARGS.mervikctl, "init", windows_path(other))
        ENV.output(ARGS.mervikctl, "rename", windows_path(other), "0", "Three")
        path = os.path.join(other, "config", "Default0.gmp")
        with open(path, newline="") as f:
            text = f.read()
        for key, value in (("Cpi_X", 4), ("BreathSpeed", 3)):
            text = re.sub(r"(?m)^%s=.*$" % key, "%s=%d\r" % (key, value), text)
        with open(path, "w", newline="") as f:
            f.write(text)
        shared = os.path.join(other, "three.mervik-profile")
        ENV.output(ARGS.mervikctl, "export", windows_path(other), "0", windows_path(shared))

        self.start_real_monitor()
        self.start_option()
        self.assertTrue(self.wait_strip(lambda s: s["names"][0] == "Default1"), self.strip())
        # Monitor saves every file once its start-up read-back is in.
        self.assertTrue(wait_for(lambda: all(snapshot(self.folder)[name] for name in SUITE_FILES[1:6]), 20),
                        "Monitor saved no profile files")
        backup = os.path.join(self.folder, "before.mervik-backup")
        ENV.output(ARGS.mervikctl, "backup", windows_path(self.folder), windows_path(backup))
        before = snapshot(self.folder)
        default_plan = self.planned_transfers(0)

        ENV.output(ARGS.mervikctl, "import", windows_path(self.folder), "0", windows_path(shared))
        imported_plan = self.planned_transfers(0)
        self.assertNotEqual(imported_plan, default_plan)
        self.assertTrue(wait_for(lambda: self.uploaded(imported_plan), 30), "the mouse did not get the import")
        self.assertTrue(self.wait_strip(lambda s: s["names"][0] == "Three"), "Option did not follow: %s" % self.strip())
        screenshot("exchange_import_by_mervikctl", parse_rect(self.state()["main_rect"]))

        self.mouse("clear-log")
        ENV.output(ARGS.mervikctl, "restore", windows_path(self.folder), windows_path(backup))
        self.assertTrue(wait_for(lambda: self.uploaded(default_plan), 30), "the mouse did not get the restore")
        self.assertTrue(self.wait_strip(lambda s: s["names"][0] == "Default1"), "Option did not follow: %s" % self.strip())
        # Monitor's saves after the upload keep what was restored.
        self.assertTrue(wait_for(lambda: snapshot(self.folder) == before, 10), "the restored files changed")


if __name__ == "__main__":
    option_case.main("profile_exchange_e2e")
