#pragma once

#include "cordic.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// "Hádaj smer": the student guesses the direction of every step before it shows. Free of the
// toolkit.
//
// While the quiz is on, each step the run notifies opens a question: its direction
// (+ counter-clockwise where z >= 0, − otherwise) stays hidden and the run, asking Wait after
// the step, is held until Answer gives a guess. The guess is marked right or wrong and counted,
// the direction shows and the run goes on. Turning the quiz off, or Withdraw (the run ended, the
// view closed), drops an open question unmarked and lets the run go on. Marks and the score
// belong to one run: Start clears them.
//
// Wait works as TRunHold::Wait does: it returns at once unless a question is open, and
// otherwise hands the time to `waitForEvents` (which handles window events, blocking until some
// arrive, and returns false once the window has closed) until the question is answered or
// dropped. A run asks the quiz before its pause hold, so that a paused run shows the answer
// before it stops.
enum class TGuessMark {
    None,  // not asked: the quiz was off, or the question was dropped
    Open,  // asked and not yet answered
    Right, // guessed right
    Wrong, // guessed wrong
};

class TDirectionQuiz {
public:
    void SetOn(bool on);
    bool On() const { return on_; }
    // A new run: no marks, no score.
    void Start();
    // The run notified `step`: opens its question while the quiz is on.
    void StepNotified(const TCordicStep& step);
    // A question waits for its answer.
    bool Asking() const { return open_ >= 0; }
    // The student's guess for the open question: `sign` > 0 for +, otherwise −. Returns false,
    // changing nothing, when no question is open.
    bool Answer(int sign);
    // Drops the open question, if any, unmarked.
    void Withdraw();

    // The mark of step i of the current run.
    TGuessMark Mark(std::int32_t i) const;
    int RightCount() const { return right_; }
    int AnsweredCount() const { return answered_; }
    // The score, UTF-8: "Správne: 7 z 9".
    std::string ScoreText() const;

    // The run's side, after each step: true when the run may go on, false when `waitForEvents`
    // reported the window closed while a question was open.
    bool Wait(const std::function<bool()>& waitForEvents);

private:
    bool on_ = false;
    std::int32_t open_ = -1; // the step whose question is open
    bool openCounterClockwise_ = true;
    std::vector<TGuessMark> marks_; // by step index
    int right_ = 0;
    int answered_ = 0;
};
