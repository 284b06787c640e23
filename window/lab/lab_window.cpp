#include "lab_window.h"

#include "bit_cell_delegate.h"
#include "conversions.h"
#include "flow_layout.h"
#include "guard.h"
#include "lab_cells.h"
#include "lab_input.h"
#include "lab_plot_panel.h"
#include "lab_table_model.h"
#include "lab_texts.h"
#include "number_table_view.h"
#include "projector_zoom.h"
#include "resize_watch.h"
#include "spoken_label.h"
#include "ui_lab_window.h"
#include "utf8_text.h"

#include <QBoxLayout>
#include <QClipboard>
#include <QGuiApplication>
#include <QKeySequence>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QSlider>
#include <QSpinBox>
#include <cmath>
#include <limits>
#include <vector>

namespace {

// The widest text of each column, in characters of the fixed-pitch font: an index, a sign, a
// shift, and an extended value's longest shortest text, a sign and 21 digits with an exponent;
// the bit columns hold W + G bits and the dot.
constexpr int kIndexCharacters = 3;
constexpr int kSigmaCharacters = 4;
constexpr int kShiftCharacters = 5;
constexpr int kValueCharacters = 27;

// Errors of this many u or more are results that wrapped in the word of `setup`: half the
// word's span, 2^(W - 1) u; none in a floating format.
long double WrappedErrors(const TLabSetup& setup) {
    return setup.arithmetic == TLabArithmetic::Fixed ? ldexpl(1.0L, setup.wordBits - 1)
                                                     : std::numeric_limits<long double>::infinity();
}

// The first split between the table and the results with the chart, in pixels of height.
constexpr int kTableHeight = 380;
constexpr int kBottomHeight = 250;
// The table's least: its header and three rows.
constexpr int kLeastRows = 3;

} // namespace

TLabWindow::TLabWindow(QWidget* owner)
    : QWidget(owner, Qt::Window), ui_(std::make_unique<Ui::TLabWindow>()) {
    ui_->setupUi(this);
    // Enlarged for a projector, the settings wrap rather than widen the window, and the status
    // line and the button stay below the content, in view.
    TFlowLayout::ReplaceBoxLayout(ui_->SettingsPanel);
    const QMargins content = ui_->ContentLayout->contentsMargins();
    ui_->StatusRow->setContentsMargins(content.left(), 0, content.right(), content.bottom());
    WhenResized(ui_->ContentScroll->viewport(), [this] { Arrange(); });
    ui_->Splitter->setSizes({kTableHeight, kBottomHeight});
    SetUpTable();
    ConnectSettings();
    zoom_ = new TProjectorZoom(this);
    connect(zoom_, &TProjectorZoom::Changed, this, &TLabWindow::ZoomChanged);
    ModeChanged();
    WordBitsChanged(ui_->WordSpin->value());
    Recompute();
}

TLabWindow::~TLabWindow() = default;

const TLabRun& TLabWindow::ShownRun() const {
    return model_->Run();
}

const TLabSetup& TLabWindow::ShownSetup() const {
    return model_->Setup();
}

QString TLabWindow::StatusText() const {
    return ui_->StatusLine->text();
}

void TLabWindow::SetUpTable() {
    TNumberTableView* table = ui_->StepTable;
    model_ = new TLabTableModel(this);
    table->setModel(model_);
    auto* delegate = new TBitCellDelegate(table);
    table->setItemDelegateForColumn(kLabColumnXBits, delegate);
    table->setItemDelegateForColumn(kLabColumnYBits, delegate);
    table->setItemDelegateForColumn(kLabColumnZBits, delegate);
    // The vector plot beside the table shows the state of a row clicked, and takes the room the
    // table does not need.
    ui_->PlotPanel->FollowTable(table);
    ui_->TableSplitter->setStretchFactor(0, 1);

    auto* copy = new QShortcut(QKeySequence::Copy, this);
    connect(copy, &QShortcut::activated, this, &TLabWindow::CopyTable);
    connect(ui_->CopyButton, &QPushButton::clicked, this, &TLabWindow::CopyTable);
}

