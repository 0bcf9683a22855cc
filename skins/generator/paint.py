"""Drawing primitives shared by faces and window backgrounds."""
from PIL import Image, ImageChops, ImageDraw

from scale import s


def box(rect):
    """Layout rectangles are [x, y, w, h]; PIL wants inclusive corners."""
    x, y, w, h = rect
    return (x, y, x + w - 1, y + h - 1)


def mix(a, b, t):
    return tuple(int(round(a[i] + (b[i] - a[i]) * t)) for i in range(3))


def gradient(image, rect, top, bottom, radius=0):
    """Vertical gradient clipped to a rounded rectangle.

    Anti-aliased corners come from drawing the shape at four times the size and
    scaling it down into the alpha channel of the paste.
    """
    x, y, w, h = rect
    if w <= 0 or h <= 0:
        return
    fill = Image.new("RGB", (w, h))
    fd = ImageDraw.Draw(fill)
    for row in range(h):
        fd.line([(0, row), (w - 1, row)], fill=mix(top, bottom, row / max(1, h - 1)))
    image.paste(fill, (x, y), _shape(w, h, radius))


def outline(image, rect, colour, radius=0, width=None):
    """A line `width` wide (one pixel at 100 %, scaled) inside rect's edge."""
    width = s(1) if width is None else width
    x, y, w, h = rect
    if w <= 0 or h <= 0:
        return
    solid = Image.new("RGB", (w, h), colour)
    outer = _shape(w, h, radius)
    inner = Image.new("L", (w, h), 0)
    if w > 2 * width and h > 2 * width:
        inner.paste(_shape(w - 2 * width, h - 2 * width, max(0, radius - width)), (width, width))
    image.paste(solid, (x, y), ImageChops.subtract(outer, inner))


def _shape(w, h, radius):
    scale = 4
    mask = Image.new("L", (w * scale, h * scale), 0)
    ImageDraw.Draw(mask).rounded_rectangle(
        (0, 0, w * scale - 1, h * scale - 1), radius=radius * scale, fill=255)
    return mask.resize((w, h), Image.LANCZOS)


def text_size(draw, text, font):
    left, top, right, bottom = draw.textbbox((0, 0), text, font=font)
    return right - left, bottom - top


def text_in(draw, rect, text, font, colour, align="centre", pad=0):
    """Text centred vertically in rect; horizontally left, centred or right."""
    x, y, w, h = rect
    anchor = {"left": "lm", "centre": "mm", "right": "rm"}[align]
    tx = {"left": x + pad, "centre": x + w / 2, "right": x + w - pad}[align]
    draw.text((tx, y + h / 2), text, font=font, fill=colour, anchor=anchor)


def text_at(draw, point, text, font, colour, anchor="la"):
    draw.text(tuple(point), text, font=font, fill=colour, anchor=anchor)


def _wide(character):
    """Chinese letters and their punctuation: a line may break beside any."""
    return "\u2e80" <= character <= "\u9fff" or "\uff00" <= character <= "\uffef" or \
        "\u3000" <= character <= "\u303f"


# Marks that close a clause or a quote: never the first thing on a line.
CLOSING_MARKS = "，。、；：！？）”’》」』】"


def _words(paragraph):
    """The units a line breaks between: words, and each wide character;
    True for a unit that follows the one before it with a blank."""
    words = []
    blank = False
    word = ""
    for character in paragraph:
        if character.isspace() or _wide(character):
            if word:
                words.append((word, blank))
                word = ""
                blank = False
            if character.isspace():
                blank = True
            else:
                words.append((character, blank))
                blank = False
        else:
            word += character
    if word:
        words.append((word, blank))
    return words


def _last_unit_start(line):
    """Where the last unit of `line` (a wide letter or a word) and the closing
    marks after it begin."""
    end = len(line)
    while end > 0 and line[end - 1] in CLOSING_MARKS:
        end -= 1
    if end > 0 and _wide(line[end - 1]):
        return end - 1
    start = end
    while start > 0 and not line[start - 1].isspace() and not _wide(line[start - 1]):
        start -= 1
    return start


def wrap_lines(draw, text, font, width):
    """Greedy word wrap at `width`: the lines. Chinese text breaks between any
    two letters, but never before a closing mark: the letter or word before
    the marks goes down with them."""
    lines = []
    for paragraph in text.split("\n"):
        line = ""
        for word, blank in _words(paragraph):
            trial = (line + (" " if blank and line else "") + word)
            if text_size(draw, trial, font)[0] <= width or not line:
                line = trial
            elif word in CLOSING_MARKS and _last_unit_start(line) > 0:
                start = _last_unit_start(line)
                lines.append(line[:start].rstrip())
                line = line[start:] + word
            else:
                lines.append(line)
                line = word
        lines.append(line)
    return lines


def wrapped(draw, rect, text, font, colour, spacing=5, middle=False):
    """Text wrapped inside rect's width (wrap_lines), from its top or centred
    in its height; returns the height used. `spacing` is at 100 %."""
    spacing = s(spacing)
    x, y, w, h = rect
    lines = wrap_lines(draw, text, font, w)
    line_height = font.getbbox("Ag")[3] + spacing
    used = len(lines) * line_height - spacing
    top = y + (h - used) // 2 if middle else y
    for i, line in enumerate(lines):
        draw.text((x, top + i * line_height), line, font=font, fill=colour)
    return used
