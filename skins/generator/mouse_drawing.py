"""Top view of the mouse for the button page, with a numbered badge on each of
its buttons and a leader line from every badge to the control that sets it.

Shapes are described in unit coordinates: x from -1 (left edge) to 1 (right
edge), y from 0 (front) to 1 (back). The drawing is made at four times the
size and scaled down, which gives smooth edges without a vector library.
"""
from PIL import Image, ImageChops, ImageDraw

import paint
import theme as t

SCALE = 4

# Right half of the shell, front to back; the left half mirrors it.
OUTLINE = [(0.0, 0.0), (0.30, 0.008), (0.60, 0.04), (0.82, 0.11), (0.92, 0.22),
           (0.90, 0.34), (0.84, 0.46), (0.86, 0.58), (0.95, 0.72), (0.97, 0.84),
           (0.86, 0.94), (0.55, 0.99), (0.0, 1.0)]

# Where each part sits: a rounded box (x0, y0, x1, y1) in unit coordinates.
PARTS = {
    "left": (-0.80, 0.05, -0.10, 0.38),
    "right": (0.10, 0.05, 0.80, 0.38),
    "wheel": (-0.10, 0.11, 0.10, 0.25),
    "top_front": (-0.08, 0.285, 0.08, 0.32),
    "top_rear": (-0.08, 0.335, 0.08, 0.37),
    "edge": (-0.80, 0.24, -0.66, 0.33),
    "side_front": (-0.97, 0.42, -0.86, 0.51),
    "side_rear": (-0.97, 0.53, -0.86, 0.62),
    "thumb_1": (-1.03, 0.65, -0.93, 0.71),
    "thumb_2": (-1.05, 0.725, -0.95, 0.785),
    "thumb_3": (-1.05, 0.80, -0.95, 0.86),
    "right_front": (0.86, 0.47, 0.95, 0.56),
    "right_rear": (0.87, 0.585, 0.96, 0.675),
    "left_top": (-0.62, 0.43, -0.40, 0.48),
}

# Badge position for each callout target: a part's centre, or a point for the
# three wheel functions (front, middle, back of the wheel).
ANCHORS = {
    "wheel_up": (0.0, 0.13),
    "wheel_click": (0.0, 0.18),
    "wheel_down": (0.0, 0.23),
}

SHELL = (34, 40, 48)
SHELL_LIGHT = (58, 66, 78)
BUTTON = (44, 52, 62)
SEAM = (12, 14, 18)
SIDE_BUTTON = (70, 82, 98)
SIDE_EDGE = (120, 140, 160)


def _outline_points(box):
    x, y, w, h = box
    half = w / 2
    right = [(x + half + px * half, y + py * h) for px, py in OUTLINE]
    left = [(x + half - px * half, y + py * h) for px, py in reversed(OUTLINE)]
    return _smooth(right + left[1:-1])


def _smooth(points, steps=8):
    """Closed Catmull-Rom curve through the points."""
    out = []
    n = len(points)
    for i in range(n):
        p0, p1, p2, p3 = points[i - 1], points[i], points[(i + 1) % n], points[(i + 2) % n]
        for s in range(steps):
            u = s / steps
            u2, u3 = u * u, u * u * u
            out.append(tuple(0.5 * ((2 * p1[k]) + (-p0[k] + p2[k]) * u
                                    + (2 * p0[k] - 5 * p1[k] + 4 * p2[k] - p3[k]) * u2
                                    + (-p0[k] + 3 * p1[k] - 3 * p2[k] + p3[k]) * u3)
                             for k in range(2)))
    return out


def _unit(box, ux, uy):
    x, y, w, h = box
    return x + (ux + 1) / 2 * w, y + uy * h


def _part_box(box, name):
    x0, y0, x1, y1 = PARTS[name]
    ax, ay = _unit(box, x0, y0)
    bx, by = _unit(box, x1, y1)
    return ax, ay, bx, by


def anchor(box, target):
    if target in ANCHORS:
        return _unit(box, *ANCHORS[target])
    ax, ay, bx, by = _part_box(box, target)
    return (ax + bx) / 2, (ay + by) / 2


