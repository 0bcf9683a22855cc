#!/usr/bin/env python3
"""Option in the user's language: Simplified Chinese when Windows speaks it
(a Wine user locale of zh_CN) or when config.ini says so on a Western
system, English when config.ini says so on a Chinese one, and the language
menu that changes it at Apply. Screenshots of both pages, the menus and
every dialog in Chinese go to OUT/screenshots/chinese_*.png.

    language_e2e.py (the arguments of option_case.py) [unittest args]
"""
import json
import os
import sys
import unittest

import option_case as base
from button_page_e2e import FIRST_COLOUR_KEY, MAIN_ITEMS, ButtonPageSteps
from option_case import MacroPageSteps, OptionCase, centre, ini_value, lan_texts, parse_probe, parse_rect, probe, \
    screenshot, settle, skin_key, skin_rect, wait_for, wait_for_dialog
from wine_desktop import chinese_user_locale

NOTICE_PLACE_KEY = 26  # the on-screen display's place on page 2
MEDIA_ITEMS = [1041, 1042, 1043, 1044, 1045, 1046, 1047, 1048]
SCREEN = (0, 0, 1280, 1000)


ENGLISH = lan_texts("lan.rc")
CHINESE = lan_texts("lan-zh-CN.rc")


def title_of(texts):
    """The window title as the probe reports it (blanks spelled %20)."""
    return texts[1400].replace(" ", "%20")


