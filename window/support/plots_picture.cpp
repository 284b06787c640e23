#include "plots_picture.h"

#include <QBuffer>
#include <QPainter>
#include <QSvgGenerator>
#include <QWidget>
#include <algorithm>

namespace {

QSize PictureSize(const std::vector<QWidget*>& plots) {
    QSize size(0, 0);
    for (const QWidget* plot : plots) {
        if (!plot->size().isEmpty()) {
            size.rwidth() += (size.width() > 0 ? kPictureGap : 0) + plot->width();
            size.rheight() = std::max(size.height(), plot->height());
        }
    }
    return size;
}

// The window's colour where there is more than one plot, then every plot at its place.
void Compose(QPainter& painter, const std::vector<QWidget*>& plots, const QSize& size) {
    if (plots.empty()) {
        return;
    }
    if (plots.size() > 1) {
        painter.fillRect(QRect(QPoint(0, 0), size), plots.front()->palette().window());
    }
    int left = 0;
    for (QWidget* plot : plots) {
        if (plot->size().isEmpty()) {
            continue;
        }
        plot->render(&painter, QPoint(left, 0), QRegion(), QWidget::DrawChildren);
        left += plot->width() + kPictureGap;
    }
}

} // namespace

QImage PlotsImage(const std::vector<QWidget*>& plots) {
    const QSize size = PictureSize(plots);
    QImage image(size, QImage::Format_ARGB32);
    QPainter painter(&image);
    Compose(painter, plots, size);
    return image;
}

QByteArray PlotsPng(const std::vector<QWidget*>& plots) {
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    PlotsImage(plots).save(&buffer, "PNG");
    return data;
}

QByteArray PlotsSvg(const std::vector<QWidget*>& plots, const QString& title) {
    const QSize size = PictureSize(plots);
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
        Compose(painter, plots, size);
    }
    return data;
}
