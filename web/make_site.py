#!/usr/bin/python3
"""Builds the page's folder from the windows' tables: index.html with every control placed as
the tables place it, the About and Glossary views, the module, the pictures with their @2x
twins, the icons, the font, the web app manifest and the service worker that keeps it all
for offline use.

Usage: make_site.py --tables page_tables.json --page web/page --assets assets --fonts DIR
                    --module hourvault.js --version X.Y.Z --out FOLDER
"""
import argparse
import configparser
import hashlib
import html
import json
import re
import shutil
import sys
from pathlib import Path

try:
    from PIL import Image
except ImportError:
    sys.exit("make_site.py needs Python's imaging library: scripts/setup installs it (python3-pil)")

# The page's script, from these parts in this order, in one scope: one file to fetch.
SCRIPT_PARTS = ("option_list.js", "menu_bar.js", "main_window.js")
FONT_LICENCE = Path("/usr/share/doc/fonts-liberation2/copyright")


def tag(element, /, *content, **attributes):
    """An element: attributes in order (None leaves one out, True writes it bare), then its
    content, already HTML; an input or an image has none and no end tag."""
    written = []
    for key, value in attributes.items():
        key = key.rstrip("_").replace("_", "-")
        if value is not None and value is not False:
            written.append(f" {key}" if value is True else f' {key}="{html.escape(str(value))}"')
    start = f"<{element}{''.join(written)}>"
    if element in ("input", "img", "meta", "link"):
        return start
    return f"{start}{''.join(content)}</{element}>"


def text(words):
    return html.escape(words, quote=False)


def box(place, parent=None):
    """A place as CSS, inside its parent's place if given."""
    left, top = place["left"], place["top"]
    if parent:
        left, top = left - parent["left"], top - parent["top"]
    return f"left:{left}px;top:{top}px;width:{place['width']}px;height:{place['height']}px"


def twin(file):
    stem, _, extension = file.rpartition(".")
    return f"{stem}@2x.{extension}"


