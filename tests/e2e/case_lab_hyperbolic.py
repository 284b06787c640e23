"""The laboratory's hyperbolic rotation, fixed point 16/14, t = 0.5, 16 steps: the table copied
with Ctrl+C is the engine's, as cordic-lab prints it for that setup; its first states (rawX, rawY,
rawZ, direction, shift) read back from their bits are the hardware run's, the shift 4 taken
twice."""

import subprocess

from demo_window import open_session
from lab_window import clipboard, open_laboratory, register
from runner import STEP_TIMEOUT, check_equal, log, run_case, wait_until

STEPS = 16
WORD_BITS = 16
FIRST_STATES = [(19784, 0, 8192, "+", "1"), (19784, 9892, -808, "\u2212", "2"),
                (17311, 4946, 3377, "+", "3"), (17929, 7109, 1318, "+", "4"),
                (18373, 8229, 293, "+", "4")]
LAB_ARGUMENTS = ["--system", "hyperbolic", "--mode", "rotation", "--arithmetic", "fixed",
                 "--word", "16", "--fraction", "14", "--steps", str(STEPS), "--theta", "0.5"]


def add_arguments(parser):
    parser.add_argument("--lab", required=True, help="the cordic-lab binary")


def case(args):
    engine = subprocess.run([args.lab, *LAB_ARGUMENTS], check=True, capture_output=True,
                            text=True, timeout=STEP_TIMEOUT).stdout.rstrip("\n")
    with open_session(args) as session:
        lab = open_laboratory(session)
        atspi = session.atspi
        for choice in ("hyperbolická", "Rotácia: cosh, sinh a exp", "pevná čiarka"):
            session.do_action(session.find(atspi.ROLE_RADIO_BUTTON, choice, lab), "Toggle")
        for role, name, text in ((atspi.ROLE_TEXT, "t", "0.5"),
                                 (atspi.ROLE_SPIN_BUTTON, "Počet krokov", str(STEPS))):
            session.do_action(session.find(role, name, lab), "SetFocus")
            session.key("ctrl+a")
            session.type_text(text)
        table = session.find(atspi.ROLE_TABLE, "Kroky laboratória", lab)
        wait_until(lambda: table.queryTable().nRows == STEPS + 1, STEP_TIMEOUT,
                   f"{STEPS + 1} rows in the table")

        session.click(table)
        session.key("ctrl+c")
        wait_until(lambda: clipboard(session).startswith("i\t"), STEP_TIMEOUT, "the copied table")
        copied = clipboard(session)
        check_equal(copied, engine, "the copied table against cordic-lab's states")
        rows = [line.split("\t") for line in copied.split("\n")[1:]]
        states = [(register(row[6], WORD_BITS), register(row[7], WORD_BITS),
                   register(row[8], WORD_BITS), row[1], row[2])
                  for row in rows[:len(FIRST_STATES)]]
        check_equal(states, FIRST_STATES, "the first states (x, y, z, direction, shift)")
        check_equal([row[2] for row in rows].count("4"), 2, "the rows of shift 4")
        log("the copied table is the engine's, shift 4 in rows 3 and 4")


if __name__ == "__main__":
    run_case(case, add_arguments)
