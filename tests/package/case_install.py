"""The documented installation: after scripts/build, `cmake --install BUILD --prefix PREFIX`
puts in exactly the program, its menu entry, the AppStream metadata, the icons and the
documentation. Each rendered icon has the size its folder names, and the menu entry and the
metadata name the program, icon and menu entry that are installed beside them."""

import argparse
import configparser
import os
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ElementTree

import installed_files as installed


def check_installed(prefix):
    problems = []
    files = installed.files_under(prefix)
    if files != installed.INSTALLED:
        missing = sorted(set(installed.INSTALLED) - set(files))
        extra = sorted(set(files) - set(installed.INSTALLED))
        problems.append(f"installed files differ: missing {missing}, unexpected {extra}")
    for path in (installed.PROGRAM, installed.LAB_PROGRAM):
        program = os.path.join(prefix, path)
        if os.path.exists(program) and not os.access(program, os.X_OK):
            problems.append(f"{path} is not executable")
    for path, size in installed.ICON_PNGS.items():
        if os.path.exists(os.path.join(prefix, path)):
            actual = installed.png_size(os.path.join(prefix, path))
            if actual != size:
                problems.append(f"{path} is {actual[0]}x{actual[1]} pixels")

    desktop_path = os.path.join(prefix, installed.DESKTOP_FILE)
    metainfo_path = os.path.join(prefix, installed.METAINFO_FILE)
    if os.path.exists(desktop_path):
        desktop = configparser.ConfigParser(interpolation=None)
        desktop.optionxform = str
        desktop.read(desktop_path, encoding="utf-8")
        entry = desktop["Desktop Entry"]
        if "bin/" + entry.get("Exec", "") != installed.PROGRAM:
            problems.append(f"the menu entry starts {entry.get('Exec')!r}")
        icons = [path for path in files if path.startswith("share/icons/hicolor/")
                 and os.path.splitext(os.path.basename(path))[0] == entry.get("Icon")]
        if len(icons) != 1 + len(installed.ICON_PNGS):
            problems.append(f"the menu entry's icon {entry.get('Icon')!r} is installed as "
                            f"{icons}")
    if os.path.exists(metainfo_path):
        component = ElementTree.parse(metainfo_path).getroot()
        launchable = component.findtext("launchable[@type='desktop-id']")
        if launchable != os.path.basename(installed.DESKTOP_FILE):
            problems.append(f"the metadata launches {launchable!r}")
        binary = component.findtext("provides/binary")
        if "bin/" + (binary or "") != installed.PROGRAM:
            problems.append(f"the metadata provides the binary {binary!r}")
    return problems


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--build", required=True, help="a release build folder (scripts/build)")
    args = parser.parse_args()
    with tempfile.TemporaryDirectory(prefix="cordic-install-") as prefix:
        result = subprocess.run(["cmake", "--install", args.build, "--prefix", prefix],
                                capture_output=True, text=True, check=False)
        if result.returncode != 0:
            return installed.report([f"cmake --install failed:\n{result.stderr}"],
                                    "the documented installation")
        return installed.report(check_installed(prefix), "the documented installation")


if __name__ == "__main__":
    sys.exit(main())
