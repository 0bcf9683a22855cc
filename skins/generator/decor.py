"""Window backgrounds: everything in a picture that is not a control face.

Decorations are listed in the layout files; each entry names its type and the
rectangle or point it occupies.
"""
from PIL import ImageDraw

import mouse_drawing
import paint
import palette
import theme as t
from scale import s


def window(image, layout):
    """Body, header band and edge, following the shape the mask cuts."""
    w, h = layout["size"]
    radius = s(layout.get("radius", 0))
    header = s(layout.get("header", 0))
    paint.gradient(image, (0, 0, w, h), t.WINDOW_TOP, t.WINDOW_BOTTOM, radius)
    if header:
        one = s(1)
        paint.gradient(image, (0, 0, w, header + radius), t.HEADER_TOP, t.HEADER_BOTTOM, radius)
        paint.gradient(image, (one, header, w - 2 * one, radius + 2 * one), t.WINDOW_TOP,
                       t.WINDOW_TOP, 0)
        draw = ImageDraw.Draw(image)
        draw.rectangle((one, header, w - 1 - one, header + one - 1), fill=t.PANEL_EDGE)
        draw.rectangle((one, header + one, w - 1 - one, header + 2 * one - 1), fill=(6, 18, 30))
    if layout.get("edge", True):
        paint.outline(image, (0, 0, w, h), t.WINDOW_EDGE, radius)


def panel(image, spec):
    x, y, w, h = spec["rect"]
    paint.gradient(image, spec["rect"], t.PANEL, paint.mix(t.PANEL, (0, 0, 0), 0.25), s(6))
    paint.outline(image, spec["rect"], t.PANEL_EDGE, s(6))
    title = spec.get("title")
    if title:
        draw = ImageDraw.Draw(image)
        draw.text((x + s(12), y + s(9)), title.upper(), font=t.font(11, True), fill=t.PANEL_TITLE)
        draw.line([(x + s(12), y + s(26)), (x + w - s(13), y + s(26))],
                  fill=paint.mix(t.PANEL_EDGE, t.PANEL, 0.3), width=s(1))


def text(image, spec):
    colour = t.named_colour(spec.get("colour", "text"))
    paint.text_at(ImageDraw.Draw(image), spec["at"], spec["text"],
                  t.font(spec.get("size", 12), spec.get("bold", False)), colour,
                  spec.get("anchor", "la"))


def wrap(image, spec):
    colour = t.named_colour(spec.get("colour", "text"))
    paint.wrapped(ImageDraw.Draw(image), spec["rect"], spec["text"],
                  t.font(spec.get("size", 13), spec.get("bold", False)), colour,
                  middle=spec.get("middle", False))


def logo(image, spec):
    """Word mark: a slanted accent bar and the product name."""
    x, y = spec["at"]
    size = spec.get("size", 22)
    height = s(size)
    draw = ImageDraw.Draw(image)
    bar = [(x, y + height), (x + s(7), y), (x + s(14), y), (x + s(7), y + height)]
    draw.polygon(bar, fill=t.ACCENT)
    draw.polygon([(p[0] + s(9), p[1]) for p in bar], fill=t.ACCENT_LIGHT)
    draw.text((x + s(30), y + height / 2), "MERVIK", font=t.font(size, True), fill=(255, 255, 255),
              anchor="lm")


def frame(image, spec):
    """A one-pixel frame just outside a control that paints its own inside."""
    x, y, w, h = spec["rect"]
    draw = ImageDraw.Draw(image)
    one = s(1)
    draw.rectangle((x - one, y - one, x + w - 1 + one, y + h - 1 + one), outline=t.FIELD_EDGE,
                   width=one)
    if spec.get("glow"):
        draw.rectangle((x - 2 * one, y - 2 * one, x + w - 1 + 2 * one, y + h - 1 + 2 * one),
                       outline=paint.mix(t.ACCENT, t.PANEL, 0.6), width=one)


def line(image, spec):
    (x1, y1), (x2, y2) = spec["from"], spec["to"]
    ImageDraw.Draw(image).line([(x1, y1), (x2, y2)], fill=paint.mix(t.PANEL_EDGE, t.PANEL, 0.2),
                               width=s(1))


def sign(image, spec):
    """Round badge with ! for warnings, ? for questions, i for notices."""
    x, y = spec["at"]
    size = spec.get("radius", 20)
    r = s(size)
    colour = t.named_colour(spec.get("colour", "warning"))
    paint.gradient(image, (x - r, y - r, 2 * r, 2 * r), paint.mix(colour, (255, 255, 255), 0.25),
                   paint.mix(colour, (0, 0, 0), 0.2), r)
    draw = ImageDraw.Draw(image)
    draw.text((x, y + s(1)), spec.get("glyph", "!"), font=t.font(int(size * 1.3), True),
              fill=(20, 24, 30), anchor="mm")


def palette_area(image, spec):
    palette.draw(image, spec["rect"])
    frame(image, {"rect": spec["rect"]})


def mouse(image, spec, layout):
    mouse_drawing.draw(image, spec, layout)


DECOR = {
    "panel": panel,
    "text": text,
    "wrap": wrap,
    "logo": logo,
    "frame": frame,
    "line": line,
    "sign": sign,
    "palette": palette_area,
}


def draw_all(image, layout):
    window(image, layout)
    for spec in layout.get("decor", []):
        kind = spec["type"]
        if kind == "mouse":
            mouse(image, spec, layout)
        elif kind in DECOR:
            DECOR[kind](image, spec)
        else:
            raise SystemExit("skin generator: unknown decoration %r in %s" % (kind, layout["ini"]))
