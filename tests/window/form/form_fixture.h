#pragma once

// The main window as the window tests open it, and the user's ways of setting up a run.
#include "failure_channel.h"
#include "form1.h"
#include "image.h"
#include "radio_group.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>
#include <string_view>

// How long into a paced run the scripted user acts: long enough for the run to be pumping.
inline constexpr int kActDuringRunMs = 50;

inline QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Every window the tests open: shown on the offscreen screen, with the messages of failed
// handlers recorded as a queued connection delivers them.
class FormTest : public testing::Test {
protected:
    template <class TForm = TForm1> void Open() {
        form_ = std::make_unique<TForm>();
        QObject::connect(
            &TFailureChannel::Instance(), &TFailureChannel::Failed, form_.get(),
            [this](const QString& message) { errors_.append(message); }, Qt::QueuedConnection);
        form_->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form_.get()));
    }

    void SetUp() override { Open(); }

    template <class TControl = QWidget> TControl* Control(const char* name) const {
        auto* control = form_->findChild<TControl*>(QString::fromLatin1(name));
        EXPECT_NE(control, nullptr) << name;
        return control;
    }

    QLineEdit* Field(const char* name) const { return Control<QLineEdit>(name); }
    QPlainTextEdit* Memo(const char* name) const { return Control<QPlainTextEdit>(name); }
    QPushButton* Button1() const { return Control<QPushButton>("Button1"); }
    QSlider* Tb() const { return Control<QSlider>("Tb"); }
    TRadioGroup* Typ() const { return Control<TRadioGroup>("Typ"); }
    TImage* Img() const { return Control<TImage>("Img"); }

    // The user's way of setting up a run: the angle typed into the emptied field, the unit
    // clicked, the slider moved to one end with its keys.
    void TypeAngle(const QString& text) {
        QLineEdit* input = Field("Input");
        input->setFocus();
        QTest::keyClick(input, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(input, Qt::Key_Delete);
        QTest::keyClicks(input, text);
    }
    void ChooseUnit(int index) { QTest::mouseClick(Typ()->Button(index), Qt::LeftButton); }
    void SlideTo(Qt::Key end) { QTest::keyClick(Tb(), end); }
    void ClickStart() { QTest::mouseClick(Button1(), Qt::LeftButton); }

    std::unique_ptr<TForm1> form_;
    QStringList errors_;
};

inline QStringList Lines(QPlainTextEdit* memo) {
    return memo->toPlainText().split(u'\n');
}
