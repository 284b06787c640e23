"""The main window of cordic-demo as the end-to-end cases see it: its controls found by role and
accessible name, the operations a person performs on it, and checks of what it shows."""

import time

import expected as expected_values
from runner import (RUN_TIMEOUT, START_TIMEOUT, STEP_TIMEOUT, CaseFailure, check, check_equal,
                    log, wait_until)
from session import DEFAULT_SCREEN, Session

CAPTION = "Ukážka algoritmu CORDIC"
CLIENT_SIZE = (555, 515)

TEXT_COMPUTING = "Pocitam..."
TEXT_DONE = "Hotovo"
TEXT_NOT_A_NUMBER = "Zadaná hodnota nie je v číslo"
TEXT_OUT_OF_RANGE = "Zadaná hodnota nie je v rozmedzí (-Pi/2,Pi/2) !"

UNIT_DEGREES = 0
UNIT_RADIANS = 1
UNIT_NAMES = ("stupeň", "radián")

STATIC_TEXT3 = "rychlo" + " " * 24 + "pomaly"

# Design geometry: client-area rectangles (x, y, width, height) of the window's 21 controls.
DESIGN_RECTS = {
    "GroupBox3": (8, 344, 537, 137),
    "StaticText1": (24, 384, 56, 17),
    "StaticText2": (24, 424, 68, 17),
    "GroupBox4": (104, 360, 200, 105),
    "GroupBox5": (312, 360, 200, 105),
    "Ksin": (336, 384, 150, 21),
    "Kcos": (336, 424, 150, 21),
    "GroupBox2": (8, 72, 537, 257),
    "Img": (16, 96, 200, 200),
    "GroupBox1": (8, 8, 537, 57),
    "Label1": (24, 32, 25, 13),
    "Typ": (200, 8, 81, 57),
    "Tb": (384, 16, 150, 25),
    "StaticText3": (392, 40, 137, 17),
    "Input": (56, 32, 121, 21),
    "Button1": (296, 22, 65, 35),
    "Sb": (0, 496, 555, 19),
    "Memo1": (224, 96, 153, 201),
    "Cos": (120, 424, 150, 21),
    "Sin": (120, 384, 150, 21),
    "Memo2": (384, 96, 153, 201),
}

SLIDER_DESIGN = 50000
SLIDER_MAX = 1000000

# Design client point showing the bare window background (left of the "Vstupy" group box).
BACKGROUND_POINT = (3, 3)


def _role_names(atspi):
    """Accessible names and acceptable roles of the controls."""
    text = {atspi.ROLE_TEXT, atspi.ROLE_ENTRY}
    group = {atspi.ROLE_PANEL, atspi.ROLE_GROUPING, atspi.ROLE_FILLER}
    label = {atspi.ROLE_LABEL, atspi.ROLE_STATIC}
    return {
        "GroupBox3": ("Výsledky", group),
        "StaticText1": ("Sinus uhla:", label),
        "StaticText2": ("Kosínus uhla:", label),
        "GroupBox4": ("CORDIC algortimus", group),
        "GroupBox5": ("Algoritmus v C++", group),
        "Ksin": ("Sinus uhla – C++", text),
        "Kcos": ("Kosínus uhla – C++", text),
        "GroupBox2": ("Priebeh výpočtu", group),
        "Img": ("Priebeh výpočtu", {atspi.ROLE_IMAGE, atspi.ROLE_CANVAS, atspi.ROLE_LABEL,
                                    atspi.ROLE_UNKNOWN, atspi.ROLE_FILLER, atspi.ROLE_CHART}),
        "GroupBox1": ("Vstupy", group),
        "Label1": ("Uhol:", label),
        "Typ": ("Jednotka", group | {atspi.ROLE_RADIO_MENU_ITEM}),
        "Tb": ("Rýchlosť", {atspi.ROLE_SLIDER}),
        "StaticText3": (STATIC_TEXT3, label),
        "Input": ("Uhol", text),
        "Button1": ("Spustiť", {atspi.ROLE_PUSH_BUTTON}),
        "Sb": ("Stav", {atspi.ROLE_STATUS_BAR}),
        "Memo1": ("Priebeh x", text),
        "Cos": ("Kosínus uhla – CORDIC", text),
        "Sin": ("Sinus uhla – CORDIC", text),
        "Memo2": ("Priebeh y", text),
    }


