// Guessing the direction of every step: a run followed by an observer whose quiz holds each
// step until the student answers, scripted at the n-th time the held run waits for events.
#include "direction_quiz.h"
#include "recording_observer.h"
#include "recording_window.h"
#include "run.h"

#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

// The 30-degree run's directions, steps 0 .. 53.
constexpr const char* kThirtyDegreeDirections =
    "+-+-++-+--++-+---+----+-+++---+-+---+++-+-+--+-+-+-+--";

struct TGuessingRun {
    TRecordingWindow window;
    TRecordingObserver observer;
    std::vector<std::size_t> stepsWhenWaiting; // trace lines at each wait
    std::vector<TGuessMark> markWhenWaiting;   // the newest step's mark at each wait
    std::function<bool(int wait, TDirectionQuiz& quiz)> act;

    void Run() {
        observer.quiz.SetOn(true);
        int waits = 0;
        observer.waitForEvents = [this, &waits] {
            const auto newest = static_cast<std::int32_t>(window.memo1.size()) - 1;
            stepsWhenWaiting.push_back(window.memo1.size());
            markWhenWaiting.push_back(observer.quiz.Mark(newest));
            return act(++waits, observer.quiz);
        };
        RunComputation(window, &observer);
    }
};

TEST(DirectionQuizTest, HoldsEveryStepUntilItsDirectionIsGuessed) {
    TRecordingWindow plain;
    RunComputation(plain);

    TGuessingRun run;
    // Every other wait is an event of no consequence; the others answer "+".
    run.act = [](int wait, TDirectionQuiz& quiz) {
        if (wait % 2 == 0) {
            EXPECT_EQ(quiz.Answer(+1, quiz.OpenStep()), TGuessOutcome::Counted);
        }
        return true;
    };
    run.Run();

    ASSERT_EQ(run.stepsWhenWaiting.size(), 54u * 2u);
    for (std::size_t wait = 0; wait < run.stepsWhenWaiting.size(); ++wait) {
        EXPECT_EQ(run.stepsWhenWaiting[wait], wait / 2 + 1) << wait;
        EXPECT_EQ(run.markWhenWaiting[wait], TGuessMark::Open) << wait;
    }
    EXPECT_EQ(run.window.log, plain.log) << "guessing changes nothing on the window";
    for (std::int32_t i = 0; i < 54; ++i) {
        EXPECT_EQ(run.observer.quiz.Mark(i),
                  kThirtyDegreeDirections[i] == '+' ? TGuessMark::Right : TGuessMark::Wrong)
            << i;
    }
    EXPECT_EQ(run.observer.quiz.ScoreText(), "Spr\u00e1vne: 24 z 54");
}

TEST(DirectionQuizTest, TurningItOffMidRunLetsTheRunGoOn) {
    TGuessingRun run;
    run.act = [](int wait, TDirectionQuiz& quiz) {
        if (wait < 3) {
            quiz.Answer(-1, quiz.OpenStep()); // step 0 wrong, step 1 right
        } else {
            quiz.SetOn(false); // at step 2's question
        }
        return true;
    };
    run.Run();
    EXPECT_EQ(run.stepsWhenWaiting, (std::vector<std::size_t>{1, 2, 3}));
    EXPECT_EQ(run.window.status, "Hotovo");
    EXPECT_EQ(run.observer.quiz.Mark(0), TGuessMark::Wrong);
    EXPECT_EQ(run.observer.quiz.Mark(1), TGuessMark::Right);
    EXPECT_EQ(run.observer.quiz.Mark(2), TGuessMark::None) << "the open question is dropped";
    EXPECT_EQ(run.observer.quiz.Mark(3), TGuessMark::None);
    EXPECT_EQ(run.observer.quiz.ScoreText(), "Spr\u00e1vne: 1 z 2");
    EXPECT_EQ(run.observer.quiz.Answer(+1, -1), TGuessOutcome::NoQuestion) << "no question is open";
    EXPECT_EQ(run.observer.quiz.AnsweredCount(), 2);
}

TEST(DirectionQuizTest, AnsweredStepOfAPausedRunStaysPaused) {
    TGuessingRun run;
    run.observer.hold.Pause();
    run.act = [](int wait, TDirectionQuiz& quiz) {
        if (wait == 1) {
            quiz.Answer(+1, quiz.OpenStep());
        }
        return wait < 3; // the window closes at the third wait, held by the pause
    };
    run.Run();
    EXPECT_EQ(run.stepsWhenWaiting, (std::vector<std::size_t>{1, 1, 1}));
    EXPECT_EQ(run.markWhenWaiting,
              (std::vector<TGuessMark>{TGuessMark::Open, TGuessMark::Right, TGuessMark::Right}));
    EXPECT_EQ(run.window.status, "Pocitam...");
}

