"""Top view of the mouse for the button page, with a numbered badge on each of
its buttons and a leader line from every badge to the control that sets it.

Shapes are described in unit coordinates: x from -1 (left edge) to 1 (right
edge), y from 0 (front) to 1 (back). The drawing is made at four times the
size and scaled down, which gives smooth edges without a vector library.
"""
from PIL import Image, ImageChops, ImageDraw, ImageFilter

import paint
import theme as t
from scale import s

SCALE = 4

# Right half of the shell, front to back; the left half mirrors it. Narrow and
# round at the front, a waist where the thumb rests, wide under the palm.
OUTLINE = [(0.0, 0.0), (0.26, 0.008), (0.50, 0.035), (0.70, 0.085), (0.84, 0.16),
           (0.90, 0.27), (0.86, 0.40), (0.84, 0.50), (0.90, 0.62), (0.97, 0.76),
           (0.95, 0.88), (0.80, 0.965), (0.45, 0.995), (0.0, 1.0)]

# Where each part sits: a rounded box (x0, y0, x1, y1) in unit coordinates.
PARTS = {
    "left": (-0.80, 0.05, -0.10, 0.40),
    "right": (0.10, 0.05, 0.80, 0.40),
    "wheel": (-0.08, 0.10, 0.08, 0.22),
    "top_front": (-0.07, 0.285, 0.07, 0.318),
    "top_rear": (-0.07, 0.335, 0.07, 0.368),
    "edge": (-0.84, 0.20, -0.72, 0.30),
    "left_top": (-0.62, 0.435, -0.40, 0.47),
    "side_front": (-0.92, 0.43, -0.80, 0.51),
    "side_rear": (-0.90, 0.525, -0.78, 0.605),
    "thumb_1": (-0.99, 0.64, -0.88, 0.70),
    "thumb_2": (-1.02, 0.715, -0.91, 0.775),
    "thumb_3": (-1.02, 0.79, -0.91, 0.85),
    "right_front": (0.82, 0.45, 0.92, 0.53),
    "right_rear": (0.84, 0.56, 0.94, 0.64),
}

# Badges of the wheel's three functions: above it, on it and below it.
ANCHORS = {
    "wheel_up": (0.0, 0.062),
    "wheel_click": (0.0, 0.16),
    "wheel_down": (0.0, 0.255),
}

SHELL_FRONT = (52, 60, 72)
SHELL_BACK = (26, 30, 37)
PLATE_FRONT = (70, 80, 94)
PLATE_BACK = (44, 51, 61)
CHANNEL = (14, 16, 20)
SEAM = (10, 12, 15)
RIM = (96, 112, 128)
SIDE_BUTTON = (78, 90, 106)
SIDE_EDGE = (132, 150, 170)
RUBBER = (30, 34, 40)
RIB = (96, 108, 122)


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
        for step in range(steps):
            u = step / steps
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


