"""A school's projector: on a 1024x768 screen, the step view at 300 % in full screen shows what
a lesson needs. After a run of 30 degrees, F2 opens the view; Home and three right arrows show
step 3; eight Ctrl++ zoom it to 300 % and F11 puts it in full screen. Then every button of the
view stands whole on the screen, and the vector plot's caption reads whole,
"krok 3: −atan 2^-3 = −0.124355 rad", on the screen itself (tesseract reads it from a
screenshot of the plot)."""

import os
import re
import subprocess

from demo_window import UNIT_DEGREES, DemoWindow, open_session
from runner import STEP_TIMEOUT, check, check_equal, log, run_case, wait_until

CAPTION = "Kroky algoritmu CORDIC"
SCREEN = (1024, 768)
ANGLE = "30"
STEPS = 54
SHOWN_STEP = 3
ZOOM_STEPS = 8
PLOT_CAPTION = "krok 3: \u2212atan 2^-3 = \u22120.124355 rad"
BUTTONS = ["Pozastaviť", "Ďalší krok", "Kopírovať tabuľku", "Uložiť obrázok…",
           "Uložiť všetky kroky…", "Uložiť tabuľku…", "Hádam +", "Hádam \u2212"]
# The caption's line in the plot's top part: the plot's first fifth holds it.
CAPTION_SHARE = 5


def read_text(session, x, y, width, height):
    """The text tesseract reads in the screen's rectangle, as one line."""
    path = os.path.join(session.workdir, "caption.png")
    subprocess.run(["import", "-display", session.display, "-window", "root", "-crop",
                    f"{width}x{height}+{x}+{y}", "+repage", path], check=True,
                   timeout=STEP_TIMEOUT)
    text = subprocess.run(["tesseract", path, "stdout"], check=True, capture_output=True,
                          text=True, timeout=STEP_TIMEOUT).stdout
    return " ".join(text.split())


def comparable(text):
    """A text as OCR and the program can agree on it: without spaces, the minus signs and dashes
    one hyphen, and the caret, which tesseract reads as an asterisk, a caret."""
    return re.sub(r"[\u2212\u2013\u2014]", "-", text.replace(" ", "")).replace("*", "^")


def named(root, name):
    """The one accessible under `root` named `name`, whatever its role."""
    found = []

    def visit(node):
        if node is None:
            return
        if node.name == name:
            found.append(node)
        for index in range(node.childCount):
            visit(node.getChildAtIndex(index))

    visit(root)
    check_equal(len(found), 1, f"the accessibles named {name!r}")
    return found[0]


def case(args):
    with open_session(args, screen=SCREEN) as session:
        window = DemoWindow(session, args.expected)
        expected = window.expect(ANGLE, UNIT_DEGREES)
        window.choose_unit(UNIT_DEGREES)
        window.set_angle(ANGLE)
        window.set_slider(0)
        window.press_start()
        window.wait_for_result(expected, f"the run of {ANGLE} degrees")

        session.key("F2")
        view = session.top_level(CAPTION)
        atspi = session.atspi
        table = session.find(atspi.ROLE_TABLE, "Tabuľka krokov", view.frame)
        wait_until(lambda: table.queryTable().nRows == STEPS + 1, STEP_TIMEOUT,
                   "the table's result row")
        timeline = session.find(atspi.ROLE_SLIDER, "Krok", view.frame)
        session.xdotool("windowfocus", "--sync", str(view.window_id))
        session.key("Home", *["Right"] * SHOWN_STEP)
        wait_until(lambda: session.value(timeline) == SHOWN_STEP, STEP_TIMEOUT,
                   f"step {SHOWN_STEP} shown")
        session.key(*["ctrl+plus"] * ZOOM_STEPS)
        session.key("F11")
        wait_until(lambda: session.extents(view.frame) == (0, 0, *SCREEN), STEP_TIMEOUT,
                   "the view in full screen")

        buttons = [session.find(atspi.ROLE_PUSH_BUTTON, name, view.frame) for name in BUTTONS]
        screen_width, screen_height = SCREEN

        def on_screen(button):
            x, y, width, height = session.extents(button)
            return width > 0 and height > 0 and x >= 0 and y >= 0 and \
                x + width <= screen_width and y + height <= screen_height

        # The arrangement follows the zoom's last fonts: the buttons settle where they stay.
        wait_until(lambda: all(on_screen(button) for button in buttons), STEP_TIMEOUT,
                   "every button whole on the screen")
        for name, button in zip(BUTTONS, buttons):
            log(f"{name!r} at {session.extents(button)}")

        x, y, width, height = session.extents(named(view.frame, "Vektor kroku"))
        log(f"the vector plot at {(x, y, width, height)}")
        check(y + height // CAPTION_SHARE <= screen_height and x + width <= screen_width,
              "the vector plot's top is off the screen")
        seen = wait_until(
            lambda: (lambda text: text if comparable(PLOT_CAPTION) in comparable(text) else "")(
                read_text(session, x, y, width, height // CAPTION_SHARE)),
            STEP_TIMEOUT, f"the caption {PLOT_CAPTION!r} read whole on the screen")
        log(f"read on the screen: {seen!r}")


if __name__ == "__main__":
    run_case(case)
