#include "exact_values.h"
#include "fixed_format.h"
#include "float_format.h"
#include "lab.h"
#include "passes.h"

#include <cmath>

namespace {

// One run in the arithmetic A, every state recorded.
template <class A> void RunIn(const A& a, const TLabSetup& setup, TLabRun& run) {
    run.unit = a.Unit();
    const auto record = [&](std::int32_t i, std::int32_t sigma, typename A::TReg x,
                            typename A::TReg y, typename A::TReg z, bool wrapped) {
        run.states.push_back({i, sigma, a.Value(x), a.Value(y), a.Value(z), A::Raw(x), A::Raw(y),
                              A::Raw(z), wrapped});
    };
    TLabExact exact;
    TLabExactPair expected{};
    TPair<A> result;
    if (setup.mode == TLabMode::Rotation) {
        const TRotationStart<A> start = StartRotation(a, setup.theta);
        run.refusal = start.refusal;
        if (run.refusal != TLabRefusal::None) {
            return;
        }
        run.folded = start.folded;
        run.states.reserve(static_cast<std::size_t>(setup.steps) + 1);
        result = Rotate(a, start, setup.steps, record);
        expected = exact.CosSin(a.Value(start.theta));
    } else {
        const TVectoringStart<A> start = StartVectoring(a, setup.x0, setup.y0);
        run.refusal = start.refusal;
        if (run.refusal != TLabRefusal::None) {
            return;
        }
        run.folded = start.folded;
        run.states.reserve(static_cast<std::size_t>(setup.steps) + 1);
        result = Vector(a, start, setup.steps, record);
        expected = exact.AngleLength(a.Value(start.x0), a.Value(start.y0));
    }
    run.first = a.Value(result.first);
    run.second = a.Value(result.second);
    run.exactFirst = expected.first;
    run.exactSecond = expected.second;
}

} // namespace

TLabRun LabRun(const TLabSetup& setup) {
    TLabRun run{};
    if (!LabSetupValid(setup, true)) {
        run.refusal = TLabRefusal::BadSetup;
        return run;
    }
    switch (setup.arithmetic) {
    case TLabArithmetic::Extended:
        RunIn(TFloatArithmetic<long double>(), setup, run);
        break;
    case TLabArithmetic::Double:
        RunIn(TFloatArithmetic<double>(), setup, run);
        break;
    case TLabArithmetic::Single:
        RunIn(TFloatArithmetic<float>(), setup, run);
        break;
    case TLabArithmetic::Fixed:
        RunIn(TFixedArithmetic(setup.wordBits, setup.fractionBits), setup, run);
        break;
    default:
        run.refusal = TLabRefusal::BadSetup; // an enumerator no version of this program has
        break;
    }
    return run;
}
