#!/usr/bin/env python3
"""Page 1 of Option.exe end to end: the function buttons, their menus and
captions, the mode, DPI and lighting controls, driven with real X input under
Wine and read back through the window texts (what a screen reader reads), the
files Apply writes and the simulated mouse's transfer log.

    button_page_e2e.py (the arguments of option_case.py) [unittest args]

Screenshots go to OUT/screenshots.
"""
import json
import os
import sys
import time
import unittest

import option_case as base
from option_case import OptionCase, centre, lan_texts, parse_probe, parse_rect, probe, screenshot, settle, skin_rect, wait_for, wait_for_dialog

PAGE_SKIN = "skin_button_page.ini"
# The page ignores a click on a box within 200 ms of a menu closing (the click
# that closed it must not open the next one); the next menu waits it out.
REOPEN_GUARD_S = 0.25

# Keys of page 1's skin.
MODE_KEYS = (65, 66)
RESET_KEY = 67
RATE_KEYS = (68, 69, 70, 71)
LEVEL_SWITCH_KEYS = (72, 73, 74, 75, 106, 107)
LEVEL_SELECTOR_KEYS = (76, 77, 78, 79, 108, 109)
LEVEL_VALUE_KEYS = (80, 81, 82, 83, 110, 111)
LIGHT_MODE_KEY = 84
FIRST_COLOUR_KEY = 88
FIRST_COLOUR_SWITCH_KEY = 96

# The top level of a function menu (buttons 0 to 13), then its submenus.
MAIN_ITEMS = [1003, 1005, 1004, 1008, 1009, 1059, 1052, 1053, 1054, 1060, 1058, 1270,
              1055, 1107, 1006, 1015, 1026, 1040, 1062]


TEXTS = lan_texts()


class ButtonPageSteps:
    """Page 1's controls by skin key, read through the probe."""

    def open_page1(self):
        self.start_option()
        self.assertTrue(self.page_built(1))

    def at(self, key):
        x, y = centre(skin_rect(PAGE_SKIN, key))
        origin = base.page_origin()
        return origin[0] + x, origin[1] + y

    def on_screen(self, point):
        rect = parse_rect(self.state()["main_rect"])
        return rect[0] + point[0], rect[1] + point[1]

    def click_key(self, key):
        self.click(self.on_screen(self.at(key)))

    def controls(self, page=1):
        """The controls of page `page` (page 1 unless told)."""
        text = probe("controls", page)
        try:
            return json.loads(text)["controls"]
        except (ValueError, KeyError):
            raise AssertionError("probe said: %r" % text)

    def control(self, key, controls=None):
        """The control of `key`. The two modes' buttons share their places;
        the page makes its controls in key order, and the probe lists them so."""
        rect = list(skin_rect(PAGE_SKIN, key))
        earlier = sum(1 for k in range(1, key) if list(skin_rect(PAGE_SKIN, k)) == rect)
        same = [c for c in (controls if controls is not None else self.controls()) if c["rect"] == rect]
        if len(same) <= earlier:
            raise AssertionError("no control at key %d" % key)
        return same[earlier]

    def caption(self, key):
        return self.control(key)["text"]

    def menus(self):
        found = parse_probe(probe("menus"))
        return [parse_rect(found["rect%d" % i]) for i in range(int(found.get("menus", 0)))]

    def item_point(self, menu, count, index):
        """Centre of item `index` of a menu of `count` items shown at `menu`."""
        height = base.menu_item_height()
        border = (menu[3] - menu[1] - height * count) // 2
        return (menu[0] + menu[2]) // 2, menu[1] + border + height * index + height // 2

    def open_menu(self, key, count=1):
        guard_ends = getattr(self, "menu_closed_at", 0) + REOPEN_GUARD_S
        time.sleep(max(0.0, guard_ends - time.monotonic()))
        self.click_key(key)
        menus = wait_for(lambda: (lambda m: m if len(m) >= count else None)(self.menus()), 10)
        self.assertTrue(menus, "the menu of key %d did not open" % key)
        return menus[0]

    def choose(self, key, item, items=MAIN_ITEMS):
        """Opens the function menu of the button at `key` and clicks `item`."""
        menu = self.open_menu(key)
        self.pick(menu, len(items), items.index(item))

    def pick(self, menu, count, index):
        """Clicks item `index` of a menu of `count` items shown at `menu`."""
        self.click(self.item_point(menu, count, index))
        self.wait_menus_closed()
        settle()

    def wait_menus_closed(self):
        self.assertTrue(wait_for(lambda: not self.menus(), 10), "the menu stayed open")
        self.menu_closed_at = time.monotonic()

    def choose_in_submenu(self, key, title, item, sub_items):
        menu = self.open_menu(key)
        base.ENV.xdotool("mousemove", *self.item_point(menu, len(MAIN_ITEMS), MAIN_ITEMS.index(title)))
        settle()
        submenus = wait_for(lambda: (lambda m: m if len(m) >= 2 else None)(self.menus()), 10)
        self.assertTrue(submenus, "submenu %d did not open" % title)
        submenu = next(m for m in submenus if m != menu)
        point = self.item_point(submenu, len(sub_items), sub_items.index(item))
        base.ENV.xdotool("mousemove", point[0], point[1])
        settle()
        return point

    def main_rect(self):
        return parse_rect(self.state()["main_rect"])

    def apply(self):
        self.click(self.main_button(5))
        self.assertTrue(self.wait_for_apply_done(30))

    def dump(self):
        return json.loads(base.ENV.output(base.ARGS.mervikctl, "dump", base.windows_path(self.folder)))


