"""Colours and fonts of the default skin.

The blues are the popup menu's own (background 0x583A0E, highlight and lines
0xF0A434, marker 0xFFBF44, text 0xE0E0E0 as COLORREF values), so menus that
drop out of a skinned window look like part of it.
"""
import os

from PIL import ImageFont

import scale

# RGB triples; COLORREF 0x00BBGGRR 0x583A0E is (14, 58, 88).
MENU_BACKGROUND = (14, 58, 88)
ACCENT = (52, 164, 240)
ACCENT_LIGHT = (68, 191, 255)
MENU_TEXT = (224, 224, 224)

WINDOW_TOP = (16, 42, 66)
WINDOW_BOTTOM = (7, 20, 34)
WINDOW_EDGE = (40, 104, 150)
HEADER_TOP = (20, 62, 94)
HEADER_BOTTOM = (11, 36, 58)

PANEL = (10, 32, 52)
PANEL_EDGE = (30, 74, 108)
PANEL_TITLE = (120, 190, 240)

TEXT = (232, 238, 244)
TEXT_MUTED = (148, 174, 198)
TEXT_DISABLED = (92, 108, 124)

FACE_TOP = (26, 78, 114)
FACE_BOTTOM = (16, 54, 84)
FACE_EDGE = (44, 108, 152)
OVER_TOP = (38, 104, 148)
OVER_BOTTOM = (24, 76, 114)
OVER_EDGE = ACCENT_LIGHT
DOWN_TOP = (30, 128, 200)
DOWN_BOTTOM = (46, 158, 232)
DOWN_EDGE = (150, 214, 255)
DISABLED_FACE = (30, 40, 50)
DISABLED_EDGE = (52, 64, 76)

FIELD = (255, 255, 255)
FIELD_EDGE = (70, 130, 175)
LIST_BACKGROUND = (220, 220, 220)  # COLORREF 0xDCDCDC, set by the macro page

DANGER = (228, 72, 72)
WARNING = (255, 186, 60)

_FONT_DIRS = (
    "/usr/share/fonts/truetype/dejavu",
    "/usr/share/fonts/dejavu",
)
_cache = {}


def _font_path(bold):
    name = "DejaVuSans-Bold.ttf" if bold else "DejaVuSans.ttf"
    for folder in _FONT_DIRS:
        path = os.path.join(folder, name)
        if os.path.exists(path):
            return path
    raise SystemExit("skin generator: %s not found (install fonts-dejavu-core)" % name)


def font(size, bold=False):
    """`size` is the 100 % size; the font is the one for the size being drawn."""
    key = (scale.s(size), bold)
    if key not in _cache:
        _cache[key] = ImageFont.truetype(_font_path(bold), key[0])
    return _cache[key]


def named_colour(name):
    """Layout files name colours by role; unknown names are an error in the layout."""
    table = {
        "text": TEXT,
        "muted": TEXT_MUTED,
        "accent": ACCENT,
        "accent_light": ACCENT_LIGHT,
        "title": PANEL_TITLE,
        "warning": WARNING,
        "danger": DANGER,
        "disabled": TEXT_DISABLED,
    }
    if name not in table:
        raise SystemExit("skin generator: unknown colour name %r" % name)
    return table[name]
