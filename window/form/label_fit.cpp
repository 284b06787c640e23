#include "label_fit.h"

#include <QFontMetricsF>
#include <QLabel>
#include <algorithm>

namespace {

// Fitting a label's text to its width: the most a run of blanks may shrink, as a share of its
// width, and the room left free at the right so that rounding never clips the last letter.
constexpr qreal kBlankRunShrink = 1.0 / 3.0;
constexpr qreal kFitMargin = 0.5;

} // namespace

void FitTextToWidth(QLabel* label) {
    const QString text = label->text();
    QFont font = label->font();
    const QFontMetricsF metrics(font);
    const qreal excess =
        metrics.horizontalAdvance(text) + kFitMargin - label->contentsRect().width();
    if (excess <= 0.0 || text.isEmpty()) {
        return;
    }
    int runs = 0;
    qsizetype shortestRun = text.size();
    for (qsizetype i = 0; i < text.size();) {
        qsizetype end = i;
        while (end < text.size() && text[end] == u' ') {
            ++end;
        }
        if (end > i) {
            ++runs;
            shortestRun = std::min(shortestRun, end - i);
            i = end;
        } else {
            ++i;
        }
    }
    qreal perRun = 0.0;
    if (runs > 0) {
        const qreal shortestRunWidth =
            metrics.horizontalAdvance(QString(shortestRun, u' ')) * kBlankRunShrink;
        perRun = std::min(excess / runs, shortestRunWidth);
        font.setWordSpacing(-perRun);
    }
    const qreal rest = excess - perRun * runs;
    if (rest > 0.0) {
        font.setLetterSpacing(QFont::AbsoluteSpacing, -rest / static_cast<qreal>(text.size()));
    }
    label->setFont(font);
}
