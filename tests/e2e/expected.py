"""What the window must show for one angle, as e2e_expected_values (expected_values.cpp)
computes it with the program's own core."""

import subprocess

from runner import STEP_TIMEOUT


class Expected:
    """The outcome of the angle text and, for an accepted angle, the trace panels' lines, the
    four result fields, the plot's end points and the step table's cells (see
    expected_values.cpp)."""

    def __init__(self):
        self.outcome = None
        self.memo1 = []
        self.memo2 = []
        self.fields = {}
        self.centre = None
        self.green = None
        self.red = None
        self.steps = []  # the red vector's end in each step's frame
        self.rows = []  # the step table: 55 rows of 8 cell texts

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
            elif key == "row":
                result.rows.append(value.split("\t"))
            elif key == "step":
                result.steps.append(tuple(int(part) for part in value.split()[1:]))
            elif key in ("centre", "green", "red"):
                setattr(result, key, tuple(int(part) for part in value.split()))
        return result


def compute(tool, text, unit, width, height):
    """Runs the e2e_expected_values binary `tool` for the angle `text` in `unit` (0 degrees,
    1 radians) and a plot of width x height pixels."""
    output = subprocess.run([tool, text, str(unit), str(width), str(height)],
                            check=True, capture_output=True, timeout=STEP_TIMEOUT,
                            text=True).stdout
    return Expected.parse(output)
