"""The real program as a client of a Wayland compositor (Weston), with no X server of its own:
without a seat it ends through the fatal report; with one it plays and Escape ends it."""
import os
import re
import shutil
import subprocess
import sys
import tempfile
import time
import unittest

sys.path.insert(0, os.path.dirname(__file__))
import harness  # noqa: E402
from test_game import FLOOR, GREEN, RED, console, report_pattern, shutdown_lines, startup_lines  # noqa: E402

SOCKET = "cribblestorm-wayland"


class Weston:
    """A Weston of its own, on a socket in a runtime folder of its own. The headless backend has no
    input devices, so no seat; the X11 backend shows its output in a window of an X server and
    takes its keys from there."""

    def __init__(self, backend, screen=None):
        self.backend = backend
        self.screen = screen

    def __enter__(self):
        self.runtime = tempfile.mkdtemp(prefix="cribblestorm-wayland-")
        env = dict(os.environ, XDG_RUNTIME_DIR=self.runtime)
        env.pop("DISPLAY", None)
        env.pop("WAYLAND_DISPLAY", None)
        if self.screen:
            env["DISPLAY"] = self.screen.display
        width, height = harness.SCREEN_WIDTH, harness.SCREEN_HEIGHT
        self.log = open(os.path.join(self.runtime, "weston.log"), "w+")
        # The kiosk shell shows the one window full screen, without a panel; no idle blanking.
        self.process = subprocess.Popen(
            ["weston", "--backend=%s" % self.backend, "--socket=" + SOCKET, "--width=%d" % width,
             "--height=%d" % height, "--use-pixman", "--shell=kiosk-shell.so", "--idle-time=0", "--no-config"],
            env=env, stdout=self.log, stderr=subprocess.STDOUT)
        # Clients are served once every global is made: a socket that exists can be connected to.
        deadline = time.time() + 30
        while not os.path.exists(os.path.join(self.runtime, SOCKET)):
            if self.process.poll() is not None or time.time() > deadline:
                raise RuntimeError("Weston did not start:\n" + self.output())
            time.sleep(0.05)
        return self

    def output(self):
        self.log.seek(0)
        return self.log.read()

    def environment(self):
        """What the game is given: the compositor, and no X display."""
        return {"XDG_RUNTIME_DIR": self.runtime, "WAYLAND_DISPLAY": SOCKET}

    def __exit__(self, *exc):
        self.process.terminate()
        self.process.wait()
        self.log.close()
        shutil.rmtree(self.runtime, ignore_errors=True)


def wayland_startup_lines(spawned):
    """The start-up transcript with the full-screen modes of Weston's 1024 x 768 output: its own
    and those SDL emulates below it."""
    modes = [(1024, 768), (864, 486), (800, 600), (720, 480), (640, 480)]
    fullscreen = "".join(console("  MODE %3d :  %4d x %4d ( 24 bpp,  60 Hz, fullscreen)" % (number, width, height))
                         for number, (width, height) in enumerate(modes, 9))
    lines = startup_lines(spawned).replace(console("  MODE   9 :  1024 x  768 ( 24 bpp, ??? Hz, fullscreen)"),
                                           fullscreen)
    return lines.replace("VideoSystem : found 10 ", "VideoSystem : found 14 ")


class WaylandTest(unittest.TestCase):
    def test_without_a_seat_the_game_ends_through_the_fatal_report(self):
        compositor = self.enterContext(Weston("headless-backend.so"))
        game = harness.Game()
        self.addCleanup(game.close)
        harness.write_sprites(game.folder)
        code, errors = game.start(compositor.environment()).finish()
        self.assertEqual(code, 1, errors)
        before = startup_lines("", finished=False)
        before = before[:before.index("CONSOLE: VideoSystem")]
        self.assertRegex(errors, "^" + re.escape(before) + report_pattern(
            "Engine/TheVideoSystem.cpp", "success",
            "TheVideoSystem::_GetDesktopCharacteristics : GetWindowRect() failed!") + re.escape(shutdown_lines()) + "$")


class WaylandPlayTest(harness.EndToEndTest):
    """Weston's output in a window of an X server of the test's; the game sees only Weston."""

    def test_the_game_plays_on_weston_and_escape_ends_it_with_the_whole_transcript(self):
        compositor = self.enterContext(Weston("x11-backend.so", self.screen))
        output = self.screen.find_only_window()
        # The X server's keyboard focus goes to Weston's window before the game starts, and
        # stays: Weston answers a change of it by taking its seat's focus from the game's
        # surface, and did not always give it back (a key then reached no client).
        self.screen.focus(output)
        game = self.own(harness.Game())
        harness.write_sprites(game.folder)
        harness.write_level(game.folder, "Level02", {(500, 400): GREEN, (300, 300): RED}, FLOOR)
        game.start(compositor.environment())
        # Level cell (x, y) is screen pixel (x, 767 - y); the mine is drawn at its own size.
        shot = self.screen.wait_for_screenshot(lambda shot: shot.pixel(700, 700) == FLOOR)
        self.assertEqual(shot.pixel(300, 467), (250, 200, 90))
        self.screen.key(output, "Escape")
        code, errors = game.finish()
        self.assertEqual(code, 0, compositor.output())
        spawned = "Spawned mine at (300,300)\nSpawned baby at (500,400)\n"
        self.assertEqual(errors, wayland_startup_lines(spawned) + shutdown_lines())


if __name__ == "__main__":
    unittest.main()
