#!/usr/bin/python3
"""Builds the page's folder from the windows' tables: index.html with every control placed as
the tables place it, the About and Glossary views, the module, the pictures with their @2x
twins, the icons, the font, the web app manifest and the service worker that keeps it all
for offline use.

Usage: make_site.py --tables page_tables.json --page web/page --assets assets --fonts DIR
                    --module hourvault.js --version X.Y.Z --description TEXT --out FOLDER
"""
import argparse
import configparser
import hashlib
import html
import json
import shutil
import sys
from pathlib import Path

try:
    from PIL import Image
except ImportError:
    sys.exit("make_site.py needs Python's imaging library: scripts/setup installs it (python3-pil)")

# The page's script, from these parts in this order, in one scope: one file to fetch.
SCRIPT_PARTS = ("option_list.js", "menu_bar.js", "main_window.js")
FONTS = ("LiberationSans-Regular.ttf", "LiberationSans-Bold.ttf")
FONT_LICENCE = Path("/usr/share/doc/fonts-liberation2/copyright")


def attrs(**values):
    """HTML attributes, in order; None leaves one out, True writes it bare."""
    out = []
    for name, value in values.items():
        name = name.rstrip("_").replace("_", "-")
        if value is None or value is False:
            continue
        out.append(f" {name}" if value is True else f' {name}="{html.escape(str(value))}"')
    return "".join(out)


def box(place, parent=None):
    """A place as CSS, inside its parent's place if given."""
    left, top = place["left"], place["top"]
    if parent:
        left, top = left - parent["left"], top - parent["top"]
    return (f"left:{left}px;top:{top}px;width:{place['width']}px;height:{place['height']}px")


def twin(file):
    stem, _, extension = file.rpartition(".")
    return f"{stem}@2x.{extension}"


