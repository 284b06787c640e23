"""The step view "Kroky algoritmu CORDIC". F2 in the main window opens it. "Pozastaviť" holds a
run after its current step (the button then reads "Pokračovať"): the table and the trace panel
stay at the same number of steps; "Ďalší krok" lets the run take exactly one more step;
"Pokračovať" lets it finish. Both buttons are enabled only during a run. The finished table has
the eight column headers, one row per step and the result row "výsledok", every cell as a plain
implementation of the rotation computes it (e2e_expected_values). Closed, the view opens again
from the plot's context menu item "Zobraziť kroky…", still showing the run."""

import os
import time

from demo_window import TEXT_COMPUTING, TEXT_DONE, UNIT_RADIANS, DemoWindow, open_session
from runner import (RUN_TIMEOUT, STEP_TIMEOUT, CaseFailure, check, check_equal, log, run_case,
                    wait_until)
import xwindow

CAPTION = "Kroky algoritmu CORDIC"
HEADERS = ["i", "smer", "atan 2^-i", "z", "x", "y", "|x \u2212 cos|", "|y \u2212 sin|"]
TEXT_PAUSE = "Pozastaviť"
TEXT_CONTINUE = "Pokračovať"
TEXT_STEP = "Ďalší krok"
TEXT_COPY = "Kopírovať tabuľku"
RESULT_INDEX = "výsledok"
STEPS = 54

# The view (1180x700) shows whole on this screen.
SCREEN = (1280, 1024)
ANGLE = "-0.37"
# Slow enough (under AddressSanitizer, most of a second a step) to pause the run in its middle.
PACE = 200000
# The pause before the first look: a few steps of the run.
PAUSE_AFTER = 3
# How long a held run is watched for a step it should not take.
HOLD_SECONDS = 1.0
PICTURE = "step_view.png"


class StepView:
    """The step view in a running session: its table and buttons."""

    def __init__(self, session, top_level):
        self.session = session
        self.frame = top_level.frame
        self.window_id = top_level.window_id
        atspi = session.atspi
        self.table = session.find(atspi.ROLE_TABLE, "Tabuľka krokov", self.frame)
        # Found by their idle texts; the pause button keeps its accessible when renamed.
        self.pause = session.find(atspi.ROLE_PUSH_BUTTON, TEXT_PAUSE, self.frame)
        self.step = session.find(atspi.ROLE_PUSH_BUTTON, TEXT_STEP, self.frame)
        self.copy = session.find(atspi.ROLE_PUSH_BUTTON, TEXT_COPY, self.frame)

    def rows(self):
        return self.table.queryTable().nRows

    def showing(self):
        return self.frame.getState().contains(self.session.atspi.STATE_SHOWING)

    def idle_state(self):
        """The pause button's text and whether the pause and step buttons are enabled."""
        return (self.pause.name, self.session.is_enabled(self.pause),
                self.session.is_enabled(self.step))

    def check_idle(self, what):
        """Without a run the pause and step buttons are disabled, the pause button reads
        "Pozastaviť". (Accessible states reach the test as events: it waits for them.)"""
        idle = (TEXT_PAUSE, False, False)
        try:
            wait_until(lambda: self.idle_state() == idle, STEP_TIMEOUT, "the idle buttons")
        except CaseFailure:
            raise CaseFailure(f"the buttons {what}: (text, pause enabled, step enabled) = "
                              f"{self.idle_state()}, expected {idle}") from None


def check_held(window, view, steps, what):
    """The run is held with `steps` steps shown in the table and in the x trace panel."""
    check_equal(window.status(), TEXT_COMPUTING, f"the status {what}")
    check_equal(view.pause.name, TEXT_CONTINUE, f"the pause button's text {what}")
    check_equal(view.rows(), steps, f"the table's rows {what}")
    check_equal(len(window.lines("Memo1")), steps, f"the x trace panel's entries {what}")


