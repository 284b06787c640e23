"""Refused angle texts set only the status message: the result fields, the trace panels and
the plot stay exactly as they were, and the start button is enabled again."""

import harness
from demo_window import DemoWindow
from harness import check, check_equal, log, wait_until

NAN = harness.TEXT_NOT_A_NUMBER
RANGE = harness.TEXT_OUT_OF_RANGE

# Consecutive messages differ, so each refusal shows as a change of the status bar.
REFUSED = [
    ("abc", harness.UNIT_DEGREES, NAN),
    ("91", harness.UNIT_DEGREES, RANGE),
    ("", harness.UNIT_DEGREES, NAN),
    ("1.5708", harness.UNIT_RADIANS, RANGE),
    ("0.5x", harness.UNIT_RADIANS, NAN),
    ("-90.001", harness.UNIT_DEGREES, RANGE),
    ("1..2", harness.UNIT_DEGREES, NAN),
    ("-2", harness.UNIT_RADIANS, RANGE),
    ("inf", harness.UNIT_RADIANS, NAN),
    ("1e4000", harness.UNIT_DEGREES, RANGE),
]


def refuse(window, text, unit, message):
    window.choose_unit(unit)
    window.set_angle(text)
    before = window.snapshot()
    plot_before = window.plot_picture()
    window.press_start()
    wait_until(lambda: window.status() == message, harness.STEP_TIMEOUT,
               f"the refusal of {text!r}: {message!r}")
    wait_until(window.button_enabled, harness.STEP_TIMEOUT, "the start button to be enabled")
    after = window.snapshot()
    for key, value in before.items():
        check_equal(after[key], value, f"{key} after refusing {text!r}")
    check_equal(window.text("Input"), text, "the angle field after the refusal")
    plot_after = window.plot_picture()
    check(plot_after.data == plot_before.data, f"the plot changed when {text!r} was refused")
    log(f"{text!r} ({harness.UNIT_NAMES[unit]}) refused: {message!r}, nothing else changed")


def case(args):
    with harness.Session(args.program, args.expected, args.workdir) as session:
        window = DemoWindow(session)
        # Refused before any run: everything stays empty.
        refuse(window, "x", harness.UNIT_DEGREES, NAN)
        window.check_plot_all_background(session.screenshot())

        window.slider_home()
        expected, _ = window.run_to_end("-61.5", harness.UNIT_DEGREES)
        for text, unit, message in REFUSED:
            check_equal(session.expected(text, unit, 200, 200).outcome,
                        "not-a-number" if message == NAN else "out-of-range",
                        f"the core's outcome for {text!r}")
            refuse(window, text, unit, message)
        window.check_last_frame(session.screenshot(), expected)


if __name__ == "__main__":
    harness.run_case(case)
