"""The Debian package from scripts/package: lintian reports neither an error nor a warning,
desktop-file-validate and appstreamcli (offline) accept its menu entry and metadata, its
dependencies hold the libraries dpkg-shlibdeps finds and the packages the program needs at run
time, and it holds the documented install's files under /usr, among them cordic-lab, which runs
from the unpacked package, and its manual page. Unpacked with dpkg-deb (not
installed) and started in a private X server, its program shows the window "Ukážka algoritmu
CORDIC" and ends with exit code 0 when a window manager closes it.

Run with Debian's /usr/bin/python3 (the e2e modules use pyatspi and Xlib)."""

import glob
import os
import re
import subprocess
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "e2e"))

import runner  # noqa: E402  (found through the path above)
from demo_window import CAPTION  # noqa: E402
from session import Session  # noqa: E402
import installed_files as installed  # noqa: E402

# Packages the Depends field must name: from dpkg-shlibdeps over the binary, and those the
# program needs without linking them (the xcb platform plugin, Qt's Slovak translations, the
# window's font).
REQUIRED_DEPENDS = ["libc6", "libqt6core6", "libqt6gui6", "libqt6widgets6", "libstdc++6",
                    "qt6-qpa-plugins", "qt6-translations-l10n", "fonts-liberation2"]
# The first line cordic-lab --results prints: the main window's 30-degree cosine.
LAB_FIRST_RESULT = "cos θ\t0.8660254037844386957\t"


def run(command):
    """(exit code, stdout and stderr) of a command."""
    result = subprocess.run(command, capture_output=True, text=True, check=False,
                            timeout=300)
    return result.returncode, (result.stdout + result.stderr).strip()


def validator_problems(deb, root):
    problems = []
    code, output = run(["lintian", "--fail-on", "error,warning", deb])
    findings = [line for line in output.splitlines() if re.match(r"[EW]: ", line)]
    if code != 0 or findings:
        problems.append(f"lintian (exit {code}):\n    " + "\n    ".join(findings or [output]))
    desktop = os.path.join(root, "usr", installed.DESKTOP_FILE)
    code, output = run(["desktop-file-validate", desktop])
    if code != 0 or "error" in output or "warning" in output:
        problems.append(f"desktop-file-validate (exit {code}): {output}")
    metainfo = os.path.join(root, "usr", installed.METAINFO_FILE)
    code, output = run(["appstreamcli", "validate", "--no-net", metainfo])
    if code != 0:
        problems.append(f"appstreamcli validate (exit {code}): {output}")
    return problems


def content_problems(deb, root):
    problems = []
    files = installed.files_under(root)
    expected = ["usr/" + path for path in installed.INSTALLED]
    if files != expected:
        problems.append(f"the package's files differ: missing "
                        f"{sorted(set(expected) - set(files))}, unexpected "
                        f"{sorted(set(files) - set(expected))}")
    _, depends = run(["dpkg-deb", "--field", deb, "Depends"])
    names = {re.split(r"[ (]", part.strip())[0] for part in depends.split(",")}
    missing = [name for name in REQUIRED_DEPENDS if name not in names]
    if missing:
        problems.append(f"Depends lacks {missing}: {depends}")
    lab_program = os.path.join(root, "usr", installed.LAB_PROGRAM)
    if os.path.exists(lab_program):
        code, output = run([lab_program, "--results"])
        if code != 0 or not output.startswith(LAB_FIRST_RESULT):
            problems.append(f"cordic-lab --results (exit {code}): {output!r}")
    return problems


def case(args):
    debs = glob.glob(os.path.join(args.deb_dir, "*.deb"))
    runner.check(len(debs) == 1, f"expected one .deb in {args.deb_dir}, found {debs}")
    deb = debs[0]
    runner.log(f"package {deb}, {os.path.getsize(deb)} bytes")
    root = os.path.join(args.workdir, "root")
    code, output = run(["dpkg-deb", "-x", deb, root])
    runner.check(code == 0, f"dpkg-deb -x failed: {output}")

    problems = validator_problems(deb, root) + content_problems(deb, root)
    for problem in problems:
        runner.log(problem)

    program = os.path.join(root, args.program)
    with Session(program, args.workdir, CAPTION) as session:
        runner.log(f"the window {CAPTION!r} is shown (X window {session.window_id})")
    runner.check(not problems, "the package:\n  " + "\n  ".join(problems))


def add_arguments(parser):
    parser.add_argument("--deb-dir", required=True, help="where scripts/package put the .deb")


if __name__ == "__main__":
    # --program is the binary's path inside the package.
    runner.run_case(case, add_arguments)
