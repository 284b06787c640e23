#include "form1.h"

#include "canvas.h"
#include "guard.h"
#include "image.h"
#include "lab_window.h"
#include "label_fit.h"
#include "plot.h"
#include "screen_fit.h"
#include "step_follower.h"
#include "step_view.h"
#include "ui_form1.h"
#include "utf8_text.h"
#include "window_placement.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QShowEvent>
#include <QSlider>
#include <QStatusBar>
#include <QStyle>
#include <QStyleFactory>
#include <QTextDocument>
#include <array>

TForm1* Form1 = nullptr;

namespace {

// The design font is "MS Sans Serif" at a height of 11 pixels (8 points at 96 pixels per inch).
// Where it is missing, Liberation Sans (Arial's widths, the nearest to the design font that Debian
// has) stands in at the same pixel size, so that the result fields show all their digits, and
// DejaVu Sans after it.
constexpr std::array kDesignFontFamilies = {"MS Sans Serif", "Liberation Sans", "DejaVu Sans"};
constexpr int kDesignFontPixels = 11;
// The built-in style whose group boxes are plain frames.
constexpr auto kGroupBoxStyle = "Windows";
// The way to the step view: a key anywhere in the window, and the plot's context menu.
constexpr auto kStepViewKey = Qt::Key_F2;
constexpr auto kStepViewItem = "Zobraziť kroky…";
constexpr auto kPlotToolTip = "Pravé tlačidlo alebo F2: kroky algoritmu";
// The way to the laboratory: the same, with F3.
constexpr auto kLaboratoryKey = Qt::Key_F3;
constexpr auto kLaboratoryItem = "Laboratórium…";
// The narrowest the laboratory is made to stand beside the main window: its settings in a row.
constexpr int kNarrowestLaboratory = 900;
// Where the window's frame stands on the screen at start-up (left, top).
constexpr QPoint kDesignPosition(269, 120);
// Replaces the field's text and shows its beginning, as a freshly filled field does.
void SetFieldText(QLineEdit* field, std::string_view text) {
    field->setText(FromUtf8(text));
    field->setCursorPosition(0);
}

// Appends a computed line. It is not the user's edit, so it stays off the undo stack (the
// stack starts afresh after it, as an edit control's does after a replacement it can't undo).
void AppendLine(QPlainTextEdit* memo, std::string_view line) {
    QTextDocument* document = memo->document();
    document->setUndoRedoEnabled(false);
    memo->appendPlainText(FromUtf8(line));
    document->setUndoRedoEnabled(true);
    QScrollBar* bar = memo->verticalScrollBar();
    bar->setValue(bar->maximum());
}

} // namespace

TForm1::TForm1(QWidget* parent) : QWidget(parent), ui_(std::make_unique<Ui::TForm1>()) {
    ui_->setupUi(this);
    move(kDesignPosition);
    SetDesignFont();

    // The window's background is the button face colour, the colour the plot is cleared to.
    QPalette background = palette();
    background.setColor(QPalette::Window, background.color(QPalette::Button));
    setPalette(background);

    // Group boxes are drawn as plain etched frames with the caption on the top line, without
    // the tinted inside some styles give them, so that the plot's background meets the window's.
    // The style is the window's child created after the controls, so it is destroyed after them.
    if (QStyle* frameStyle = QStyleFactory::create(QString::fromLatin1(kGroupBoxStyle))) {
        frameStyle->setParent(this);
        for (QGroupBox* group : findChildren<QGroupBox*>()) {
            group->setStyle(frameStyle);
        }
    }

    sbText_ = new QLabel(ui_->Sb);
    sbText_->setObjectName(QStringLiteral("SbText"));
    sbText_->setTextFormat(Qt::PlainText);
    ui_->Sb->addWidget(sbText_, 1);

    // A result may be wider than its field: its tooltip shows the whole text.
    for (QLineEdit* field : {ui_->Cos, ui_->Sin, ui_->Kcos, ui_->Ksin}) {
        connect(field, &QLineEdit::textChanged, field, &QWidget::setToolTip);
    }

    SetUpStepView();
    SetUpLaboratory();
    SetTabOrder();
    ui_->Input->setFocus();

    connect(ui_->Button1, &QPushButton::clicked, this, &TForm1::Button1Click);
    FormCreate();
}

