"""Scaled up on a small screen (QT_SCALE_FACTOR=2 on 1600x1200 pixels, 800x600 logical), the
main window does not fit at its design position (269, 120 logical, 538, 240 on the screen):
its whole frame stands on the screen, moved just enough to fit, and a run there shows its
results. At scale 1 the design position holds (case_startup)."""

from demo_window import CLIENT_SIZE, UNIT_DEGREES, DemoWindow, open_session
from runner import STEP_TIMEOUT, CaseFailure, check, check_equal, log, run_case, wait_until
import xwindow

SCREEN = (1600, 1200)
SCALE = 2
DESIGN_POSITION = (269 * SCALE, 120 * SCALE)
ANGLE = "-28.5"


def check_fitted(session):
    """The window's frame stands wholly on the screen, as near its design position as that
    allows: at the screen's bottom-right corner. Without a window manager the frame is the
    window itself, read from X in root coordinates."""
    screen_width, screen_height = SCREEN
    geometry = [None]

    def at_fitted_position():
        geometry[0] = xwindow.geometry(session.display, session.window_id)
        x, y, width, height = geometry[0]
        return (x, y) == (screen_width - width, screen_height - height)

    try:
        wait_until(at_fitted_position, STEP_TIMEOUT, "the window to fit the screen")
    except CaseFailure:
        raise CaseFailure(f"the window stands at {geometry[0]} (x, y, width, height) on a "
                          f"{screen_width}x{screen_height} screen; fitted, its top-left "
                          f"corner would touch the screen's bottom-right corner") from None
    x, y, width, height = geometry[0]
    log(f"the window stands at ({x}, {y}), {width}x{height}")
    check_equal((width, height), (CLIENT_SIZE[0] * SCALE, CLIENT_SIZE[1] * SCALE),
                f"the window's size at scale {SCALE}")
    check(DESIGN_POSITION[0] + width > screen_width and
          DESIGN_POSITION[1] + height > screen_height,
          "the window would fit at its design position; the case needs a smaller screen")
    check(x >= 0 and y >= 0 and x + width <= screen_width and y + height <= screen_height,
          f"the window ({x}, {y}, {width}x{height}) runs off the screen")


def case(args):
    with open_session(args, screen=SCREEN, env={"QT_SCALE_FACTOR": str(SCALE)}) as session:
        check_fitted(session)

        # Accessible extents are in logical pixels here, half the screen's: the run is typed
        # into the angle field, which has the focus at start-up, and started with Enter.
        window = DemoWindow(session, args.expected)
        window.set_slider(0)
        expected = window.expect(ANGLE, UNIT_DEGREES)
        session.type_text(ANGLE)
        wait_until(lambda: window.text("Input") == ANGLE, STEP_TIMEOUT,
                   f"the angle field to read {ANGLE!r}")
        session.key("Return")
        window.wait_for_result(expected, f"the run of {ANGLE!r}")
        log(f"Cos reads {window.text('Cos')!r} after the run of {ANGLE} degrees")


if __name__ == "__main__":
    run_case(case)
