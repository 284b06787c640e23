#include "radio_group.h"

#include <QEvent>
#include <QPainter>
#include <QRadioButton>
#include <QStyleOptionGroupBox>

namespace {

// Horizontal room the frame takes from the buttons' width, and the buttons' left indent.
constexpr int kFrameWidth = 10;
constexpr int kButtonLeft = 8;
// Height taken below the caption line before the buttons share the rest.
constexpr int kBottomMargin = 5;

} // namespace

TRadioGroup::TRadioGroup(QWidget* parent) : QGroupBox(parent) {
    buttons_.setExclusive(true);
}

QStringList TRadioGroup::Items() const {
    QStringList items;
    for (QAbstractButton* button : buttons_.buttons()) {
        items.append(button->text());
    }
    return items;
}

void TRadioGroup::SetItems(const QStringList& items) {
    for (QAbstractButton* button : buttons_.buttons()) {
        buttons_.removeButton(button);
        delete button;
    }
    for (int i = 0; i < items.size(); ++i) {
        auto* button = new QRadioButton(items[i], this);
        buttons_.addButton(button, i);
        button->show();
    }
    ArrangeButtons();
}

int TRadioGroup::ItemIndex() const {
    return buttons_.checkedId();
}

void TRadioGroup::SetItemIndex(int index) {
    if (QAbstractButton* button = buttons_.button(index)) {
        button->setChecked(true);
        return;
    }
    if (QAbstractButton* checked = buttons_.checkedButton()) {
        buttons_.setExclusive(false);
        checked->setChecked(false);
        buttons_.setExclusive(true);
    }
}

QRadioButton* TRadioGroup::Button(int index) const {
    return static_cast<QRadioButton*>(buttons_.button(index));
}

// The style starts the frame of a box without a caption at its top edge. A classic group box
// draws its frame half a text line down whether it has a caption or not, so that it stands
// level with the frames of captioned boxes beside it: the frame is drawn there.
void TRadioGroup::paintEvent(QPaintEvent* event) {
    if (!title().isEmpty()) {
        QGroupBox::paintEvent(event);
        return;
    }
    QPainter painter(this);
    QStyleOptionGroupBox option;
    initStyleOption(&option);
    option.rect.setTop(option.rect.top() + fontMetrics().height() / 2);
    style()->drawComplexControl(QStyle::CC_GroupBox, &option, &painter, this);
}

void TRadioGroup::resizeEvent(QResizeEvent* event) {
    QGroupBox::resizeEvent(event);
    ArrangeButtons();
}

void TRadioGroup::changeEvent(QEvent* event) {
    QGroupBox::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        ArrangeButtons();
    }
}

void TRadioGroup::ArrangeButtons() {
    const QList<QAbstractButton*> buttons = buttons_.buttons();
    if (buttons.isEmpty()) {
        return;
    }
    const int lineHeight = fontMetrics().height();
    const int room = height() - lineHeight - kBottomMargin;
    const int buttonHeight = room / static_cast<int>(buttons.size());
    const int top = lineHeight + 1 + (room % static_cast<int>(buttons.size())) / 2;
    for (QAbstractButton* button : buttons) {
        const int i = buttons_.id(button);
        button->setGeometry(kButtonLeft, top + i * buttonHeight, width() - kFrameWidth,
                            buttonHeight);
    }
}
