#include "angle_input.h"
#include "cordic.h"
#include "export_dialogs.h"
#include "step_csv.h"
#include "step_plot.h"
#include "step_rows.h"
#include "step_view.h"

#include <QDir>
#include <QFile>
#include <QFontMetrics>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace {

// Answers the saving's questions as a test sets them, and records what was asked.
struct TAnsweringDialogs : IExportDialogs {
    QString file;
    QString folder;
    bool replace = false;
    std::vector<QString> questions;
    std::vector<QString> warnings;

    QString SaveFileName(const QString&, const QString&, const QString&) override { return file; }
    QString Folder(const QString&, const QString&) override { return folder; }
    bool Confirm(const QString&, const QString& question) override {
        questions.push_back(question);
        return replace;
    }
    void Warn(const QString&, const QString& message) override { warnings.push_back(message); }
};

QByteArray Contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void Put(const QString& path, const QByteArray& data) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(data);
}

// A step view after a whole 30-degree run, its dialogs answered by `dialogs_`.
class StepExportTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder_.isValid());
        owner_ = std::make_unique<QWidget>();
        view_ = new TStepView(rows_, owner_.get());
        auto dialogs = std::make_unique<TAnsweringDialogs>();
        dialogs_ = dialogs.get();
        view_->SetExportDialogs(std::move(dialogs));
        view_->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(view_));
        const long double theta = ParseAngle("30", kUnitDegrees).theta;
        rows_.Start(theta);
        view_->RowsReset();
        rows_.AddResult(CordicRotate(theta, [&](const TCordicStep& step) {
            rows_.AddStep(step);
            view_->RowAppended();
        }));
        view_->RowAppended();
    }

    template <class T> T* Control(const char* name) const {
        auto* control = view_->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(control, nullptr) << name;
        return control;
    }

    void Click(const char* button) const {
        auto* control = view_->findChild<QPushButton*>(QString::fromLatin1(button));
        ASSERT_NE(control, nullptr) << button;
        control->click();
    }

    QString InFolder(const char* name) const { return folder_.filePath(QString::fromUtf8(name)); }
    std::string Csv() const { return StepTableCsv(rows_); }

    QTemporaryDir folder_;
    TStepRows rows_;
    std::unique_ptr<QWidget> owner_;
    TStepView* view_ = nullptr;            // owned by owner_
    TAnsweringDialogs* dialogs_ = nullptr; // owned by view_
};

TEST_F(StepExportTest, TableIsSavedAsCsvWithTheSuffixAddedAndSaysSo) {
    dialogs_->file = InFolder("kroky");
    Click("SaveTableButton");
    EXPECT_EQ(Contents(InFolder("kroky.csv")).toStdString(), Csv());
    EXPECT_TRUE(dialogs_->warnings.empty());
    EXPECT_EQ(Control<QLabel>("SaveStatus")->text(),
              QStringLiteral("Uložené: ") + InFolder("kroky.csv"));
}

TEST_F(StepExportTest, FolderThatCannotBeWrittenIsToldAndNothingIsWritten) {
    // Not even root may create files in /proc.
    dialogs_->file = QStringLiteral("/proc/kroky.csv");
    Click("SaveTableButton");
    ASSERT_EQ(dialogs_->warnings.size(), 1u);
    EXPECT_TRUE(dialogs_->warnings[0].contains(QStringLiteral("sa nedá zapisovať")))
        << dialogs_->warnings[0].toStdString();
    EXPECT_FALSE(QFile::exists(QStringLiteral("/proc/kroky.csv")));

    dialogs_->folder = QStringLiteral("/proc");
    Click("SaveStepsButton");
    ASSERT_EQ(dialogs_->warnings.size(), 2u);
    EXPECT_TRUE(dialogs_->warnings[1].contains(QStringLiteral("sa nedá zapisovať")))
        << dialogs_->warnings[1].toStdString();
    EXPECT_FALSE(QFile::exists(QStringLiteral("/proc/krok-00.png")));
}

TEST_F(StepExportTest, ExistingFileIsReplacedOnlyWhenTheUserAgrees) {
    Put(InFolder("kroky.csv"), "old");
    dialogs_->file = InFolder("kroky.csv");
    Click("SaveTableButton");
    ASSERT_EQ(dialogs_->questions.size(), 1u);
    EXPECT_EQ(dialogs_->questions[0],
              QStringLiteral("Súbor „kroky.csv“ už existuje. Chcete ho nahradiť?"));
    EXPECT_EQ(Contents(InFolder("kroky.csv")), "old");

    dialogs_->replace = true;
    Click("SaveTableButton");
    EXPECT_EQ(Contents(InFolder("kroky.csv")).toStdString(), Csv());
}

