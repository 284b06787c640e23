"""Closing the window during a slow run the way a window manager asks (WM_DELETE_WINDOW):
the process is gone within one second, with exit code 0."""

import time

from demo_window import SLIDER_MAX, TEXT_COMPUTING, DemoWindow, open_session
from runner import (RUN_TIMEOUT, STEP_TIMEOUT, CaseFailure, check, check_equal, log, run_case,
                    wait_until)
import xwindow

EXIT_LIMIT = 1.0


def case(args):
    with open_session(args) as session:
        window = DemoWindow(session, args.expected)
        window.set_slider(SLIDER_MAX)
        window.set_angle("-58")
        window.press_start()
        wait_until(lambda: window.status() == TEXT_COMPUTING and
                   len(window.lines("Memo1")) >= 2, RUN_TIMEOUT,
                   "the slow run to be under way")
        check(session.app.poll() is None, "the program ended by itself")

        xwindow.request_close(session.display, session.window_id)
        asked = time.monotonic()
        try:
            code = session.app.wait(timeout=STEP_TIMEOUT)
        except Exception as error:
            raise CaseFailure("the program did not end after the close request") from error
        seconds = time.monotonic() - asked
        log(f"the program ended {seconds:.3f} s after the close request, exit code {code}")
        check_equal(code, 0, "the exit code")
        check(seconds <= EXIT_LIMIT,
              f"the program took {seconds:.3f} s to end, more than {EXIT_LIMIT} s")


if __name__ == "__main__":
    run_case(case)
