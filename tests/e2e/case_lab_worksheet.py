"""The laboratory's worksheet. F3, "hyperbolická", "Rotácia: cosh, sinh a exp", fixed point 16/14,
t = 0.5 and 16 steps, then "Pracovný list…" with a name typed into the file dialog: the PDF saved
has two A4 pages (pdfinfo). Page 1 (pdftotext) is "Pracovný list: CORDIC" with the task and the
start state filled in (x = K'_16 = 1.20751953125 in 16/14) but not the later states' registers
nor the results; page 2 is "Riešenie" with the same table filled in (x = 1.12139892578125 after
step 3) and the results cosh t = 1.127685546875, sinh t = 0.52117919921875."""

import os
import re
import subprocess

from demo_window import open_session
from runner import STEP_TIMEOUT, check, check_equal, log, run_case, wait_until

CAPTION = "Laboratórium CORDIC"
DIALOG_CAPTION = "Pracovný list"
STEPS = 16
FILE_NAME = "pracovny-list-hyperbolicky.pdf"
A4 = "595 x 842 pts (A4)"
START_X = "1.20751953125"
LATER_X = "1.12139892578125"
RESULTS = ["cosh t = 1.127685546875", "sinh t = 0.52117919921875"]


def page_text(path, page):
    return subprocess.run(["pdftotext", "-layout", "-f", str(page), "-l", str(page), path, "-"],
                          check=True, capture_output=True, text=True,
                          timeout=STEP_TIMEOUT).stdout


def page_sizes(path):
    """The page count and each page's size as pdfinfo tells them."""
    info = subprocess.run(["pdfinfo", "-f", "1", "-l", "99", path], check=True,
                          capture_output=True, text=True, timeout=STEP_TIMEOUT).stdout
    pages = int(re.search(r"^Pages:\s+(\d+)$", info, re.M).group(1))
    return pages, re.findall(r"^Page\s+\d+ size:\s+(.+)$", info, re.M)


def case(args):
    with open_session(args) as session:
        session.key("F3")
        lab = session.top_level(CAPTION)
        atspi = session.atspi
        for choice in ("hyperbolická", "Rotácia: cosh, sinh a exp", "pevná čiarka"):
            session.do_action(session.find(atspi.ROLE_RADIO_BUTTON, choice, lab.frame), "Toggle")
        for role, name, text in ((atspi.ROLE_TEXT, "t", "0.5"),
                                 (atspi.ROLE_SPIN_BUTTON, "Počet krokov", str(STEPS))):
            session.do_action(session.find(role, name, lab.frame), "SetFocus")
            session.key("ctrl+a")
            session.type_text(text)
        table = session.find(atspi.ROLE_TABLE, "Kroky laboratória", lab.frame)
        wait_until(lambda: table.queryTable().nRows == STEPS + 1, STEP_TIMEOUT,
                   f"{STEPS + 1} rows in the table")

        path = os.path.join(args.workdir, FILE_NAME)
        check(not os.path.exists(path), f"{path} exists before the save")
        session.do_action(session.find(atspi.ROLE_PUSH_BUTTON, "Pracovný list…", lab.frame),
                          "Press")
        dialog = session.top_level(DIALOG_CAPTION)
        session.xdotool("windowfocus", "--sync", str(dialog.window_id))
        session.key("ctrl+a")
        session.type_text(path)
        session.key("Return")
        wait_until(lambda: os.path.exists(path), STEP_TIMEOUT, f"the worksheet saved to {path}")

        check_equal(page_sizes(path), (2, [A4, A4]), "the worksheet's pages")
        questions = page_text(path, 1)
        answers = page_text(path, 2)
        check("Pracovný list: CORDIC" in questions, f"page 1 has no title:\n{questions}")
        check("Riešenie" in answers, f"page 2 has no title:\n{answers}")
        check("hyperbolickej sústave" in questions, f"page 1 has no task:\n{questions}")
        check(START_X in questions and START_X in answers, "the start state on both pages")
        for answer in [LATER_X, *RESULTS]:
            check(answer not in questions, f"page 1 gives away {answer!r}")
            check(answer in answers, f"page 2 lacks {answer!r}:\n{answers}")
        log(f"{path}: two A4 pages, the blanks on page 1 filled on page 2")


if __name__ == "__main__":
    run_case(case)
