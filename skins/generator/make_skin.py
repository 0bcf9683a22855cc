#!/usr/bin/env python3
"""Builds the default skin: for every layout file, the window's INI, its four
state pictures and its mask, plus the pictures loaded by fixed name; once at
its own size in OUT_DIR, and drawn again for each larger display scale in
OUT_DIR/125, OUT_DIR/150, ... (scale.PERCENTS).

The pictures an INI names are PNG files (a tenth of the size of bitmap
files); those the program loads by fixed name stay bitmap files.

usage: make_skin.py LAYOUT_DIR OUT_DIR
"""
import json
import multiprocessing
import pathlib
import sys

sys.dont_write_bytecode = True  # keep the source folder free of __pycache__

from PIL import Image, ImageDraw

import access_keys
import decor
import faces
import fixed_images
import ini_writer
import scale
import theme as t
from scale import s

STATE_KEYS = {"normal": "Normal", "over": "Over", "down": "Down", "disable": "Disable"}


def load_layouts(folder):
    layouts = []
    for path in sorted(pathlib.Path(folder).glob("*.json")):
        with open(path, encoding="utf-8") as f:
            layout = json.load(f)
        layout["source"] = path.name
        layouts.append(layout)
    if not layouts:
        raise SystemExit("skin generator: no layout files in %s" % folder)
    check_against_control_list(layouts, pathlib.Path(folder).parent / "controls.json")
    return layouts


def check_against_control_list(layouts, listed_path):
    """Every window lays out the keys 1..count of the one control list that
    Option and the tests read, so the three cannot drift apart; optional keys
    may be left out, and must be the last keys."""
    with open(listed_path, encoding="utf-8") as f:
        listed = {w["ini"]: w for w in json.load(f)["windows"]}
    for layout in layouts:
        keys = sorted(control["key"] for control in layout["controls"])
        window = listed.get(layout["ini"])
        count = window["count"] if window else None
        optional = set(window.get("optional", [])) if window else set()
        if optional and sorted(optional) != list(range(count - len(optional) + 1, count + 1)):
            raise SystemExit("skin generator: optional keys of %s must be the last keys, up to %d"
                             % (layout["ini"], count))
        required = [k for k in range(1, (count or 0) + 1) if k not in optional]
        if count is None or not set(required) <= set(keys) or not set(keys) <= set(range(1, count + 1)):
            raise SystemExit("skin generator: %s lays out keys %s..%s (%d), %s lists %s"
                             % (layout["source"], keys[0] if keys else "-", keys[-1] if keys else "-",
                                len(keys), listed_path.name, count))


def window_mask(layout):
    """Black inside the window's outline, pure white outside; no grey edge."""
    w, h = layout["size"]
    mask = Image.new("1", (w, h), 1)
    radius = s(layout.get("radius", 0))
    ImageDraw.Draw(mask).rounded_rectangle((0, 0, w - 1, h - 1), radius=radius, fill=0)
    return mask.convert("L")


def render(layout, out_dir):
    size = tuple(layout["size"])
    base = Image.new("RGB", size, t.WINDOW_BOTTOM)
    decor.draw_all(base, layout)
    prefix = layout["prefix"]
    images = {"Mask": prefix + "_mask.png"}
    window_mask(layout).save(out_dir / images["Mask"])
    for state, key in STATE_KEYS.items():
        picture = base.copy()
        for control in layout["controls"]:
            faces.draw_face(picture, control, state)
        images[key] = "%s_%s.png" % (prefix, state)
        picture.save(out_dir / images[key])
    ini_writer.write(out_dir / layout["ini"], layout.get("section", "SCREEN"), images,
                     layout["controls"], layout["ini"], access_keys.section(layout["controls"]))
    return base


def region_button_size(layouts):
    sizes = {tuple(c["rect"][2:]) for layout in layouts for c in layout["controls"]
             if c.get("face") == "primary"}
    if len(sizes) != 1:
        raise SystemExit("skin generator: the region buttons share one mask, so they need "
                         "one size; found %s" % sorted(sizes))
    return sizes.pop()


def slider_thumb(layouts, bases):
    """The thumb's height is the tracks' height; its backdrop is what lies under
    the first track."""
    for layout in layouts:
        for control in layout["controls"]:
            if control.get("face") == "slider":
                x, y, w, h = control["rect"]
                return (s(control.get("thumb", 14)), h), bases[layout["ini"]].getpixel((x, y))
    return (s(14), s(20)), t.PANEL


def render_variant(layouts, out_dir, percent):
    """Every window and fixed picture drawn at `percent`."""
    scale.use(percent)
    out_dir.mkdir(parents=True, exist_ok=True)
    scaled = [scale.layout(layout) for layout in layouts]
    bases = {layout["ini"]: render(layout, out_dir) for layout in scaled}
    thumb_size, thumb_background = slider_thumb(scaled, bases)
    fixed_images.write_all(out_dir, region_button_size(scaled), thumb_size, thumb_background)


def main(argv):
    if len(argv) != 3:
        raise SystemExit(__doc__)
    out_dir = pathlib.Path(argv[2])
    layouts = load_layouts(argv[1])
    jobs = [(layouts, out_dir if percent == 100 else out_dir / str(percent), percent)
            for percent in scale.PERCENTS]
    # One process a variant: each draws at its own scale.
    with multiprocessing.Pool(min(len(jobs), multiprocessing.cpu_count())) as pool:
        pool.starmap(render_variant, jobs)


if __name__ == "__main__":
    main(sys.argv)
