#pragma once
// Pixel probes shared by the drawing and rendering tests.
#include "foundation/SKTGraphic.h"

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QRect>

namespace zelk::test {

// Draws one graphic onto white at `dpi` (72: one pixel per point).
inline QImage drawOnWhite(const SKTGraphic& g, QSizeF points, double dpi = 72.0) {
    const double s = dpi / 72.0;
    QImage img(int(std::ceil(points.width() * s)), int(std::ceil(points.height() * s)),
               QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::white);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(s, s);
    g.drawContents(p);
    p.end();
    return img;
}

// The colour at a point given in points.
inline QColor at(const QImage& img, double x, double y, double dpi = 72.0) {
    const double s = dpi / 72.0;
    return img.pixelColor(int(x * s), int(y * s));
}

inline bool isWhite(const QColor& c, int tol = 8) {
    return c.red() >= 255 - tol && c.green() >= 255 - tol && c.blue() >= 255 - tol;
}

inline bool near(const QColor& c, const QColor& want, int tol = 10) {
    return std::abs(c.red() - want.red()) <= tol && std::abs(c.green() - want.green()) <= tol &&
           std::abs(c.blue() - want.blue()) <= tol && std::abs(c.alpha() - want.alpha()) <= tol;
}

// The smallest rectangle holding every pixel that is not (nearly) white, in
// pixels; an empty rectangle when everything is white.
inline QRect inkBox(const QImage& img, int tol = 40) {
    int l = img.width(), t = img.height(), r = -1, b = -1;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (!isWhite(img.pixelColor(x, y), tol)) {
                l = std::min(l, x); r = std::max(r, x);
                t = std::min(t, y); b = std::max(b, y);
            }
    return r < 0 ? QRect() : QRect(QPoint(l, t), QPoint(r, b));
}

}  // namespace zelk::test
