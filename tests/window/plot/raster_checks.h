#pragma once

#include <QImage>
#include <QPoint>
#include <cstdlib>
#include <gtest/gtest.h>
#include <string>

// The colour of pixels no drawing has touched.
inline constexpr QRgb kUntouched = qRgb(1, 2, 3);

inline QImage UntouchedImage(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(kUntouched);
    return image;
}

inline std::string Describe(QPoint p) {
    return "(" + std::to_string(p.x()) + ", " + std::to_string(p.y()) + ")";
}

// The exact line from `from` to `to` at the major-axis coordinate `major` (x for lines at most
// 45 degrees from the horizontal, else y): its minor coordinate.
inline double IdealMinor(QPoint from, QPoint to, int major) {
    const bool xMajor = std::abs(to.x() - from.x()) >= std::abs(to.y() - from.y());
    const double m0 = xMajor ? from.x() : from.y();
    const double m1 = xMajor ? to.x() : to.y();
    const double n0 = xMajor ? from.y() : from.x();
    const double n1 = xMajor ? to.y() : to.x();
    return n0 + (n1 - n0) * (major - m0) / (m1 - m0);
}

// The end pixel of the line from `from` to `to` is not `rgb`, and the line's last pixel -- one
// step back along the major axis, at the minor coordinate nearest the exact line (either one
// at a tie) -- is.
inline testing::AssertionResult LineEndsAt(const QImage& image, QPoint from, QPoint to, QRgb rgb) {
    if (image.rect().contains(to) && image.pixel(to) == rgb) {
        return testing::AssertionFailure() << "the end point " << Describe(to) << " is coloured";
    }
    const bool xMajor = std::abs(to.x() - from.x()) >= std::abs(to.y() - from.y());
    const int toMajor = xMajor ? to.x() : to.y();
    const int fromMajor = xMajor ? from.x() : from.y();
    const int major = toMajor + (toMajor > fromMajor ? -1 : 1);
    const double minor = IdealMinor(from, to, major);
    for (int candidate = static_cast<int>(minor) - 1; candidate <= static_cast<int>(minor) + 1;
         ++candidate) {
        const QPoint p = xMajor ? QPoint(major, candidate) : QPoint(candidate, major);
        if (std::abs(candidate - minor) <= 0.5 && image.pixel(p) == rgb) {
            return testing::AssertionSuccess();
        }
    }
    return testing::AssertionFailure() << "no pixel of the colour one step before " << Describe(to)
                                       << " near the line from " << Describe(from);
}
