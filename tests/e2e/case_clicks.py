"""Twenty clicks on the start button during a paced run start nothing: when the run ends the
trace panels hold exactly the one run's 54 lines, for the angle it started with."""

import harness
from demo_window import SLIDER_MAX, DemoWindow
from harness import check, check_equal, log, wait_until

CLICKS = 20


def case(args):
    with harness.Session(args.program, args.expected, args.workdir) as session:
        window = DemoWindow(session)
        first = window.expect("37.5", harness.UNIT_DEGREES)
        second = "-12"
        # The slowest pace: the run cannot end by itself while the clicks arrive.
        window.set_slider(SLIDER_MAX)
        window.set_angle("37.5")
        window.press_start()
        wait_until(lambda: window.status() == harness.TEXT_COMPUTING and
                   len(window.lines("Memo1")) >= 1, harness.RUN_TIMEOUT, "the run to start")
        check(not window.button_enabled(), "the start button is enabled during a run")

        window.session.click(window["Button1"], repeat=CLICKS)
        # Typing into the angle field during the pause is handled in order after the clicks:
        # once the field reads the new text, every click has been handled, and a run started
        # by one of them would show the new angle.
        window.set_angle(second)
        lines = len(window.lines("Memo1"))
        check(window.status() == harness.TEXT_COMPUTING and lines < 54,
              "the run ended before the clicks were all handled; the test needs a slower pace")
        log(f"{CLICKS} clicks handled during the run, at step {lines - 1}")

        window.set_slider(0)
        window.wait_for_result(first, "the first run to complete")
        check_equal(len(window.lines("Memo1")), 54, "Memo1's lines")
        check_equal(len(window.lines("Memo2")), 54, "Memo2's lines")
        check_equal(window.text("Input"), second, "the angle field")
        # Still the one run: the status and panels stay as the first run left them.
        check(window.shows_result(first), "the window changed after the run")


if __name__ == "__main__":
    harness.run_case(case)