void TLabWindow::ConnectSettings() {
    for (QRadioButton* mode : {ui_->ModeRotation, ui_->ModeVectoring}) {
        connect(mode, &QRadioButton::toggled, this, [this](bool on) {
            if (on) {
                Guarded([this] {
                    ModeChanged();
                    SweepSettingChanged();
                });
            }
        });
    }
    for (QRadioButton* arithmetic : {ui_->ArithmeticExtended, ui_->ArithmeticDouble,
                                     ui_->ArithmeticSingle, ui_->ArithmeticFixed}) {
        connect(arithmetic, &QRadioButton::toggled, this, [this](bool on) {
            if (on) {
                Guarded([this] {
                    const bool fixed = ui_->ArithmeticFixed->isChecked();
                    ui_->WordSpin->setEnabled(fixed);
                    ui_->FractionSpin->setEnabled(fixed);
                    SweepSettingChanged();
                });
            }
        });
    }
    for (QRadioButton* unit : {ui_->UnitDegrees, ui_->UnitRadians}) {
        connect(unit, &QRadioButton::toggled, this, [this](bool on) {
            if (on) {
                Guarded([this] { Recompute(); });
            }
        });
    }
    for (QLineEdit* field : {ui_->AngleEdit, ui_->XEdit, ui_->YEdit}) {
        connect(field, &QLineEdit::textChanged, this, [this] { Guarded([this] { Recompute(); }); });
    }
    // The slider moves the spin box, whose change alone recomputes.
    connect(ui_->StepsSlider, &QSlider::valueChanged, ui_->StepsSpin, &QSpinBox::setValue);
    connect(ui_->StepsSpin, &QSpinBox::valueChanged, this, [this](int steps) {
        Guarded([this, steps] {
            ui_->StepsSlider->setValue(steps);
            Recompute();
        });
    });
    connect(ui_->WordSpin, &QSpinBox::valueChanged, this,
            [this](int bits) { Guarded([this, bits] { WordBitsChanged(bits); }); });
    connect(ui_->FractionSpin, &QSpinBox::valueChanged, this,
            [this] { Guarded([this] { SweepSettingChanged(); }); });
    ui_->WordSpin->setEnabled(ui_->ArithmeticFixed->isChecked());
    ui_->FractionSpin->setEnabled(ui_->ArithmeticFixed->isChecked());
}

// F ranges over 0 .. W - 1: a narrower word first brings F within it, without a run of its own.
void TLabWindow::WordBitsChanged(int bits) {
    {
        const QSignalBlocker quiet(ui_->FractionSpin);
        ui_->FractionSpin->setMaximum(bits - 1);
    }
    SweepSettingChanged();
}

void TLabWindow::ModeChanged() {
    const bool rotation = ui_->ModeRotation->isChecked();
    for (QWidget* angle : std::initializer_list<QWidget*>{ui_->AngleLabel, ui_->AngleEdit,
                                                          ui_->UnitDegrees, ui_->UnitRadians}) {
        angle->setEnabled(rotation);
    }
    for (QWidget* point :
         std::initializer_list<QWidget*>{ui_->XLabel, ui_->XEdit, ui_->YLabel, ui_->YEdit}) {
        point->setEnabled(!rotation);
    }
}

void TLabWindow::SweepSettingChanged() {
    sweepPending_ = true;
    Recompute();
}

bool TLabWindow::ReadSetup(TLabSetup& setup) {
    setup.mode = ui_->ModeRotation->isChecked() ? TLabMode::Rotation : TLabMode::Vectoring;
    setup.arithmetic = ui_->ArithmeticFixed->isChecked()    ? TLabArithmetic::Fixed
                       : ui_->ArithmeticSingle->isChecked() ? TLabArithmetic::Single
                       : ui_->ArithmeticDouble->isChecked() ? TLabArithmetic::Double
                                                            : TLabArithmetic::Extended;
    setup.steps = ui_->StepsSpin->value();
    setup.wordBits = ui_->WordSpin->value();
    setup.fractionBits = ui_->FractionSpin->value();
    const auto refuse = [this](const char* field) {
        SetSpokenText(ui_->StatusLine, FromUtf8(NotANumberText(field)));
        return false;
    };
    if (setup.mode == TLabMode::Rotation) {
        const auto theta =
            ReadLabAngle(ui_->AngleEdit->text().toStdString(), ui_->UnitDegrees->isChecked());
        if (!theta) {
            return refuse("Uhol");
        }
        setup.theta = *theta;
        return true;
    }
    const auto x = ReadLabNumber(ui_->XEdit->text().toStdString());
    if (!x) {
        return refuse("x");
    }
    const auto y = ReadLabNumber(ui_->YEdit->text().toStdString());
    if (!y) {
        return refuse("y");
    }
    setup.x0 = *x;
    setup.y0 = *y;
    return true;
}

