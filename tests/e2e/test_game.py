"""End-to-end tests of the real program: a real X server, real GL, real keys."""
import os
import re
import shutil
import subprocess
import sys
import unittest

sys.path.insert(0, os.path.dirname(__file__))
import harness  # noqa: E402

GREEN, RED, YELLOW, WHITE = (0, 255, 0), (255, 0, 0), (255, 255, 0), (255, 255, 255)
FLOOR = (120, 80, 40)
NAME = "Cribblestorm"
ROOT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..")


def console(text, running=True):
    return ("CONSOLE: %s\n" % text) if running else ("CONSOLE (pre-initialization!): %s\n\n" % text)


def startup_lines(spawned, finished=True):
    lines = console("::: Initialization : Application (starting)", False)
    lines += console("::: Initialization : Console (starting)", False) + console("::: Initialization : Console (finished)")
    for service in ["Input System", "Message Handler"]:
        lines += console("::: Initialization : %s (starting)" % service)
        lines += console("::: Initialization : %s (finished)" % service)
    lines += console("::: Initialization : Video System (starting)") + console("VideoSystem : found 10 display mode(s):")
    for index, (width, height) in enumerate([(320, 240), (400, 300), (512, 384), (640, 480), (800, 600),
                                             (1024, 768), (1152, 864), (1280, 960), (1600, 1200)]):
        lines += console("  MODE %3d :  %4d x %4d ( 32 bpp, ??? Hz, windowed)" % (index, width, height))
    lines += console("  MODE   9 :  1024 x  768 ( 24 bpp, ??? Hz, fullscreen)")
    for text in ["VideoSystem : found 10 available display mode(s)",
                 "VideoSystem : Setting current display mode #5: 1024 x 768 x 32 bpp (windowed)",
                 "VideoSystem : Creating a rendering window for mode: 1024 x 768 x 32 bpp (windowed)",
                 "GDI Plaque : Choosing a pixel format...", "GDI Plaque : Setting the pixel format...",
                 "GDI Plaque : Creating a rendering context...", "GDI Plaque : Making rendering context current...",
                 "VideoSystem : Successfully created a rendering window.",
                 "::: Initialization : Video System (finished)", "::: Initialization : Sound (starting)",
                 "::: Initialization : Sound (finished)", "::: Initialization : Renderer (starting)",
                 "::: Initialization : Renderer (finished)"]:
        lines += console(text)
    if not finished:
        return lines
    return lines + spawned + console("::: Initialization : Application (finished)")


def shutdown_lines(running=True):
    lines = console("::: _Shutdown : Application (starting)", running)
    for service in ["Renderer", "Sound", "Video System", "Message Handler", "Input System"]:
        lines += console("::: Shutdown : %s (starting)" % service, running)
        lines += console("::: Shutdown : %s (finished)" % service, running)
    lines += console("::: Shutdown : Console (starting)", running) + console("::: Shutdown : Console (finished)", False)
    return lines + console("::: _Shutdown : Application (finished)", False)


def report_pattern(source, expression, message):
    """The fatal report, any line number."""
    return (re.escape("ASSERTION FAILURE:\n%s(" % source) + r"\d+" +
            re.escape("):  (ALL BUILDS)\nExpression was: ( %s )\n\n   %s\n" % (expression, message)))


