"""Makes the Windows zip with CPack and checks its layout: one folder holding cribblestorm.exe
and the data folder's files, byte for byte, laid out as the program's working folder. The
program file carries every picture of the game's icon file as its icon.

Usage: check_package.py cpack build-folder data-folder cribblestorm.exe cribblestorm.ico"""
import os
import struct
import subprocess
import sys
import zipfile


def files_under(folder, prefix):
    found = {}
    for root, _, names in os.walk(folder):
        for name in names:
            path = os.path.join(root, name)
            with open(path, "rb") as contents:
                found[prefix + os.path.relpath(path, folder).replace(os.sep, "/")] = contents.read()
    return found


def icon_images(icon_file):
    """The pictures of a Windows icon file, as its directory finds them."""
    with open(icon_file, "rb") as icon:
        contents = icon.read()
    count = struct.unpack_from("<H", contents, 4)[0]
    places = [struct.unpack_from("<II", contents, 6 + 16 * entry + 8) for entry in range(count)]
    return [contents[offset:offset + size] for size, offset in places]


def main(cpack, build, data, program, icon):
    listing = subprocess.run([cpack, "-G", "ZIP", "--config", "CPackConfig.cmake"], cwd=build, check=True, capture_output=True,
                             text=True).stdout
    package = next(line.split("package: ")[1].split(" generated")[0] for line in listing.splitlines()
                   if " generated" in line)
    top = os.path.splitext(os.path.basename(package))[0] + "/"
    with open(program, "rb") as contents:
        expected = {top + "cribblestorm.exe": contents.read()}
    expected.update(files_under(data, top))
    with zipfile.ZipFile(package) as archive:
        packed = {entry.filename: archive.read(entry) for entry in archive.infolist() if not entry.is_dir()}
    if sorted(packed) != sorted(expected):
        sys.exit("%s holds %s, expected %s" % (package, sorted(packed), sorted(expected)))
    different = [name for name in expected if packed[name] != expected[name]]
    if different:
        sys.exit("%s: these differ from the build's: %s" % (package, different))
    images = icon_images(icon)
    if not images or any(image not in expected[top + "cribblestorm.exe"] for image in images):
        sys.exit("%s lacks pictures of %s" % (program, icon))
    print("%s: %d files, laid out as the working folder; the program has the icon's %d pictures"
          % (package, len(packed), len(images)))


if __name__ == "__main__":
    main(*sys.argv[1:])