class ButtonPage(ButtonPageSteps, OptionCase):
    def test_function_menu_changes_the_caption_and_guards_the_left_click(self):
        self.open_page1()
        self.assertEqual(self.caption(1), TEXTS[1003])
        self.assertEqual(self.caption(8), TEXTS[1274], "the default of slot 7 (71) is named")
        screenshot("button_page", self.main_rect())

        # A submenu item, chosen by clicking, after a screenshot of the open menu.
        point = self.choose_in_submenu(4, 1040, 1045, [1041, 1042, 1043, 1044, 1045, 1046, 1047, 1048])
        screenshot("function_menu_open", (0, 0, 1280, 1000))
        base.ENV.xdotool("click", "1")
        self.wait_menus_closed()
        self.assertTrue(wait_for(lambda: self.caption(4) == TEXTS[1045], 10), self.caption(4))

        # The only left click cannot be disabled: the click warning, no change.
        self.choose(1, 1058)
        warning = wait_for(lambda: (lambda s: s if s.get("warning") == "1" else None)(self.state()), 10)
        self.assertTrue(warning, "no click warning")
        self.assertEqual(parse_rect(warning["warning_rect"])[:2], (0, 0))
        self.click(centre(skin_rect("skin_click_warn.ini", 1)))
        self.assertTrue(wait_for(lambda: self.state().get("warning") == "0", 10))
        self.assertEqual(self.caption(1), TEXTS[1003])

        # A second click right after the menu closed does not reopen it.
        self.choose(2, 1052)
        self.assertEqual(self.caption(2), TEXTS[1052])

        # Default gives that one button its own default function back.
        self.choose(8, 1052)
        self.assertTrue(wait_for(lambda: self.caption(8) == TEXTS[1052], 10), self.caption(8))
        self.choose(8, 1270)
        self.assertTrue(wait_for(lambda: self.caption(8) == TEXTS[1274], 10), self.caption(8))

        self.apply()
        buttons = self.dump()["Profiles"][0]["MacroKeyInfo"]
        self.assertEqual([buttons[k]["Function"] for k in (0, 1, 3, 7)], [1, 4, 49, 71])

    def test_a_choice_after_monitor_switched_the_profile_changes_nothing(self):
        self.start_monitor()
        self.open_page1()
        menu = self.open_menu(5)
        # Monitor switches to profile 2 while the menu of profile 0 is open.
        probe("switch", "2")
        settle()
        self.pick(menu, len(MAIN_ITEMS), MAIN_ITEMS.index(1052))
        self.assertEqual(self.caption(5), TEXTS[1008])
        self.apply()
        profiles = self.dump()["Profiles"]
        self.assertEqual([profiles[n]["MacroKeyInfo"][4]["Function"] for n in (0, 2)], [9, 9])

    def test_twin_lock_and_second_mode(self):
        self.open_page1()
        self.choose(4, 1059)
        self.assertEqual(self.caption(4), TEXTS[1059])
        self.click_key(MODE_KEYS[1])
        controls = wait_for(lambda: (lambda c: c if self.control(36, c)["visible"] else None)(self.controls()), 10)
        self.assertTrue(controls, "mode 2 did not show its buttons")
        self.assertEqual([self.control(k, controls)["visible"] for k in range(1, 17)], [0] * 16)
        self.assertEqual([self.control(k, controls)["visible"] for k in range(33, 49)], [1] * 16)
        self.assertEqual(self.control(36, controls)["enabled"], 0, "the locked twin is usable")
        self.assertEqual(self.control(35, controls)["enabled"], 1)
        self.assertEqual(self.control(33, controls)["text"], TEXTS[1003])
        screenshot("button_page_mode2", self.main_rect())
        # Back in mode 1, another function for button 3 frees its twin.
        self.click_key(MODE_KEYS[0])
        self.assertTrue(wait_for(lambda: self.control(4)["visible"], 10))
        self.choose(4, 1008)
        self.assertEqual(self.control(36)["enabled"], 1)
        self.apply()
        profile = self.dump()["Profiles"][0]
        self.assertEqual(profile["ModeStatus"], 1)
        self.assertEqual([profile["MacroKeyInfo"][k]["Function"] for k in (3, 35)], [9, 10])
        # Reset gives every slot its default back, without asking.
        self.click_key(RESET_KEY)
        self.assertTrue(wait_for(lambda: self.caption(4) == TEXTS[1009], 10), self.caption(4))
        self.apply()
        self.assertEqual(self.dump()["Profiles"][0]["MacroKeyInfo"][3]["Function"], 10)

    def test_dpi_levels_rate_and_lighting(self):
        self.open_page1()
        # Level 4 in use: its switch is locked on, level 2's is free again.
        self.click_key(LEVEL_SELECTOR_KEYS[4])
        self.assertTrue(wait_for(lambda: self.control(LEVEL_SWITCH_KEYS[4])["enabled"] == 0, 10))
        self.assertEqual(self.control(LEVEL_SWITCH_KEYS[2])["enabled"], 1)
        # Level 5 switched off: it cannot be chosen.
        self.click_key(LEVEL_SWITCH_KEYS[5])
        self.assertTrue(wait_for(lambda: self.control(LEVEL_SELECTOR_KEYS[5])["enabled"] == 0, 10))
        # Level 0's value from its menu: 2012 is the twelfth item.
        menu = self.open_menu(LEVEL_VALUE_KEYS[0])
        self.pick(menu, 12, 11)
        self.assertTrue(wait_for(lambda: self.caption(LEVEL_VALUE_KEYS[0]) == TEXTS[1123], 10))
        self.click_key(RATE_KEYS[3])
        # Lights cycling (3003, third item): the colours cannot be edited.
        menu = self.open_menu(LIGHT_MODE_KEY)
        self.pick(menu, 4, 2)
        self.assertTrue(wait_for(lambda: self.caption(LIGHT_MODE_KEY) == TEXTS[1126], 10))
        controls = self.controls()
        self.assertEqual(self.control(FIRST_COLOUR_KEY, controls)["enabled"], 0)
        self.assertEqual(self.control(FIRST_COLOUR_SWITCH_KEY, controls)["enabled"], 0)
        self.apply()
        profile = self.dump()["Profiles"][0]
        self.assertEqual((profile["Cpi_X"], profile["PollingRate"], profile["LightSwitch"]), (4, 3, 3))
        self.assertEqual(profile["CpiLevel_X0"], 12)
        self.assertEqual(profile["dpiStepFlag5"], 0)


