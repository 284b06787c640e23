#include "dispatch.h"
#include "exact_values.h"
#include "lab.h"
#include "passes.h"

#include <cmath>

namespace {

// One run of the system S in the mode M and the arithmetic A, every state recorded.
template <TLabSystem S, TLabMode M, class A>
void RunIn(const A& a, const TLabSetup& setup, TLabRun& run) {
    run.unit = a.Unit();
    const std::int32_t n = setup.steps;
    const TLabStart<A> start = LabStartOf<S, M>(a, setup.theta, setup.x0, setup.y0);
    run.refusal = start.refusal;
    if (run.refusal == TLabRefusal::None && !ConstantsFit<S>(a, n)) {
        run.refusal = TLabRefusal::DoesNotFit;
    }
    if (run.refusal != TLabRefusal::None) {
        return;
    }
    run.folded = start.folded;
    const TLabTables& tables = LabTables(S);
    run.states.reserve(static_cast<std::size_t>(n) + 1);
    const auto record = [&](std::int32_t i, std::int32_t sigma, typename A::TReg x,
                            typename A::TReg y, typename A::TReg z, bool wrapped) {
        run.states.push_back({i, sigma, a.Value(x), a.Value(y), a.Value(z), A::Raw(x), A::Raw(y),
                              A::Raw(z), wrapped, i < n ? tables.shift[i] : 0});
    };
    const TLabResults<A> results = Run<S, M>(a, start, n, record);
    TLabExact exact;
    const TLabExactValues expected = Expected<S, M>(exact, a, start);
    run.first = a.OutValue(results.first);
    run.second = a.OutValue(results.second);
    run.exactFirst = expected.first;
    run.exactSecond = expected.second;
    if constexpr (S == TLabSystem::Hyperbolic && M == TLabMode::Rotation) {
        run.third = a.OutValue(results.third);
        run.exactThird = expected.third;
    }
    run.converges = Converges<M>(a, start, expected.first, tables.reach[n - 1]);
}

} // namespace

TLabRun LabRun(const TLabSetup& setup) {
    TLabRun run{};
    if (!LabSetupValid(setup, true)) {
        run.refusal = TLabRefusal::BadSetup;
        return run;
    }
    LabDispatch(setup, {setup.steps, setup.steps}, [&](const auto& a, auto system, auto mode) {
        RunIn<decltype(system)::value, decltype(mode)::value>(a, setup, run);
    });
    return run;
}
