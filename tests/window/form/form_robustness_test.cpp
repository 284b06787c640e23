// Bad input from the field through the main window: what a user may paste into the angle field
// (a megabyte of text, a NUL character, text that is not valid Unicode, an angle that overflows
// in the degree conversion). Each run ends in one of its three exits with the start button
// enabled, nothing reaches the error display, and the window goes on working.
#include "angle_input.h"
#include "form1.h"
#include "form_fixture.h"
#include "radio_group.h"

#include <QClipboard>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>
#include <ostream>

namespace {

constexpr qsizetype kMegabyte = qsizetype{1} << 20;
constexpr int kSteps = 54;

struct PasteCase {
    const char* name;
    QString text;
    int unit;
    std::string_view exit; // the status the run ends with

    friend void PrintTo(const PasteCase& c, std::ostream* os) { *os << c.name; }
};

class PasteTest : public FormTest, public testing::WithParamInterface<PasteCase> {
protected:
    void SetUp() override {
        FormTest::SetUp();
        Tb()->setValue(0);
    }

    // The user's paste: the field emptied, the clipboard's text inserted with Ctrl+V.
    void Paste(const QString& text) {
        QLineEdit* input = Field("Input");
        input->setFocus();
        QTest::keyClick(input, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(input, Qt::Key_Delete);
        QGuiApplication::clipboard()->setText(text);
        QTest::keyClick(input, Qt::Key_V, Qt::ControlModifier);
    }

    void Start(int unit) {
        ChooseUnit(unit);
        ClickStart();
    }
};

TEST_P(PasteTest, RunEndsInOneOfItsExitsAndTheWindowGoesOnWorking) {
    Paste(GetParam().text);
    // The field keeps the whole paste: a cut-off text could read as another number.
    EXPECT_EQ(Control<QLineEdit>("Input")->text().size(), GetParam().text.size());
    Start(GetParam().unit);
    EXPECT_EQ(form_->StatusText(), FromUtf8(GetParam().exit));
    EXPECT_TRUE(Control<QPushButton>("Button1")->isEnabled());
    QTest::qWait(0);
    EXPECT_TRUE(errors_.isEmpty()) << errors_.join(u'\n').toStdString();

    // The window still answers: a typed angle runs to the end.
    Paste(QStringLiteral("30"));
    Start(kUnitDegrees);
    EXPECT_EQ(form_->StatusText(), FromUtf8(kTextDone));
    EXPECT_EQ(Control<QPlainTextEdit>("Memo1")->blockCount(), kSteps);
    EXPECT_TRUE(Control<QPushButton>("Button1")->isEnabled());
}

QString Repeated(char16_t c, qsizetype n) {
    return QString(n, QChar(c));
}

INSTANTIATE_TEST_SUITE_P(
    Texts, PasteTest,
    testing::Values(
        PasteCase{"MegabyteOfDigits", Repeated(u'7', kMegabyte), kUnitDegrees, kTextOutOfRange},
        PasteCase{"MegabyteOfLetters", Repeated(u'x', kMegabyte), kUnitRadians, kTextNotANumber},
        PasteCase{"MegabyteLongFraction", "0." + Repeated(u'0', kMegabyte) + "1", kUnitDegrees,
                  kTextDone},
        PasteCase{"NulInsideAnAngle", QStringLiteral("3") + QChar(0) + QStringLiteral("0"),
                  kUnitDegrees, kTextNotANumber},
        PasteCase{"LoneSurrogateBeforeAnAngle", QChar(0xD800) + QStringLiteral("30"), kUnitDegrees,
                  kTextNotANumber},
        PasteCase{"NoBreakSpaceBeforeAnAngle", QChar(0x00A0) + QStringLiteral("30"), kUnitDegrees,
                  kTextNotANumber},
        PasteCase{"LargestExtendedInDegrees", QStringLiteral("1.18973149535723176502e4932"),
                  kUnitDegrees, kTextOutOfRange},
        PasteCase{"BeyondTheExtendedRangeInDegrees", QStringLiteral("-1e99999"), kUnitDegrees,
                  kTextOutOfRange}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
