"""Control faces: how each kind of control looks in each of the four states.

A face is drawn strictly inside its control's rectangle, because the program
cuts the faces 1:1 out of the Normal, Over, Down and Disable pictures; anything
outside the rectangle must be the same in all four.
"""
from PIL import Image, ImageDraw

import paint
import theme as t
from scale import s

STATES = ("normal", "over", "down", "disable")


def _face_colours(state):
    return {
        "normal": (t.FACE_TOP, t.FACE_BOTTOM, t.FACE_EDGE, t.TEXT),
        "over": (t.OVER_TOP, t.OVER_BOTTOM, t.OVER_EDGE, (255, 255, 255)),
        "down": (t.DOWN_TOP, t.DOWN_BOTTOM, t.DOWN_EDGE, (255, 255, 255)),
        "disable": (t.DISABLED_FACE, t.DISABLED_FACE, t.DISABLED_EDGE, t.TEXT_DISABLED),
    }[state]


def _plate(image, rect, state, radius=4):
    top, bottom, edge, text = _face_colours(state)
    radius = s(radius)
    paint.gradient(image, rect, top, bottom, radius)
    paint.outline(image, rect, edge, radius)
    if state == "down":
        # A dark line under the top edge reads as the plate sitting lower.
        x, y, w, _ = rect
        ImageDraw.Draw(image).line([(x + radius, y + s(1)), (x + w - 1 - radius, y + s(1))],
                                   fill=(20, 90, 150), width=s(1))
    return text


def button(image, rect, state, spec):
    text = _plate(image, rect, state, spec.get("radius", 4))
    draw = ImageDraw.Draw(image)
    label = spec.get("text", "")
    if label:
        shift = s(1) if state == "down" else 0
        x, y, w, h = rect
        paint.text_in(draw, (x, y + shift, w, h), label,
                      t.font(spec.get("size", 12), spec.get("bold", True)), text)


def primary(image, rect, state, spec):
    """The region buttons: a pill in accent blue, brighter than ordinary buttons."""
    x, y, w, h = rect
    radius = h // 2
    colours = {
        "normal": ((42, 140, 212), (24, 96, 160), (96, 190, 250), (255, 255, 255)),
        "over": ((70, 176, 246), (40, 128, 200), (170, 225, 255), (255, 255, 255)),
        "down": ((20, 84, 140), (34, 118, 186), (96, 190, 250), (230, 240, 250)),
        "disable": (t.DISABLED_FACE, t.DISABLED_FACE, t.DISABLED_EDGE, t.TEXT_DISABLED),
    }[state]
    if spec.get("quiet"):
        colours = {"normal": (t.FACE_TOP, t.FACE_BOTTOM, t.FACE_EDGE, t.TEXT),
                   "over": (t.OVER_TOP, t.OVER_BOTTOM, t.OVER_EDGE, (255, 255, 255))}.get(state, colours)
    top, bottom, edge, text = colours
    paint.gradient(image, rect, top, bottom, radius)
    paint.outline(image, rect, edge, radius)
    shift = s(1) if state == "down" else 0
    paint.text_in(ImageDraw.Draw(image), (x, y + shift, w, h), spec.get("text", ""),
                  t.font(13, True), text)


def tab(image, rect, state, spec):
    """Down is the selected tab: it joins the page below with an accent bar."""
    x, y, w, h = rect
    colours = {
        "normal": ((18, 50, 76), (12, 36, 58), t.PANEL_EDGE, t.TEXT_MUTED),
        "over": ((30, 76, 112), (18, 52, 80), t.ACCENT, t.TEXT),
        "down": ((26, 82, 124), (14, 48, 76), t.ACCENT, (255, 255, 255)),
        "disable": (t.DISABLED_FACE, t.DISABLED_FACE, t.DISABLED_EDGE, t.TEXT_DISABLED),
    }[state]
    top, bottom, edge, text = colours
    paint.gradient(image, rect, top, bottom, s(6))
    paint.outline(image, rect, edge, s(6))
    draw = ImageDraw.Draw(image)
    if state == "down":
        draw.rectangle((x + s(1), y + h - s(3), x + w - 1 - s(1), y + h - 1), fill=t.ACCENT)
    paint.text_in(draw, rect, spec.get("text", ""), t.font(13, True), text)


