"""The laboratory "Laboratórium CORDIC". F3 in the main window opens it. Fixed point (the word
16 bits with 14 fraction bits by default), 30 degrees (the default angle) and 14 steps: the table
copied with "Kopírovať tabuľku" reaches the X clipboard as tab-separated text with the header row
first; its registers, read back from their bits, are the hardware run's: the first states
(rawX, rawY, rawZ, direction) (9949, 0, 8579, +1), (9949, 9949, -4289, -1), (14923, 4975, 3307,
+1), (13680, 8705, -707, -1), (14768, 6995, 1330, +1), and after the last step cosine 14191 and
sine 8189."""

from demo_window import open_session
from lab_window import clipboard, open_laboratory, register
from runner import STEP_TIMEOUT, check_equal, run_case, wait_until

HEADERS = "i\tsmer\tposun\tx\ty\tz\tx (bity)\ty (bity)\tz (bity)"
STEPS = 14
FIRST_STATES = [(9949, 0, 8579, "+"), (9949, 9949, -4289, "\u2212"), (14923, 4975, 3307, "+"),
                (13680, 8705, -707, "\u2212"), (14768, 6995, 1330, "+")]
RESULTS = (14191, 8189)
WORD_BITS = 16


def case(args):
    with open_session(args) as session:
        lab = open_laboratory(session)
        atspi = session.atspi
        session.do_action(session.find(atspi.ROLE_RADIO_BUTTON, "pevná čiarka", lab), "Toggle")
        steps = session.find(atspi.ROLE_SPIN_BUTTON, "Počet krokov", lab)
        session.do_action(steps, "SetFocus")
        session.key("ctrl+a")
        session.type_text(str(STEPS))
        table = session.find(atspi.ROLE_TABLE, "Kroky laboratória", lab)
        wait_until(lambda: table.queryTable().nRows == STEPS + 1, STEP_TIMEOUT,
                   f"{STEPS + 1} rows in the table")

        session.do_action(session.find(atspi.ROLE_PUSH_BUTTON, "Kopírovať tabuľku", lab), "Press")
        wait_until(lambda: clipboard(session).startswith("i\t"), STEP_TIMEOUT, "the copied table")
        lines = clipboard(session).split("\n")
        check_equal(lines[0], HEADERS, "the copy's header row")
        check_equal(len(lines), STEPS + 2, "the copy's lines")
        rows = [line.split("\t") for line in lines[1:]]
        states = [(register(row[6], WORD_BITS), register(row[7], WORD_BITS),
                   register(row[8], WORD_BITS), row[1])
                  for row in rows[:len(FIRST_STATES)]]
        check_equal(states, FIRST_STATES, "the first states (x, y, z, direction)")
        last = rows[STEPS]
        check_equal((register(last[6], WORD_BITS), register(last[7], WORD_BITS)), RESULTS,
                    "the last state's x and y")


if __name__ == "__main__":
    run_case(case)
