"""The cordic-lab program as a script runs it: with no display (its environment holds none), it
prints the main window's 30-degree run, exits 2 with one line on standard error and nothing on
standard output for a refused setup or an output it cannot write (/dev/full), 1 after a refused
line of standard input, and links neither Qt's widgets nor its graphics.

Usage: case_program.py PROGRAM"""

import os
import subprocess
import sys

LAST_ROW = "54\t\t\t0.8660254037844386957\t0.49999999999999991557\t7.696975608601395261e-17"


def run(program, arguments, stdin="", stdout=subprocess.PIPE):
    environment = {name: value for name, value in os.environ.items()
                   if name not in ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM")}
    return subprocess.run([program, *arguments], input=stdin.encode(), stdout=stdout,
                          stderr=subprocess.PIPE, env=environment, timeout=60, check=False)


def problems(program):
    found = []

    def expect(what, actual, expected):
        if actual != expected:
            found.append(f"{what}: expected {expected!r}, got {actual!r}")

    default = run(program, [])
    expect("no options: status", default.returncode, 0)
    expect("no options: the last row", default.stdout.decode().splitlines()[-1:], [LAST_ROW])
    expect("no options: standard error", default.stderr, b"")

    refused = run(program, ["--steps", "0"])
    expect("--steps 0: status", refused.returncode, 2)
    expect("--steps 0: standard output", refused.stdout, b"")
    expect("--steps 0: standard error", refused.stderr.decode(), "Počet krokov je od 1 do 64\n")

    with open("/dev/full", "wb") as full:
        unwritten = run(program, ["--results"], stdout=full)
    expect("output to /dev/full: status", unwritten.returncode, 2)
    expect("output to /dev/full: standard error", unwritten.stderr.decode(),
           "Výstup sa nedá zapísať\n")

    inputs = run(program, ["--inputs", "-", "--results"], stdin="0.5\nx\n")
    expect("a refused input line: status", inputs.returncode, 1)
    expect("a refused input line: its line", inputs.stdout.decode().splitlines()[-1:],
           ["# riadok 2: Uhol nie je číslo"])

    needed = subprocess.run(["readelf", "-d", program], capture_output=True, text=True,
                            check=True).stdout
    for library in ("libQt6Widgets", "libQt6Gui"):
        if library in needed:
            found.append(f"the program links {library}")
    return found


def main():
    found = problems(sys.argv[1])
    for problem in found:
        print(problem)
    print("FAILED" if found else "passed: cordic-lab as a script runs it")
    return 1 if found else 0


if __name__ == "__main__":
    sys.exit(main())
