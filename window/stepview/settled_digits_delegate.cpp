#include "settled_digits_delegate.h"

#include "guard.h"
#include "step_table_model.h"

#include <QApplication>
#include <QFontMetricsF>
#include <QPainter>
#include <cmath>

namespace {

// The settled digits' colour on an unselected cell: dark green.
constexpr QColor kSettledColour(0x00, 0x64, 0x00);

QPalette::ColorGroup ColourGroup(const QStyleOptionViewItem& option) {
    if (!(option.state & QStyle::State_Enabled)) {
        return QPalette::Disabled;
    }
    return (option.state & QStyle::State_Active) ? QPalette::Normal : QPalette::Inactive;
}

// The cell's background, selection and focus frame, without its text.
void DrawCellFrame(QPainter* painter, QStyleOptionViewItem frame) {
    frame.text.clear();
    const QWidget* widget = frame.widget;
    QStyle* style = widget != nullptr ? widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &frame, painter, widget);
}

// One run of text from `left` on, centred vertically in `line`; returns where it ends.
qreal DrawRun(QPainter* painter, const QRectF& line, qreal left, const QString& text,
              const QFont& font, const QColor& colour) {
    const qreal width = QFontMetricsF(font).horizontalAdvance(text);
    painter->setFont(font);
    painter->setPen(colour);
    painter->drawText(QRectF(left, line.top(), width, line.height()),
                      Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, text);
    return left + width;
}

} // namespace

void TSettledDigitsDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                   const QModelIndex& index) const {
    Guarded([&] {
        if (!PaintSettled(painter, option, index)) {
            QStyledItemDelegate::paint(painter, option, index);
        }
    });
}

bool TSettledDigitsDelegate::PaintSettled(QPainter* painter, const QStyleOptionViewItem& option,
                                          const QModelIndex& index) const {
    const int prefix = index.data(TStepTableModel::kSettledPrefixRole).toInt();
    QStyleOptionViewItem cell(option);
    initStyleOption(&cell, index);
    if (prefix <= 0 || cell.text.isEmpty()) {
        return false;
    }
    const QWidget* widget = cell.widget;
    const QStyle* style = widget != nullptr ? widget->style() : QApplication::style();
    // The text's place as the style lays out a plain item, less the margin it keeps inside.
    const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, widget) + 1;
    const QRect textRect = style->subElementRect(QStyle::SE_ItemViewItemText, &cell, widget)
                               .adjusted(margin, 0, -margin, 0);

    QFont settledFont = cell.font;
    settledFont.setBold(true);
    const QString settled = cell.text.left(prefix);
    const QString rest = cell.text.mid(prefix);
    const qreal width = QFontMetricsF(settledFont).horizontalAdvance(settled) +
                        QFontMetricsF(cell.font).horizontalAdvance(rest);
    if (width > textRect.width()) {
        return false; // the usual painting elides it
    }
    const QRect line =
        QStyle::alignedRect(cell.direction, cell.displayAlignment,
                            QSize(static_cast<int>(std::ceil(width)), textRect.height()), textRect);

    const bool selected = (cell.state & QStyle::State_Selected) != 0;
    const QPalette::ColorGroup group = ColourGroup(cell);
    const QColor textColour =
        cell.palette.color(group, selected ? QPalette::HighlightedText : QPalette::Text);

    painter->save();
    DrawCellFrame(painter, cell);
    painter->setClipRect(textRect);
    const qreal end = DrawRun(painter, line, line.left(), settled, settledFont,
                              selected ? textColour : kSettledColour);
    DrawRun(painter, line, end, rest, cell.font, textColour);
    painter->restore();
    return true;
}
