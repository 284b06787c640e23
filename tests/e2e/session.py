"""One run of the built program the way a person uses it, for the end-to-end cases.

A session has its own X server (Xvfb on a free display, found with -displayfd, of the screen
size the case asks for) and the accessibility bus on the case's private session bus. It starts
the program there, with the environment the case adds, and waits until the program's main
window shows. The program is driven with real input events (xdotool) and read back through
AT-SPI (pyatspi) and from screenshots (ImageMagick's import). Everything a session starts is
stopped when it ends, also when a check fails or the case's deadline approaches.
"""

import collections
import os
import select
import signal
import subprocess
import time

import xwindow
from picture import Picture
from runner import (PROGRAM_LOG, START_TIMEOUT, STEP_TIMEOUT, CaseFailure, check, check_equal,
                    die_with_parent, log, wait_until)

DEFAULT_SCREEN = (1024, 768)

# A top-level window of the program: its AT-SPI frame and its X window id.
TopLevel = collections.namedtuple("TopLevel", "frame window_id")


def _stop_process(process, name, grace=5.0):
    """Ends a process this session started (its own process group) and reaps it."""
    if process is None or process.poll() is not None:
        return
    try:
        os.killpg(process.pid, signal.SIGTERM)
    except ProcessLookupError:
        return
    try:
        process.wait(timeout=grace)
    except subprocess.TimeoutExpired:
        log(f"{name} ignored SIGTERM; killing it")
        try:
            os.killpg(process.pid, signal.SIGKILL)
        except ProcessLookupError:
            pass
        process.wait(timeout=grace)


