// Fuzzes the rendering of extended values: StrToFloat(FloatToStr(v)) must give back every finite
// extended value bit for bit (negative zero renders as "0" and so comes back as +0), the text
// must be accepted by StrToFloat, and neither may depend on the current rounding mode.
//
// Input: 10 bytes, the x87 extended value as it lies in memory (little-endian significand with
// its explicit integer bit, then sign and 15-bit exponent), and an optional 11th byte choosing
// the rounding mode in force during the conversions.
#include "conversions.h"
#include "fuzz_check.h"

#include <cfenv>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <iterator>
#include <string>

namespace {

constexpr std::size_t kExtendedBytes = 10;
constexpr std::uint64_t kIntegerBit = std::uint64_t{1} << 63;
constexpr unsigned kExponentMask = 0x7FFF;
constexpr int kRoundingModes[] = {FE_TONEAREST, FE_DOWNWARD, FE_UPWARD, FE_TOWARDZERO};

bool SameBits(long double a, long double b) {
    return std::memcmp(&a, &b, kExtendedBytes) == 0;
}

// True for the encodings the x87 defines as numbers: zeros and denormals (exponent 0, integer
// bit clear) and normals (exponent 1..0x7FFE, integer bit set). The other encodings --
// pseudo-denormals (exponent 0 with the integer bit set), unnormals (non-zero exponent with the
// integer bit clear), pseudo-infinities and pseudo-NaNs -- cannot come out of any arithmetic:
// since the 80387 the hardware refuses unnormals and pseudo-infinities as invalid operands and
// silently reinterprets pseudo-denormals, so no text can be expected to reproduce them.
bool IsCanonicalFinite(std::uint64_t significand, unsigned exponent) {
    const bool integerBit = (significand & kIntegerBit) != 0;
    if (exponent == 0) {
        return !integerBit;
    }
    return exponent != kExponentMask && integerBit;
}

// Restores the caller's rounding mode when it leaves scope.
class TRoundingMode {
public:
    explicit TRoundingMode(int mode) : saved_(std::fegetround()) { std::fesetround(mode); }
    ~TRoundingMode() { std::fesetround(saved_); }
    TRoundingMode(const TRoundingMode&) = delete;
    TRoundingMode& operator=(const TRoundingMode&) = delete;

private:
    int saved_;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < kExtendedBytes) {
        return 0;
    }
    std::uint64_t significand = 0;
    std::memcpy(&significand, data, sizeof significand);
    const unsigned signAndExponent = data[8] | (data[9] << 8);
    const unsigned exponent = signAndExponent & kExponentMask;

    long double value = 0.0L;
    std::memcpy(&value, data, kExtendedBytes);
    const int mode = size > kExtendedBytes
                         ? kRoundingModes[data[kExtendedBytes] % std::size(kRoundingModes)]
                         : FE_TONEAREST;
    const TRoundingMode rounding(mode);

    if (exponent == kExponentMask && (significand & kIntegerBit) != 0) {
        // Infinities and NaNs have fixed renderings.
        const std::string text = FloatToStr(value);
        if (std::isnan(value)) {
            FUZZ_CHECK(text == "NAN");
        } else {
            FUZZ_CHECK(text == (value < 0 ? "-INF" : "INF"));
        }
        return 0;
    }
    if (!IsCanonicalFinite(significand, exponent)) {
        return 0;
    }
    FUZZ_CHECK(std::isfinite(value));

    const std::string text = FloatToStr(value);
    FUZZ_CHECK(!text.empty() && text.size() < 64);
    long double back = 0.0L;
    try {
        back = StrToFloat(text);
    } catch (const EConvertError&) {
        FUZZ_CHECK(!"FloatToStr produced a text StrToFloat refuses");
    }
    const long double expected = value == 0.0L ? 0.0L : value;
    if (!SameBits(back, expected)) {
        std::fprintf(stderr, "rendered %s, read back %La, expected %La\n", text.c_str(), back,
                     expected);
    }
    FUZZ_CHECK(SameBits(back, expected));
    return 0;
}
