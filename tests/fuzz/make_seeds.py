#!/usr/bin/env python3
"""Writes the seed corpora of the fuzz targets under tests/fuzz/corpus/. Run it after changing
the seeds below; the generated files are committed."""
import os
import shutil
import struct
from fractions import Fraction

HERE = os.path.dirname(os.path.abspath(__file__))

# The double-precision pi/2 (the largest accepted angle) and the extended format's limits.
HALF_PI_DOUBLE = Fraction(0x3FF921FB54442D18 & ((1 << 52) - 1) | (1 << 52), 1 << 52)
EXT_ULP_AT_ONE = Fraction(1, 1 << 63)


def decimal(value, digits):
    """The exact decimal expansion of a dyadic fraction, cut to `digits` fractional digits."""
    sign = "-" if value < 0 else ""
    value = abs(value)
    whole = value.numerator // value.denominator
    frac = value - whole
    out = []
    for _ in range(digits):
        frac *= 10
        d = frac.numerator // frac.denominator
        out.append(str(d))
        frac -= d
    assert frac == 0 or digits < 20000
    return sign + str(whole) + ("." + "".join(out) if out else "")


def angle_seeds():
    s = {}
    # The angle input's own edge cases.
    for name, text in [
        ("ninety", "90"), ("minus_ninety", "-90"), ("ninety_one", "91"), ("zero", "0"),
        ("minus_zero", "-0"), ("forty_five", "45"), ("thirty", "30"),
        ("radians_above", "1.5708"), ("radians_below", "1.5707"),
        ("half_pi_double_text", "1.5707963267948966"), ("empty", ""), ("letters", "abc"),
        ("comma", "1,5"), ("leading_sep", ".5"), ("trailing_sep", "5."), ("exp", "1e3"),
        ("exp_upper_neg", "1E-3"), ("blanks", " 12 "), ("tabs", "\t-1.5\t"), ("plus", "+1"),
        ("exp_no_digits", "1e"), ("exp_sign_only", "1e+"), ("exp_only", "e5"), ("dot", "."),
        ("minus", "-"), ("two_signs", "+-1"), ("two_seps", "1..2"), ("three_parts", "1.2.3"),
        ("hex", "0x1p3"), ("inf", "inf"), ("nan", "nan"), ("INF", "INF"), ("NAN", "NAN"),
        ("group", "1 000"), ("newline", "1\n"), ("cr", "\r1"),
    ]:
        s[name] = text.encode()
    # Bytes a paste may bring: NUL, invalid UTF-8, non-ASCII digits, signs and spaces.
    for name, data in [
        ("nul_inside", b"1\x002"), ("nul_after", b"45\x00"), ("nul_only", b"\x00"),
        ("invalid_utf8", b"\xff\xfe1"), ("lone_continuation", b"1\x80"),
        ("overlong_zero", b"\xc0\xb0"), ("latin1_degree", b"45\xb0"),
        ("utf8_degree", "45°".encode()), ("nbsp", "\u00a01".encode()),
        ("zero_width_space", "1\u200b".encode()), ("unicode_minus", "\u22121".encode()),
        ("fullwidth_one", "\uff11".encode()), ("arabic_indic_one", "\u0661".encode()),
        ("slovak_text", "Zadaná hodnota".encode()), ("cp1250_text", "uhol č".encode("cp1250")),
    ]:
        s[name] = data
    # Huge and tiny exponents around the extended range and far beyond it.
    for name, text in [
        ("max_finite", "1.18973149535723176502e4932"), ("overflow", "1.2e4932"),
        ("exp_4932", "1e4932"), ("exp_4931", "1e4931"),
        ("degrees_overflow", "3.8e4931"), ("degrees_just_finite", "3.7e4931"),
        ("min_normal", "3.36210314311209350626e-4932"),
        ("min_subnormal", "3.64519953188247460253e-4951"), ("below_subnormal", "1e-4952"),
        ("half_min_subnormal", "1.8225997659412373012e-4951"),
        ("huge_exp", "1e99999999999999999999"), ("tiny_exp", "1e-99999999999999999999"),
        ("neg_huge", "-1e5000"), ("zero_huge_exp", "0e99999999999"),
    ]:
        s[name] = text.encode()
    # Long digit strings: thousands of digits, where correct rounding needs every one of them.
    tie = (1 << 64) + 1  # exactly halfway between two extended values: rounds to even
    s["digits_tie"] = str(tie).encode()
    s["digits_tie_then_one"] = (str(tie) + "." + "0" * 3000 + "1").encode()
    s["digits_zeros_then_one"] = ("0." + "0" * 3000 + "1").encode()
    s["digits_nines"] = ("9" * 5000).encode()
    s["digits_one_then_zeros"] = ("1" + "0" * 4000 + "e-4000").encode()
    s["digits_half_pi_extended"] = decimal(Fraction(
        0xC90FDAA22168C235, 1 << 63), 80).encode()
    h = HALF_PI_DOUBLE
    half_ulp = EXT_ULP_AT_ONE / 2
    s["bound_exact"] = decimal(h, 60).encode()
    s["bound_exact_neg"] = decimal(-h, 60).encode()
    s["bound_half_ulp_above"] = decimal(h + half_ulp, 70).encode()
    # A hair above and below the tie between h and the next extended value: 2,000 digits.
    hair = Fraction(1, 10**2000)
    s["bound_tie_above_long"] = decimal(h + half_ulp + hair, 2000).encode()
    s["bound_tie_below_long"] = decimal(h + half_ulp - hair, 2000).encode()
    return s


def extended(sign, exponent, significand, mode=None):
    data = struct.pack("<QH", significand, (sign << 15) | exponent)
    return data if mode is None else data + bytes([mode])


def round_trip_seeds():
    top = 1 << 63
    return {
        "zero": extended(0, 0, 0), "minus_zero": extended(1, 0, 0),
        "one": extended(0, 0x3FFF, top), "minus_one_round_down": extended(1, 0x3FFF, top, 1),
        "min_subnormal": extended(0, 0, 1), "max_subnormal": extended(0, 0, top - 1),
        "min_normal": extended(0, 1, top), "max_finite": extended(0, 0x7FFE, (1 << 64) - 1),
        "half_pi_double": extended(0, 0x3FFF, 0xC90FDAA22168C000),
        "pi_double_upward": extended(0, 0x4000, 0xC90FDAA22168C000, 2),
        "one_over_180": extended(0, 0x3FF8, 0xB60B60B60B60B60B),
        "gain_toward_zero": extended(0, 0x3FFE, 0x9B74EDA8435E47F2, 3),
        "tenth": extended(0, 0x3FFB, 0xCCCCCCCCCCCCCCCD),
        "two_pow_64": extended(0, 0x403F, top),
        "infinity": extended(0, 0x7FFF, top), "minus_infinity": extended(1, 0x7FFF, top),
        "quiet_nan": extended(0, 0x7FFF, top | (1 << 62)),
        "pseudo_denormal": extended(0, 0, top | 1), "unnormal": extended(0, 0x3FFF, 1),
    }


def write(directory, seeds):
    path = os.path.join(HERE, "corpus", directory)
    shutil.rmtree(path, ignore_errors=True)
    os.makedirs(path)
    for name, data in seeds.items():
        with open(os.path.join(path, name), "wb") as f:
            f.write(data)


write("parse_angle", angle_seeds())
write("float_round_trip", round_trip_seeds())
