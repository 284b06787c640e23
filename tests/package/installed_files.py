"""What the documented install (`cmake --install BUILD --prefix PREFIX`) and the Debian package
(under /usr) put in place, as paths relative to the prefix."""

import os
import struct

PROGRAM = "bin/cordic-demo"
LAB_PROGRAM = "bin/cordic-lab"
DESKTOP_FILE = "share/applications/cordic-demo.desktop"
METAINFO_FILE = "share/metainfo/sk.cordic_demo.CordicDemo.metainfo.xml"

# Each rendered icon and the pixel size its folder promises.
ICON_PNGS = {
    "share/icons/hicolor/16x16/apps/cordic-demo.png": (16, 16),
    "share/icons/hicolor/32x32/apps/cordic-demo.png": (32, 32),
    "share/icons/hicolor/48x48/apps/cordic-demo.png": (48, 48),
    "share/icons/hicolor/64x64/apps/cordic-demo.png": (64, 64),
    "share/icons/hicolor/128x128/apps/cordic-demo.png": (128, 128),
    "share/icons/hicolor/256x256/apps/cordic-demo.png": (256, 256),
}

INSTALLED = sorted([
    PROGRAM,
    LAB_PROGRAM,
    DESKTOP_FILE,
    METAINFO_FILE,
    *ICON_PNGS,
    "share/icons/hicolor/scalable/apps/cordic-demo.svg",
    "share/doc/cordic-demo/changelog.gz",
    "share/doc/cordic-demo/copyright",
    "share/man/man1/cordic-demo.1.gz",
    "share/man/man1/cordic-lab.1.gz",
])


def files_under(root):
    """The regular files under `root`, as sorted paths relative to it."""
    found = []
    for folder, _, names in os.walk(root):
        for name in names:
            found.append(os.path.relpath(os.path.join(folder, name), root))
    return sorted(found)


def png_size(path):
    """(width, height) from a PNG file's header chunk."""
    with open(path, "rb") as file:
        header = file.read(24)
    if header[:8] != b"\x89PNG\r\n\x1a\n" or header[12:16] != b"IHDR":
        raise ValueError(f"{path} is not a PNG file")
    return struct.unpack(">II", header[16:24])


def report(problems, what):
    """Prints the outcome; the exit code for the test runner."""
    if problems:
        print(f"FAILED: {what}:\n  " + "\n  ".join(problems))
        return 1
    print(f"passed: {what}")
    return 0
