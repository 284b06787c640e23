"""Refused angle texts set only the status message: the result fields, the trace panels and
the plot stay exactly as they were, and the start button is enabled again."""

from demo_window import (TEXT_NOT_A_NUMBER, TEXT_OUT_OF_RANGE, UNIT_DEGREES, UNIT_NAMES,
                         UNIT_RADIANS, DemoWindow, open_session)
from runner import STEP_TIMEOUT, check, check_equal, log, run_case, wait_until

NAN = TEXT_NOT_A_NUMBER
RANGE = TEXT_OUT_OF_RANGE

# Consecutive messages differ, so each refusal shows as a change of the status bar.
REFUSED = [
    ("abc", UNIT_DEGREES, NAN),
    ("91", UNIT_DEGREES, RANGE),
    ("", UNIT_DEGREES, NAN),
    ("1.5708", UNIT_RADIANS, RANGE),
    ("0.5x", UNIT_RADIANS, NAN),
    ("-90.001", UNIT_DEGREES, RANGE),
    ("1..2", UNIT_DEGREES, NAN),
    ("-2", UNIT_RADIANS, RANGE),
    ("inf", UNIT_RADIANS, NAN),
    ("1e4000", UNIT_DEGREES, RANGE),
]


def refuse(window, text, unit, message):
    window.choose_unit(unit)
    window.set_angle(text)
    before = window.snapshot()
    plot_before = window.plot_picture()
    window.press_start()
    wait_until(lambda: window.status() == message, STEP_TIMEOUT,
               f"the refusal of {text!r}: {message!r}")
    wait_until(window.button_enabled, STEP_TIMEOUT, "the start button to be enabled")
    after = window.snapshot()
    for key, value in before.items():
        check_equal(after[key], value, f"{key} after refusing {text!r}")
    check_equal(window.text("Input"), text, "the angle field after the refusal")
    plot_after = window.plot_picture()
    check(plot_after.data == plot_before.data, f"the plot changed when {text!r} was refused")
    log(f"{text!r} ({UNIT_NAMES[unit]}) refused: {message!r}, nothing else changed")


def case(args):
    with open_session(args) as session:
        window = DemoWindow(session, args.expected)
        # Refused before any run: everything stays empty.
        refuse(window, "x", UNIT_DEGREES, NAN)
        window.check_plot_all_background(session.screenshot())

        window.slider_home()
        expected, _ = window.run_to_end("-61.5", UNIT_DEGREES)
        for text, unit, message in REFUSED:
            check_equal(window.expect(text, unit).outcome,
                        "not-a-number" if message == NAN else "out-of-range",
                        f"the core's outcome for {text!r}")
            refuse(window, text, unit, message)
        window.check_last_frame(session.screenshot(), expected)


if __name__ == "__main__":
    run_case(case)