class Site:
    def __init__(self, arguments):
        self.a = arguments
        self.tables = json.loads(arguments.tables.read_text())
        self.main = self.tables["main"]
        self.rules = []  # CSS for the desktop width: each control's place
        self.base = []  # CSS for every width: the pictures' boxes
        self.pictures = set()

    def rule(self, selector, css, every_width=False):
        (self.base if every_width else self.rules).append(f"{selector}{{{css}}}")

    # The main window's parts.

    def picture(self, row, element_id, **extra):
        """At its natural size from the box's corner, cut off at its edges; its twin on screens
        of two or more device pixels to the CSS pixel."""
        file = row["text"]
        self.pictures.add(file)
        width, height = Image.open(self.a.assets / file).size
        # A picture not shown at the start (the other model's) is fetched once it is.
        img = (f'<img src="{file}" srcset="{twin(file)} 2x"'
               f'{attrs(width=width, height=height, alt=row["accessible"] or "", loading="lazy" if extra.get("hidden") else None)}>')
        return (f'<div{attrs(id=element_id, class_="picture", data_model=extra.get("model"), data_name=extra.get("name"), hidden=extra.get("hidden", False))}>'
                f"{img}</div>")

    def control(self, role):
        return next(row for row in self.main["controls"] + self.main["resultControls"]
                    if row["role"] == role)

    def list_frame(self, entry):
        frame = self.control(entry["frame"])
        name, number = entry["name"], entry["list"]
        label = frame["accessible"]
        self.rule(f"#{frame['name']}", box(frame["place"]))
        self.rule(f"#{name}-combo", box(self.main["listPlace"]["place"]))
        return (f'<div{attrs(id=frame["name"], class_="frame", role="group", aria_label=label)}>'
                f'<span class="caption" aria-hidden="true">{html.escape(frame["text"])}</span>'
                f'<div id="{name}-combo" class="combo">'
                f'<input{attrs(id=name, data_list=number, role="combobox", aria_label=label, aria_autocomplete="none", aria_expanded="false", aria_controls=f"{name}-entries", autocomplete="off", autocapitalize="off", spellcheck="false", enterkeyhint="done", value=entry["prompt"])}>'
                f'<span class="arrow" aria-hidden="true"></span>'
                f'<div{attrs(id=f"{name}-entries", role="listbox", aria_label=label, hidden=True)}>'
                f'</div></div></div>')

    def button_frame(self):
        frame = next(row for row in self.main["controls"]
                     if row["kind"] == "frame" and row["role"] == "")
        self.rule(f"#{frame['name']}", box(frame["place"]))
        buttons = []
        for role in ("calculate", "clear"):
            row = self.control(role)
            self.rule(f"#{row['name']}", box(row["place"], frame["place"]))
            buttons.append(f'<button{attrs(id=row["name"], class_="command", type="button", data_button=self.tables["buttons"][role])}>'
                           f'{html.escape(row["text"])}</button>')
        return (f'<div{attrs(id=frame["name"], class_="frame buttons", role="group", aria_label=frame["accessible"])}>'
                + "".join(buttons) + "</div>")

    def result_frame(self):
        frame = self.control("resultFrame")
        self.rule(f"#{frame['name']}", box(frame["place"]))
        parts = [f'<span class="caption" aria-hidden="true">{html.escape(frame["text"])}</span>']
        boxes = {row["role"]: row for row in self.main["resultControls"] if row["kind"] == "resultBox"}
        units = {row["labelFor"]: row for row in self.main["resultControls"] if row["kind"] == "label"}
        for role in ("days", "hours"):  # the focus order's
            row, unit = boxes[role], units[role]
            self.rule(f"#{row['name']}", box(row["place"]))
            self.rule(f"#{unit['name']}", box(unit["place"]))
            parts.append(f'<input{attrs(id=row["name"], class_="result", data_box=0 if role == "hours" else 1, readonly=True, aria_label=row["accessible"], autocomplete="off")}>')
            parts.append(f'<span{attrs(id=unit["name"], class_="unit", aria_hidden="true")}>{html.escape(unit["text"])}</span>')
        line, place = self.main["line"], frame["place"]
        parts.append(f'<svg{attrs(id=line["name"], class_="line", width=place["width"], height=place["height"], aria_hidden="true", focusable="false")}>'
                     f'<line{attrs(x1=line["x1"] + 0.5, y1=line["y1"] + 0.5, x2=line["x2"] + 0.5, y2=line["y2"] + 0.5, stroke=line["colour"], stroke_width=1)}/></svg>')
        return (f'<div{attrs(id=frame["name"], class_="frame results", role="group", aria_label=frame["accessible"])}>'
                + "".join(parts) + "</div>")

    def pictures_part(self):
        """The left column: banner, photograph with the format on it, model name. Listed first
        in the table, lies on top."""
        rows = self.main["controls"]
        start = self.main["start"]
        models = {picture["role"]: picture["model"] for picture in self.main["modelPictures"]}
        photo = self.control("photo16")["place"]
        # The photograph's box holds the format label at the same place at every width.
        self.rule(".photo", f"position:relative;width:{photo['width']}px;height:{photo['height']}px",
                  every_width=True)
        shown = {}
        for index, row in enumerate(rows):
            place, z = row["place"], f"z-index:{len(rows) - index}"
            size = f"width:{place['width']}px;height:{place['height']}px"
            if row["kind"] == "picture":
                self.rule(f"#{row['name']}", size, every_width=True)
                self.rule(f"#{row['name']}", box(place) + ";" + z)
                model = models.get(row["role"])
                shown[row["role"]] = self.picture(
                    row, row["name"], model=model, hidden=model not in (None, start["model"]))
            elif row["kind"] == "formatLabel":
                font = self.main["formatFont"]
                self.rule(f"#{row['name']}", "position:absolute;" + box(place, photo) +
                          f";color:{row['look']['text']};font-size:{font['pixels']}px;"
                          f"line-height:{place['height']}px;"
                          f"font-weight:{700 if font['bold'] else 400}", every_width=True)
                self.rule(f"#{row['name']}", box(place) + ";" + z)
                captions = {f"data_caption_{f['format']}": f["caption"] for f in self.main["formats"]}
                caption = next(f["caption"] for f in self.main["formats"]
                               if f["format"] == start["format"])
                shown[row["role"]] = (f'<div{attrs(id=row["name"], class_="format", **captions)}>'
                                      f"{html.escape(caption)}</div>")
        # On a phone, in this order: banner, photograph with the format on it, model names.
        return ('<div class="pictures">' + shown[""] + '<div class="photo">'
                + shown["photo16"] + shown["photo9"] + shown["format"] + "</div>"
                + shown["name16"] + shown["name9"] + "</div>")

    def menubar(self):
        start = self.main["start"]
        menus = []
        for menu in self.tables["menus"]:
            items = []
            for item in menu["items"]:
                if item["caption"] is None:
                    items.append(f'<div{attrs(id=item["name"], role="separator")}></div>')
                    continue
                radio = "model" in item or "format" in item
                checked = None
                if "model" in item:
                    checked = "true" if item["model"] == start["model"] else "false"
                if "format" in item:
                    checked = "true" if item["format"] == start["format"] else "false"
                key = item.get("ctrlKey")
                items.append(
                    f'<div{attrs(id=item["name"], role="menuitemradio" if radio else "menuitem", aria_checked=checked, tabindex=-1, data_command=item["command"], data_model=item.get("model"), data_format=item.get("format"), data_key=key, aria_keyshortcuts=f"Control+{key}" if key else None)}>'
                    f'<span>{html.escape(item["caption"])}</span>'
                    + (f'<span class="key">Ctrl+{key}</span>' if key else "") + "</div>")
            menus.append(
                f'<div class="menu-holder" role="none">'
                f'<button{attrs(id=menu["name"], class_="menu-title", type="button", role="menuitem", aria_haspopup="menu", aria_expanded="false", aria_controls=menu["name"] + "-items", tabindex=-1)}>{html.escape(menu["caption"])}</button>'
                f'<div{attrs(id=menu["name"] + "-items", class_="menu", role="menu", aria_labelledby=menu["name"], tabindex=-1, hidden=True)}>'
                + "".join(items) + "</div></div>")
        return (f'<div{attrs(id="menubar", class_="menubar", role="menubar", aria_label="Menu", aria_keyshortcuts="F10")}>'
                + "".join(menus) + "</div>")

    def main_window(self):
        main = self.main
        client = main["place"]
        # Centred on a whole CSS pixel, so that no edge falls between two device pixels.
        self.rule(f"#{main['name']}", f"width:{client['width']}px;margin-left:max(0px,"
                  f"round(down,50% - {client['width'] / 2}px,1px))")
        self.rule(".client", f"height:{client['height']}px")
        self.rule(".client>*,.frame>*,.pictures>*,.photo>*", "position:absolute")
        self.rule(".pictures,.photo", "display:contents")
        # Frames in the focus order, so that a phone shows them in it: the buttons, the lists,
        # the results.
        lists = {entry["role"]: entry for entry in main["lists"]}
        parts = [f'<h1 class="offscreen">{html.escape(main["caption"])}</h1>', self.button_frame()]
        for role in main["focusOrder"]:
            if role in lists:
                parts.append(self.list_frame(lists[role]))
        parts.append(self.result_frame())
        parts.append(self.pictures_part())
        return (f'<div{attrs(id=main["name"], class_="window", inert=True)}>'
                f'<header>{self.menubar()}</header>'
                f'<main id="client" class="client">' + "".join(parts) + "</main></div>")

    # The help views, as templates the page copies on each opening.

    def view(self, window):
        name = window["name"]
        place = window["place"]
        look = window["look"]
        self.rule(f"#{name}", f"width:{place['width']}px;height:{place['height']}px")
        self.rule(f"#{name}>*,#{name} dl>div>*", "position:absolute")
        self.rule(f"#{name} dl", "display:contents")
        align = "center" if window["centred"] else "left"
        rows = window["controls"]
        explained = {row["role"]: row for row in rows if row["role"].endswith("Explained")}
        parts = [f'<h1{attrs(id=name + "-caption", class_="offscreen")}>{html.escape(window["caption"])}</h1>']
        terms = []
        for row in rows:
            element_id = f"{name}-{row['name']}"
            if row["kind"] != "button":
                self.rule(f"#{element_id}", box(row["place"]))
            if row["kind"] == "picture":
                parts.append(self.picture(row, element_id, name=row["name"]))
            elif row["kind"] == "button":
                self.rule(f"#{element_id}", box(row["place"]))
                parts.append(f'<button{attrs(id=element_id, data_name=row["name"], type="button", class_="ok")}>{html.escape(row["text"])}</button>')
            elif row["labelFor"]:
                text = explained[row["labelFor"]]
                text_id = f"{name}-{text['name']}"
                terms.append(
                    f'<div><dt{attrs(id=element_id, data_name=row["name"], class_="label")}>{html.escape(row["text"])}</dt>'
                    f'<dd{attrs(id=text_id, data_name=text["name"], class_="label")}>{html.escape(text["text"])}</dd></div>')
            elif row["role"] not in explained:
                parts.append(f'<p{attrs(id=element_id, data_name=row["name"], class_="label")}>{html.escape(row["text"])}</p>')
        if terms:
            parts.insert(1, "<dl>" + "".join(terms) + "</dl>")
        style = f"background:{look['background']};color:{look['text']};text-align:{align}"
        return (f'<template id="{name}-view"><section{attrs(id=name, class_="view", data_kind=window["kind"], aria_labelledby=name + "-caption", data_caption=window["caption"], style=style)}>'
                + "".join(parts) + "</section></template>")

    def dialog(self):
        return ('<dialog id="missingData" aria-labelledby="missingData-title" '
                'aria-describedby="missingData-text">'
                '<h2 id="missingData-title" class="dialog-title"></h2>'
                '<p id="missingData-text" class="dialog-text"></p>'
                '<div class="dialog-buttons"><button type="button" id="missingData-ok">OK</button>'
                "</div></dialog>")

    def index(self, name, description):
        main = self.main_window()
        views = "".join(self.view(window) for window in self.tables["helpWindows"])
        style = (self.a.page / "style.css").read_text()
        # Every place at the desktop width; below it the page flows in one column.
        style += "".join(self.base) + "@media (min-width:613px){" + "".join(self.rules) + "}"
        # A title keeps no run of spaces; a no-break space keeps the caption's two.
        title = html.escape(self.main["caption"]).replace("  ", "\u00a0 ")
        return ("<!DOCTYPE html>\n"
                '<html lang="en"><head><meta charset="utf-8">'
                '<meta name="viewport" content="width=device-width, initial-scale=1">'
                f'<meta name="application-name" content="{html.escape(name)}">'
                f'<meta name="description" content="{html.escape(description)}">'
                '<meta name="theme-color" content="#000000">'
                f"<title>{title}</title>"
                '<link rel="manifest" href="manifest.webmanifest">'
                '<link rel="icon" href="icons/scalable.svg" type="image/svg+xml">'
                '<link rel="icon" href="icons/32x32.png" sizes="32x32">'
                '<link rel="apple-touch-icon" href="icons/128x128.png">'
                f"<style>{style}</style>"
                '<script src="hourvault.js" defer></script><script src="app.js" defer></script>'
                f"</head><body>{main}<main id=\"help\" class=\"window\" hidden></main>"
                f"{self.dialog()}{views}"
                f"<noscript><p class=\"ended\">{html.escape(name)} needs JavaScript.</p></noscript>"
                "</body></html>\n")


