#include "colours.h"
#include "export_dialogs.h"
#include "hand_run.h"
#include "lab_plot_panel.h"
#include "print_dialog.h"

#include <QFile>
#include <QImage>
#include <QPrinter>
#include <QPushButton>
#include <QSlider>
#include <QStandardItemModel>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>
#include <memory>
#include <set>

namespace {

// Answers the saving's file dialog with `file` and records the warnings.
struct TAnsweringDialogs : IExportDialogs {
    QString file;
    std::vector<QString> suggested;
    std::vector<QString> warnings;

    QString SaveFileName(const QString&, const QString& start, const QString&) override {
        suggested.push_back(start);
        return file;
    }
    QString Folder(const QString&, const QString&) override { return {}; }
    bool Confirm(const QString&, const QString&) override { return false; }
    void Warn(const QString&, const QString& message) override { warnings.push_back(message); }
};

// Prints into the PDF file `file`, as a printer set up in the print dialog would print.
struct TFilePrinter : IPrintDialog {
    QString file;
    bool Choose(QPrinter& printer) override {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(file);
        return true;
    }
};

QByteArray Contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The pages of a PDF file, by its page objects.
int Pages(const QByteArray& pdf) {
    int count = 0;
    for (qsizetype at = pdf.indexOf("/Type /Page\n"); at >= 0;
         at = pdf.indexOf("/Type /Page\n", at + 1)) {
        ++count;
    }
    return count;
}

// A laboratory's table beside the panel, showing the hand-worked run: a row per state.
class LabPlotPanelTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder_.isValid());
        auto* layout = new QVBoxLayout(&window_);
        table_ = new QTableView;
        model_ = new QStandardItemModel(5, 1, table_);
        table_->setModel(model_);
        table_->setSelectionMode(QAbstractItemView::ExtendedSelection);
        panel_ = new TLabPlotPanel;
        layout->addWidget(table_);
        layout->addWidget(panel_);
        panel_->FollowTable(table_);
        auto dialogs = std::make_unique<TAnsweringDialogs>();
        dialogs_ = dialogs.get();
        panel_->SetExportDialogs(std::move(dialogs));
        auto printer = std::make_unique<TFilePrinter>();
        printer_ = printer.get();
        panel_->SetPrintDialog(std::move(printer));
        panel_->SetRun(LabRun(HandSetup()), HandSetup(), false);
        window_.resize(400, 700);
        window_.show();
        window_.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window_));
    }

    template <class T> T* Named(const char* name) const {
        for (T* widget : panel_->findChildren<T*>()) {
            if (widget->accessibleName() == QString::fromUtf8(name)) {
                return widget;
            }
        }
        ADD_FAILURE() << "no control named " << name;
        return nullptr;
    }

    std::set<int> SelectedRows() const {
        std::set<int> rows;
        for (const QModelIndex& index : table_->selectionModel()->selectedIndexes()) {
            rows.insert(index.row());
        }
        return rows;
    }

    // The highest row of the plot's pixels in the shown vector's red: its tip, for vectors that
    // point up.
    int RedTop() const {
        QWidget* plot = Named<QWidget>("Vektor laboratória");
        const QImage image = plot->grab().toImage();
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                if (image.pixelColor(x, y) == kVectorColour) {
                    return y;
                }
            }
        }
        return -1;
    }

    void Key(Qt::Key key) { QTest::keyClick(table_, key); }

    QTemporaryDir folder_;
    QWidget window_;
    QTableView* table_ = nullptr;
    QStandardItemModel* model_ = nullptr;
    TLabPlotPanel* panel_ = nullptr;
    TAnsweringDialogs* dialogs_ = nullptr; // owned by the panel
    TFilePrinter* printer_ = nullptr;      // owned by the panel
};

TEST_F(LabPlotPanelTest, ThePlotFollowsTheSliderTheKeysAndTheTablesRows) {
    // The last state, (71, 31) of 2^-6; state 1 (77, 38) lies higher, state 0 (77, 0) on the axis.
    EXPECT_EQ(panel_->ShownState(), 4);
    const int last = RedTop();
    Named<QSlider>("Krok")->setValue(1);
    EXPECT_EQ(panel_->ShownState(), 1);
    EXPECT_EQ(SelectedRows(), (std::set<int>{1}));
    EXPECT_LT(RedTop(), last);

    table_->setFocus();
    Key(Qt::Key_Left);
    EXPECT_EQ(panel_->ShownState(), 0);
    EXPECT_GT(RedTop(), last);
    Key(Qt::Key_End);
    EXPECT_EQ(panel_->ShownState(), 4);
    EXPECT_TRUE(SelectedRows().empty());
    EXPECT_EQ(RedTop(), last);
    Key(Qt::Key_Home);
    Key(Qt::Key_Right);
    EXPECT_EQ(Named<QSlider>("Krok")->value(), 1);

    QTest::mouseClick(table_->viewport(), Qt::LeftButton, {},
                      table_->visualRect(model_->index(3, 0)).center());
    EXPECT_EQ(panel_->ShownState(), 3);
    // New settings keep the picked state where the run has it, and select its row again.
    panel_->SetRun(LabRun(HandSetup()), HandSetup(), false);
    EXPECT_EQ(panel_->ShownState(), 3);
    EXPECT_EQ(SelectedRows(), (std::set<int>{3}));
    TLabSetup shorter = HandSetup();
    shorter.steps = 2;
    model_->setRowCount(3);
    panel_->SetRun(LabRun(shorter), shorter, false);
    EXPECT_EQ(panel_->ShownState(), 2);
}

// Its two A4 pages and their texts are the end-to-end case's; here the fonts and the printing.
TEST_F(LabPlotPanelTest, WorksheetIsSavedWithItsFontsAndPrintedAsTwoPages) {
    dialogs_->file = folder_.filePath(QStringLiteral("list"));
    Named<QPushButton>("Pracovný list…")->click();
    const QByteArray saved = Contents(folder_.filePath(QStringLiteral("list.pdf")));
    EXPECT_TRUE(saved.contains("/FontFile2")) << "the fonts are not embedded";

    printer_->file = folder_.filePath(QStringLiteral("printed.pdf"));
    Named<QPushButton>("Tlačiť…")->click();
    EXPECT_EQ(Pages(Contents(printer_->file)), 2);
    EXPECT_TRUE(dialogs_->warnings.empty());
}

TEST_F(LabPlotPanelTest, PictureIsThePlotAloneNamedByItsState) {
    Named<QSlider>("Krok")->setValue(2);
    dialogs_->file = folder_.filePath(QStringLiteral("vektor.png"));
    Named<QPushButton>("Uložiť obrázok…")->click();
    ASSERT_EQ(dialogs_->suggested.size(), 1U);
    EXPECT_TRUE(dialogs_->suggested[0].endsWith(QStringLiteral("/vektor-02.png")));
    const QImage picture(dialogs_->file);
    QWidget* plot = Named<QWidget>("Vektor laboratória");
    EXPECT_EQ(picture.size(), plot->size());
    EXPECT_EQ(picture.pixelColor(0, picture.height() - 1), kPaper);
}

} // namespace