TForm1::~TForm1() {
    if (Form1 == this) {
        Form1 = nullptr;
    }
}

void TForm1::SetDesignFont() {
    QFont font;
    QStringList families;
    for (const char* family : kDesignFontFamilies) {
        families << QString::fromLatin1(family);
    }
    font.setFamilies(families);
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(kDesignFontPixels);
    setFont(font);
    for (QLabel* label : {ui_->Label1, ui_->StaticText1, ui_->StaticText2, ui_->StaticText3}) {
        FitTextToWidth(label);
    }
}

// The design order: Input, Button1, Memo1, Cos, Sin, then inside GroupBox1 the unit choice and
// the slider, inside GroupBox3 the two reference fields, and last Memo2. Labels, group boxes and
// the status bar take no focus.
void TForm1::SetTabOrder() {
    const std::array<QWidget*, 11> order{
        ui_->Input,          ui_->Button1, ui_->Memo1, ui_->Cos,  ui_->Sin,  ui_->Typ->Button(0),
        ui_->Typ->Button(1), ui_->Tb,      ui_->Ksin,  ui_->Kcos, ui_->Memo2};
    for (std::size_t i = 1; i < order.size(); ++i) {
        setTabOrder(order[i - 1], order[i]);
    }
}

// The step view follows every run; F2 anywhere in the window, or the plot's context menu, opens
// it. Until it is opened nothing of it shows.
void TForm1::SetUpStepView() {
    // A held run sleeps until an event arrives.
    steps_ = std::make_unique<TStepFollower>(
        this, [this] { return PumpEvents(QEventLoop::WaitForMoreEvents); },
        [this] { return ui_->Tb->value(); });
    connect(steps_.get(), &TStepFollower::LaboratoryRequested, this, &TForm1::ShowLaboratory);
    auto* showSteps = new QAction(QString::fromUtf8(kStepViewItem), this);
    showSteps->setShortcut(QKeySequence(kStepViewKey));
    showSteps->setShortcutContext(Qt::WindowShortcut);
    connect(showSteps, &QAction::triggered, this, &TForm1::ShowSteps);
    addAction(showSteps);
    ui_->Img->addAction(showSteps);
    ui_->Img->setContextMenuPolicy(Qt::ActionsContextMenu);
    ui_->Img->setToolTip(QString::fromUtf8(kPlotToolTip));
}

// F3 anywhere in the window, or the plot's context menu below the step view's item, opens the
// laboratory. It shares nothing with the window's runs; until it is opened nothing of it exists.
void TForm1::SetUpLaboratory() {
    auto* showLaboratory = new QAction(QString::fromUtf8(kLaboratoryItem), this);
    showLaboratory->setShortcut(QKeySequence(kLaboratoryKey));
    showLaboratory->setShortcutContext(Qt::WindowShortcut);
    connect(showLaboratory, &QAction::triggered, this, &TForm1::ShowLaboratory);
    addAction(showLaboratory);
    ui_->Img->addAction(showLaboratory);
}

void TForm1::ShowLaboratory() {
    Guarded([this] {
        const bool first = laboratory_ == nullptr;
        if (first) {
            laboratory_ = new TLabWindow(this);
        }
        ShowBesideOwner(laboratory_, this, kNarrowestLaboratory, first);
    });
}

TLabWindow* TForm1::Laboratory() const {
    return laboratory_;
}

void TForm1::ShowSteps() {
    Guarded([this] { steps_->ShowView(); });
}

TStepView* TForm1::StepView() const {
    return steps_->View();
}

void TForm1::FormCreate() {
    ClearPlot(ui_->Img->Canvas(), ui_->Img->width(), ui_->Img->height());
}

void TForm1::Button1Click() {
    Guarded([this] { RunComputation(*this, steps_.get()); });
}

QString TForm1::StatusText() const {
    return sbText_->text();
}

std::string TForm1::InputText() {
    return ui_->Input->text().toStdString();
}

int TForm1::TypItemIndex() {
    return ui_->Typ->ItemIndex();
}

int TForm1::TbPosition() {
    return ui_->Tb->value();
}

