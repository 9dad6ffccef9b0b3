"""cribblestorm-level as its users run it: on the shipped Level02 and on small rooms written
here, each with one fault a level's author could make."""
import os
import re
import subprocess
import sys
import tempfile
import unittest

import harness

TOOL = os.environ.get("CRIBBLESTORM_LEVEL", "cribblestorm-level")
DATA = os.environ.get("CRIBBLESTORM_DATA", "Data")
WALL, GREEN, RED = (255, 255, 255), (0, 255, 0), (255, 0, 0)


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
        harness.write_sprites(self.folder)

    def tool(self, *arguments, folder=None, cwd=None):
        run = subprocess.run([TOOL, arguments[0], folder or self.folder] + list(arguments[1:]),
                             capture_output=True, text=True, timeout=300, cwd=cwd)
        self.assertEqual(run.stderr, "")
        return run.returncode, run.stdout

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
            "boxed in": ({**box(600, 150), (600, 150): GREEN},
                         "baby 1 at (600,150) can reach no mine: the game never ends\n"
                         "floor from (576,128) to (624,168) has room for a baby, but no baby can get there\n"),
            "on a wall": ({(500, 10): GREEN}, "baby 1 at (500,10) spawns on blocked cells\n"
                                              "baby 1 at (500,10) can reach no mine: the game never ends\n"),
            # Too tight a box to take a step in, two mines 37 units away outside it.
            "stuck by mines": ({**box(600, 144, inner=52, thickness=1), (600, 144): GREEN, (637, 144): RED,
                                (600, 181): RED}, "baby 1 at (600,144) can reach no mine: the game never ends\n"),
        }
        for name, (extra, report) in faults.items():
            with self.subTest(name):
                self.assertEqual(self.check(room(extra)), (1, report))

    def test_a_level_the_game_refuses_gets_the_games_own_report(self):
        harness.write_level(self.folder, "Room", room())
        data = os.path.join(self.folder, "levels", "Room_data.tga")
        os.truncate(data, os.path.getsize(data) - 1)
        code, output = self.tool("check", "Room")
        self.assertEqual(code, 2)
        self.assertRegex(output, "^" + re.escape("The game refuses this level:\nASSERTION FAILURE:\nEngine/Image.cpp(") +
                         r"\d+" + re.escape("):  (ALL BUILDS)\nExpression was: ( bytesRead == pixelBytes )\n\n   \n") + "$")

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

    def simulate(self, cells, *options):
        harness.write_level(self.folder, "Room", cells)
        code, output = self.tool("simulate", "Room", *options)
        self.assertEqual(code, 0)
        return output.split("\n", 1)[1]

    def test_simulate_times_games_to_the_frame_and_counts_those_that_never_end(self):
        trap = {(500, 400): GREEN, (505, 400): RED, (495, 400): RED}  # two mines in reach: dead in two frames
        self.assertEqual(self.simulate(trap, "--games", "3", "--frame-ms", "50"),
                         "  games                 3\n"
                         "  never ended           0   (still running after 20:00.0)\n" +
                         "".join("  %-16s 0:00.1\n" % name for name in
                                 ["shortest", "first quartile", "median", "third quartile", "longest"]) +
                         "  within 2-5 min     0.0 %  (0 of 3)\n")
        self.assertEqual(self.simulate(room({**box(600, 150), (600, 150): GREEN}), "--games", "2",
                                       "--limit-minutes", "0.1"),
                         "  games                 2\n"
                         "  never ended           2   (still running after 0:06.0)\n"
                         "  within 2-5 min     0.0 %  (0 of 2)\n")

    def test_level02_games_mostly_last_two_to_five_minutes(self):
        code, output = self.tool("simulate", "Level02", "--games", "40", folder=DATA)
        self.assertIn("  never ended           0", output)
        share = float(re.search(r"within 2-5 min +([\d.]+) %", output).group(1))
        self.assertGreaterEqual(share, 80.0, output)  # 90.8 % of the README's 1000 games


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1] + sys.argv[1:])
