#!/usr/bin/python3
"""Packs PNG pictures into one Windows icon file, each picture one size of the icon.

Windows reads PNG pictures in icons from Vista on. Usage: make_icon.py OUTPUT.ico PNG ...
"""
import struct
import sys
from pathlib import Path

output, pictures = Path(sys.argv[1]), [Path(name).read_bytes() for name in sys.argv[2:]]
entries, images = b"", b""
offset = 6 + 16 * len(pictures)
for picture in pictures:
    # A PNG's width and height follow its signature and the length and name of its first chunk.
    width, height = struct.unpack(">II", picture[16:24])
    # Sizes of 256 are written as 0; the colour count 0 stands for true colour.
    entries += struct.pack("<BBBBHHII", width % 256, height % 256, 0, 0, 1, 32, len(picture),
                           offset + len(images))
    images += picture
output.write_bytes(struct.pack("<HHH", 0, 1, len(pictures)) + entries + images)
