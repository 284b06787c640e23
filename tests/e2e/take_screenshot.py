"""Saves the pictures of the program that the README and the teacher's guide (docs/navod.md)
show, each a window alone, made with the real program in a private X server:

  screenshot.png            the main window after a run of 30 degrees at the fastest pace
  kroky-30.png              the step view after that run, opened with F2 before it so that it
                            followed the run down to its result row
  kroky-krok3.png           the same run gone back to step 3 (Home, then the right arrow three
                            times): the vector plot, the magnifier, the table's selected row and
                            the chart's marker show step 3
  kroky-pozastavene.png     the step view of a slow run of 30 degrees held after step 5
  kroky-hadaj.png           a run with "Hádaj smer" on: five directions guessed, one of them
                            wrong, and step 5 waiting for its guess
  laboratorium.png          the laboratory (F3): fixed point 16/14, 30 degrees, 14 steps
  lab-hyperbolicka.png      the laboratory in hyperbolic rotation of t = 0.5 in the same 16/14,
                            16 steps: shift 4 in two rows, the vector on the hyperbola's branch
  lab-zaokruhlenie.png      the laboratory back in circular rotation of 30 degrees, 16 steps,
                            shifts rounded to even with 4 guard bits: the guard bits set apart in
                            the bit columns, the chart's grey curve of plain truncation
  projektor.png             a projector of 1024 x 768: the step view of that run at step 3,
                            zoomed to 300 % (Ctrl++ eight times) and in full screen (F11)

All but the last come from one session of the program, the last from a second: one process
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
TIMELINE = "Krok"
GUESSING = "Hádaj smer"
SIGMA_COLUMN = 1

LABORATORY = "Laboratórium CORDIC"
LAB_TABLE = "Kroky laboratória"
LAB_STEPS = 14
# The lessons' pictures: 16 steps, the hyperbolic one's shift 4 in rows 3 and 4, the rounding's
# registers of W + G = 20 bits.
LESSON_STEPS = 16
SHIFT_COLUMN = 2
REPEATED_SHIFT_ROWS = [3, 4]
GUARD_BITS = 4
X_BITS_COLUMN = 6
GUARDED_BITS_TEXT = len("00.10011011011101") + GUARD_BITS
# The lessons' laboratory, larger than it opens: room for the bit columns, the results and the
# whole chart.
LESSON_WINDOW = (1400, 960)

# The step view opens at 1180 x 700 beside the main window, the laboratory at 1000 x 700: a
# screen with room for all three.
WIDE_SCREEN = (2560, 1440)
# A school's projector, and the zoom's steps of 25 % to 300 %.
PROJECTOR_SCREEN = (1024, 768)
ZOOM_STEPS = 8

# The past step shown after the run.
PAST_STEP = 3

# The held run: its table shows the rows of steps 0 .. 5, the last one the step about to turn.
HELD_ROWS = 6
# Event pumps per step for the held run: slow enough that the first "Ďalší krok" arrives
# before step 5, so that the run is held before it gets there.
SLOW_PACE = 200000
# A held run adds no row for this long (seconds); a running one at SLOW_PACE (about 0.6 s a
# step on an idle machine) adds two or more.
HOLD_QUIET = 1.5

# The guesses (keys) for steps 0 .. 4 of 30 degrees, whose directions are + − + − +: step 3
# guessed wrong, so the score reads "Správne: 4 z 5". Then step 5 waits for its guess: the
# "smer" cells as they read then, the wrong one with the guess beside it.
GUESSES = ["plus", "minus", "plus", "plus", "plus"]
MARKS = ["+ \u2713", "\u2212 \u2713", "+ \u2713", "\u2212 \u2717 (+)", "+ \u2713", "?"]


def add_arguments(parser):
    parser.add_argument("--output-dir", required=True, help="where the PNGs go")
    parser.add_argument("--projector", action="store_true",
                        help="the projector picture instead of the others")


def save_window(session, window_id, output):
    """Saves the window alone, once it stands still, and says so."""
    log(f"saved {session.save_window_picture(window_id, output)}")


def run_thirty_degrees(window):
    """Runs 30 degrees at the fastest pace with the keyboard and accessible actions, not with
    clicks: whichever window is on top, they reach the main window."""
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
    wait_for_end(window)


def wait_for_end(window):
    wait_until(lambda: window.status() == TEXT_DONE and window.button_enabled()
               and len(window.lines("Memo1")) == STEPS, RUN_TIMEOUT, "the run of 30 degrees")


def press(button):
    """Presses a button through its accessible action: it works whichever window is on top."""
    button.queryAction().doAction(0)


def row_count(table):
    return table.queryTable().nRows


def cell(table, row, column):
    return table.queryTable().getAccessibleAt(row, column).name


def bring_up(session, window_id):
    session.xdotool("windowraise", str(window_id))
    session.xdotool("windowfocus", "--sync", str(window_id))


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


class StepView:
    """The step view's controls that the pictures drive and check."""

    def __init__(self, session):
        self.session = session
        self.top = session.top_level(STEP_VIEW)
        atspi = session.atspi
        frame = self.top.frame
        self.table = session.find(atspi.ROLE_TABLE, STEP_TABLE, frame)
        self.timeline = session.find(atspi.ROLE_SLIDER, TIMELINE, frame)
        self.pause = session.find(atspi.ROLE_PUSH_BUTTON, PAUSE, frame)
        self.step = session.find(atspi.ROLE_PUSH_BUTTON, NEXT_STEP, frame)
        self.guessing = session.find(atspi.ROLE_CHECK_BOX, GUESSING, frame)

    def shows(self, step):
        """The timeline and the table's selected row both tell `step`."""
        shown = (self.session.value(self.timeline),
                 list(self.table.queryTable().getSelectedRows()))
        if shown != (step, [step]):
            raise ValueError(f"the timeline and the selection tell {shown}")
        return True


