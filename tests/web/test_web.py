"""The browser's build in Debian's headless Chromium, against the Linux program: the page
loads, its debug output on the console is the Linux program's transcript, a frame of a
fixture level matches the Linux program's frame of the same level, the keys change the
overlays, a click gives the game the keys and Tab and the wheel go on to the page, Escape
ends it with the whole shut-down, a missing level and a lost WebGL context are fatal reports
with exit code 1 shown in the game's place, none of it an uncaught error of the page; a lost
context is told in plain words and Play again starts a new game; at a pixel ratio of 2 the
picture is sharp, and on a phone the game is large from the first paint; the real game
downloads under a megabyte with its progress and plaques shown, whole in a 1280 x 800 window;
a host that compresses the package, a missing script and a download that stalls; a level of
the player's own, played as the Linux program plays it, and files the game would refuse.
Firefox ESR plays Level02 and ends it with Escape, and says so where it has no WebGL."""
import base64
import functools
import glob
import http.server
import json
import os
import re
import shutil
import subprocess
import sys
import tempfile
import threading
import unittest

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "e2e"))
import harness  # noqa: E402
from test_game import FLOOR, NAME, WHITE, YELLOW, report_pattern, shutdown_lines, startup_lines  # noqa: E402

PAGE_FILES = ["index.html", "page.js", "cribblestorm.js", "cribblestorm.wasm", "favicon.png"]
DATA = os.path.join(HERE, "..", "..", "Data")
PACK_DATA = os.path.join(HERE, "..", "..", "packaging", "web", "pack-data.sh")
VERSION_ASSETS = os.path.join(HERE, "..", "..", "packaging", "web", "version-assets.sh")
# The browser's one display mode is its canvas, drawn at the animation frame rate; the
# virtual X server's is 24 bits at a rate it does not tell.
LINUX_MODE = "  MODE   9 :  1024 x  768 ( 24 bpp, ??? Hz, fullscreen)"
WEB_MODE = "  MODE   9 :  1024 x  768 ( 32 bpp,  60 Hz, fullscreen)"
# WebGL on SwiftShader against desktop OpenGL on Mesa: textures, quads, lines and blending
# to one step per channel. The text ("YOU LOSE!", the frame rate) is the browser's font
# against FreeType's and is left out of the comparison.
TOLERANCE = 1
# Level02's turned sprites, filtered: the two rasterisers round a few edge pixels of the
# babies two steps apart (2 of 786,432 here).
SPRITE_TOLERANCE, MOST_BEYOND_ONE_STEP = 2, 16
TEXT_AREAS = [(480, 352, 660, 400), (960, 0, 1023, 24)]


def web_transcript(text):
    return text.replace(LINUX_MODE, WEB_MODE)


class Browser:
    """tests/web/browser.mjs: Chromium, or Firefox (kind "firefox" on the given X display, or
    "firefox-without-webgl")."""

    def __init__(self, kind="chromium", display=None):
        environment = dict(os.environ, DISPLAY=display) if display else None
        self.process = subprocess.Popen(["node", os.path.join(HERE, "browser.mjs"), kind], cwd=HERE, text=True,
                                        stdin=subprocess.PIPE, stdout=subprocess.PIPE, env=environment)

    def do(self, **command):
        self.process.stdin.write(json.dumps(command) + "\n")
        self.process.stdin.flush()
        answer = json.loads(self.process.stdout.readline() or '{"error": "the browser ended"}')
        if "error" in answer:
            raise AssertionError(answer["error"])
        return answer["value"]

    def wait(self, expression, timeout=30000):
        return self.do(wait=expression, timeout=timeout)

    def canvas(self, folder):
        """The canvas as shown, as a Screenshot."""
        path = os.path.join(folder, "canvas.png")
        self.do(shot=path)
        rgb = subprocess.run(["convert", path, "-depth", "8", "rgb:-"], capture_output=True, check=True).stdout
        return harness.Screenshot(rgb)

    def output(self):
        return "".join(self.do(console=True))

    def visible(self, selector):
        """Whether the element takes room and lies wholly in the first screenful."""
        return self.do(eval="(box => box.height > 0 && box.top >= 0 && box.bottom <= innerHeight && box.left >= 0 &&"
                            " box.right <= innerWidth)(document.querySelector('%s').getBoundingClientRect())" % selector)

    def close(self):
        self.process.stdin.close()
        self.process.wait(timeout=30)
        self.process.stdout.close()


