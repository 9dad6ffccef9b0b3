#!/usr/bin/env python3
"""Plays Level02 from Data/ in a virtual X server for a while, samples the game's resident
memory every 10 s, and fails if it grows by more than 1 MB after the first minute or if the
game stops answering (F11 must toggle its frame-rate readout within 5 s at every sample).

Usage: CRIBBLESTORM=build/cribblestorm tests/soak/soak.py [--minutes 10]"""
import argparse
import os
import shutil
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "e2e"))
import harness  # noqa: E402

DATA = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "Data")
SAMPLE_SECONDS = 10
SETTLING_SECONDS = 60
LARGEST_GROWTH_KB = 1024
READOUT = (983, 0, 1023, 20)  # left, top, right, bottom


def resident_kb(pid):
    with open("/proc/%d/status" % pid) as status:
        for line in status:
            if line.startswith("VmRSS:"):
                return int(line.split()[1])
    raise AssertionError("the game has ended")


def readout_pixels(shot):
    """The orange of the readout's text (blended into the picture): red above green, no blue;
    the nursery's wall behind it has none."""
    left, top, right, bottom = READOUT
    return sum(1 for y in range(top, bottom + 1) for x in range(left, right + 1)
               if shot.pixel(x, y)[2] < 30 and shot.pixel(x, y)[0] > shot.pixel(x, y)[1])


def readout_shown(shot):
    return readout_pixels(shot) > 20


def toggle_readout(screen, window, shown):
    """F11 must flip the readout; returns whether it is shown now."""
    screen.key(window, "F11")
    if shown:
        screen.wait_for_screenshot(lambda shot: readout_pixels(shot) == 0, timeout=5)
    else:
        screen.wait_for_screenshot(readout_shown, timeout=5)
    return not shown


def soak(minutes):
    with harness.VirtualScreen() as screen:
        game = harness.Game(screen)
        try:
            shutil.copytree(DATA, game.folder, dirs_exist_ok=True)
            game.start()
            window = screen.find_window("Cribblestorm")
            shown = readout_shown(screen.wait_for_screenshot(readout_shown))
            started = time.time()
            samples = []
            while len(samples) * SAMPLE_SECONDS < minutes * 60:
                time.sleep(max(0.0, started + (len(samples) + 1) * SAMPLE_SECONDS - time.time()))
                samples.append((round(time.time() - started), resident_kb(game.process.pid)))
                shown = toggle_readout(screen, window, shown)
                print("%4d s  %7d kB" % samples[-1], flush=True)
            screen.key(window, "Escape")
            code, _ = game.finish()
        finally:
            game.close()
    settled = [kb for seconds, kb in samples if seconds >= SETTLING_SECONDS]
    growth = max(settled) - settled[0]
    print("resident memory: %d kB at %d s, %d kB after the first minute, at most %d kB later, %d kB at the end; "
          "growth %d kB" % (samples[0][1], samples[0][0], settled[0], max(settled), settled[-1], growth))
    if code != 0:
        sys.exit("the game ended with exit code %d" % code)
    if growth > LARGEST_GROWTH_KB:
        sys.exit("resident memory grew by %d kB after the first minute" % growth)


if __name__ == "__main__":
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0],
                                     epilog="The game to play is the program named by the environment variable "
                                            "CRIBBLESTORM (for example build/cribblestorm).")
    parser.add_argument("--minutes", type=float, default=10, help="how long to play (default 10)")
    minutes = parser.parse_args().minutes
    if not os.environ.get("CRIBBLESTORM"):
        parser.error("set CRIBBLESTORM to the game's program, for example CRIBBLESTORM=$PWD/build/cribblestorm")
    soak(minutes)