class Session:
    """One X server, accessibility bus and program instance. Use as a context manager.

    `caption` is the main window's caption: the session is ready when that window shows, and
    `frame` and `window_id` are that window's. `screen` is the X screen's (width, height);
    `env` holds environment variables for the program that replace the session's defaults
    (for instance {"QT_SCALE_FACTOR": "2"})."""

    def __init__(self, program, workdir, caption, screen=DEFAULT_SCREEN, env=None):
        self.program = program
        self.workdir = workdir
        self.caption = caption
        self.screen = screen
        self.extra_env = dict(env or {})
        self.xvfb = None
        self.launcher = None
        self.app = None
        self.display = None
        self.env = None
        self.frame = None
        self.window_id = None
        self._atspi = None

    # -- start-up and clean-up -------------------------------------------------------------

    def __enter__(self):
        try:
            self._start_xvfb()
            self._start_accessibility_bus()
            self.start_program()
        except BaseException:
            self.close()
            raise
        return self

    def __exit__(self, exc_type, *_):
        try:
            if exc_type is None:
                self.finish()
            elif self.xvfb is not None and self.xvfb.poll() is None:
                try:
                    log(f"screen at the failure: {self.save_screenshot('failure.png')}")
                except Exception as error:  # pylint: disable=broad-except
                    log(f"(no screenshot: {error})")
        finally:
            self.close()
        return False

    def finish(self):
        """Closes the window as a window manager does, unless the program has ended already,
        and checks that it ends with exit code 0 and without a sanitizer's report."""
        if self.app.poll() is None:
            xwindow.request_close(self.display, self.window_id)
            try:
                self.app.wait(timeout=STEP_TIMEOUT)
            except subprocess.TimeoutExpired as error:
                raise CaseFailure("the program did not end after the close request") from error
        reports = [line for line in self.program_log().splitlines()
                   if "runtime error:" in line or "Sanitizer" in line]
        check(not reports, "sanitizer reports from the program:\n" + "\n".join(reports[:20]))
        check_equal(self.app.returncode, 0, "the program's exit code")

    def close(self):
        _stop_process(self.app, "cordic-demo")
        _stop_process(self.launcher, "at-spi-bus-launcher")
        _stop_process(self.xvfb, "Xvfb")

    def _log_file(self, name):
        return open(os.path.join(self.workdir, name), "ab")

    def _start_xvfb(self):
        read_end, write_end = os.pipe()
        width, height = self.screen
        command = ["Xvfb", "-displayfd", str(write_end), "-screen", "0", f"{width}x{height}x24",
                   "-dpi", "96", "-nolisten", "tcp", "-noreset"]
        with self._log_file("xvfb.log") as output:
            self.xvfb = subprocess.Popen(command, pass_fds=(write_end,), stdout=output,
                                         stderr=subprocess.STDOUT, start_new_session=True,
                                         preexec_fn=die_with_parent)
        os.close(write_end)
        number = b""
        deadline = time.monotonic() + START_TIMEOUT
        try:
            while not number.endswith(b"\n"):
                remaining = deadline - time.monotonic()
                check(remaining > 0, "Xvfb did not report a display number")
                ready, _, _ = select.select([read_end], [], [], remaining)
                if ready:
                    chunk = os.read(read_end, 64)
                    check(chunk, "Xvfb exited before reporting a display number")
                    number += chunk
        finally:
            os.close(read_end)
        self.display = ":" + number.decode().strip()
        os.environ["DISPLAY"] = self.display
        log(f"Xvfb on display {self.display}, screen {width}x{height}")

    def _start_accessibility_bus(self):
        runtime_dir = os.path.join(self.workdir, "runtime")
        os.makedirs(runtime_dir, mode=0o700, exist_ok=True)
        os.environ["XDG_RUNTIME_DIR"] = runtime_dir
        os.environ.pop("WAYLAND_DISPLAY", None)
        with self._log_file("at-spi-bus-launcher.log") as output:
            self.launcher = subprocess.Popen(
                ["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"], stdout=output,
                stderr=subprocess.STDOUT, start_new_session=True, preexec_fn=die_with_parent)

        from gi.repository import Gio, GLib  # pylint: disable=import-outside-toplevel
        bus = Gio.bus_get_sync(Gio.BusType.SESSION, None)

        def bus_owned():
            check(self.launcher.poll() is None, "at-spi-bus-launcher exited")
            reply = bus.call_sync("org.freedesktop.DBus", "/org/freedesktop/DBus",
                                  "org.freedesktop.DBus", "NameHasOwner",
                                  GLib.Variant("(s)", ("org.a11y.Bus",)),
                                  GLib.VariantType("(b)"), Gio.DBusCallFlags.NONE, 5000, None)
            return reply.unpack()[0]

        wait_until(bus_owned, START_TIMEOUT, "the accessibility bus")

        import pyatspi  # pylint: disable=import-outside-toplevel
        from gi.repository import Atspi  # pylint: disable=import-outside-toplevel
        # A paced run answers only between its steps' pumps: allow slow replies.
        Atspi.set_timeout(15000, 60000)
        self._atspi = pyatspi

    def start_program(self):
        """Starts the program and waits until its main window is shown and readable."""
        env = dict(os.environ)
        env.update({
            "QT_QPA_PLATFORM": "xcb",
            "QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1",
            "QT_ACCESSIBILITY": "1",
            "QT_SCALE_FACTOR": "1",
            "QT_ENABLE_HIGHDPI_SCALING": "0",
            "LANG": "C.UTF-8",
            "LC_ALL": "C.UTF-8",
        })
        env.update(self.extra_env)
        self.env = env
        self.frame = None
        self.window_id = None
        with self._log_file(PROGRAM_LOG) as output:
            self.app = subprocess.Popen([self.program], env=env, stdout=output,
                                        stderr=subprocess.STDOUT, start_new_session=True,
                                        preexec_fn=die_with_parent)
        extra = "".join(f" {key}={value}" for key, value in self.extra_env.items())
        log(f"started {self.program}{extra} (pid {self.app.pid})")
        self.frame, self.window_id = self.top_level(self.caption)
        self.xdotool("windowfocus", "--sync", str(self.window_id))
        return self.frame

    def program_log(self):
        with open(os.path.join(self.workdir, PROGRAM_LOG), "rb") as file:
            return file.read().decode(errors="replace")

    # -- the program's windows -------------------------------------------------------------

    def top_level(self, caption, timeout=START_TIMEOUT):
        """Waits until the program shows a top-level window captioned `caption` (the main
        window or another one it opens) and returns it as a TopLevel."""
        frame = wait_until(lambda: self._find_frame(caption), timeout,
                           f"the window {caption!r}")
        window_id = wait_until(
            lambda: xwindow.find_top_level(self.display, self.app.pid, caption), timeout,
            f"the X window {caption!r}")
        return TopLevel(frame, window_id)

    def _find_frame(self, caption):
        check(self.app.poll() is None, f"the program exited with code {self.app.returncode}")
        desktop = self._atspi.Registry.getDesktop(0)
        for app_index in range(desktop.childCount):
            application = desktop.getChildAtIndex(app_index)
            if application is None:
                continue
            for index in range(application.childCount):
                child = application.getChildAtIndex(index)
                if child is not None and child.name == caption and \
                        child.getState().contains(self._atspi.STATE_SHOWING):
                    return child
        return None

    # -- the program through AT-SPI --------------------------------------------------------

    @property
    def atspi(self):
        return self._atspi

    def find(self, role, name, root=None):
        """The one accessible of `role` named `name` under `root`, by default the main window
        (depth first)."""
        found = self.find_all(role, name, root)
        check(len(found) == 1,
              f"expected one {role} named {name!r}, found {len(found)}")
        return found[0]

    def find_all(self, role, name, root=None):
        found = []

        def visit(node):
            if node is None:
                return
            if node.getRole() == role and node.name == name:
                found.append(node)
            for index in range(node.childCount):
                visit(node.getChildAtIndex(index))

        visit(root or self.frame)
        return found

    def describe_tree(self, root=None):
        """The accessible tree under `root` (by default the main window) as text, for failure
        messages and exploring."""
        lines = []

        def visit(node, depth):
            if node is None:
                return
            x, y, w, h = node.queryComponent().getExtents(self._atspi.DESKTOP_COORDS)
            text = ""
            try:
                text = node.queryText().getText(0, -1)
            except NotImplementedError:
                pass
            lines.append(f"{'  ' * depth}{node.getRoleName()} {node.name!r} "
                         f"[{x},{y} {w}x{h}] text={text[:40]!r}")
            for index in range(node.childCount):
                visit(node.getChildAtIndex(index), depth + 1)

        visit(root or self.frame, 0)
        return "\n".join(lines)

    def extents(self, accessible):
        """(x, y, width, height) in screen pixels."""
        x, y, width, height = accessible.queryComponent().getExtents(self._atspi.DESKTOP_COORDS)
        return x, y, width, height

    def client_origin(self):
        x, y, _, _ = self.extents(self.frame)
        return x, y

    def client_rect(self, accessible):
        """(x, y, width, height) relative to the main window's client area."""
        origin_x, origin_y = self.client_origin()
        x, y, width, height = self.extents(accessible)
        return x - origin_x, y - origin_y, width, height

    @staticmethod
    def text(accessible):
        return accessible.queryText().getText(0, -1)

    def lines(self, accessible):
        """The trace panel's entries: its text split at line ends, without a final empty."""
        text = self.text(accessible)
        return text.split("\n") if text else []

    @staticmethod
    def table_headers(table):
        """The column headers of a table (the AT-SPI Table interface), left to right."""
        grid = table.queryTable()
        return [grid.getColumnDescription(column) for column in range(grid.nColumns)]

    @staticmethod
    def table_cells(table):
        """The cells of a table (the AT-SPI Table interface) as rows of their texts, top to
        bottom, the rows that are scrolled out of view included."""
        grid = table.queryTable()
        return [[grid.getAccessibleAt(row, column).name for column in range(grid.nColumns)]
                for row in range(grid.nRows)]

    def is_enabled(self, accessible):
        return accessible.getState().contains(self._atspi.STATE_ENABLED)

    def is_checked(self, accessible):
        return accessible.getState().contains(self._atspi.STATE_CHECKED)

    def value(self, accessible):
        return accessible.queryValue().currentValue

    def set_value(self, accessible, value):
        accessible.queryValue().currentValue = value

    @staticmethod
    def do_action(accessible, name):
        """Performs the accessible's action `name` (a button's "Press"), as assistive
        technology does."""
        action = accessible.queryAction()
        names = [action.getName(index) for index in range(action.nActions)]
        check(name in names, f"{accessible.name!r} offers no action {name!r}, only {names}")
        action.doAction(names.index(name))

    # -- input through xdotool -------------------------------------------------------------

    def xdotool(self, *args):
        subprocess.run(["xdotool", *args], check=True, timeout=STEP_TIMEOUT,
                       env=dict(os.environ, DISPLAY=self.display))

    def centre(self, accessible):
        x, y, width, height = self.extents(accessible)
        return x + width // 2, y + height // 2

    def click(self, accessible, repeat=1):
        x, y = self.centre(accessible)
        # XTEST events are handled in order: the click lands where the pointer went. (No --sync:
        # it waits on a pointer that already stands at the target.)
        args = ["mousemove", str(x), str(y), "click"]
        if repeat > 1:
            args += ["--repeat", str(repeat), "--delay", "40"]
        self.xdotool(*args, "1")

    def key(self, *keys):
        self.xdotool("key", "--clearmodifiers", *keys)

    def type_text(self, text):
        if text:
            self.xdotool("type", "--delay", "15", "--", text)

    # -- screenshots -----------------------------------------------------------------------

    def screenshot(self):
        """The whole screen as a Picture."""
        data = subprocess.run(["import", "-display", self.display, "-window", "root",
                               "-depth", "8", "ppm:-"],
                              check=True, capture_output=True, timeout=STEP_TIMEOUT).stdout
        return Picture.from_ppm(data)

    def save_screenshot(self, name):
        path = os.path.join(self.workdir, name)
        subprocess.run(["import", "-display", self.display, "-window", "root", path],
                       check=False, timeout=STEP_TIMEOUT)
        return path

    def _window_pixels(self, window_id):
        return subprocess.run(["import", "-display", self.display, "-window", str(window_id),
                               "-depth", "8", "rgb:-"],
                              check=True, capture_output=True, timeout=STEP_TIMEOUT).stdout

    def save_window_picture(self, window_id, path):
        """Saves a picture of the window alone to `path` (the format by its extension), once
        the window has repainted and stands still. The pointer goes to the screen's corner
        first, so that no control shows it hovering."""
        width, height = self.screen
        self.xdotool("mousemove", str(width - 1), str(height - 1))
        previous = [self._window_pixels(window_id)]

        def stable():
            current = self._window_pixels(window_id)
            same = current == previous[0]
            previous[0] = current
            return same

        wait_until(stable, STEP_TIMEOUT, "the window to stand still", interval=0.3)
        subprocess.run(["import", "-display", self.display, "-window", str(window_id), path],
                       check=True, timeout=STEP_TIMEOUT)
        check(os.path.getsize(path) > 0, f"the picture {path} is empty")
        return path
