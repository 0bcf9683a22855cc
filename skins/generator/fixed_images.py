"""Pictures the program loads by fixed name rather than through an INI."""
from PIL import Image, ImageDraw

import paint
import theme as t
from scale import s


def region_button_mask(size):
    """Shape of the main window's OK, Cancel and Apply buttons: the same pill the
    faces are painted as, black inside, white (transparent) outside, no grey
    edge pixels, since any colour but pure white counts as inside."""
    w, h = size
    mask = Image.new("1", (w, h), 1)
    ImageDraw.Draw(mask).rounded_rectangle((0, 0, w - 1, h - 1), radius=h // 2, fill=0)
    return mask.convert("RGB")


def scroll_arrow(size, pointing):
    w, h = size
    image = Image.new("RGB", (w, h), t.LIST_BACKGROUND)
    paint.gradient(image, (0, 0, w, h), t.FACE_TOP, t.FACE_BOTTOM, s(3))
    paint.outline(image, (0, 0, w, h), t.FACE_EDGE, s(3))
    draw = ImageDraw.Draw(image)
    cx, cy = w / 2 - 0.5, h / 2 - 0.5
    if pointing == "up":
        tri = [(cx - s(4), cy + s(2)), (cx + s(4), cy + s(2)), (cx, cy - s(2))]
    else:
        tri = [(cx - s(4), cy - s(2)), (cx + s(4), cy - s(2)), (cx, cy + s(2))]
    draw.polygon(tri, fill=t.TEXT)
    return image


def slider_thumb(size, background):
    """The slider's knob. It is drawn as an opaque rectangle over the track, so it
    carries its own piece of the groove and of the panel behind it."""
    w, h = size
    image = Image.new("RGB", (w, h), background)
    cy = h // 2
    one = s(1)
    paint.gradient(image, (0, cy - s(2), w, s(5)), (4, 14, 24), (20, 50, 76), 0)
    paint.gradient(image, (one, one, w - 2 * one, h - 2 * one), (120, 200, 250), (36, 128, 200), s(4))
    paint.outline(image, (one, one, w - 2 * one, h - 2 * one), (190, 230, 255), s(4))
    draw = ImageDraw.Draw(image)
    for dx in (-2, 0, 2):
        draw.line([(w // 2 + s(dx), cy - s(4)), (w // 2 + s(dx), cy + s(4))], fill=(20, 80, 130),
                  width=one)
    return image


def write_all(out_dir, region_size, thumb_size, thumb_background):
    region_button_mask(region_size).save(out_dir / "rgnbutton_mask.bmp")
    scroll_arrow((s(16), s(16)), "up").save(out_dir / "scroll_arrow_up.bmp")
    scroll_arrow((s(16), s(16)), "down").save(out_dir / "scroll_arrow_down.bmp")
    slider_thumb(thumb_size, thumb_background).save(out_dir / "slider_thumb.bmp")
