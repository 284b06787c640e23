"""The pace follows the slider: a run at position 2,000 takes longer than one at 0 and less
time than one at 20,000."""

from demo_window import UNIT_DEGREES, DemoWindow, open_session
from runner import check, log, run_case


def case(args):
    with open_session(args) as session:
        window = DemoWindow(session, args.expected)
        window.slider_home()
        seconds = {}
        # Each run has its own angle, so that its end shows as a change of the panels.
        for position, text in ((0, "41"), (2000, "-19.5"), (20000, "66.6"), (0, "-5.25")):
            window.set_slider(position)
            _, taken = window.run_to_end(text, UNIT_DEGREES)
            log(f"slider {position}: the run of {text!r} took {taken:.3f} s")
            seconds[position] = min(taken, seconds.get(position, taken))
        check(seconds[0] < seconds[2000] < seconds[20000],
              f"the runs' durations do not follow the slider: {seconds}")


if __name__ == "__main__":
    run_case(case)
