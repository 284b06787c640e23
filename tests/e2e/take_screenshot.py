"""Saves a picture of the program's window alone after a run of 30 degrees at slider 0.

Usage: /usr/bin/python3 take_screenshot.py --program BINARY --output PNG"""

import os

from demo_window import TEXT_DONE, UNIT_DEGREES, DemoWindow, open_session
from runner import RUN_TIMEOUT, log, run_case, wait_until

ANGLE = "30"
STEPS = 54


def add_arguments(parser):
    parser.add_argument("--output", required=True, help="where the PNG goes")


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
        output = session.save_window_picture(session.window_id, os.path.abspath(args.output))
        log(f"saved {output}")


if __name__ == "__main__":
    run_case(case, add_arguments)
