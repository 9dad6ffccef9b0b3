"""The Windows program end to end: cribblestorm.exe under Wine, in a virtual X server of its
own, with its debugger output read from Wine's debugstr channel.

Usage: test_windows.py path/to/cribblestorm.exe, with WINEPREFIX naming a prefix made for the run."""
import os
import re
import shutil
import subprocess
import sys
import tempfile
import time
import unittest

import harness

RUN_IN_WINE = os.path.join(os.path.dirname(os.path.abspath(__file__)), "run_in_wine.sh")
WITH_WINE_DESKTOP = os.path.join(os.path.dirname(os.path.abspath(__file__)), "with_wine_desktop.sh")
WINESERVER = "/usr/lib/wine/wineserver"
DEBUG_STRING = re.compile(r'^[0-9a-f]+:\w+:debugstr:OutputDebugStringA "(.*)"(\.\.\.)?$')
ESCAPES = {"n": "\n", "r": "\r", "t": "\t", '"': '"', "\\": "\\"}

# Larger than the window, so that none of it is cut off by the screen's edge.
SCREEN_WIDTH, SCREEN_HEIGHT = 1280, 1024
BABY, MINE, TURRET = (0, 255, 0), (255, 0, 0), (255, 255, 0)
CELLS = {(600, 500): BABY, (400, 100): MINE, (200, 300): BABY, (800, 600): TURRET}
SPAWNS = ["Spawned mine at (400,100)\n", "Spawned baby at (200,300)\n", "Spawned baby at (600,500)\n"]
WINDOWED_SIZES = [(320, 240), (400, 300), (512, 384), (640, 480), (800, 600), (1024, 768), (1152, 864),
                  (1280, 960), (1600, 1200)]
DRIVER_MODE = re.compile(r"^CONSOLE:   MODE +(\d+) :  +(\d+) x +(\d+) \( *(\d+) bpp, (?:\?\?\?|[ \d]{3}) Hz, "
                         r"fullscreen\)\n$")
MISSING_LEVEL_REPORT = re.compile(
    r'^ASSERTION FAILURE:\n[^\n]+\(\d+\):  \(ALL BUILDS\)\nExpression was: \( file \)\n\n'
    r'   Image::LoadFromFile : failed to open "levels\\Level02_data\.tga"\n\n$')


def unescape(text):
    """Undoes the escapes with which Wine quotes a debug string."""
    return re.sub(r"\\(x[0-9a-f]{2}|.)",
                  lambda m: chr(int(m.group(1)[1:], 16)) if len(m.group(1)) == 3 else ESCAPES[m.group(1)], text)


def pre_console(text):
    return "CONSOLE (pre-initialization!): %s\n" % text


def console(text):
    return "CONSOLE: " + text


def service_lines(phase, services):
    return [console("::: %s : %s (%s)\n" % (phase, service, state)) for service in services
            for state in ("starting", "finished")]


def mode_listing(driver_lines):
    count = len(WINDOWED_SIZES) + len(driver_lines)
    windowed = [console("  MODE %3d :  %4d x %4d ( 32 bpp, ??? Hz, windowed)\n" % (i, width, height))
                for i, (width, height) in enumerate(WINDOWED_SIZES)]
    return ([console("VideoSystem : found %d display mode(s):\n" % count)] + windowed + driver_lines +
            [console("VideoSystem : found %d available display mode(s)\n" % count)])


def startup(driver_lines):
    """Every line up to the renderer's start, around the driver's own modes."""
    plaque = ["Choosing a pixel format...", "Setting the pixel format...", "Creating a rendering context...",
              "Making rendering context current..."]
    return ([pre_console("::: Initialization : Application (starting)\n"),
             pre_console("::: Initialization : Console (starting)\n"),
             console("::: Initialization : Console (finished)\n")] +
            service_lines("Initialization", ["Input System", "Message Handler"]) +
            [console("::: Initialization : Video System (starting)\n")] + mode_listing(driver_lines) +
            [console("VideoSystem : Setting current display mode #5: 1024 x 768 x 32 bpp (windowed)\n"),
             console("VideoSystem : Creating a rendering window for mode: 1024 x 768 x 32 bpp (windowed)\n")] +
            [console("GDI Plaque : %s\n" % text) for text in plaque] +
            [console("VideoSystem : Successfully created a rendering window.\n"),
             console("::: Initialization : Video System (finished)\n")] +
            service_lines("Initialization", ["Sound", "Renderer"]))


def shutdown():
    return ([console("::: _Shutdown : Application (starting)\n")] +
            service_lines("Shutdown", ["Renderer", "Sound", "Video System", "Message Handler", "Input System"]) +
            [console("::: Shutdown : Console (starting)\n"), pre_console("::: Shutdown : Console (finished)\n"),
             pre_console("::: _Shutdown : Application (finished)\n")])