class LanguageSteps(ButtonPageSteps, MacroPageSteps):
    language = None  # what config.ini's Language key says, if anything
    user_locale = {}  # the environment Option starts in
    screen = SCREEN  # what a screenshot of the screen takes
    shots = ""  # how the screenshots' names start

    def setUp(self):
        super().setUp()
        if self.language:
            with open(os.path.join(self.folder, "config.ini"), "a", newline="\r\n") as f:
                f.write("Language=%s\n" % self.language)

    def start(self, exe, *args, **kwargs):
        if exe.endswith("Option.exe"):
            kwargs.setdefault("env", self.user_locale)
        return super().start(exe, *args, **kwargs)

    def speaks(self, texts):
        """Option's window title, a function caption and the status area are
        the table's."""
        self.assertTrue(wait_for(lambda: self.state().get("title") == title_of(texts), 20), self.state())
        self.assertTrue(self.page_built(1))
        self.assertEqual(self.caption(1), texts[1003])
        status = json.loads(probe("status"))["text"]
        self.assertIn(status, {texts[i] for i in range(1194, 1205)}, "the status area speaks another language")

    def at(self, key):
        """Key `key` of the page on screen (the two pages' steps share the name)."""
        steps = MacroPageSteps if self.state().get("page") == "page2" else ButtonPageSteps
        return steps.at(self, key)

    def in_dialog(self, ini, key, rect):
        x, y = centre(skin_rect(ini, key))
        return rect[0] + x, rect[1] + y

    def shoot(self, name, rect=None):
        """A screenshot named for the tour (the screen unless `rect` is given)."""
        settle()
        screenshot(self.shots + name, rect or self.screen)

    def dialog(self, ini):
        """The skinned dialog on screen, active and of its variant's size; its rectangle."""
        found = wait_for_dialog()
        self.assertTrue(found, "the dialog did not appear as the active window")
        rect = parse_rect(found["rect"])
        self.assert_skin_size(ini, rect)
        return rect

    def warning(self, ini):
        """The warning on screen, of its variant's size; its rectangle."""
        found = wait_for(lambda: (lambda s: s if s.get("warning") == "1" else None)(self.state()), 20)
        self.assertTrue(found, "no warning of %s" % ini)
        rect = parse_rect(found["warning_rect"])
        self.assert_skin_size(ini, rect)
        return rect

    def assert_skin_size(self, ini, rect):
        self.assertEqual((rect[2] - rect[0], rect[3] - rect[1]), base.skin_size(ini),
                         "%s is not the size of its skin variant at %d %%" % (ini, base.Skin.percent))

    def shoot_dialog(self, name, ini, close_key=2, warning=False):
        """Screenshot of the dialog on screen, then its Cancel."""
        rect = self.warning(ini) if warning else self.dialog(ini)
        self.shoot(name, rect)
        self.click(self.in_dialog(ini, close_key, rect))
        self.assertTrue(wait_for(lambda: self.state().get("warning") == "0", 10), "the %s stayed" % name)

    def open_language_menu(self):
        self.click(self.main_button(skin_key("skin_main.ini", "Language")))
        menus = wait_for(self.menus, 10)
        self.assertTrue(menus, "the language menu did not open")
        return menus[0]

    def assert_controls_inside(self, page):
        """Every control of the main window and of `page` lies inside it."""
        main = self.main_rect()
        size = main[2] - main[0], main[3] - main[1]
        for button in json.loads(probe("strip"))["buttons"]:
            self.assert_inside(button["rect"], size, "main window: " + button["text"])
        page_size = base.skin_size("skin_button_page.ini" if page == 1 else base.PAGE_SKIN)
        for control in self.controls(page):
            self.assert_inside(control["rect"], page_size, "page %d: %s" % (page, control.get("text")))

    def assert_inside(self, rect, size, what):
        left, top, right, bottom = rect
        self.assertTrue(0 <= left <= right <= size[0] and 0 <= top <= bottom <= size[1],
                        "%s at %s lies outside its window of %s" % (what, rect, size))

    def assert_menus_clear(self):
        """The menus shown lie on the screen, and no tooltip covers them."""
        menus = self.menus()
        self.assertTrue(menus, "no menu open")
        tips = self.tips()
        for menu in menus:
            self.assert_inside(menu, self.screen[2:], "a menu")
            for tip in tips:
                self.assertFalse(overlap(menu, tip), "a tooltip at %s covers the menu at %s" % (tip, menu))

    def assert_items_at_scale(self, menu, count):
        """A menu of `count` items is as tall as its items at the skin's
        scale: every item shown."""
        self.assertGreaterEqual(menu[3] - menu[1], count * base.menu_item_height(),
                                "the menu's items are not drawn at %d %%" % base.Skin.percent)

    def tips(self):
        found = parse_probe(probe("tips"))
        return [parse_rect(found["rect%d" % i]) for i in range(int(found.get("tips", 0)))]

    def visit_every_window(self, texts):
        """Every window of Option, one after the other, each looked at: the
        no-mouse warning first (device 0), both pages, a function menu with
        its submenu, the warnings, every dialog and the menus of both pages.
        Each window's size is its skin variant's, controls lie in their
        windows, menus on the screen and clear of tooltips; a screenshot of
        each goes to OUT/screenshots/SHOTS*.png."""
        self.start(os.path.join(self.folder, "Option.exe"))
        rect = self.warning("skin_nomouse_warn.ini")
        self.shoot("nomouse_warning", rect)
        self.click(self.in_dialog("skin_nomouse_warn.ini", 1, rect))
        self.assertTrue(wait_for(lambda: self.state().get("warning") == "0", 10))
        self.speaks(texts)
        self.assert_skin_size(base.MAIN_SKIN, self.main_rect())
        self.assert_controls_inside(1)
        self.shoot("page1", self.main_rect())

        # The pointer rests on a function box: its tip shows beside it; the
        # menu the box then opens, and its submenu, are clear of every tip.
        left, top, right, bottom = skin_rect("skin_button_page.ini", 4)
        origin = base.page_origin()
        self.rest_for_tip((origin[0] + left, origin[1] + top, origin[0] + right, origin[1] + bottom))
        self.choose_in_submenu(4, 1040, 1045, MEDIA_ITEMS)
        self.assert_menus_clear()
        self.shoot("function_menu")
        base.ENV.xdotool("click", "1")
        self.wait_menus_closed()
        self.assertTrue(wait_for(lambda: self.caption(4) == texts[1045], 10), self.caption(4))

        # Disabling the only left click: the click warning.
        self.choose(1, 1058)
        rect = self.warning("skin_click_warn.ini")
        self.shoot("click_warning", rect)
        self.click(self.in_dialog("skin_click_warn.ini", 1, rect))
        self.assertTrue(wait_for(lambda: self.state().get("warning") == "0", 10))

        # The key dialogs, the colour picker and the macro dialog.
        self.choose(5, 1060)
        self.shoot_dialog("shortcut_dialog", "skin_key.ini")
        self.choose(6, 1054)
        self.shoot_dialog("fire_dialog", "skin_fire_button.ini")
        self.click_key(FIRST_COLOUR_KEY)
        self.shoot_dialog("colour_dialog", "skin_dpi_color.ini")
        self.choose_in_submenu(3, 1062, 1049, [1049])
        base.ENV.xdotool("click", "1")
        self.wait_menus_closed()
        self.shoot_dialog("select_macro_dialog", "skin_select_macro.ini")

        # The language menu, its choice of now marked; Escape leaves it.
        menu = self.open_language_menu()
        self.assert_menus_clear()
        self.shoot("language_menu")
        self.assert_items_at_scale(menu, 3)
        self.press("Escape")
        self.wait_menus_closed()

        # Page 2 without a macro: Record asks for one.
        self.click(self.main_button(2))
        self.assertTrue(wait_for(lambda: self.state()["page"] == "page2", 10))
        self.assert_controls_inside(2)
        self.shoot("page2", self.main_rect())
        # The menu of the notices' nine places.
        self.click(self.at(NOTICE_PLACE_KEY))
        menus = wait_for(self.menus, 10)
        self.assertTrue(menus, "the places' menu did not open")
        self.assert_menus_clear()
        self.shoot("notice_place_menu")
        self.assert_items_at_scale(menus[0], 9)
        self.press("Escape")
        self.wait_menus_closed()
        self.click(self.at(15))
        self.shoot_dialog("macro_set_warning", "skin_macro_set_warn.ini", close_key=1, warning=True)
        self.new_macro("Fire")
        self.assertTrue(self.wait_lists(lambda l: l["macros"] == ["Fire"]))
        # The steps' menu (right button on the list).
        base.ENV.xdotool("mousemove", *self.step_row(0))
        settle()
        base.ENV.xdotool("click", "3")
        self.assertTrue(wait_for(self.menus, 10), "the steps' menu did not open")
        self.assert_menus_clear()
        self.shoot("steps_menu")
        self.press("Escape")
        self.wait_menus_closed()
        self.click(self.at(11))
        self.shoot_dialog("delete_macro_warning", "skin_delete_macro_warn.ini", warning=True)
        self.click(self.at(9))
        self.shoot_dialog("reset_warning", "skin_reset_warn.ini", warning=True)
        self.assertEqual(self.lists()["macros"], ["Fire"], "a Cancel changed the macros")

    def rest_for_tip(self, control):
        """Rests the pointer on the control at `control` (a rectangle on the
        screen) until its tooltip shows (the system shows one after a pause),
        which stands clear of the control."""
        base.ENV.xdotool("mousemove", *centre(control))
        settle()
        tips = wait_for(self.tips, 10)
        self.assertTrue(tips, "no tooltip while the pointer rests on the control at %s" % (control,))
        settle()
        self.shoot("tooltip")
        for tip in self.tips():
            self.assertFalse(overlap(tip, control), "the tooltip at %s covers its control at %s" % (tip, control))


