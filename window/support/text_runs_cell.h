#pragma once

#include <QColor>
#include <QFont>
#include <QString>
#include <vector>

class QPainter;
class QStyleOptionViewItem;

// A table cell whose text is drawn in runs of their own font and colour (settled digits in bold
// green, the bits a shift drops underlined), some on a background of their own (guard bits),
// where the style puts a plain item's text.

struct TTextRun {
    QString text;
    QFont font;
    QColor colour;
    QColor background = {}; // behind the run's text; none where invalid
};

// The colour of a cell's plain text: the palette's text colour, or the highlighted text's on a
// selected cell, in the cell's colour group (disabled, inactive or active).
QColor CellTextColour(const QStyleOptionViewItem& cell);

// Paints the cell's background, selection and focus frame and then `runs`, left to right, aligned
// as the cell's text would be. Runs that would not fit whole paint nothing and return false:
// the cell's usual painting then elides its text.
bool PaintTextRuns(QPainter* painter, const QStyleOptionViewItem& cell,
                   const std::vector<TTextRun>& runs);