def show_past_step(session, view):
    """After the run: Home and three right arrows show step 3."""
    bring_up(session, view.top.window_id)
    session.key("Home")
    session.key(*["Right"] * PAST_STEP)
    wait_until(lambda: view.shows(PAST_STEP), STEP_TIMEOUT, f"step {PAST_STEP} shown")


def past_step(session, view, output_dir):
    """Step 3 shown, then the newest row again."""
    show_past_step(session, view)
    save_window(session, view.top.window_id, os.path.join(output_dir, "kroky-krok3.png"))
    # End follows the newest row again: the next run fills the view as it arrives.
    session.key("End")
    wait_until(lambda: session.value(view.timeline) == STEPS, STEP_TIMEOUT, "the result shown")


def held_run(session, window, view, output_dir):
    """A slow run held by "Ďalší krok" as soon as it starts, then stepped to step 5 with the
    right arrow, which at the newest row of a paused run takes the next step."""
    window.set_slider(SLOW_PACE)
    press(window["Button1"])
    wait_until(lambda: session.is_enabled(view.step), STEP_TIMEOUT, "the run to start")
    press(view.step)
    rows = held_rows(session, view.table, view.pause)
    check(rows <= HELD_ROWS, f"the run was held only after {rows} rows")
    bring_up(session, view.top.window_id)
    while rows < HELD_ROWS:
        session.key("Right")
        rows = held_rows(session, view.table, view.pause)
    save_window(session, view.top.window_id, os.path.join(output_dir, "kroky-pozastavene.png"))
    check_equal(row_count(view.table), HELD_ROWS, "rows while held")

    # Let the run finish, so that the next one starts as after any run.
    window.set_slider(0)
    session.key("space")
    wait_for_end(window)


def guessing_run(session, window, view, output_dir):
    """A run with "Hádaj smer" on: each step waits for its guess, given with the keys + and −."""
    session.do_action(view.guessing, "Toggle")
    wait_until(lambda: session.is_checked(view.guessing), STEP_TIMEOUT, "guessing on")
    press(window["Button1"])
    bring_up(session, view.top.window_id)
    for step, guess in enumerate(GUESSES):
        wait_until(lambda: row_count(view.table) == step + 1
                   and cell(view.table, step, SIGMA_COLUMN) == "?", STEP_TIMEOUT,
                   f"step {step} to wait for its guess")
        session.key(guess)
    wait_until(lambda: row_count(view.table) == len(GUESSES) + 1
               and cell(view.table, len(GUESSES), SIGMA_COLUMN) == "?", STEP_TIMEOUT,
               f"step {len(GUESSES)} to wait for its guess")
    check_equal([cell(view.table, step, SIGMA_COLUMN) for step in range(len(MARKS))], MARKS,
                "the directions marked and the one asked")
    save_window(session, view.top.window_id, os.path.join(output_dir, "kroky-hadaj.png"))

    # Guessing off lets the run go on to its end.
    session.do_action(view.guessing, "Toggle")
    wait_for_end(window)


def set_count(session, lab, name, value):
    """Types a whole number into the laboratory's spin box `name`."""
    spin = session.find(session.atspi.ROLE_SPIN_BUTTON, name, lab.frame)
    session.do_action(spin, "SetFocus")
    session.key("ctrl+a")
    session.type_text(str(value))


def choose(session, lab, *names):
    """Checks the laboratory's radio buttons `names`, in this order."""
    for name in names:
        session.do_action(session.find(session.atspi.ROLE_RADIO_BUTTON, name, lab.frame),
                          "Toggle")