void TLabWindow::Recompute() {
    TLabSetup setup;
    if (!ReadSetup(setup)) {
        return;
    }
    const TLabRun run = LabRun(setup);
    if (run.refusal != TLabRefusal::None) {
        SetSpokenText(ui_->StatusLine,
                      FromUtf8(LabRefusalText(run.refusal, setup, ui_->UnitDegrees->isChecked())));
        return;
    }
    SetSpokenText(ui_->StatusLine, QString());
    if (sweepPending_) {
        sweepPending_ = false;
        ui_->Chart->SetSweep(LabSweep(setup), WrappedErrors(setup));
    }
    ui_->Chart->SetCurrentSteps(setup.steps);
    ShowRun(run, setup);
}

void TLabWindow::ShowRun(const TLabRun& run, const TLabSetup& setup) {
    model_->SetRun(run, setup);
    ui_->PlotPanel->SetRun(run, setup, ui_->UnitDegrees->isChecked());
    SizeTable();
    ShowResults(run, setup);
}

void TLabWindow::ShowResults(const TLabRun& run, const TLabSetup& setup) {
    const auto show = [&](QLabel* name, QLabel* value, QLabel* exact, QLabel* error,
                          const std::string& title, long double result, long double exactValue) {
        SetSpokenText(name, FromUtf8(title));
        SetSpokenText(value, FromUtf8(FloatToStr(result)));
        SetSpokenText(exact, QStringLiteral("presne ") + FromUtf8(FloatToStr(exactValue)));
        SetSpokenText(error, FromUtf8(LabErrorLine(result, exactValue, run.unit)));
    };
    show(ui_->FirstName, ui_->FirstValue, ui_->FirstExact, ui_->FirstError,
         LabFirstName(setup), run.first, run.exactFirst);
    show(ui_->SecondName, ui_->SecondValue, ui_->SecondExact, ui_->SecondError,
         LabSecondName(setup), run.second, run.exactSecond);
    SetSpokenText(ui_->UnitText, FromUtf8(LabUnitText(setup)));
}

void TLabWindow::SizeTable() {
    const int bits = model_->Setup().wordBits + model_->Setup().guardBits + 1;
    ui_->StepTable->SetColumnCharacters({kIndexCharacters, kSigmaCharacters, kShiftCharacters,
                                         kValueCharacters, kValueCharacters, kValueCharacters,
                                         bits, bits, bits});
    ui_->StepTable->FitToFont(model_->CellFont());
}

void TLabWindow::ZoomChanged(qreal factor) {
    Guarded([this, factor] {
        model_->SetZoom(factor);
        SizeTable();
        ui_->Chart->SetZoom(factor);
        ui_->PlotPanel->SetZoom(factor);
        Arrange();
    });
}

// The results beside the chart where the content's width holds the results and the chart's
// least, else above it; the table never lower than its header and a few rows. What the room's
// height does not hold is scrolled to.
void TLabWindow::Arrange() {
    const QMargins margins = ui_->ContentLayout->contentsMargins();
    const int width = ui_->ContentScroll->viewport()->width() - margins.left() - margins.right();
    const bool sideBySide = ui_->ResultsBox->sizeHint().width() + ui_->BottomLayout->spacing() +
                                ui_->Chart->minimumSizeHint().width() <=
                            width;
    ui_->BottomLayout->setDirection(sideBySide ? QBoxLayout::LeftToRight : QBoxLayout::TopToBottom);
    ui_->StepTable->setMinimumHeight(ui_->StepTable->HeightFor(kLeastRows));
    // The vector plot beside the table where the table keeps "i", "smer", "posun" and "x" in
    // view, else below it.
    const bool plotBeside = ui_->StepTable->WidthFor(kLabColumnX + 1) +
                                ui_->TableSplitter->handleWidth() +
                                ui_->PlotPanel->minimumSizeHint().width() <=
                            width;
    ui_->TableSplitter->setOrientation(plotBeside ? Qt::Horizontal : Qt::Vertical);
}

void TLabWindow::CopyTable() {
    Guarded([this] {
        QGuiApplication::clipboard()->setText(
            FromUtf8(LabTableTsv(model_->Run(), model_->Setup())));
    });
}
