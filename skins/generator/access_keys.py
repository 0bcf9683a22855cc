"""Keyboard cues of the skin: the focus ring's colour, and for each control
with an access key the letter and where its picture shows it, so that the
program can underline it while Alt is held. The letter is the control's
"access" in the layout; it must be in the control's text."""
from PIL import Image, ImageDraw

import theme as t
from scale import s

FOCUS_RING = (255, 191, 68)
UNDERLINE = t.TEXT


def _text_box(control):
    """Where the face draws the control's text: box, font and alignment."""
    x, y, w, h = control["rect"]
    kind = control.get("face", "button")
    if kind in ("tab", "primary"):
        return (x, y, w, h), t.font(13, True), "centre"
    if kind == "button":
        return (x, y, w, h), t.font(control.get("size", 12), control.get("bold", True)), "centre"
    if kind in ("check", "radio"):
        size = min(s(16), h)
        return (x + s(1) + size + s(7), y, w - size - s(8), h), t.font(12), "left"
    raise SystemExit("skin generator: key %s: no access key on a %s face" % (control["key"], kind))


def underline(control):
    """(left, top, width) of the access letter's underline, in the control's
    own coordinates."""
    text = control.get("text", "")
    letter = control["access"]
    at = text.upper().find(letter.upper())
    if len(letter) != 1 or not letter.isalnum() or at < 0:
        raise SystemExit("skin generator: key %s: access key %r is not in its text %r"
                         % (control["key"], letter, text))
    (bx, by, bw, bh), font, align = _text_box(control)
    draw = ImageDraw.Draw(Image.new("RGB", (1, 1)))
    start = bx if align == "left" else bx + bw / 2 - font.getlength(text) / 2
    left = start + font.getlength(text[:at])
    glyph = draw.textbbox((left, by + bh / 2), text[at], font=font, anchor="lm")
    x, y = control["rect"][:2]
    return (int(round(glyph[0])) - x, glyph[3] + s(1) - y, max(1, glyph[2] - glyph[0]))


def hex_colour(rgb):
    return "%02X%02X%02X" % rgb


def section(controls):
    """The KEYBOARD section's lines."""
    lines = ["Focus=" + hex_colour(FOCUS_RING)]
    for control in sorted(controls, key=lambda c: c["key"]):
        if "access" in control:
            left, top, width = underline(control)
            lines.append("%d=%s,%d,%d,%d,%s" % (control["key"], control["access"].upper(), left,
                                                top, width, hex_colour(UNDERLINE)))
    return lines
