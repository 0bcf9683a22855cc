#!/usr/bin/env python3
"""Option's main window end to end: start-up, its tabs and keys, the no-mouse
warning, Apply's exchange with Monitor (a stand-in and the real one) and
the profile strip.

    main_window_e2e.py (the arguments of option_case.py) [unittest args]
"""
import json
import os
import shutil
import unittest

import option_case
from option_case import *  # noqa: F401,F403 (the shared steps and helpers)
from option_case import ARGS, ENV, OptionCase, RealMonitor, centre, control_count, parse_probe, parse_rect, probe, \
    screenshot, settle, skin_rect, wait_for, windows_path


class StartAndWindow(OptionCase):
    def test_second_start_shows_nothing_and_ends(self):
        self.start_option()
        second = self.start(os.path.join(self.folder, "Option.exe"))
        self.assertIsNotNone(wait_for(lambda: second.poll() is not None, 20), "the second Option kept running")
        self.assertEqual(self.state()["windows"], "1")

    def test_the_taskbar_reads_a_title_while_peers_find_the_old_caption(self):
        self.start_option()
        # The probe finds Option by its old caption's bytes, as Monitor and the
        # setup program do, and reads the title of the window it stands for.
        state = self.state()
        self.assertEqual(state["windows"], "1")
        self.assertEqual(state["title"], "Mervik%20Option")
        # What the setup program does before it replaces the files: a close
        # posted to the window with the old caption ends Option.
        probe("close-option")
        self.assertTrue(wait_for(lambda: self.state()["windows"] == "0", 20), "Option did not close")

    def test_tabs_keys_and_screenshots(self):
        self.start_option()
        state = self.state()
        self.assertEqual(state["page"], "page1")
        self.assertEqual(state["warning"], "0", "Device 1 must not warn")
        # Page 1's controls and page 2 are made after the first paint; once
        # start-up is done both pages hold every control of their skins.
        page1, page2 = str(control_count("skin_button_page.ini")), str(control_count("skin_advance_setting.ini"))
        counts = wait_for(lambda: (lambda s: s if s.get("page2_controls") == page2 else None)(self.state(counts=True)), 10)
        self.assertIsNotNone(counts, "page 2 was not built after the first paint")
        self.assertEqual(counts["page1_controls"], page1)
        main_rect = parse_rect(state["main_rect"])
        self.assertEqual(main_rect[:2], (0, 0))
        settle()
        screenshot("option_main_page1", main_rect)

        self.click(self.main_button(2))
        self.assertEqual(wait_for(lambda: self.state()["page"] == "page2" and "page2"), "page2")
        self.click(self.main_button(2))  # the shown tab again changes nothing
        self.assertEqual(self.state()["page"], "page2")
        settle()
        screenshot("option_main_page2", main_rect)
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
        screenshot("option_with_nomouse_warning", parse_rect(state["main_rect"]))
        ENV.xdotool("mousemove", *centre(rect))
        self.press("Tab")  # moves the focus; Enter and Escape would answer it (keyboard_e2e)
        settle()
        self.assertEqual(self.state()["warning"], "1", "Tab closed the warning")
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

    def test_a_block_whose_mutex_is_held_is_handed_over_once_free_and_the_files_survive_apply(self):
        # Option reaches the block but cannot take its mutex: it must work on
        # the files, not on an image it never read, and Apply saves those.
        # OK and Apply come back with a warning, and Monitor gets the settings
        # as soon as the mutex is free, not before.
        profile = os.path.join(self.folder, "config", "Default0.gmp")
        with open(profile, "w", newline="\r\n") as f:
            f.write("[Setting]\nProFileName=KeepMe\n")
        self.start_monitor("--hold-mutex", "--delay", "200")
        self.start_option()
        self.click(self.main_button(5))
        state = wait_for(lambda: (lambda s: s if s.get("message_box") == "1" else None)(self.state()), 10)
        self.assertTrue(state, "no warning that the block is held")
        screenshot("option_apply_block_held", parse_rect(state["main_rect"]))
        self.press("Return")
        state = wait_for(lambda: (lambda s: s if s.get("message_box") == "0" and s.get("apply_enabled") == "1"
                                  else None)(self.state()), 5)
        self.assertTrue(state, "OK and Apply did not come back")
        self.assertEqual((state["ok_enabled"], state["captured"]), ("1", "0"))
        with open(profile, newline="") as f:
            saved = f.read()
        self.assertIn("ProFileName=KeepMe\r\n", saved, "Apply saved an image it never read")
        settle()
        self.assertNotIn("1224", self.monitor_lines(), "Monitor was told before the block held the settings")
        self.assertIn("posted=1", probe("release-mutex"))
        self.assertTrue(wait_for(lambda: "1224" in self.monitor_lines(), 10), "the settings never reached Monitor")
        self.assertEqual(parse_probe(probe("block"))["current"], "0")

    def test_level_change_from_the_mouse_keeps_other_unapplied_values(self):
        self.start_monitor("--delay", "200")
        self.start_option()
        before = parse_probe(probe("block"))
        # The mouse changed level and rate; someone also changed the brightness
        # in the block, which Option must not take over its own copy.
        probe("mouse-changed", "3", "2", "77")
        settle()
        self.click(self.main_button(5))
        self.assertTrue(wait_for(lambda: self.state().get("apply_enabled") == "1", 8))
        after = parse_probe(probe("block"))
        self.assertEqual((after["cpi"], after["rate"]), ("3", "2"))
        self.assertEqual(after["brightness"], before["brightness"])
        self.assertEqual(self.profile_value(0, "Cpi_X"), "3")
        self.assertEqual(self.profile_value(0, "PollingRate"), "2")



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


    def test_a_rename_by_mervikctl_reaches_an_open_option_and_its_edits_stay(self):
        self.start_real_monitor()
        folder = windows_path(self.folder)
        self.start_option()
        self.assertTrue(self.wait_strip(lambda s: s["current"] == [0]), "no profile strip")
        self.click(self.main_button(13))  # profile 4 chosen, not applied
        self.assertTrue(self.wait_strip(lambda s: s["current"] == [3]))
        ENV.output(ARGS.mervikctl, "rename", folder, "2", "Racing")
        state = self.wait_strip(lambda s: s["names"][2] == "Racing")
        self.assertTrue(state, "Option was not told of the rename: %s" % self.strip())
        self.assertEqual(state["current"], [3], "the rename undid the user's choice")
        self.click(self.main_button(5))
        self.assertTrue(self.wait_for_apply_done(30), "Monitor's 1258 did not end the wait")
        self.assertEqual(ini_value(os.path.join(self.folder, "config", "Default2.gmp"), "ProFileName"), "Racing",
                         "Option's Apply undid the rename")
        self.assertEqual(ini_value(os.path.join(self.folder, "config.ini"), "CurrentProfile"), "3")

    def profile_three_differs(self):
        """Profile 3 unlike profile 0, so its upload tells them apart; its plan."""
        with open(os.path.join(self.folder, "config", "Default3.gmp"), "w", newline="\r\n") as f:
            f.write("[Setting]\nProFileName=Three\nCpi_X=4\nLightType=2\nBrightness=3\n")
        folder = windows_path(self.folder)
        plans = [[line for line in ENV.output(ARGS.mervikctl, "encode", folder, "--profile", n).splitlines()
                  if line and not line.startswith("sleep")] for n in ("3", "0")]
        self.assertTrue(plans[0])
        self.assertNotEqual(plans[0], plans[1])
        return plans[0]

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
        self.assertEqual(parse_probe(probe("block"))["current"], "3")

    def test_mervikctl_use_hands_the_profile_to_the_running_monitor(self):
        planned = self.profile_three_differs()
        self.start_real_monitor()
        folder = windows_path(self.folder)
        self.start_option()
        self.assertTrue(self.wait_strip(lambda s: s["current"] == [0]), "no profile strip")
        self.assertIn("Monitor switched", ENV.output(ARGS.mervikctl, "use", folder, "3"))
        self.assertTrue(wait_for(lambda: self.uploaded(planned), 30), "the mouse did not get profile 3's upload")
        self.assertEqual(parse_probe(probe("block"))["current"], "3")
        self.assertIn("* 3  Three", ENV.output(ARGS.mervikctl, "profiles", folder))
        self.assertTrue(self.wait_strip(lambda s: s["current"] == [3]), "Option did not follow the switch")
        # A new link reaches the running Monitor's block at once.
        ENV.output(ARGS.mervikctl, "link", folder, "3", "C:\\Games\\quake3.exe")
        self.assertTrue(wait_for(lambda: parse_probe(probe("block"))
                                 .get("game") == "C:\\Games\\quake3.exe", 10))



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
        # An empty name is refused with a message, titled with the window's
        # readable title; peers still find Option alone by the old caption.
        self.rename(2, "BackSpace", "Return")
        refused = wait_for(lambda: (lambda s: s if s.get("message_box") == "1" else None)(self.state()), 10)
        self.assertIsNotNone(refused, "no refusal shown")
        self.assertEqual((refused["box_title"], refused["windows"]), ("Mervik%20Option", "1"))
        settle()
        screenshot("option_profile_name_refused", (0, 0, 1280, 1000))
        self.press("Return")
        self.assertTrue(wait_for(lambda: self.state()["message_box"] == "0", 10))
        self.assertEqual(self.strip()["names"][2], "Racing")

        self.click(self.main_button(15))
        typed = self.type_into_chooser("Choose the program", program)
        state = self.wait_strip(lambda s: s["link"]["text"] == "racer.exe", 20)
        self.assertTrue(state, "the linked program is not shown: %s" % self.strip())
        self.assertEqual(state["clear"]["enabled"], 1)
        settle()
        main_rect = parse_rect(self.state()["main_rect"])
        screenshot("option_profile_strip", main_rect)

        self.apply_through_fake_monitor()
        self.assertEqual(parse_probe(probe("block"))["current"], "2")
        profile = os.path.join(self.folder, "config", "Default2.gmp")
        self.assertEqual(ini_value(profile, "ProFileName"), "Racing")
        self.assertEqual(ini_value(profile, "GameFile"), typed)
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
        probe("switch", "4")
        settle()
        state = self.wait_strip(lambda s: s["current"] == [4])
        self.assertTrue(state, "Option did not follow Monitor's switch")
        self.assertEqual(state["names"][1], "Work", "the switch dropped an unapplied rename")
        self.apply_through_fake_monitor()
        self.assertEqual(ini_value(os.path.join(self.folder, "config", "Default1.gmp"), "ProFileName"), "Work")
        self.assertEqual(ini_value(os.path.join(self.folder, "config.ini"), "CurrentProfile"), "4")

    def test_a_skin_without_the_strip_keys_works_as_before(self):
        # A skin older than the strip lacks every optional key, the status area's too.
        ini = os.path.join(self.folder, "skins", MAIN_SKIN)
        with open(ini, newline="") as f:
            lines = f.read().split("\r\n")
        replace_file(ini, "\r\n".join(l for l in lines if l.split("=", 1)[0] not in {str(k) for k in range(10, 22)}))
        self.start_option()
        # Tabs, minimise, close and web site: the buttons made before the strip existed.
        self.assertTrue(self.wait_strip(lambda s: s["buttons"] >= 5), "the buttons were not made")
        settle()
        state = self.strip()
        self.assertEqual(state["buttons"], 5)
        self.assertEqual(state["names"], [None] * 5)
        self.assertEqual(json.loads(probe("status"))["text"], None, "no status area")
        self.click(self.main_button(5))
        self.assertTrue(self.wait_for_apply_done(5), "Apply did not return without Monitor")
        self.assertEqual(ini_value(os.path.join(self.folder, "config.ini"), "CurrentProfile"), "0")


if __name__ == "__main__":
    option_case.main("main_window_e2e")
