#include "shown_step.h"

void TShownStep::Reset() {
    count_ = 0;
    picked_ = -1;
}

void TShownStep::SetRowCount(int count) {
    count_ = count;
    if (picked_ >= count_) {
        picked_ = -1;
    }
}

void TShownStep::Show(int index) {
    picked_ = index < 0 || index >= count_ - 1 ? -1 : index;
}

void TShownStep::Pick(int index) {
    picked_ = index < 0 || index >= count_ ? -1 : index;
}

void TShownStep::Previous() {
    if (Shown() > 0) {
        Show(Shown() - 1);
    }
}

void TShownStep::First() {
    if (count_ > 0) {
        Show(0);
    }
}

void TShownStep::Newest() {
    picked_ = -1;
}

bool TShownStep::Next() {
    if (Shown() < count_ - 1) {
        Show(Shown() + 1);
        return true;
    }
    picked_ = -1;
    return false;
}

int TShownStep::Shown() const {
    return picked_ < 0 ? count_ - 1 : picked_;
}
