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
sys.path.insert(0, str(GENERATOR))
import scale  # noqa: E402  (the generator's scaling rule)

# The skin at its own size, then each scaled variant in its folder.
VARIANTS = {percent: SKIN if percent == 100 else SKIN / str(percent) for percent in scale.PERCENTS}
# All five scales together, installed, of one language: the 100 % skin alone
# was 34 MB as bitmap files.
INSTALLED_BUDGET_BYTES = 16 << 20
# The skin in other languages: the tables beside the layouts, each drawn into
# its subfolder of the skin folder.
LANGUAGE_TABLES = pathlib.Path(__file__).resolve().parents[2] / "skins" / "lang"
LANGUAGES = sorted(path.stem for path in LANGUAGE_TABLES.glob("*.json"))


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


def read_ini(name, folder=SKIN):
    parser = configparser.ConfigParser(interpolation=None, strict=True)
    parser.optionxform = str
    # ASCII, or UTF-8 with its mark for a skin in another language.
    text = (folder / name).read_bytes().decode("utf-8-sig")
    parser.read_string(text)
    screen = next(s for s in parser.sections() if s.upper() == "SCREEN")
    buttons = {int(k): parse_value(v) for k, v in parser["BUTTONPOS"].items()}
    return dict(parser[screen]), buttons


