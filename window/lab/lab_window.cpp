#include "lab_window.h"

#include "bit_cell_delegate.h"
#include "conversions.h"
#include "count_spin_box.h"
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
#include "sweep_floor.h"
#include "ui_lab_window.h"
#include "utf8_text.h"

#include <QBoxLayout>
#include <QClipboard>
#include <QGridLayout>
#include <QGuiApplication>
#include <QKeySequence>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QSignalBlocker>
#include <QSlider>
#include <cmath>
#include <initializer_list>
#include <limits>
#include <optional>
#include <tuple>
#include <utility>
#include <vector>

namespace {

// The widest text of each column, in characters of the fixed-pitch font: an index, a sign, a
// shift, and an extended value's longest shortest text, a sign and 21 digits with an exponent;
// the bit columns hold W + G bits and the dot.
constexpr int kIndexCharacters = 3;
constexpr int kSigmaCharacters = 4;
constexpr int kShiftCharacters = 5;
constexpr int kValueCharacters = 27;

// The first split between the table and the results with the chart, in pixels of height.
constexpr int kTableHeight = 380;
constexpr int kBottomHeight = 250;
// The table's least: its header and three rows.
constexpr int kLeastRows = 3;

// What a result reads while the settings are refused.
constexpr auto kNoResult = "—";

// From this zoom on the results stack, every value on a line of its own, so that a projector's
// large text on a small screen needs no sideways scrolling.
constexpr qreal kStackedZoom = 2.0;

// The argument each system starts with: 30 degrees, and t and c of a half.
constexpr auto kFirstArgument = "0.5";

// Errors of this many u or more are results that wrapped in the word of `setup`: half the
// word's span, 2^(W - 1) u; none in a floating format.
long double WrappedErrors(const TLabSetup& setup) {
    return setup.arithmetic == TLabArithmetic::Fixed ? ldexpl(1.0L, setup.wordBits - 1)
                                                     : std::numeric_limits<long double>::infinity();
}

// Rounding or guard bits: the chart sets the setup beside plain truncation without guard bits.
bool Compared(const TLabSetup& setup) {
    return setup.arithmetic == TLabArithmetic::Fixed &&
           (setup.rounding != TLabRounding::Floor || setup.guardBits > 0);
}

std::size_t IndexOf(TLabSystem system) {
    return static_cast<std::size_t>(system);
}

// The whole number of `spin` into `value`; the refusal's line where it holds none in the range of
// `count` for `setup`'s W.
QString ReadCount(const TCountSpinBox* spin, TLabCount count, const TLabSetup& setup,
                  std::int32_t& value) {
    const std::optional<std::int32_t> read = ReadLabCount(spin->text().toStdString());
    if (!read) {
        return FromUtf8(NotAWholeNumberText(count));
    }
    if (!LabCountInRange(count, *read, setup)) {
        return FromUtf8(LabCountRangeText(count, setup));
    }
    value = *read;
    return {};
}

// The labels of one result: its name, value, exact value and error.
struct TResultLabels {
    QLabel* name;
    QLabel* value;
    QLabel* exact;
    QLabel* error;
};

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
    argumentTexts_ = {ui_->AngleEdit->text(), QString::fromUtf8(kFirstArgument),
                      QString::fromUtf8(kFirstArgument)};
    SetUpTable();
    SetUpCounts();
    ConnectSettings();
    ConnectInputs();
    zoom_ = new TProjectorZoom(this);
    connect(zoom_, &TProjectorZoom::Changed, this, &TLabWindow::ZoomChanged);
    PlaceResults(false);
    ShowInputs();
    ArithmeticChanged();
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

void TLabWindow::SetUpCounts() {
    const TLabSetup any;
    for (const auto& [spin, count] : {std::pair{ui_->StepsSpin, TLabCount::Steps},
                                      std::pair{ui_->WordSpin, TLabCount::WordBits}}) {
        const TLabCountRange range = LabCountRange(count, any);
        spin->SetRange(range.least, range.most);
    }
    WordBitsChanged();
}

void TLabWindow::ConnectSettings() {
    const auto onToggle = [this](QRadioButton* button, auto handler) {
        connect(button, &QRadioButton::toggled, this, [this, handler](bool on) {
            if (on) {
                Guarded([this, handler] {
                    (this->*handler)();
                    Recompute();
                });
            }
        });
    };
    for (QRadioButton* system : {ui_->SystemCircular, ui_->SystemLinear, ui_->SystemHyperbolic}) {
        onToggle(system, &TLabWindow::SystemChanged);
    }
    for (QRadioButton* mode : {ui_->ModeRotation, ui_->ModeVectoring}) {
        onToggle(mode, &TLabWindow::ShowInputs);
    }
    for (QRadioButton* arithmetic : {ui_->ArithmeticExtended, ui_->ArithmeticDouble,
                                     ui_->ArithmeticSingle, ui_->ArithmeticFixed}) {
        onToggle(arithmetic, &TLabWindow::ArithmeticChanged);
    }
    for (QRadioButton* other : {ui_->RoundingFloor, ui_->RoundingHalfUp, ui_->RoundingHalfEven,
                                ui_->UnitDegrees, ui_->UnitRadians}) {
        connect(other, &QRadioButton::toggled, this, [this](bool on) {
            if (on) {
                Guarded([this] { Recompute(); });
            }
        });
    }
    // The slider moves the spin box, whose change alone recomputes.
    connect(ui_->StepsSlider, &QSlider::valueChanged, ui_->StepsSpin, &QSpinBox::setValue);
    connect(ui_->StepsSpin, &TCountSpinBox::EditorTextChanged, this, [this] {
        Guarded([this] {
            StepsChanged();
            Recompute();
        });
    });
    connect(ui_->WordSpin, &TCountSpinBox::EditorTextChanged, this, [this] {
        Guarded([this] {
            WordBitsChanged();
            Recompute();
        });
    });
    for (TCountSpinBox* count : {ui_->FractionSpin, ui_->GuardSpin}) {
        connect(count, &TCountSpinBox::EditorTextChanged, this,
                [this] { Guarded([this] { Recompute(); }); });
    }
}

void TLabWindow::ConnectInputs() {
    for (QLineEdit* field : {ui_->AngleEdit, ui_->XEdit, ui_->YEdit}) {
        connect(field, &QLineEdit::textChanged, this, [this] { Guarded([this] { Recompute(); }); });
    }
    connect(ui_->ArgumentEdit, &QLineEdit::textChanged, this, [this] {
        Guarded([this] {
            if (Derived() != TLabDerived::None) {
                FillFromArgument(derived_);
            }
        });
    });
    connect(ui_->LogarithmButton, &QPushButton::clicked, this,
            [this] { Guarded([this] { FillFromArgument(TLabDerived::Logarithm); }); });
    connect(ui_->SquareRootButton, &QPushButton::clicked, this,
            [this] { Guarded([this] { FillFromArgument(TLabDerived::SquareRoot); }); });
}

TLabSystem TLabWindow::System() const {
    return ui_->SystemHyperbolic->isChecked() ? TLabSystem::Hyperbolic
           : ui_->SystemLinear->isChecked()   ? TLabSystem::Linear
                                              : TLabSystem::Circular;
}

TLabMode TLabWindow::Mode() const {
    return ui_->ModeRotation->isChecked() ? TLabMode::Rotation : TLabMode::Vectoring;
}

TLabArithmetic TLabWindow::Arithmetic() const {
    return ui_->ArithmeticFixed->isChecked()    ? TLabArithmetic::Fixed
           : ui_->ArithmeticSingle->isChecked() ? TLabArithmetic::Single
           : ui_->ArithmeticDouble->isChecked() ? TLabArithmetic::Double
                                                : TLabArithmetic::Extended;
}

TLabRounding TLabWindow::Rounding() const {
    return ui_->RoundingHalfEven->isChecked() ? TLabRounding::HalfEven
           : ui_->RoundingHalfUp->isChecked() ? TLabRounding::HalfUp
                                              : TLabRounding::Floor;
}

void TLabWindow::SystemChanged() {
    const TLabSystem system = System();
    argumentTexts_[IndexOf(shownSystem_)] = ui_->AngleEdit->text();
    shownSystem_ = system;
    {
        const QSignalBlocker quiet(ui_->AngleEdit);
        ui_->AngleEdit->setText(argumentTexts_[IndexOf(system)]);
    }
    for (const auto& [button, mode] : {std::pair{ui_->ModeRotation, TLabMode::Rotation},
                                       std::pair{ui_->ModeVectoring, TLabMode::Vectoring}}) {
        const QString text = FromUtf8(LabModeText(system, mode));
        button->setText(text);
        button->setAccessibleName(text);
    }
    ShowInputs();
}

void TLabWindow::ShowInputs() {
    TLabSetup names;
    names.system = System();
    names.mode = Mode();
    const bool rotation = names.mode == TLabMode::Rotation;
    const bool circular = names.system == TLabSystem::Circular;
    const auto name = [](QLabel* label, QLineEdit* field, const std::string& text) {
        label->setText(FromUtf8(text));
        field->setAccessibleName(FromUtf8(text));
    };
    name(ui_->AngleLabel, ui_->AngleEdit, LabThetaName(names));
    name(ui_->XLabel, ui_->XEdit, LabXName(names));
    name(ui_->YLabel, ui_->YEdit, LabYName(names));
    const bool pointRead = !rotation || names.system == TLabSystem::Linear;
    for (QWidget* argument : std::initializer_list<QWidget*>{ui_->AngleLabel, ui_->AngleEdit,
                                                             ui_->UnitDegrees, ui_->UnitRadians}) {
        argument->setEnabled(rotation);
    }
    ui_->UnitDegrees->setVisible(circular);
    ui_->UnitRadians->setVisible(circular);
    for (QWidget* point :
         std::initializer_list<QWidget*>{ui_->XLabel, ui_->XEdit, ui_->YLabel, ui_->YEdit}) {
        point->setEnabled(pointRead);
    }
    const bool fromArgument = names.system == TLabSystem::Hyperbolic && !rotation;
    for (QWidget* argument : std::initializer_list<QWidget*>{
             ui_->ArgumentLabel, ui_->ArgumentEdit, ui_->LogarithmButton, ui_->SquareRootButton}) {
        argument->setVisible(fromArgument);
    }
}

void TLabWindow::ArithmeticChanged() {
    const bool fixed = ui_->ArithmeticFixed->isChecked();
    for (QWidget* setting :
         std::initializer_list<QWidget*>{ui_->WordLabel, ui_->WordSpin, ui_->FractionLabel,
                                         ui_->FractionSpin, ui_->RoundingBox}) {
        setting->setEnabled(fixed);
    }
}

void TLabWindow::WordBitsChanged() {
    TLabSetup word;
    const QString refused = ReadCount(ui_->WordSpin, TLabCount::WordBits, word, word.wordBits);
    if (!refused.isEmpty()) {
        return;
    }
    for (const auto& [spin, count] : {std::pair{ui_->FractionSpin, TLabCount::FractionBits},
                                      std::pair{ui_->GuardSpin, TLabCount::GuardBits}}) {
        const TLabCountRange range = LabCountRange(count, word);
        spin->SetRange(range.least, range.most);
        const std::optional<std::int32_t> value = ReadLabCount(spin->text().toStdString());
        if (value && *value > range.most) {
            const QSignalBlocker quiet(spin);
            spin->setValue(range.most);
        }
    }
}

void TLabWindow::StepsChanged() {
    TLabSetup steps;
    if (ReadCount(ui_->StepsSpin, TLabCount::Steps, steps, steps.steps).isEmpty()) {
        const QSignalBlocker quiet(ui_->StepsSlider);
        ui_->StepsSlider->setValue(steps.steps);
    }
}

void TLabWindow::FillFromArgument(TLabDerived derived) {
    derived_ = derived;
    const std::optional<long double> a = ReadLabNumber(ui_->ArgumentEdit->text().toStdString());
    if (a) {
        const auto [x, y] = LabDerivedPoint(derived, *a);
        filledX_ = FromUtf8(FloatToStr(x));
        filledY_ = FromUtf8(FloatToStr(y));
        const QSignalBlocker quietX(ui_->XEdit);
        const QSignalBlocker quietY(ui_->YEdit);
        ui_->XEdit->setText(filledX_);
        ui_->YEdit->setText(filledY_);
    } else {
        // No number to fill from: x and y stay, refused until a holds one.
        filledX_ = ui_->XEdit->text();
        filledY_ = ui_->YEdit->text();
    }
    Recompute();
}

TLabDerived TLabWindow::Derived() const {
    const bool filled = System() == TLabSystem::Hyperbolic && Mode() == TLabMode::Vectoring &&
                        ui_->XEdit->text() == filledX_ && ui_->YEdit->text() == filledY_;
    return filled ? derived_ : TLabDerived::None;
}

QString TLabWindow::ReadSetup(TLabSetup& setup) const {
    setup.system = System();
    setup.mode = Mode();
    setup.arithmetic = Arithmetic();
    if (QString refused = ReadCount(ui_->StepsSpin, TLabCount::Steps, setup, setup.steps);
        !refused.isEmpty()) {
        return refused;
    }
    if (setup.arithmetic == TLabArithmetic::Fixed) {
        setup.rounding = Rounding();
        for (const auto& [spin, count, value] :
             {std::tuple{ui_->WordSpin, TLabCount::WordBits, &setup.wordBits},
              std::tuple{ui_->FractionSpin, TLabCount::FractionBits, &setup.fractionBits},
              std::tuple{ui_->GuardSpin, TLabCount::GuardBits, &setup.guardBits}}) {
            if (QString refused = ReadCount(spin, count, setup, *value); !refused.isEmpty()) {
                return refused;
            }
        }
    }
    return ReadInputs(setup);
}

QString TLabWindow::ReadInputs(TLabSetup& setup) const {
    const bool degrees = setup.system == TLabSystem::Circular && ui_->UnitDegrees->isChecked();
    for (const TLabInput input : LabInputsRead(setup)) {
        const QLineEdit* field = input == TLabInput::Theta ? ui_->AngleEdit
                                 : input == TLabInput::X   ? ui_->XEdit
                                                           : ui_->YEdit;
        const std::string text = field->text().toStdString();
        const std::optional<long double> value =
            input == TLabInput::Theta ? ReadLabAngle(text, degrees) : ReadLabNumber(text);
        if (!value) {
            return FromUtf8(NotANumberText(input == TLabInput::Theta ? LabThetaName(setup)
                                           : input == TLabInput::X   ? LabXName(setup)
                                                                     : LabYName(setup)));
        }
        (input == TLabInput::Theta ? setup.theta
         : input == TLabInput::X   ? setup.x0
                                   : setup.y0) = *value;
    }
    if (Derived() != TLabDerived::None) {
        const std::optional<long double> a = ReadLabNumber(ui_->ArgumentEdit->text().toStdString());
        if (!a) {
            return FromUtf8(NotANumberText("a"));
        }
        if (!(*a > 0)) {
            return FromUtf8(LabDerivedRefusalText());
        }
    }
    return {};
}

void TLabWindow::Recompute() {
    TLabSetup setup;
    QString refusal = ReadSetup(setup);
    if (refusal.isEmpty()) {
        const TLabRun run = LabRun(setup);
        if (run.refusal == TLabRefusal::None) {
            ShowRun(run, setup);
            return;
        }
        const bool degrees = setup.system == TLabSystem::Circular && ui_->UnitDegrees->isChecked();
        refusal = FromUtf8(LabRefusalText(run.refusal, setup, degrees));
    }
    ShowRefused(refusal);
}

void TLabWindow::ShowRun(const TLabRun& run, const TLabSetup& setup) {
    refused_ = false;
    SetSpokenText(ui_->StatusLine, QString());
    ui_->StepTable->setEnabled(true);
    ui_->CopyButton->setEnabled(true);
    model_->SetRun(run, setup);
    ui_->PlotPanel->SetRun(run, setup, ui_->UnitDegrees->isChecked());
    SizeTable();
    ShowResults(run, setup);
    ShowSweeps(setup);
    ui_->Chart->SetCurrentSteps(setup.steps);
    ui_->Chart->SetStale(false);
}

void TLabWindow::ShowRefused(const QString& refusal) {
    refused_ = true;
    SetSpokenText(ui_->StatusLine, refusal);
    ui_->StepTable->setEnabled(false);
    ui_->CopyButton->setEnabled(false);
    ui_->Chart->SetStale(true);
    for (QLabel* line :
         {ui_->HeldFirst, ui_->HeldSecond, ui_->HeldThird, ui_->TypedFirst, ui_->TypedSecond,
          ui_->TypedThird, ui_->ReachLine, ui_->OverflowLine, ui_->FirstExact, ui_->FirstError,
          ui_->SecondExact, ui_->SecondError, ui_->ThirdExact, ui_->ThirdError, ui_->DerivedLine}) {
        SetSpokenText(line, QString());
    }
    for (QLabel* value : {ui_->FirstValue, ui_->SecondValue, ui_->ThirdValue}) {
        SetSpokenText(value, QString::fromUtf8(kNoResult));
    }
}

void TLabWindow::ShowResults(const TLabRun& run, const TLabSetup& setup) {
    const std::vector<TLabInput> inputs = LabInputsRead(setup);
    const std::array<std::pair<QLabel*, QLabel*>, 3> held = {
        std::pair{ui_->HeldFirst, ui_->TypedFirst}, std::pair{ui_->HeldSecond, ui_->TypedSecond},
        std::pair{ui_->HeldThird, ui_->TypedThird}};
    for (std::size_t k = 0; k < held.size(); ++k) {
        const bool read = k < inputs.size();
        SetSpokenText(held[k].first, read ? FromUtf8(LabHeldLine(inputs[k], setup)) : QString());
        SetSpokenText(held[k].second, read ? FromUtf8(LabTypedLine(inputs[k], setup)) : QString());
        held[k].first->setVisible(read);
        held[k].second->setVisible(read);
    }
    const auto note = [](QLabel* label, const std::string& text) {
        SetSpokenText(label, FromUtf8(text));
        label->setVisible(!text.empty());
    };
    note(ui_->ReachLine, LabReachLine(run, setup));
    note(ui_->OverflowLine, LabOverflowLine(run, setup));
    note(ui_->DerivedLine, LabDerivedLine(Derived(), run, setup));

    const QString caption = FromUtf8(LabExactCaption(setup)) + (stackedResults_ ? u'\n' : u' ');
    const auto show = [&](const TResultLabels& labels, const std::string& title, long double result,
                          long double exactValue) {
        const bool shown = !title.empty();
        for (QLabel* label : {labels.name, labels.value, labels.exact, labels.error}) {
            label->setVisible(shown);
        }
        SetSpokenText(labels.name, FromUtf8(title));
        SetSpokenText(labels.value, shown ? FromUtf8(LabResultText(result, setup)) : QString());
        SetSpokenText(labels.exact, shown ? caption + FromUtf8(FloatToStr(exactValue)) : QString());
        SetSpokenText(labels.error,
                      shown ? FromUtf8(LabErrorLine(result, exactValue, run.unit)) : QString());
    };
    show({ui_->FirstName, ui_->FirstValue, ui_->FirstExact, ui_->FirstError}, LabFirstName(setup),
         run.first, run.exactFirst);
    show({ui_->SecondName, ui_->SecondValue, ui_->SecondExact, ui_->SecondError},
         LabSecondName(setup), run.second, run.exactSecond);
    show({ui_->ThirdName, ui_->ThirdValue, ui_->ThirdExact, ui_->ThirdError}, LabThirdName(setup),
         run.third, run.exactThird);
    SetSpokenText(ui_->UnitText, FromUtf8(LabUnitText(setup)));
}

// The sweeps are made again only where what they read changed; the comparison's legend names
// the setup's rounding and guard bits.
void TLabWindow::ShowSweeps(const TLabSetup& setup) {
    if (swept_ && SameSweep(*swept_, setup)) {
        return;
    }
    swept_ = setup;
    const TLabSweep sweep = LabSweep(setup);
    if (!Compared(setup)) {
        ui_->Chart->SetSweep(sweep, WrappedErrors(setup));
        return;
    }
    TLabSetup plain = setup;
    plain.rounding = TLabRounding::Floor;
    plain.guardBits = 0;
    if (!sweptPlain_ || !SameSweep(*sweptPlain_, plain)) {
        sweptPlain_ = plain;
        plainSweep_ = LabSweep(plain);
    }
    const QRadioButton* rounding = setup.rounding == TLabRounding::HalfEven ? ui_->RoundingHalfEven
                                   : setup.rounding == TLabRounding::HalfUp ? ui_->RoundingHalfUp
                                                                            : ui_->RoundingFloor;
    ui_->Chart->SetSweep(
        sweep, WrappedErrors(setup),
        TLabErrorChart::TComparison{
            plainSweep_, rounding->text() + QStringLiteral(", G = %1").arg(setup.guardBits)});
}

void TLabWindow::SizeTable() {
    const int bits = model_->Setup().wordBits + model_->Setup().guardBits + 1;
    ui_->StepTable->SetColumnCharacters({kIndexCharacters, kSigmaCharacters, kShiftCharacters,
                                         kValueCharacters, kValueCharacters, kValueCharacters, bits,
                                         bits, bits});
    ui_->StepTable->FitToFont(model_->CellFont());
}

void TLabWindow::ZoomChanged(qreal factor) {
    Guarded([this, factor] {
        model_->SetZoom(factor);
        SizeTable();
        ui_->Chart->SetZoom(factor);
        ui_->PlotPanel->SetZoom(factor);
        if (const bool stacked = factor >= kStackedZoom; stacked != stackedResults_) {
            PlaceResults(stacked);
            Recompute(); // the exact values' captions break to the line above them
        }
        Arrange();
    });
}

// Wide: an input's held and typed values on one line, each result's error beside it and its exact
// value below. Stacked: each on a line of its own, the exact value below its caption.
void TLabWindow::PlaceResults(bool stacked) {
    stackedResults_ = stacked;
    QGridLayout* grid = ui_->ResultsLayout;
    constexpr int kAll = 3;
    // Room to spare goes right of the values, not between the names and them.
    grid->setColumnStretch(kAll - 1, 1);
    int row = 0;
    const auto place = [&](QLabel* label, int at, int column, int span) {
        grid->removeWidget(label);
        grid->addWidget(label, at, column, 1, span);
    };
    for (const auto& [held, typed] :
         {std::pair{ui_->HeldFirst, ui_->TypedFirst}, std::pair{ui_->HeldSecond, ui_->TypedSecond},
          std::pair{ui_->HeldThird, ui_->TypedThird}}) {
        place(held, row, 0, stacked ? kAll : 2);
        if (stacked) {
            ++row;
        }
        place(typed, row, stacked ? 1 : 2, stacked ? 2 : 1);
        ++row;
    }
    for (QLabel* note : {ui_->ReachLine, ui_->OverflowLine}) {
        place(note, row++, 0, kAll);
    }
    for (const TResultLabels& result :
         {TResultLabels{ui_->FirstName, ui_->FirstValue, ui_->FirstExact, ui_->FirstError},
          TResultLabels{ui_->SecondName, ui_->SecondValue, ui_->SecondExact, ui_->SecondError},
          TResultLabels{ui_->ThirdName, ui_->ThirdValue, ui_->ThirdExact, ui_->ThirdError}}) {
        place(result.name, row, 0, 1);
        place(result.value, row, 1, stacked ? 2 : 1);
        if (stacked) {
            ++row;
        }
        place(result.error, row, stacked ? 1 : 2, stacked ? 2 : 1);
        place(result.exact, ++row, 1, 2);
        ++row;
    }
    place(ui_->DerivedLine, row++, 0, kAll);
    place(ui_->UnitText, row, 0, kAll);
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
        if (refused_) {
            return;
        }
        QGuiApplication::clipboard()->setText(
            FromUtf8(LabTableTsv(model_->Run(), model_->Setup())));
    });
}