TEST(DirectionQuizTest, ClosingTheWindowWhileAskedEndsTheRunAtOnce) {
    TGuessingRun run;
    run.act = [](int, TDirectionQuiz&) { return false; };
    run.Run();
    EXPECT_EQ(run.window.memo1.size(), 1u);
    EXPECT_EQ(run.observer.log.back(), "Ended");
    EXPECT_EQ(run.observer.quiz.Mark(0), TGuessMark::None);
    EXPECT_EQ(run.observer.quiz.ScoreText(), "Spr\u00e1vne: 0 z 0");
}

TEST(DirectionQuizTest, GuessWhileAnotherStepIsShownOnlyAsksToShowTheQuestion) {
    TGuessingRun run;
    std::vector<std::string> questions;
    run.act = [&](int wait, TDirectionQuiz& quiz) {
        questions.push_back(quiz.QuestionText());
        if (wait == 1) {
            EXPECT_EQ(quiz.Answer(+1, 0), TGuessOutcome::Counted);
        } else if (wait == 2) {
            EXPECT_EQ(quiz.Answer(+1, 0), TGuessOutcome::ShowQuestion) << "step 0 is shown";
            EXPECT_EQ(quiz.Mark(1), TGuessMark::Open);
            EXPECT_EQ(quiz.AnsweredCount(), 1);
        } else {
            EXPECT_EQ(quiz.Answer(+1, 1), TGuessOutcome::Counted);
            quiz.SetOn(false);
        }
        return true;
    };
    run.Run();
    EXPECT_EQ(questions,
              (std::vector<std::string>{
                  "Ak\u00fdm smerom sa oto\u010d\u00ed krok 0? Stla\u010d +\u00a0alebo\u00a0\u2212.",
                  "Ak\u00fdm smerom sa oto\u010d\u00ed krok 1? Stla\u010d +\u00a0alebo\u00a0\u2212.",
                  "Ak\u00fdm smerom sa oto\u010d\u00ed krok 1? Stla\u010d +\u00a0alebo\u00a0\u2212."}));
    EXPECT_EQ(run.observer.quiz.Mark(0), TGuessMark::Right) << "step 0 turns counterclockwise";
    EXPECT_EQ(run.observer.quiz.Mark(1), TGuessMark::Wrong);
    EXPECT_EQ(run.observer.quiz.Mark(2), TGuessMark::None);
    EXPECT_EQ(run.observer.quiz.ScoreText(), "Spr\u00e1vne: 1 z 2") << "step 1 turns clockwise";
}

TEST(DirectionQuizTest, RevealHoldsTheAnsweredStepUntilItEnds) {
    TGuessingRun run;
    run.act = [](int wait, TDirectionQuiz& quiz) {
        if (wait == 1) {
            quiz.Answer(+1, 0);
            quiz.Reveal();
        } else if (wait == 3) {
            quiz.EndReveal();
        } else if (wait == 4) {
            quiz.SetOn(false);
        }
        return true;
    };
    run.Run();
    EXPECT_EQ(run.stepsWhenWaiting, (std::vector<std::size_t>{1, 1, 1, 2}));
    EXPECT_FALSE(run.observer.quiz.Revealing());
}

TEST(DirectionQuizTest, RevealLastsLongerAtASlowerPace) {
    const std::pair<int, int> cases[] = {{-5, 300},      {0, 300},          {50'000, 335},
                                         {500'000, 650}, {1'000'000, 1000}, {2'000'000, 1000}};
    for (const auto& [pace, milliseconds] : cases) {
        EXPECT_EQ(RevealMilliseconds(pace), milliseconds) << pace;
    }
}

TEST(DirectionQuizTest, NextRunStartsWithoutMarksOrScore) {
    TGuessingRun run;
    run.act = [](int, TDirectionQuiz& quiz) {
        return quiz.Answer(+1, quiz.OpenStep()) == TGuessOutcome::Counted;
    };
    run.Run();
    run.observer.quiz.SetOn(false);
    RunComputation(run.window, &run.observer);
    EXPECT_EQ(run.observer.quiz.Mark(0), TGuessMark::None);
    EXPECT_EQ(run.observer.quiz.ScoreText(), "Spr\u00e1vne: 0 z 0");
}

} // namespace
