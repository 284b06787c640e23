#include "app_icon.h"

#include "colours.h"

#include <QPainter>
#include <QPen>
#include <cmath>
#include <numbers>

namespace {

// The angle the icon's vector stands at: 30 degrees.
constexpr double kVectorAngle = std::numbers::pi / 6.0;

} // namespace

QImage DrawAppIcon(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);

    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const double unit = size / 32.0;
    const QPointF centre(size / 2.0, size / 2.0);
    const double radius = 13.0 * unit;

    painter.setPen(QPen(kIconAxisColour, 1.0 * unit));
    painter.drawLine(QPointF(1.0 * unit, centre.y()), QPointF(size - 1.0 * unit, centre.y()));
    painter.drawLine(QPointF(centre.x(), 1.0 * unit), QPointF(centre.x(), size - 1.0 * unit));

    painter.setPen(QPen(kCircleColour, 1.5 * unit));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(centre, radius, radius);

    const QPointF tip(centre.x() + radius * std::cos(kVectorAngle),
                      centre.y() - radius * std::sin(kVectorAngle));
    painter.setPen(QPen(kVectorColour, 2.5 * unit, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(centre, tip);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kVectorColour);
    painter.drawEllipse(tip, 2.0 * unit, 2.0 * unit);
    return image;
}