def icons(assets, out):
    folder = out / "icons"
    folder.mkdir(parents=True, exist_ok=True)
    entries = []
    for icon in sorted((assets / "icons").iterdir(), key=lambda p: (p.suffix, len(p.name), p.name)):
        shutil.copyfile(icon, folder / icon.name)
        if icon.suffix == ".png":
            entries.append({"src": f"icons/{icon.name}", "sizes": icon.stem, "type": "image/png"})
        elif icon.suffix == ".svg":
            entries.append({"src": f"icons/{icon.name}", "sizes": "any", "type": "image/svg+xml"})
    return entries


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    for option in ("tables", "page", "assets", "fonts", "module", "out"):
        parser.add_argument(f"--{option}", type=Path, required=True)
    parser.add_argument("--version", required=True)
    parser.add_argument("--description", required=True)
    arguments = parser.parse_args()
    out = arguments.out
    if out.exists():
        shutil.rmtree(out)
    out.mkdir(parents=True)

    entry = configparser.ConfigParser(interpolation=None)
    entry.read(next(arguments.assets.glob("*.desktop")))
    name = entry["Desktop Entry"]["Name"]
    comment = entry["Desktop Entry"]["Comment"]

    site = Site(arguments)
    (out / "index.html").write_text(site.index(name, comment))
    parts = "\n".join((arguments.page / part).read_text() for part in SCRIPT_PARTS)
    (out / "app.js").write_text(f'"use strict";\n(() => {{\n{parts}}})();\n')
    module = arguments.module
    shutil.copyfile(module, out / module.name)
    shutil.copyfile(module.with_suffix(".wasm"), out / module.with_suffix(".wasm").name)
    for picture in sorted(site.pictures):
        for file in (picture, twin(picture)):
            shutil.copyfile(arguments.assets / file, out / file)
    (out / "fonts").mkdir()
    for font in FONTS:
        shutil.copyfile(arguments.fonts / font, out / "fonts" / font)
    if FONT_LICENCE.exists():
        shutil.copyfile(FONT_LICENCE, out / "fonts" / "LICENSE")

    manifest = {
        "name": name,
        "short_name": name,
        "description": comment,
        "id": "./",
        "start_url": "./",
        "scope": "./",
        "display": "standalone",
        "background_color": "#3a3a3a",
        "theme_color": "#000000",
        "version": arguments.version,
        "icons": icons(arguments.assets, out),
    }
    (out / "manifest.webmanifest").write_text(json.dumps(manifest, indent=1) + "\n")

    # The service worker keeps every file; its cache is named by their contents, so a new
    # build replaces the old cache as soon as the page is opened online.
    files = sorted(str(path.relative_to(out)) for path in out.rglob("*") if path.is_file())
    digest = hashlib.sha256()
    for file in files:
        digest.update(file.encode() + b"\0" + (out / file).read_bytes())
    worker = (arguments.page / "sw.js").read_text()
    worker = worker.replace('"@FILES@"', json.dumps(["./"] + files))
    worker = worker.replace("@VERSION@", f"{arguments.version}-{digest.hexdigest()[:12]}")
    (out / "sw.js").write_text(worker)


main()
