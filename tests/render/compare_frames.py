#!/usr/bin/env python3
"""Compares frames pixel by pixel: every channel of every pixel within a tolerance.

As a program: draws frames of the game with each of two frame_capture programs (desktop
OpenGL, our subset over ES 2) and compares them: Level02's first frame, Level02 after two
seconds of play (babies turned, mines spun, strips on) and a crowd level that datagen draws,
after a second of play."""
import os
import shutil
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


CROWD_BABIES = 200
SPRITE_FOLDERS = ("Baby", "Misc", "Turret")


def crowd_folder(data, datagen, folder):
    """A working folder with Data's sprites and a crowd level as Level02."""
    levels = os.path.join(folder, "crowd")
    subprocess.run([datagen, "--crowd", str(CROWD_BABIES), levels], check=True, stdout=subprocess.DEVNULL)
    crowd = os.path.join(folder, "play")
    os.makedirs(os.path.join(crowd, "levels"))
    for name in SPRITE_FOLDERS:
        shutil.copytree(os.path.join(data, name), os.path.join(crowd, name))
    for part in ("image", "data"):
        shutil.copy(os.path.join(levels, f"Crowd{CROWD_BABIES}_{part}.tga"),
                    os.path.join(crowd, "levels", f"Level02_{part}.tga"))
    return crowd


def compare(server, programs, title, folder, frames, scratch):
    captured = []
    for program in programs:
        frame = os.path.join(scratch, os.path.basename(program) + ".ppm")
        drawn = subprocess.run([program, frame, str(frames)], cwd=folder, check=True, stdout=subprocess.PIPE,
                               stderr=subprocess.DEVNULL, text=True)
        server.settle()  # the next program connects only once this one's connection is closed
        print(f"{title}: {os.path.basename(program)}: {drawn.stdout.strip()}")
        captured.append(read_ppm(frame))
    largest, pixels = differences(*captured)
    print(f"{title}: {pixels} pixels differ, by at most {largest} (tolerance {TOLERANCE})")
    return largest <= TOLERANCE


def main(desktop, gles, datagen):
    data = os.path.abspath(os.path.join(os.path.dirname(__file__), "..", "..", "Data"))
    server = XClient(os.environ["DISPLAY"])  # before either program connects
    with tempfile.TemporaryDirectory() as scratch:
        crowd = crowd_folder(data, datagen, scratch)
        cases = [("Level02, first frame", data, 0), ("Level02, two seconds on", data, 120),
                 (f"Crowd{CROWD_BABIES}, a second on", crowd, 60)]
        passed = [compare(server, (desktop, gles), title, folder, frames, scratch) for title, folder, frames in cases]
    return 0 if all(passed) else 1


if __name__ == "__main__":
    sys.exit(main(sys.argv[1], sys.argv[2], sys.argv[3]))
