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
// the step, is held until Answer gives a guess. A guess answers what the student sees: given
// while another step is shown, it only asks to show the question's step, and counts nothing.
// Counted, the guess is kept beside its mark, right or wrong, and the direction shows; the owner
// may then hold the run a moment longer (Reveal, until EndReveal), so that the answered step's
// turn is seen before the next question hides the next one. Turning the quiz off, or Withdraw
// (the run ended, the view closed), drops an open question unmarked, ends a reveal and lets the
// run go on. Marks, guesses and the score belong to one run: Start clears them.
//
// Wait works as TRunHold::Wait does: it returns at once unless a question is open or a reveal
// lasts, and otherwise hands the time to `waitForEvents` (which handles window events, blocking
// until some arrive, and returns false once the window has closed) until the question is
// answered or dropped and the reveal has ended. A run asks the quiz before its pause hold, so
// that a paused run shows the answer before it stops.
enum class TGuessMark {
    None,  // not asked: the quiz was off, or the question was dropped
    Open,  // asked and not yet answered
    Right, // guessed right
    Wrong, // guessed wrong
};

enum class TGuessOutcome {
    NoQuestion,   // no question is open: nothing changes
    ShowQuestion, // another step is shown: show the question's step first; nothing is counted
    Counted,      // marked and counted
};

// How long the answered step's turn stays before the run goes on: 0.3 s at the fastest pace
// (slider position 0) growing to 1 s at the slowest (1,000,000), in milliseconds.
int RevealMilliseconds(int pacePosition);

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
    // The step whose question is open; -1 when none is.
    std::int32_t OpenStep() const { return open_; }
    // The student's guess, `sign` > 0 for + and otherwise −, given while step `shownStep` is
    // shown (a step's index; -1 for none, or the result).
    TGuessOutcome Answer(int sign, std::int32_t shownStep);
    // Drops the open question, if any, unmarked, and ends a reveal.
    void Withdraw();
    // Holds the run, as an open question does, until EndReveal.
    void Reveal();
    void EndReveal();
    bool Revealing() const { return revealing_; }

    // The mark of step i of the current run.
    TGuessMark Mark(std::int32_t i) const;
    int RightCount() const { return right_; }
    int AnsweredCount() const { return answered_; }
    // The score, UTF-8: "Správne: 7 z 9".
    std::string ScoreText() const;
    // What the student is asked, UTF-8: "Akým smerom sa otočí krok 5? Stlač + alebo −." while a
    // question is open, else empty. "+ alebo −." is joined by no-break spaces, so a narrow line
    // never leaves the "−." alone.
    std::string QuestionText() const;

    // The run's side, after each step: true when the run may go on, false when `waitForEvents`
    // reported the window closed while a question was open or a reveal lasted.
    bool Wait(const std::function<bool()>& waitForEvents);

private:
    bool on_ = false;
    std::int32_t open_ = -1; // the step whose question is open
    bool openCounterClockwise_ = true;
    bool revealing_ = false;
    std::vector<TGuessMark> marks_; // by step index
    int right_ = 0;
    int answered_ = 0;
};