class Site:
    """The built page with a working folder of the test's packed as its data, its files
    versioned as the build versions them, served on an address of its own; by a host that
    sends the package with Content-Encoding: gzip if asked, without the file of the given
    pattern, and that stops sending the code after its first kilobyte if asked."""

    def __init__(self, data_folder, compressing=False, missing=None, stalling=False):
        self.root = tempfile.mkdtemp(prefix="cribblestorm-web-")
        staging = os.path.join(self.root, "page")
        self.folder = os.path.join(self.root, "web")
        os.mkdir(staging)
        built = os.environ["CRIBBLESTORM_WEB"]
        for name in PAGE_FILES:
            shutil.copy(os.path.join(built, name), staging)
        subprocess.run([PACK_DATA, data_folder, os.path.join(staging, "data")], check=True)
        subprocess.run([VERSION_ASSETS, staging, self.folder], check=True)
        if missing:
            os.remove(self.path(missing))
        self.bytes_sent = [0]
        self.closing = threading.Event()
        handler = functools.partial(CountingHandler, self.bytes_sent, compressing, stalling and self.closing,
                                    directory=self.folder)
        self.server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), handler)
        threading.Thread(target=self.server.serve_forever, daemon=True).start()
        self.url = "http://127.0.0.1:%d/index.html" % self.server.server_address[1]

    def path(self, pattern):
        """The served file of the pattern (a versioned name: "cribblestorm.*.js")."""
        [path] = glob.glob(os.path.join(self.folder, pattern))
        return path

    def close(self):
        self.closing.set()
        self.server.shutdown()
        self.server.server_close()
        shutil.rmtree(self.root, ignore_errors=True)


class CountingHandler(http.server.SimpleHTTPRequestHandler):
    """python3 -m http.server's handler, quiet, counting the bytes it sends (headers too)."""

    def __init__(self, bytes_sent, compressing, stalled_until, *arguments, **options):
        self.bytes_sent = bytes_sent
        self.compressing = compressing
        self.stalled_until = stalled_until
        super().__init__(*arguments, **options)

    def do_GET(self):
        if not (self.stalled_until and self.path.endswith(".wasm")):
            return super().do_GET()
        with open(self.translate_path(self.path), "rb") as code:
            data = code.read()
        self.send_response(200)
        self.send_header("Content-Length", str(len(data)))
        self.end_headers()
        self.wfile.write(data[:1024])
        self.wfile.flush()
        self.stalled_until.wait()

    def end_headers(self):
        if self.compressing and self.path.endswith(".gz"):
            self.send_header("Content-Encoding", "gzip")
        super().end_headers()

    def setup(self):
        super().setup()
        write = self.wfile.write

        def counted(data):
            self.bytes_sent[0] += len(data)
            return write(data)
        self.wfile.write = counted

    def log_message(self, *arguments):
        pass


