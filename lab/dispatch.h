#pragma once

// LabDispatch: the one place a setup's system, mode and arithmetic turn into the types the
// passes are written over.

#include "constants.h"
#include "fixed_format.h"
#include "float_format.h"
#include "lab.h"

#include <type_traits>

template <TLabSystem S> using TLabSystemTag = std::integral_constant<TLabSystem, S>;
template <TLabMode M> using TLabModeTag = std::integral_constant<TLabMode, M>;

// visit(a, TLabSystemTag<S>{}, TLabModeTag<M>{}) with the setup's arithmetic a, prepared for
// the step counts `counts`; the setup is valid (LabSetupValid). Every call returns the same type.
template <TLabSystem S, TLabMode M, class Visit>
decltype(auto) LabDispatchArithmetic(const TLabSetup& setup, TLabStepCounts counts, Visit&& visit) {
    const TLabTables& tables = LabTables(S);
    const TLabSystemTag<S> system;
    const TLabModeTag<M> mode;
    switch (setup.arithmetic) {
    case TLabArithmetic::Extended:
        return visit(TFloatArithmetic<long double>(tables, counts), system, mode);
    case TLabArithmetic::Double:
        return visit(TFloatArithmetic<double>(tables, counts), system, mode);
    case TLabArithmetic::Single:
        return visit(TFloatArithmetic<float>(tables, counts), system, mode);
    case TLabArithmetic::Fixed:
    default:
        break;
    }
    if (setup.wordBits + setup.guardBits < 64) {
        return visit(TFixedArithmetic<std::int64_t>(tables, counts, setup.wordBits,
                                                    setup.fractionBits, setup.guardBits,
                                                    setup.rounding),
                     system, mode);
    }
    return visit(TFixedArithmetic<TWide>(tables, counts, setup.wordBits, setup.fractionBits,
                                         setup.guardBits, setup.rounding),
                 system, mode);
}

template <TLabSystem S, class Visit>
decltype(auto) LabDispatchMode(const TLabSetup& setup, TLabStepCounts counts, Visit&& visit) {
    if (setup.mode == TLabMode::Rotation) {
        return LabDispatchArithmetic<S, TLabMode::Rotation>(setup, counts, visit);
    }
    return LabDispatchArithmetic<S, TLabMode::Vectoring>(setup, counts, visit);
}

template <class Visit>
decltype(auto) LabDispatch(const TLabSetup& setup, TLabStepCounts counts, Visit&& visit) {
    switch (setup.system) {
    case TLabSystem::Linear:
        return LabDispatchMode<TLabSystem::Linear>(setup, counts, visit);
    case TLabSystem::Hyperbolic:
        return LabDispatchMode<TLabSystem::Hyperbolic>(setup, counts, visit);
    case TLabSystem::Circular:
    default:
        return LabDispatchMode<TLabSystem::Circular>(setup, counts, visit);
    }
}