def _draw_body(size, box):
    """The mouse alone, on a transparent layer, at SCALE times the size."""
    layer = Image.new("RGBA", (size[0] * SCALE, size[1] * SCALE), (0, 0, 0, 0))
    d = ImageDraw.Draw(layer)
    big = tuple(v * SCALE for v in box)
    shell = _outline_points(big)
    # Soft blue glow around the shell: the mouse's lighting.
    for grow, alpha in ((10, 30), (6, 50), (3, 90)):
        gx, gy, gw, gh = big
        glow = _outline_points((gx - grow * SCALE, gy - grow * SCALE,
                                gw + 2 * grow * SCALE, gh + 2 * grow * SCALE))
        d.polygon(glow, fill=t.ACCENT + (alpha,))
    d.polygon(shell, fill=SHELL + (255,), outline=SEAM + (255,))
    width = 2 * SCALE
    d.line(shell + [shell[0]], fill=(80, 96, 112, 255), width=width)

    def rbox(name, fill, radius=6):
        ax, ay, bx, by = _part_box(big, name)
        d.rounded_rectangle((ax, ay, bx, by), radius=radius * SCALE, fill=fill + (255,),
                            outline=SIDE_EDGE + (255,), width=SCALE)

    clip = Image.new("L", layer.size, 0)
    ImageDraw.Draw(clip).polygon(shell, fill=255)

    def clipped(colour, draw_shape):
        shape = Image.new("L", layer.size, 0)
        draw_shape(ImageDraw.Draw(shape))
        layer.paste(Image.new("RGBA", layer.size, colour + (255,)), (0, 0),
                    ImageChops.multiply(shape, clip))

    # Main buttons: two lighter plates split by the channel of the wheel, then
    # a seam across the shell behind them.
    for name in ("left", "right"):
        ax, ay, bx, by = _part_box(big, name)
        clipped(BUTTON, lambda g: g.rounded_rectangle((ax, ay - 40 * SCALE, bx, by),
                                                      radius=14 * SCALE, fill=255))
    cx0, cy0 = _unit(big, -0.13, 0.0)
    cx1, cy1 = _unit(big, 0.13, 0.40)
    clipped(SEAM, lambda g: g.rounded_rectangle((cx0, cy0 - 40 * SCALE, cx1, cy1),
                                                radius=10 * SCALE, fill=255))
    cx0, cx1 = cx0 + SCALE, cx1 - SCALE
    clipped(SHELL, lambda g: g.rounded_rectangle((cx0, cy0 - 40 * SCALE, cx1, cy1 - SCALE),
                                                 radius=9 * SCALE, fill=255))
    sx0, sy = _unit(big, -1.0, 0.40)
    sx1, _ = _unit(big, 1.0, 0.40)
    clipped(SEAM, lambda g: g.rectangle((sx0, sy - SCALE, sx1, sy + SCALE), fill=255))

    # Wheel with ribs.
    ax, ay, bx, by = _part_box(big, "wheel")
    d.rounded_rectangle((ax, ay, bx, by), radius=8 * SCALE, fill=(20, 24, 30, 255),
                        outline=(90, 104, 120, 255), width=SCALE)
    rib = ay + 5 * SCALE
    while rib < by - 4 * SCALE:
        d.line([(ax + 3 * SCALE, rib), (bx - 3 * SCALE, rib)], fill=(70, 82, 96, 255),
               width=SCALE)
        rib += 4 * SCALE
    for name in ("top_front", "top_rear", "edge", "left_top", "side_front", "side_rear",
                 "thumb_1", "thumb_2", "thumb_3", "right_front", "right_rear"):
        rbox(name, SIDE_BUTTON, 4)
    # Light strip on the palm rest.
    lx0, ly0 = _unit(big, -0.35, 0.80)
    lx1, ly1 = _unit(big, 0.35, 0.83)
    d.rounded_rectangle((lx0, ly0, lx1, ly1), radius=4 * SCALE, fill=t.ACCENT + (255,))
    d.rounded_rectangle((lx0 + 6 * SCALE, ly0 + SCALE, lx1 - 6 * SCALE, ly1 - SCALE),
                        radius=3 * SCALE, fill=t.ACCENT_LIGHT + (255,))
    return layer.resize(size, Image.LANCZOS)


def _control_rect(layout, key):
    for control in layout["controls"]:
        if control["key"] == key:
            return control["rect"]
    raise SystemExit("skin generator: callout names key %s which the layout lacks" % key)


def _leader(draw, rect, side, point):
    """Elbow line: out of the button's edge level with its centre, then straight
    to the badge."""
    x, y, w, h = rect
    cy = y + h / 2
    if side == "left":
        start, knee = (x + w + 3, cy), (x + w + 14, cy)
    else:
        start, knee = (x - 3, cy), (x - 14, cy)
    colour = paint.mix(t.ACCENT, t.PANEL, 0.35)
    draw.line([start, knee, point], fill=colour, width=1)
    draw.ellipse((start[0] - 2, cy - 2, start[0] + 2, cy + 2), fill=colour)


def _badge(draw, point, number):
    x, y = point
    r = 7
    draw.ellipse((x - r, y - r, x + r, y + r), fill=t.ACCENT, outline=(220, 240, 255))
    draw.text((x, y), str(number), font=t.font(9, True), fill=(255, 255, 255), anchor="mm")


def draw(image, spec, layout):
    box = tuple(spec["rect"])
    body = _draw_body(image.size, box)
    image.paste(body, (0, 0), body)
    d = ImageDraw.Draw(image)
    points = []
    for callout in spec["callouts"]:
        number = callout["key"]
        rect = _control_rect(layout, callout["key"])
        point = anchor(box, callout["part"])
        side = "left" if rect[0] < box[0] else "right"
        _leader(d, rect, side, point)
        title = "%d  %s" % (number, callout["title"])
        d.text((rect[0] + 1, rect[1] - 4), title, font=t.font(11, True), fill=t.TEXT_MUTED,
               anchor="ls")
        points.append((point, number))
    for point, number in points:
        _badge(d, point, number)
