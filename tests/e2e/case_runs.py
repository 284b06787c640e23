"""Runs at slider 0 for angles in both units: both trace panels hold the core's 54 lines,
the four result fields its results, the status "Hotovo", the start button is enabled again and
the plot shows the last step's frame as the drawing rules place it."""

import harness
from demo_window import DemoWindow
from harness import check_equal, log

ANGLES = [
    ("-47.25", harness.UNIT_DEGREES),
    ("1.2", harness.UNIT_RADIANS),
    ("73", harness.UNIT_DEGREES),
    ("-0,333", harness.UNIT_RADIANS),
    ("-1.5707963", harness.UNIT_RADIANS),
    ("8.125", harness.UNIT_DEGREES),
]


def case(args):
    with harness.Session(args.program, args.expected, args.workdir) as session:
        window = DemoWindow(session)
        window.slider_home()
        for text, unit in ANGLES:
            expected, seconds = window.run_to_end(text, unit)
            check_equal(len(expected.memo1), 54, "the core's number of steps")
            log(f"{text} {harness.UNIT_NAMES[unit]}: shown as computed ({seconds:.2f} s); "
                f"green ends at {expected.green}, red at {expected.red}")
            check_equal(window.slider(), 0, "the slider after the run")
            window.check_last_frame(session.screenshot(), expected)


if __name__ == "__main__":
    harness.run_case(case)
