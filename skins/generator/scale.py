"""The size the skin is being drawn at, and how lengths grow with it.

A variant is drawn, not stretched: every length of the layout and of the
drawing code goes through s(), every font through theme.font at its scaled
size. Lengths round as the program rounds its own (ui/core/DisplayScale):
to the nearest pixel, halves away from zero; a rectangle scales by its
edges, so neighbours that touch at 100 % still touch.
"""
import copy

# The variants the default skin ships: 100 % in the skin folder itself, the
# others in a folder named by their percent.
PERCENTS = (100, 125, 150, 175, 200)

_percent = 100


def use(percent):
    global _percent
    _percent = percent


def percent():
    return _percent


def length(value, at):
    rounded = (abs(value) * at + 50) // 100
    return -rounded if value < 0 else rounded


def s(value):
    """A length of the 100 % layout at the size being drawn."""
    return length(value, _percent)


def rect(r):
    """[x, y, w, h] scaled by its edges."""
    x, y, w, h = r
    left, top = s(x), s(y)
    return [left, top, s(x + w) - left, s(y + h) - top]


def point(p):
    return [s(p[0]), s(p[1])]


# Layout keys that hold a rectangle or a point; every other number (a radius,
# a font size, a count) is scaled where it is used.
_RECTS = ("rect",)
_POINTS = ("at", "from", "to")


def layout(source):
    """A copy of a layout with its places at the size being drawn."""
    scaled = copy.deepcopy(source)
    scaled["size"] = point(source["size"])
    for item in scaled["controls"] + scaled.get("decor", []):
        for key in _RECTS:
            if key in item:
                item[key] = rect(item[key])
        for key in _POINTS:
            if key in item:
                item[key] = point(item[key])
    return scaled
