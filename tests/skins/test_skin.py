"""Checks the generated default skin the way Option will read it.

usage: python3 -m unittest test_skin (MERVIK_SKIN_DIR names the generated folder)
"""
import configparser
import json
import os
import pathlib
import sys
import unittest

from PIL import Image, ImageChops

sys.dont_write_bytecode = True

SKIN = pathlib.Path(os.environ.get("MERVIK_SKIN_DIR", "build/native/skins"))
GENERATOR = pathlib.Path(__file__).resolve().parents[2] / "skins" / "generator"


CONTROLS = pathlib.Path(__file__).resolve().parents[2] / "skins" / "controls.json"


def windows_from_list():
    """Keys each window reads, and those of them that may stay empty because
    the window creates the control but the mouse has no use for it: from the
    one list of controls Option and the end-to-end tests read too."""
    with open(CONTROLS) as f:
        listed = json.load(f)["windows"]
    return {w["ini"]: (set(range(1, w["count"] + 1)), set(w["unused"])) for w in listed}


def areas_from_list():
    """Keys that only mark an area the window paints or fills itself."""
    with open(CONTROLS) as f:
        return {w["ini"]: set(w["areas"]) for w in json.load(f)["windows"] if w["areas"]}


WINDOWS = windows_from_list()

# Rectangles that only mark an area the window paints or fills itself; they
# have no faces and may contain or touch other things.
AREAS = areas_from_list()
# Controls that paint themselves or never react to the pointer: no hover face.
NO_HOVER = {
    "skin_main.ini": {9, 17},
    "skin_advance_setting.ini": {1, 3, 4, 12, 13, 14, 17, 21, 22},
    "skin_key.ini": {4},
    "skin_fire_button.ini": {4, 5, 6},
    "skin_dpi_color.ini": {3, 4},
}


def parse_value(value):
    """The seven fields of a BUTTONPOS value."""
    fields = value.split(",")
    if len(fields) != 7:
        raise ValueError("expected 7 fields, got %d: %r" % (len(fields), value))
    label, x, y, w, h, tooltip, flag = fields
    return label, (int(x), int(y), int(w), int(h)), tooltip, flag


def read_ini(name):
    parser = configparser.ConfigParser(interpolation=None, strict=True)
    parser.optionxform = str
    text = (SKIN / name).read_bytes().decode("ascii")
    parser.read_string(text)
    screen = next(s for s in parser.sections() if s.upper() == "SCREEN")
    buttons = {int(k): parse_value(v) for k, v in parser["BUTTONPOS"].items()}
    return dict(parser[screen]), buttons


def read_keyboard(name):
    """The KEYBOARD section: the focus colour and each control's access key
    (letter, left, top, width, colour), by key."""
    parser = configparser.ConfigParser(interpolation=None, strict=True)
    parser.optionxform = str
    parser.read_string((SKIN / name).read_bytes().decode("ascii"))
    if not parser.has_section("KEYBOARD"):
        return None, {}
    section = dict(parser["KEYBOARD"])
    focus = section.pop("Focus", None)
    keys = {}
    for key, value in section.items():
        letter, left, top, width, colour = value.split(",")
        keys[int(key)] = (letter, int(left), int(top), int(width), colour)
    return focus, keys


def overlap(a, b):
    ax, ay, aw, ah = a
    bx, by, bw, bh = b
    return ax < bx + bw and bx < ax + aw and ay < by + bh and by < ay + ah


def outside_mask(size, rects):
    """White where no control is, black inside every control rectangle."""
    mask = Image.new("L", size, 255)
    for x, y, w, h in rects:
        if w > 0 and h > 0:
            mask.paste(0, (x, y, x + w, y + h))
    return mask


