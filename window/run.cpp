#include "run.h"

#include "angle_input.h"
#include "conversions.h"
#include "cordic.h"

#include <cmath>

namespace {

// Thrown from the step notification when the window has been closed during a pause.
struct TWindowClosed {};

std::string TraceLine(std::int32_t i, long double value) {
    return IntToStr(i) + ":" + FloatToStr(value);
}

// Tells the observer, if any, that the run has ended, however it leaves the scope.
class TRunEndNotice {
public:
    explicit TRunEndNotice(IRunObserver* observer) : observer_(observer) {}
    TRunEndNotice(const TRunEndNotice&) = delete;
    TRunEndNotice& operator=(const TRunEndNotice&) = delete;
    ~TRunEndNotice() {
        if (observer_ != nullptr) {
            observer_->RunEnded();
        }
    }

private:
    IRunObserver* observer_;
};

void ComputeOnWindow(IRunWindow& window, long double theta, IRunObserver* observer) {
    window.SetCosText(kTextComputing);
    window.SetSinText(kTextComputing);
    window.SetKcosText(kTextComputing);
    window.SetKsinText(kTextComputing);
    window.SetStatusText(kTextComputing);
    window.ClearMemo1();
    window.ClearMemo2();
    const int cx = window.ImgWidth() / 2;
    const int cy = window.ImgHeight() / 2;

    if (observer != nullptr) {
        observer->RunStarted(theta);
    }
    const TRunEndNotice endNotice(observer);
    const auto [x, y, z] = CordicRotate(theta, [&](const TCordicStep& step) {
        window.AppendMemo1(TraceLine(step.i, step.x));
        window.AppendMemo2(TraceLine(step.i, step.y));
        window.DrawStepFrame(theta, step.x, step.y, cx, cy);
        if (observer != nullptr) {
            observer->StepNotified(step);
        }
        // The pause: the slider is read again before every pump, so moving it acts at once.
        for (int j = 0; window.TbPosition() > j; ++j) {
            if (!window.ProcessMessages()) {
                throw TWindowClosed{};
            }
        }
        if (observer != nullptr && !observer->HoldAfterStep()) {
            throw TWindowClosed{};
        }
    });

    window.SetCosText(FloatToStr(x));
    window.SetSinText(FloatToStr(y));
    window.SetKcosText(FloatToStr(cosl(theta)));
    window.SetKsinText(FloatToStr(sinl(theta)));
    window.SetStatusText(kTextDone);
    if (observer != nullptr) {
        observer->RunCompleted({x, y, z});
    }
}

} // namespace

void RunComputation(IRunWindow& window, IRunObserver* observer) {
    window.SetButton1Enabled(false);
    try {
        const std::string text = window.InputText();
        const TAngleOutcome outcome = ParseAngle(text, window.TypItemIndex());
        switch (outcome.kind) {
        case TAngleOutcome::NotANumber:
            window.SetStatusText(kTextNotANumber);
            break;
        case TAngleOutcome::OutOfRange:
            window.SetStatusText(kTextOutOfRange);
            break;
        case TAngleOutcome::Ok:
            ComputeOnWindow(window, outcome.theta, observer);
            break;
        }
    } catch (const TWindowClosed&) {
        return; // the window is gone: write nothing more
    } catch (...) {
        window.SetButton1Enabled(true);
        throw;
    }
    window.SetButton1Enabled(true);
}