def laboratory(session, output_dir):
    """F3 in the main window: fixed point (16 bits, 14 of them fraction bits, by default), 30
    degrees (the default angle) and 14 steps. Returns the laboratory and its table."""
    bring_up(session, session.window_id)
    session.key("F3")
    lab = session.top_level(LABORATORY)
    choose(session, lab, "pevná čiarka")
    set_count(session, lab, "Počet krokov", LAB_STEPS)
    table = session.find(session.atspi.ROLE_TABLE, LAB_TABLE, lab.frame)
    wait_until(lambda: row_count(table) == LAB_STEPS + 1, STEP_TIMEOUT,
               f"{LAB_STEPS + 1} rows in the laboratory's table")
    bring_up(session, lab.window_id)
    save_window(session, lab.window_id, os.path.join(output_dir, "laboratorium.png"))
    return lab, table


def hyperbolic_lesson(session, lab, table, output_dir):
    """The same fixed point in hyperbolic rotation of t = 0.5 (the field's first text for the
    system) and 16 steps, the window enlarged in the screen's top left corner (where it opened,
    beside the step view, there is no room below it)."""
    session.xdotool("windowmove", str(lab.window_id), "0", "0")
    session.xdotool("windowsize", str(lab.window_id), *map(str, LESSON_WINDOW))
    wait_until(lambda: session.extents(lab.frame) == (0, 0, *LESSON_WINDOW), STEP_TIMEOUT,
               "the laboratory enlarged in the screen's corner")
    set_count(session, lab, "Počet krokov", LESSON_STEPS)
    choose(session, lab, "hyperbolická")
    wait_until(lambda: row_count(table) == LESSON_STEPS + 1
               and [cell(table, row, SHIFT_COLUMN) for row in REPEATED_SHIFT_ROWS] == ["4", "4"],
               STEP_TIMEOUT, "the hyperbolic run's shift 4 in rows 3 and 4")
    bring_up(session, lab.window_id)
    save_window(session, lab.window_id, os.path.join(output_dir, "lab-hyperbolicka.png"))


def rounding_lesson(session, lab, table, output_dir):
    """Back in circular rotation (its angle field 30 degrees again), 16 steps, shifts rounded to
    even with 4 guard bits."""
    choose(session, lab, "kruhová", "k párnemu")
    set_count(session, lab, "Strážne bity", GUARD_BITS)
    wait_until(lambda: cell(table, 0, SHIFT_COLUMN) == "0"
               and len(cell(table, 0, X_BITS_COLUMN)) == GUARDED_BITS_TEXT, STEP_TIMEOUT,
               f"the circular run's registers with {GUARD_BITS} guard bits")
    bring_up(session, lab.window_id)
    save_window(session, lab.window_id, os.path.join(output_dir, "lab-zaokruhlenie.png"))


def main_window_and_other_windows(args, output_dir):
    with open_session(args, screen=WIDE_SCREEN) as session:
        window = DemoWindow(session, args.expected)
        # The step view opened first (F2) follows the run to its result row.
        session.key("F2")
        view = StepView(session)

        bring_up(session, session.window_id)
        run_thirty_degrees(window)
        save_window(session, session.window_id, os.path.join(output_dir, "screenshot.png"))

        wait_until(lambda: row_count(view.table) == STEPS + 1, STEP_TIMEOUT,
                   "the step table to show the whole run")
        bring_up(session, view.top.window_id)
        save_window(session, view.top.window_id, os.path.join(output_dir, "kroky-30.png"))

        past_step(session, view, output_dir)
        held_run(session, window, view, output_dir)
        guessing_run(session, window, view, output_dir)
        lab, table = laboratory(session, output_dir)
        hyperbolic_lesson(session, lab, table, output_dir)
        rounding_lesson(session, lab, table, output_dir)


def projector(args, output_dir):
    """The step view of a run of 30 degrees on a projector: step 3 at 300 % in full screen."""
    with open_session(args, screen=PROJECTOR_SCREEN) as session:
        window = DemoWindow(session, args.expected)
        run_thirty_degrees(window)
        bring_up(session, session.window_id)
        session.key("F2")
        view = StepView(session)
        wait_until(lambda: row_count(view.table) == STEPS + 1, STEP_TIMEOUT,
                   "the step table to show the whole run")
        show_past_step(session, view)
        session.key(*["ctrl+plus"] * ZOOM_STEPS)
        session.key("F11")
        wait_until(lambda: session.extents(view.top.frame) == (0, 0, *PROJECTOR_SCREEN),
                   STEP_TIMEOUT, "the view in full screen")
        save_window(session, view.top.window_id, os.path.join(output_dir, "projektor.png"))


def case(args):
    output_dir = os.path.abspath(args.output_dir)
    if args.projector:
        projector(args, output_dir)
    else:
        main_window_and_other_windows(args, output_dir)


if __name__ == "__main__":
    run_case(case, add_arguments)