def open_session(args, screen=DEFAULT_SCREEN, env=None):
    """A session of the program `args.program` (work folder `args.workdir`) that is ready when
    the main window shows; `screen` and `env` as Session takes them."""
    return Session(args.program, args.workdir, CAPTION, screen=screen, env=env)


class DemoWindow:
    """The program's main window in a running session. `expected_tool` is the
    e2e_expected_values binary that expect() and run_to_end() ask."""

    def __init__(self, session, expected_tool=None):
        self.session = session
        self.expected_tool = expected_tool
        self.atspi = session.atspi
        self.controls = {}
        self.background = None
        self._find_controls()

    # -- finding ----------------------------------------------------------------------------

    def _find_controls(self):
        wanted = _role_names(self.atspi)
        by_name = {}

        def visit(node):
            if node is None:
                return
            by_name.setdefault(node.name, []).append(node)
            for index in range(node.childCount):
                visit(node.getChildAtIndex(index))

        wait_until(lambda: self.session.frame.childCount > 0, START_TIMEOUT,
                   "the window's controls")
        visit(self.session.frame)
        missing = []
        for key, (name, roles) in wanted.items():
            candidates = [node for node in by_name.get(name, []) if node.getRole() in roles]
            if key == "Img":
                candidates = [node for node in candidates
                              if node.getRole() not in wanted["GroupBox2"][1]
                              or node.childCount == 0]
            elif key == "GroupBox2":
                candidates = [node for node in candidates if node.childCount > 0]
            if len(candidates) != 1:
                missing.append(f"{key} ({name!r}): {len(candidates)} candidates")
                continue
            self.controls[key] = candidates[0]
        self.missing = missing
        self.units = [self.session.find(self.atspi.ROLE_RADIO_BUTTON, item, self["Typ"])
                      for item in UNIT_NAMES]

    def check_all_found(self):
        check(not self.missing, "controls not found by role and accessible name: " +
              "; ".join(self.missing) + "\n" + self.session.describe_tree())

    def __getitem__(self, key):
        check(key in self.controls, f"{key} was not found by role and accessible name: " +
              "; ".join(self.missing))
        return self.controls[key]

    # -- reading ----------------------------------------------------------------------------

    def text(self, key):
        return self.session.text(self.controls[key])

    def lines(self, key):
        return self.session.lines(self.controls[key])

    def status(self):
        """The status bar's message."""
        return status_text(self.session, self["Sb"])

    def button_enabled(self):
        return self.session.is_enabled(self["Button1"])

    def unit(self):
        checked = [index for index, button in enumerate(self.units)
                   if self.session.is_checked(button)]
        return checked[0] if len(checked) == 1 else None

    def slider(self):
        return round(self.session.value(self["Tb"]))

    def snapshot(self):
        """Everything a run may change, except the plot."""
        return {
            "Cos": self.text("Cos"), "Sin": self.text("Sin"),
            "Kcos": self.text("Kcos"), "Ksin": self.text("Ksin"),
            "Memo1": self.text("Memo1"), "Memo2": self.text("Memo2"),
            "unit": self.unit(), "slider": self.slider(),
        }

    def plot_rect(self):
        return self.session.extents(self["Img"])

    def plot_picture(self, picture=None):
        picture = picture or self.session.screenshot()
        x, y, width, height = self.plot_rect()
        return picture.crop(x, y, width, height)

    def background_colour(self, picture):
        origin_x, origin_y = self.session.client_origin()
        return picture.pixel(origin_x + BACKGROUND_POINT[0], origin_y + BACKGROUND_POINT[1])

    # -- acting -----------------------------------------------------------------------------

    def set_angle(self, text):
        """Replaces the angle field's text by typing."""
        field = self["Input"]
        self.session.click(field)
        self.session.key("ctrl+a")
        self.session.key("BackSpace")
        wait_until(lambda: self.session.text(field) == "", STEP_TIMEOUT,
                   "the angle field to empty")
        self.session.type_text(text)
        wait_until(lambda: self.session.text(field) == text, STEP_TIMEOUT,
                   f"the angle field to read {text!r}")

    def choose_unit(self, unit):
        if self.unit() == unit:
            return
        self.session.click(self.units[unit])
        wait_until(lambda: self.unit() == unit, STEP_TIMEOUT,
                   f"unit {UNIT_NAMES[unit]!r} to be selected")

    def slider_home(self):
        """Moves the slider to its left end ("rychlo") with the Home key."""
        slider = self["Tb"]
        slider.queryComponent().grabFocus()
        wait_until(lambda: slider.getState().contains(self.atspi.STATE_FOCUSED),
                   STEP_TIMEOUT, "the slider to take the focus")
        self.session.key("Home")
        wait_until(lambda: self.slider() == 0, STEP_TIMEOUT, "the slider to reach 0")

    def set_slider(self, position):
        """Sets the slider position through its accessible value."""
        self.session.set_value(self["Tb"], position)
        wait_until(lambda: self.slider() == position, STEP_TIMEOUT,
                   f"the slider to stand at {position}")

    def press_start(self):
        self.session.click(self["Button1"])

    # -- whole runs -------------------------------------------------------------------------

    def run_to_end(self, text, unit, start=None):
        """Runs `text` in `unit` (the slider as it stands) and waits until the window shows
        the completed run the core computes. Returns (expected, seconds from the start)."""
        expected = self.expect(text, unit)
        check_equal(expected.outcome, "ok", f"the core's outcome for {text!r}")
        self.choose_unit(unit)
        self.set_angle(text)
        started = time.monotonic()
        (start or self.press_start)()
        self.wait_for_result(expected, f"the run of {text!r}")
        return expected, time.monotonic() - started

    def expect(self, text, unit):
        _, _, width, height = self.plot_rect()
        return expected_values.compute(self.expected_tool, text, unit, width, height)

    def shows_result(self, expected):
        return (self.status() == TEXT_DONE and self.button_enabled()
                and self.lines("Memo1") == expected.memo1
                and self.lines("Memo2") == expected.memo2
                and self.text("Cos") == expected.fields["cos"]
                and self.text("Sin") == expected.fields["sin"]
                and self.text("Kcos") == expected.fields["kcos"]
                and self.text("Ksin") == expected.fields["ksin"])

    def wait_for_result(self, expected, what, timeout=RUN_TIMEOUT):
        try:
            wait_until(lambda: self.shows_result(expected), timeout, what, interval=0.01)
        except CaseFailure:
            self.explain_result_mismatch(expected)
            raise

    def explain_result_mismatch(self, expected):
        """Logs how the window differs from the expected completed run."""
        try:
            log(f"status {self.status()!r}, button enabled {self.button_enabled()}")
            for key, field in (("Cos", "cos"), ("Sin", "sin"), ("Kcos", "kcos"),
                               ("Ksin", "ksin")):
                log(f"{key}: shown {self.text(key)!r}, expected {expected.fields[field]!r}")
            for key, wanted in (("Memo1", expected.memo1), ("Memo2", expected.memo2)):
                shown = self.lines(key)
                log(f"{key}: {len(shown)} lines shown, {len(wanted)} expected")
                for index, (have, want) in enumerate(zip(shown, wanted)):
                    if have != want:
                        log(f"  first difference at line {index}: {have!r} != {want!r}")
                        break
        except Exception as error:  # pylint: disable=broad-except
            log(f"(could not read the window: {error})")

    # -- the plot ---------------------------------------------------------------------------

    def check_plot_all_background(self, picture):
        background = self.background_colour(picture)
        plot = self.plot_picture(picture)
        others = {plot.pixel(x, y) for y in range(plot.height) for x in range(plot.width)}
        check(others == {background},
              f"the plot is not all background {background}: colours {sorted(others)[:8]}")

    def check_last_frame(self, picture, expected):
        """The plot after a completed run shows the frame of step 53."""
        self.check_frame(picture, expected, len(expected.steps) - 1)

    def check_frame(self, picture, expected, step):
        """The plot shows the frame of `step`: the red vector from the centre towards the
        step's (x, y) and the green radius towards the target angle, on the black circle and
        axes, as check_plot_frame checks them."""
        plot = self.plot_picture(picture)
        background = self.background_colour(picture)
        check_plot_frame(plot, background, expected.centre, expected.green,
                         expected.steps[step])


