#!/usr/bin/env python3
"""Compares frames pixel by pixel: every channel of every pixel within a tolerance.

As a program: draws the game's first frame of Level02 with each of two frame_capture
programs (desktop OpenGL, our subset over ES 2) in Data/ and compares them."""
import os
import subprocess
import sys
import tempfile

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "e2e"))
from x_client import XClient  # noqa: E402

# Our ES 2 subset against Mesa's desktop OpenGL: the same geometry, texels and glyph
# pixels, with filtered and blended colours rounded one step apart here and there.
TOLERANCE = 1


def read_ppm(path):
    with open(path, "rb") as file:
        data = file.read()
    magic, size, depth, pixels = data.split(b"\n", 3)  # as FrameCapture writes it
    assert magic == b"P6" and depth == b"255", path
    width, height = size.split()
    return int(width), int(height), pixels


def differences(first, second):
    """The largest channel difference and the number of pixels that differ at all."""
    assert first[:2] == second[:2], "sizes differ"
    a, b = first[2], second[2]
    largest, pixels = 0, 0
    for i in range(0, len(a), 3):
        worst = max(abs(a[i] - b[i]), abs(a[i + 1] - b[i + 1]), abs(a[i + 2] - b[i + 2]))
        if worst:
            pixels += 1
            largest = max(largest, worst)
    return largest, pixels


def main(desktop, gles):
    data = os.path.join(os.path.dirname(__file__), "..", "..", "Data")
    server = XClient(os.environ["DISPLAY"])  # before either program connects
    with tempfile.TemporaryDirectory() as folder:
        frames = []
        for program in (desktop, gles):
            frame = os.path.join(folder, os.path.basename(program) + ".ppm")
            drawn = subprocess.run([program, frame], cwd=data, check=True, stdout=subprocess.PIPE,
                                   stderr=subprocess.DEVNULL, text=True)
            server.settle()  # the next program connects only once this one's connection is closed
            print(f"{os.path.basename(program)}: {drawn.stdout.strip()}")
            frames.append(read_ppm(frame))
    largest, pixels = differences(*frames)
    print(f"{pixels} pixels differ, by at most {largest} (tolerance {TOLERANCE})")
    return 0 if largest <= TOLERANCE else 1


if __name__ == "__main__":
    sys.exit(main(sys.argv[1], sys.argv[2]))