def profile(image, rect, state, spec):
    """A profile chip in the header; the program draws the profile's name in
    white over it. Down is the current profile, filled with the accent."""
    x, y, w, h = rect
    colours = {
        "normal": ((22, 62, 92), (14, 42, 66), t.PANEL_EDGE),
        "over": (t.OVER_TOP, t.OVER_BOTTOM, t.OVER_EDGE),
        "down": (t.DOWN_TOP, (24, 104, 170), t.DOWN_EDGE),
        "disable": (t.DISABLED_FACE, t.DISABLED_FACE, t.DISABLED_EDGE),
    }[state]
    top, bottom, edge = colours
    paint.gradient(image, rect, top, bottom, h // 2)
    paint.outline(image, rect, edge, h // 2)


def chooser(image, rect, state, spec):
    """A field that opens a file chooser: the program draws the chosen file's
    name at x = 5; a folder glyph on the right says what a click does."""
    text = _plate(image, rect, state, 4)
    x, y, w, h = rect
    draw = ImageDraw.Draw(image)
    draw.line([(x + w - s(30), y + s(5)), (x + w - s(30), y + h - s(6))],
              fill=paint.mix(_face_colours(state)[2], (0, 0, 0), 0.35), width=s(1))
    gx, gy = x + w - s(23), y + h // 2 - s(6)
    glyph = text if state != "normal" else t.TEXT_MUTED
    draw.line([(gx, gy), (gx + s(6), gy), (gx + s(8), gy + s(2)), (gx + s(16), gy + s(2)),
               (gx + s(16), gy + s(12)), (gx, gy + s(12)), (gx, gy)], fill=glyph, width=s(1))
    draw.line([(gx, gy + s(4)), (gx + s(16), gy + s(4))], fill=glyph, width=s(1))


def caption(image, rect, state, spec):
    """A drop-down field whose text the program draws at x = 5 in white Arial."""
    _plate(image, rect, state, 3)
    x, y, w, h = rect
    draw = ImageDraw.Draw(image)
    arrow = {"normal": t.TEXT_MUTED, "over": (255, 255, 255), "down": (255, 255, 255),
             "disable": t.TEXT_DISABLED}[state]
    cx, cy = x + w - s(11), y + h // 2
    draw.line([(x + w - s(22), y + s(4)), (x + w - s(22), y + h - s(5))],
              fill=paint.mix(_face_colours(state)[2], (0, 0, 0), 0.35), width=s(1))
    draw.polygon([(cx - s(4), cy - s(2)), (cx + s(4), cy - s(2)), (cx, cy + s(3))], fill=arrow)


def check(image, rect, state, spec):
    """A check box with its wording; Down is the ticked box."""
    x, y, w, h = rect
    draw = ImageDraw.Draw(image)
    size = min(s(16), h)
    bx, by = x + s(1), y + (h - size) // 2
    brect = (bx, by, size, size)
    edge = {"normal": t.FACE_EDGE, "over": t.ACCENT_LIGHT, "down": t.ACCENT_LIGHT,
            "disable": t.DISABLED_EDGE}[state]
    fill = {"normal": (8, 26, 42), "over": (18, 52, 80), "down": t.ACCENT,
            "disable": (22, 30, 38)}[state]
    paint.gradient(image, brect, fill, fill, s(3))
    paint.outline(image, brect, edge, s(3))
    if state == "down":
        draw.line([(bx + s(4), by + s(8)), (bx + s(7), by + s(11)), (bx + s(12), by + s(4))],
                  fill=(255, 255, 255), width=s(2), joint="curve")
    label = spec.get("text", "")
    if label:
        colour = {"normal": t.TEXT, "over": (255, 255, 255), "down": (255, 255, 255),
                  "disable": t.TEXT_DISABLED}[state]
        paint.text_in(draw, (bx + size + s(7), y, w - size - s(8), h), label,
                      t.font(12), colour, align="left")


def radio(image, rect, state, spec):
    """An option button; Down is the chosen option."""
    x, y, w, h = rect
    draw = ImageDraw.Draw(image)
    size = min(s(16), h)
    bx, by = x + s(1), y + (h - size) // 2
    edge = {"normal": t.FACE_EDGE, "over": t.ACCENT_LIGHT, "down": t.ACCENT_LIGHT,
            "disable": t.DISABLED_EDGE}[state]
    fill = {"normal": (8, 26, 42), "over": (18, 52, 80), "down": (8, 26, 42),
            "disable": (22, 30, 38)}[state]
    paint.gradient(image, (bx, by, size, size), fill, fill, size // 2)
    paint.outline(image, (bx, by, size, size), edge, size // 2)
    if state == "down":
        dot = size - 2 * s(4)
        paint.gradient(image, (bx + s(4), by + s(4), dot, dot), t.ACCENT_LIGHT, t.ACCENT, dot // 2)
    label = spec.get("text", "")
    colour = {"normal": t.TEXT, "over": (255, 255, 255), "down": (255, 255, 255),
              "disable": t.TEXT_DISABLED}[state]
    paint.text_in(draw, (bx + size + s(7), y, w - size - s(8), h), label, t.font(12), colour,
                  align="left")


def icon(image, rect, state, spec):
    """Title-bar buttons: close turns red under the pointer, the others blue."""
    x, y, w, h = rect
    draw = ImageDraw.Draw(image)
    hot = t.DANGER if spec.get("glyph") == "close" else (40, 110, 160)
    fill = {"normal": None, "over": hot, "down": paint.mix(hot, (0, 0, 0), 0.3),
            "disable": None}[state]
    if fill:
        paint.gradient(image, rect, fill, fill, s(4))
    colour = {"normal": t.TEXT_MUTED, "over": (255, 255, 255), "down": (230, 230, 230),
              "disable": t.TEXT_DISABLED}[state]
    cx, cy, r = x + w // 2, y + h // 2, min(w, h) // 4
    glyph = spec.get("glyph")
    if glyph == "close":
        draw.line([(cx - r, cy - r), (cx + r, cy + r)], fill=colour, width=s(2))
        draw.line([(cx - r, cy + r), (cx + r, cy - r)], fill=colour, width=s(2))
    elif glyph == "minimise":
        draw.line([(cx - r, cy + r // 2), (cx + r, cy + r // 2)], fill=colour, width=s(2))


def link(image, rect, state, spec):
    """The web-site button: a globe and the address, underlined under the pointer."""
    x, y, w, h = rect
    draw = ImageDraw.Draw(image)
    colour = {"normal": t.TEXT_MUTED, "over": t.ACCENT_LIGHT, "down": t.ACCENT,
              "disable": t.TEXT_DISABLED}[state]
    r = s(7)
    cx, cy = x + r + s(2), y + h // 2
    draw.ellipse((cx - r, cy - r, cx + r, cy + r), outline=colour, width=s(1))
    draw.ellipse((cx - r // 2 - s(1), cy - r, cx + r // 2 + s(1), cy + r), outline=colour, width=s(1))
    draw.line([(cx - r, cy), (cx + r, cy)], fill=colour, width=s(1))
    label = spec.get("text", "")
    f = t.font(12)
    tx = x + 2 * r + s(9)
    draw.text((tx, cy), label, font=f, fill=colour, anchor="lm")
    if state in ("over", "down"):
        tw = paint.text_size(draw, label, f)[0]
        draw.line([(tx, cy + s(8)), (tx + tw, cy + s(8))], fill=colour, width=s(1))


def colour(image, rect, state, spec):
    """Colour buttons: the program fills (0,0)-(35,19) with the colour unless the
    button is disabled, so only the strip right of the swatch and the disabled
    face are ours to draw."""
    x, y, w, h = rect
    draw = ImageDraw.Draw(image)
    if state == "disable":
        hatch = Image.new("RGB", (w, h), t.DISABLED_FACE)
        hd = ImageDraw.Draw(hatch)
        for i in range(-h, w, s(5)):
            hd.line([(i, h), (i + h, 0)], fill=(42, 54, 66), width=s(1))
        image.paste(hatch, (x, y))
        paint.outline(image, rect, t.DISABLED_EDGE, 0)
        return
    # The program fills the swatch at its own scale of (0,0)-(35,19).
    swatch = s(35)
    strip = (x + swatch, y, w - swatch, h)
    top, bottom, edge, text = _face_colours({"normal": "normal", "over": "down",
                                             "down": "over"}[state])
    paint.gradient(image, strip, top, bottom, 0)
    paint.outline(image, strip, edge, 0)
    # Under the swatch: a neutral grey that the fill covers at once.
    draw.rectangle((x, y, x + swatch - 1, y + h - 1), fill=(128, 128, 128))
    cx, cy = strip[0] + strip[2] // 2, y + h // 2
    draw.polygon([(cx - s(3), cy - s(2)), (cx + s(3), cy - s(2)), (cx, cy + s(2))], fill=text)


def spin(image, rect, state, spec):
    """A number field with its up and down arrows at the right edge."""
    x, y, w, h = rect
    draw = ImageDraw.Draw(image)
    arrows = s(16)
    draw.rectangle(paint.box((x, y, w - arrows, h)),
                   fill=t.FIELD if state != "disable" else (200, 204, 208))
    draw.rectangle(paint.box((x, y, w - arrows, h)), outline=t.FIELD_EDGE, width=s(1))
    top, bottom, edge, text = _face_colours(state)
    half = h // 2
    for i, (ay, points) in enumerate(((y, "up"), (y + half, "down"))):
        arect = (x + w - arrows, ay, arrows, half if i == 0 else h - half)
        paint.gradient(image, arect, top, bottom, 0)
        paint.outline(image, arect, edge, 0)
        cx, cy = arect[0] + arrows // 2, arect[1] + arect[3] // 2
        if points == "up":
            draw.polygon([(cx - s(3), cy + s(1)), (cx + s(3), cy + s(1)), (cx, cy - s(2))], fill=text)
        else:
            draw.polygon([(cx - s(3), cy - s(1)), (cx + s(3), cy - s(1)), (cx, cy + s(2))], fill=text)


def slider(image, rect, state, spec):
    """The track: a groove across the middle with a tick for every step."""
    x, y, w, h = rect
    draw = ImageDraw.Draw(image)
    groove = t.ACCENT if state != "disable" else t.DISABLED_EDGE
    cy = y + h // 2
    track = (x + s(2), cy - s(2), w - 2 * s(2), s(5))
    paint.gradient(image, track, (4, 14, 24), (20, 50, 76), s(2))
    paint.outline(image, track, paint.mix(groove, (0, 0, 0), 0.4), s(2))
    steps = spec.get("steps", 0)
    thumb = s(spec.get("thumb", 14))
    for i in range(steps):
        tx = x + thumb // 2 + round(i * (w - thumb) / max(1, steps - 1))
        draw.line([(tx, y + h - s(4)), (tx, y + h - 1)], fill=paint.mix(groove, t.PANEL, 0.3),
                  width=s(1))


def field(image, rect, state, spec):
    """Edits and lists paint themselves; this is what shows before they do."""
    fill = t.LIST_BACKGROUND if spec.get("face") == "list" else t.FIELD
    ImageDraw.Draw(image).rectangle(paint.box(rect), fill=fill)


def record(image, rect, state, spec):
    """Record (Down while recording) and Stop, with their familiar symbols."""
    button(image, rect, state, dict(spec, text=""))
    x, y, w, h = rect
    draw = ImageDraw.Draw(image)
    glyph = spec.get("glyph")
    text_colour = _face_colours(state)[3]
    mark = t.DANGER if state != "disable" else t.TEXT_DISABLED
    if glyph == "record" and state == "down":
        mark = (255, 110, 110)
    label = spec.get("text", "")
    f = t.font(12, True)
    tw = paint.text_size(draw, label, f)[0]
    left = x + (w - tw - s(18)) // 2
    cy = y + h // 2 + (s(1) if state == "down" else 0)
    if glyph == "record":
        draw.ellipse((left, cy - s(5), left + s(10), cy + s(5)), fill=mark)
    else:
        stop = text_colour if state != "disable" else t.TEXT_DISABLED
        draw.rectangle((left + s(1), cy - s(4), left + s(9), cy + s(4)), fill=stop)
    draw.text((left + s(18), cy), label, font=f, fill=text_colour, anchor="lm")


def heading(image, rect, state, spec):
    """A control without an action of its own: same face whatever the pointer
    does, greyed only while it is disabled, so it never invites a click."""
    colour = t.PANEL_TITLE if state != "disable" else t.TEXT_DISABLED
    paint.text_in(ImageDraw.Draw(image), rect, spec.get("text", ""), t.font(12, True),
                  colour, align="left")


def status(image, rect, state, spec):
    """The panel of the main window's status area, the same in every state:
    the program draws the sentence and an upload's progress over it."""
    paint.gradient(image, rect, t.PANEL, (8, 26, 44), s(6))
    paint.outline(image, rect, t.PANEL_EDGE, s(6))


def nothing(image, rect, state, spec):
    pass


KINDS = {
    "button": button,
    "primary": primary,
    "tab": tab,
    "profile": profile,
    "chooser": chooser,
    "caption": caption,
    "check": check,
    "radio": radio,
    "icon": icon,
    "link": link,
    "colour": colour,
    "spin": spin,
    "slider": slider,
    "edit": field,
    "list": field,
    "record": record,
    "heading": heading,
    "status": status,
    "area": nothing,
    "unused": nothing,
}


def draw_face(image, control, state):
    kind = control.get("face", "button")
    if kind not in KINDS:
        raise SystemExit("skin generator: unknown face %r for key %s" % (kind, control["key"]))
    x, y, w, h = control["rect"]
    if w <= 0 or h <= 0:
        return
    KINDS[kind](image, tuple(control["rect"]), state, control)