class _Canvas:
    """A transparent layer at SCALE times the size, and the shell that clips it."""

    def __init__(self, size, box):
        self.layer = Image.new("RGBA", (size[0] * SCALE, size[1] * SCALE), (0, 0, 0, 0))
        self.box = tuple(v * SCALE for v in box)
        self.shell = _outline_points(self.box)
        self.clip = Image.new("L", self.layer.size, 0)
        ImageDraw.Draw(self.clip).polygon(self.shell, fill=255)

    def fill(self, shape, top, bottom=None, clipped=True, alpha=255):
        """Paint a vertical gradient through a shape drawn by shape(draw)."""
        mask = Image.new("L", self.layer.size, 0)
        shape(ImageDraw.Draw(mask))
        if clipped:
            mask = ImageChops.multiply(mask, self.clip)
        if alpha != 255:
            mask = mask.point(lambda v: v * alpha // 255)
        box = mask.getbbox()
        if not box:
            return
        paint_layer = Image.new("RGBA", self.layer.size, top + (255,))
        if bottom is not None:
            x0, y0, x1, y1 = box
            band = Image.new("RGBA", (1, y1 - y0))
            for row in range(y1 - y0):
                band.putpixel((0, row), paint.mix(top, bottom, row / max(1, y1 - y0 - 1)) + (255,))
            paint_layer.paste(band.resize((x1 - x0, y1 - y0)), (x0, y0))
        self.layer.paste(paint_layer, (0, 0), mask)

    def part(self, name):
        return _part_box(self.box, name)

    def unit(self, ux, uy):
        return _unit(self.box, ux, uy)


def _draw_body(size, box):
    c = _Canvas(size, box)
    x, y, w, h = c.box
    # Lighting glow around the shell, then the shell itself, darker to the back.
    for grow, alpha in ((12, 40), (7, 70), (3, 120)):
        g = s(grow) * SCALE
        glow = _outline_points((x - g, y - g, w + 2 * g, h + 2 * g))
        c.fill(lambda d, p=glow: d.polygon(p, fill=255), t.ACCENT, clipped=False, alpha=alpha)
    c.fill(lambda d: d.polygon(c.shell, fill=255), SHELL_FRONT, SHELL_BACK)

    # Main buttons: two plates split by the wheel's channel, a seam behind them.
    for name in ("left", "right"):
        ax, ay, bx, by = c.part(name)
        c.fill(lambda d, r=(ax, ay - s(60) * SCALE, bx, by): d.rounded_rectangle(
            r, radius=s(16) * SCALE, fill=255), PLATE_FRONT, PLATE_BACK)
    cx0, cy0 = c.unit(-0.13, 0.0)
    cx1, cy1 = c.unit(0.13, 0.40)
    c.fill(lambda d: d.rounded_rectangle((cx0, cy0 - s(60) * SCALE, cx1, cy1),
                                         radius=s(10) * SCALE, fill=255), CHANNEL)
    sx0, sy = c.unit(-1.1, 0.40)
    sx1, _ = c.unit(1.1, 0.40)
    c.fill(lambda d: d.rectangle((sx0, sy - s(1) * SCALE, sx1, sy + s(1) * SCALE), fill=255), SEAM)

    # A soft sheen on the front left, as if lit from above.
    sheen = Image.new("L", c.layer.size, 0)
    hx0, hy0 = c.unit(-0.7, 0.06)
    hx1, hy1 = c.unit(-0.2, 0.5)
    ImageDraw.Draw(sheen).ellipse((hx0, hy0, hx1, hy1), fill=40)
    sheen = ImageChops.multiply(sheen.filter(ImageFilter.GaussianBlur(s(12) * SCALE)), c.clip)
    c.layer.paste(Image.new("RGBA", c.layer.size, (255, 255, 255, 255)), (0, 0),
                  ImageChops.multiply(sheen, c.layer.split()[3]))

    d = ImageDraw.Draw(c.layer)
    d.line(c.shell + [c.shell[0]], fill=RIM + (255,), width=s(2) * SCALE)

    ax, ay, bx, by = c.part("wheel")
    d.rounded_rectangle((ax, ay, bx, by), radius=s(9) * SCALE, fill=RUBBER + (255,),
                        outline=RIM + (255,), width=s(1) * SCALE)
    rib = ay + s(5) * SCALE
    while rib < by - s(4) * SCALE:
        d.line([(ax + s(3) * SCALE, rib), (bx - s(3) * SCALE, rib)], fill=RIB + (255,), width=s(1) * SCALE)
        rib += s(5) * SCALE

    for name in ("top_front", "top_rear", "edge", "left_top", "side_front", "side_rear",
                 "thumb_1", "thumb_2", "thumb_3", "right_front", "right_rear"):
        ax, ay, bx, by = c.part(name)
        d.rounded_rectangle((ax, ay, bx, by), radius=s(5) * SCALE, fill=SIDE_BUTTON + (255,),
                            outline=SIDE_EDGE + (255,), width=s(1) * SCALE)

    # Light strip on the palm rest.
    lx0, ly0 = c.unit(-0.35, 0.80)
    lx1, ly1 = c.unit(0.35, 0.83)
    d.rounded_rectangle((lx0, ly0, lx1, ly1), radius=s(4) * SCALE, fill=t.ACCENT + (255,))
    d.rounded_rectangle((lx0 + s(6) * SCALE, ly0 + s(1) * SCALE, lx1 - s(6) * SCALE, ly1 - s(1) * SCALE),
                        radius=s(3) * SCALE, fill=t.ACCENT_LIGHT + (255,))
    return c.layer.resize(size, Image.LANCZOS)


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
        start, knee = (x + w + s(3), cy), (x + w + s(14), cy)
    else:
        start, knee = (x - s(3), cy), (x - s(14), cy)
    colour = paint.mix(t.ACCENT, t.PANEL, 0.35)
    draw.line([start, knee, point], fill=colour, width=s(1))
    dot = s(2)
    draw.ellipse((start[0] - dot, cy - dot, start[0] + dot, cy + dot), fill=colour)


def _badge(draw, point, number):
    x, y = point
    r = s(7)
    draw.ellipse((x - r, y - r, x + r, y + r), fill=t.ACCENT, outline=(220, 240, 255), width=s(1))
    draw.text((x, y), str(number), font=t.font(9, True), fill=(255, 255, 255), anchor="mm")


def draw(image, spec, layout):
    box = tuple(spec["rect"])
    # The shell is drawn on a layer just larger than it and its glow, not
    # the whole picture: at 200 % a layer of the page at four times the size
    # would be hundreds of megabytes.
    margin = s(16)
    x0, y0 = max(0, box[0] - margin), max(0, box[1] - margin)
    x1 = min(image.width, box[0] + box[2] + margin)
    y1 = min(image.height, box[1] + box[3] + margin)
    body = _draw_body((x1 - x0, y1 - y0), (box[0] - x0, box[1] - y0, box[2], box[3]))
    image.paste(body, (x0, y0), body)
    d = ImageDraw.Draw(image)
    points = []
    for callout in spec["callouts"]:
        number = callout["key"]
        rect = _control_rect(layout, callout["key"])
        point = anchor(box, callout["part"])
        side = "left" if rect[0] < box[0] else "right"
        _leader(d, rect, side, point)
        title = "%d  %s" % (number, callout["title"])
        d.text((rect[0] + s(1), rect[1] - s(4)), title, font=t.font(11, True), fill=t.TEXT_MUTED,
               anchor="ls")
        points.append((point, number))
    for point, number in points:
        _badge(d, point, number)
