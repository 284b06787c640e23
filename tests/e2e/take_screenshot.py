"""Saves the pictures of the program that the README and the teacher's guide (docs/navod.md)
show, each a window alone, made with the real program in a private X server:

  screenshot.png            the main window after a run of 30 degrees at the fastest pace
  kroky-30.png              the step view after that run, opened with F2 before it so that it
                            followed the run down to its result row
  kroky-pozastavene.png     the step view of a slow run of 30 degrees held after step 5
  projektor.png             the main window after a run of 30 degrees at QT_SCALE_FACTOR=2

The first three come from one session of the program, the fourth from a second: one process
reads one accessibility bus, so each session is a run of this script of its own.

Usage: /usr/bin/python3 take_screenshot.py --program BINARY --output-dir DIR [--projector]"""

import os

from demo_window import TEXT_DONE, UNIT_DEGREES, DemoWindow, open_session
from runner import RUN_TIMEOUT, STEP_TIMEOUT, check, check_equal, log, run_case, wait_until

ANGLE = "30"
STEPS = 54

STEP_VIEW = "Kroky algoritmu CORDIC"
STEP_TABLE = "Tabuľka krokov"
PAUSE = "Pozastaviť"
CONTINUE = "Pokračovať"
NEXT_STEP = "Ďalší krok"

# The step view opens at 1180 x 700 beside the main window: a screen with room for both whole.
WIDE_SCREEN = (2560, 1440)
# The main window at twice its size, 1110 x 1030, with room to spare.
PROJECTOR_SCREEN = (1920, 1200)
PROJECTOR_ENV = {"QT_SCALE_FACTOR": "2"}

# The held run: its table shows the rows of steps 0 .. 5, the last one the step about to turn.
HELD_ROWS = 6
# Event pumps per step for the held run: slow enough that the first "Ďalší krok" arrives
# before step 5, so that the run is held before it gets there.
SLOW_PACE = 200000
# A held run adds no row for this long (seconds); a running one at SLOW_PACE (about 0.6 s a
# step on an idle machine) adds two or more.
HOLD_QUIET = 1.5


def add_arguments(parser):
    parser.add_argument("--output-dir", required=True, help="where the PNGs go")
    parser.add_argument("--projector", action="store_true",
                        help="the projector picture instead of the other three")


def save_window(session, window_id, output):
    """Saves the window alone, once it stands still, and says so."""
    log(f"saved {session.save_window_picture(window_id, output)}")


def run_thirty_degrees(window):
    """Runs 30 degrees at the fastest pace with the keyboard and accessible actions, not with
    clicks: under QT_SCALE_FACTOR the accessible extents are not the screen's pixels."""
    session = window.session
    window.slider_home()
    check_equal(window.unit(), UNIT_DEGREES, "the unit at start-up")
    field = window["Input"]
    field.queryComponent().grabFocus()
    wait_until(lambda: field.getState().contains(session.atspi.STATE_FOCUSED), STEP_TIMEOUT,
               "the angle field to take the focus")
    session.type_text(ANGLE)
    wait_until(lambda: session.text(field) == ANGLE, STEP_TIMEOUT,
               f"the angle field to read {ANGLE!r}")
    # The start button takes the focus as a click would give it.
    window["Button1"].queryComponent().grabFocus()
    press(window["Button1"])
    wait_until(lambda: window.status() == TEXT_DONE and window.button_enabled()
               and len(window.lines("Memo1")) == STEPS, RUN_TIMEOUT, "the run of 30 degrees")


def press(button):
    """Presses a button through its accessible action: it works whichever window is on top."""
    button.queryAction().doAction(0)


def row_count(table):
    return table.queryTable().nRows


def held_rows(session, table, pause):
    """Waits until the run stands held (the pause button reads "Pokračovať" and no row has
    arrived for a while: a step granted by "Ďalší krok" is taken after the press) and returns
    the number of rows."""
    seen = [-1]

    def standing():
        count = row_count(table)
        same = count == seen[0] and pause.name == CONTINUE
        seen[0] = count
        return count if same else 0

    return wait_until(standing, STEP_TIMEOUT, "the run to stand held", interval=HOLD_QUIET)


def main_window_and_step_view(args, output_dir):
    with open_session(args, screen=WIDE_SCREEN) as session:
        window = DemoWindow(session, args.expected)
        # The step view opened first (F2) follows the run to its result row.
        session.key("F2")
        view = session.top_level(STEP_VIEW)
        table = session.find(session.atspi.ROLE_TABLE, STEP_TABLE, view.frame)

        session.xdotool("windowraise", str(session.window_id))
        session.xdotool("windowfocus", "--sync", str(session.window_id))
        run_thirty_degrees(window)
        save_window(session, session.window_id, os.path.join(output_dir, "screenshot.png"))

        wait_until(lambda: row_count(table) == STEPS + 1, STEP_TIMEOUT,
                   "the step table to show the whole run")
        session.xdotool("windowraise", str(view.window_id))
        session.xdotool("windowfocus", "--sync", str(view.window_id))
        save_window(session, view.window_id, os.path.join(output_dir, "kroky-30.png"))

        # A slow run held by "Ďalší krok" (the right arrow, while the view has the focus) as soon
        # as it starts, then stepped to step 5.
        pause = session.find(session.atspi.ROLE_PUSH_BUTTON, PAUSE, view.frame)
        step = session.find(session.atspi.ROLE_PUSH_BUTTON, NEXT_STEP, view.frame)
        window.set_slider(SLOW_PACE)
        press(window["Button1"])
        wait_until(lambda: session.is_enabled(step), STEP_TIMEOUT, "the run to start")
        session.key("Right")
        rows = held_rows(session, table, pause)
        check(rows <= HELD_ROWS, f"the run was held only after {rows} rows")
        while rows < HELD_ROWS:
            session.key("Right")
            rows = held_rows(session, table, pause)
        save_window(session, view.window_id,
                    os.path.join(output_dir, "kroky-pozastavene.png"))
        check_equal(row_count(table), HELD_ROWS, "rows while held")

        # Let the run finish, so that the program ends as after any run.
        window.set_slider(0)
        session.key("space")
        wait_until(lambda: window.status() == TEXT_DONE and window.button_enabled(),
                   RUN_TIMEOUT, "the held run to finish")


def projector(args, output_dir):
    with open_session(args, screen=PROJECTOR_SCREEN, env=PROJECTOR_ENV) as session:
        window = DemoWindow(session, args.expected)
        run_thirty_degrees(window)
        save_window(session, session.window_id, os.path.join(output_dir, "projektor.png"))


def case(args):
    output_dir = os.path.abspath(args.output_dir)
    if args.projector:
        projector(args, output_dir)
    else:
        main_window_and_step_view(args, output_dir)


if __name__ == "__main__":
    run_case(case, add_arguments)
