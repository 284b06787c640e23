// Fuzzes the laboratory's run with arbitrary setups: every one must end in a refusal without
// states or in a run of n + 1 well-formed states, never in a fault the sanitizers see.
//
// Input (25 bytes, missing ones read as 0):
//   byte 0    bit 0 the mode (vectoring when set), bits 1-2 the arithmetic, bit 3 the way the
//             numbers below are read, bits 4-5 the system and 6-7 the rounding (3 is no
//             enumerator of either)
//   byte 1    the steps, (b mod 72) - 4: -4 .. 67, a few outside 1 .. 64
//   byte 2    W, (b mod 62) + 5: 5 .. 66
//   byte 3    F, (b mod 70) - 2: -2 .. 67
//   bytes 4-13, 14-23   theta or x0, and y0: bit 3 clear, the x87 extended value as it lies in
//             memory (any encoding, NaNs and unnormals included); bit 3 set, a signed 32-bit
//             integer (bytes 4-7, 14-17) scaled by 2^-(byte 8 or 18 mod 64), values of the
//             size a student types.
//   byte 24   G, ((b + 2) mod 20) - 2: -2 .. 17, 0 where the byte is missing
#include "fuzz_check.h"
#include "lab.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>

namespace {

constexpr std::size_t kInputBytes = 25;
constexpr std::size_t kExtendedBytes = 10;

long double ReadNumber(const std::uint8_t* bytes, bool scaled) {
    if (!scaled) {
        long double v = 0.0L;
        std::memcpy(&v, bytes, kExtendedBytes);
        return v;
    }
    std::int32_t integer = 0;
    std::memcpy(&integer, bytes, sizeof integer);
    return ldexpl(static_cast<long double>(integer), -(bytes[4] % 64));
}

// The value is one of the format's numbers (or a NaN, which every format has).
bool Representable(long double v, TLabArithmetic arithmetic) {
    switch (arithmetic) {
    case TLabArithmetic::Double:
        return std::isnan(v) || static_cast<long double>(static_cast<double>(v)) == v;
    case TLabArithmetic::Single:
        return std::isnan(v) || static_cast<long double>(static_cast<float>(v)) == v;
    default:
        return true;
    }
}

// The internal registers hold W + G bits with F + G fraction bits.
void CheckFixed(const TLabState& s, const TLabSetup& setup) {
    const long double top = ldexpl(1.0L, setup.wordBits + setup.guardBits - 1);
    for (const auto& [raw, value] : {std::pair{s.rawX, s.x}, {s.rawY, s.y}, {s.rawZ, s.z}}) {
        FUZZ_CHECK(raw >= -top && raw <= top - 1);
        FUZZ_CHECK(value ==
                   ldexpl(static_cast<long double>(raw), -(setup.fractionBits + setup.guardBits)));
    }
}

// A result of the output word: W bits with F fraction bits.
bool InOutputWord(long double v, const TLabSetup& setup) {
    const long double r = ldexpl(v, setup.fractionBits);
    const long double top = ldexpl(1.0L, setup.wordBits - 1);
    return r == truncl(r) && r >= -top && r <= top - 1;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::uint8_t in[kInputBytes] = {};
    std::memcpy(in, data, size < kInputBytes ? size : kInputBytes);
    TLabSetup setup;
    setup.mode = (in[0] & 1) != 0 ? TLabMode::Vectoring : TLabMode::Rotation;
    setup.arithmetic = static_cast<TLabArithmetic>((in[0] >> 1) & 3);
    const bool scaled = (in[0] & 8) != 0;
    setup.system = static_cast<TLabSystem>((in[0] >> 4) & 3);
    setup.rounding = static_cast<TLabRounding>(in[0] >> 6);
    setup.guardBits = (in[24] + 2) % 20 - 2;
    setup.steps = in[1] % 72 - 4;
    setup.wordBits = in[2] % 62 + 5;
    setup.fractionBits = in[3] % 70 - 2;
    setup.theta = ReadNumber(in + 4, scaled);
    setup.x0 = setup.theta;
    setup.y0 = ReadNumber(in + 14, scaled);

    const TLabRun run = LabRun(setup);
    if (run.refusal != TLabRefusal::None) {
        FUZZ_CHECK(run.states.empty());
        return 0;
    }
    const bool fixed = setup.arithmetic == TLabArithmetic::Fixed;
    FUZZ_CHECK(setup.steps >= 1 && setup.steps <= 64);
    FUZZ_CHECK(run.states.size() == static_cast<std::size_t>(setup.steps) + 1);
    FUZZ_CHECK(run.unit > 0);
    for (std::size_t k = 0; k < run.states.size(); ++k) {
        const TLabState& s = run.states[k];
        FUZZ_CHECK(s.i == static_cast<std::int32_t>(k));
        if (s.i < setup.steps) {
            FUZZ_CHECK(s.sigma == 1 || s.sigma == -1);
            FUZZ_CHECK(s.shift >= 0 && s.shift <= 63);
        } else {
            FUZZ_CHECK(s.sigma == 0 && s.shift == 0);
        }
        if (fixed) {
            CheckFixed(s, setup);
        } else {
            FUZZ_CHECK(s.rawX == 0 && s.rawY == 0 && s.rawZ == 0);
            FUZZ_CHECK(Representable(s.x, setup.arithmetic) &&
                       Representable(s.y, setup.arithmetic) &&
                       Representable(s.z, setup.arithmetic));
        }
    }
    FUZZ_CHECK(Representable(run.first, setup.arithmetic) &&
               Representable(run.second, setup.arithmetic) &&
               Representable(run.third, setup.arithmetic));
    if (fixed) {
        FUZZ_CHECK(InOutputWord(run.first, setup) && InOutputWord(run.second, setup) &&
                   InOutputWord(run.third, setup));
    }
    const bool exp = setup.system == TLabSystem::Hyperbolic && setup.mode == TLabMode::Rotation;
    FUZZ_CHECK(exp || (run.third == 0 && run.exactThird == 0));
    FUZZ_CHECK(!std::isnan(run.exactFirst) && !std::isnan(run.exactSecond) &&
               !std::isnan(run.exactThird));
    return 0;
}