def status_text(session, status_bar):
    """The status bar's message as assistive technology reads it: the text of the bar itself
    or of the one label inside it."""
    try:
        return session.text(status_bar)
    except NotImplementedError:
        pass
    labels = [status_bar.getChildAtIndex(index) for index in range(status_bar.childCount)]
    labels = [label for label in labels
              if label is not None and label.getRole() == session.atspi.ROLE_LABEL]
    check(len(labels) == 1, "the status bar shows no readable message")
    return labels[0].name


RED = (255, 0, 0)
GREEN = (0, 128, 0)
BLACK = (0, 0, 0)


def _distance_to_segment(px, py, ax, ay, bx, by):
    dx, dy = bx - ax, by - ay
    length2 = dx * dx + dy * dy
    t = 0.0 if length2 == 0 else max(0.0, min(1.0, ((px - ax) * dx + (py - ay) * dy) / length2))
    nx, ny = ax + t * dx - px, ay + t * dy - py
    return (nx * nx + ny * ny) ** 0.5


def check_line(plot, colour, name, centre, end, may_be_hidden=False):
    """Pixels of `colour` form the line from `centre` towards `end`, end excluded: all lie
    within a pixel of the segment and the one farthest from the centre touches `end`. A line
    that another may cover (`may_be_hidden`) is only checked for stray pixels."""
    cx, cy = centre
    pixels = [(x, y) for y in range(plot.height) for x in range(plot.width)
              if plot.pixel(x, y) == colour]
    if not pixels:
        check(may_be_hidden or end == centre, f"no {name} pixels in the plot")
        return
    stray = [p for p in pixels if _distance_to_segment(*p, cx, cy, *end) > 1.0]
    check(not stray, f"{name} pixels off the line from {centre} to {end}: {stray[:5]}")
    if may_be_hidden:
        return
    far = max(pixels, key=lambda p: (p[0] - cx) ** 2 + (p[1] - cy) ** 2)
    check(max(abs(far[0] - end[0]), abs(far[1] - end[1])) == 1,
          f"the {name} line should end next to {end} (end excluded); its farthest pixel is "
          f"{far}")


