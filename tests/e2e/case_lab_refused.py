"""The laboratory shows no results beside an input they do not belong to. At fixed point 16/14
(no room for pi: nothing beyond 90 degrees folds) "1" and "15" typed into "Uhol" are runs of their
own; "150" is refused, and while it stands the table is insensitive and both results read "—",
never the cosine of 15 degrees."""

from demo_window import open_session
from lab_window import open_laboratory
from runner import STEP_TIMEOUT, check, log, run_case, wait_until

COSINE_OF_15 = "0.9659423828125"
NO_PI = "Na prehnutie treba π, ktoré sa do slova nezmestí"
NO_RESULT = "—"


def case(args):
    with open_session(args) as session:
        lab = open_laboratory(session)
        atspi = session.atspi
        session.do_action(session.find(atspi.ROLE_RADIO_BUTTON, "pevná čiarka", lab), "Toggle")
        table = session.find(atspi.ROLE_TABLE, "Kroky laboratória", lab)
        angle = session.find(atspi.ROLE_TEXT, "Uhol", lab)
        status = session.find(atspi.ROLE_LABEL, "Stav", lab)
        cosine = session.find(atspi.ROLE_LABEL, "Prvý výsledok", lab)
        sine = session.find(atspi.ROLE_LABEL, "Druhý výsledok", lab)

        def shown():
            return status.description, cosine.description, sine.description, \
                session.is_enabled(table)

        session.do_action(angle, "SetFocus")
        session.key("ctrl+a")
        session.type_text("1")
        wait_until(lambda: session.text(angle) == "1" and shown()[1] not in ("", NO_RESULT),
                   STEP_TIMEOUT, "the results of 1 degree")
        session.type_text("5")
        wait_until(lambda: shown() == ("", COSINE_OF_15, shown()[2], True), STEP_TIMEOUT,
                   "the results of 15 degrees")
        log(f"15 degrees: cosine {COSINE_OF_15}")

        session.type_text("0")
        wait_until(lambda: shown()[0] == NO_PI, STEP_TIMEOUT, "the refusal of 150 degrees")
        check(session.text(angle) == "150", f"the field holds {session.text(angle)!r}")
        check(shown()[1:] == (NO_RESULT, NO_RESULT, False),
              f"while 150 is refused: results {shown()[1:3]}, table enabled {shown()[3]}")
        log("150 degrees refused: the table greyed, the results \"—\"")


if __name__ == "__main__":
    run_case(case)
