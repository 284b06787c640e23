// A run followed by an observer (the step view's way to learn of it) and held between steps by
// the step view's pause and single step.
#include "recording_observer.h"
#include "recording_window.h"
#include "run.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

using Log = std::vector<std::string>;

TEST(RunObserverTest, LearnsOfAValidRunInOrderAndChangesNothingOnTheWindow) {
    TRecordingWindow plain;
    RunComputation(plain);

    TRecordingWindow window;
    TRecordingObserver observer;
    RunComputation(window, &observer);

    EXPECT_EQ(window.log, plain.log);
    ASSERT_EQ(observer.log.size(), 1u + 54u * 2u + 2u);
    EXPECT_EQ(observer.log[0], "Started 0.52359877559829885263");
    EXPECT_EQ(observer.log[1], "Step 0");
    EXPECT_EQ(observer.log[2], "Hold");
    EXPECT_EQ(observer.log[107], "Step 53");
    EXPECT_EQ(observer.log[109],
              "Completed 0.8660254037844386957 0.49999999999999991557 7.696975608601395261e-17");
    EXPECT_EQ(observer.log[110], "Ended");
}

TEST(RunObserverTest, HearsNothingOfARefusedRun) {
    TRecordingWindow window;
    window.input = "91";
    TRecordingObserver observer;
    RunComputation(window, &observer);
    EXPECT_TRUE(observer.log.empty());
}

TEST(RunObserverTest, HearsTheEndOfARunThatFailedOrWhoseWindowClosed) {
    TRecordingWindow failing;
    failing.onRecord = [](const std::string& entry) {
        if (entry.rfind("Memo1+3:", 0) == 0) {
            throw std::runtime_error("zlyhanie");
        }
    };
    TRecordingObserver observer;
    EXPECT_THROW(RunComputation(failing, &observer), std::runtime_error);
    EXPECT_EQ(observer.log.back(), "Ended");

    TRecordingWindow closing;
    closing.tb = 1;
    closing.onPump = [](int pump) { return pump < 2; };
    TRecordingObserver second;
    RunComputation(closing, &second);
    EXPECT_EQ(second.log, (Log{"Started 0.52359877559829885263", "Step 0", "Hold", "Step 1",
                               "Ended"}));
}

// A teacher's script: pauses before the run, then presses "Ďalší krok" or "Pokračovať" at the
// n-th time the held run waits for events, or closes the window there.
struct TScriptedHold {
    TRecordingWindow window;
    TRecordingObserver observer;
    std::vector<std::size_t> stepsWhenWaiting; // trace lines at each wait
    std::function<bool(int wait, TRunHold& hold)> act;

    void Run() {
        window.recordLog = false;
        observer.hold.Pause();
        int waits = 0;
        observer.waitForEvents = [this, &waits] {
            stepsWhenWaiting.push_back(window.memo1.size());
            return act(++waits, observer.hold);
        };
        RunComputation(window, &observer);
    }
};

TEST(RunHoldTest, PausedRunTakesExactlyOneStepPerStepAndNoneWhileWaiting) {
    TScriptedHold script;
    // Every third wait is a press of "Ďalší krok"; the others are events of no consequence.
    script.act = [](int wait, TRunHold& hold) {
        if (wait % 3 == 0) {
            hold.Step();
        }
        return true;
    };
    script.Run();
    // Held after step 0; each step granted lets exactly one more through.
    ASSERT_EQ(script.stepsWhenWaiting.size(), 54u * 3u);
    for (std::size_t wait = 0; wait < script.stepsWhenWaiting.size(); ++wait) {
        EXPECT_EQ(script.stepsWhenWaiting[wait], wait / 3 + 1) << wait;
    }
    EXPECT_EQ(script.window.status, "Hotovo");
    EXPECT_TRUE(script.window.button1Enabled);
}

TEST(RunHoldTest, ContinueLetsThePausedRunFinishWithoutWaitingAgain) {
    TScriptedHold script;
    script.act = [](int wait, TRunHold& hold) {
        if (wait == 1) {
            hold.Step(); // to step 1, held again
        } else if (wait == 2) {
            hold.Resume();
        }
        return true;
    };
    script.Run();
    EXPECT_EQ(script.stepsWhenWaiting, (std::vector<std::size_t>{1, 2}));
    EXPECT_EQ(script.window.memo1.size(), 54u);
    EXPECT_EQ(script.window.status, "Hotovo");
}

TEST(RunHoldTest, ClosingTheWindowDuringAPauseEndsTheRunAtOnce) {
    TScriptedHold script;
    script.act = [](int wait, TRunHold& hold) {
        if (wait == 1) {
            hold.Step();
            return true;
        }
        return false; // the window closed during the second wait
    };
    script.Run();
    EXPECT_EQ(script.stepsWhenWaiting, (std::vector<std::size_t>{1, 2}));
    EXPECT_EQ(script.window.memo1.size(), 2u);
    EXPECT_EQ(script.window.status, "Pocitam...");
    EXPECT_FALSE(script.window.button1Enabled) << "nothing is written to a closed window";
    EXPECT_EQ(script.observer.log.back(), "Ended");
}

TEST(RunHoldTest, StepDuringAnUnpausedRunPausesItAfterTheNextStep) {
    TRunHold hold;
    int waits = 0;
    const auto wait = [&waits] { return ++waits < 100; };
    EXPECT_TRUE(hold.Wait(wait));
    EXPECT_EQ(waits, 0) << "an unpaused run never waits";
    hold.Step();
    EXPECT_TRUE(hold.Wait(wait)) << "the granted step";
    EXPECT_EQ(waits, 0);
    EXPECT_FALSE(hold.Wait(wait)) << "held until the window closes";
    EXPECT_EQ(waits, 100);
}

} // namespace
