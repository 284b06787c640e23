#pragma once

#include "direction_quiz.h"
#include "run.h"
#include "run_hold.h"

#include <functional>
#include <string>
#include <vector>

// The one stand-in for a view that follows a run (IRunObserver). It writes every notification
// into `log` as one short text: "Started θ", "Step i", "Hold", "Completed x y z" and "Ended"
// (numbers as FloatToStr writes them), and holds the run as the step view does: with its own
// direction quiz, then its own TRunHold, both waiting through `waitForEvents` (by default: the
// window stays open and nothing happens).
class TRecordingObserver : public IRunObserver {
public:
    std::vector<std::string> log;
    TDirectionQuiz quiz;
    TRunHold hold;
    std::function<bool()> waitForEvents = [] { return true; };

    void RunStarted(long double theta) override;
    void StepNotified(const TCordicStep& step) override;
    bool HoldAfterStep() override;
    void RunCompleted(const TCordicResult& result) override;
    void RunEnded() override;
};
