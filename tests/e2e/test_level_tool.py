"""cribblestorm-level as its users run it: on the shipped Level02, on small rooms written
here, each with one fault a level's author could make, and through the level guide's worked
example, played in the real game."""
import os
import re
import shutil
import subprocess
import sys
import tempfile
import unittest

import harness

TOOL = os.environ.get("CRIBBLESTORM_LEVEL", "cribblestorm-level")
DATA = os.environ.get("CRIBBLESTORM_DATA", "Data")
GUIDE = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "docs", "levels.md")
WALL, GREEN, RED, YELLOW = (255, 255, 255), (0, 255, 0), (255, 0, 0), (255, 255, 0)


STILL = " cannot move (no point 200 away is clear to crawl to) and can reach no mine: the game never ends\n"


def room(extra=None):
    """A walled room with two babies and six mines in the open, plus `extra` cells."""
    edges = [*range(24), *range(744, 768)], [*range(24), *range(1000, 1024)]
    cells = {(x, y): WALL for x in range(1024) for y in edges[0]}
    cells.update({(x, y): WALL for y in range(768) for x in edges[1]})
    cells.update({(200, 200): GREEN, (800, 500): GREEN})
    cells.update({place: RED for place in [(300, 300), (500, 300), (700, 300), (300, 600), (500, 600), (700, 600)]})
    cells.update(extra or {})
    return cells