def caption(row):
    return tag("span", text(row["text"]), class_="caption", aria_hidden="true")


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

    def picture(self, row, element_id, model=None, hidden=False, name=None):
        """At its natural size from the box's corner, cut off at its edges; its twin on screens
        of two or more device pixels to the CSS pixel. One not shown at the start (the other
        model's) is fetched once it is."""
        file = row["text"]
        self.pictures.add(file)
        width, height = Image.open(self.a.assets / file).size
        image = tag("img", src=file, srcset=f"{twin(file)} 2x", width=width, height=height,
                    alt=row["accessible"] or "", loading="lazy" if hidden else None)
        return tag("div", image, id=element_id, class_="picture", data_model=model,
                   data_name=name, hidden=hidden)

    # The main window's parts.

    def control(self, role):
        return next(row for row in self.main["controls"] + self.main["resultControls"]
                    if row["role"] == role)

    def list_frame(self, entry):
        frame = self.control(entry["frame"])
        name, label = entry["name"], frame["accessible"]
        self.rule(f"#{frame['name']}", box(frame["place"]))
        self.rule(f"#{name}-combo", box(self.main["listPlace"]["place"]))
        field = tag("input", id=name, data_list=entry["list"], role="combobox", aria_label=label,
                    aria_autocomplete="none", aria_expanded="false",
                    aria_controls=f"{name}-entries", autocomplete="off", autocapitalize="off",
                    spellcheck="false", enterkeyhint="done", value=entry["prompt"])
        arrow = tag("span", class_="arrow", aria_hidden="true")
        entries = tag("div", id=f"{name}-entries", role="listbox", aria_label=label, hidden=True)
        combo = tag("div", field, arrow, entries, id=f"{name}-combo", class_="combo")
        return tag("div", caption(frame), combo, id=frame["name"], class_="frame", role="group",
                   aria_label=label)

    def button_frame(self):
        frame = next(row for row in self.main["controls"]
                     if row["kind"] == "frame" and row["role"] == "")
        self.rule(f"#{frame['name']}", box(frame["place"]))
        buttons = []
        for role in ("calculate", "clear"):
            row = self.control(role)
            self.rule(f"#{row['name']}", box(row["place"], frame["place"]))
            buttons.append(tag("button", text(row["text"]), id=row["name"], class_="command",
                               type="button", data_button=self.tables["buttons"][role]))
        return tag("div", *buttons, id=frame["name"], class_="frame buttons", role="group",
                   aria_label=frame["accessible"])

    def result_frame(self):
        frame = self.control("resultFrame")
        self.rule(f"#{frame['name']}", box(frame["place"]))
        rows = self.main["resultControls"]
        boxes = {row["role"]: row for row in rows if row["kind"] == "resultBox"}
        units = {row["labelFor"]: row for row in rows if row["kind"] == "label"}
        parts = [caption(frame)]
        for role in ("days", "hours"):  # in the focus order
            row, unit = boxes[role], units[role]
            self.rule(f"#{row['name']}", box(row["place"]))
            self.rule(f"#{unit['name']}", box(unit["place"]))
            parts.append(tag("input", id=row["name"], class_="result", readonly=True,
                             data_box=0 if role == "hours" else 1, aria_label=row["accessible"],
                             autocomplete="off"))
            parts.append(tag("span", text(unit["text"]), id=unit["name"], class_="unit",
                             aria_hidden="true"))
        line, place = self.main["line"], frame["place"]
        # Through the middle of the pixels at its ends.
        stroke = tag("line", x1=line["x1"] + 0.5, y1=line["y1"] + 0.5, x2=line["x2"] + 0.5,
                     y2=line["y2"] + 0.5, stroke=line["colour"], stroke_width=1)
        parts.append(tag("svg", stroke, id=line["name"], class_="line", width=place["width"],
                         height=place["height"], aria_hidden="true", focusable="false"))
        return tag("div", *parts, id=frame["name"], class_="frame results", role="group",
                   aria_label=frame["accessible"])

    def pictures_part(self):
        """The left column: banner, photograph with the format on it, model name. Listed first
        in the table, lies on top."""
        rows = self.main["controls"]
        start = self.main["start"]
        models = {picture["role"]: picture["model"] for picture in self.main["modelPictures"]}
        photo = self.control("photo16")["place"]
        # The photograph's box holds the format label at the same place at every width.
        self.rule(".photo", f"position:relative;width:{photo['width']}px;"
                  f"height:{photo['height']}px", every_width=True)
        shown = {}
        for index, row in enumerate(rows):
            place, z = row["place"], f"z-index:{len(rows) - index}"
            if row["kind"] == "picture":
                self.rule(f"#{row['name']}", f"width:{place['width']}px;"
                          f"height:{place['height']}px", every_width=True)
                self.rule(f"#{row['name']}", f"{box(place)};{z}")
                model = models.get(row["role"])
                shown[row["role"]] = self.picture(row, row["name"], model=model,
                                                  hidden=model not in (None, start["model"]))
            elif row["kind"] == "formatLabel":
                font = self.main["formatFont"]
                self.rule(f"#{row['name']}", f"position:absolute;{box(place, photo)};"
                          f"color:{row['look']['text']};font-size:{font['pixels']}px;"
                          f"line-height:{place['height']}px;"
                          f"font-weight:{700 if font['bold'] else 400}", every_width=True)
                self.rule(f"#{row['name']}", f"{box(place)};{z}")
                formats = self.main["formats"]
                captions = {f"data_caption_{f['format']}": f["caption"] for f in formats}
                now = next(f["caption"] for f in formats if f["format"] == start["format"])
                shown[row["role"]] = tag("div", text(now), id=row["name"], class_="format",
                                         **captions)
        # On a phone, in this order: banner, photograph with the format on it, model names.
        photograph = tag("div", shown["photo16"], shown["photo9"], shown["format"],
                         class_="photo")
        return tag("div", shown[""], photograph, shown["name16"], shown["name9"],
                   class_="pictures")

    def menu_item(self, item):
        if item["caption"] is None:
            return tag("div", id=item["name"], role="separator")
        start = self.main["start"]
        checked = None
        for setting in ("model", "format"):
            if setting in item:
                checked = "true" if item[setting] == start[setting] else "false"
        key = item.get("ctrlKey")
        shortcut = tag("span", f"Ctrl+{key}", class_="key") if key else ""
        return tag("div", tag("span", text(item["caption"])), shortcut, id=item["name"],
                   role="menuitem" if checked is None else "menuitemradio",
                   aria_checked=checked, tabindex=-1, data_command=item["command"],
                   data_model=item.get("model"), data_format=item.get("format"), data_key=key,
                   aria_keyshortcuts=f"Control+{key}" if key else None)

    def menubar(self):
        menus = []
        for menu in self.tables["menus"]:
            items = menu["name"] + "-items"
            title = tag("button", text(menu["caption"]), id=menu["name"], class_="menu-title",
                        type="button", role="menuitem", aria_haspopup="menu",
                        aria_expanded="false", aria_controls=items, tabindex=-1)
            popup = tag("div", *map(self.menu_item, menu["items"]), id=items, class_="menu",
                        role="menu", aria_labelledby=menu["name"], tabindex=-1, hidden=True)
            menus.append(tag("div", title, popup, class_="menu-holder", role="none"))
        return tag("div", *menus, id="menubar", class_="menubar", role="menubar",
                   aria_label="Menu", aria_keyshortcuts="F10")

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
        parts = [tag("h1", text(main["caption"]), class_="offscreen"), self.button_frame()]
        parts += [self.list_frame(lists[role]) for role in main["focusOrder"] if role in lists]
        parts += [self.result_frame(), self.pictures_part()]
        return tag("div", tag("header", self.menubar()),
                   tag("main", *parts, id="client", class_="client"),
                   id=main["name"], class_="window", inert=True)

    # The help views, as templates the page copies on each opening.

    def view(self, window):
        name, place, look = window["name"], window["place"], window["look"]
        self.rule(f"#{name}", f"width:{place['width']}px;height:{place['height']}px")
        self.rule(f"#{name}>*,#{name} dl>div>*", "position:absolute")
        self.rule(f"#{name} dl", "display:contents")
        rows = window["controls"]
        explained = {row["role"]: row for row in rows if row["role"].endswith("Explained")}
        parts = [tag("h1", text(window["caption"]), id=f"{name}-caption", class_="offscreen")]
        terms = []
        for row in rows:
            element_id = f"{name}-{row['name']}"
            self.rule(f"#{element_id}", box(row["place"]))
            if row["kind"] == "picture":
                parts.append(self.picture(row, element_id, name=row["name"]))
            elif row["kind"] == "button":
                parts.append(tag("button", text(row["text"]), id=element_id,
                                 data_name=row["name"], type="button", class_="ok"))
            elif row["labelFor"]:
                # A term and its explanation.
                said = explained[row["labelFor"]]
                terms.append(tag("div", tag("dt", text(row["text"]), id=element_id,
                                            data_name=row["name"], class_="label"),
                                 tag("dd", text(said["text"]), id=f"{name}-{said['name']}",
                                     data_name=said["name"], class_="label")))
            elif row["role"] not in explained:
                parts.append(tag("p", text(row["text"]), id=element_id, data_name=row["name"],
                                 class_="label"))
        if terms:
            parts.insert(1, tag("dl", *terms))
        align = "center" if window["centred"] else "left"
        style = f"background:{look['background']};color:{look['text']};text-align:{align}"
        section = tag("section", *parts, id=name, class_="view", data_kind=window["kind"],
                      aria_labelledby=f"{name}-caption", data_caption=window["caption"],
                      style=style)
        return tag("template", section, id=f"{name}-view")

    def dialog(self):
        return tag("dialog",
                   tag("h2", id="missingData-title", class_="dialog-title"),
                   tag("p", id="missingData-text", class_="dialog-text"),
                   tag("div", tag("button", "OK", type="button", id="missingData-ok"),
                       class_="dialog-buttons"),
                   id="missingData", aria_labelledby="missingData-title",
                   aria_describedby="missingData-text")

    def index(self, name, description):
        main = self.main_window()
        views = "".join(self.view(window) for window in self.tables["helpWindows"])
        # The font the layout is made for, first, for the styles to change on a phone; every
        # place at the desktop width, the client's; below it the page flows in one column.
        font = self.tables["dialogFont"]
        width = f"{self.main['place']['width']}px"
        style = (f"body{{font:{font['pixels']}px/{font['line']}px \"{font['family']}\","
                 "Arial,Helvetica,sans-serif}")
        style += (self.a.page / "style.css").read_text().replace("@CLIENT_WIDTH@", width)
        style += "".join(self.base) + f"@media (min-width:{width}){{" + "".join(self.rules) + "}"
        # A title keeps no run of spaces; a no-break space keeps the caption's two.
        title = text(self.main["caption"]).replace("  ", "\u00a0 ")
        head = [tag("meta", charset="utf-8"),
                tag("meta", name="viewport", content="width=device-width, initial-scale=1"),
                tag("meta", name="application-name", content=name),
                tag("meta", name="description", content=description),
                tag("meta", name="theme-color", content="#000000"),
                tag("title", title),
                tag("link", rel="manifest", href="manifest.webmanifest"),
                tag("link", rel="icon", href="icons/scalable.svg", type="image/svg+xml"),
                tag("link", rel="icon", href="icons/32x32.png", sizes="32x32"),
                tag("link", rel="apple-touch-icon", href="icons/128x128.png"),
                tag("style", style),
                tag("script", src="hourvault.js", defer=True),
                tag("script", src="app.js", defer=True)]
        body = [main, tag("main", id="help", class_="window", hidden=True), self.dialog(), views,
                tag("noscript", tag("p", text(f"{name} needs JavaScript."), class_="ended"))]
        return "<!DOCTYPE html>\n" + tag("html", tag("head", *head), tag("body", *body),
                                         lang="en") + "\n"


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
    # The font files the styles name.
    style = (arguments.page / "style.css").read_text()
    for font in sorted(set(re.findall(r"url\(fonts/([^)]+)\)", style))):
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