class ButtonPageDialogs(ButtonPageSteps, OptionCase):
    """The page's own way into its dialogs, and what their answers leave."""

    def dialog(self):
        # A click on a dialog not yet active can be lost to its activation.
        found = wait_for_dialog()
        self.assertTrue(found, "the dialog did not appear as the active window")
        return parse_rect(found["rect"])

    def in_dialog(self, ini, key, rect):
        x, y = centre(skin_rect(ini, key))
        return rect[0] + x, rect[1] + y

    def test_shortcut_fire_and_colour_from_the_page(self):
        self.open_page1()
        # Key combination for slot 4: Shift and Alt with F5.
        self.choose(5, 1060)
        rect = self.dialog()
        self.click(self.in_dialog("skin_key.ini", 6, rect))
        self.click(self.in_dialog("skin_key.ini", 8, rect))
        self.press("F5")
        self.click(self.in_dialog("skin_key.ini", 1, rect))
        self.assertTrue(wait_for(lambda: self.caption(5) == "Shift+Alt+F5", 10), self.caption(5))

        # Fire for slot 5: key Space, count 300 held to 255, interval 3 to 5.
        self.choose(6, 1054)
        rect = self.dialog()
        self.press("space")
        self.click(self.in_dialog("skin_fire_button.ini", 6, rect))
        self.press("BackSpace", "3", "0", "0")
        self.click(self.in_dialog("skin_fire_button.ini", 5, rect))
        self.press("BackSpace", "3")
        self.click(self.in_dialog("skin_fire_button.ini", 6, rect))
        self.click(self.in_dialog("skin_fire_button.ini", 1, rect))
        self.assertTrue(wait_for(lambda: self.caption(6) == TEXTS[1054] + " + Space", 10), self.caption(6))

        # Colour 0: white from the palette's white patch, found in its picture.
        self.click_key(FIRST_COLOUR_KEY)
        rect = self.dialog()
        self.click(self.white_in_palette(rect))
        self.click(self.in_dialog("skin_dpi_color.ini", 1, rect))
        self.assertTrue(wait_for(lambda: self.state().get("warning") == "0", 10), "the colour picker stayed")

        self.apply()
        profile = self.dump()["Profiles"][0]
        key = profile["MacroKeyInfo"][4]
        self.assertEqual((key["Function"], key["EventCount"]), (5, 1))
        fire = profile["MacroKeyInfo"][5]
        self.assertEqual((fire["Function"], fire["FireCount"], fire["FireInterval"]), (67, 255, 5))
        self.assertEqual(profile["8SLEDColor0"], 0xFFFFFF)

    def test_a_macro_from_the_page(self):
        base.write_macros(self.folder, ("Fire", [(4, 1, 0), (4, 2, 0)]), ("Jump", [(44, 1, 0), (44, 2, 0)]))
        self.open_page1()
        self.choose_in_submenu(3, 1062, 1049, [1049])
        base.ENV.xdotool("click", "1")
        rect = self.dialog()
        self.click(self.in_dialog("skin_select_macro.ini", 4, rect))
        # Keys typed before the names' menu is up would go to the dialog.
        self.assertTrue(wait_for(self.menus, 10), "the macro names' menu did not open")
        self.press("Down", "Down", "Return")  # the second macro
        self.wait_menus_closed()
        self.click(self.in_dialog("skin_select_macro.ini", 1, rect))
        self.assertTrue(wait_for(lambda: self.caption(3) == "Jump", 10), self.caption(3))
        self.apply()
        slot = self.dump()["Profiles"][0]["MacroKeyInfo"][2]
        self.assertEqual((slot["Function"], slot["MacroName"], slot["EventCount"]), (6, "Jump", 2))

    def white_in_palette(self, rect):
        """The pure white patch at the left end of the palette's greys."""
        palette = skin_rect("skin_dpi_color.ini", 4)
        return rect[0] + palette[0] + 3, rect[1] + palette[3] - 3


class ButtonPageApply(ButtonPageSteps, base.RealMonitor, OptionCase):
    """What the page sets reaches the mouse as the written files call for."""

    def test_apply_uploads_the_page_as_the_files_plan_it(self):
        self.start_real_monitor()
        self.open_page1()
        self.choose(5, 1052)
        self.click_key(RATE_KEYS[0])
        self.click_key(LEVEL_SELECTOR_KEYS[1])
        self.click(self.main_button(5))
        self.assertTrue(self.wait_for_apply_done(30), "Monitor's 1258 did not end the wait")
        profile = self.dump()["Profiles"][0]
        self.assertEqual((profile["MacroKeyInfo"][4]["Function"], profile["PollingRate"], profile["Cpi_X"]),
                         (4, 0, 1))
        log = [line.split(" ", 1)[1] for line in self.mouse("log").splitlines() if line.strip()]
        planned = self.planned_transfers()
        self.assertTrue(planned, "mervikctl planned no upload")
        self.assertIn("\n".join(planned), "\n".join(log), "the mouse did not get the planned upload whole")


if __name__ == "__main__":
    # The shared machinery reads its arguments into its own module.
    sys.argv[0] = os.path.abspath(__file__)
    base.main("button_page_e2e")
