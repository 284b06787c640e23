"""End-to-end session around the built cordic-demo program.

A session runs the program the way a person does: in its own X server (Xvfb on a free display,
found with -displayfd), with a private D-Bus session bus and the accessibility bus on it. The
program is driven with real input events (xdotool) and read back through AT-SPI (pyatspi) and
from screenshots (ImageMagick's import). Everything a session starts is stopped when it ends,
also when a check fails or the test runner's deadline approaches.

Run with Debian's /usr/bin/python3: pyatspi and Xlib are Debian packages.
"""

import argparse
import ctypes
import os
import select
import shutil
import signal
import subprocess
import sys
import tempfile
import time
import traceback

import xwindow

CAPTION = "Ukážka algoritmu CORDIC"
CLIENT_SIZE = (555, 515)

TEXT_COMPUTING = "Pocitam..."
TEXT_DONE = "Hotovo"
TEXT_NOT_A_NUMBER = "Zadaná hodnota nie je v číslo"
TEXT_OUT_OF_RANGE = "Zadaná hodnota nie je v rozmedzí (-Pi/2,Pi/2) !"

UNIT_DEGREES = 0
UNIT_RADIANS = 1
UNIT_NAMES = ("stupeň", "radián")

# Generous deadlines: the program is built with AddressSanitizer and the machine may be busy.
START_TIMEOUT = 60.0
RUN_TIMEOUT = 60.0
STEP_TIMEOUT = 20.0

# The whole case gets this long before it stops itself and cleans up; ctest's own TIMEOUT is
# set above it.
CASE_DEADLINE = 240

_BUS_MARK = "CORDIC_E2E_PRIVATE_BUS"
_PR_SET_PDEATHSIG = 1


class CaseFailure(AssertionError):
    pass


def check(condition, message):
    if not condition:
        raise CaseFailure(message)


def check_equal(actual, expected, what):
    if actual != expected:
        raise CaseFailure(f"{what}: expected {expected!r}, got {actual!r}")


def log(message):
    print(f"[{time.strftime('%H:%M:%S')}] {message}", flush=True)


def wait_until(condition, timeout, what, interval=0.02):
    """Polls condition() until it returns a true value and returns that value. Exceptions
    raised by condition() count as "not yet" (the program may be busy or starting)."""
    deadline = time.monotonic() + timeout
    last_error = None
    while True:
        try:
            value = condition()
            if value:
                return value
        except CaseFailure:
            raise
        except Exception as error:  # pylint: disable=broad-except
            last_error = error
        if time.monotonic() > deadline:
            detail = f" (last error: {last_error})" if last_error else ""
            raise CaseFailure(f"timed out after {timeout:.0f} s waiting for {what}{detail}")
        time.sleep(interval)


