"""The skin INI as the program reads it: a SCREEN section naming the five
pictures and a BUTTONPOS section of seven comma-separated fields per key."""

LABEL_MAX = 39
TOOLTIP_MAX = 99


def _checked_text(what, text, limit, key, ini):
    if "," in text or len(text) > limit or "\n" in text:
        raise SystemExit("skin generator: %s of key %s in %s must be at most %d characters "
                         "without commas: %r" % (what, key, ini, limit, text))
    text.encode("ascii")
    return text


def button_line(control, ini):
    key = control["key"]
    label = _checked_text("label", control["label"], LABEL_MAX, key, ini)
    tooltip = _checked_text("tooltip", control.get("tooltip", ""), TOOLTIP_MAX, key, ini)
    if "TRUE" in tooltip:
        # The reader takes "TRUE" anywhere after the label as the pressed flag.
        raise SystemExit("skin generator: tooltip of key %s in %s must not contain TRUE"
                         % (key, ini))
    x, y, w, h = control["rect"]
    flag = "TRUE" if control.get("pressed") else "FALSE"
    return "%d=%s,%d,%d,%d,%d,%s,%s" % (key, label, x, y, w, h, tooltip, flag)


def write(path, section, images, controls, ini, keyboard=()):
    lines = ["[%s]" % section]
    for name in ("Mask", "Normal", "Over", "Down", "Disable"):
        lines.append("%s=%s" % (name, images[name]))
    lines.append("")
    lines.append("[BUTTONPOS]")
    for control in sorted(controls, key=lambda c: c["key"]):
        lines.append(button_line(control, ini))
    if keyboard:
        lines.append("")
        lines.append("[KEYBOARD]")
        lines.extend(keyboard)
    # Windows INI files: CRLF line ends, ANSI text (ours is plain ASCII).
    path.write_bytes(("\r\n".join(lines) + "\r\n").encode("ascii"))
