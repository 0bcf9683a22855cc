#!/usr/bin/env python3
"""Option at the display's scale: every window at 96, 144 and 192 DPI
(LogPixels, 100, 150 and 200 %), in English and in Chinese (config.ini's
Language), on a screen large enough for the window at 200 %. One start of
Option for each DPI and language visits every window (the tour of
language_e2e): each is the size of its skin variant, its controls lie
inside it, menus lie on the screen and no tooltip covers them. Screenshots
go to OUT/screenshots/scale_DPI_LANGUAGE_*.png.

    display_scaling_e2e.py (the arguments of option_case.py) [unittest args]
"""
import os
import sys

import option_case as base
from language_e2e import CHINESE, ENGLISH, LanguageSteps
from option_case import OptionCase, use_skin

# The main window at 200 % is 1880 x 1240; the desktop holds it above
# Wine's task bar.
DESKTOP = (1960, 1320)
LANGUAGES = {"en": ENGLISH, "zh-CN": CHINESE}


class DisplayScaling(LanguageSteps, OptionCase):
    device = 0  # the no-mouse warning comes first
    screen = (0, 0) + DESKTOP

    def setUp(self):
        super().setUp()
        self.addCleanup(use_skin)

    def visit_at(self, dpi, language):
        with open(os.path.join(self.folder, "config.ini"), "a", newline="\r\n") as f:
            f.write("Language=%s\n" % language)
        base.set_dpi(dpi)
        # Every window takes the variant of the display's scale: the screen
        # holds the largest.
        use_skin(dpi * 100 // 96, language)
        self.shots = "scale_%d_%s_" % (dpi, language)
        self.visit_every_window(LANGUAGES[language])


for each_dpi in (96, 144, 192):
    for each_language in LANGUAGES:
        setattr(DisplayScaling, "test_%d_dpi_%s" % (each_dpi, each_language.replace("-", "_")),
                lambda self, dpi=each_dpi, language=each_language: self.visit_at(dpi, language))


if __name__ == "__main__":
    # The shared machinery reads its arguments into its own module.
    sys.argv[0] = os.path.abspath(__file__)
    base.main("display_scaling_e2e", desktop="%dx%d" % DESKTOP, screen="%dx%dx24" % (DESKTOP[0] + 40, DESKTOP[1] + 40))
