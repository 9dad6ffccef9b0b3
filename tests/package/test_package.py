"""The Debian package as a player gets it: made by CPack from the build, checked by lintian
and the desktop's validators, installed into a throw-away root, started from another folder
through its launcher, and removed without a trace.

Usage: test_package.py build-folder"""
import os
import re
import shutil
import subprocess
import sys
import tempfile
import unittest

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "e2e"))
import harness  # noqa: E402
from test_game import NAME, shutdown_lines, startup_lines  # noqa: E402

VERSION = "1.0.0"
DATA = "usr/share/games/cribblestorm"
PROGRAM = "usr/lib/games/cribblestorm/cribblestorm"
LAUNCHER = "usr/games/cribblestorm"
# Root's PATH on Debian has no /usr/games: the entries in /usr/bin are what it finds.
ROOT_PATH_ENTRY = "usr/bin/cribblestorm"
ICON_SIZES = [16, 32, 48, 64, 128, 256]
SPAWNED = {(255, 0, 0): "Spawned mine at (%d,%d)\n", (0, 255, 0): "Spawned baby at (%d,%d)\n"}


def run(*command, **options):
    return subprocess.run(command, check=True, capture_output=True, text=True, **options).stdout


def spawn_lines(data_image):
    """The lines the game prints for the level's mines and babies, in its scan order."""
    with open(data_image, "rb") as tga:
        pixels = tga.read()
    width = pixels[12] | pixels[13] << 8
    lines = []
    for y in range(768):
        row = 18 + (y + 256) * width * 3
        for x in range(1024):
            blue, green, red = pixels[row + 3 * x:row + 3 * x + 3]
            if (red, green, blue) in SPAWNED:
                lines.append(SPAWNED[red, green, blue] % (x, y))
    return "".join(lines)


class PackageTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.output = tempfile.mkdtemp(prefix="cribblestorm-deb-")
        listing = run("cpack", "--config", os.path.join(BUILD, "CPackConfig.cmake"), "-G", "DEB", "-B", cls.output)
        cls.package = re.search(r"package: (\S+) generated", listing).group(1)

    @classmethod
    def tearDownClass(cls):
        shutil.rmtree(cls.output, ignore_errors=True)

    def install(self):
        """A fresh root holding nothing but the package and dpkg's records of it."""
        root = tempfile.mkdtemp(prefix="cribblestorm-root-")
        self.addCleanup(shutil.rmtree, root, ignore_errors=True)
        os.makedirs(os.path.join(root, "var/lib/dpkg/info"))
        open(os.path.join(root, "var/lib/dpkg/status"), "w").close()
        self.dpkg(root, "--force-depends", "--install", self.package)
        return root

    @staticmethod
    def dpkg(root, *arguments):
        return run("dpkg", "--root=" + root, "--log=" + os.path.join(root, "dpkg.log"), *arguments)

    def test_a_debian_game_with_computed_dependencies_and_no_lintian_error(self):
        architecture = run("dpkg", "--print-architecture").strip()
        self.assertEqual(os.path.basename(self.package), "cribblestorm_%s_%s.deb" % (VERSION, architecture))
        fields = dict(re.findall(r"^(\w[\w-]*): (.*)$", run("dpkg-deb", "--field", self.package), re.MULTILINE))
        self.assertEqual((fields["Package"], fields["Version"], fields["Section"]), ("cribblestorm", VERSION, "games"))
        for library in ["libsdl2-2.0-0", "libc6", "libfreetype6", "libfontconfig1", "libx11-6", "libwayland-client0",
                        "libgl1"]:
            self.assertRegex(fields["Depends"], r"(^|, )%s\b" % re.escape(library))
        self.assertIn("@", fields["Maintainer"])
        # Every dependency is a real package, and this machine, which builds and runs the game, has them all.
        simulated = run("apt-get", "install", "--simulate", self.package)
        self.assertEqual(re.findall(r"^Inst (\S+)", simulated, re.MULTILINE), ["cribblestorm"])
        lintian = subprocess.run(["lintian", "--fail-on", "error", self.package], capture_output=True, text=True)
        self.assertEqual(lintian.returncode, 0, lintian.stdout)

    def test_menu_entry_metainfo_and_icons_are_valid(self):
        root = self.install()
        run("desktop-file-validate", os.path.join(root, "usr/share/applications/cribblestorm.desktop"))
        metainfo = os.path.join(root, "usr/share/metainfo/invalid.cribblestorm.cribblestorm.metainfo.xml")
        run("appstreamcli", "validate", "--no-net", metainfo)
        for size in ICON_SIZES:
            icon = os.path.join(root, "usr/share/icons/hicolor/%dx%d/apps/cribblestorm.png" % (size, size))
            self.assertEqual(run("identify", "-format", "%m %w %h %[channels]", icon), "PNG %d %d srgba" % (size, size))
        for page in ["cribblestorm", "cribblestorm-level"]:
            manual = subprocess.run(["man", "--warnings", "-l", os.path.join(root, "usr/share/man/man6/%s.6.gz" % page)],
                                    capture_output=True, text=True, env=dict(os.environ, MANWIDTH="80"))
            self.assertEqual((manual.returncode, manual.stderr), (0, ""))

    def test_the_launcher_plays_the_game_in_its_data_folder_from_anywhere(self):
        """Started as root would start it, through the entry on root's PATH, from a folder of
        /tmp."""
        root = self.install()
        for program in ["cribblestorm", "cribblestorm-level"]:
            self.assertEqual(os.readlink(os.path.join(root, "usr/bin", program)), "../games/" + program)
        elsewhere = tempfile.mkdtemp(prefix="cribblestorm-elsewhere-")
        self.addCleanup(shutil.rmtree, elsewhere)
        arguments = ["--level", "two words"]
        with harness.VirtualScreen() as screen:
            game = subprocess.Popen([os.path.join(root, ROOT_PATH_ENTRY)] + arguments, cwd=elsewhere,
                                    env=dict(os.environ, DISPLAY=screen.display), stdout=subprocess.DEVNULL,
                                    stderr=subprocess.PIPE, text=True)
            self.addCleanup(game.kill)
            window = screen.find_window(NAME)
            # The launcher has become the game: same process, the player's arguments, the data folder.
            with open("/proc/%d/cmdline" % game.pid) as cmdline:
                self.assertEqual(cmdline.read().split("\0")[:-1], [os.path.join(root, PROGRAM)] + arguments)
            self.assertEqual(os.readlink("/proc/%d/cwd" % game.pid), os.path.join(root, DATA))
            screen.key(window, "Escape")
            _, errors = game.communicate(timeout=30)
        self.assertEqual(game.returncode, 0)
        spawned = spawn_lines(os.path.join(root, DATA, "levels/Level02_data.tga"))
        self.assertEqual(errors, startup_lines(spawned) + shutdown_lines())

    def test_the_exit_code_of_a_fatal_error_comes_back_through_the_launcher(self):
        root = self.install()
        environment = {name: value for name, value in os.environ.items() if name != "DISPLAY"}
        game = subprocess.run([os.path.join(root, LAUNCHER)], cwd="/", env=environment, capture_output=True, text=True)
        self.assertEqual(game.returncode, 1)
        self.assertIn("GetWindowRect() failed!", game.stderr)

    def test_removal_leaves_none_of_the_package_s_files(self):
        root = self.install()
        self.assertTrue(os.path.isfile(os.path.join(root, LAUNCHER)))
        self.dpkg(root, "--purge", "cribblestorm")
        left = [os.path.relpath(os.path.join(folder, name), root) for folder, folders, files in os.walk(root)
                for name in folders + files]
        self.assertEqual([path for path in left if not re.match(r"(var(/lib(/dpkg(/.*)?)?)?|dpkg\.log)$", path)], [])


if __name__ == "__main__":
    BUILD = sys.argv.pop(1)
    unittest.main()