def box(center_x, center_y, inner=80, thickness=4):
    """A hollow square of wall around a point."""
    low, high = -inner // 2 - thickness, inner // 2 + thickness
    return {(center_x + dx, center_y + dy): WALL for dx in range(low, high) for dy in range(low, high)
            if max(abs(dx + 0.5), abs(dy + 0.5)) > inner // 2}


class LevelToolTest(unittest.TestCase):
    def setUp(self):
        self.folder = tempfile.mkdtemp(prefix="level-tool-")
        self.addCleanup(shutil.rmtree, self.folder)
        harness.write_sprites(self.folder)

    def tool(self, *arguments, folder=None, cwd=None):
        """The exit code and the output: standard error for a refusal (code 2), which alone
        writes there, else standard output."""
        run = subprocess.run([TOOL, arguments[0], folder or self.folder] + list(arguments[1:]),
                             capture_output=True, text=True, timeout=300, cwd=cwd)
        quiet, told = (run.stdout, run.stderr) if run.returncode == 2 else (run.stderr, run.stdout)
        self.assertEqual(quiet, "")
        return run.returncode, told

    def check(self, cells):
        harness.write_level(self.folder, "Room", cells)
        return self.tool("check", "Room")

    def test_check_passes_level02_and_a_plain_room(self):
        self.assertEqual(self.tool("check", "Level02", folder=DATA), (0, "Level02: no problems\n"))
        self.assertEqual(self.check(room()), (0, "Room: no problems\n"))

    def test_check_reports_each_fault_where_it_lies(self):
        faults = {
            "near miss": ({(400, 400): (254, 0, 0)}, "colour (254, 0, 0) is close to the mine code (255, 0, 0) but is "
                                                    "open floor to the game: 1 cell(s) at (400,400)\n"),
            # The pen's floor is the penned baby's problem, not floor that nobody reaches.
            "boxed in": ({**box(600, 150), (600, 150): GREEN}, "baby 1 at (600,150)" + STILL),
            "on a wall": ({(500, 10): GREEN}, "baby 1 at (500,10) spawns on blocked cells\nbaby 1 at (500,10)" + STILL),
            # Too tight a box to take a step in, two mines 37 units away outside it.
            "stuck by mines": ({**box(600, 144, inner=52, thickness=1), (600, 144): GREEN, (637, 144): RED,
                                (600, 181): RED}, "baby 1 at (600,144)" + STILL),
            "empty pen": (box(600, 150), "floor from (576,128) to (624,168) has room for a baby, but no baby can "
                                         "get there (orange in the preview)\n"),
            "turret without a base": ({(600, 150): YELLOW, **{(600 + dx, 150): WALL for dx in range(-10, 11) if dx}},
                                      "turret at (600,150) stands on open floor: 296 cell(s) within 10 of it are "
                                      "not blocked, so babies crawl through it\n"),
        }
        for name, (extra, report) in faults.items():
            with self.subTest(name):
                self.assertEqual(self.check(room(extra)), (1, report))

    def test_check_reports_a_picture_the_screen_would_not_show_whole(self):
        harness.write_level(self.folder, "Room", room())
        harness.write_tga(os.path.join(self.folder, "levels", "Room_image.tga"), 800, 600, 24, bytes(800 * 600 * 3))
        self.assertEqual(self.tool("check", "Room"), (
            1, "picture levels/Room_image.tga is 800 x 600 pixels: the game draws it as 600 x 600 frames centred on "
               "(512,256), so it must be 1024 x 1024 (or 1024 tall and a multiple of 1024 wide, one frame per 1024, "
               "to animate)\n"))

    def test_colours_that_are_no_code_are_warnings_with_counts_and_places(self):
        grey = {(x, 400): (128, 128, 128) for x in range(100, 106)}
        self.assertEqual(self.check(room({**grey, (700, 100): (200, 0, 0)})), (
            0, "warning: colour (128, 128, 128) is no code, so the game takes it for open floor: 6 cell(s) at "
               "(100,400) (101,400) (102,400) (103,400) ...\n"
               "warning: colour (200, 0, 0) is no code, so the game takes it for open floor: 1 cell(s) at (700,100)\n"
               "Room: no problems, 2 warning(s)\n"))

    def test_check_and_preview_agree_about_unreached_floor(self):
        """Orange in the preview where check reports floor nobody reaches, and nowhere else: not
        in the pen of a baby that cannot move, nor in Level02."""
        floor_shaded, floor_orange = "srgb(60,40,20)", "srgb(148,85,11)"  # floor half shaded; orange at 0.45 over it
        for name, extra, place, pixel in [("empty pen", box(600, 150), (610, 160), floor_orange),
                                          ("penned baby", {**box(600, 150), (600, 150): GREEN}, (610, 160),
                                           floor_shaded)]:
            with self.subTest(name):
                harness.write_level(self.folder, "Room", room(extra))
                _, report = self.tool("check", "Room")
                self.assertEqual("no baby can get there" in report, pixel == floor_orange, report)
                self.assertEqual(self.preview_pixel("Room", *place), pixel)
        self.assertEqual(self.tool("check", "Level02", folder=DATA), (0, "Level02: no problems\n"))
        png = os.path.join(self.folder, "level02.png")
        self.tool("preview", "Level02", png, folder=DATA)
        histogram = subprocess.check_output(["convert", png, "-fx", "r>0.5 && g>0.25 && g<0.45 && b<0.1 ? 1 : 0",
                                             "-format", "%[fx:mean*w*h]", "info:"], text=True)
        self.assertEqual(float(histogram), 0.0)

    def preview_pixel(self, name, x, y):
        png = os.path.join(self.folder, name + ".png")
        self.assertEqual(self.tool("preview", name, png)[0], 0)
        return subprocess.check_output(["convert", png, "-format", "%%[pixel:p{%d,%d}]" % (x, 767 - y), "info:"],
                                       text=True)

    def test_a_refusal_names_the_folder_and_the_file(self):
        harness.write_level(self.folder, "Room", room())
        data = os.path.join(self.folder, "levels", "Room_data.tga")
        os.truncate(data, os.path.getsize(data) - 1)
        self.assertEqual(self.tool("check", "Room"), (
            2, "%s is cut short: its header promises 1024 x 1024 pixels of 24 bits, 3145728 bytes after the 18 of the "
               "header, and it has only 3145727: save the image into it again, as an uncompressed 24-bit TGA\n" % data))
        harness.write_level(self.folder, "Room", room())
        shutil.rmtree(os.path.join(self.folder, "Misc"))
        code, output = self.tool("check", "Room")
        self.assertEqual(code, 2)
        self.assertIn("The game refuses this level: reading its files, and the sprite folders Baby, Misc and Turret, "
                      "in the folder %s\n" % os.path.realpath(self.folder), output)
        self.assertIn('failed to open "Misc\\landmine01.tga"', output)
        self.assertEqual(self.tool("play", "Nowhere"), (2, "".join(
            "%s/levels/Nowhere_%s.tga does not exist: a level is the two files levels/NAME_image.tga and "
            "levels/NAME_data.tga in the folder the game starts in\n" % (self.folder, kind) for kind in ("image", "data"))))

    def test_files_the_game_refuses_get_one_plain_line_each_from_check_and_play(self):
        """Each names the file and says what is wrong, without the game's report and without a game."""
        harness.write_level(self.folder, "Room", room())
        data = os.path.join(self.folder, "levels", "Room_data.tga")
        with open(data, "rb") as tga:
            good = tga.read()
        compressed = subprocess.run(["convert", "tga:-", "-compress", "RLE", "tga:-"], input=good,
                                    capture_output=True, check=True).stdout
        png = subprocess.check_output(["convert", "-size", "4x4", "xc:red", "png:-"])
        bad_files = [
            ("data", "is run-length compressed (TGA image type 10)", compressed),
            ("data", "is a PNG image, not a TGA", png),
            ("data", "is empty (0 bytes)", b""),
            ("data", "is cut short: it has 9 byte(s)", good[:9]),
            ("image", "has 16 bits per pixel, and the game reads only 24 or 32", good[:16] + bytes([16]) + good[17:]),
            ("image", "is colour-mapped (TGA image type 1, a palette)", bytes([0, 1, 1]) + good[3:]),
            ("data", "has 32 bits per pixel, and a level's data image must have 24",
             good[:16] + bytes([32]) + good[17:] + bytes(1024 * 1024)),
        ]
        for kind, problem, contents in bad_files:
            harness.write_level(self.folder, "Room", room())
            path = os.path.join(self.folder, "levels", "Room_%s.tga" % kind)
            with open(path, "wb") as tga:
                tga.write(contents)
            for command in ("check", "play"):
                with self.subTest(problem, command=command):
                    code, line = self.tool(command, "Room")
                    self.assertEqual(code, 2)
                    self.assertRegex(line, "^" + re.escape("%s %s" % (path, problem)) + "[^\n]*: [^\n]+\n$")

    def test_the_guides_refusal_is_what_check_says(self):
        with open(GUIDE) as guide:
            line = guide.read().split("### When a file is not one the game reads")[1].split("```\n")[1]
        levels = os.path.join(self.folder, "mylevels")
        harness.write_level(levels, "Nursery", room())
        data = os.path.join(levels, "levels", "Nursery_data.tga")
        subprocess.run(["convert", data, "-compress", "RLE", data], check=True)
        self.assertEqual(self.tool("check", "Nursery", folder="mylevels", cwd=self.folder), (2, line))

    def test_check_says_which_data_image_looks_upside_down(self):
        harness.write_level(self.folder, "Room", room())
        data = os.path.join(self.folder, "levels", "Room_data.tga")
        with open(data, "rb") as tga:
            header, pixels = tga.read(18), tga.read()
        rows = [pixels[row * 3072:(row + 1) * 3072] for row in range(1024)]
        flagged = header[:17] + bytes([0x20])
        for name, contents, line in [
                ("flagged top row first", flagged + pixels, data + " looks upside down: it is flagged as stored top row "
                 "first (origin at the top left), and the game ignores the flag and reads its first stored row as the "
                 "bottom one: flip the image vertically and save it with the origin at the bottom left\n"),
                ("stored top row first", header + b"".join(reversed(rows)), "levels/Room_data.tga looks upside down: "
                 "35715 cell(s) of colour codes lie in its stored rows 0 to 255, which the game never reads (stored "
                 "row s is level row s - 256, bottom first): flip the image vertically\n")]:
            with self.subTest(name):
                with open(data, "wb") as tga:
                    tga.write(contents)
                code, report = self.tool("check", "Room")
                self.assertEqual(code, 1)
                self.assertTrue(report.startswith(line), report)

    def test_option_errors_say_which_option_and_why(self):
        harness.write_level(self.folder, "Room", room())
        for options, error in [(["--games", "ten"], "--games ten: the number of games must be a whole number from 1 "
                                                    "to 1000000"),
                               (["--frame-ms", "0"], "--frame-ms 0: it must be a number above 0"),
                               (["--most-unended", "101"], "--most-unended 101: a share of games must be a "
                                                           "percentage from 0 to 100"),
                               (["--limit-minutes"], "--limit-minutes needs a value"),
                               (["--gmaes", "3"], '"--gmaes" is not an option of simulate'),
                               (["--games", "3", "--fast"], '"--fast" is not an option of simulate'),
                               (["--frames", "smooth"], '--frames smooth: frames are "real" (as in real play) or '
                                                        '"steady" (all --frame-ms long)')]:
            with self.subTest(options[0]):
                code, output = self.tool("simulate", "Room", *options)
                self.assertEqual((code, output.splitlines()[:2]),
                                 (3, ["cribblestorm-level simulate: " + error,
                                      "usage: cribblestorm-level new FOLDER NAME"]))
        for arguments, error in [(["check"], "check: the level's NAME is missing"),
                                 (["preview", "Room"], "preview: OUT.png, the preview's file, is missing"),
                                 (["play", "My Room"], 'play: "My Room" is no level name: a name holds letters, '
                                                       'digits, _ and - only')]:
            with self.subTest(arguments[0]):
                code, output = self.tool(*arguments)
                self.assertEqual((code, output.splitlines()[0]), (3, "cribblestorm-level " + error))

    def test_preview_draws_the_level_as_the_screen_shows_it(self):
        harness.write_level(self.folder, "Room", room())
        os.mkdir(os.path.join(self.folder, "out"))
        code, output = self.tool("preview", "Room", "room.png", folder="..", cwd=os.path.join(self.folder, "out"))
        self.assertEqual(code, 0)
        self.assertTrue(output.startswith("room.png: red: blocked;"))
        png = os.path.join(self.folder, "out", "room.png")  # where the tool was started
        self.assertEqual(subprocess.check_output(["identify", "-format", "%m %wx%h", png], text=True), "PNG 1024x768")
        # The baby at (200, 200), y up, is a green dot 567 rows from the top.
        pixel = subprocess.check_output(["convert", png, "-format", "%[pixel:p{200,567}]", "info:"], text=True)
        self.assertIn(pixel, ("srgb(0,255,0)", "lime"))

    def simulate(self, cells, *options, code=0):
        harness.write_level(self.folder, "Room", cells)
        answer = self.tool("simulate", "Room", *options)
        self.assertEqual(answer[0], code)
        return answer[1].split("\n", 1)[1]

    def test_simulate_times_games_to_the_frame_and_counts_those_that_never_end(self):
        trap = {(500, 400): GREEN, (505, 400): RED, (495, 400): RED}  # two mines in reach: dead in two frames
        self.assertEqual(self.simulate(trap, "--games", "3", "--frames", "steady", "--frame-ms", "50"),
                         "  games                 3\n"
                         "  never ended           0   (still running after 20:00.0)\n" +
                         "".join("  %-16s 0:00.1\n" % name for name in
                                 ["shortest", "first quartile", "median", "third quartile", "longest"]) +
                         "  within 2-5 min     0.0 %  (0 of 3)\n")
        penned = room({**box(600, 150), (600, 150): GREEN})
        self.assertEqual(self.simulate(penned, "--games", "2", "--limit-minutes", "0.1", code=1),
                         "  games                 2\n"
                         "  never ended           2   (still running after 0:06.0)\n"
                         "  within 2-5 min     0.0 %  (0 of 2)\n"
                         "games that never ended, with the babies still alive (play one again with --first-game "
                         "N --games 1):\n"
                         "  game 0 (first frame 170 ms): baby 1 at (600,150); baby 2 at (458,215); baby 3 at (785,259)\n"
                         "  game 1 (first frame 188 ms): baby 1 at (600,150); baby 2 at (396,481); baby 3 at (839,461)\n"
                         "100.0 % of the games never ended, more than the 0.0 % allowed (--most-unended)\n")
        self.simulate(penned, "--games", "2", "--limit-minutes", "0.1", "--most-unended", "100", code=0)

    def test_a_slow_start_that_carries_a_baby_into_a_pocket_is_found_by_simulate_and_check(self):
        """Behind the room's right wall, a strip too narrow for a baby to choose a way out of: a
        first crawl that passes its target goes on through the wall into it and stays there."""
        strip = {(x, y): (0, 0, 0) for x in range(1000, 1024) for y in range(100, 700)}
        strip.update({(x, y): WALL for x in range(976, 1000) for y in range(76, 724)})
        self.assertEqual(self.simulate(room(strip), "--games", "60", "--limit-minutes", "10", code=1).split(
            "(24 of 60)\n")[1],
            "games that never ended, with the babies still alive (play one again with --first-game N --games 1):\n"
            "  game 50 (first frame 75 ms): baby 1 at (1018,568), over blocked cells at (976,662) 4.1 s in\n"
            "1.7 % of the games never ended, more than the 0.0 % allowed (--most-unended)\n")
        self.assertEqual(self.tool("check", "Room"), (
            0, "warning: baby 1 at (200,200): when the game's first frame (its start-up) takes 51 to 99 ms (26 of the "
               "lengths 1 to 100 ms), its first crawl passes its target and carries it over blocked cells at (976,206) "
               "to (1023,236), off the ground it can crawl back from (see \"Why babies jump at the start\" in the "
               "level guide)\nRoom: no problems, 1 warning(s)\n"))
        # Without the strip the same crawls end in the wall, and the babies crawl back out.
        self.assertTrue(self.simulate(room(), "--games", "60", "--limit-minutes", "10").endswith("(26 of 60)\n"))

    def test_level02_games_mostly_last_two_to_five_minutes(self):
        code, output = self.tool("simulate", "Level02", "--games", "40", folder=DATA)
        self.assertIn("  never ended           0", output)
        share = float(re.search(r"within 2-5 min +([\d.]+) %", output).group(1))
        self.assertGreaterEqual(share, 80.0, output)  # 90.8 % of the README's 1000 games


class WorkedExampleTest(harness.EndToEndTest):
    """The level guide's worked example, command for command: its shell blocks run as written
    (with this build's tool first on the path), then `play` under a virtual screen, whose
    first frames must look like the guide's picture of them. CRIBBLESTORM_GUIDE_PICTURE=FILE
    saves the screen to FILE, to redraw docs/levels-example.png after a change to the example."""

    def run_guide(self, folder):
        with open(GUIDE) as guide:
            section = guide.read().split("## A worked example")[1].split("\n## ")[0]
        blocks = re.findall(r"```sh\n(.*?)```", section, re.S)
        self.assertEqual(blocks[-1], "cribblestorm-level play . Nursery\n")
        environment = dict(os.environ, PATH=os.path.dirname(os.path.abspath(TOOL)) + os.pathsep + os.environ["PATH"])
        run = subprocess.run(["bash", "-ec", "".join(blocks[:-1])], cwd=folder, env=environment, capture_output=True,
                             text=True, timeout=600)
        self.assertEqual(run.returncode, 0, run.stdout + run.stderr)
        return run.stdout

    @staticmethod
    def picture_places(guide, picture_file, data_image):
        """A mask of the screen (rows from the top), 1 where the guide's picture shows the level's
        own picture (walls, rug, sofa, floor: no sprite drawn over it), but for the frame-rate
        readout and the discs that the mines turn in; and the number of babies."""
        with open(picture_file, "rb") as tga:
            header, pixels = tga.read(18), tga.read()
        assert header[12:17] == bytes([0, 4, 0, 4, 24]), "a 1024 x 1024 picture of 24 bits"
        mask = bytearray(1024 * 768)
        for row in range(768):
            stored = pixels[(1023 - row) * 3072:(1024 - row) * 3072]  # the screen's top is the last stored row
            shown = guide[row * 3072:(row + 1) * 3072]
            for x in range(900 if row < 24 else 1024):
                mask[row * 1024 + x] = max(abs(shown[3 * x + c] - stored[3 * x + 2 - c]) for c in range(3)) < 4
        with open(data_image, "rb") as tga:
            level = tga.read()[18 + 256 * 3072:]
        places = [(i // 3 % 1024, 767 - i // 3072, level[i:i + 3]) for i in range(0, len(level), 3)
                  if level[i:i + 3] in (bytes([0, 255, 0]), bytes([0, 0, 255]))]
        for x, y, _ in (place for place in places if place[2][2] == 255):  # a mine's 32 pixels, turned any way
            for row in range(max(0, y - 23), min(768, y + 24)):
                mask[row * 1024 + max(0, x - 23):row * 1024 + min(1024, x + 24)] = bytes(
                    min(1024, x + 24) - max(0, x - 23))
        return mask, sum(place[2][1] == 255 for place in places)

    @staticmethod
    def baby_sized_spots(points, reach=46):
        """Where differing pixels gather, each spot as large as a baby turned any way (32 pixels
        square, 46 across its diagonal), from its topmost pixel."""
        spots = []
        for x, y in sorted(points, key=lambda point: (point[1], point[0])):
            if not any(abs(x - left) <= reach and 0 <= y - top <= reach for left, top in spots):
                spots.append((x, y))
        return spots

    @unittest.skipIf(os.environ.get("CRIBBLESTORM_SANITIZED"), "the sanitized game's first frames each take up to "
                     "a second of game time, so its babies may be anywhere by the first screenshot")
    def test_the_guides_worked_example_plays_as_its_picture_shows(self):
        folder = tempfile.mkdtemp(prefix="level-guide-")
        self.addCleanup(shutil.rmtree, folder)
        output = self.run_guide(folder)
        self.assertIn("Nursery: no problems\n", output)
        self.assertIn("  never ended           0", output)
        working_folders = set(os.listdir("/tmp"))
        play = subprocess.Popen([TOOL, "play", ".", "Nursery"], cwd=os.path.join(folder, "mylevels"),
                                env=dict(os.environ, DISPLAY=self.screen.display), stdout=subprocess.PIPE,
                                stderr=subprocess.STDOUT, text=True)
        self.addCleanup(play.kill)
        window = self.screen.find_window("Cribblestorm")
        sand = (0xD8, 0xC7, 0xA4)
        shot = self.screen.wait_for_screenshot(lambda shot: shot.pixel(950, 700) == sand)
        if os.environ.get("CRIBBLESTORM_GUIDE_PICTURE"):
            self.screen.save_screenshot(os.environ["CRIBBLESTORM_GUIDE_PICTURE"])
        guide = subprocess.check_output(["convert", os.path.join(os.path.dirname(GUIDE), "levels-example.png"),
                                         "-depth", "8", "rgb:-"])
        levels = os.path.join(folder, "mylevels", "levels")
        compared, babies = self.picture_places(guide, os.path.join(levels, "Nursery_image.tga"),
                                               os.path.join(levels, "Nursery_data.tga"))
        differing = [(i % 1024, i // 1024) for i in range(1024 * 768) if compared[i] and
                     max(abs(guide[3 * i + c] - shot.rgb[3 * i + c]) for c in range(3)) > 48]
        # Walls, rug, sofa and floor as the guide shows them, to the pixel, but under the babies:
        # a slow start's first frame can send them anywhere, walls included.
        spots = self.baby_sized_spots(differing)
        self.assertLessEqual(len(spots), babies, (spots, differing[:10]))
        if play.poll() is not None:
            self.fail("the game ended before Escape, with %d:\n%s" % (play.returncode, play.communicate()[0]))
        self.screen.key(window, "Escape")
        output = play.communicate(timeout=30)[0]
        self.assertEqual(play.returncode, 0, output)
        self.assertRegex(output, "^cribblestorm-level play: levels/Nursery_image.tga and levels/Nursery_data.tga, as "
                                 "the game's Level02 in /tmp/cribblestorm-play-\\w+\n")
        self.assertEqual([name for name in set(os.listdir("/tmp")) - working_folders
                          if name.startswith("cribblestorm-play-")], [])


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1] + sys.argv[1:])
