"""Keeping a lesson's table: on a 1366x768 laptop screen the step view opens wholly on the screen
(there is no room beside the main window, so it covers it). A 30 degree run, then Home and three
right arrows show step 3, and "Uložiť tabuľku…" with a name typed into the file dialog saves the
table as CSV: a first row with the run's angle, the header row and every row's cells as a plain
implementation of the rotation computes them (e2e_expected_values), comma-separated, UTF-8."""

import csv
import os

from demo_window import UNIT_DEGREES, DemoWindow, open_session
from runner import STEP_TIMEOUT, check, check_equal, log, run_case, wait_until
import xwindow

CAPTION = "Kroky algoritmu CORDIC"
DIALOG_CAPTION = "Uložiť tabuľku"
SAVE_TABLE = "Uložiť tabuľku…"
HEADERS = ["i", "smer", "atan 2^-i", "z", "x", "y", "|x \u2212 cos|", "|y \u2212 sin|"]
STEPS = 54
SCREEN = (1366, 768)
ANGLE = "30"
FILE_NAME = "kroky-30.csv"


def check_on_screen(session, window_id, what):
    x, y, width, height = xwindow.geometry(session.display, window_id)
    screen_width, screen_height = SCREEN
    check(x >= 0 and y >= 0 and x + width <= screen_width and y + height <= screen_height,
          f"{what} at {(x, y, width, height)} is not wholly on the {SCREEN} screen")
    log(f"{what} at {(x, y, width, height)}")


def read_csv(path):
    with open(path, encoding="utf-8", newline="") as file:
        return list(csv.reader(file))


def case(args):
    with open_session(args, screen=SCREEN) as session:
        window = DemoWindow(session, args.expected)
        expected = window.expect(ANGLE, UNIT_DEGREES)
        window.choose_unit(UNIT_DEGREES)
        window.set_angle(ANGLE)
        window.set_slider(0)

        session.key("F2")
        view = session.top_level(CAPTION)
        check_on_screen(session, view.window_id, "the step view")
        table = session.find(session.atspi.ROLE_TABLE, "Tabuľka krokov", view.frame)
        save = session.find(session.atspi.ROLE_PUSH_BUTTON, SAVE_TABLE, view.frame)

        # The view covers the start button: it is pressed through its accessible action.
        session.do_action(window["Button1"], "Press")
        window.wait_for_result(expected, f"the run of {ANGLE} degrees")
        wait_until(lambda: table.queryTable().nRows == STEPS + 1, STEP_TIMEOUT,
                   "the table's result row")

        # Step 3 shown: Home goes to step 0, each right arrow one step on, and the timeline
        # follows. Showing a past step leaves the table whole: the saved table is all of it.
        timeline = session.find(session.atspi.ROLE_SLIDER, "Krok", view.frame)
        session.xdotool("windowfocus", "--sync", str(view.window_id))
        session.key("Home")
        wait_until(lambda: session.value(timeline) == 0, STEP_TIMEOUT, "step 0 shown after Home")
        session.key("Right", "Right", "Right")
        wait_until(lambda: session.value(timeline) == 3, STEP_TIMEOUT, "step 3 shown")

        session.click(save)
        dialog = session.top_level(DIALOG_CAPTION)
        path = os.path.join(args.workdir, FILE_NAME)
        check(not os.path.exists(path), f"{path} exists before the save")
        session.xdotool("windowfocus", "--sync", str(dialog.window_id))
        session.key("ctrl+a")
        session.type_text(path)
        session.key("Return")
        wait_until(lambda: os.path.exists(path), STEP_TIMEOUT, f"the table saved to {path}")

        with open(path, "rb") as file:
            data = file.read()
        check(not data.startswith(b"\xef\xbb\xbf"), "the CSV starts with a byte order mark")
        rows = read_csv(path)
        check_equal(rows[0], ["\u03b8 (rad)", expected.rows[0][HEADERS.index("z")]],
                    "the CSV's first row: the angle, as step 0's z")
        rows = rows[1:]
        check_equal(rows[0], HEADERS, "the CSV's header row")
        check_equal(len(rows), STEPS + 2, "the CSV's rows with the header")
        wrong = [f"row {index} {HEADERS[column]!r}: {saved[column]!r} instead of "
                 f"{want[column]!r}"
                 for index, (saved, want) in enumerate(zip(rows[1:], expected.rows))
                 for column in range(len(HEADERS)) if saved[column] != want[column]]
        check(not wrong, f"{len(wrong)} cells differ from the plain rotation's:\n  " +
              "\n  ".join(wrong[:12]))
        check_equal(rows[1:], session.table_cells(table), "the CSV against the shown table")
        log(f"{path}: {len(rows) - 1} rows as the table shows them; last {rows[-1]}")


if __name__ == "__main__":
    run_case(case)
