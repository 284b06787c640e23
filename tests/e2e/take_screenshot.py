"""Saves a picture of the program's window alone after a run of 30 degrees at slider 0.

Usage: /usr/bin/python3 take_screenshot.py --program BINARY --output PNG"""

import os
import subprocess

from demo_window import TEXT_DONE, UNIT_DEGREES, DemoWindow, open_session
from runner import RUN_TIMEOUT, STEP_TIMEOUT, check, log, run_case, wait_until

ANGLE = "30"
STEPS = 54


def add_arguments(parser):
    parser.add_argument("--output", required=True, help="where the PNG goes")


def window_pixels(session):
    return subprocess.run(["import", "-display", session.display, "-window",
                           str(session.window_id), "-depth", "8", "rgb:-"],
                          check=True, capture_output=True, timeout=STEP_TIMEOUT).stdout


def case(args):
    with open_session(args) as session:
        window = DemoWindow(session, args.expected)
        window.slider_home()
        window.choose_unit(UNIT_DEGREES)
        window.set_angle(ANGLE)
        window.press_start()
        wait_until(lambda: window.status() == TEXT_DONE and window.button_enabled()
                   and len(window.lines("Memo1")) == STEPS, RUN_TIMEOUT,
                   "the run of 30 degrees")
        # Out of the window, so that no control shows the pointer hovering; then wait until
        # the window has repainted and stands still.
        width, height = session.screen
        session.xdotool("mousemove", str(width - 1), str(height - 1))
        previous = [window_pixels(session)]

        def stable():
            current = window_pixels(session)
            same = current == previous[0]
            previous[0] = current
            return same

        wait_until(stable, STEP_TIMEOUT, "the window to stand still", interval=0.3)
        output = os.path.abspath(args.output)
        subprocess.run(["import", "-display", session.display, "-window", str(session.window_id),
                        output], check=True, timeout=STEP_TIMEOUT)
        check(os.path.getsize(output) > 0, "the screenshot is empty")
        log(f"saved {output}")


if __name__ == "__main__":
    run_case(case, add_arguments)
