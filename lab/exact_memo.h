#pragma once

#include "exact_values.h"
#include "lab.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

// The sweep's inputs: k = 0 .. 1000, both ends of the interval included.
inline constexpr std::int32_t kLabSweepIntervals = 1000;
inline constexpr std::size_t kLabSweepInputs = kLabSweepIntervals + 1;

// The exact values of a sweep's inputs depend only on the inputs as the format holds them, which
// a word's width, its rounding and its guard bits do not change (inputs are held at F fraction
// bits). Each thread keeps the values of the last few input sets it swept, each value beside the
// inputs it was computed for, so that a sweep of the same inputs -- the window's comparison curve
// without rounding, a change of W at the same F -- measures without MPFR; an input held
// differently is computed afresh.
class TExactMemo {
public:
    // The memo of the calling thread.
    static TExactMemo& OfThisThread();

    struct TEntry {
        bool known = false;
        long double theta = 0, x0 = 0, y0 = 0; // the inputs as held
        TLabExactValues values;
    };
    using TTable = std::vector<TEntry>;

    // Forgets every table (a benchmark's cold start).
    void Clear() { tables_.clear(); }

    // The table of the inputs of `setup`'s sweep, kLabSweepInputs entries by k.
    TTable& Table(const TLabSetup& setup) {
        const TKey key = KeyOf(setup);
        const auto found = std::find_if(tables_.begin(), tables_.end(),
                                        [&](const TKeyed& keyed) { return keyed.key == key; });
        if (found != tables_.end()) {
            std::rotate(tables_.begin(), found, found + 1); // the newest first
        } else {
            if (tables_.size() == kTables) {
                tables_.pop_back();
            }
            tables_.insert(tables_.begin(), TKeyed{key, TTable(kLabSweepInputs)});
        }
        return tables_.front().table;
    }

private:
    static constexpr std::size_t kTables = 8;

    struct TKey {
        TLabSystem system;
        TLabMode mode;
        TLabArithmetic arithmetic;
        std::int32_t fractionBits; // fixed point only
        long double x0, y0;        // linear only: the sweep's point or multiplicand
        bool operator==(const TKey&) const = default;
    };
    struct TKeyed {
        TKey key;
        TTable table;
    };

    static TKey KeyOf(const TLabSetup& setup) {
        const bool fixed = setup.arithmetic == TLabArithmetic::Fixed;
        const bool linear = setup.system == TLabSystem::Linear;
        return {setup.system,
                setup.mode,
                setup.arithmetic,
                fixed ? setup.fractionBits : 0,
                linear ? setup.x0 : 0.0L,
                linear ? setup.y0 : 0.0L};
    }

    std::vector<TKeyed> tables_;
};
