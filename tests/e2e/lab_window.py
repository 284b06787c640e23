"""The laboratory "Laboratórium CORDIC" in a running session: opened with F3, its copied table
read from the X clipboard, and a fixed-point register read back from its bit cell."""

import os
import subprocess

from runner import STEP_TIMEOUT

CAPTION = "Laboratórium CORDIC"


def open_laboratory(session):
    """Opens the laboratory with F3 and returns its AT-SPI frame."""
    session.key("F3")
    return session.top_level(CAPTION).frame


def register(bits, word_bits):
    """The W-bit two's-complement register of a bit cell ("00.10011011011101")."""
    value = int(bits.replace(".", ""), 2)
    return value - (1 << word_bits) if value >= 1 << (word_bits - 1) else value


def clipboard(session):
    """The X clipboard's text."""
    return subprocess.run(["xclip", "-o", "-selection", "clipboard"], check=False,
                          capture_output=True, text=True, timeout=STEP_TIMEOUT,
                          env=dict(os.environ, DISPLAY=session.display)).stdout
