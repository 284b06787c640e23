"""Enter in the angle field starts a run: the start button is the window's default button."""

from demo_window import UNIT_DEGREES, UNIT_RADIANS, DemoWindow, open_session
from runner import log, run_case


def case(args):
    with open_session(args) as session:
        window = DemoWindow(session, args.expected)
        window.slider_home()
        for text, unit in (("22.75", UNIT_DEGREES), ("-0.9", UNIT_RADIANS)):
            _, seconds = window.run_to_end(text, unit, start=lambda: session.key("Return"))
            log(f"Enter in the angle field ran {text!r} ({seconds:.2f} s)")


if __name__ == "__main__":
    run_case(case)