// The columns of the gap between the first two plots, under the caption: nothing drawn there.
bool GapIsEmpty(const QImage& picture, int gapLeft, int captionHeight) {
    for (int x = gapLeft; x < gapLeft + 8; ++x) {
        for (int y = captionHeight; y < picture.height(); ++y) {
            if (qAlpha(picture.pixel(x, y)) != 0) {
                return false;
            }
        }
    }
    return true;
}

TEST_F(StepExportTest, PictureIsPngOrSvgByItsNameUnderItsCaptionWithNothingBetweenThePlots) {
    view_->resize(1200, 700);
    QCoreApplication::processEvents();
    auto* plot = view_->findChild<QWidget*>(QStringLiteral("VectorPlot"));
    auto* chart = view_->findChild<QWidget*>(QStringLiteral("Chart"));
    auto* magnifier = view_->findChild<QWidget*>(QStringLiteral("Magnifier"));
    const int captionHeight = QFontMetrics(plot->font()).height() + 8;
    // The sizes the plots have when saved: the status line below the buttons, once shown, takes
    // its room from them.
    const auto sizes = [&] {
        return std::pair(plot->width() + 8 + magnifier->width() + 8 + chart->width(),
                         captionHeight +
                             std::max({plot->height(), chart->height(), magnifier->height()}));
    };
    const auto before = sizes();
    const int gapLeft = plot->width();
    dialogs_->file = InFolder("obrazok");
    Click("SavePictureButton");
    const QImage png(InFolder("obrazok.png"));
    EXPECT_EQ(std::pair(png.width(), png.height()), before);
    EXPECT_TRUE(GapIsEmpty(png, gapLeft, captionHeight));
    EXPECT_EQ(Control<QLabel>("SaveStatus")->text(),
              QStringLiteral("Uložené: ") + InFolder("obrazok.png"));

    QCoreApplication::processEvents();
    const int svgGapLeft = plot->width();
    dialogs_->file = InFolder("obrazok.svg");
    Click("SavePictureButton");
    const QByteArray svg = Contents(InFolder("obrazok.svg"));
    EXPECT_TRUE(svg.contains(
        QString::fromUtf8("<title>θ = 0.523599 rad (30°), výsledok</title>").toUtf8()));
    QSvgRenderer renderer(svg);
    QImage drawn(renderer.viewBox().size(), QImage::Format_ARGB32);
    drawn.fill(Qt::transparent);
    {
        QPainter painter(&drawn);
        renderer.render(&painter);
    }
    EXPECT_TRUE(GapIsEmpty(drawn, svgGapLeft, captionHeight))
        << "the magnifier's lines stay inside its frame";
    EXPECT_TRUE(dialogs_->warnings.empty());
}

TEST_F(StepExportTest, AllStepsAreOnePngPerRowAndLeaveNothingElse) {
    dialogs_->folder = folder_.path();
    Click("SaveStepsButton");
    const QStringList names =
        QDir(folder_.path())
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
    ASSERT_EQ(names.size(), 55);
    EXPECT_EQ(names.front(), QStringLiteral("krok-00.png"));
    EXPECT_EQ(names.back(), QStringLiteral("krok-54.png"));
    EXPECT_NE(Contents(InFolder("krok-00.png")), Contents(InFolder("krok-54.png")));
    EXPECT_TRUE(dialogs_->warnings.empty());
    // The plots follow the newest row again, as before.
    EXPECT_EQ(view_->findChild<TStepPlot*>(QStringLiteral("Magnifier"))->RequestedRow(), -1);
}

TEST_F(StepExportTest, AllStepsAskBeforeReplacingAndWriteNothingWhenRefused) {
    Put(InFolder("krok-03.png"), "old");
    dialogs_->folder = folder_.path();
    Click("SaveStepsButton");
    ASSERT_EQ(dialogs_->questions.size(), 1u);
    EXPECT_TRUE(dialogs_->questions[0].contains(QStringLiteral("krok-00.png až krok-54.png")));
    EXPECT_EQ(QDir(folder_.path())
                  .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot)
                  .size(),
              1);
    EXPECT_EQ(Contents(InFolder("krok-03.png")), "old");
}

} // namespace
