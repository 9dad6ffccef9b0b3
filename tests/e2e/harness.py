"""Runs the real game in a virtual X server of its own, in a working folder the test fills
with its own level and sprites, and drives it with real input: key events through the X
server's XTEST extension."""
import os
import select
import shutil
import signal
import struct
import subprocess
import tempfile
import time
import unittest

from x_client import XClient

SCREEN_WIDTH, SCREEN_HEIGHT = 1024, 768


def write_tga(path, width, height, bits_per_pixel, pixels):
    """An uncompressed true-colour TGA; pixels are the file's bytes, bottom row first."""
    os.makedirs(os.path.dirname(path) or ".", exist_ok=True)
    header = bytes([0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0]) + struct.pack("<HHBB", width, height, bits_per_pixel, 0)
    with open(path, "wb") as tga:
        tga.write(header + bytes(pixels))


def write_sprites(folder):
    """One opaque frame for every sprite, and a crawl strip of four."""
    for name, width in [("Baby/Baby_crawl.tga", 64), ("Baby/Baby_dead.tga", 16), ("Baby/RedBabyHeartIcon.tga", 16),
                        ("Misc/landmine01.tga", 16), ("Turret/turret_base.tga", 16)]:
        write_tga(os.path.join(folder, name), width, 16, 32, bytes([90, 200, 250, 255]) * (width * 16))


def write_level(folder, name, cells, floor=(120, 80, 40)):
    """A one-colour picture and a data image with the given {(x, y): (red, green, blue)} cells."""
    red, green, blue = floor
    write_tga(os.path.join(folder, "levels", name + "_image.tga"), 1024, 1024, 24,
              bytes([blue, green, red]) * (1024 * 1024))
    data = bytearray(1024 * 1024 * 3)
    for (x, y), (red, green, blue) in cells.items():
        offset = ((y + 256) * 1024 + x) * 3
        data[offset:offset + 3] = bytes([blue, green, red])
    write_tga(os.path.join(folder, "levels", name + "_data.tga"), 1024, 1024, 24, data)


class VirtualScreen:
    """An Xvfb of its own, on the first free display number, and the test's one connection to it."""

    def __init__(self, width=SCREEN_WIDTH, height=SCREEN_HEIGHT):
        self.size = (width, height)
        self.client = None

    def __enter__(self):
        read_end, write_end = os.pipe()
        self.server = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_end), "-screen", "0", "%dx%dx24" % self.size,
             "-nolisten", "tcp"], pass_fds=[write_end], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(write_end)
        number = self._read_line(read_end).strip()
        os.close(read_end)
        if not number:
            self.server.kill()
            raise RuntimeError("Xvfb did not start")
        self.display = ":" + number
        self.client = XClient(self.display)
        return self

    @staticmethod
    def _read_line(descriptor, timeout=30):
        """Everything up to the newline: Xvfb dies when the rest cannot be written."""
        line = b""
        deadline = time.time() + timeout
        while not line.endswith(b"\n") and time.time() < deadline:
            ready, _, _ = select.select([descriptor], [], [], max(0.0, deadline - time.time()))
            chunk = os.read(descriptor, 16) if ready else b""
            if not chunk:
                break
            line += chunk
        return line.decode()

    def is_up(self):
        return self.server.poll() is None

    def __exit__(self, *exc):
        if self.is_up():  # Xlib ends the process when it meets a dead server's connection
            self.client.close()
        self.server.terminate()
        self.server.wait()

    def shown_windows(self, name):
        """The shown top-level windows whose name is exactly name (no window manager runs, so
        top-level windows are the root's children)."""
        return [window for window in self.client.top_level_windows()
                if self.client.name(window) == name and self.client.is_viewable(window)]

    @staticmethod
    def _poll(what, condition, timeout):
        """The first answer of condition that is neither None nor empty; fails after timeout."""
        deadline = time.time() + timeout
        while True:
            answer = condition()
            if answer:
                return answer
            if time.time() > deadline:
                raise AssertionError(what)
            time.sleep(0.05)

    def find_window(self, name, timeout=20):
        """The shown top-level window whose name is exactly name, waiting for it to appear."""
        return self._poll("no window named %r appeared" % name, lambda: (self.shown_windows(name) or [None])[0],
                          timeout)

    def geometry(self, window):
        """The window's place and size: (x, y, width, height)."""
        attributes = self.client.attributes(window)
        return attributes.x, attributes.y, attributes.width, attributes.height

    def focused_window(self):
        return self.client.focused_window()

    def focus(self, window, timeout=20):
        """Gives the window the keyboard focus and waits until the server says it has it: with no
        window manager, nothing else decides where keys go."""
        self.client.set_focus(window)
        self._poll("the window 0x%x never got the focus" % window, lambda: self.focused_window() == window, timeout)

    def key(self, window, *keys):
        """Real key presses (XTEST), sent once the window holds the focus."""
        self.focus(window)
        for key in keys:
            self.client.press(key)

    def close_box(self, caption, timeout=60):
        """Answers the message box of that caption with Return and waits until it is gone. Each box
        is a new X client that may be given the ids of the one before, so a box is known by its
        caption, not its id."""
        self.key(self.find_window(caption, timeout), "Return")
        self._poll("the box %r stayed open" % caption, lambda: self.shown_windows(caption) == [], timeout)

    def screenshot(self):
        return Screenshot(self.client.screen_rgb(*self.size), self.size[0])

    def wait_for_screenshot(self, condition, timeout=20):
        """The first screenshot that satisfies condition; the test fails when none does in time."""
        deadline = time.time() + timeout
        while True:
            shot = self.screenshot()
            if condition(shot):
                return shot
            if time.time() > deadline:
                raise AssertionError("the screen never showed what was awaited")
            time.sleep(0.2)

    def save_screenshot(self, path):
        """The screen as a PNG file (drawn by ImageMagick, which needs no X connection)."""
        subprocess.run(["convert", "-size", "%dx%d" % self.size, "-depth", "8", "rgb:-", path],
                       input=self.client.screen_rgb(*self.size), capture_output=True, timeout=60)


