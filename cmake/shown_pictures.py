#!/usr/bin/python3
"""Decodes, once at build time, the part of each main-window picture that its box shows.

The boxes are the picture rows of the main window's layout table (layout/main_window.cpp); a box
shows its picture from the top-left corner, cut off at its edges. For each picture and its @2x
twin this keeps the part that the box shows at 96 and at 192 dots per inch, with a few pixels
more for the scaled drawing at other resolutions, so that no program decodes a JPEG or GIF to
show its main window.

Usage: shown_pictures.py LAYOUT ASSETS --qt OUTPUT.cpp
       shown_pictures.py LAYOUT ASSETS --bitmaps FOLDER  (NAME.bmp, NAME_2x.bmp for each picture)
       shown_pictures.py LAYOUT ASSETS --names  (the pictures' files, as a CMake list)
"""
import argparse
import re
import sys
from pathlib import Path

try:
    from PIL import Image
except ImportError:
    sys.exit("shown_pictures.py needs Python's imaging library: scripts/setup installs it "
             "(python3-pil)")

# Enough for the smoothing filters of a scaled drawing to find the pixels around the box's edge.
MARGIN = 4


def pixels(twips, dpi):
    """The layout's twips to pixels, to the nearest (halves away from zero), as the windows do."""
    scaled = twips * dpi
    return (scaled + 720) // 1440 if scaled >= 0 else -((-scaled + 720) // 1440)


def picture_rows(layout):
    """(file, width, height) in twips of each picture row, in the table's order."""
    rows = re.findall(r'\{ControlKind::picture,\s*"\w+",\s*"([^"]+)",\s*(?:"[^"]*"|nullptr),\s*'
                      r'\{-?\d+,\s*-?\d+,\s*(\d+),\s*(\d+)\}', layout.read_text())
    if not rows:
        sys.exit(f"shown_pictures.py: no picture rows in {layout}")
    return [(file, int(width), int(height)) for file, width, height in rows]


def twin(file):
    stem, dot, extension = file.rpartition(".")
    return f"{stem}@2x{dot}{extension}"


def shown(assets, file, width, height, scale):
    """The part of the picture (its twin at scale 2) that a box of that size shows."""
    picture = Image.open(assets / (twin(file) if scale == 2 else file)).convert("RGB")
    right = min(picture.width, pixels(width, 96 * scale) + MARGIN)
    bottom = min(picture.height, pixels(height, 96 * scale) + MARGIN)
    return picture.crop((0, 0, right, bottom))


def write_qt(pictures, output):
    """A C++ table of pixels as Qt's QImage::Format_RGB32 reads them: 0xffRRGGBB words, as bytes
    in the machine's (little-endian) order."""
    lines = ["// Made by cmake/shown_pictures.py from the main window's layout table.",
             '#include "shown_pictures.h"', "", "namespace hourvault {", "", "namespace {", ""]
    entries = []
    for index, (file, scale, image) in enumerate(pictures):
        data = bytearray()
        for red, green, blue in image.getdata():
            data += bytes((blue, green, red, 255))
        lines.append(f"alignas(4) const char picture{index}[] =")
        for start in range(0, len(data), 64):
            chunk = "".join(f"\\{byte:03o}" for byte in data[start:start + 64])
            lines.append(f'    "{chunk}"')
        lines[-1] += ";"
        entries.append(f'    {{"{file}", {scale}, {image.width}, {image.height}, picture{index}}},')
    lines += ["", "} // namespace", "", "const ShownPicture shownPictures[] = {", *entries, "};",
              f"const int shownPictureCount = {len(entries)};", "", "} // namespace hourvault", ""]
    output.write_text("\n".join(lines))


def write_bitmaps(pictures, folder):
    folder.mkdir(parents=True, exist_ok=True)
    for file, scale, image in pictures:
        stem = file.rpartition(".")[0]
        image.save(folder / f"{stem}{'_2x' if scale == 2 else ''}.bmp")


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("layout", type=Path)
    parser.add_argument("assets", type=Path)
    parser.add_argument("--qt", type=Path)
    parser.add_argument("--bitmaps", type=Path)
    parser.add_argument("--names", action="store_true")
    arguments = parser.parse_args()
    rows = picture_rows(arguments.layout)
    if arguments.names:
        print(";".join(file for file, _, _ in rows))
        return
    # Each scale's pictures side by side, so that a start-up at 100 % reads one stretch of them.
    pictures = [(file, scale, shown(arguments.assets, file, width, height, scale))
                for scale in (1, 2) for file, width, height in rows]
    if arguments.qt:
        write_qt(pictures, arguments.qt)
    if arguments.bitmaps:
        write_bitmaps(pictures, arguments.bitmaps)


main()