def overlap(a, b):
    return a[0] < b[2] and b[0] < a[2] and a[1] < b[3] and b[1] < a[3]


class ChineseWindows(LanguageSteps, OptionCase):
    """A user whose Windows speaks Simplified Chinese: every window of Option
    in Chinese, looked at one by one."""

    device = 0  # the no-mouse warning comes first
    user_locale = chinese_user_locale()
    shots = "chinese_"

    def test_every_window_speaks_chinese(self):
        self.visit_every_window(CHINESE)


class ChosenInConfig(LanguageSteps, OptionCase):
    """A Western system (code page 1252) whose user chose Chinese in
    config.ini: the texts reach the windows whole, then the language menu
    takes the user back to English at Apply."""

    language = "zh-CN"

    def test_chinese_on_a_western_system_then_english_from_the_menu(self):
        self.start_option()
        self.speaks(CHINESE)
        screenshot("chinese_chosen_page1", self.main_rect())
        menu = self.open_language_menu()
        self.pick(menu, 3, 1)  # English
        # The choice waits for Apply.
        self.assertEqual(self.state()["title"], title_of(CHINESE))
        self.assertEqual(ini_value(os.path.join(self.folder, "config.ini"), "Language"), "zh-CN")
        self.click(self.main_button(5))
        # Option opens its window again, in English, where it was.
        self.speaks(ENGLISH)
        self.assertEqual(self.state()["windows"], "1")
        self.assertEqual(ini_value(os.path.join(self.folder, "config.ini"), "Language"), "en")
        screenshot("english_after_the_menu", self.main_rect())


class EnglishChosenOnAChineseSystem(LanguageSteps, OptionCase):
    language = "en"
    user_locale = chinese_user_locale()

    def test_the_users_choice_wins_over_the_system(self):
        self.start_option()
        self.speaks(ENGLISH)
        # Cancel drops a choice not applied.
        menu = self.open_language_menu()
        settle()
        screenshot("english_language_menu", SCREEN)
        self.pick(menu, 3, 0)  # the system's: Chinese here
        self.click(self.main_button(4))
        self.assertTrue(wait_for(lambda: self.state()["windows"] == "0", 20))
        self.assertEqual(ini_value(os.path.join(self.folder, "config.ini"), "Language"), "en")


if __name__ == "__main__":
    # The shared machinery reads its arguments into its own module.
    sys.argv[0] = os.path.abspath(__file__)
    base.main("language_e2e")