class WebTest(harness.EndToEndTest):
    def setUp(self):
        super().setUp()
        self.game = self.own(harness.Game(self.screen))  # the Linux program, for comparing
        harness.write_sprites(self.game.folder)
        self.browser = Browser()
        self.addCleanup(self.browser.close)

    def open_page(self, scale=1, data_folder=None, hold=False, size=None, mobile=False, **host):
        site = Site(data_folder or self.game.folder, **host)
        self.addCleanup(site.close)
        self.assertEqual(self.browser.do(open=site.url, scale=scale, size=size, hold=hold, mobile=mobile), 200)
        return site

    def play(self, cells, scale=1):
        """The fixture level in the page, once its first frames are shown."""
        harness.write_level(self.game.folder, "Level02", cells, FLOOR)
        self.open_page(scale)
        self.browser.wait("cribblestorm.frames >= 3")

    def ended(self):
        """The page's exit code, once the game has ended with no uncaught error and its window
        has made room for the outcome."""
        self.browser.wait("cribblestorm.exitCode !== null")
        self.assertEqual(self.browser.do(errors=True), [])
        self.assertEqual(self.browser.do(eval="getComputedStyle(document.getElementById('screen')).display"), "none")
        self.assertTrue(self.browser.visible("#status"))
        return self.browser.do(eval="cribblestorm.exitCode")

    def text(self, element_id):
        return self.browser.do(eval="document.getElementById('%s').textContent" % element_id)

    def focused(self):
        return self.browser.do(eval="document.activeElement.id || document.activeElement.tagName")

    def test_the_transcript_is_the_linux_one_and_escape_ends_with_the_whole_shutdown(self):
        self.play({(500, 400): (0, 255, 0), (300, 300): (255, 0, 0), (301, 300): (255, 0, 0), (600, 600): YELLOW})
        self.browser.do(key="Escape")
        self.assertEqual(self.ended(), 0)
        spawned = "Spawned mine at (300,300)\nSpawned mine at (301,300)\nSpawned baby at (500,400)\n"
        expected = web_transcript(startup_lines(spawned) + shutdown_lines())
        self.assertEqual(self.browser.output(), expected)  # on the console, one message per output
        self.assertEqual(self.browser.do(eval="cribblestorm.debugText"), expected)
        self.assertIn("exit code 0", self.browser.do(eval="document.getElementById('status').textContent"))

    def test_a_frame_matches_the_linux_programs(self):
        cells = {(600, 600): YELLOW, (200, 500): YELLOW}  # no baby: lost from the first frame, nothing moves
        self.play(cells)
        web = self.browser.canvas(self.game.folder)
        self.game.start()
        native = self.screen.wait_for_screenshot(lambda shot: shot.pixel(700, 700) == FLOOR)
        self.assertGreater(web.count(WHITE, 480, 352, 660, 400), 30)  # "YOU LOSE!" is there
        self.assert_alike(web, native)

    def test_the_first_frame_of_level02_matches_the_linux_programs(self):
        """Level02 with its sprites (babies turned, mines turning, hearts), both programs held on
        their first frame with their clocks stopped."""
        self.open_page(data_folder=DATA, hold=True)
        self.browser.wait("cribblestorm.frames === 1")
        web = self.browser.canvas(self.game.folder)
        shutil.copytree(DATA, self.game.folder, dirs_exist_ok=True)
        self.game.start({"LD_PRELOAD": os.environ["CRIBBLESTORM_FIRST_FRAME_HOLD"]})
        native = self.screen.wait_for_screenshot(lambda shot: shot.pixel(512, 700) not in [(0, 0, 0x44), (0, 0, 0)])
        self.assertEqual(self.browser.do(eval="cribblestorm.frames"), 1)
        self.assertLessEqual(self.assert_alike(web, native, SPRITE_TOLERANCE), MOST_BEYOND_ONE_STEP)

    def assert_alike(self, web, native, tolerance=TOLERANCE):
        """Returns how many pixels differ by more than one step."""
        largest, differing, beyond_one_step = 0, 0, 0
        for y in range(harness.SCREEN_HEIGHT):
            for x in range(harness.SCREEN_WIDTH):
                if any(left <= x <= right and top <= y <= bottom for left, top, right, bottom in TEXT_AREAS):
                    continue
                difference = max(abs(a - b) for a, b in zip(web.pixel(x, y), native.pixel(x, y)))
                largest = max(largest, difference)
                differing += difference > 0
                beyond_one_step += difference > 1
        print("%d pixels differ, by at most %d (tolerance %d), %d by more than one step" % (
            differing, largest, tolerance, beyond_one_step))
        self.assertLessEqual(largest, tolerance)
        return beyond_one_step

    def test_backquote_and_f11_change_the_overlays(self):
        self.play({(500, 400): (0, 255, 0)})
        dimmed = tuple(channel // 2 for channel in FLOOR)
        readout_area = 41 * 21

        def readout_pixels(shot):  # what is not floor where the readout stands
            return readout_area - shot.count(FLOOR, 983, 0, 1023, 20)

        shot = self.browser.canvas(self.game.folder)
        self.assertEqual(shot.pixel(700, 40), FLOOR)
        self.assertGreater(readout_pixels(shot), 20)
        for key, expected in [("Backquote", lambda shot: shot.pixel(700, 48) == dimmed and
                               shot.pixel(700, 49) == FLOOR),
                              ("Backquote", lambda shot: shot.pixel(700, 760) == dimmed),
                              ("Backquote", lambda shot: shot.pixel(700, 40) == FLOOR),
                              ("F11", lambda shot: readout_pixels(shot) == 0),
                              ("F11", lambda shot: readout_pixels(shot) > 20)]:
            frames = self.browser.do(eval="cribblestorm.frames")
            self.browser.do(key=key)
            self.browser.wait("cribblestorm.frames >= %d" % (frames + 2))  # the key's frame is shown
            self.assertTrue(expected(self.browser.canvas(self.game.folder)), key)
        self.browser.do(key="Escape")
        self.assertEqual(self.ended(), 0)

    def test_a_missing_level_is_reported_in_the_page_and_ends_with_1(self):
        self.open_page()
        self.assertEqual(self.ended(), 1)
        self.assertRegex(self.browser.output(), "^" + re.escape(web_transcript(startup_lines("", finished=False))) +
                         report_pattern("Engine/Image.cpp", "file",
                                        "Image::LoadFromFile : failed to open \"levels\\Level02_image.tga\"\n") +
                         re.escape(shutdown_lines()) + "$")
        self.assert_fatal_report_shown()

    def assert_fatal_report_shown(self):
        captions = self.browser.do(eval="[...document.querySelectorAll('#report h2')].map(h => h.textContent)")
        self.assertEqual(captions, [NAME + " : Program Error", NAME + " : Emergency Shutdown"])
        self.assertTrue(self.browser.visible("#report"))
        self.assertIn("exit code 1", self.browser.do(eval="document.getElementById('status').textContent"))

    def test_a_lost_context_tells_the_player_and_play_again_starts_a_new_game(self):
        self.play({(500, 400): (0, 255, 0)})
        self.browser.do(eval="document.getElementById('canvas').getContext('webgl')"
                             ".getExtension('WEBGL_lose_context').loseContext()")
        self.assertEqual(self.ended(), 1)
        self.assertRegex(self.browser.output(), report_pattern("Engine/Platform/Web/WebContext.cpp", "!isLost",
                                                               "The WebGL context of the canvas was lost.\n") +
                         re.escape(shutdown_lines()) + "$")
        self.assert_fatal_report_shown()
        self.assertEqual(self.text("sentence"), "The browser reset the game's graphics.")
        self.browser.do(click="#again")
        self.browser.wait("cribblestorm.frames >= 3")
        self.assertEqual(self.browser.do(eval="document.querySelectorAll('#report section').length"), 0)
        self.assertEqual(self.browser.output().count("Spawned baby at (500,400)"), 2)
        self.browser.do(key="Escape")
        self.assertEqual(self.ended(), 0)
        self.assertEqual(self.text("sentence"), "Play again starts a new game.")
        self.assertTrue(self.browser.visible("#again"))

    def test_a_click_gives_the_game_the_keys_and_tab_and_the_wheel_go_on_to_the_page(self):
        self.play({(500, 400): (0, 255, 0)})
        self.assertEqual(self.focused(), "canvas")  # from the start
        self.browser.do(eval="window.keys = []; addEventListener('keydown', "
                             "event => keys.push([event.code, event.defaultPrevented]))")
        hint_shown = "getComputedStyle(document.getElementById('hint')).display !== 'none'"
        self.assertFalse(self.browser.do(eval=hint_shown))
        self.browser.do(click="summary")
        self.assertEqual(self.focused(), "SUMMARY")
        self.assertTrue(self.browser.do(eval=hint_shown))
        self.browser.do(click="#canvas")
        self.assertEqual(self.focused(), "canvas")
        self.assertFalse(self.browser.do(eval=hint_shown))
        for key in ["KeyA", "F11", "Tab"]:
            self.browser.do(key=key)
        self.assertNotEqual(self.focused(), "canvas")
        self.browser.do(eval="document.body.style.paddingBottom = '2000px'")  # something to scroll
        self.browser.do(wheel=[500, 400, 300])
        self.browser.wait("scrollY > 0")
        self.browser.do(click="#canvas")
        self.browser.do(key="Escape")
        self.assertEqual(self.ended(), 0)
        # The page keeps the defaults of the keys the game does not act on.
        self.assertEqual(self.browser.do(eval="keys"),
                         [["KeyA", False], ["F11", True], ["Tab", False], ["Escape", True]])

    def test_at_a_pixel_ratio_of_2_the_picture_is_sharp(self):
        self.play({(500, 400): (0, 255, 0), (300, 300): (255, 0, 0)}, scale=2)
        self.assertEqual(self.browser.do(eval="getComputedStyle(document.getElementById('canvas')).width"), "1024px")
        # Two by two device pixels for each of the canvas's, none of them blurred.
        path = os.path.join(self.game.folder, "sharp.png")
        self.browser.do(shot=path)
        rgb = subprocess.run(["convert", path, "-depth", "8", "rgb:-"], capture_output=True, check=True).stdout
        self.assertEqual(len(rgb), 2048 * 1536 * 3)
        rows = [rgb[y * 2048 * 3:(y + 1) * 2048 * 3] for y in range(1536)]
        blurred = [y for y in range(0, 1536, 2) if rows[y] != rows[y + 1] or
                   any(rows[y][channel::6] != rows[y][channel + 3::6] for channel in range(3))]
        self.assertEqual(blurred, [])

    def test_the_game_downloads_under_a_megabyte_and_shows_its_progress_and_plaques(self):
        site = self.open_page(data_folder=DATA, size=[1280, 800])  # a laptop's screen
        self.browser.wait("cribblestorm.frames >= 3")
        self.assertTrue(self.browser.visible("#canvas"))
        self.assertEqual(self.browser.do(eval="document.getElementById('canvas').clientWidth"), 1024)
        files = sum(os.path.getsize(site.path(name)) for name in ["cribblestorm.*.js", "cribblestorm.*.wasm",
                                                                  "data.*.data.gz", "data.*.json"])
        self.assertEqual(self.browser.do(eval="cribblestorm.downloadBytes"), files)
        self.assertEqual(self.browser.do(eval="document.getElementById('progress').max"), files)
        # Each plaque's text was on the page when the browser painted it.
        self.assertEqual(self.browser.do(eval="cribblestorm.plaques"),
                         ["Choosing a pixel format...", "Setting the pixel format...", "Creating a rendering context...",
                          "Making rendering context current...", ""])
        self.assertLess(site.bytes_sent[0], 1000000)
        print("%d bytes sent, first frame after %d ms, start-up's long tasks %s ms" % (
            site.bytes_sent[0], self.browser.do(eval="cribblestorm.firstFrameMs"), self.browser.do(eval="longTasks")))

    def test_on_a_phone_the_game_is_large_from_the_first_paint(self):
        """A 390 x 844 touch screen at a pixel ratio of 3, held upright and on its side."""
        harness.write_level(self.game.folder, "Level02", {(500, 400): (0, 255, 0)}, FLOOR)
        for size, least_width in [([390, 844], 370), ([844, 390], 480)]:
            self.open_page(scale=3, size=size, mobile=True)
            self.browser.wait("cribblestorm.frames >= 3")
            self.browser.do(page=os.path.join(self.game.folder, "phone-%dx%d.png" % tuple(size)))
            self.assertGreaterEqual(self.browser.do(eval="document.getElementById('canvas').clientWidth"), least_width)
            self.assertTrue(self.browser.visible("#canvas"))
            self.assertLess(self.browser.do(eval="layoutShift"), 0.05)
            self.assertEqual(self.browser.do(errors=True), [])

    def test_a_host_that_compresses_the_package_plays(self):
        harness.write_level(self.game.folder, "Level02", {(500, 400): (0, 255, 0)}, FLOOR)
        self.open_page(compressing=True)
        self.browser.wait("cribblestorm.frames >= 3")
        self.assertIn("Spawned baby at (500,400)\n", self.browser.output())
        self.assertEqual(self.browser.do(errors=True), [])

    def test_a_missing_script_is_a_plain_message_within_10_seconds(self):
        self.open_page(missing="cribblestorm.*.js")
        self.browser.wait("document.getElementById('downloaded').textContent.includes('Reloading will not help')",
                          timeout=10000)
        self.assertRegex(self.text("downloaded"), r"^The site has no cribblestorm\.[0-9a-f]{12}\.js \(404 File not found\)")
        self.assertEqual(self.browser.do(errors=True), [])

    def test_a_download_that_stalls_is_a_plain_message(self):
        self.open_page(stalling=True)
        self.browser.wait("document.getElementById('downloaded').textContent.startsWith('The download stopped')",
                          timeout=15000)
        self.assertRegex(self.text("downloaded"), r"^The download stopped: nothing of cribblestorm\.[0-9a-f]{12}\.wasm "
                                                  r"arrived for 10 seconds\. Reload the page to try again\.$")
        self.assertEqual(self.browser.do(errors=True), [])

    def made_level(self, name):
        """The folder of a level that cribblestorm-level new has made, with its sprites."""
        folder = os.path.join(self.game.folder, "made")
        subprocess.run([os.environ["CRIBBLESTORM_LEVEL"], "new", folder, name], check=True, stdout=subprocess.DEVNULL)
        return folder

    def choose_level(self, folder, name):
        self.browser.do(files=[os.path.join(folder, "levels", name + suffix) for suffix in ["_image.tga", "_data.tga"]])

    def test_a_level_of_the_players_own_plays_as_in_the_linux_program(self):
        """Chosen on a page whose own game has ended (its data has no level), held on its first
        frame, against the Linux program on the same files as Level02."""
        made = self.made_level("Nursery")
        sprites = os.path.join(self.game.folder, "sprites")
        shutil.copytree(made, sprites, ignore=shutil.ignore_patterns("levels"))
        self.open_page(data_folder=sprites, hold=True)
        self.assertEqual(self.ended(), 1)
        self.choose_level(made, "Nursery")
        self.browser.wait("cribblestorm.games === 2 && cribblestorm.frames === 1")
        self.assertEqual(self.text("levelMessage"), "Playing Nursery.")
        web = self.browser.canvas(self.game.folder)
        shutil.copytree(made, self.game.folder, dirs_exist_ok=True)
        for suffix in ["_image.tga", "_data.tga"]:
            shutil.copy(os.path.join(made, "levels", "Nursery" + suffix),
                        os.path.join(self.game.folder, "levels", "Level02" + suffix))
        self.game.start({"LD_PRELOAD": os.environ["CRIBBLESTORM_FIRST_FRAME_HOLD"]})
        native = self.screen.wait_for_screenshot(lambda shot: shot.pixel(512, 700) not in [(0, 0, 0x44), (0, 0, 0)])
        self.assertLessEqual(self.assert_alike(web, native, SPRITE_TOLERANCE), MOST_BEYOND_ONE_STEP)
        self.assertEqual(self.browser.do(errors=True), [])

    def drop(self, files):
        """Files (name: bytes) dropped together on the page."""
        listing = json.dumps({name: base64.b64encode(data).decode() for name, data in files.items()})
        self.browser.do(eval="""(files => {
            const transfer = new DataTransfer();
            for (const [name, data] of Object.entries(files))
                transfer.items.add(new File([Uint8Array.from(atob(data), c => c.charCodeAt(0))], name));
            document.body.dispatchEvent(new DragEvent("drop", {dataTransfer: transfer, bubbles: true, cancelable: true}));
        })(%s)""" % listing)

    def test_files_the_game_would_refuse_get_plain_messages_and_a_good_level_replaces_the_game(self):
        self.play({(500, 400): (0, 255, 0)})
        png = subprocess.run(["convert", "-size", "8x8", "xc:red", "png:-"], capture_output=True, check=True).stdout
        self.drop({"Dropped_image.tga": png, "Dropped_data.tga": bytes(18)})
        self.browser.wait("document.getElementById('levelMessage').textContent.startsWith('Dropped')")
        self.assertEqual(self.text("levelMessage"), "Dropped_image.tga is a PNG image, not a TGA (it starts like one): "
                                                    "export it as an uncompressed 24-bit TGA")
        own = os.path.join(self.game.folder, "own")
        harness.write_level(own, "Mine", {(100, 100): (0, 255, 0)}, FLOOR)
        bad = os.path.join(own, "levels", "Bad")
        subprocess.run(["convert", "-size", "8x8", "xc:red", "png:" + bad + "_image.tga"], check=True)
        shutil.copy(os.path.join(own, "levels", "Mine_data.tga"), bad + "_data.tga")
        for files, message in [
                (["Bad_image.tga", "Bad_data.tga"], "Bad_image.tga is a PNG image, not a TGA (it starts like one): "
                                                    "export it as an uncompressed 24-bit TGA"),
                (["Mine_image.tga", "Bad_image.tga"], "Choose the level's two files together: NAME_image.tga (the "
                                                      "picture) and NAME_data.tga (the data image)."),
                (["Bad_data.tga", "Mine_image.tga"], "Playing Mine.")]:
            self.browser.do(eval="document.getElementById('levelMessage').textContent = ''")
            self.browser.do(files=[os.path.join(own, "levels", name) for name in files])
            self.browser.wait("(text => text && !text.startsWith('Reading'))"
                              "(document.getElementById('levelMessage').textContent)")
            self.assertEqual(self.text("levelMessage"), message)
        # The game that ran has shut down whole before the new one started.
        self.browser.wait("cribblestorm.games === 2 && cribblestorm.frames >= 3")
        self.assertIn(web_transcript(shutdown_lines() + startup_lines("", finished=False)), self.browser.output())
        self.assertIn("Spawned baby at (100,100)\n", self.browser.output())
        self.assertEqual(self.browser.do(errors=True), [])

    def use_firefox(self, kind="firefox"):
        self.browser = Browser(kind, self.screen.display)
        self.addCleanup(self.browser.close)

    def test_firefox_plays_level02_and_escape_ends_it_with_0(self):
        self.use_firefox()
        self.open_page(data_folder=DATA)
        self.browser.wait("cribblestorm.frames >= 30")
        path = os.path.join(self.game.folder, "firefox.png")
        self.browser.do(shot=path)
        colours = subprocess.run(["identify", "-format", "%k", path], capture_output=True, check=True).stdout
        self.assertGreater(int(colours), 1000)  # the nursery, not a blank canvas
        self.browser.do(key="Escape")
        self.assertEqual(self.ended(), 0)

    def test_firefox_without_webgl_says_so_beside_the_fatal_report(self):
        self.use_firefox("firefox-without-webgl")
        self.open_page()
        self.assertEqual(self.ended(), 1)
        self.assert_fatal_report_shown()
        self.assertIn("no WebGL", self.browser.do(eval="document.getElementById('report').textContent"))


if __name__ == "__main__":
    unittest.main()
