"""How an end-to-end case runs: its entry point with the command line, a private D-Bus session
bus (dbus-run-session) that ends with it, a deadline, the clean-up and the report of a failure,
and the checks and waits a case is written with.

A case script is a function `case(args)` handed to run_case():

    def case(args):
        with open_session(args) as session:
            ...

    if __name__ == "__main__":
        run_case(case)

Run with Debian's /usr/bin/python3: pyatspi and Xlib are Debian packages.
"""

import argparse
import ctypes
import os
import shutil
import signal
import sys
import tempfile
import time
import traceback

# Generous deadlines: the program is built with AddressSanitizer and the machine may be busy.
START_TIMEOUT = 60.0
RUN_TIMEOUT = 60.0
STEP_TIMEOUT = 20.0

# The whole case gets this long before it stops itself and cleans up; ctest's own TIMEOUT is
# set above it.
CASE_DEADLINE = 240

# The program's output in the case's work folder, shown when the case fails.
PROGRAM_LOG = "cordic-demo.log"

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


def die_with_parent():
    """Asks for SIGTERM when the parent of the calling process dies (also used in children
    between fork and exec)."""
    libc = ctypes.CDLL("libc.so.6", use_errno=True)
    libc.prctl(_PR_SET_PDEATHSIG, signal.SIGTERM)


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
    die_with_parent()

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
        path = os.path.join(workdir, PROGRAM_LOG)
        if os.path.exists(path):
            with open(path, "rb") as file:
                content = file.read().decode(errors="replace").strip()
            if content:
                print(f"--- {PROGRAM_LOG} ---\n{content[-4000:]}")
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
