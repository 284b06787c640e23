"""Start-up: the caption, the client size, the 21 controls at their design rectangles with
their texts and initial values, the plot all background, the Tab key's focus order; closing
the idle window the way a window manager asks ends the program with exit code 0."""

from demo_window import (CAPTION, CLIENT_SIZE, DESIGN_RECTS, SLIDER_DESIGN, SLIDER_MAX,
                         STATIC_TEXT3, UNIT_DEGREES, UNIT_NAMES, DemoWindow, open_session)
from runner import STEP_TIMEOUT, CaseFailure, check, check_equal, run_case, wait_until
import xwindow

WINDOW_POSITION = (269, 120)

CAPTIONS = {
    "GroupBox1": "Vstupy", "GroupBox2": "Priebeh výpočtu", "GroupBox3": "Výsledky",
    "GroupBox4": "CORDIC algortimus", "GroupBox5": "Algoritmus v C++", "Label1": "Uhol:",
    "StaticText1": "Sinus uhla:", "StaticText2": "Kosínus uhla:", "StaticText3": STATIC_TEXT3,
    "Button1": "Spustiť",
}


# The focus cycle of the Tab key from the angle field; the unit choice takes the focus on its
# selected item, the status bar and the static texts take none.
TAB_ORDER = ["Button1", "Memo1", "Cos", "Sin", "Typ", "Tb", "Ksin", "Kcos", "Memo2", "Input"]


def check_tab_order(session, window):
    def focused():
        nodes = dict(window.controls)
        nodes["Typ"] = window.units[UNIT_DEGREES]
        return [key for key, node in nodes.items()
                if node.getState().contains(session.atspi.STATE_FOCUSED)]

    session.click(window["Input"])
    wait_until(lambda: focused() == ["Input"], STEP_TIMEOUT, "the angle field's focus")
    for key in TAB_ORDER:
        session.key("Tab")
        try:
            wait_until(lambda: focused() == [key], STEP_TIMEOUT, f"Tab to reach {key}")
        except CaseFailure as failure:
            raise CaseFailure(f"{failure}; the focus is on {focused()}") from None
    check_equal(window.text("Memo1"), "", "Memo1 after Tab passed through it")
    check_equal(window.text("Memo2"), "", "Memo2 after Tab passed through it")


def case(args):
    with open_session(args) as session:
        window = DemoWindow(session, args.expected)
        # Every difference is collected, so that one failure reports them all.
        problems = list(window.missing)

        def expect(actual, expected, what):
            if actual != expected:
                problems.append(f"{what}: expected {expected!r}, got {actual!r}")

        expect(session.frame.name, CAPTION, "the window's accessible name")
        expect(xwindow.title(session.display, session.window_id), CAPTION,
               "the window's caption (_NET_WM_NAME)")
        expect(xwindow.client_size(session.display, session.window_id), CLIENT_SIZE,
               "the client area's size")
        expect(session.extents(session.frame)[2:], CLIENT_SIZE,
               "the window's accessible size")
        # Without a window manager there is no frame: the window stands where it asks to.
        expect(session.client_origin(), WINDOW_POSITION, "the window's position on the screen")

        for key, rect in DESIGN_RECTS.items():
            if key in window.controls:
                expect(session.client_rect(window[key]), rect, f"{key}'s client rectangle")
        for key, caption in CAPTIONS.items():
            if key in window.controls:
                expect(window[key].name, caption, f"{key}'s text")
        for button, caption in zip(window.units, UNIT_NAMES):
            expect(button.name, caption, "a unit's caption")

        for key in ("Input", "Cos", "Sin", "Kcos", "Ksin", "Memo1", "Memo2"):
            expect(window.text(key), "", f"{key} at start-up")
        expect(window.status(), "", "the status bar at start-up")
        expect(window.button_enabled(), True, "the start button enabled at start-up")
        expect(window.unit(), UNIT_DEGREES, "the unit selected at start-up")
        expect(window.slider(), SLIDER_DESIGN, "the slider at start-up")
        value = window["Tb"].queryValue()
        expect((round(value.minimumValue), round(value.maximumValue)), (0, SLIDER_MAX),
               "the slider's range")

        try:
            window.check_plot_all_background(session.screenshot())
        except CaseFailure as failure:
            problems.append(str(failure))
        check(not problems, "at start-up:\n  " + "\n  ".join(problems))

        check_tab_order(session, window)

        xwindow.request_close(session.display, session.window_id)
        code = wait_until(lambda: session.app.poll() is not None and (session.app.returncode,),
                          STEP_TIMEOUT, "the program to end after the close request")
        check_equal(code[0], 0, "the exit code after closing the idle window")


if __name__ == "__main__":
    run_case(case)
