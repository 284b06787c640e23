#include "run_hold.h"

void TRunHold::Pause() {
    paused_ = true;
}

void TRunHold::Resume() {
    paused_ = false;
    stepsGranted_ = 0;
}

void TRunHold::Step() {
    paused_ = true;
    ++stepsGranted_;
}

bool TRunHold::Wait(const std::function<bool()>& waitForEvents) {
    while (paused_ && stepsGranted_ == 0) {
        if (!waitForEvents()) {
            return false;
        }
    }
    if (paused_) {
        --stepsGranted_;
    }
    return true;
}