class GameTest(harness.EndToEndTest):
    def setUp(self):
        super().setUp()
        self.game = self.new_game()

    def new_game(self):
        game = self.own(harness.Game(self.screen))
        harness.write_sprites(game.folder)
        return game

    def start(self, cells):
        """Starts the game on a level of those cells; returns the first screenshot with the level drawn."""
        harness.write_level(self.game.folder, "Level02", cells, FLOOR)
        self.game.start()
        self.window = self.screen.find_window(NAME)
        return self.screen.wait_for_screenshot(lambda shot: shot.pixel(700, 700) == FLOOR)

    def test_escape_ends_the_game_with_the_whole_transcript(self):
        self.start({(500, 400): GREEN, (300, 300): RED, (301, 300): RED, (600, 600): YELLOW})
        self.assertEqual(self.screen.geometry(self.window), (0, 0, 1024, 768))
        self.screen.key(self.window, "Escape")
        code, errors = self.game.finish()
        self.assertEqual(code, 0)
        spawned = "Spawned mine at (300,300)\nSpawned mine at (301,300)\nSpawned baby at (500,400)\n"
        self.assertEqual(errors, startup_lines(spawned) + shutdown_lines())


    def test_the_window_carries_the_menus_icon_and_class(self):
        """What ties the window to its menu entry: WM_CLASS as the entry's StartupWMClass, and the
        entry's own 48-pixel icon as _NET_WM_ICON (width, height, then ARGB pixels)."""
        self.start({(500, 400): GREEN, (300, 300): RED, (301, 300): RED})
        packaging = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "packaging")
        with open(os.path.join(packaging, "cribblestorm.desktop")) as entry:
            wm_class = re.search(r"^StartupWMClass=(.*)$", entry.read(), re.MULTILINE).group(1)
        self.assertEqual(self.screen.client.class_hint(self.window), ("cribblestorm", wm_class))
        rgba = subprocess.check_output(["convert", os.path.join(packaging, "icons/hicolor/48x48/apps/cribblestorm.png"),
                                        "-depth", "8", "rgba:-"])
        argb = [a << 24 | r << 16 | g << 8 | b for r, g, b, a in zip(*[iter(rgba)] * 4)]
        self.assertEqual(self.screen.client.cardinals(self.window, "_NET_WM_ICON"), [48, 48] + argb)
        self.screen.key(self.window, "Escape")
        self.assertEqual(self.game.finish()[0], 0)
    def test_interrupt_and_terminate_end_the_game_in_order(self):
        for number in [harness.INTERRUPT, harness.TERMINATE]:
            if number == harness.TERMINATE:
                self.game = self.new_game()
            self.start({})
            self.game.signal(number)
            code, errors = self.game.finish()
            self.assertEqual(code, 0)
            self.assertTrue(errors.endswith(shutdown_lines()), errors[-800:])

    def test_keys_cycle_the_console_and_toggle_the_readout(self):
        self.start({(500, 400): GREEN})
        dimmed = tuple(channel // 2 for channel in FLOOR)
        readout_area = 41 * 21

        def readout_pixels(shot):  # what is not floor where the readout stands
            return readout_area - shot.count(FLOOR, 983, 0, 1023, 20)

        shot = self.screen.screenshot()
        self.assertEqual(shot.pixel(700, 40), FLOOR)
        self.assertGreater(readout_pixels(shot), 20)
        for key, expected in [("grave", lambda shot: shot.pixel(700, 48) == dimmed and shot.pixel(700, 49) == FLOOR),
                              ("grave", lambda shot: shot.pixel(700, 760) == dimmed),
                              ("grave", lambda shot: shot.pixel(700, 40) == FLOOR),
                              ("F11", lambda shot: readout_pixels(shot) == 0),
                              ("F11", lambda shot: readout_pixels(shot) > 20)]:
            self.screen.key(self.window, key)
            self.screen.wait_for_screenshot(expected)
        self.screen.key(self.window, "Escape")
        self.assertEqual(self.game.finish()[0], 0)

    def test_a_level_without_babies_is_lost_from_the_first_frame(self):
        shot = self.start({(300, 300): RED})
        self.assertGreater(shot.count(WHITE, 512, 368, 620, 383), 30)
        self.assertEqual(shot.count(WHITE, 0, 0, 511, 767), 0)
        self.screen.key(self.window, "Escape")
        self.assertEqual(self.game.finish()[0], 0)

    def test_a_baby_boxed_in_by_mines_dies_and_the_game_is_lost(self):
        self.start({(495, 400): RED, (500, 400): GREEN, (505, 400): RED})
        shot = self.screen.wait_for_screenshot(lambda shot: shot.count(WHITE, 512, 368, 620, 383) > 30)
        self.assertEqual(shot.count((250, 200, 90), 0, 0, 200, 60), 0)  # no heart left at the top left
        self.screen.key(self.window, "Escape")
        self.assertEqual(self.game.finish()[0], 0)

    def test_the_babies_left_count_reads_the_hearts_on_the_screen(self):
        """play.sh's progress line: every baby of Level02 on its first frame (held there), and
        none once the game is lost."""
        def babies_left(babies):
            picture = os.path.join(self.game.folder, "screen.png")
            self.screen.save_screenshot(picture)
            script = os.path.join(ROOT, "scripts", "babies-left.sh")
            return int(subprocess.check_output([script, picture, str(babies)], text=True))

        shutil.copytree(os.path.join(ROOT, "Data"), self.game.folder, dirs_exist_ok=True)
        self.game.start({"LD_PRELOAD": os.environ["CRIBBLESTORM_FIRST_FRAME_HOLD"]})
        self.screen.find_window(NAME)
        self.screen.wait_for_screenshot(lambda shot: shot.pixel(32, 32)[0] > 150)  # the first baby's heart
        babies = self.game.output().count("Spawned baby")
        self.assertEqual((babies, babies_left(babies)), (20, 20))
        self.game.close()

        self.game = self.own(harness.Game(self.screen))
        shutil.copytree(os.path.join(ROOT, "Data"), self.game.folder, dirs_exist_ok=True)
        self.start({(495, 400): RED, (500, 400): GREEN, (505, 400): RED})
        self.screen.wait_for_screenshot(lambda shot: shot.count(WHITE, 512, 368, 620, 383) > 30)
        self.assertEqual(babies_left(1), 0)
        self.screen.key(self.window, "Escape")
        self.assertEqual(self.game.finish()[0], 0)

    def test_a_missing_level_is_reported_in_two_boxes_and_ends_with_1(self):
        self.game.start()
        for caption in ["Cribblestorm : Program Error", "Cribblestorm : Emergency Shutdown"]:
            self.screen.close_box(caption)
        code, errors = self.game.finish()
        self.assertEqual(code, 1)
        self.assertRegex(errors, "^" + re.escape(startup_lines("", finished=False)) + report_pattern(
            "Engine/Image.cpp", "file", "Image::LoadFromFile : failed to open \"levels\\Level02_image.tga\"\n") +
            re.escape(shutdown_lines()) + "$")

    def test_without_a_display_the_report_stands_alone(self):
        game = self.own(harness.Game(None))
        code, errors = game.start().finish()
        self.assertEqual(code, 1)
        before = startup_lines("", finished=False)
        before = before[:before.index("CONSOLE: VideoSystem")]
        self.assertRegex(errors, "^" + re.escape(before) + report_pattern(
            "Engine/TheVideoSystem.cpp", "success",
            "TheVideoSystem::_GetDesktopCharacteristics : GetWindowRect() failed!") + re.escape(shutdown_lines()) + "$")


if __name__ == "__main__":
    unittest.main()
