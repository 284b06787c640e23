#include "conversions.h"

#include <cfenv>
#include <charconv>
#include <clocale>
#include <cmath>
#include <cstring>
#include <gtest/gtest.h>
#include <limits>
#include <random>
#include <string>
#include <utility>
#include <vector>

namespace {

using Limits = std::numeric_limits<long double>;

// The ten bytes that make an x87 extended value: significand, then sign and exponent.
struct TBits {
    std::uint64_t significand;
    std::uint16_t signExponent;
    friend bool operator==(const TBits&, const TBits&) = default;
};

TBits BitsOf(long double v) {
    TBits bits{};
    std::memcpy(&bits.significand, &v, 8);
    std::memcpy(&bits.signExponent, reinterpret_cast<const char*>(&v) + 8, 2);
    return bits;
}

long double FromBits(std::uint64_t significand, std::uint16_t signExponent) {
    long double v = 0.0L;
    std::memcpy(&v, &significand, 8);
    std::memcpy(reinterpret_cast<char*>(&v) + 8, &signExponent, 2);
    return v;
}

struct AcceptedCase {
    const char* name;
    std::string text;
    long double value;
};

class StrToFloatAccepts : public testing::TestWithParam<AcceptedCase> {};

TEST_P(StrToFloatAccepts, ReadsTheCorrectlyRoundedValue) {
    const long double v = StrToFloat(GetParam().text);
    EXPECT_EQ(BitsOf(v), BitsOf(GetParam().value)) << v;
}

// 1 + 2^-64, exactly halfway between 1 and the next extended value 1 + 2^-63.
const std::string kHalfwayAboveOne =
    "1.0000000000000000000542101086242752217003726400434970855712890625";

INSTANTIATE_TEST_SUITE_P(
    Texts, StrToFloatAccepts,
    testing::Values(
        AcceptedCase{"Integer", "90", 90.0L}, AcceptedCase{"BlanksAround", " \t1.5\t ", 1.5L},
        AcceptedCase{"PlusSign", "+3", 3.0L}, AcceptedCase{"MinusSign", "-2.25", -2.25L},
        AcceptedCase{"NegativeZero", "-0", -0.0L}, AcceptedCase{"NoIntegerDigits", ".5", 0.5L},
        AcceptedCase{"NoFractionDigits", "5.", 5.0L}, AcceptedCase{"DecimalComma", "1,25", 1.25L},
        AcceptedCase{"Exponent", "1e3", 1000.0L},
        AcceptedCase{"UpperExponentWithSign", "2.5E+2", 250.0L},
        AcceptedCase{"NegativeExponent", "25e-2", 0.25L},
        AcceptedCase{"OneTenthIsRoundedInExtended", "0.1", 0.1L},
        AcceptedCase{"DoublePiHalfText", "1.5707963267948966", 1.5707963267948966L},
        AcceptedCase{"HalfwayTiesToEven", kHalfwayAboveOne, 1.0L},
        AcceptedCase{"JustAboveHalfwayRoundsUp", kHalfwayAboveOne + "00000000000000000001",
                     1.0L + 0x1p-63L},
        AcceptedCase{"ThousandsOfLeadingZeros", std::string(5000, '0') + "7", 7.0L},
        AcceptedCase{"DigitsFarBelowTheExponent", "0." + std::string(4000, '0') + "1e4001", 1.0L},
        AcceptedCase{"LargestFinite", "1.18973149535723176502e4932", Limits::max()},
        AcceptedCase{"OverflowIsInfinity", "1.2e4932", Limits::infinity()},
        AcceptedCase{"HugeExponentIsInfinity", "1e99999999999999999999", Limits::infinity()},
        AcceptedCase{"NegativeOverflow", "-1e5000", -Limits::infinity()},
        AcceptedCase{"SmallestNormal", "3.36210314311209350626e-4932", Limits::min()},
        AcceptedCase{"Subnormal", "1e-4940", 1e-4940L},
        AcceptedCase{"SmallestSubnormal", "3.6451995318824746025e-4951", Limits::denorm_min()},
        AcceptedCase{"AboveHalfTheSmallestSubnormal", "1.9e-4951", Limits::denorm_min()},
        AcceptedCase{"BelowHalfTheSmallestSubnormalIsZero", "1.8e-4951", 0.0L},
        AcceptedCase{"HugeNegativeExponentIsZero", "1e-99999999999999999999", 0.0L}),
    [](const auto& info) { return std::string(info.param.name); });

struct RefusedCase {
    const char* name;
    std::string text;
    std::string quoted = text; // how the message quotes it
};

class StrToFloatRefuses : public testing::TestWithParam<RefusedCase> {};

TEST_P(StrToFloatRefuses, RaisesEConvertErrorQuotingTheText) {
    try {
        StrToFloat(GetParam().text);
        FAIL() << "accepted '" << GetParam().text << "'";
    } catch (const EConvertError& e) {
        EXPECT_NE(std::string(e.what()).find("'" + GetParam().quoted + "'"), std::string::npos)
            << e.what();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, StrToFloatRefuses,
    testing::Values(
        RefusedCase{"Empty", ""}, RefusedCase{"BlanksOnly", " \t ", " \\x09 "},
        RefusedCase{"Letters", "abc"}, RefusedCase{"NaNName", "nan"}, RefusedCase{"InfName", "inf"},
        RefusedCase{"InfinityName", "infinity"}, RefusedCase{"Hexadecimal", "0x1p3"},
        RefusedCase{"ExponentWithoutDigits", "1e"}, RefusedCase{"ExponentSignWithoutDigits", "1e+"},
        RefusedCase{"ExponentWithoutMantissa", "e5"}, RefusedCase{"FractionalExponent", "1e5.0"},
        RefusedCase{"PointAlone", "."}, RefusedCase{"CommaAlone", ","},
        RefusedCase{"SignAlone", "-"}, RefusedCase{"TwoPoints", "1.2.3"},
        RefusedCase{"TwoCommas", "1,2,3"}, RefusedCase{"PointAndComma", "1.2,3"},
        RefusedCase{"DigitGroups", "1 000"}, RefusedCase{"DoubleSign", "++1"},
        RefusedCase{"BlankAfterSign", "- 1"}, RefusedCase{"TrailingGarbage", "1.5x"},
        RefusedCase{"ArabicIndicDigit", "\xd9\xa1"}, RefusedCase{"FullwidthDigit", "\xef\xbc\x91"},
        RefusedCase{"NonBreakingSpace", "\xc2\xa0"
                                        "1"},
        RefusedCase{"EmbeddedNul",
                    std::string("1\0"
                                "2",
                                3),
                    "1\\x002"},
        RefusedCase{"TrailingNul", std::string("1\0", 2), "1\\x00"},
        RefusedCase{"Newline", "1\n", "1\\x0A"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(StrToFloatTest, IgnoresTheRoundingModeAndRestoresIt) {
    for (const int mode : {FE_UPWARD, FE_DOWNWARD, FE_TOWARDZERO}) {
        ASSERT_EQ(std::fesetround(mode), 0);
        const long double v = StrToFloat("0.1");
        const int after = std::fegetround();
        std::fesetround(FE_TONEAREST);
        EXPECT_EQ(v, 0.1L) << mode;
        EXPECT_EQ(after, mode);
    }
}

TEST(StrToFloatTest, IgnoresTheProcessLocale) {
    const char* const commaLocales[] = {"sk_SK.UTF-8", "de_DE.UTF-8", "fr_FR.UTF-8"};
    const char* chosen = nullptr;
    for (const char* name : commaLocales) {
        if (std::setlocale(LC_NUMERIC, name) != nullptr) {
            chosen = name;
            break;
        }
    }
    ASSERT_NE(chosen, nullptr) << "no locale with a decimal comma is installed "
                                  "(scripts/test generates sk_SK.UTF-8)";
    const std::string separator = std::localeconv()->decimal_point;
    const long double point = StrToFloat("1.5");
    const long double comma = StrToFloat("1,5");
    const std::string text = FloatToStr(0.25L);
    std::setlocale(LC_NUMERIC, "C");
    EXPECT_EQ(separator, ",") << chosen;
    EXPECT_EQ(point, 1.5L);
    EXPECT_EQ(comma, 1.5L);
    EXPECT_EQ(text, "0.25");
}

TEST(FloatToStrTest, RendersSpecialValues) {
    EXPECT_EQ(FloatToStr(0.0L), "0");
    EXPECT_EQ(FloatToStr(-0.0L), "0");
    EXPECT_EQ(FloatToStr(1.0L), "1");
    EXPECT_EQ(FloatToStr(-2.5L), "-2.5");
    EXPECT_EQ(FloatToStr(Limits::infinity()), "INF");
    EXPECT_EQ(FloatToStr(-Limits::infinity()), "-INF");
    EXPECT_EQ(FloatToStr(Limits::quiet_NaN()), "NAN");
    EXPECT_EQ(FloatToStr(Limits::denorm_min()), "4e-4951");
}

TEST(IntToStrTest, RendersPlainDecimal) {
    EXPECT_EQ(IntToStr(0), "0");
    EXPECT_EQ(IntToStr(53), "53");
    EXPECT_EQ(IntToStr(-7), "-7");
    EXPECT_EQ(IntToStr(INT64_MIN), "-9223372036854775808");
}

__extension__ typedef unsigned __int128 TUint128;

// Splits a rendering into its significant digits and a power of ten: value = digits * 10^exp.
struct TDecimal {
    TUint128 digits = 0;
    int exponent = 0;
};

TDecimal Decompose(const std::string& text) {
    TDecimal d;
    bool fraction = false;
    std::size_t i = text[0] == '-' ? 1 : 0;
    for (; i < text.size() && text[i] != 'e'; ++i) {
        if (text[i] == '.') {
            fraction = true;
            continue;
        }
        d.digits = d.digits * 10 + static_cast<unsigned>(text[i] - '0');
        d.exponent -= fraction ? 1 : 0;
    }
    if (i < text.size()) {
        d.exponent += std::stoi(text.substr(i + 1));
    }
    while (d.digits != 0 && d.digits % 10 == 0) {
        d.digits /= 10;
        ++d.exponent;
    }
    return d;
}

std::string Compose(bool negative, TUint128 digits, int exponent) {
    std::string s;
    do {
        s.insert(s.begin(), static_cast<char>('0' + static_cast<int>(digits % 10)));
        digits /= 10;
    } while (digits != 0);
    return (negative ? "-" : "") + s + "e" + std::to_string(exponent);
}

// Checks that the text reads back to v and that no text with one significant digit less does.
// A plain integer text is exempt: its digits down to the units are needed whatever they are,
// and any shorter significand would need an exponent and so more characters.
void ExpectShortestRoundTrip(long double v) {
    const std::string text = FloatToStr(v);
    ASSERT_EQ(BitsOf(StrToFloat(text)), BitsOf(v)) << text;
    const TDecimal d = Decompose(text);
    if (d.digits < 10 || text.find_first_of(".e") == std::string::npos) {
        return;
    }
    const bool negative = text[0] == '-';
    for (const TUint128 shorter : {d.digits / 10, d.digits / 10 + 1}) {
        const std::string candidate = Compose(negative, shorter, d.exponent + 1);
        EXPECT_NE(BitsOf(StrToFloat(candidate)), BitsOf(v))
            << text << " is not the shortest: " << candidate << " reads back too";
    }
}

// The exact decimal digits of n * 2^e: returns D and X with n * 2^e = D * 10^X.
std::pair<std::string, int> ExactDecimal(TUint128 n, int e) {
    constexpr std::uint32_t kBase = 1000000000;
    std::vector<std::uint32_t> limbs; // little-endian, base 10^9
    for (; n != 0; n /= kBase) {
        limbs.push_back(static_cast<std::uint32_t>(n % kBase));
    }
    const auto multiply = [&](std::uint64_t factor) {
        std::uint64_t carry = 0;
        for (std::uint32_t& limb : limbs) {
            const std::uint64_t product = limb * factor + carry;
            limb = static_cast<std::uint32_t>(product % kBase);
            carry = product / kBase;
        }
        for (; carry != 0; carry /= kBase) {
            limbs.push_back(static_cast<std::uint32_t>(carry % kBase));
        }
    };
    // 2^-k = 5^k * 10^-k; factors of 2^29 and 5^13 keep every product below 2^64.
    for (int k = std::abs(e); k > 0; k -= e >= 0 ? 29 : 13) {
        const int step = std::min(k, e >= 0 ? 29 : 13);
        std::uint64_t factor = 1;
        for (int j = 0; j < step; ++j) {
            factor *= e >= 0 ? 2 : 5;
        }
        multiply(factor);
    }
    std::string digits = std::to_string(limbs.back());
    for (auto limb = limbs.rbegin() + 1; limb != limbs.rend(); ++limb) {
        const std::string part = std::to_string(*limb);
        digits += std::string(9 - part.size(), '0') + part;
    }
    return {digits, e >= 0 ? 0 : e};
}

std::string DecrementDigits(std::string digits) {
    std::size_t i = digits.size();
    while (digits[--i] == '0') {
        digits[i] = '9';
    }
    --digits[i];
    return digits;
}

// Values exactly halfway between two neighbouring extended values, and a hair above and below,
// written out in full: the hardest texts to round. Ties go to the even significand.
TEST(StrToFloatTest, RoundsHalfwayCasesExactly) {
    std::mt19937_64 random(7);
    for (int n = 0; n < 3000; ++n) {
        // Most exponents near 1, where the digits are few; every tenth anywhere in the range,
        // subnormals included.
        const bool anywhere = n % 10 == 0;
        const int field = anywhere ? static_cast<int>(random() % 0x7FFF)
                                   : 16383 + static_cast<int>(random() % 400) - 200;
        const std::uint64_t significand =
            field == 0 ? random() >> 1 : random() | 0x8000000000000000u;
        const long double v = FromBits(significand, static_cast<std::uint16_t>(field));
        const long double next = nextafterl(v, Limits::infinity());
        if (std::isinf(next)) {
            continue;
        }
        const int e = (field == 0 ? 1 : field) - 16383 - 63; // v = significand * 2^e
        const auto [digits, exponent] = ExactDecimal(TUint128(significand) * 2 + 1, e - 1);
        const auto text = [](const std::string& d, int x) { return d + "e" + std::to_string(x); };
        const long double even = (significand & 1) == 0 ? v : next;
        SCOPED_TRACE(text(digits, exponent));
        ASSERT_EQ(BitsOf(StrToFloat(text(digits, exponent))), BitsOf(even));
        ASSERT_EQ(BitsOf(StrToFloat(text(digits + "00001", exponent - 5))), BitsOf(next));
        ASSERT_EQ(BitsOf(StrToFloat(text(DecrementDigits(digits) + "9999", exponent - 4))),
                  BitsOf(v));
    }
}

TEST(FloatToStrTest, RoundTripsShortestOverTheWholeExponentRange) {
    std::mt19937_64 random(20261207);
    for (int n = 0; n < 200000; ++n) {
        const std::uint64_t raw = random();
        const std::uint16_t sign = (random() & 1) != 0 ? 0x8000 : 0;
        // Every eighth value a subnormal (exponent field 0, integer bit clear), the rest normal.
        const bool subnormal = n % 8 == 0;
        const std::uint16_t exponent =
            subnormal ? 0 : static_cast<std::uint16_t>(1 + random() % 0x7FFE);
        const std::uint64_t significand = subnormal ? raw >> 1 : raw | 0x8000000000000000u;
        const long double v = FromBits(significand, static_cast<std::uint16_t>(sign | exponent));
        if (v == 0.0L) {
            continue;
        }
        ExpectShortestRoundTrip(v);
        if (HasFailure()) {
            break;
        }
    }
}

TEST(FloatToStrTest, RoundTripsTheRunsTypicalValues) {
    for (const long double v :
         {0.6072529350088812563L, 0.49999999999999991557L, 5.7953021724656461986e-17L, 0.1L,
          1.0L / 3, Limits::max(), Limits::min(), Limits::denorm_min(), Limits::epsilon()}) {
        ExpectShortestRoundTrip(v);
        ExpectShortestRoundTrip(-v);
    }
}

TEST(FloatToStrTest, ShowsTheDifferenceBetweenCordicAndLibraryAtThirtyDegrees) {
    EXPECT_EQ(FloatToStr(0.49999999999999991557L), "0.49999999999999991557");
    EXPECT_EQ(FloatToStr(0.4999999999999999823L), "0.4999999999999999823");
}

} // namespace
