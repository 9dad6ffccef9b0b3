"""The Windows setup program under Wine, each test in a Wine prefix of its own: a silent
install and what it leaves on the machine, the game started as its Start-menu shortcut starts
it, a silent uninstall that leaves nothing of ours, and installs over an earlier version and
over the same one.

Usage: test_windows_setup.py setup.exe earlier-setup.exe cribblestorm.exe data-folder version
[test], with WINEARCH and WINELOADER naming the Wine of the build's word size where it is not
the 64-bit one."""
import os
import re
import shutil
import struct
import subprocess
import sys
import tempfile
import unittest
from unittest import mock

import harness
from test_windows import (RUN_IN_WINE, WINESERVER, WITH_WINE_DESKTOP, WineProgram, WineTranscripts, console,
                          shutdown, startup)

MAKE_WINE_PREFIX = os.path.join(os.path.dirname(os.path.abspath(__file__)), "make_wine_prefix.sh")
FOLDER = r"C:\Program Files\Cribblestorm"
UNINSTALL_KEYS = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\"
SHORTCUT = "ProgramData/Microsoft/Windows/Start Menu/Programs/Cribblestorm.lnk"
DESKTOP_SHORTCUT = "users/Public/Desktop/Cribblestorm.lnk"
SPAWN = re.compile(r"^Spawned (baby|mine) at \(\d+,\d+\)\n$")
REGISTRY_VALUE = re.compile(r'^"((?:[^"\\]|\\.)*)"=(?:"((?:[^"\\]|\\.)*)"|dword:([0-9a-f]{8}))$')


def registry(prefix):
    """The machine's keys as Wine keeps them: {key: {name: string or number}}."""
    keys, values = {}, None
    with open(os.path.join(prefix, "system.reg"), encoding="utf-8") as saved:
        for line in saved.read().splitlines():
            if line.startswith("["):
                values = keys.setdefault(line[1:line.rindex("]")].replace("\\\\", "\\"), {})
            elif values is not None and REGISTRY_VALUE.match(line):
                name, text, number = REGISTRY_VALUE.match(line).groups()
                unquote = lambda quoted: re.sub(r"\\(.)", r"\1", quoted)
                values[unquote(name)] = unquote(text) if text is not None else int(number, 16)
    return keys


def read_shortcut(path):
    """A shell link's target, working folder, arguments and icon, from its bytes: the header, the
    item list (skipped), the target's local path in the link information, then the counted
    UTF-16 strings that its flags announce."""
    with open(path, "rb") as link:
        contents = link.read()
    flags = struct.unpack_from("<I", contents, 0x14)[0]
    offset = 0x4C
    if flags & 0x1:
        offset += 2 + struct.unpack_from("<H", contents, offset)[0]
    if not flags & 0x2:
        raise ValueError("%s has no link information" % path)
    size, local_path = struct.unpack_from("<I12xI", contents, offset)
    target = contents[offset + local_path:contents.index(b"\0", offset + local_path)].decode("latin-1")
    offset += size
    strings = {}
    for flag, name in [(0x4, "name"), (0x8, "relative"), (0x10, "folder"), (0x20, "arguments"), (0x40, "icon")]:
        if flags & flag:
            count = struct.unpack_from("<H", contents, offset)[0]
            # Wine counts the closing NUL as well.
            strings[name] = contents[offset + 2:offset + 2 + 2 * count].decode("utf-16-le").rstrip("\0")
            offset += 2 + 2 * count
    return target, strings.get("folder", ""), strings.get("arguments", ""), strings.get("icon", "")


