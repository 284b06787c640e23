#include "application.h"
#include "form1.h"
#include "guard.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QSlider>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>
#include <memory>
#include <stdexcept>

namespace {

// Every test runs on an application object of its own.
class ApplicationTest : public testing::Test {
protected:
    void SetUp() override {
        application_ = std::make_unique<TApplication>(argc_, argv_);
        Application->Initialize();
        Application->SetErrorDisplay([this](const QString& message) { errors_.append(message); });
    }
    void TearDown() override { application_.reset(); }

    int argc_ = 1;
    char name_[12] = "cordic-test";
    char* argv_[2] = {name_, nullptr};
    std::unique_ptr<TApplication> application_;
    QStringList errors_;
};

TEST_F(ApplicationTest, IsTheGlobalApplicationWhileItLives) {
    EXPECT_EQ(Application, application_.get());
    EXPECT_EQ(QCoreApplication::applicationName(), QStringLiteral("cordic-demo"));
    EXPECT_FALSE(QApplication::windowIcon().isNull());
    application_.reset();
    EXPECT_EQ(Application, nullptr);
}

// The toolkit's own texts, in the fields' context menus, are Slovak whatever the system's
// language.
TEST_F(ApplicationTest, ToolkitTextsAreSlovak) {
    struct TText {
        const char* context;
        const char* english;
        const char* slovak;
    };
    const TText texts[] = {
        {"QLineEdit", "&Undo", "&Späť"},
        {"QLineEdit", "&Copy", "&Kopírovať"},
        {"QLineEdit", "Select All", "Vybrať všetko"},
    };
    for (const TText& text : texts) {
        EXPECT_EQ(QCoreApplication::translate(text.context, text.english).toStdString(),
                  text.slovak);
    }
}

TEST_F(ApplicationTest, FirstCreatedFormIsTheMainFormAndLivesWithTheApplication) {
    QWidget* first = nullptr;
    QWidget* second = nullptr;
    Application->CreateForm(first);
    Application->CreateForm(second);
    ASSERT_NE(first, nullptr);
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(Application->MainForm(), first);

    QPointer<QWidget> watchFirst(first);
    QPointer<QWidget> watchSecond(second);
    application_.reset();
    EXPECT_TRUE(watchFirst.isNull());
    EXPECT_TRUE(watchSecond.isNull());
}

struct TFailingForm : QWidget {
    TFailingForm() { throw std::runtime_error("okno sa nepodarilo vytvoriť"); }
};

TEST_F(ApplicationTest, FailedCreationLeavesTheReferenceAndPropagates) {
    TFailingForm* form = nullptr;
    try {
        Application->CreateForm(form);
        FAIL() << "no exception";
    } catch (const std::runtime_error& error) {
        Application->ShowException(error);
    }
    EXPECT_EQ(form, nullptr);
    EXPECT_EQ(Application->MainForm(), nullptr);
    // ShowException shows at once: the entry calls it outside the event loop.
    EXPECT_EQ(errors_, QStringList{QStringLiteral("okno sa nepodarilo vytvoriť")});
}

TEST_F(ApplicationTest, RunShowsTheMainFormAndEndsWhenItIsClosed) {
    QWidget* form = nullptr;
    Application->CreateForm(form);
    bool shown = false;
    QTimer::singleShot(0, form, [&] {
        shown = form->isVisible();
        form->close();
    });
    EXPECT_EQ(Application->Run(), 0);
    EXPECT_TRUE(shown);
}

TEST_F(ApplicationTest, GuardedFailuresAreShownAfterTheHandlerInOrder) {
    bool handlerDone = false;
    QStringList seenWhenHandlerDone;
    QTimer::singleShot(0, Application, [&] {
        Guarded([] { throw std::runtime_error("prvá"); });
        Guarded([] { throw 42; });
        seenWhenHandlerDone = errors_;
        handlerDone = true;
    });
    QTest::qWait(0);
    QTest::qWait(0);
    EXPECT_TRUE(handlerDone);
    EXPECT_TRUE(seenWhenHandlerDone.isEmpty());
    EXPECT_EQ(errors_, (QStringList{QStringLiteral("prvá"), QStringLiteral("Neznáma chyba")}));
}

// A failing paint fails again at every repaint under the message box showing it.
TEST_F(ApplicationTest, TheSameFailureWhileItIsShownIsShownOnce) {
    Application->SetErrorDisplay([this](const QString& message) {
        errors_.append(message);
        ReportFailure("kreslenie zlyhalo");
        QTest::qWait(0);
    });
    ReportFailure("kreslenie zlyhalo");
    QTest::qWait(0);
    QTest::qWait(0);
    EXPECT_EQ(errors_, QStringList{QStringLiteral("kreslenie zlyhalo")});
}

// A main window whose plot fails: the start button's handler fails and the window reports it.
class TFailingPlotForm : public TForm1 {
public:
    void DrawStepFrame(long double, long double, long double, int, int) override {
        throw std::runtime_error("kreslenie zlyhalo");
    }
};

TEST_F(ApplicationTest, FailedHandlerOfACreatedFormIsShownAfterTheHandler) {
    TFailingPlotForm* form = nullptr;
    Application->CreateForm(form);
    form->findChild<QSlider*>("Tb")->setValue(0);
    form->findChild<QLineEdit*>("Input")->setText(QStringLiteral("10"));
    form->findChild<QPushButton*>("Button1")->click();
    EXPECT_TRUE(errors_.isEmpty()) << "shown inside the failing handler";
    QTest::qWait(0);
    EXPECT_EQ(errors_, QStringList{QStringLiteral("kreslenie zlyhalo")});
}

// An object whose event handler lets an exception escape, as a handler without its own guard
// would.
class TThrowingObject : public QObject {
public:
    bool event(QEvent* event) override {
        if (event->type() == QEvent::User) {
            throw std::runtime_error("neošetrená udalosť");
        }
        return QObject::event(event);
    }
};

TEST_F(ApplicationTest, NotifyCatchesWhatEscapesAHandlerAndTheLoopGoesOn) {
    TThrowingObject object;
    QEvent event(QEvent::User);
    EXPECT_FALSE(QCoreApplication::sendEvent(&object, &event));
    EXPECT_TRUE(errors_.isEmpty());

    bool loopWentOn = false;
    QTimer::singleShot(0, Application, [&] { loopWentOn = true; });
    QTest::qWait(0);
    EXPECT_EQ(errors_, QStringList{QStringLiteral("neošetrená udalosť")});
    EXPECT_TRUE(loopWentOn);
}

TEST_F(ApplicationTest, FailingErrorDisplayDoesNotEndTheLoop) {
    Application->SetErrorDisplay([](const QString&) { throw std::runtime_error("display"); });
    ReportFailure("chyba");
    bool loopWentOn = false;
    QTimer::singleShot(0, Application, [&] { loopWentOn = true; });
    QTest::qWait(0);
    EXPECT_TRUE(loopWentOn);
}

// The program's own lifetime: the main window closed during a paced run ends the run at its
// next pump and the event loop with it; the window is destroyed only with the application.
TEST_F(ApplicationTest, ClosingTheMainWindowDuringAPacedRunEndsTheLoop) {
    TForm1* form = nullptr;
    Application->CreateForm(form);
    ASSERT_EQ(Application->MainForm(), form);
    auto* memo = form->findChild<QPlainTextEdit*>("Memo1");
    QPointer<TForm1> watch(form);
    bool aliveAfterClose = false;

    QTimer::singleShot(0, form, [&] {
        form->findChild<QLineEdit*>("Input")->setText(QStringLiteral("45"));
        form->findChild<QSlider*>("Tb")->setValue(1'000'000);
        QTest::mouseClick(form->findChild<QPushButton*>("Button1"), Qt::LeftButton);
        aliveAfterClose = !watch.isNull();
    });
    QTimer::singleShot(100, form, [&] { form->close(); });

    EXPECT_EQ(Application->Run(), 0);
    EXPECT_TRUE(aliveAfterClose);
    ASSERT_FALSE(watch.isNull());
    EXPECT_GT(memo->blockCount(), 0);
    EXPECT_LT(memo->blockCount(), 54);
    application_.reset();
    EXPECT_TRUE(watch.isNull());
}

} // namespace
