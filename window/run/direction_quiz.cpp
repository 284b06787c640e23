#include "direction_quiz.h"

#include "conversions.h"

#include <algorithm>

namespace {

constexpr int kFastestRevealMs = 300;
constexpr int kSlowestRevealMs = 1000;
constexpr long long kSlowestPace = 1'000'000;

} // namespace

int RevealMilliseconds(int pacePosition) {
    const long long pace = std::clamp<long long>(pacePosition, 0, kSlowestPace);
    return kFastestRevealMs +
           static_cast<int>((kSlowestRevealMs - kFastestRevealMs) * pace / kSlowestPace);
}

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

TGuessOutcome TDirectionQuiz::Answer(int sign, std::int32_t shownStep) {
    if (!Asking()) {
        return TGuessOutcome::NoQuestion;
    }
    if (shownStep != open_) {
        return TGuessOutcome::ShowQuestion;
    }
    const bool right = (sign > 0) == openCounterClockwise_;
    marks_[static_cast<std::size_t>(open_)] = right ? TGuessMark::Right : TGuessMark::Wrong;
    right_ += right ? 1 : 0;
    ++answered_;
    open_ = -1;
    return TGuessOutcome::Counted;
}

void TDirectionQuiz::Withdraw() {
    if (Asking()) {
        marks_[static_cast<std::size_t>(open_)] = TGuessMark::None;
        open_ = -1;
    }
    revealing_ = false;
}

void TDirectionQuiz::Reveal() {
    revealing_ = true;
}

void TDirectionQuiz::EndReveal() {
    revealing_ = false;
}

TGuessMark TDirectionQuiz::Mark(std::int32_t i) const {
    if (i < 0 || static_cast<std::size_t>(i) >= marks_.size()) {
        return TGuessMark::None;
    }
    return marks_[static_cast<std::size_t>(i)];
}

std::string TDirectionQuiz::QuestionText() const {
    if (!Asking()) {
        return {};
    }
    return "Ak\u00fdm smerom sa oto\u010d\u00ed krok " + IntToStr(open_) +
           "? Stla\u010d +\u00a0alebo\u00a0\u2212.";
}

std::string TDirectionQuiz::ScoreText() const {
    return "Spr\u00e1vne: " + IntToStr(right_) + " z " + IntToStr(answered_);
}

bool TDirectionQuiz::Wait(const std::function<bool()>& waitForEvents) {
    while (Asking() || revealing_) {
        if (!waitForEvents()) {
            return false;
        }
    }
    return true;
}
