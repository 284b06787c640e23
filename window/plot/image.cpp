#include "image.h"

#include <QPainter>
#include <algorithm>
#include <cstring>
#include <utility>

TImage::TImage(QWidget* parent) : QWidget(parent) {
    // Every paint covers the whole widget with the image.
    setAttribute(Qt::WA_OpaquePaintEvent);
    FitImageToWidget();
}

TCanvas& TImage::Canvas() {
    FitImageToWidget();
    update();
    return canvas_;
}

const QImage& TImage::Picture() const {
    FitImageToWidget();
    return image_;
}

void TImage::paintEvent(QPaintEvent* /*event*/) {
    FitImageToWidget();
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(rect(), image_);
}

void TImage::resizeEvent(QResizeEvent* event) {
    FitImageToWidget();
    QWidget::resizeEvent(event);
}

void TImage::FitImageToWidget() const {
    if (image_.size() == size()) {
        return;
    }
    QImage resized(size(), QImage::Format_RGB32);
    resized.fill(ColorToRgb(clBtnFace));
    const int keptRows = std::min(image_.height(), resized.height());
    const auto keptBytes =
        static_cast<std::size_t>(std::min(image_.width(), resized.width())) * sizeof(QRgb);
    for (int row = 0; row < keptRows; ++row) {
        std::memcpy(resized.scanLine(row), image_.constScanLine(row), keptBytes);
    }
    image_ = std::move(resized);
}