def _die_with_parent():
    """For child processes: receive SIGTERM when the session's process dies."""
    libc = ctypes.CDLL("libc.so.6", use_errno=True)
    libc.prctl(_PR_SET_PDEATHSIG, signal.SIGTERM)


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
    """One X server, accessibility bus and program instance. Use as a context manager."""

    def __init__(self, program, expected_tool, workdir, screen=(1024, 768)):
        self.program = program
        self.expected_tool = expected_tool
        self.workdir = workdir
        self.screen = screen
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
                                         preexec_fn=_die_with_parent)
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
        log(f"Xvfb on display {self.display}")

    def _start_accessibility_bus(self):
        runtime_dir = os.path.join(self.workdir, "runtime")
        os.makedirs(runtime_dir, mode=0o700, exist_ok=True)
        os.environ["XDG_RUNTIME_DIR"] = runtime_dir
        os.environ.pop("WAYLAND_DISPLAY", None)
        with self._log_file("at-spi-bus-launcher.log") as output:
            self.launcher = subprocess.Popen(
                ["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"], stdout=output,
                stderr=subprocess.STDOUT, start_new_session=True, preexec_fn=_die_with_parent)

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
        """Starts the program and waits until its window is shown and readable."""
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
        self.env = env
        self.frame = None
        self.window_id = None
        with self._log_file("cordic-demo.log") as output:
            self.app = subprocess.Popen([self.program], env=env, stdout=output,
                                        stderr=subprocess.STDOUT, start_new_session=True,
                                        preexec_fn=_die_with_parent)
        log(f"started {self.program} (pid {self.app.pid})")
        self.frame = wait_until(self._find_frame, START_TIMEOUT, "the program's window")
        self.window_id = wait_until(self._find_window_id, START_TIMEOUT,
                                    "the program's X window")
        self.xdotool("windowfocus", "--sync", str(self.window_id))
        return self.frame

    def program_log(self):
        path = os.path.join(self.workdir, "cordic-demo.log")
        with open(path, "rb") as file:
            return file.read().decode(errors="replace")

    # -- the program through AT-SPI --------------------------------------------------------

    @property
    def atspi(self):
        return self._atspi

    def _find_frame(self):
        check(self.app.poll() is None, f"the program exited with code {self.app.returncode}")
        desktop = self._atspi.Registry.getDesktop(0)
        for app_index in range(desktop.childCount):
            application = desktop.getChildAtIndex(app_index)
            if application is None:
                continue
            for index in range(application.childCount):
                child = application.getChildAtIndex(index)
                if child is not None and child.name == CAPTION and \
                        child.getState().contains(self._atspi.STATE_SHOWING):
                    return child
        return None

    def _find_window_id(self):
        return xwindow.find_top_level(self.display, self.app.pid, CAPTION)

    def find(self, role, name, root=None):
        """The one accessible of `role` named `name` under the window (depth first)."""
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

    def describe_tree(self):
        """The window's accessible tree as text, for failure messages and exploring."""
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

        visit(self.frame, 0)
        return "\n".join(lines)

    def extents(self, accessible):
        """(x, y, width, height) in screen pixels."""
        x, y, width, height = accessible.queryComponent().getExtents(self._atspi.DESKTOP_COORDS)
        return x, y, width, height

    def client_origin(self):
        x, y, _, _ = self.extents(self.frame)
        return x, y

    def client_rect(self, accessible):
        """(x, y, width, height) relative to the window's client area."""
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

    def is_enabled(self, accessible):
        return accessible.getState().contains(self._atspi.STATE_ENABLED)

    def is_checked(self, accessible):
        return accessible.getState().contains(self._atspi.STATE_CHECKED)

    def value(self, accessible):
        return accessible.queryValue().currentValue

    def set_value(self, accessible, value):
        accessible.queryValue().currentValue = value

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

    # -- expected values from the program's own core ---------------------------------------

    def expected(self, text, unit, width, height):
        output = subprocess.run([self.expected_tool, text, str(unit), str(width), str(height)],
                                check=True, capture_output=True, timeout=STEP_TIMEOUT,
                                text=True).stdout
        return Expected.parse(output)


class Picture:
    """An RGB screenshot; pixel(x, y) gives (r, g, b)."""

    def __init__(self, width, height, data):
        self.width = width
        self.height = height
        self.data = data

    @classmethod
    def from_ppm(cls, data):
        fields = []
        position = 0
        while len(fields) < 4:
            while data[position:position + 1].isspace():
                position += 1
            if data[position:position + 1] == b"#":
                position = data.index(b"\n", position) + 1
                continue
            end = position
            while not data[end:end + 1].isspace():
                end += 1
            fields.append(data[position:end])
            position = end
        check(fields[0] == b"P6" and fields[3] == b"255", "unexpected screenshot format")
        width, height = int(fields[1]), int(fields[2])
        pixels = data[position + 1:position + 1 + 3 * width * height]
        return cls(width, height, pixels)

    def pixel(self, x, y):
        offset = 3 * (y * self.width + x)
        return tuple(self.data[offset:offset + 3])

    def crop(self, x, y, width, height):
        rows = [self.data[3 * ((y + row) * self.width + x):3 * ((y + row) * self.width + x + width)]
                for row in range(height)]
        return Picture(width, height, b"".join(rows))


