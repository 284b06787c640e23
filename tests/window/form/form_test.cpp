#include "angle_input.h"
#include "canvas.h"
#include "conversions.h"
#include "cordic.h"
#include "form1.h"
#include "form_fixture.h"
#include "image.h"
#include "plot.h"
#include "radio_group.h"

#include <QAccessible>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QSlider>
#include <QStatusBar>
#include <QTest>
#include <QTimer>
#include <cmath>
#include <gtest/gtest.h>
#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

// The plot after a complete run of `theta`: the frame of the last step on a cleared plot.
QImage ExpectedFinalPlot(long double theta, QSize size) {
    QImage image(size, QImage::Format_RGB32);
    TCanvas canvas(image);
    ClearPlot(canvas, size.width(), size.height());
    TCordicStep last{};
    CordicRotate(theta, [&](const TCordicStep& step) { last = step; });
    DrawStepFrame(canvas, theta, last.x, last.y, size.width() / 2, size.height() / 2);
    return image;
}

TEST_F(FormTest, StartsEmptyWithTheDesignValues) {
    for (const char* name : {"Input", "Cos", "Sin", "Kcos", "Ksin"}) {
        EXPECT_TRUE(Field(name)->text().isEmpty()) << name;
    }
    EXPECT_TRUE(Memo("Memo1")->toPlainText().isEmpty());
    EXPECT_TRUE(Memo("Memo2")->toPlainText().isEmpty());
    EXPECT_TRUE(form_->StatusText().isEmpty());

    EXPECT_EQ(Typ()->ItemIndex(), 0);
    EXPECT_EQ(Typ()->Items(), (QStringList{QStringLiteral("stupeň"), QStringLiteral("radián")}));
    EXPECT_TRUE(Typ()->Button(0)->isChecked());

    EXPECT_EQ(Tb()->orientation(), Qt::Horizontal);
    EXPECT_EQ(Tb()->minimum(), 0);
    EXPECT_EQ(Tb()->maximum(), 1'000'000);
    EXPECT_EQ(Tb()->value(), 50'000);
    EXPECT_EQ(Tb()->tickInterval(), 100'000);
    EXPECT_EQ(Tb()->tickPosition(), QSlider::TicksBelow);

    const QImage& plot = Img()->Picture();
    ASSERT_EQ(plot.size(), QSize(200, 200));
    const QRgb background = ColorToRgb(clBtnFace);
    int foreign = 0;
    for (int y = 0; y < plot.height(); ++y) {
        for (int x = 0; x < plot.width(); ++x) {
            foreign += qRgb(qRed(plot.pixel(x, y)), qGreen(plot.pixel(x, y)),
                            qBlue(plot.pixel(x, y))) != background;
        }
    }
    EXPECT_EQ(foreign, 0);
    EXPECT_EQ(form_->palette().color(QPalette::Window).rgb(), background);

    EXPECT_TRUE(Button1()->isEnabled());
    EXPECT_TRUE(Button1()->isDefault());
    EXPECT_EQ(form_->windowTitle(), QStringLiteral("Ukážka algoritmu CORDIC"));
    EXPECT_EQ(form_->size(), QSize(555, 515));
    EXPECT_EQ(form_->focusWidget(), Field("Input"));
}

// One control of the layout: its class, parent, place in the parent and in the window's client
// area, visible text and the name a screen reader gives it.
struct TControlCase {
    const char* name;
    const char* className;
    const char* parent;
    QRect geometry;
    QPoint client;
    const char* text;
    const char* accessibleName;
};

void PrintTo(const TControlCase& control, std::ostream* out) {
    *out << control.name;
}

class ControlTest : public FormTest, public testing::WithParamInterface<TControlCase> {};

QString VisibleText(TForm1& form, QWidget* control) {
    if (auto* field = qobject_cast<QLineEdit*>(control)) {
        return field->text();
    }
    if (auto* label = qobject_cast<QLabel*>(control)) {
        return label->text();
    }
    if (auto* button = qobject_cast<QAbstractButton*>(control)) {
        return button->text();
    }
    if (auto* group = qobject_cast<QGroupBox*>(control)) {
        return group->title();
    }
    if (auto* memo = qobject_cast<QPlainTextEdit*>(control)) {
        return memo->toPlainText();
    }
    if (qobject_cast<QStatusBar*>(control) != nullptr) {
        return form.StatusText();
    }
    return {};
}

TEST_P(ControlTest, StandsAtItsDesignPlaceWithItsTextAndName) {
    const TControlCase& expected = GetParam();
    QWidget* control = Control(expected.name);
    ASSERT_NE(control, nullptr);
    EXPECT_STREQ(control->metaObject()->className(), expected.className);
    EXPECT_EQ(control->parentWidget()->objectName(), QString::fromLatin1(expected.parent));
    EXPECT_EQ(control->geometry(), expected.geometry);
    EXPECT_EQ(control->mapTo(form_.get(), QPoint(0, 0)), expected.client);
    EXPECT_EQ(VisibleText(*form_, control), QString::fromUtf8(expected.text));
    EXPECT_TRUE(control->isVisible());

    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(control);
    ASSERT_NE(accessible, nullptr);
    EXPECT_EQ(accessible->text(QAccessible::Name), QString::fromUtf8(expected.accessibleName));
}

const std::string kScale = "rychlo" + std::string(24, ' ') + "pomaly";

INSTANTIATE_TEST_SUITE_P(
    Layout, ControlTest,
    testing::Values(
        TControlCase{"GroupBox3",
                     "QGroupBox",
                     "TForm1",
                     {8, 344, 537, 137},
                     {8, 344},
                     "Výsledky",
                     "Výsledky"},
        TControlCase{"StaticText1",
                     "QLabel",
                     "GroupBox3",
                     {16, 40, 56, 17},
                     {24, 384},
                     "Sinus uhla:",
                     "Sinus uhla:"},
        TControlCase{"StaticText2",
                     "QLabel",
                     "GroupBox3",
                     {16, 80, 68, 17},
                     {24, 424},
                     "Kosínus uhla:",
                     "Kosínus uhla:"},
        TControlCase{"GroupBox4",
                     "QGroupBox",
                     "GroupBox3",
                     {96, 16, 200, 105},
                     {104, 360},
                     "CORDIC algortimus",
                     "CORDIC algortimus"},
        TControlCase{"GroupBox5",
                     "QGroupBox",
                     "GroupBox3",
                     {304, 16, 200, 105},
                     {312, 360},
                     "Algoritmus v C++",
                     "Algoritmus v C++"},
        TControlCase{"Ksin",
                     "QLineEdit",
                     "GroupBox3",
                     {328, 40, 150, 21},
                     {336, 384},
                     "",
                     "Sinus uhla – C++"},
        TControlCase{"Kcos",
                     "QLineEdit",
                     "GroupBox3",
                     {328, 80, 150, 21},
                     {336, 424},
                     "",
                     "Kosínus uhla – C++"},
        TControlCase{"GroupBox2",
                     "QGroupBox",
                     "TForm1",
                     {8, 72, 537, 257},
                     {8, 72},
                     "Priebeh výpočtu",
                     "Priebeh výpočtu"},
        TControlCase{
            "Img", "TImage", "GroupBox2", {8, 24, 200, 200}, {16, 96}, "", "Priebeh výpočtu"},
        TControlCase{
            "GroupBox1", "QGroupBox", "TForm1", {8, 8, 537, 57}, {8, 8}, "Vstupy", "Vstupy"},
        TControlCase{"Label1", "QLabel", "GroupBox1", {16, 24, 25, 13}, {24, 32}, "Uhol:", "Uhol:"},
        TControlCase{"Typ", "TRadioGroup", "GroupBox1", {192, 0, 81, 57}, {200, 8}, "", "Jednotka"},
        TControlCase{"Tb", "QSlider", "GroupBox1", {376, 8, 150, 25}, {384, 16}, "", "Rýchlosť"},
        TControlCase{"StaticText3",
                     "QLabel",
                     "GroupBox1",
                     {384, 32, 137, 17},
                     {392, 40},
                     kScale.c_str(),
                     kScale.c_str()},
        TControlCase{"Input", "QLineEdit", "TForm1", {56, 32, 121, 21}, {56, 32}, "", "Uhol"},
        TControlCase{
            "Button1", "QPushButton", "TForm1", {296, 22, 65, 35}, {296, 22}, "Spustiť", "Spustiť"},
        TControlCase{"Sb", "QStatusBar", "TForm1", {0, 496, 555, 19}, {0, 496}, "", "Stav"},
        TControlCase{
            "Memo1", "QPlainTextEdit", "TForm1", {224, 96, 153, 201}, {224, 96}, "", "Priebeh x"},
        TControlCase{"Cos",
                     "QLineEdit",
                     "TForm1",
                     {120, 424, 150, 21},
                     {120, 424},
                     "",
                     "Kosínus uhla – CORDIC"},
        TControlCase{"Sin",
                     "QLineEdit",
                     "TForm1",
                     {120, 384, 150, 21},
                     {120, 384},
                     "",
                     "Sinus uhla – CORDIC"},
        TControlCase{
            "Memo2", "QPlainTextEdit", "TForm1", {384, 96, 153, 201}, {384, 96}, "", "Priebeh y"}),
    [](const testing::TestParamInfo<TControlCase>& info) { return std::string(info.param.name); });

TEST_F(FormTest, UnitButtonsAreNamedByTheirTexts) {
    for (int i = 0; i < 2; ++i) {
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(Typ()->Button(i));
        ASSERT_NE(accessible, nullptr);
        EXPECT_EQ(accessible->text(QAccessible::Name), Typ()->Items()[i]);
        EXPECT_TRUE(Typ()->Button(i)->geometry().bottom() < Typ()->height()) << i;
    }
}

TEST_F(FormTest, EveryLabelTextFitsItsLabel) {
    for (QLabel* label : form_->findChildren<QLabel*>()) {
        const qreal width = QFontMetricsF(label->font()).horizontalAdvance(label->text());
        EXPECT_LE(width, label->contentsRect().width()) << label->objectName().toStdString();
    }
    QPushButton* button = Button1();
    EXPECT_LE(button->fontMetrics().horizontalAdvance(button->text()), button->width() - 8);
    for (QGroupBox* group : form_->findChildren<QGroupBox*>()) {
        EXPECT_LE(group->fontMetrics().horizontalAdvance(group->title()), group->width() - 16)
            << group->objectName().toStdString();
    }
}

TEST_F(FormTest, TabVisitsTheControlsInDesignOrder) {
    const std::vector<QWidget*> expected{Field("Input"), Button1(),     Memo("Memo1"),
                                         Field("Cos"),   Field("Sin"),  Typ()->Button(0),
                                         Tb(),           Field("Ksin"), Field("Kcos"),
                                         Memo("Memo2"),  Field("Input")};
    Field("Input")->setFocus();
    std::vector<QWidget*> visited{QApplication::focusWidget()};
    for (std::size_t i = 1; i < expected.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited.push_back(QApplication::focusWidget());
    }
    EXPECT_EQ(visited, expected);
}

TEST_F(FormTest, StatusBarFollowsTheBottomEdge) {
    form_->resize(700, 600);
    QTest::qWait(0);
    EXPECT_EQ(Control("Sb")->geometry(), QRect(0, 581, 700, 19));
    EXPECT_EQ(Control("Memo2")->geometry(), QRect(384, 96, 153, 201));
}

// What a completed run of the angle leaves in the window.
void ExpectCompletedRun(TForm1& form, long double theta) {
    auto* memo1 = form.findChild<QPlainTextEdit*>("Memo1");
    auto* memo2 = form.findChild<QPlainTextEdit*>("Memo2");
    std::vector<TCordicStep> steps;
    const TCordicResult result =
        CordicRotate(theta, [&](const TCordicStep& step) { steps.push_back(step); });
    QStringList xs;
    QStringList ys;
    for (const TCordicStep& step : steps) {
        xs.append(FromUtf8(IntToStr(step.i) + ":" + FloatToStr(step.x)));
        ys.append(FromUtf8(IntToStr(step.i) + ":" + FloatToStr(step.y)));
    }
    EXPECT_EQ(Lines(memo1), xs);
    EXPECT_EQ(Lines(memo2), ys);
    EXPECT_EQ(form.findChild<QLineEdit*>("Cos")->text(), FromUtf8(FloatToStr(result.x)));
    EXPECT_EQ(form.findChild<QLineEdit*>("Sin")->text(), FromUtf8(FloatToStr(result.y)));
    EXPECT_EQ(form.findChild<QLineEdit*>("Kcos")->text(), FromUtf8(FloatToStr(cosl(theta))));
    EXPECT_EQ(form.findChild<QLineEdit*>("Ksin")->text(), FromUtf8(FloatToStr(sinl(theta))));
    EXPECT_EQ(form.StatusText(), FromUtf8(kTextDone));
    EXPECT_TRUE(form.findChild<QPushButton*>("Button1")->isEnabled());
    const TImage* img = form.findChild<TImage*>("Img");
    EXPECT_EQ(img->Picture().convertToFormat(QImage::Format_RGB32),
              ExpectedFinalPlot(theta, img->size()));
}

TEST_F(FormTest, RunFromTypedAngleAndClickFillsTheWindow) {
    TypeAngle(QStringLiteral("30"));
    SlideTo(Qt::Key_Home);
    ASSERT_EQ(Tb()->value(), 0);
    ClickStart();

    ExpectCompletedRun(*form_, ParseAngle("30", kUnitDegrees).theta);
    // The trace panels show their newest lines.
    for (const char* name : {"Memo1", "Memo2"}) {
        QScrollBar* bar = Memo(name)->verticalScrollBar();
        EXPECT_GT(bar->maximum(), 0) << name;
        EXPECT_EQ(bar->value(), bar->maximum()) << name;
    }
    // The button had the focus when clicked and has it back.
    EXPECT_EQ(form_->focusWidget(), Button1());
    EXPECT_TRUE(errors_.isEmpty());
}

TEST_F(FormTest, EnterInTheAngleFieldStartsARun) {
    ChooseUnit(1);
    SlideTo(Qt::Key_Home);
    TypeAngle(QStringLiteral("-0.75"));
    QTest::keyClick(Field("Input"), Qt::Key_Return);
    ExpectCompletedRun(*form_, ParseAngle("-0.75", kUnitRadians).theta);
    EXPECT_EQ(form_->focusWidget(), Field("Input"));

    ChooseUnit(0);
    TypeAngle(QStringLiteral("12"));
    QTest::keyClick(Field("Input"), Qt::Key_Enter, Qt::KeypadModifier);
    ExpectCompletedRun(*form_, ParseAngle("12", kUnitDegrees).theta);
}

TEST_F(FormTest, ChangingTheInputsStartsNothing) {
    TypeAngle(QStringLiteral("45"));
    ChooseUnit(1);
    SlideTo(Qt::Key_End);
    EXPECT_TRUE(form_->StatusText().isEmpty());
    EXPECT_TRUE(Memo("Memo1")->toPlainText().isEmpty());
}

// A refused angle writes its message to the status bar and leaves everything else as it was.
struct TRefusalCase {
    const char* name;
    const char* text;
    int unit;
    std::string_view status;
};

// GoogleTest names the case instead of dumping its bytes, padding included.
void PrintTo(const TRefusalCase& c, std::ostream* os) {
    *os << c.name;
}

class RefusalTest : public FormTest, public testing::WithParamInterface<TRefusalCase> {};

TEST_P(RefusalTest, ChangesOnlyTheStatusBar) {
    TypeAngle(QStringLiteral("30"));
    SlideTo(Qt::Key_Home);
    ClickStart();
    const QStringList fields{Field("Cos")->text(), Field("Sin")->text(), Field("Kcos")->text(),
                             Field("Ksin")->text()};
    const QString memo1 = Memo("Memo1")->toPlainText();
    const QString memo2 = Memo("Memo2")->toPlainText();
    const QImage plot = Img()->Picture().copy();

    TypeAngle(QString::fromUtf8(GetParam().text));
    ChooseUnit(GetParam().unit);
    ClickStart();

    EXPECT_EQ(form_->StatusText(), FromUtf8(GetParam().status));
    EXPECT_EQ((QStringList{Field("Cos")->text(), Field("Sin")->text(), Field("Kcos")->text(),
                           Field("Ksin")->text()}),
              fields);
    EXPECT_EQ(Memo("Memo1")->toPlainText(), memo1);
    EXPECT_EQ(Memo("Memo2")->toPlainText(), memo2);
    EXPECT_EQ(Img()->Picture(), plot);
    EXPECT_TRUE(Button1()->isEnabled());
    EXPECT_TRUE(errors_.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Refused, RefusalTest,
    testing::Values(TRefusalCase{"NotANumber", "tridsat", 0, kTextNotANumber},
                    TRefusalCase{"Empty", "", 0, kTextNotANumber},
                    TRefusalCase{"DegreesBeyondTheRight", "90.001", 0, kTextOutOfRange},
                    TRefusalCase{"RadiansBeyondTheRight", "-1.6", 1, kTextOutOfRange}),
    [](const testing::TestParamInfo<TRefusalCase>& info) { return std::string(info.param.name); });

TEST_F(FormTest, ClickAndEnterDuringAPacedRunStartNothing) {
    TypeAngle(QStringLiteral("60"));
    SlideTo(Qt::Key_End);
    QSignalSpy clicks(Button1(), &QPushButton::clicked);
    bool enabledDuringRun = true;
    int linesWhenActing = -1;
    QTimer::singleShot(kActDuringRunMs, form_.get(), [&] {
        enabledDuringRun = Button1()->isEnabled();
        linesWhenActing = Memo("Memo1")->blockCount();
        ClickStart();
        QTest::keyClick(Field("Input"), Qt::Key_Return);
        SlideTo(Qt::Key_Home); // lets the run finish at once
    });
    ClickStart();

    EXPECT_FALSE(enabledDuringRun);
    EXPECT_GE(linesWhenActing, 1);
    EXPECT_EQ(clicks.count(), 1);
    ExpectCompletedRun(*form_, ParseAngle("60", kUnitDegrees).theta);
}

TEST_F(FormTest, ClosingDuringAPacedRunEndsItAndWritesNothingMore) {
    TypeAngle(QStringLiteral("30"));
    SlideTo(Qt::Key_End);
    QTimer::singleShot(kActDuringRunMs, form_.get(), [&] { form_->close(); });
    ClickStart(); // returns when the run has ended

    EXPECT_FALSE(form_->isVisible());
    EXPECT_LT(Memo("Memo1")->blockCount(), kCordicSteps);
    EXPECT_EQ(Memo("Memo1")->blockCount(), Memo("Memo2")->blockCount());
    EXPECT_EQ(form_->StatusText(), FromUtf8(kTextComputing));
    EXPECT_EQ(Field("Cos")->text(), FromUtf8(kTextComputing));
    EXPECT_FALSE(Button1()->isEnabled());
    EXPECT_FALSE(form_->ProcessMessages());
}

// A window whose plot fails: the failure leaves the run through the start button's handler.
class TFailingPlotForm : public TForm1 {
public:
    void DrawStepFrame(long double, long double, long double, int, int) override {
        throw std::runtime_error("kreslenie zlyhalo");
    }
};

TEST_F(FormTest, ExceptionFromAHandlerIsShownAfterItAndTheLoopGoesOn) {
    Open<TFailingPlotForm>();
    TypeAngle(QStringLiteral("10"));
    SlideTo(Qt::Key_Home);
    ClickStart();
    EXPECT_TRUE(errors_.isEmpty()) << "shown inside the failing handler";
    EXPECT_TRUE(Button1()->isEnabled());

    QTest::qWait(0);
    EXPECT_EQ(errors_, QStringList{QStringLiteral("kreslenie zlyhalo")});

    // The window still works: typing, and a second failing run reported the same way.
    TypeAngle(QStringLiteral("20"));
    EXPECT_EQ(Field("Input")->text(), QStringLiteral("20"));
    QTest::keyClick(Field("Input"), Qt::Key_Return);
    QTest::qWait(0);
    EXPECT_EQ(errors_.size(), 2);
    EXPECT_TRUE(Button1()->isEnabled());
}

} // namespace
