"""Makes the Windows setup program with CPack and checks what Windows shows of it and of the
game's program file: the version resource of each (read from the PE file's resources, as
Explorer's properties read it), and the game's icon in the setup.

Usage: check_setup.py cpack build-folder version cribblestorm.exe cribblestorm.ico"""
import os
import struct
import subprocess
import sys

from check_package import icon_images

RT_VERSION = 16
COPYRIGHT = "Copyright 2026 Cribblestorm Developers. All rights reserved."


def resource_data(image, resource_type):
    """The first resource of the type in a PE file, found through its resource directory."""
    header = struct.unpack_from("<I", image, 0x3C)[0]
    sections, optional_size = struct.unpack_from("<H12xH", image, header + 6)
    optional = header + 24
    directories = optional + (96 if struct.unpack_from("<H", image, optional)[0] == 0x10B else 112)
    resources_rva = struct.unpack_from("<I", image, directories + 2 * 8)[0]
    if not resources_rva:
        return None
    table = optional + optional_size

    def file_offset(rva):
        for section in range(sections):
            size, address, _, raw = struct.unpack_from("<4I", image, table + 40 * section + 8)
            if address <= rva < address + size:
                return rva - address + raw
        raise ValueError("no section holds RVA 0x%x" % rva)

    root = file_offset(resources_rva)
    entry, wanted = root, resource_type
    for _ in range(3):  # type, name, language
        named, numbered = struct.unpack_from("<HH", image, entry + 12)
        entries = [struct.unpack_from("<II", image, entry + 16 + 8 * n) for n in range(named + numbered)]
        target = next((offset for name, offset in entries if wanted is None or name == wanted), None)
        if target is None:
            return None
        entry, wanted = root + (target & 0x7FFFFFFF), None
    rva, size = struct.unpack_from("<II", image, entry)
    return image[file_offset(rva):file_offset(rva) + size]


def version_info(block):
    """The fixed file version and the strings of a VS_VERSIONINFO block."""
    strings = {}

    def walk(offset, end, depth):
        while offset < end:
            length, value_length, is_text = struct.unpack_from("<HHH", block, offset)
            key_end = offset + 6
            while block[key_end:key_end + 2] != b"\0\0":
                key_end += 2
            key = block[offset + 6:key_end].decode("utf-16-le")
            value = (key_end + 2 + 3) & ~3
            if depth == 3 and is_text:
                strings[key] = block[value:value + 2 * value_length].decode("utf-16-le").rstrip("\0")
            children = value + (2 * value_length if is_text else value_length)
            walk((children + 3) & ~3, offset + length, depth + 1)
            offset = (offset + length + 3) & ~3

    length, fixed_length = struct.unpack_from("<HH", block, 0)
    fixed = 40  # after the header and the key "VS_VERSION_INFO", aligned to 4 bytes
    signature, _, most, least = struct.unpack_from("<4I", block, fixed)
    if signature != 0xFEEF04BD or fixed_length != 52:
        raise ValueError("no fixed file information")
    walk(fixed + fixed_length, length, 1)
    return (most >> 16, most & 0xFFFF, least >> 16, least & 0xFFFF), strings


def check_version(program, version, description):
    with open(program, "rb") as contents:
        block = resource_data(contents.read(), RT_VERSION)
    if block is None:
        sys.exit("%s has no version resource" % program)
    numbers, strings = version_info(block)
    expected = {"ProductName": "Cribblestorm", "ProductVersion": version, "FileVersion": version,
                "FileDescription": description, "CompanyName": "Cribblestorm Developers",
                "LegalCopyright": COPYRIGHT}
    shown = {key: strings.get(key) for key in expected}
    if shown != expected or numbers != tuple(int(n) for n in (version + ".0").split(".")):
        sys.exit("%s: version %s, %s; expected %s.0, %s" % (program, numbers, shown, version, expected))
    print("%s: version %s; %s" % (os.path.basename(program), ".".join(map(str, numbers)),
                                  "; ".join("%s: %s" % item for item in sorted(strings.items()))))


def main(cpack, build, version, program, icon):
    listing = subprocess.run([cpack, "-G", "NSIS", "--config", "CPackConfig.cmake"], cwd=build, check=True,
                             capture_output=True, text=True).stdout
    setup = next(line.split("package: ")[1].split(" generated")[0] for line in listing.splitlines()
                 if " generated" in line)
    check_version(program, version, "Cribblestorm")
    check_version(setup, version, "Cribblestorm Setup")
    with open(setup, "rb") as contents:
        packed = contents.read()
    images = icon_images(icon)
    if not images or any(image not in packed for image in images):
        sys.exit("%s lacks pictures of %s" % (setup, icon))
    print("%s carries the icon's %d pictures" % (os.path.basename(setup), len(images)))


if __name__ == "__main__":
    main(*sys.argv[1:])
