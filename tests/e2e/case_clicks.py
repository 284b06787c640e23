"""Twenty clicks on the start button and Enter in the angle field during a paced run start
nothing: when the run ends the trace panels hold exactly the one run's 54 lines, for the angle
and unit it started with, although both were changed during the run. While the run pauses,
the result fields read "Pocitam..." and the plot shows the frame of the step in progress."""

from demo_window import (SLIDER_MAX, TEXT_COMPUTING, UNIT_DEGREES, UNIT_RADIANS, DemoWindow,
                         open_session)
from runner import RUN_TIMEOUT, STEP_TIMEOUT, check, check_equal, log, run_case, wait_until

CLICKS = 20
ENTERS = 3
FIRST = "37.5"
SECOND = "-12"


def check_paused_frame(window, expected):
    """The plot during a pause: the frame of the step whose lines were appended last. The
    screenshot counts only if the step did not move on while it was taken."""
    def frame_between_steps():
        before = len(window.lines("Memo1"))
        picture = window.session.screenshot()
        after = len(window.lines("Memo1"))
        return before == after and (picture, after - 1)

    picture, step = wait_until(frame_between_steps, RUN_TIMEOUT,
                               "a screenshot between two steps")
    window.check_frame(picture, expected, step)
    log(f"the plot shows step {step}'s frame: red to {expected.steps[step]}, "
        f"green to {expected.green}")


def case(args):
    with open_session(args) as session:
        window = DemoWindow(session, args.expected)
        first = window.expect(FIRST, UNIT_DEGREES)
        # The slowest pace: the run cannot end by itself while the clicks arrive.
        window.set_slider(SLIDER_MAX)
        window.set_angle(FIRST)
        window.press_start()
        wait_until(lambda: window.status() == TEXT_COMPUTING and
                   len(window.lines("Memo1")) >= 1, RUN_TIMEOUT, "the run to start")
        check(not window.button_enabled(), "the start button is enabled during a run")
        for key in ("Cos", "Sin", "Kcos", "Ksin"):
            check_equal(window.text(key), TEXT_COMPUTING, f"{key} during the run")
        check_paused_frame(window, first)

        session.click(window["Button1"], repeat=CLICKS)
        # A new unit and angle, then Enter in the angle field: a run started by any of the
        # clicks or Enter presses would show the new angle. The last digit is typed after them:
        # once the field reads the whole text, every earlier click and key has been handled.
        window.choose_unit(UNIT_RADIANS)
        window.set_angle(SECOND[:-1])
        for _ in range(ENTERS):
            session.key("Return")
        session.type_text(SECOND[-1])
        wait_until(lambda: window.text("Input") == SECOND, STEP_TIMEOUT,
                   "the angle field to read the second angle")
        lines = len(window.lines("Memo1"))
        check(window.status() == TEXT_COMPUTING and lines < 54,
              "the run ended before the clicks were all handled; the test needs a slower pace")
        check(not window.button_enabled(), "the start button was enabled during the run")
        log(f"{CLICKS} clicks and {ENTERS} Enter presses handled during the run, "
            f"at step {lines - 1}")

        window.set_slider(0)
        window.wait_for_result(first, "the first run to complete")
        check_equal(len(window.lines("Memo1")), 54, "Memo1's lines")
        check_equal(len(window.lines("Memo2")), 54, "Memo2's lines")
        check_equal(window.text("Input"), SECOND, "the angle field")
        check_equal(window.unit(), UNIT_RADIANS, "the unit")
        window.check_last_frame(session.screenshot(), first)


if __name__ == "__main__":
    run_case(case)
