#include "direction_quiz.h"

#include "conversions.h"

void TDirectionQuiz::SetOn(bool on) {
    on_ = on;
    if (!on) {
        Withdraw();
    }
}

void TDirectionQuiz::Start() {
    Withdraw();
    marks_.assign(kCordicSteps, TGuessMark::None);
    right_ = 0;
    answered_ = 0;
}

void TDirectionQuiz::StepNotified(const TCordicStep& step) {
    if (!on_ || step.i < 0 || step.i >= kCordicSteps) {
        return;
    }
    if (marks_.size() != static_cast<std::size_t>(kCordicSteps)) {
        marks_.assign(kCordicSteps, TGuessMark::None);
    }
    Withdraw();
    open_ = step.i;
    openCounterClockwise_ = step.z >= 0.0L;
    marks_[static_cast<std::size_t>(open_)] = TGuessMark::Open;
}

bool TDirectionQuiz::Answer(int sign) {
    if (!Asking()) {
        return false;
    }
    const bool right = (sign > 0) == openCounterClockwise_;
    marks_[static_cast<std::size_t>(open_)] = right ? TGuessMark::Right : TGuessMark::Wrong;
    right_ += right ? 1 : 0;
    ++answered_;
    open_ = -1;
    return true;
}

void TDirectionQuiz::Withdraw() {
    if (Asking()) {
        marks_[static_cast<std::size_t>(open_)] = TGuessMark::None;
        open_ = -1;
    }
}

TGuessMark TDirectionQuiz::Mark(std::int32_t i) const {
    if (i < 0 || static_cast<std::size_t>(i) >= marks_.size()) {
        return TGuessMark::None;
    }
    return marks_[static_cast<std::size_t>(i)];
}

std::string TDirectionQuiz::ScoreText() const {
    return "Spr\u00e1vne: " + IntToStr(right_) + " z " + IntToStr(answered_);
}

bool TDirectionQuiz::Wait(const std::function<bool()>& waitForEvents) {
    while (Asking()) {
        if (!waitForEvents()) {
            return false;
        }
    }
    return true;
}
