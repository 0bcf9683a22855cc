#!/usr/bin/env python3
"""Option's macro page end to end: recording with the real keyboard capture,
the event menu, names, what the page changes in the profiles, the pointer
settings through Monitor, and the select-macro dialog.

    macro_page_e2e.py (the arguments of option_case.py) [unittest args]
"""
import json
import os
import shutil
import sys
import time
import unittest

import option_case
from option_case import *  # noqa: F401,F403 (the shared steps and helpers)
from option_case import ARGS, ENV, OptionCase, RealMonitor, centre, parse_probe, parse_rect, probe, \
    screenshot, settle, skin_rect, wait_for, windows_path


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
        notepad = self.start("notepad")
        self.assertTrue(wait_for(lambda: probe("has-window", "Notepad").strip() == "1", 20))
        settle()
        self.press("a", "b")
        steps = self.wait_lists(lambda l: len(l["steps"]) == 4)
        self.assertIsNotNone(steps, "typed keys did not arrive as steps")
        self.assertEqual([v & 0xFFFF for _, v in steps["steps"]], [0x8A, 0x89, 0x8A, 0x89])
        self.assertEqual([v >> 16 for _, v in steps["steps"]], [1, 2, 3, 4])
        notepad.kill()
        settle()
        screenshot("macro_page_recorded", self.main_rect())
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
        typing = time.monotonic()
        ENV.xdotool("key", "--delay", "300", "a", "b", "c")
        # xdotool waits half its delay after each press and each release, six
        # waits of 150 ms. On a busy machine it sleeps longer, and its running
        # time beyond those 900 ms bounds how much slower than its pace the
        # typing was. A key handed over late lengthens one pause by what it
        # takes from the next, so the pauses' sum holds the pace closely and
        # each single pause only roughly.
        late = max(0, round((time.monotonic() - typing) * 1000) - 6 * 150)
        rows = self.wait_lists(lambda l: len([r for r in l["steps"] if r[1] & 0xFFFF != 0x87]) == 6)
        self.assertIsNotNone(rows, "the typed keys did not all arrive")
        self.press("Pause")  # the keyboard's way to stop: never a step itself
        self.assertTrue(self.wait_lists(lambda l: l["macro_enabled"] == 1), "Pause did not stop the recording")
        steps = read_macros_after_ok(self)[0][2]
        self.assertEqual(len(steps), 6, steps)
        pauses = [step[2] for step in steps[:5]]
        print("recorded pauses for xdotool's 150 ms: %s (xdotool %d ms late)" % (pauses, late), file=sys.stderr)
        self.assertGreaterEqual(sum(pauses), 5 * 140)
        self.assertLessEqual(sum(pauses), 5 * 170 + late)
        for pause in pauses:
            self.assertGreaterEqual(pause, 75)
            self.assertLessEqual(pause, 300 + late)
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
        screenshot("macro_event_menu", self.main_rect())
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

    def test_leaving_the_page_ends_a_recording(self):
        # One keyboard capture at a time, and it serves the page in view: the
        # first page's key dialogs must get the keys.
        self.write_macros(("Keys", []))
        self.open_page2()
        self.click(self.at(15))
        self.press("a")
        self.assertTrue(self.wait_lists(lambda l: len(l["steps"]) == 2 and l["macro_enabled"] == 0))
        self.click(self.main_button(1))
        self.assertTrue(wait_for(lambda: self.state()["page"] == "page1", 10))
        self.assertTrue(self.wait_lists(lambda l: l["macro_enabled"] == 1), "the recording outlived its page")
        self.press("b")
        settle()
        self.assertEqual(len(self.lists()["steps"]), 2, "keys typed on page 1 went into the macro")

    def test_the_step_worked_on_stays_selected_and_a_right_click_selects(self):
        self.write_macros(("Twelve", [(4 + i, 1, 0) for i in range(12)]))
        self.open_page2()
        before = self.wait_lists(lambda l: len(l["steps"]) == 12 and l["step_selected"] == 11)
        self.assertTrue(before)
        texts = [text for text, _ in before["steps"]]
        # The right click on row 5 chooses it for the menu: Delete removes step 6.
        ENV.xdotool("mousemove", *self.step_row(5))
        settle()
        ENV.xdotool("click", "3")
        settle()
        self.press("Up", "Return")
        rows = self.wait_lists(lambda l: len(l["steps"]) == 11)
        self.assertIsNotNone(rows, "Delete removed nothing")
        self.assertEqual([v >> 16 for _, v in rows["steps"]], list(range(1, 12)))
        self.assertEqual([text for text, _ in rows["steps"]], texts[:5] + texts[6:], "another step was deleted")
        self.assertEqual(rows["step_selected"], 5, "the selection moved off the row worked on")
        # Insert delay before the step now in row 5: its pause row is selected.
        self.click(self.step_row(5))
        ENV.xdotool("click", "3")
        settle()
        self.press("Down", "Down", "Down", "Return")
        rows = self.wait_lists(lambda l: len(l["steps"]) == 12)
        self.assertIsNotNone(rows, "insert delay added no pause row")
        self.assertEqual(rows["steps"][5][0], "1 ms")
        self.assertEqual(rows["step_selected"], 5)
        screenshot("macro_page_selection_kept", self.main_rect())

    def test_new_scrolls_to_its_entry_and_a_full_list_says_why(self):
        self.write_macros(*[("M%02d" % i, [(4, 1, 0)]) for i in range(40)])
        self.open_page2()
        self.assertTrue(self.wait_lists(lambda l: len(l["macros"]) == 40))
        self.click(self.at(10))
        top, shown = self.lists()["macro_view"]
        self.assertTrue(top <= 40 < top + shown, "the new name's entry is out of view: rows %d to %d shown"
                        % (top, top + shown - 1))
        ENV.xdotool("mousemove", *self.at(12))
        settle()
        self.type_text("Last")
        self.press("Return")
        rows = self.wait_lists(lambda l: len(l["macros"]) == 41 and l["macros"][-1] == "Last")
        self.assertIsNotNone(rows, "the name typed did not reach a visible entry: %s" % self.lists())
        self.assertEqual(rows["macro_selected"], 40)
        screenshot("macro_page_new_scrolled", self.main_rect())

    def test_an_unreadable_macro_file_is_told_and_new_macros_are_kept_beside_it(self):
        damaged = os.path.join(self.folder, "config", "sequence.dat")
        with open(damaged, "wb") as f:
            f.truncate(9 << 20)  # over the size limit: refused like a damaged file
        for start in range(2):
            self.start(os.path.join(self.folder, "Option.exe"))
            self.assertTrue(wait_for(lambda: self.state().get("message_box") == "1", 20), "no word of the macro file")
            settle()
            if start == 0:
                screenshot("macro_file_unreadable", (0, 0, 1280, 1000))
            self.press("Return")
            self.assertTrue(wait_for(lambda: self.state().get("message_box") == "0", 10))
            self.assertTrue(self.page_built(2))
            self.click(self.main_button(2))
            self.assertTrue(wait_for(lambda: self.state()["page"] == "page2", 10))
            if start == 1:
                self.assertEqual(self.lists()["macros"], ["Kept"], "the macro made last time is gone")
                break
            self.new_macro("Kept")
            self.assertTrue(self.wait_lists(lambda l: l["macros"] == ["Kept"]))
            self.click(self.main_button(3))  # OK
            self.assertTrue(wait_for(lambda: self.state()["windows"] == "0", 20))
            self.assertEqual(os.path.getsize(damaged), 9 << 20, "the unreadable file was written over")
            kept = os.path.join(self.folder, "config", "sequence-kept.dat")
            self.assertTrue(os.path.exists(kept), "the new macro was not kept anywhere")

    def test_new_with_a_duplicate_name_is_refused_and_rename_keeps_the_rules(self):
        self.write_macros(("Fire", [(4, 1, 0)]))
        self.open_page2()
        self.new_macro("FIRE")
        # The refusal says why, in a box over Option's window.
        self.assertTrue(wait_for(lambda: self.state().get("message_box") == "1", 10), "the refusal said nothing")
        settle()
        screenshot("macro_name_refused", (0, 0, 1280, 1000))
        self.press("Return")
        self.assertTrue(wait_for(lambda: self.state().get("message_box") == "0", 10))
        self.assertEqual(self.lists()["macros"], ["Fire"])
        self.new_macro("Jump")
        self.assertTrue(self.wait_lists(lambda l: l["macros"] == ["Fire", "Jump"] and l["macro_selected"] == 1))
        self.assertEqual(self.lists()["repeat"], "1")
        # Renamed in place by a double click, under the same rules.
        left, top, right, _ = skin_rect(PAGE_SKIN, 13)
        jump = (page_origin()[0] + (left + right) // 2, page_origin()[1] + top + 8 + 16)
        for name, expected in (("fire", ["Fire", "Jump"]), ("Leap", ["Fire", "Leap"])):
            ENV.xdotool("mousemove", *jump)
            settle()
            ENV.xdotool("click", "--repeat", "2", "--delay", "80", "1")
            settle()
            self.type_text(name)
            self.press("Return")
            if name == "fire":
                self.assertTrue(wait_for(lambda: self.state().get("message_box") == "1", 10), "the refusal said nothing")
                self.press("Return")
            self.assertTrue(self.wait_lists(lambda l: l["macros"] == expected), (name, self.lists()))
        self.click(self.main_button(3))
        self.assertTrue(wait_for(lambda: self.state()["windows"] == "0", 20))
        self.assertEqual([m[0] for m in read_macros(self.folder)], ["Fire", "Leap"])


class MacroPageProfiles(MacroPageSteps, OptionCase):
    """What page 2 changes in the profiles, read back with mervikctl."""

    def dump(self):
        return json.loads(ENV.output(ARGS.mervikctl, "dump", windows_path(self.folder)))

    def apply(self):
        self.click(self.main_button(5))
        self.assertTrue(self.wait_for_apply_done(30))

    def test_delete_turns_the_buttons_macro_into_function_7(self):
        ENV.output(ARGS.mervikctl, "init", windows_path(self.folder), "--force")
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
        ENV.output(ARGS.mervikctl, "init", windows_path(self.folder), "--force")
        # Loading takes the current profile's pointer values from the
        # registry, where earlier cases' Apply left theirs.
        for key, name, value in (("Desktop", "WheelScrollLines", "3"), ("Mouse", "MouseSensitivity", "10")):
            ENV.output("reg", "add", "HKCU\\Control Panel\\" + key, "/v", name, "/d", value, "/f")
        self.open_page2()
        before = self.dump()["Profiles"][0]
        left, top, right, bottom = skin_rect(PAGE_SKIN, 1)
        self.click((page_origin()[0] + right - 2, page_origin()[1] + (top + bottom) // 2))  # fastest
        left, top, right, bottom = skin_rect(PAGE_SKIN, 7)
        self.click((page_origin()[0] + right - 6, page_origin()[1] + top + 5))  # wheel lines up
        left, top, right, bottom = skin_rect(PAGE_SKIN, 21)
        self.click((page_origin()[0] + left + 2, page_origin()[1] + (top + bottom) // 2))  # X slowest
        self.apply()
        after = self.dump()["Profiles"][0]
        self.assertEqual(after["MouseSpeed"], 20)
        self.assertEqual(after["ScrollWheelSpeed"], before["ScrollWheelSpeed"] + 1)
        self.assertEqual(after["Sensitivity_X"], 1)
        # A typed number is held to the range on Enter: -9 is -5, the slowest.
        left, top, right, bottom = skin_rect(PAGE_SKIN, 6)
        self.click((page_origin()[0] + left + 10, page_origin()[1] + (top + bottom) // 2))
        self.press("End", "BackSpace", "BackSpace", "minus", "9", "Return")
        settle()
        self.apply()
        self.assertEqual(self.dump()["Profiles"][0]["MouseSpeed"], 1)

    def type_into_spin(self, key, *keys, shows=None):
        left, top, right, bottom = skin_rect(PAGE_SKIN, key)
        self.click((page_origin()[0] + left + 10, page_origin()[1] + (top + bottom) // 2))
        self.press("End", "BackSpace", "BackSpace", *keys)
        # Posted messages go before input still queued: the field must hold
        # the keys before anything is posted to Option.
        self.assertTrue(self.wait_lists(lambda l: shows in l["spins"]), self.lists()["spins"])

    def test_what_was_typed_is_taken_by_apply_and_ok(self):
        ENV.output(ARGS.mervikctl, "init", windows_path(self.folder), "--force")
        self.open_page2()
        self.type_into_spin(7, "9", shows="9")
        self.apply()  # Apply takes no focus: the number was never settled by Enter
        self.assertEqual(self.dump()["Profiles"][0]["ScrollWheelSpeed"], 9)
        self.assertEqual(self.lists()["macros"], [])
        # A typed number, then a new macro's name typed and not confirmed
        # with Enter, then OK.
        self.type_into_spin(6, "minus", "2", shows="-2")
        self.click(self.at(10))
        ENV.xdotool("mousemove", *self.at(12))
        settle()
        self.type_text("Jump")
        self.click(self.main_button(3))
        self.assertTrue(wait_for(lambda: self.state()["windows"] == "0", 20))
        self.assertEqual([m[0] for m in read_macros(self.folder)], ["Jump"])
        self.assertEqual(self.dump()["Profiles"][0]["MouseSpeed"], 6)  # the slider's fourth place

    def test_an_outside_close_keeps_the_edits_for_the_next_start(self):
        ENV.output(ARGS.mervikctl, "init", windows_path(self.folder), "--force")
        # Loading takes the pointer values from the registry, where earlier
        # cases' Apply left theirs: 9 must be an edit.
        ENV.output("reg", "add", "HKCU\\Control Panel\\Desktop", "/v", "WheelScrollLines", "/d", "3", "/f")
        self.open_page2()
        self.type_into_spin(7, "9", shows="9")
        probe("close-option")  # as the setup program closes Option before an update
        self.assertTrue(wait_for(lambda: self.state()["windows"] == "0", 20))
        self.assertNotEqual(self.dump()["Profiles"][0]["ScrollWheelSpeed"], 9, "an update applies nothing")
        self.assertTrue(os.path.exists(os.path.join(self.folder, "config", "unapplied-edits.dat")))
        self.start(os.path.join(self.folder, "Option.exe"))
        self.assertTrue(wait_for(lambda: self.state().get("message_box") == "1", 20), "no note of the kept edits")
        settle()
        screenshot("option_edits_recovered", (0, 0, 1280, 1000))
        self.press("Return")
        self.assertTrue(wait_for(lambda: self.state().get("message_box") == "0", 10))
        self.assertFalse(os.path.exists(os.path.join(self.folder, "config", "unapplied-edits.dat")),
                         "the edits would be offered again")
        self.apply()
        self.assertEqual(self.dump()["Profiles"][0]["ScrollWheelSpeed"], 9)

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


class PointerThroughMonitor(RealMonitor, MacroPageSteps, OptionCase):
    """Page 2's pointer controls, applied by the real Monitor.exe."""

    def registry(self, key, name):
        out = ENV.output("reg", "query", key, "/v", name)
        for line in out.splitlines():
            fields = line.split()
            if fields and fields[0] == name:
                return fields[-1]
        return None

    def test_apply_puts_the_pointer_settings_into_the_registry(self):
        ENV.output("reg", "add", "HKCU\\Control Panel\\Desktop", "/v", "WheelScrollLines", "/d", "3", "/f")
        self.start_real_monitor()
        self.open_page2()
        left, top, right, bottom = skin_rect(PAGE_SKIN, 1)
        self.click((page_origin()[0] + right - 2, page_origin()[1] + (top + bottom) // 2))  # fastest
        left, top, right, bottom = skin_rect(PAGE_SKIN, 7)
        for _ in range(2):
            self.click((page_origin()[0] + right - 6, page_origin()[1] + bottom - 5))  # lines down
        self.click(self.main_button(5))
        self.assertTrue(self.wait_for_apply_done(30), "Monitor's 1258 did not end the wait")
        self.assertEqual(self.registry("HKCU\\Control Panel\\Mouse", "MouseSensitivity"), "20")
        self.assertEqual(self.registry("HKCU\\Control Panel\\Desktop", "WheelScrollLines"), "1")


class SelectMacroDialog(OptionCase):
    """The select-macro dialog on its own, as the button page will open it."""

    def test_choosing_a_macro_and_run_mode(self):
        write_macros(self.folder, ("Fire", [(4, 1, 0), (4, 2, 0)]), ("Jump", [(44, 1, 0), (44, 2, 0)]))
        shutil.copy(self.helper("SelectMacroShow"), self.folder)
        process = self.start(os.path.join(self.folder, "SelectMacroShow.exe"), "3")
        found = wait_for_dialog()
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
        screenshot("select_macro_dialog", rect)
        self.click(at(1))
        out, _ = process.communicate(timeout=15)
        self.assertIn("result=ok function=6 runmode=2 name=Jump events=2", out)


if __name__ == "__main__":
    option_case.main("macro_page_e2e")
