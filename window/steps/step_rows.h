#pragma once

#include "cordic.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// The rows of the step table: what the rotation does at every step of one run, in extended
// precision, for the step view. Free of the toolkit.
//
// A run fills the rows in order: Start(theta), then AddStep for steps 0 .. 53 as the rotation
// notifies them (the state before the step's update), then AddResult with the final state. A
// run that ends early (the window closed, an exception) leaves the rows it reached.

// One row: a step's state before its update, or the result after the last update.
struct TStepRow {
    bool isResult = false;   // the last row of a completed run
    std::int32_t i = 0;      // the step index; kCordicSteps in the result row
    long double atan = 0.0L; // atanl(2^-i), the step's rotation angle; 0 in the result row
    long double z = 0.0L;    // the residual angle; the step turns counter-clockwise when z >= 0
    long double x = 0.0L;    // the cosine accumulator
    long double y = 0.0L;    // the sine accumulator
    long double errorX = 0.0L; // |x - cosl(theta)|
    long double errorY = 0.0L; // |y - sinl(theta)|
};

class TStepRows {
public:
    // A new run to theta: removes the rows and computes the run's final pair up front, so that
    // the settled digits of every row are known while the run is still going.
    void Start(long double theta);
    // Appends the row of one notified step.
    void AddStep(const TCordicStep& step);
    // Appends the result row.
    void AddResult(const TCordicResult& result);

    long double Theta() const { return theta_; }
    long double Cos() const { return cos_; } // cosl(theta)
    long double Sin() const { return sin_; } // sinl(theta)
    // The run's final CORDIC pair, known from Start on.
    long double FinalX() const { return final_.x; }
    long double FinalY() const { return final_.y; }

    std::size_t Count() const { return rows_.size(); }
    const TStepRow& Row(std::size_t index) const { return rows_[index]; }
    const std::vector<TStepRow>& Rows() const { return rows_; }

private:
    // A row of the accumulators (x, y) and the residual z, with their distances to cos and sin.
    TStepRow RowOf(long double x, long double y, long double z) const;

    long double theta_ = 0.0L;
    long double cos_ = 1.0L;
    long double sin_ = 0.0L;
    TCordicResult final_{};
    std::vector<TStepRow> rows_;
};
