#include "lab_vector_plot.h"

#include "colours.h"
#include "lab_vector_drawing.h"
#include "lab_vector_geometry.h"
#include "utf8_text.h"

#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>

namespace {

constexpr QSize kDesignSize(330, 340);
constexpr QSize kMinimumSize(180, 180);

// Sizes in design pixels (paper_plot.h).
constexpr qreal kCaptionPadding = 4.0;
constexpr int kCaptionFlags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;

} // namespace

TLabVectorPlot::TLabVectorPlot(QWidget* parent) : TPaperPlot(parent) {
    setAccessibleName(QStringLiteral("Vektor laboratória"));
    setAccessibleDescription(
        QStringLiteral("Vektor zobrazeného stavu na krivke sústavy (kružnica, priamka x = a alebo "
                       "vetva hyperboly) a posun z predchádzajúceho stavu"));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void TLabVectorPlot::SetRun(const TLabRun& run, TLabSystem system) {
    run_ = run;
    system_ = system;
    update();
}

void TLabVectorPlot::ShowState(int index) {
    shown_ = index;
    update();
}

QSize TLabVectorPlot::sizeHint() const {
    return ZoomedSize(kDesignSize);
}

QSize TLabVectorPlot::minimumSizeHint() const {
    return ZoomedSize(kMinimumSize);
}

void TLabVectorPlot::Paint(QPainter& painter, const QRectF& area) const {
    painter.setRenderHint(QPainter::Antialiasing);
    const QString caption = FromUtf8(LabStateCaption(run_, shown_));
    const QFontMetricsF metrics(painter.font(), painter.device());
    const QRectF text = area.adjusted(kCaptionPadding, kCaptionPadding, -kCaptionPadding, 0);
    const qreal height =
        std::max(metrics.height(), metrics.boundingRect(text, kCaptionFlags, caption).height()) +
        kCaptionPadding;
    painter.setPen(kInk);
    painter.drawText(text, kCaptionFlags, caption);
    DrawLabVector(painter, area.adjusted(0, height, 0, 0),
                  {&run_, system_, shown_, false, -1, false});
}