def check_cells(session, view, expected):
    cells = session.table_cells(view.table)
    check_equal(len(cells), STEPS + 1, "the table's rows after the run")
    check_equal(len(expected.rows), STEPS + 1, "e2e_expected_values's rows")
    wrong = [f"row {row} {HEADERS[column]!r}: {shown[column]!r} instead of {want[column]!r}"
             for row, (shown, want) in enumerate(zip(cells, expected.rows))
             for column in range(len(HEADERS)) if shown[column] != want[column]]
    check(not wrong, f"{len(wrong)} cells differ from the plain rotation's:\n  " +
          "\n  ".join(wrong[:12]))
    check_equal(cells[-1][0], RESULT_INDEX, "the last row's i")
    log(f"all {len(cells)}x{len(HEADERS)} cells as computed; result row {cells[-1]}")


def hold_and_step(session, window, view):
    """Pauses the run, watches it held, lets it take one step, then lets it finish."""
    wait_until(lambda: view.rows() >= PAUSE_AFTER and session.is_enabled(view.pause),
               RUN_TIMEOUT, f"the run to show {PAUSE_AFTER} steps")
    check(session.is_enabled(view.step), "the step button is disabled during the run")
    session.click(view.pause)
    wait_until(lambda: view.pause.name == TEXT_CONTINUE, STEP_TIMEOUT,
               f"the pause button to read {TEXT_CONTINUE!r}")
    # At pace 0 the run handles no events between its steps: whenever the program answers, the
    # run is held, or an unheld run has gone on to its end.
    window.set_slider(0)
    held = view.rows()
    check(held < STEPS, "the run ended before the pause; the test needs a slower pace")
    check_held(window, view, held, "when paused")
    time.sleep(HOLD_SECONDS)
    check_held(window, view, held, f"{HOLD_SECONDS} s after the pause")
    log(f"held after step {held - 1} for {HOLD_SECONDS} s")

    session.click(view.step)
    wait_until(lambda: view.rows() != held, STEP_TIMEOUT, f"{TEXT_STEP!r} to add a row")
    check_held(window, view, held + 1, f"after {TEXT_STEP!r}")
    log(f"{TEXT_STEP!r} took step {held} and held again")

    session.click(view.pause)
    wait_until(lambda: window.status() == TEXT_DONE and view.rows() == STEPS + 1, RUN_TIMEOUT,
               f"{TEXT_CONTINUE!r} to let the run finish")


def reopen_from_menu(session, window, view):
    """Closes the view as a window manager does and opens it with the plot's context menu."""
    xwindow.request_close(session.display, view.window_id)
    wait_until(lambda: not view.showing(), STEP_TIMEOUT, "the view to close")
    x, y = session.centre(window["Img"])
    session.xdotool("mousemove", str(x), str(y), "click", "3")
    # The menu holds "Zobraziť kroky…" and below it "Laboratórium…"; it is no accessible of the
    # program's. The first item fills the menu's upper half.
    menus = wait_until(lambda: xwindow.menus(session.display, session.app.pid), STEP_TIMEOUT,
                       "the plot's context menu")
    check_equal(len(menus), 1, "the context menus shown")
    left, top, width, height = menus[0]
    session.xdotool("mousemove", str(left + width // 2), str(top + height // 4), "click", "1")
    return StepView(session, session.top_level(CAPTION))


def case(args):
    with open_session(args, screen=SCREEN) as session:
        window = DemoWindow(session, args.expected)
        expected = window.expect(ANGLE, UNIT_RADIANS)
        window.choose_unit(UNIT_RADIANS)
        window.set_angle(ANGLE)
        window.set_slider(PACE)

        session.key("F2")
        view = StepView(session, session.top_level(CAPTION))
        check_equal(session.table_headers(view.table), HEADERS, "the table's column headers")
        check_equal(view.rows(), 0, "the table's rows before any run")
        view.check_idle("before any run")

        # Without a window manager the view opens over the main window: the covered start
        # button is pressed through its accessible action.
        session.do_action(window["Button1"], "Press")
        hold_and_step(session, window, view)
        view.check_idle("after the run")
        if not window.shows_result(expected):
            window.explain_result_mismatch(expected)
            raise CaseFailure("the main window does not show the run as the core computes it")
        check_cells(session, view, expected)

        view = reopen_from_menu(session, window, view)
        check_equal(view.rows(), STEPS + 1, "the reopened table's rows")
        picture = session.save_window_picture(view.window_id,
                                              os.path.join(args.workdir, PICTURE))
        log(f"the view's picture: {picture}")


if __name__ == "__main__":
    run_case(case)
