#include "count_spin_box.h"

#include <QFontMetrics>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionSpinBox>
#include <algorithm>
#include <limits>

namespace {

// Room for the text cursor beside the widest number, as QAbstractSpinBox leaves it.
constexpr int kCursorRoom = 2;

} // namespace

TCountSpinBox::TCountSpinBox(QWidget* parent) : QSpinBox(parent) {
    setRange(std::numeric_limits<int>::min(), std::numeric_limits<int>::max());
    // A number typed reaches QSpinBox's textChanged first, from its own handler of the editor's
    // change, and is told there; the editor's change after it is then no news.
    connect(this, &QSpinBox::textChanged, this, [this](const QString& text) {
        told_ = text;
        emit EditorTextChanged(text);
    });
    connect(lineEdit(), &QLineEdit::textChanged, this, [this](const QString& text) {
        if (text != told_) {
            told_ = text;
            emit EditorTextChanged(text);
        }
    });
}

void TCountSpinBox::SetRange(int least, int most) {
    least_ = least;
    most_ = most;
    updateGeometry();
}

void TCountSpinBox::stepBy(int steps) {
    const long long target =
        std::clamp(static_cast<long long>(value()) + steps, static_cast<long long>(least_),
                   static_cast<long long>(most_));
    QSpinBox::stepBy(static_cast<int>(target - value()));
}

QAbstractSpinBox::StepEnabled TCountSpinBox::stepEnabled() const {
    StepEnabled enabled = StepNone;
    if (isReadOnly()) {
        return enabled;
    }
    if (value() < most_) {
        enabled |= StepUpEnabled;
    }
    if (value() > least_) {
        enabled |= StepDownEnabled;
    }
    return enabled;
}

// The width of the setting's widest number, as QAbstractSpinBox measures its range's ends.
QSize TCountSpinBox::HintFor(int editorHeight) const {
    const QFontMetrics metrics(fontMetrics());
    int width = 0;
    for (const int end : {least_, most_}) {
        width = std::max(width, metrics.horizontalAdvance(textFromValue(end) + u' '));
    }
    QStyleOptionSpinBox option;
    initStyleOption(&option);
    return style()->sizeFromContents(QStyle::CT_SpinBox, &option,
                                     QSize(width + kCursorRoom, editorHeight), this);
}

QSize TCountSpinBox::sizeHint() const {
    ensurePolished();
    return HintFor(lineEdit()->sizeHint().height());
}

QSize TCountSpinBox::minimumSizeHint() const {
    ensurePolished();
    return HintFor(lineEdit()->minimumSizeHint().height());
}