class WindowsSetup(WineTranscripts, harness.EndToEndTest):
    def setUp(self):
        self.prefix = tempfile.mkdtemp(prefix="cribblestorm-setup-")
        # Both undone after the test's programs have been closed in the prefix.
        self.addCleanup(self.remove_prefix)
        self.enterContext(mock.patch.dict(os.environ, WINEPREFIX=self.prefix))
        super().setUp()
        subprocess.run([MAKE_WINE_PREFIX, self.prefix], env=self.wine_environment(), check=True)

    def wine_environment(self):
        return dict(os.environ, DISPLAY=self.screen.display)

    def remove_prefix(self):
        subprocess.run([WINESERVER, "--kill"], env=dict(os.environ, WINEPREFIX=self.prefix), check=False)
        shutil.rmtree(self.prefix, ignore_errors=True)

    def unix_path(self, windows_path):
        self.assertTrue(windows_path.startswith("C:\\"), windows_path)
        return os.path.join(self.prefix, "drive_c", *windows_path[3:].split("\\"))

    def run_wine(self, program, *arguments):
        """Runs a Windows program to its end, and every process it started (an uninstaller
        goes on in a copy of itself) with it; then Wine has written the registry."""
        environment = self.wine_environment()
        self.assertEqual(subprocess.run([WITH_WINE_DESKTOP, RUN_IN_WINE, program, *arguments], env=environment,
                                        timeout=120).returncode, 0)
        subprocess.run([WINESERVER, "--wait"], env=environment, check=True, timeout=120)

    def entries(self):
        """The machine's Apps & features entries named Cribblestorm, by key."""
        return {key: values for key, values in registry(self.prefix).items()
                if key.startswith(UNINSTALL_KEYS) and values.get("DisplayName") == "Cribblestorm"}

    def check_installed(self):
        folder = self.unix_path(FOLDER)
        expected = {"cribblestorm.exe": PROGRAM, "Uninstall.exe": None}
        for root, _, names in os.walk(DATA):
            expected.update({os.path.relpath(os.path.join(root, name), DATA): os.path.join(root, name)
                             for name in names})
        installed = {os.path.relpath(os.path.join(root, name), folder) for root, _, names in os.walk(folder)
                     for name in names}
        self.assertEqual(installed, set(expected))
        for name, source in expected.items():
            if source:
                with open(source, "rb") as built, open(os.path.join(folder, name), "rb") as copy:
                    self.assertEqual(copy.read(), built.read(), name)
        kilobytes = sum(os.path.getsize(os.path.join(folder, name)) for name in installed) // 1024

        quoted_uninstaller = '"%s\\Uninstall.exe"' % FOLDER
        self.assertEqual(self.entries(), {UNINSTALL_KEYS + "Cribblestorm": {
            "DisplayName": "Cribblestorm", "DisplayVersion": VERSION, "Publisher": "Cribblestorm Developers",
            "DisplayIcon": FOLDER + "\\cribblestorm.exe", "InstallLocation": FOLDER,
            "UninstallString": quoted_uninstaller, "QuietUninstallString": quoted_uninstaller + " /S",
            "NoModify": 1, "NoRepair": 1, "EstimatedSize": kilobytes}})
        self.assertEqual(read_shortcut(os.path.join(self.prefix, "drive_c", SHORTCUT)),
                         (FOLDER + "\\cribblestorm.exe", FOLDER, "", FOLDER + "\\cribblestorm.exe"))
        self.assertFalse(os.path.exists(os.path.join(self.prefix, "drive_c", DESKTOP_SHORTCUT)),
                         "the desktop shortcut is made only when chosen")

    def uninstall_silently(self):
        """As an administrator's tool does: the entry's quiet uninstall command."""
        command = self.entries()[UNINSTALL_KEYS + "Cribblestorm"]["QuietUninstallString"]
        uninstaller, switch = re.fullmatch(r'"([^"]+)" (/S)', command).groups()
        self.run_wine(uninstaller, switch)

    def check_nothing_left(self):
        left = [os.path.join(root, name) for root, folders, names in os.walk(os.path.join(self.prefix, "drive_c"))
                for name in folders + names if "cribblestorm" in name.lower()]
        self.assertEqual(left, [])
        for hive in ("system.reg", "user.reg"):
            with open(os.path.join(self.prefix, hive), encoding="utf-8") as saved:
                self.assertEqual([line for line in saved if "cribblestorm" in line.lower()], [], hive)

    def test_installs_plays_from_its_shortcut_and_uninstalls_leaving_nothing(self):
        self.run_wine(SETUP, "/S")
        self.check_installed()

        program, folder, _, _ = read_shortcut(os.path.join(self.prefix, "drive_c", SHORTCUT))
        game = self.own(WineProgram(self.screen, program, self.unix_path(folder)))
        game.start()
        window = self.screen.find_window("Cribblestorm", timeout=90)
        finished = console("::: Initialization : Application (finished)\n")
        game.wait_for_output(finished)
        self.screen.key(window, "Escape")
        self.assertEqual(game.finish(), 0)
        output = game.debugger_output()
        start, end = startup(self.driver_lines(output)), shutdown()
        self.assertEqual(output[:len(start)], start)
        self.assertEqual(output[-len(end):], end)
        spawns = output[len(start):-len(end) - 1]
        self.assertTrue(spawns and all(SPAWN.match(line) for line in spawns), spawns)
        self.assertEqual(output[-len(end) - 1], finished)

        self.uninstall_silently()
        self.check_nothing_left()

    def test_installs_over_an_earlier_version_and_itself_leave_one_entry(self):
        self.run_wine(EARLIER_SETUP, "/S")
        self.assertEqual([values["DisplayVersion"] for values in self.entries().values()], ["0.9.0"])
        self.run_wine(SETUP, "/S")
        self.run_wine(SETUP, "/S")
        self.check_installed()
        self.uninstall_silently()
        self.check_nothing_left()


if __name__ == "__main__":
    SETUP, EARLIER_SETUP, PROGRAM, DATA = (os.path.abspath(argument) for argument in sys.argv[1:5])
    VERSION = sys.argv[5]
    del sys.argv[1:6]
    unittest.main(verbosity=2)
