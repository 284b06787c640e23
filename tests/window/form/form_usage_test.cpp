// What a user meets in the main window around a run: undo in the trace panels, how trace entries
// wrap, the unit box's frame, the whole text of a result, and where the window opens on a screen
// too small for its design position. (Keys typed during a run are the e2e case_typing.)
#include "angle_input.h"
#include "conversions.h"
#include "form_fixture.h"

#include <QAccessible>
#include <QGroupBox>
#include <QTextBlock>
#include <QTextLayout>
#include <gtest/gtest.h>
#include <set>

namespace {

using TFormUsageTest = FormTest;

TEST_F(TFormUsageTest, ComputedTraceLinesAreNotUndoableButTypingIs) {
    TypeAngle(QStringLiteral("30"));
    SlideTo(Qt::Key_Home);
    ClickStart();
    QPlainTextEdit* memo = Memo("Memo1");
    const QString computed = memo->toPlainText();
    memo->setFocus();
    for (int i = 0; i < 4; ++i) {
        QTest::keyClick(memo, Qt::Key_Z, Qt::ControlModifier);
    }
    EXPECT_EQ(memo->toPlainText(), computed);

    QTest::keyClick(memo, Qt::Key_End, Qt::ControlModifier);
    QTest::keyClicks(memo, QStringLiteral("ab"));
    EXPECT_EQ(memo->toPlainText(), computed + QStringLiteral("ab"));
    QTest::keyClick(memo, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(memo->toPlainText(), computed);
}

// A classic edit control breaks a line without blanks only where the width runs out: an entry
// takes one or two visual lines, and the first holds the index, the colon and digits.
TEST_F(TFormUsageTest, TraceEntriesWrapOnlyWhereTheWidthEnds) {
    ChooseUnit(1);
    TypeAngle(QStringLiteral("-0.7"));
    SlideTo(Qt::Key_Home);
    ClickStart();
    int wrapped = 0;
    for (const char* name : {"Memo1", "Memo2"}) {
        QPlainTextEdit* memo = Memo(name);
        for (QTextBlock block = memo->document()->firstBlock(); block.isValid();
             block = block.next()) {
            (void)memo->document()->documentLayout()->blockBoundingRect(block);
            const QTextLayout* layout = block.layout();
            ASSERT_NE(layout, nullptr);
            const int index = block.text().indexOf(u':');
            EXPECT_LE(layout->lineCount(), 2) << block.text().toStdString();
            EXPECT_GT(layout->lineAt(0).textLength(), index + 1) << block.text().toStdString();
            wrapped += layout->lineCount() == 2;
        }
    }
    EXPECT_GT(wrapped, 0) << "long entries still wrap onto a second line";
}

// Rows of the window, from its top, in which column x is drawn darker than the background
// within the band of the input row's caption line.
std::set<int> DarkRows(const QImage& window, int x, int top, int bottom, QRgb background) {
    std::set<int> rows;
    for (int y = top; y < bottom; ++y) {
        const QRgb pixel = window.pixel(x, y);
        const int darker = qGray(background) - qGray(pixel);
        if (darker > 40) {
            rows.insert(y);
        }
    }
    return rows;
}

TEST_F(TFormUsageTest, UnitBoxFrameStandsLevelWithTheInputsFrame) {
    const QImage window = form_->grab().toImage();
    const QRgb background = form_->palette().color(QPalette::Window).rgb();
    const auto* inputs = Control<QGroupBox>("GroupBox1");
    const int top = inputs->y();
    const int bottom = top + inputs->fontMetrics().height();
    // Left of the angle field's label, and inside the unit box right of its items' texts.
    const std::set<int> inputsFrame = DarkRows(window, 12, top, bottom, background);
    const std::set<int> unitFrame = DarkRows(window, 200 + 76, top, bottom, background);
    ASSERT_FALSE(inputsFrame.empty());
    EXPECT_EQ(unitFrame, inputsFrame);
}

TEST_F(TFormUsageTest, ResultFieldsGiveTheirWholeTextAsTooltipAndToScreenReaders) {
    ChooseUnit(1);
    TypeAngle(QStringLiteral("-1e-300"));
    SlideTo(Qt::Key_Home);
    ClickStart();
    EXPECT_EQ(Field("Sin")->text(), QStringLiteral("-5.7953021724656461986e-17"));
    for (const char* name : {"Cos", "Sin", "Kcos", "Ksin"}) {
        QLineEdit* field = Field(name);
        EXPECT_EQ(field->toolTip(), field->text()) << name;
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(field);
        ASSERT_NE(accessible, nullptr);
        EXPECT_EQ(accessible->text(QAccessible::Value), field->text()) << name;
    }
    EXPECT_GT(Field("Sin")->fontMetrics().horizontalAdvance(Field("Sin")->text()),
              Field("Sin")->width())
        << "the sine of -1e-300 is wider than its field";
}

} // namespace