class WineProgram:
    """A Windows program started under Wine, once Wine's desktop is up, in the given working
    folder; Wine's debug channel goes to a file."""

    def __init__(self, screen, program, folder):
        self.screen = screen
        self.program = program
        self.folder = folder
        self.wine_output = tempfile.TemporaryFile("w+")
        self.process = None

    def start(self):
        env = dict(os.environ, DISPLAY=self.screen.display, WINEDEBUG="-all,+debugstr")
        self.process = subprocess.Popen([WITH_WINE_DESKTOP, RUN_IN_WINE, self.program], cwd=self.folder, env=env,
                                        stdout=subprocess.DEVNULL, stderr=self.wine_output)

    def output(self):
        """Wine's whole output so far, for a failed test's log."""
        self.wine_output.seek(0)
        return self.wine_output.read()

    def debugger_output(self):
        """Each OutputDebugStringA text so far; one that Wine cut short ends in "[cut]"."""
        self.wine_output.seek(0)
        texts = []
        for line in self.wine_output.read().splitlines():
            found = DEBUG_STRING.match(line)
            if found:
                texts.append(unescape(found.group(1)) + ("[cut]" if found.group(2) else ""))
        return texts

    def wait_for_output(self, text, timeout=60):
        deadline = time.time() + timeout
        while text not in self.debugger_output():
            if time.time() > deadline or self.process.poll() is not None:
                raise AssertionError("the debugger output never showed %r" % text)
            time.sleep(0.2)

    def finish(self, timeout=30):
        return self.process.wait(timeout=timeout)

    def close(self):
        if self.process and self.process.poll() is None:
            subprocess.run([WINESERVER, "--kill"], env=dict(os.environ, DISPLAY=self.screen.display), check=False)
            self.process.wait()
        # The prefix's own processes end before their X server does.
        subprocess.run([WINESERVER, "--wait"], env=dict(os.environ, DISPLAY=self.screen.display), check=False)
        self.wine_output.close()


class WineTranscripts:
    """What the tests of the Windows program read from its debugger output, on a screen larger
    than the window."""

    screen_size = (SCREEN_WIDTH, SCREEN_HEIGHT)

    def driver_lines(self, output):
        """The driver's modes as the program listed them: numbered on from the windowed ones,
        with the virtual screen's own size among them."""
        lines = [text for text in output if DRIVER_MODE.match(text)]
        numbers = [int(DRIVER_MODE.match(text).group(1)) for text in lines]
        self.assertEqual(numbers, list(range(len(WINDOWED_SIZES), len(WINDOWED_SIZES) + len(lines))))
        sizes = [tuple(int(n) for n in DRIVER_MODE.match(text).group(2, 3, 4)) for text in lines]
        self.assertIn((SCREEN_WIDTH, SCREEN_HEIGHT, 32), sizes)
        return lines


class WindowsProgram(WineTranscripts, harness.EndToEndTest):
    """cribblestorm.exe in a working folder of the test's own, with a level of the test's own."""

    def setUp(self):
        folder = tempfile.mkdtemp(prefix="cribblestorm-wine-")
        self.addCleanup(shutil.rmtree, folder, ignore_errors=True)  # after the program has ended
        harness.write_sprites(folder)
        harness.write_level(folder, "Level02", CELLS)
        super().setUp()
        self.program = self.own(WineProgram(self.screen, PROGRAM, folder))

    def test_starts_in_its_window_and_ends_on_escape(self):
        self.program.start()
        window = self.screen.find_window("Cribblestorm", timeout=90)
        self.assertEqual(self.screen.geometry(window)[2:], (1024, 768))
        finished = console("::: Initialization : Application (finished)\n")
        self.program.wait_for_output(finished)
        self.screen.key(window, "Escape")

        self.assertEqual(self.program.finish(), 0)
        output = self.program.debugger_output()
        self.assertEqual(output, startup(self.driver_lines(output)) + SPAWNS + [finished] + shutdown())

    def test_a_missing_level_file_is_reported_in_two_boxes_and_ends_with_exit_code_1(self):
        os.remove(os.path.join(self.program.folder, "levels", "Level02_data.tga"))
        self.program.start()
        report_box = self.screen.find_window("Cribblestorm : Program Error", timeout=90)
        self.assertEqual(self.screen.shown_windows("Cribblestorm"), [], "the game window is hidden before the boxes")
        self.screen.close_box("Cribblestorm : Program Error")
        self.screen.close_box("Cribblestorm : Emergency Shutdown")

        self.assertEqual(self.program.finish(), 1)
        output = self.program.debugger_output()
        startup_lines = startup(self.driver_lines(output))
        self.assertEqual(output[:len(startup_lines)], startup_lines)
        self.assertRegex(output[len(startup_lines)], MISSING_LEVEL_REPORT)
        self.assertEqual(output[len(startup_lines) + 1:], shutdown())


if __name__ == "__main__":
    PROGRAM = os.path.abspath(sys.argv.pop(1))
    unittest.main(verbosity=2)
