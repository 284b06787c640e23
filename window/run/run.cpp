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

// Stands in when nobody follows the run: it holds nothing and hears nothing.
class TNoObserver final : public IRunObserver {
public:
    void RunStarted(long double) override {}
    void StepNotified(const TCordicStep&) override {}
    bool HoldAfterStep() override { return true; }
    void RunCompleted(const TCordicResult&) override {}
    void RunEnded() override {}
};

// Tells the observer that the run has ended, however it leaves the scope.
class TRunEndNotice {
public:
    explicit TRunEndNotice(IRunObserver& observer) : observer_(observer) {}
    TRunEndNotice(const TRunEndNotice&) = delete;
    TRunEndNotice& operator=(const TRunEndNotice&) = delete;
    ~TRunEndNotice() { observer_.RunEnded(); }

private:
    IRunObserver& observer_;
};

void ComputeOnWindow(IRunWindow& window, long double theta, IRunObserver& observer) {
    window.SetCosText(kTextComputing);
    window.SetSinText(kTextComputing);
    window.SetKcosText(kTextComputing);
    window.SetKsinText(kTextComputing);
    window.SetStatusText(kTextComputing);
    window.ClearMemo1();
    window.ClearMemo2();
    const int cx = window.ImgWidth() / 2;
    const int cy = window.ImgHeight() / 2;

    observer.RunStarted(theta);
    const TRunEndNotice endNotice(observer);
    const auto [x, y, z] = CordicRotate(theta, [&](const TCordicStep& step) {
        window.AppendMemo1(TraceLine(step.i, step.x));
        window.AppendMemo2(TraceLine(step.i, step.y));
        window.DrawStepFrame(theta, step.x, step.y, cx, cy);
        observer.StepNotified(step);
        // The pause: the slider is read again before every pump, so moving it acts at once.
        for (int j = 0; window.TbPosition() > j; ++j) {
            if (!window.ProcessMessages()) {
                throw TWindowClosed{};
            }
        }
        if (!observer.HoldAfterStep()) {
            throw TWindowClosed{};
        }
    });

    window.SetCosText(FloatToStr(x));
    window.SetSinText(FloatToStr(y));
    window.SetKcosText(FloatToStr(cosl(theta)));
    window.SetKsinText(FloatToStr(sinl(theta)));
    window.SetStatusText(kTextDone);
    observer.RunCompleted({x, y, z});
}

} // namespace

void RunComputation(IRunWindow& window, IRunObserver* observer) {
    TNoObserver nobody;
    IRunObserver& follower = observer != nullptr ? *observer : nobody;
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
            ComputeOnWindow(window, outcome.theta, follower);
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
