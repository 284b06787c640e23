"""Enter in the angle field starts a run: the start button is the window's default button."""

import harness
from demo_window import DemoWindow
from harness import log


def case(args):
    with harness.Session(args.program, args.expected, args.workdir) as session:
        window = DemoWindow(session)
        window.slider_home()
        for text, unit in (("22.75", harness.UNIT_DEGREES), ("-0.9", harness.UNIT_RADIANS)):
            _, seconds = window.run_to_end(text, unit, start=lambda: session.key("Return"))
            log(f"Enter in the angle field ran {text!r} ({seconds:.2f} s)")


if __name__ == "__main__":
    harness.run_case(case)