class Expected:
    """What the core computes for one angle (see expected_values.cpp)."""

    def __init__(self):
        self.outcome = None
        self.memo1 = []
        self.memo2 = []
        self.fields = {}
        self.centre = None
        self.green = None
        self.red = None
        self.steps = []  # the red vector's end in each step's frame

    @classmethod
    def parse(cls, output):
        result = cls()
        for line in output.splitlines():
            key, _, value = line.partition(" ")
            if key == "outcome":
                result.outcome = value
            elif key in ("memo1", "memo2"):
                getattr(result, key).append(value)
            elif key in ("cos", "sin", "kcos", "ksin"):
                result.fields[key] = value
            elif key == "step":
                result.steps.append(tuple(int(part) for part in value.split()[1:]))
            elif key in ("centre", "green", "red"):
                setattr(result, key, tuple(int(part) for part in value.split()))
        return result


def _session_bus_daemon_pid():
    """The process id of the session bus's daemon, None if the bus does not tell."""
    from gi.repository import Gio, GLib  # pylint: disable=import-outside-toplevel
    try:
        bus = Gio.bus_get_sync(Gio.BusType.SESSION, None)
        reply = bus.call_sync("org.freedesktop.DBus", "/org/freedesktop/DBus",
                              "org.freedesktop.DBus", "GetConnectionUnixProcessID",
                              GLib.Variant("(s)", ("org.freedesktop.DBus",)),
                              GLib.VariantType("(u)"), Gio.DBusCallFlags.NONE, 5000, None)
        return reply.unpack()[0]
    except GLib.Error:
        return None


def run_case(case, add_arguments=None):
    """Entry of a case script: parses --program/--expected/--workdir (and what
    `add_arguments(parser)` adds), runs `case(args)` on a private session bus with a deadline,
    and exits 0 on success, 1 on failure."""
    if os.environ.get(_BUS_MARK) != "1":
        # A private session bus for the accessibility bus, ended with this process.
        os.environ[_BUS_MARK] = "1"
        os.execvp("dbus-run-session", ["dbus-run-session", "--", sys.executable, *sys.argv])

    parser = argparse.ArgumentParser()
    parser.add_argument("--program", required=True, help="the cordic-demo binary")
    parser.add_argument("--expected", help="the e2e_expected_values binary")
    parser.add_argument("--workdir", help="where logs and screenshots go (kept)")
    if add_arguments:
        add_arguments(parser)
    args = parser.parse_args()

    # Stop cleanly (finally blocks run) when the runner or the wrapper goes away, and before
    # ctest's own timeout would kill this process without clean-up.
    def on_signal(signum, _frame):
        raise CaseFailure(f"stopped by signal {signum}")

    signal.signal(signal.SIGTERM, on_signal)
    signal.signal(signal.SIGALRM, on_signal)
    signal.alarm(CASE_DEADLINE)
    ctypes.CDLL("libc.so.6").prctl(_PR_SET_PDEATHSIG, signal.SIGTERM)

    keep = args.workdir is not None
    workdir = args.workdir or tempfile.mkdtemp(prefix="cordic-e2e-")
    os.makedirs(workdir, exist_ok=True)
    args.workdir = workdir
    started = time.monotonic()
    wrapper = os.getppid()
    bus_daemon = _session_bus_daemon_pid()
    try:
        case(args)
    except Exception:  # pylint: disable=broad-except
        traceback.print_exc()
        path = os.path.join(workdir, "cordic-demo.log")
        if os.path.exists(path):
            with open(path, "rb") as file:
                content = file.read().decode(errors="replace").strip()
            if content:
                print(f"--- cordic-demo.log ---\n{content[-4000:]}")
        print(f"FAILED after {time.monotonic() - started:.1f} s; logs and screenshots in "
              f"{workdir}")
        sys.exit(1)
    finally:
        # dbus-run-session ends its bus when this process ends; if it was killed itself, the
        # bus it started for this case is left alone and is ended here.
        if os.getppid() != wrapper and bus_daemon is not None:
            try:
                os.kill(bus_daemon, signal.SIGTERM)
            except ProcessLookupError:
                pass
    print(f"passed in {time.monotonic() - started:.1f} s")
    if not keep:
        shutil.rmtree(workdir, ignore_errors=True)
    sys.exit(0)
