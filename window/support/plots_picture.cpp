#include "plots_picture.h"

#include "colours.h"

#include <QBuffer>
#include <QFontMetrics>
#include <QPainter>
#include <QSvgGenerator>
#include <QWidget>
#include <algorithm>

namespace {

// Room above and below the caption's line, and before it.
constexpr int kCaptionPadding = 4;

int CaptionHeight(const std::vector<QWidget*>& plots, const QString& caption) {
    if (plots.empty() || caption.isEmpty()) {
        return 0;
    }
    return QFontMetrics(plots.front()->font()).height() + 2 * kCaptionPadding;
}

QSize PlotsSize(const std::vector<QWidget*>& plots) {
    QSize size(0, 0);
    for (const QWidget* plot : plots) {
        if (!plot->size().isEmpty()) {
            size.rwidth() += (size.width() > 0 ? kPictureGap : 0) + plot->width();
            size.rheight() = std::max(size.height(), plot->height());
        }
    }
    return size;
}

QSize PictureSize(const std::vector<QWidget*>& plots, const QString& caption) {
    const QSize plotsSize = PlotsSize(plots);
    return {plotsSize.width(), plotsSize.height() + CaptionHeight(plots, caption)};
}

// The caption's strip, then every plot at its place, each within its own frame.
void Compose(QPainter& painter, const std::vector<QWidget*>& plots, const QSize& size,
             const QString& caption) {
    if (plots.empty()) {
        return;
    }
    const int captionHeight = CaptionHeight(plots, caption);
    if (captionHeight > 0) {
        const QRect strip(0, 0, size.width(), captionHeight);
        painter.fillRect(strip, kPaper);
        painter.setPen(kInk);
        painter.setFont(plots.front()->font());
        painter.drawText(strip.adjusted(kCaptionPadding, 0, -kCaptionPadding, 0),
                         Qt::AlignLeft | Qt::AlignVCenter, caption);
    }
    int left = 0;
    for (QWidget* plot : plots) {
        if (plot->size().isEmpty()) {
            continue;
        }
        const QPoint at(left, captionHeight);
        painter.save();
        painter.setClipRect(QRect(at, plot->size()));
        plot->render(&painter, at, QRegion(), QWidget::DrawChildren);
        painter.restore();
        left += plot->width() + kPictureGap;
    }
}

} // namespace

QImage PlotsImage(const std::vector<QWidget*>& plots, const QString& caption) {
    const QSize size = PictureSize(plots, caption);
    QImage image(size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    Compose(painter, plots, size, caption);
    return image;
}

QByteArray PlotsPng(const std::vector<QWidget*>& plots, const QString& caption) {
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    PlotsImage(plots, caption).save(&buffer, "PNG");
    return data;
}

QByteArray PlotsSvg(const std::vector<QWidget*>& plots, const QString& title,
                    const QString& caption) {
    const QSize size = PictureSize(plots, caption);
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setSize(size);
    generator.setViewBox(QRect(QPoint(0, 0), size));
    generator.setTitle(title);
    {
        QPainter painter(&generator);
        Compose(painter, plots, size, caption);
    }
    return data;
}
