#include "recording_observer.h"

#include "conversions.h"

void TRecordingObserver::RunStarted(long double theta) {
    log.push_back("Started " + FloatToStr(theta));
    quiz.Start();
}

void TRecordingObserver::StepNotified(const TCordicStep& step) {
    log.push_back("Step " + IntToStr(step.i));
    quiz.StepNotified(step);
}

bool TRecordingObserver::HoldAfterStep() {
    log.emplace_back("Hold");
    return quiz.Wait(waitForEvents) && hold.Wait(waitForEvents);
}

void TRecordingObserver::RunCompleted(const TCordicResult& result) {
    log.push_back("Completed " + FloatToStr(result.x) + " " + FloatToStr(result.y) + " " +
                  FloatToStr(result.z));
}

void TRecordingObserver::RunEnded() {
    log.emplace_back("Ended");
    quiz.Withdraw();
}
