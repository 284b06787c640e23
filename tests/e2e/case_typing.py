"""Keys typed during a run reach no field and no panel: letters, a Space and digits typed while
the run pauses leave both trace panels with exactly the run's 54 entries and the angle field
with the typed angle, for a run started with a click on Spustiť and for one started with Space
on the focused Spustiť button (which takes the focus back when the run ends)."""

from demo_window import (SLIDER_DESIGN, TEXT_COMPUTING, TEXT_DONE, UNIT_DEGREES, DemoWindow,
                         open_session)
from runner import (RUN_TIMEOUT, STEP_TIMEOUT, CaseFailure, check, check_equal, log, run_case,
                    wait_until)

ANGLE = "40"
LETTERS = "zz"
DIGITS = "735"


def type_during_run(session, window):
    """Types letters, a Space and digits while the run goes on, then turns the mouse wheel over
    the slider. X hands the input over in order, so once the slider has moved the keys have
    been handled; the run must still be going then."""
    wait_until(lambda: window.status() == TEXT_COMPUTING and len(window.lines("Memo1")) >= 1,
               RUN_TIMEOUT, "the run to be under way")
    before = window.slider()
    session.type_text(LETTERS)
    session.key("space")
    session.type_text(DIGITS)
    x, y = session.centre(window["Tb"])
    session.xdotool("mousemove", str(x), str(y), "click", "5")
    wait_until(lambda: window.slider() != before, STEP_TIMEOUT,
               "the mouse wheel to move the slider")
    steps = len(window.lines("Memo1"))
    check(window.status() == TEXT_COMPUTING and steps < 54,
          "the run ended before the typed keys were handled; the test needs a slower pace")
    log(f"typed {LETTERS!r}, Space and {DIGITS!r} during the run, at step {steps - 1}")
    # The rest of the run at full speed.
    window.set_slider(0)


def check_untouched(window, expected, what):
    """After the run, the panels hold exactly its entries "0:..." to "53:..." and the fields
    its results; the angle field holds the angle."""
    wait_until(lambda: window.status() == TEXT_DONE and window.button_enabled(), RUN_TIMEOUT,
               f"the end of {what}")
    for key, wanted in (("Memo1", expected.memo1), ("Memo2", expected.memo2)):
        shown = window.lines(key)
        check_equal(len(shown), len(wanted), f"{key}'s number of entries after {what}")
        wrong = [f"{have!r} instead of {want!r}" for have, want in zip(shown, wanted)
                 if have != want]
        check(not wrong, f"{key}'s entries after {what}: " + "; ".join(wrong[:3]))
    if not window.shows_result(expected):
        window.explain_result_mismatch(expected)
        raise CaseFailure(f"the window after {what} differs from the core's run")
    check_equal(window.text("Input"), ANGLE, f"the angle field after {what}")


def case(args):
    with open_session(args) as session:
        window = DemoWindow(session, args.expected)
        expected = window.expect(ANGLE, UNIT_DEGREES)
        window.choose_unit(UNIT_DEGREES)
        window.set_angle(ANGLE)

        window.set_slider(SLIDER_DESIGN)
        window.press_start()
        type_during_run(session, window)
        check_untouched(window, expected, "the run started with a click")

        button = window["Button1"]
        wait_until(lambda: button.getState().contains(session.atspi.STATE_FOCUSED),
                   STEP_TIMEOUT, "Spustiť to have the focus back after the run")
        window.set_slider(SLIDER_DESIGN)
        session.key("space")
        type_during_run(session, window)
        check_untouched(window, expected, "the run started with Space")


if __name__ == "__main__":
    run_case(case)
