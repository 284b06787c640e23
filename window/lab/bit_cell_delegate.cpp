#include "bit_cell_delegate.h"

#include "guard.h"
#include "lab_table_model.h"

#include <QApplication>
#include <QFontMetricsF>
#include <QPainter>
#include <cmath>

namespace {

constexpr QColor kDroppedColour(0xC0, 0x40, 0x00);

// The cell's background, selection and focus frame, without its text.
void DrawCellFrame(QPainter* painter, QStyleOptionViewItem frame) {
    frame.text.clear();
    const QWidget* widget = frame.widget;
    QStyle* style = widget != nullptr ? widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &frame, painter, widget);
}

// One run of characters from `left` on, centred vertically in `line`; returns where it ends.
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

QColor TBitCellDelegate::DroppedColour() {
    return kDroppedColour;
}

void TBitCellDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                             const QModelIndex& index) const {
    Guarded([&] {
        if (!PaintMarked(painter, option, index)) {
            QStyledItemDelegate::paint(painter, option, index);
        }
    });
}

bool TBitCellDelegate::PaintMarked(QPainter* painter, const QStyleOptionViewItem& option,
                                   const QModelIndex& index) const {
    QStyleOptionViewItem cell(option);
    initStyleOption(&cell, index);
    const int start = index.data(TLabTableModel::kDroppedStartRole).toInt();
    if (cell.text.isEmpty() || start >= cell.text.size()) {
        return false;
    }
    const QWidget* widget = cell.widget;
    const QStyle* style = widget != nullptr ? widget->style() : QApplication::style();
    const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, widget) + 1;
    const QRect textRect = style->subElementRect(QStyle::SE_ItemViewItemText, &cell, widget)
                               .adjusted(margin, 0, -margin, 0);
    const qreal width = QFontMetricsF(cell.font).horizontalAdvance(cell.text);
    if (width > textRect.width()) {
        return false; // the usual painting elides it
    }
    const QRect line =
        QStyle::alignedRect(cell.direction, cell.displayAlignment,
                            QSize(static_cast<int>(std::ceil(width)), textRect.height()), textRect);

    const bool selected = (cell.state & QStyle::State_Selected) != 0;
    const QColor textColour =
        cell.palette.color(selected ? QPalette::HighlightedText : QPalette::Text);
    QFont droppedFont = cell.font;
    droppedFont.setUnderline(true);

    painter->save();
    DrawCellFrame(painter, cell);
    painter->setClipRect(textRect);
    qreal left = DrawRun(painter, line, line.left(), cell.text.left(start), cell.font, textColour);
    // The dropped part, character by character: the dot keeps the plain look.
    for (const QChar character : cell.text.mid(start)) {
        const bool bit = character != u'.';
        left = DrawRun(painter, line, left, QString(character), bit ? droppedFont : cell.font,
                       bit && !selected ? kDroppedColour : textColour);
    }
    painter->restore();
    return true;
}
