#!/usr/bin/env python3
"""Writes the fuzz targets' seed corpus (tests/fuzz/corpus/<target>/): the pictures of Data/,
cut to 64 KiB where larger, and hand-made edge files. Run again after Data/ changes."""
import os
import shutil
import struct

HERE = os.path.dirname(os.path.abspath(__file__))
DATA = os.path.join(HERE, "..", "..", "Data")
LARGEST = 65536
TRUE_COLOR = bytes([0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0])
MAGENTA = bytes([255, 0, 255, 255])


def tga(width, height, bits, pixels=None, primer=TRUE_COLOR, descriptor=0):
    if pixels is None:
        pixels = bytes(range(256)) * (width * height * (bits // 8) // 256 + 1)
        pixels = pixels[:width * height * (bits // 8)]
    return primer + struct.pack("<HHBB", width, height, bits, descriptor) + pixels


def data_file(name):
    with open(os.path.join(DATA, name), "rb") as picture:
        return picture.read()


def strip(width, height, marker_columns=()):
    first_row = bytearray(bytes([0x80, 0x80, 0x80, 255]) * width)
    for column in marker_columns:
        first_row[column * 4:column * 4 + 4] = MAGENTA
    return tga(width, height, 32, bytes(first_row) + bytes(width * 4 * (height - 1)))


def level_seed(width, height, bits, cells):
    """Header and the scanned rows, as FuzzLevelScan reads its input: cells are
    {(x, y): (blue, green, red)} of level cells from row 0 on."""
    row = width * (bits // 8)
    rows_given = 1 + max([y for _, y in cells] or [0])
    pixels = bytearray(row * rows_given)
    for (x, y), colour in cells.items():
        pixels[y * row + x * (bits // 8):y * row + x * (bits // 8) + 3] = bytes(colour)
    return TRUE_COLOR + struct.pack("<HHBB", width, height, bits, 0) + bytes(pixels)


def level02_seed():
    whole = data_file("levels/Level02_data.tga")
    return whole[:18] + whole[18 + 256 * 1024 * 3:][:LARGEST - 18]


SPRITES = ["Baby/Baby_crawl.tga", "Baby/Baby_dead.tga", "Baby/RedBabyHeartIcon.tga", "Misc/landmine01.tga",
           "Turret/turret_base.tga"]
SEEDS = {
    "FuzzImage": {
        **{os.path.basename(name): data_file(name)[:LARGEST] for name in SPRITES + ["levels/Level02_image.tga"]},
        "empty.tga": tga(0, 0, 24),
        "rgb-3x2.tga": tga(3, 2, 24),
        "rgba-top-origin.tga": tga(2, 2, 32, descriptor=0x20),
        "sixteen-bits.tga": tga(2, 2, 16),
        "short-header.tga": TRUE_COLOR[:11],
        "run-length.tga": tga(2, 2, 24, primer=bytes([0, 0, 10] + [0] * 9)),
        "short-pixels.tga": tga(4, 4, 24)[:-1],
        "too-large.tga": tga(65535, 65535, 32, pixels=bytes(64)),
        "footer.tga": tga(2, 1, 32) + b"TRUEVISION-XFILE.\0",
    },
    "FuzzSpriteStrip": {
        **{os.path.basename(name): data_file(name)[:LARGEST] for name in SPRITES},
        "four-frames.tga": strip(16, 4),
        "marker-in-frame-two.tga": strip(16, 4, [9]),
        "marker-in-frame-one.tga": strip(16, 4, [1]),
        "one-frame.tga": strip(4, 4, [1]),
        "tall.tga": strip(2, 4),
        "flat-24-bits.tga": tga(8, 4, 24),
        "no-rows.tga": tga(8, 0, 32),
    },
    "FuzzLevelFileCheck": {
        "data.tga": tga(1024, 1024, 24, pixels=bytes(16)),
        "strip.tga": tga(2048, 1024, 24, pixels=bytes(16)),
        "rgba-top-origin.tga": tga(2, 2, 32, descriptor=0x20),
        "run-length.tga": tga(2, 2, 24, primer=bytes([0, 0, 10] + [0] * 9)),
        "image-id.tga": tga(2, 2, 24, primer=bytes([3] + [0, 2] + [0] * 9)),
        "png.tga": bytes([0x89]) + b"PNG\r\n\x1a\n",
        "short-header.tga": TRUE_COLOR[:11],
    },
    "FuzzLevelScan": {
        "Level02.tga": level02_seed(),
        "every-colour.tga": level_seed(1024, 1024, 24, {
            (10, 0): (0, 255, 0), (20, 0): (0, 0, 255), (30, 0): (255, 255, 0), (40, 0): (0, 150, 150),
            (50, 0): (255, 0, 255), (60, 0): (0, 255, 255), (70, 0): (255, 255, 255), (80, 1): (0, 0, 254)}),
        "wide.tga": level_seed(1030, 1024, 24, {(1029, 0): (0, 255, 0), (1023, 0): (0, 0, 255)}),
        "thirty-two-bits.tga": level_seed(1024, 1024, 32, {(1, 0): (0, 255, 0)}),
        "too-narrow.tga": level_seed(1023, 1024, 24, {}),
        "too-short.tga": level_seed(1024, 1023, 24, {}),
    },
}

for target, files in SEEDS.items():
    folder = os.path.join(HERE, "corpus", target)
    shutil.rmtree(folder, ignore_errors=True)
    os.makedirs(folder)
    for name, content in files.items():
        with open(os.path.join(folder, name), "wb") as seed:
            seed.write(content)