class SkinFiles(unittest.TestCase):
    def setUp(self):
        if not (SKIN / "skin_main.ini").exists():
            self.fail("no generated skin in %s" % SKIN)

    def test_every_window_has_every_key_with_valid_fields(self):
        for name, (wanted, may_be_empty) in WINDOWS.items():
            with self.subTest(window=name):
                _, buttons = read_ini(name)
                self.assertEqual(set(buttons), wanted)
                for key, (label, rect, tooltip, flag) in buttons.items():
                    self.assertLessEqual(len(label), 39, "key %d" % key)
                    self.assertLessEqual(len(tooltip), 99, "key %d" % key)
                    self.assertTrue(label.strip(), "key %d has no label" % key)
                    self.assertIn(flag, ("TRUE", "FALSE"))
                    if key not in may_be_empty:
                        self.assertGreater(rect[2] * rect[3], 0, "key %d is empty" % key)

    def test_access_keys_are_unique_and_underline_their_letter(self):
        for name in WINDOWS:
            with self.subTest(window=name):
                screen, buttons = read_ini(name)
                focus, keys = read_keyboard(name)
                self.assertRegex(focus or "", r"^[0-9A-F]{6}$", "no focus colour")
                letters = [k[0] for k in keys.values()]
                self.assertEqual(len(letters), len(set(letters)), "an access key twice: %s" % letters)
                normal = Image.open(SKIN / screen["Normal"]).convert("L")
                for key, (letter, left, top, width, colour) in keys.items():
                    self.assertIn(key, buttons)
                    self.assertRegex(letter, r"^[A-Z0-9]$")
                    x, y, w, h = buttons[key][1]
                    self.assertTrue(0 <= left and left + width <= w and 0 <= top < h,
                                    "key %d: the underline leaves its control" % key)
                    # The letter stands right above its underline: text is
                    # light on the skin's dark faces.
                    above = normal.crop((x + left, y + top - 4, x + left + width, y + top))
                    self.assertGreater(above.getextrema()[1], 110, "key %d: no letter above" % key)

    def test_pictures_are_24_bit_and_the_window_size(self):
        for name in WINDOWS:
            with self.subTest(window=name):
                screen, buttons = read_ini(name)
                sizes = set()
                for role in ("Mask", "Normal", "Over", "Down", "Disable"):
                    with Image.open(SKIN / screen[role]) as picture:
                        self.assertEqual(picture.format, "BMP")
                        self.assertEqual(picture.mode, "RGB", screen[role])
                        sizes.add(picture.size)
                self.assertEqual(len(sizes), 1, "pictures of %s differ in size" % name)
                width, height = sizes.pop()
                for key, (_, (x, y, w, h), _, _) in buttons.items():
                    self.assertTrue(0 <= x and 0 <= y and x + w <= width and y + h <= height,
                                    "key %d (%d,%d,%d,%d) leaves the %dx%d window"
                                    % (key, x, y, w, h, width, height))

    def test_controls_do_not_overlap(self):
        for name in WINDOWS:
            _, buttons = read_ini(name)
            areas = AREAS.get(name, set())
            placed = {k: v[1] for k, v in buttons.items()
                      if k not in areas and v[1][2] > 0 and v[1][3] > 0}
            for a in placed:
                for b in placed:
                    if a >= b:
                        continue
                    # The same button in its two modes shares one place.
                    if name == "skin_button_page.ini" and b - a == 32 and a <= 16:
                        self.assertEqual(placed[a], placed[b], "keys %d and %d" % (a, b))
                        continue
                    with self.subTest(window=name, keys=(a, b)):
                        self.assertFalse(overlap(placed[a], placed[b]))

    def test_state_pictures_differ_only_inside_controls(self):
        for name in WINDOWS:
            with self.subTest(window=name):
                screen, buttons = read_ini(name)
                normal = Image.open(SKIN / screen["Normal"]).convert("RGB")
                outside = outside_mask(normal.size, [b[1] for b in buttons.values()])
                for role in ("Over", "Down", "Disable"):
                    other = Image.open(SKIN / screen[role]).convert("RGB")
                    diff = ImageChops.difference(normal, other).convert("L")
                    stray = ImageChops.multiply(diff, outside).getbbox()
                    self.assertIsNone(stray, "%s differs from Normal outside controls at %s"
                                      % (role, stray))

    def test_hover_pressed_and_disabled_faces_are_visible(self):
        for name in WINDOWS:
            screen, buttons = read_ini(name)
            pictures = {role: Image.open(SKIN / screen[role]).convert("RGB")
                        for role in ("Normal", "Over", "Down", "Disable")}
            quiet = NO_HOVER.get(name, set()) | AREAS.get(name, set())
            for key, (_, (x, y, w, h), _, _) in buttons.items():
                if key in quiet or w * h == 0:
                    continue
                faces = {role: p.crop((x, y, x + w, y + h)) for role, p in pictures.items()}
                for role in ("Over", "Down", "Disable"):
                    with self.subTest(window=name, key=key, face=role):
                        self.assertIsNotNone(
                            ImageChops.difference(faces["Normal"], faces[role]).getbbox())

    def test_masks_cut_a_shaped_window_and_pages_stay_whole(self):
        for name in WINDOWS:
            with self.subTest(window=name):
                screen, _ = read_ini(name)
                mask = Image.open(SKIN / screen["Mask"]).convert("RGB")
                colours = {c for _, c in mask.getcolors(1 << 24)}
                self.assertLessEqual(colours, {(0, 0, 0), (255, 255, 255)},
                                     "mask must be black and white only")
                corner = mask.getpixel((0, 0))
                centre = mask.getpixel((mask.width // 2, mask.height // 2))
                self.assertEqual(centre, (0, 0, 0))
                if name in ("skin_button_page.ini", "skin_advance_setting.ini"):
                    self.assertEqual(colours, {(0, 0, 0)})
                else:
                    self.assertEqual(corner, (255, 255, 255))

    def test_pages_fill_the_page_rectangle_of_the_main_window(self):
        _, buttons = read_ini("skin_main.ini")
        _, (_, _, w, h), _, _ = buttons[9]
        for page in ("skin_button_page.ini", "skin_advance_setting.ini"):
            screen, _ = read_ini(page)
            with Image.open(SKIN / screen["Normal"]) as picture:
                self.assertEqual(picture.size, (w, h), page)
        for key in set(buttons) - {9}:
            self.assertFalse(overlap(buttons[key][1], buttons[9][1]), "key %d" % key)

    def test_fixed_pictures_match_the_controls_that_use_them(self):
        _, main = read_ini("skin_main.ini")
        with Image.open(SKIN / "rgnbutton_mask.bmp") as mask:
            for key in (3, 4, 5):
                self.assertEqual(mask.size, main[key][1][2:], "region button %d" % key)
            self.assertEqual(mask.getpixel((0, 0)), (255, 255, 255))
            self.assertEqual(mask.getpixel((mask.width // 2, mask.height // 2)), (0, 0, 0))
        _, page = read_ini("skin_advance_setting.ini")
        with Image.open(SKIN / "slider_thumb.bmp") as thumb:
            for key in (1, 3, 4, 21, 22):
                self.assertEqual(thumb.height, page[key][1][3], "slider %d" % key)
        for arrow in ("scroll_arrow_up.bmp", "scroll_arrow_down.bmp"):
            with Image.open(SKIN / arrow) as picture:
                self.assertEqual(picture.mode, "RGB")

    def test_only_the_first_tab_starts_pressed(self):
        pressed = {(name, key) for name in WINDOWS
                   for key, value in read_ini(name)[1].items() if value[3] == "TRUE"}
        self.assertEqual(pressed, {("skin_main.ini", 1)})


class ControlList(unittest.TestCase):
    """Optional keys let an older skin, made before their controls existed,
    still pass the generator's check, while a missing required key does not."""

    def setUp(self):
        sys.path.insert(0, str(GENERATOR))
        import make_skin
        self.check = make_skin.check_against_control_list
        with open(CONTROLS) as f:
            self.main = next(w for w in json.load(f)["windows"] if w["ini"] == "skin_main.ini")

    def layouts(self, keys):
        return [{"ini": "skin_main.ini", "source": "main.json",
                 "controls": [{"key": k} for k in keys]}]

    def test_optional_keys_are_the_last_and_may_be_left_out(self):
        count, optional = self.main["count"], self.main["optional"]
        self.assertEqual(optional, list(range(count - len(optional) + 1, count + 1)))
        self.assertFalse(set(optional) & (set(self.main["areas"]) | set(self.main["unused"])))
        required = [k for k in range(1, count + 1) if k not in optional]
        self.check(self.layouts(required), CONTROLS)
        self.check(self.layouts(required + optional), CONTROLS)
        for keys in (required[:-1] + optional, required + optional + [count + 1]):
            with self.subTest(keys=keys), self.assertRaises(SystemExit):
                self.check(self.layouts(keys), CONTROLS)


class IniWriter(unittest.TestCase):
    def setUp(self):
        sys.path.insert(0, str(GENERATOR))
        import ini_writer
        self.writer = ini_writer

    def test_refuses_fields_the_parser_would_split_or_cut(self):
        good = {"key": 1, "label": "OK", "rect": [1, 2, 3, 4], "tooltip": "Close"}
        self.assertEqual(self.writer.button_line(good, "x.ini"), "1=OK,1,2,3,4,Close,FALSE")
        for bad in ({"label": "Yes, please"}, {"tooltip": "a, b"}, {"label": "x" * 40},
                    {"tooltip": "y" * 100}, {"tooltip": "Set TRUE colour"}):
            with self.subTest(bad=bad), self.assertRaises(SystemExit):
                self.writer.button_line(dict(good, **bad), "x.ini")


if __name__ == "__main__":
    unittest.main()