int TForm1::ImgWidth() {
    return ui_->Img->width();
}

int TForm1::ImgHeight() {
    return ui_->Img->height();
}

void TForm1::SetCosText(std::string_view text) {
    SetFieldText(ui_->Cos, text);
}

void TForm1::SetSinText(std::string_view text) {
    SetFieldText(ui_->Sin, text);
}

void TForm1::SetKcosText(std::string_view text) {
    SetFieldText(ui_->Kcos, text);
}

void TForm1::SetKsinText(std::string_view text) {
    SetFieldText(ui_->Ksin, text);
}

void TForm1::SetStatusText(std::string_view text) {
    const QString status = FromUtf8(text);
    sbText_->setText(status);
    ui_->Sb->setAccessibleDescription(status);
}

void TForm1::SetButton1Enabled(bool enabled) {
    QPushButton* button = ui_->Button1;
    if (!enabled) {
        // A focused control that is disabled keeps the keyboard, and keys typed meanwhile go
        // nowhere: the window takes the focus in its place, so that nothing typed during a run
        // lands in a field or a trace panel the user did not click into.
        const bool hadFocus = focusWidget() == button;
        if (hadFocus) {
            setFocus(Qt::OtherFocusReason);
        }
        button->setEnabled(false);
        focusAfterDisable_ = hadFocus ? focusWidget() : nullptr;
        return;
    }
    button->setEnabled(true);
    if (focusAfterDisable_ != nullptr && focusWidget() == focusAfterDisable_) {
        button->setFocus();
    }
    focusAfterDisable_ = nullptr;
}

void TForm1::ClearMemo1() {
    ui_->Memo1->clear();
}

void TForm1::ClearMemo2() {
    ui_->Memo2->clear();
}

void TForm1::AppendMemo1(std::string_view line) {
    AppendLine(ui_->Memo1, line);
}

void TForm1::AppendMemo2(std::string_view line) {
    AppendLine(ui_->Memo2, line);
}

void TForm1::DrawStepFrame(long double theta, long double x, long double y, int cx, int cy) {
    ::DrawStepFrame(ui_->Img->Canvas(), theta, x, y, cx, cy);
}

bool TForm1::ProcessMessages() {
    return PumpEvents(QEventLoop::AllEvents);
}

bool TForm1::PumpEvents(QEventLoop::ProcessEventsFlags flags) {
    if (closed_) {
        return false;
    }
    QCoreApplication::processEvents(flags);
    return !closed_;
}

void TForm1::closeEvent(QCloseEvent* event) {
    closed_ = true;
    event->accept();
    Guarded([this] {
        if (TStepView* view = steps_->View()) {
            view->close();
        }
        if (laboratory_ != nullptr) {
            laboratory_->close();
        }
    });
}

void TForm1::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (!enter || (event->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) {
        QWidget::keyPressEvent(event);
        return;
    }
    // The default button's part: a disabled start button swallows the key too.
    event->accept();
    Guarded([this] {
        if (ui_->Button1->isEnabled()) {
            ui_->Button1->click();
        }
    });
}

void TForm1::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!event->spontaneous() && !shownOnce_) {
        shownOnce_ = true;
        KeepOnScreen();
        // The window manager tells the frame's size only once it has framed the window.
        QMetaObject::invokeMethod(this, &TForm1::KeepOnScreen, Qt::QueuedConnection);
    }
}

// The design position holds where the whole frame fits the screen's available area (scaled up
// for a projector, or on a small screen, it may not).
void TForm1::KeepOnScreen() {
    Guarded([this] {
        const QScreen* onScreen = screen();
        if (onScreen == nullptr) {
            return;
        }
        const QRect frame = frameGeometry();
        const QRect available = onScreen->availableGeometry();
        const TScreenPoint fitted =
            FitFrameOnScreen({frame.x(), frame.y(), frame.width(), frame.height()},
                             {available.x(), available.y(), available.width(), available.height()});
        if (fitted.x != frame.x() || fitted.y != frame.y()) {
            move(fitted.x, fitted.y);
        }
    });
}

void TForm1::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    Guarded([this] {
        const int barHeight = ui_->Sb->height();
        ui_->Sb->setGeometry(0, height() - barHeight, width(), barHeight);
    });
}
