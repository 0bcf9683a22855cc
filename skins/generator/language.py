"""The default skin in other languages. Each skins/lang/TAG.json holds, by
its English wording, every text the layouts show; the generator draws the
whole skin again with those texts into OUT_DIR/TAG/, which Option uses when it
speaks that language. A shown text without an entry stops the build, so a
new control cannot go out half translated.

The INI files of such a skin are UTF-8 with a byte order mark: their labels
and tooltips must read the same whatever the system's code page."""
import copy
import json
import pathlib


# Where a layout keeps the texts it shows, besides its controls'.
DECOR_TEXT_KEYS = ("text", "subtitle", "title")
CONTROL_TEXT_KEYS = ("text", "tooltip", "label")


def tables(layout_dir):
    """(tag, table) for every language beside the layout folder."""
    folder = pathlib.Path(layout_dir).parent / "lang"
    found = []
    for path in sorted(folder.glob("*.json")):
        with open(path, encoding="utf-8") as f:
            found.append((path.stem, json.load(f)))
    return found


def _shown(control):
    """A control with no place is never shown, and its texts never read."""
    x, y, w, h = control["rect"]
    return w > 0 and h > 0


def _translate(texts, english, where):
    if english in texts:
        return texts[english]
    raise SystemExit("skin generator: no translation for %r (%s)" % (english, where))


def _with_access_key(text, letter):
    """Chinese Windows shows the access letter in brackets after the text."""
    if letter.upper() in text.upper():
        return text
    return "%s(%s)" % (text, letter.upper())


def translated(layout, table, tag):
    """A copy of `layout` speaking the table's language."""
    texts = table["texts"]
    out = copy.deepcopy(layout)
    where = "%s in %s" % (layout["source"], tag)
    for spec in out.get("decor", []):
        for key in DECOR_TEXT_KEYS:
            if spec.get(key):
                spec[key] = _translate(texts, spec[key], where)
        for callout in spec.get("callouts", []):
            callout["title"] = _translate(texts, callout["title"], where)
    for control in out["controls"]:
        if not _shown(control):
            continue
        for key in CONTROL_TEXT_KEYS:
            if control.get(key):
                control[key] = _translate(texts, control[key], where)
        if "access" in control:
            control["text"] = _with_access_key(control["text"], control["access"])
    return out


def skins(layout_dir, out_dir, layouts):
    """(folder, layouts, script, INI encoding) of each language's skin."""
    return [(pathlib.Path(out_dir) / tag, [translated(layout, table, tag) for layout in layouts],
             table.get("script", "latin"), "utf-8") for tag, table in tables(layout_dir)]
