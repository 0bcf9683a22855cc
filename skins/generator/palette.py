"""The colour picker's palette: the user picks a colour by clicking a pixel, so
every pixel must be a clean colour and the grey row must reach pure white and
pure black, with a patch of each wide enough to hit without aiming."""
import colorsys

from PIL import Image

from scale import s


def draw(image, rect):
    x, y, w, h = rect
    grey_rows = max(s(12), h // 8)
    hues = Image.new("RGB", (w, h - grey_rows))
    pixels = hues.load()
    top = h - grey_rows
    for col in range(w):
        hue = col / w
        for row in range(top):
            v = row / max(1, top - 1)
            # Upper half: from white to the full colour; lower half: to black.
            if v < 0.5:
                r, g, b = colorsys.hsv_to_rgb(hue, v * 2, 1.0)
            else:
                r, g, b = colorsys.hsv_to_rgb(hue, 1.0, 1.0 - (v - 0.5) * 2 * 0.85)
            pixels[col, row] = (round(r * 255), round(g * 255), round(b * 255))
    image.paste(hues, (x, y))
    greys = Image.new("RGB", (w, grey_rows))
    gp = greys.load()
    flat = min(s(12), w // 10)
    ramp = max(1, w - 2 * flat - 1)
    for col in range(w):
        level = round(255 * (1 - min(max(col - flat, 0), ramp) / ramp))
        for row in range(grey_rows):
            gp[col, row] = (level, level, level)
    image.paste(greys, (x, y + top))
