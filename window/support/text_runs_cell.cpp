#include "text_runs_cell.h"

#include <QApplication>
#include <QFontMetricsF>
#include <QPainter>
#include <QStyleOptionViewItem>
#include <cmath>

namespace {

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

} // namespace

QColor CellTextColour(const QStyleOptionViewItem& cell) {
    const bool selected = (cell.state & QStyle::State_Selected) != 0;
    return cell.palette.color(ColourGroup(cell),
                              selected ? QPalette::HighlightedText : QPalette::Text);
}

bool PaintTextRuns(QPainter* painter, const QStyleOptionViewItem& cell,
                   const std::vector<TTextRun>& runs) {
    const QWidget* widget = cell.widget;
    const QStyle* style = widget != nullptr ? widget->style() : QApplication::style();
    // The text's place as the style lays out a plain item, less the margin it keeps inside.
    const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, widget) + 1;
    const QRect textRect = style->subElementRect(QStyle::SE_ItemViewItemText, &cell, widget)
                               .adjusted(margin, 0, -margin, 0);
    qreal width = 0;
    for (const TTextRun& run : runs) {
        width += QFontMetricsF(run.font).horizontalAdvance(run.text);
    }
    if (width > textRect.width()) {
        return false;
    }
    const QRect line =
        QStyle::alignedRect(cell.direction, cell.displayAlignment,
                            QSize(static_cast<int>(std::ceil(width)), textRect.height()), textRect);

    painter->save();
    DrawCellFrame(painter, cell);
    painter->setClipRect(textRect);
    qreal left = line.left();
    for (const TTextRun& run : runs) {
        const qreal runWidth = QFontMetricsF(run.font).horizontalAdvance(run.text);
        if (run.background.isValid()) {
            painter->fillRect(QRectF(left, line.top(), runWidth, line.height()), run.background);
        }
        painter->setFont(run.font);
        painter->setPen(run.colour);
        painter->drawText(QRectF(left, line.top(), runWidth, line.height()),
                          Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, run.text);
        left += runWidth;
    }
    painter->restore();
    return true;
}