class Screenshot:
    """The whole screen's pixels; rows from the top."""

    def __init__(self, rgb, width=SCREEN_WIDTH):
        self.rgb = rgb
        self.width = width

    def pixel(self, x, y):
        offset = (y * self.width + x) * 3
        return tuple(self.rgb[offset:offset + 3])

    def count(self, colour, left, top, right, bottom):
        return sum(1 for y in range(top, bottom + 1) for x in range(left, right + 1) if self.pixel(x, y) == colour)


class Game:
    """The real program, started in a fresh working folder filled by the test; its standard
    error goes to a file there."""

    def __init__(self, screen=None):
        self.program = os.environ["CRIBBLESTORM"]
        self.folder = tempfile.mkdtemp(prefix="cribblestorm-e2e-")
        self.screen = screen
        self.process = None
        self.errors = None

    def start(self):
        env = dict(os.environ)
        env.pop("DISPLAY", None)
        if self.screen:
            env["DISPLAY"] = self.screen.display
        self.errors = open(os.path.join(self.folder, "standard-error.txt"), "w+")
        self.process = subprocess.Popen([self.program], cwd=self.folder, env=env, stdout=subprocess.DEVNULL,
                                        stderr=self.errors)
        return self

    def output(self):
        """Everything written to standard error so far."""
        if self.errors is None:
            return ""
        self.errors.seek(0)
        return self.errors.read()

    def finish(self, timeout=30):
        """Waits for the end; returns the exit code and everything written to standard error."""
        self.process.wait(timeout=timeout)
        return self.process.returncode, self.output()

    def signal(self, number):
        self.process.send_signal(number)

    def close(self):
        if self.process and self.process.poll() is None:
            self.process.kill()
            self.process.wait()
        if self.errors:
            self.errors.close()
        shutil.rmtree(self.folder, ignore_errors=True)


class EndToEndTest(unittest.TestCase):
    """A virtual screen for each test, and the programs the test starts on it. When a test fails,
    each program's output is printed and kept, beside a screenshot while the screen is up, in a
    folder of the test's own under the build folder (CRIBBLESTORM_E2E_FAILURES), before anything
    is closed."""

    screen_size = (SCREEN_WIDTH, SCREEN_HEIGHT)

    def setUp(self):
        self.screen = self.enterContext(VirtualScreen(*self.screen_size))
        self.programs = []
        self.addCleanup(lambda: [program.close() for program in reversed(self.programs)])
        self.addCleanup(self._keep_evidence)

    def own(self, program):
        """Takes program into the test's care: closed at the end, its output shown on failure."""
        self.programs.append(program)
        return program

    def _has_failed(self):
        result = self._outcome.result
        return any(test is self for test, _ in result.failures + result.errors)

    def _keep_evidence(self):
        if not self._has_failed():
            return
        folder = os.path.join(os.environ.get("CRIBBLESTORM_E2E_FAILURES", tempfile.gettempdir()), self.id())
        os.makedirs(folder, exist_ok=True)
        if self.screen.is_up():
            screenshot = os.path.join(folder, "screen.png")
            self.screen.save_screenshot(screenshot)
            client = self.screen.client
            print("\n=== %s failed; screenshot: %s; keyboard focus: 0x%x; top-level windows:" % (
                self.id(), screenshot, client.focused_window()))
            for window in client.top_level_windows():
                print("0x%x %r%s" % (window, client.name(window), " shown" if client.is_viewable(window) else ""))
        for number, program in enumerate(self.programs, 1):
            output = os.path.join(folder, "program-%d-output.txt" % number)
            with open(output, "w") as kept:
                kept.write(program.output())
            print("=== output of program %d (%s), kept in %s ===" % (
                number, "running" if program.process and program.process.poll() is None else "ended", output))
            print(program.output())


INTERRUPT, TERMINATE = signal.SIGINT, signal.SIGTERM
