#include "foundation/DrawingCodes.h"

#include "foundation/SKTGraphic.h"

#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QHash>
#include <QImageReader>
#include <QLinearGradient>
#include <QPaintDevice>
#include <QPainter>
#include <QPainterPath>
#include <QPainterPathStroker>
#include <QTextLayout>
#include <QTextOption>
#include <QtMath>

#include <algorithm>
#include <cmath>
#include <mutex>
#include <vector>

namespace zelk {

QList<qreal> dashPatternPoints(const QString& dashCode) {
    if (dashCode == QLatin1String("DA"))
        return {8, 2};
    if (dashCode == QLatin1String("DO"))
        return {4, 6};
    if (dashCode == QLatin1String("DD"))
        return {24, 10, 6, 10};
    if (dashCode == QLatin1String("DDD"))
        return {24, 8, 8, 8, 8, 8};
    return {};
}

bool drawableBounds(const QRectF& b) {
    const double v[] = {b.x(), b.y(), b.width(), b.height()};
    for (double x : v)
        if (!std::isfinite(x) || std::abs(x) > MaxDrawingCoordinate)
            return false;
    return true;
}

double saneLength(double value, double max) {
    if (!std::isfinite(value) || value <= 0)
        return 0.0;
    return std::min(value, max);
}

namespace {
// Thicker lines or wider shadows than this are nonsense on a card.
constexpr double MaxStrokeWidth = 1e4;
constexpr double MaxShadowBlur = 1e3;
constexpr double MaxShadowOffset = 1e4;

double shadowOffset(double v) {
    return std::isfinite(v) ? std::clamp(v, -MaxShadowOffset, MaxShadowOffset) : 0.0;
}
}  // namespace

QPen strokePen(const QColor& color, double width, const QString& dashCode, Qt::PenCapStyle cap) {
    const double w = saneLength(width, MaxStrokeWidth);
    QPen pen(QBrush(color), w, Qt::SolidLine, cap, Qt::MiterJoin);
    // Designs were drawn with a miter limit of 10 line widths.
    pen.setMiterLimit(10.0);
    const QList<qreal> pattern = dashPatternPoints(dashCode);
    if (!pattern.isEmpty()) {
        // A hairline (width 0) is cosmetic: Qt then counts the pattern in
        // device pixels of a one-pixel pen.
        const double unit = w > 0 ? w : 1.0;
        QList<qreal> scaled;
        scaled.reserve(pattern.size());
        for (qreal v : pattern)
            scaled.append(v / unit);
        pen.setDashPattern(scaled);
        pen.setDashOffset(0);
    }
    return pen;
}

Qt::PenCapStyle lineCapStyle(int storedCap) {
    switch (storedCap) {
    case 1: return Qt::RoundCap;
    case 2: return Qt::SquareCap;
    default: return Qt::FlatCap;
    }
}

QColor withAlpha(const QColor& color, double opacity) {
    QColor c = color;
    if (!std::isfinite(opacity))
        opacity = 1.0;
    c.setAlphaF(float(std::clamp(opacity, 0.0, 1.0)));
    return c;
}

FillStyle fillStyle(const QString& fillCode) {
    if (fillCode == QLatin1String("G"))
        return FillStyle::Gradient;
    if (fillCode == QLatin1String("H"))
        return FillStyle::Hatch;
    return FillStyle::Solid;
}

QBrush gradientBrush(const QRectF& box, double angleDegrees, const QColor& from, const QColor& to) {
    if (!std::isfinite(angleDegrees))
        angleDegrees = 0;
    const double a = qDegreesToRadians(angleDegrees);
    // y grows downwards on the card, so "counter-clockwise as seen" negates y.
    const QPointF dir(std::cos(a), -std::sin(a));
    const double half = std::abs(box.width() / 2 * dir.x()) + std::abs(box.height() / 2 * dir.y());
    const QPointF c = box.center();
    QLinearGradient g(c - dir * half, c + dir * half);
    g.setColorAt(0, from);
    g.setColorAt(1, to);
    g.setSpread(QGradient::PadSpread);
    return QBrush(g);
}

Qt::Alignment horizontalTextAlignment(int stored) {
    switch (stored) {
    case 1: return Qt::AlignRight;
    case 2: return Qt::AlignHCenter;
    case 3: return Qt::AlignJustify;
    default: return Qt::AlignLeft;
    }
}

Qt::Alignment verticalTextAlignment(int stored) {
    switch (stored) {
    case 1: return Qt::AlignBottom;
    case 2: return Qt::AlignVCenter;
    default: return Qt::AlignTop;
    }
}

QString transformCase(const QString& text, int stored) {
    switch (stored) {
    case 1: return text.toUpper();
    case 2: return text.toLower();
    case 3: {
        QString out = text.toLower();
        bool wordStart = true;
        for (QChar& ch : out) {
            if (ch.isLetterOrNumber()) {
                if (wordStart)
                    ch = ch.toUpper();
                wordStart = false;
            } else {
                wordStart = ch.isSpace() || ch == QLatin1Char('-');
            }
        }
        return out;
    }
    default: return text;
    }
}

LineOrientation lineOrientation(int stored) {
    switch (stored) {
    case 1: return LineOrientation::Vertical;
    case 2: return LineOrientation::DiagonalDown;
    case 3: return LineOrientation::DiagonalUp;
    default: return LineOrientation::Horizontal;
    }
}

QLineF lineInBounds(const QRectF& b, int storedOrientation) {
    switch (lineOrientation(storedOrientation)) {
    case LineOrientation::Vertical:
        return QLineF(b.center().x(), b.top(), b.center().x(), b.bottom());
    case LineOrientation::DiagonalDown:
        return QLineF(b.topLeft(), b.bottomRight());
    case LineOrientation::DiagonalUp:
        return QLineF(b.bottomLeft(), b.topRight());
    case LineOrientation::Horizontal:
        break;
    }
    return QLineF(b.left(), b.center().y(), b.right(), b.center().y());
}

QFont fontInPoints(const QFont& font, const QPaintDevice* device) {
    QFont f(font);
    double size = font.pointSizeF();
    if (size <= 0 && font.pixelSize() > 0)
        size = font.pixelSize();
    if (size <= 0)
        size = 12;
    const int dpi = device ? device->logicalDpiY() : 72;
    f.setPointSizeF(size * 72.0 / (dpi > 0 ? dpi : 72));
    return f;
}

namespace {
struct PatternStore {
    std::mutex mutex;
    QString folder;
    QHash<QString, QImage> cache;
};
PatternStore& patternStore() {
    static PatternStore s;
    return s;
}
}  // namespace

void setHatchPatternFolder(const QString& folder) {
    PatternStore& s = patternStore();
    std::lock_guard lock(s.mutex);
    if (s.folder != folder) {
        s.folder = folder;
        s.cache.clear();
    }
}

QString hatchPatternFolder() {
    PatternStore& s = patternStore();
    std::lock_guard lock(s.mutex);
    return s.folder;
}

QImage hatchPatternImage(const QString& patternName) {
    // A name is a file name without extension; one holding a path separator
    // would reach outside the pattern folder.
    if (patternName.isEmpty() || patternName.contains(QLatin1Char('/')) ||
        patternName.contains(QLatin1Char('\\')) || patternName == QLatin1String("..") ||
        patternName == QLatin1String("."))
        return {};
    PatternStore& s = patternStore();
    std::lock_guard lock(s.mutex);
    if (s.folder.isEmpty())
        return {};
    auto it = s.cache.constFind(patternName);
    if (it != s.cache.constEnd())
        return *it;
    const QString path = QDir(s.folder).filePath(patternName + QStringLiteral(".png"));
    QImage img;
    if (QFileInfo(path).isFile()) {
        QImageReader reader(path);
        img = reader.read();
        if (!img.isNull())
            img = img.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    }
    s.cache.insert(patternName, img);
    return img;
}

// ---- Outlines ----

namespace {

// Maps points given in any frame so that their bounding box fills `bounds`.
QPainterPath fitPolygon(const QList<QPointF>& pts, const QRectF& bounds) {
    double minX = 0, maxX = 0, minY = 0, maxY = 0;
    for (qsizetype i = 0; i < pts.size(); ++i) {
        const QPointF& p = pts.at(i);
        minX = i ? std::min(minX, p.x()) : p.x();
        maxX = i ? std::max(maxX, p.x()) : p.x();
        minY = i ? std::min(minY, p.y()) : p.y();
        maxY = i ? std::max(maxY, p.y()) : p.y();
    }
    const double sx = maxX > minX ? bounds.width() / (maxX - minX) : 0;
    const double sy = maxY > minY ? bounds.height() / (maxY - minY) : 0;
    QPolygonF poly;
    poly.reserve(pts.size());
    for (const QPointF& p : pts)
        poly << QPointF(bounds.left() + (p.x() - minX) * sx, bounds.top() + (p.y() - minY) * sy);
    QPainterPath path;
    path.addPolygon(poly);
    path.closeSubpath();
    return path;
}

// A point on the unit circle, angle measured clockwise from straight up.
QPointF polar(double radius, double angle) {
    return QPointF(radius * std::sin(angle), -radius * std::cos(angle));
}

}  // namespace

QPainterPath shapeOutline(const QString& code, const QRectF& b, double cornerRadius,
                          int doubleStarKind, int polygonSides) {
    QPainterPath path;
    const QRectF r = b.normalized();
    if (code == QLatin1String("C")) {
        path.addEllipse(r);
    } else if (code == QLatin1String("RR")) {
        double rad = std::isfinite(cornerRadius) ? cornerRadius : 0.0;
        rad = std::clamp(rad, 0.0, std::min(r.width(), r.height()) / 2);
        path.addRoundedRect(r, rad, rad);
    } else if (code == QLatin1String("T")) {
        path.addPolygon(QPolygonF({QPointF(r.center().x(), r.top()), r.bottomRight(), r.bottomLeft()}));
        path.closeSubpath();
    } else if (code == QLatin1String("D")) {
        path.addPolygon(QPolygonF({QPointF(r.center().x(), r.top()), QPointF(r.right(), r.center().y()),
                                   QPointF(r.center().x(), r.bottom()), QPointF(r.left(), r.center().y())}));
        path.closeSubpath();
    } else if (code == QLatin1String("S")) {
        // Regular pentagram outline: inner radius sin 18 / sin 54 of the outer.
        const double inner = std::sin(M_PI / 10) / std::sin(3 * M_PI / 10);
        QList<QPointF> pts;
        for (int i = 0; i < 10; ++i)
            pts << polar(i % 2 ? inner : 1.0, i * M_PI / 5);
        path = fitPolygon(pts, r);
    } else if (code == QLatin1String("DS")) {
        const int kind = std::clamp(doubleStarKind, 1, 5);
        const int n = kind + 3;  // long points
        QList<QPointF> pts;
        const double step = M_PI / n;  // long and short points alternate
        for (int i = 0; i < 2 * n; ++i) {
            pts << polar(i % 2 ? 0.66 : 1.0, i * step);
            pts << polar(0.42, (i + 0.5) * step);
        }
        path = fitPolygon(pts, r);
    } else if (code == QLatin1String("P")) {
        const int n = std::clamp(polygonSides, 3, 360);
        QList<QPointF> pts;
        for (int i = 0; i < n; ++i)
            pts << polar(1.0, i * 2 * M_PI / n);
        path = fitPolygon(pts, r);
    } else {
        path.addRect(r);
    }
    return path;
}

QTransform rotationAbout(const QRectF& bounds, int degrees) {
    QTransform t;
    if (degrees % 360 == 0)
        return t;
    const QPointF c = bounds.center();
    t.translate(c.x(), c.y());
    t.rotate(degrees);
    t.translate(-c.x(), -c.y());
    return t;
}

// ---- Fill, stroke, shadow ----

void fillGraphicPath(QPainter& painter, const SKTGraphic& g, const QPainterPath& path) {
    if (!g._isDrawingFill)
        return;
    switch (fillStyle(g._fill_type)) {
    case FillStyle::Gradient:
        painter.fillPath(path, gradientBrush(path.boundingRect(), g._fill_grad_angle,
                                             g._fill_Grad_clr1, g._fill_Grad_clr2));
        break;
    case FillStyle::Hatch: {
        painter.fillPath(path, withAlpha(g._fill_htch_clr, g.alpha_val));
        const QImage pattern = hatchPatternImage(g._fill_hatch_type);
        if (!pattern.isNull()) {
            // A tile spans its picture's size in points (72 dpi when the
            // picture records no resolution), repeating from the origin.
            QBrush brush(pattern);
            const QSizeF tile = pictureSizeInPoints(pattern);
            if (tile.width() > 0 && tile.height() > 0)
                brush.setTransform(QTransform::fromScale(tile.width() / pattern.width(),
                                                         tile.height() / pattern.height()));
            painter.fillPath(path, brush);
        }
        break;
    }
    case FillStyle::Solid:
        painter.fillPath(path, withAlpha(g._fillColor, g.alpha_val));
        break;
    }
}

QPen graphicStrokePen(const SKTGraphic& g, Qt::PenCapStyle cap) {
    return strokePen(withAlpha(g._strokeColor, g.alpha_val_stroke), g._strokeWidth,
                     g._stroke_border_type, cap);
}

void strokeGraphicPath(QPainter& painter, const SKTGraphic& g, const QPainterPath& path) {
    if (!g._isDrawingStroke)
        return;
    painter.strokePath(path, graphicStrokePen(g));
}

namespace {

// One pass of a running-average blur of radius r over a line of values.
void boxBlurLine(const float* in, float* out, int n, int stride, int r) {
    if (r <= 0) {
        for (int i = 0; i < n; ++i)
            out[i * stride] = in[i * stride];
        return;
    }
    const float scale = 1.0f / float(2 * r + 1);
    float acc = 0;
    for (int i = -r; i <= r; ++i)
        acc += (i >= 0 && i < n) ? in[i * stride] : 0.0f;
    for (int i = 0; i < n; ++i) {
        out[i * stride] = acc * scale;
        const int add = i + r + 1;
        const int sub = i - r;
        if (add < n)
            acc += in[add * stride];
        if (sub >= 0)
            acc -= in[sub * stride];
    }
}

// Three box passes each way approximate a Gaussian of standard deviation
// sigma (pixels).
void blurAlpha(std::vector<float>& a, int w, int h, double sigma) {
    if (sigma <= 0.01 || w <= 0 || h <= 0)
        return;
    const int r = std::max(1, int(std::lround(std::sqrt(4.0 * sigma * sigma + 1.0) / 2.0)));
    std::vector<float> tmp(a.size());
    for (int pass = 0; pass < 3; ++pass) {
        for (int y = 0; y < h; ++y)
            boxBlurLine(&a[size_t(y) * w], &tmp[size_t(y) * w], w, 1, r);
        for (int x = 0; x < w; ++x)
            boxBlurLine(&tmp[x], &a[x], h, w, r);
    }
}

// Longest side of a shadow picture, in pixels: a shadow is soft, so a
// coarser picture than the device is good enough beyond this.
constexpr int MaxShadowSide = 4096;

}  // namespace

QRectF shadowArea(const SKTGraphic& g, const QRectF& area) {
    if (!g.Drawing_Shadow)
        return area;
    const double blur = saneLength(g.Shadow_blur, MaxShadowBlur);
    const double dx = shadowOffset(g.Shadow_offset_X);
    const double dy = -shadowOffset(g.Shadow_offset_Y);
    const double m = 2 * blur;
    return area.translated(dx, dy).adjusted(-m, -m, m, m);
}

void paintWithShadow(QPainter& painter, const SKTGraphic& g, const QRectF& area,
                     const std::function<void(QPainter&)>& draw) {
    const double opacity = std::isfinite(g.Shadow_transparency) ? std::clamp(double(g.Shadow_transparency), 0.0, 1.0) : 0.0;
    const double blur = saneLength(g.Shadow_blur, MaxShadowBlur);
    const QRectF src = area.adjusted(-2 * blur, -2 * blur, 2 * blur, 2 * blur);
    if (!g.Drawing_Shadow || opacity <= 0 || area.isEmpty() || !drawableBounds(src)) {
        draw(painter);
        return;
    }
    // Resolution of the shadow picture: that of the device under the
    // painter's current transform.
    const QTransform t = painter.combinedTransform();
    double scale = std::sqrt(std::abs(t.determinant()));
    if (!std::isfinite(scale) || scale <= 0)
        scale = 1;
    scale = std::min(scale, MaxShadowSide / std::max(src.width(), src.height()));
    if (!std::isfinite(scale) || scale <= 0) {
        draw(painter);
        return;
    }
    const int w = std::max(1, int(std::ceil(src.width() * scale)));
    const int h = std::max(1, int(std::ceil(src.height() * scale)));

    QImage layer(w, h, QImage::Format_ARGB32_Premultiplied);
    layer.fill(Qt::transparent);
    {
        QPainter lp(&layer);
        lp.setRenderHints(painter.renderHints());
        lp.scale(scale, scale);
        lp.translate(-src.topLeft());
        draw(lp);
    }
    std::vector<float> alpha(size_t(w) * h);
    for (int y = 0; y < h; ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(layer.constScanLine(y));
        for (int x = 0; x < w; ++x)
            alpha[size_t(y) * w + x] = float(qAlpha(line[x]));
    }
    // A stored blur radius spans about two standard deviations.
    blurAlpha(alpha, w, h, blur * scale / 2.0);
    const QColor c = withAlpha(g.Shadow_Color, 1.0);
    QImage shadow(w, h, QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < h; ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(shadow.scanLine(y));
        for (int x = 0; x < w; ++x) {
            const int a = std::clamp(int(std::lround(alpha[size_t(y) * w + x] * opacity)), 0, 255);
            line[x] = qPremultiply(qRgba(c.red(), c.green(), c.blue(), a));
        }
    }
    const double dx = shadowOffset(g.Shadow_offset_X);
    const double dy = -shadowOffset(g.Shadow_offset_Y);
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    painter.drawImage(src.translated(dx, dy), shadow);
    painter.restore();
    draw(painter);
}

void drawPictureInRect(QPainter& painter, const QImage& picture, const QRectF& rect,
                       double opacity, bool smooth) {
    if (picture.isNull() || rect.isEmpty())
        return;
    if (!std::isfinite(opacity))
        opacity = 1;
    opacity = std::clamp(opacity, 0.0, 1.0);
    if (opacity <= 0)
        return;
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform, smooth);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter.setOpacity(painter.opacity() * opacity);
    painter.drawImage(rect, picture);
    painter.restore();
}

QPainterPath cardOutline(int cardShape, const QRectF& card) {
    QPainterPath path;
    if (cardShape == 1)
        path.addRoundedRect(card, CardCornerRadius, CardCornerRadius);
    else if (cardShape == 2)
        path.addEllipse(card);
    else
        path.addRect(card);
    return path;
}

}  // namespace zelk
