#!/usr/bin/env python3
"""Option's dialogs on their own: the five warnings and the button page's
shortcut, fire button and colour picker dialogs.

    dialogs_e2e.py (the arguments of option_case.py) [unittest args]
"""
import json
import os
import shutil
import unittest

import option_case
from option_case import *  # noqa: F401,F403 (the shared steps and helpers)
from option_case import ARGS, ENV, OptionCase, RealMonitor, centre, control_count, parse_probe, parse_rect, probe, \
    screenshot, settle, skin_rect, wait_for, windows_path


class Warnings(OptionCase):
    KINDS = (("click", "skin_click_warn.ini", False), ("reset", "skin_reset_warn.ini", False),
             ("macro", "skin_macro_set_warn.ini", True), ("nomouse", "skin_nomouse_warn.ini", False),
             ("delete", "skin_delete_macro_warn.ini", True))
    OWNER = (200, 150, 1000, 750)

    def setUp(self):
        super().setUp()
        shutil.copy(self.helper("WarnShow"), self.folder)

    def show(self, kind):
        process = self.start(os.path.join(self.folder, "WarnShow.exe"), kind)
        found = wait_for_dialog()
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
                screenshot("warning_" + kind, rect)
                ENV.xdotool("mousemove", *centre(rect))
                # Tab only moves the focus (the keys that end it: keyboard_e2e).
                self.press("Tab")
                settle()
                self.assertIsNone(process.poll(), "Tab ended the %s warning" % kind)
                # Close (3) answers like cancel (2); OK (1) is the only yes.
                key = {"click": 1, "reset": 2}.get(kind, 3)
                button = skin_rect(ini, key)
                self.click((rect[0] + centre(button)[0], rect[1] + centre(button)[1]))
                out, _ = process.communicate(timeout=15)
                self.assertIn("result=ok" if key == 1 else "result=cancel", out)


class ButtonDialogs(OptionCase):
    """The button page's shortcut, fire button and colour picker dialogs on
    their own (ButtonDialogShow), as the page will open them."""

    OWNER = (200, 150, 1000, 750)  # ButtonDialogShow's owner window

    def setUp(self):
        super().setUp()
        shutil.copy(self.helper("ButtonDialogShow"), self.folder)

    def open(self, *args):
        process = self.start(os.path.join(self.folder, "ButtonDialogShow.exe"), *args)
        found = wait_for_dialog()
        self.assertTrue(found, "dialog %s did not appear" % args[0])
        self.rect = parse_rect(found["rect"])
        for mine, owners in zip(centre(self.rect), centre(self.OWNER)):
            self.assertLessEqual(abs(mine - owners), 1, "the dialog is not centred on its owner")
        settle()
        return process

    def dialog(self):
        return parse_probe(probe("dialog"))

    def fields(self):
        return [f.replace("%20", " ") for f in self.dialog()["fields"].split("|")]

    def at(self, ini, key, dx=0, dy=0):
        x, y = centre(skin_rect(ini, key), dx, dy)
        return self.rect[0] + x, self.rect[1] + y

    def shot(self, name):
        """A screenshot with the pointer on the title, where no tooltip shows."""
        ENV.xdotool("mousemove", self.rect[0] + 150, self.rect[1] + 21)
        settle()
        return screenshot(name, self.rect)

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
        probe("close-dialog")
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
        r, g, b = Image.open(os.path.join(ARGS.skins, "dpi_color_normal.png")).convert("RGB").getpixel(point)
        self.click(self.at(ini, 1))
        self.assertEqual(self.finish(process), "result=ok colour=0x%06X capture=0" % (b << 16 | g << 8 | r))

    def test_colour_picker_cancel_after_a_pick_keeps_the_colour(self):
        process = self.open("colour", "0x0080FF")
        self.click(self.white_end())
        self.click(self.at("skin_dpi_color.ini", 2))
        self.assertEqual(self.finish(process), "result=cancel colour=0x0080FF capture=0")


if __name__ == "__main__":
    option_case.main("dialogs_e2e")