def check_plot_frame(plot, background, centre, green_end, red_end):
    cx, cy = centre
    colours = {plot.pixel(x, y) for y in range(plot.height) for x in range(plot.width)}
    check(colours <= {background, BLACK, GREEN, RED},
          f"the plot holds colours other than the background, black, green and red: "
          f"{sorted(colours - {background, BLACK, GREEN, RED})[:8]}")
    check_line(plot, RED, "red", centre, red_end)
    # The red vector is drawn last and may cover the green radius where they coincide.
    near = max(abs(green_end[0] - red_end[0]), abs(green_end[1] - red_end[1])) <= 1
    check_line(plot, GREEN, "green", centre, green_end, may_be_hidden=near)
    # The circle and axes are black; the corners outside the circle are never drawn on.
    check(plot.pixel(cx, 0) == BLACK or plot.pixel(cx, 1) == BLACK,
          "no black circle at the top of the plot")
    check(plot.pixel(5, cy) == BLACK, "no black horizontal axis")
    radius = min(cx, cy)
    touched = [(x, y) for y in range(plot.height) for x in range(plot.width)
               if ((x + 0.5 - cx) ** 2 + (y + 0.5 - cy) ** 2) ** 0.5 > radius + 1.5
               and plot.pixel(x, y) != background]
    check(not touched, f"pixels outside the circle were drawn on: {touched[:5]} "
          f"(first colour {plot.pixel(*touched[0]) if touched else None})")
