#pragma once

#include <functional>

// The hold of a run between its steps: what the step view's "Pozastaviť", "Pokračovať" and
// "Ďalší krok" do, so that a teacher can stop on a step and explain it. Free of the toolkit.
//
// The run asks Wait after each step's trace lines, frame and slider pause. Unless the run is
// paused, Wait returns at once and costs nothing. While paused, Wait hands the time to
// `waitForEvents` (which handles window events, blocking until some arrive, and returns false
// once the window has closed) until Resume lets the run go on, or Step lets it take exactly one
// more step, after which it is paused again. A pause asked for between two steps takes effect
// after the current step; Step while the run goes also pauses it after the next step.
class TRunHold {
public:
    // The run stops after its current step.
    void Pause();
    // The run goes on without stopping; steps granted and not yet taken are forgotten.
    void Resume();
    // One more step, then paused again; each call grants one step.
    void Step();
    bool Paused() const { return paused_; }

    // The run's side, after each step. Returns true when the run may take its next step, false
    // when `waitForEvents` reported the window closed while the run was held.
    bool Wait(const std::function<bool()>& waitForEvents);

private:
    bool paused_ = false;
    int stepsGranted_ = 0;
};