def read_keyboard(name, folder=SKIN):
    """The KEYBOARD section: the focus colour and each control's access key
    (letter, left, top, width, colour), by key."""
    parser = configparser.ConfigParser(interpolation=None, strict=True)
    parser.optionxform = str
    parser.read_string((folder / name).read_bytes().decode("utf-8-sig"))
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
    """Every variant, each on its own: a window reads one folder's files."""

    folder = SKIN

    def setUp(self):
        if not (self.folder / "skin_main.ini").exists():
            self.fail("no generated skin in %s" % self.folder)

    def read_ini(self, name):
        return read_ini(name, self.folder)

    def picture(self, name):
        return Image.open(self.folder / name)

    def test_every_window_has_every_key_with_valid_fields(self):
        for name, (wanted, may_be_empty) in WINDOWS.items():
            with self.subTest(window=name):
                _, buttons = self.read_ini(name)
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
                screen, buttons = self.read_ini(name)
                focus, keys = read_keyboard(name, self.folder)
                self.assertRegex(focus or "", r"^[0-9A-F]{6}$", "no focus colour")
                letters = [k[0] for k in keys.values()]
                self.assertEqual(len(letters), len(set(letters)), "an access key twice: %s" % letters)
                normal = self.picture(screen["Normal"]).convert("L")
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

    def test_pictures_are_what_option_reads_and_the_window_size(self):
        # 8-bit PNG: RGB pictures, a grey mask (ui/core/PngPicture).
        for name in WINDOWS:
            with self.subTest(window=name):
                screen, buttons = self.read_ini(name)
                sizes = set()
                for role in ("Mask", "Normal", "Over", "Down", "Disable"):
                    with self.picture(screen[role]) as picture:
                        self.assertEqual(picture.format, "PNG")
                        self.assertEqual(picture.mode, "L" if role == "Mask" else "RGB", screen[role])
                        self.assertFalse(picture.info.get("interlace"), screen[role])
                        sizes.add(picture.size)
                self.assertEqual(len(sizes), 1, "pictures of %s differ in size" % name)
                width, height = sizes.pop()
                for key, (_, (x, y, w, h), _, _) in buttons.items():
                    self.assertTrue(0 <= x and 0 <= y and x + w <= width and y + h <= height,
                                    "key %d (%d,%d,%d,%d) leaves the %dx%d window"
                                    % (key, x, y, w, h, width, height))

    def test_controls_do_not_overlap(self):
        for name in WINDOWS:
            _, buttons = self.read_ini(name)
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
                screen, buttons = self.read_ini(name)
                normal = self.picture(screen["Normal"]).convert("RGB")
                outside = outside_mask(normal.size, [b[1] for b in buttons.values()])
                for role in ("Over", "Down", "Disable"):
                    other = self.picture(screen[role]).convert("RGB")
                    diff = ImageChops.difference(normal, other).convert("L")
                    stray = ImageChops.multiply(diff, outside).getbbox()
                    self.assertIsNone(stray, "%s differs from Normal outside controls at %s"
                                      % (role, stray))

    def test_hover_pressed_and_disabled_faces_are_visible(self):
        for name in WINDOWS:
            screen, buttons = self.read_ini(name)
            pictures = {role: self.picture(screen[role]).convert("RGB")
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
                screen, _ = self.read_ini(name)
                mask = self.picture(screen["Mask"]).convert("RGB")
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
        _, buttons = self.read_ini("skin_main.ini")
        _, (_, _, w, h), _, _ = buttons[9]
        for page in ("skin_button_page.ini", "skin_advance_setting.ini"):
            screen, _ = self.read_ini(page)
            with self.picture(screen["Normal"]) as picture:
                self.assertEqual(picture.size, (w, h), page)
        for key in set(buttons) - {9}:
            self.assertFalse(overlap(buttons[key][1], buttons[9][1]), "key %d" % key)

    def test_fixed_pictures_match_the_controls_that_use_them(self):
        _, main = self.read_ini("skin_main.ini")
        with self.picture("rgnbutton_mask.bmp") as mask:
            for key in (3, 4, 5):
                self.assertEqual(mask.size, main[key][1][2:], "region button %d" % key)
            self.assertEqual(mask.getpixel((0, 0)), (255, 255, 255))
            self.assertEqual(mask.getpixel((mask.width // 2, mask.height // 2)), (0, 0, 0))
        _, page = self.read_ini("skin_advance_setting.ini")
        with self.picture("slider_thumb.bmp") as thumb:
            for key in (1, 3, 4, 21, 22):
                self.assertEqual(thumb.height, page[key][1][3], "slider %d" % key)
        for arrow in ("scroll_arrow_up.bmp", "scroll_arrow_down.bmp"):
            with self.picture(arrow) as picture:
                self.assertEqual(picture.mode, "RGB")

    def test_only_the_first_tab_starts_pressed(self):
        pressed = {(name, key) for name in WINDOWS
                   for key, value in self.read_ini(name)[1].items() if value[3] == "TRUE"}
        self.assertEqual(pressed, {("skin_main.ini", 1)})


def _variant_case(percent, folder):
    return type("SkinFiles%d" % percent, (SkinFiles,), {"folder": folder})


# The same checks for every scaled variant.
for _percent, _folder in VARIANTS.items():
    if _percent != 100:
        globals()["SkinFiles%d" % _percent] = _variant_case(_percent, _folder)


class ScaledVariants(unittest.TestCase):
    """Each variant is the 100 % skin drawn again at its scale: the same
    controls at their places scaled by the rule Option scales by, pictures of
    the scaled window size, and together they stay small."""

    def test_every_variant_is_there_with_every_window(self):
        for percent, folder in VARIANTS.items():
            for name in WINDOWS:
                with self.subTest(percent=percent, window=name):
                    self.assertTrue((folder / name).exists())

    def test_places_are_the_scaled_places_of_the_skins_own_size(self):
        for name in WINDOWS:
            screen, base = read_ini(name)
            with Image.open(SKIN / screen["Normal"]) as picture:
                width, height = picture.size
            for percent, folder in VARIANTS.items():
                scale.use(percent)
                with self.subTest(window=name, percent=percent):
                    vscreen, buttons = read_ini(name, folder)
                    self.assertEqual(set(buttons), set(base))
                    for key, (label, rect, tooltip, flag) in buttons.items():
                        self.assertEqual(list(rect), scale.rect(base[key][1]), "key %d" % key)
                        self.assertEqual((label, tooltip, flag),
                                         (base[key][0], base[key][2], base[key][3]))
                    with Image.open(folder / vscreen["Normal"]) as picture:
                        self.assertEqual(picture.size, (scale.s(width), scale.s(height)))
        scale.use(100)

    def test_text_is_drawn_at_the_size_not_stretched(self):
        # A stretched picture of 150 % would hold the 100 % picture's colours
        # only smeared; drawn again, the tab's text has as crisp an edge as at
        # 100 %: as many pure white-ish pixels in proportion.
        def bright_share(folder, percent):
            screen, buttons = read_ini("skin_main.ini", folder)
            x, y, w, h = buttons[1][1]
            with Image.open(folder / screen["Down"]) as picture:
                face = picture.convert("L").crop((x, y, x + w, y + h))
            return sum(1 for v in face.getdata() if v >= 250) / (w * h)

        base = bright_share(SKIN, 100)
        self.assertGreater(base, 0)
        for percent in (150, 200):
            with self.subTest(percent=percent):
                self.assertGreater(bright_share(VARIANTS[percent], percent), base * 0.6)

    def test_the_installed_skin_stays_within_its_budget(self):
        languages = [SKIN / tag for tag in LANGUAGES]
        own = sum(f.stat().st_size for f in SKIN.rglob("*")
                  if f.is_file() and not any(folder in f.parents for folder in languages))
        self.assertLess(own, INSTALLED_BUDGET_BYTES, "%d bytes" % own)
        for folder in languages:
            total = sum(f.stat().st_size for f in folder.rglob("*") if f.is_file())
            self.assertLess(total, INSTALLED_BUDGET_BYTES, "%s: %d bytes" % (folder.name, total))


class Languages(unittest.TestCase):
    """Each language's skin is the default skin with its texts translated: the
    same windows at every scale, the same places, labels and tooltips from the
    language's table, INI files in UTF-8 marked as such."""

    def table(self, tag):
        with open(LANGUAGE_TABLES / (tag + ".json"), encoding="utf-8") as f:
            return json.load(f)["texts"]

    def test_every_window_at_every_scale_in_utf8_with_its_mark(self):
        for tag in LANGUAGES:
            for percent, folder in VARIANTS.items():
                for name in WINDOWS:
                    with self.subTest(language=tag, percent=percent, window=name):
                        data = (SKIN / tag / folder.relative_to(SKIN) / name).read_bytes()
                        self.assertTrue(data.startswith(b"\xef\xbb\xbf"))
                        data.decode("utf-8")

    def test_places_are_the_defaults_and_texts_the_tables(self):
        for tag in LANGUAGES:
            texts = self.table(tag)
            for name in WINDOWS:
                _, default = read_ini(name)
                _, translated = read_ini(name, SKIN / tag)
                with self.subTest(language=tag, window=name):
                    self.assertEqual(set(translated), set(default))
                    for key, (label, rect, tooltip, flag) in default.items():
                        if rect[2] <= 0 or rect[3] <= 0:
                            continue  # never shown: no translation needed
                        self.assertEqual(translated[key][1:4:2], (rect, flag), "key %d" % key)
                        self.assertEqual(translated[key][0], texts[label], "key %d" % key)
                        self.assertEqual(translated[key][2], texts.get(tooltip, ""), "key %d" % key)

    def test_every_entry_of_a_table_is_a_text_of_the_layouts(self):
        layouts = "".join(path.read_text(encoding="utf-8")
                          for path in (GENERATOR.parent / "layout").glob("*.json"))
        for tag in LANGUAGES:
            for english in self.table(tag):
                with self.subTest(language=tag, text=english):
                    self.assertIn(json.dumps(english), layouts, "an entry nothing shows")


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


class Wrapping(unittest.TestCase):
    """The generator's line breaking of wrapped texts, at any width."""

    def test_no_chinese_line_starts_with_a_closing_mark(self):
        from PIL import ImageDraw
        import paint
        import theme
        draw = ImageDraw.Draw(Image.new("RGB", (1, 1)))
        for language in LANGUAGES:
            with open(LANGUAGE_TABLES / (language + ".json"), encoding="utf-8") as f:
                table = json.load(f)
            theme.use_script(table["script"])
            try:
                font = theme.font(12)
                for text in table["texts"].values():
                    for width in range(90, 420, 11):
                        lines = paint.wrap_lines(draw, text, font, width)
                        for line in lines[1:]:
                            self.assertNotIn(line[:1], paint.CLOSING_MARKS, (language, width, lines))
                        self.assertEqual("".join(lines).replace(" ", ""), text.replace(" ", "").replace("\n", ""))
            finally:
                theme.use_script("latin")


if __name__ == "__main__":
    unittest.main()
