"""Runs at slider 0 for angles in both units: both trace panels hold the core's 54 lines,
the four result fields its results, the status "Hotovo", the start button is enabled again and
the plot shows the last step's frame: the black circle and axes, the green radius to the target
angle and the red vector to the last step's (x, y), each ending where the core places it."""

from demo_window import UNIT_DEGREES, UNIT_NAMES, UNIT_RADIANS, DemoWindow, open_session
from runner import check_equal, log, run_case

ANGLES = [
    ("-47.25", UNIT_DEGREES),
    ("1.2", UNIT_RADIANS),
    ("73", UNIT_DEGREES),
    ("-0,333", UNIT_RADIANS),
    ("-1.5707963", UNIT_RADIANS),
    ("8.125", UNIT_DEGREES),
]


def case(args):
    with open_session(args) as session:
        window = DemoWindow(session, args.expected)
        window.slider_home()
        for text, unit in ANGLES:
            expected, seconds = window.run_to_end(text, unit)
            check_equal(len(expected.memo1), 54, "the core's number of steps")
            log(f"{text} {UNIT_NAMES[unit]}: shown as computed ({seconds:.2f} s); "
                f"green ends at {expected.green}, red at {expected.red}")
            check_equal(window.slider(), 0, "the slider after the run")
            window.check_last_frame(session.screenshot(), expected)


if __name__ == "__main__":
    run_case(case)
