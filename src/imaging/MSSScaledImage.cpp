#include "imaging/MSSScaledImage.h"

#include "foundation/SKTGraphic.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QMimeDatabase>
#include <QPainter>

#include <algorithm>
#include <cmath>

MSSScaledImage::MSSScaledImage(QWidget* parent) : QWidget(parent) { setAcceptDrops(true); }

void MSSScaledImage::setImage(const QImage& image) {
    image_ = image;
    update();
    emit displayChanged();
}

void MSSScaledImage::setImageScaling(int scaling) {
    scaling_ = scaling;
    update();
    emit displayChanged();
}

void MSSScaledImage::setImageAlignment(int alignment) {
    alignment_ = alignment;
    update();
    emit displayChanged();
}

QSizeF MSSScaledImage::ratioFor(const QSizeF& s, const QSizeF& d, int scaling) {
    if (!(s.width() > 0) || !(s.height() > 0))
        return QSizeF(1.0, 1.0);
    const double rx = d.width() / s.width();
    const double ry = d.height() / s.height();
    // Scaled as one, but never thinner than a point on screen: a strip one
    // pixel wide would be drawn nowhere and its canvas would hold nothing.
    const auto proportional = [&s](float m) {
        const auto onePoint = [m](double side) { return side >= 1.0 ? std::max<double>(m, 1.0 / side) : m; };
        return QSizeF(onePoint(s.width()), onePoint(s.height()));
    };
    switch (scaling) {
    case ProportionallyDown:
        return proportional(std::min(std::min(float(rx), float(ry)), 1.0f));
    case AxesIndependently:
        return QSizeF(rx, ry);
    case ProportionallyUpOrDown:
        return proportional(std::min(float(rx), float(ry)));
    default:
        return QSizeF(1.0, 1.0);
    }
}

QRectF MSSScaledImage::scaledRectFor(const QSizeF& s, const QRectF& d, int scaling, int alignment) {
    if (s.width() < 1.0 || s.height() < 1.0)
        return QRectF();
    const QSizeF r = ratioFor(s, d.size(), scaling);
    const double w = s.width() * r.width();
    const double h = s.height() * r.height();
    const double left = 0, right = d.width() - w, centre = (d.width() - w) / 2;
    const double bottom = 0, top = d.height() - h, middle = (d.height() - h) / 2;
    double x = centre, y = middle;
    switch (alignment) {
    case AlignTop: x = centre; y = top; break;
    case AlignTopLeft: x = left; y = top; break;
    case AlignTopRight: x = right; y = top; break;
    case AlignLeft: x = left; y = middle; break;
    case AlignBottom: x = centre; y = bottom; break;
    case AlignBottomLeft: x = left; y = bottom; break;
    case AlignBottomRight: x = right; y = bottom; break;
    case AlignRight: x = right; y = middle; break;
    default: break;
    }
    return QRectF(x + d.x(), y + d.y(), w, h);
}

QRectF MSSScaledImage::scaledImageRect() const {
    return scaledRectFor(zelk::pictureSizeInPoints(image_), QRectF(QPointF(0, 0), QSizeF(size())), scaling_, alignment_);
}

QSizeF MSSScaledImage::imageRatio() const {
    return ratioFor(zelk::pictureSizeInPoints(image_), QSizeF(size()), scaling_);
}

QSizeF MSSScaledImage::originalImageSize() const {
    if (image_.isNull())
        return QSizeF(0, 0);
    const QSizeF points = zelk::pictureSizeInPoints(image_);
    // Compared in single precision; a size that is no number gives way to
    // the pixel count.
    auto larger = [](double pts, int px) {
        const float p = float(pts);
        return std::isnan(p) ? double(px) : std::max<double>(p, float(px));
    };
    double w = larger(points.width(), image_.width());
    double h = larger(points.height(), image_.height());
    if (fileURL_.isLocalFile() &&
        QMimeDatabase().mimeTypeForFile(fileURL_.toLocalFile()).inherits(QStringLiteral("application/pdf"))) {
        w *= 2.5;
        h *= 2.5;
    }
    return QSizeF(w, h);
}

QImage MSSScaledImage::originalImage() const {
    if (image_.isNull())
        return QImage();
    const QSizeF s = originalImageSize();
    return image_.scaled(int(std::lround(s.width())), int(std::lround(s.height())), Qt::IgnoreAspectRatio,
                         Qt::SmoothTransformation);
}

QSizeF MSSScaledImage::originalImageRatio() const { return ratioFor(originalImageSize(), QSizeF(size()), scaling_); }

QRectF MSSScaledImage::toWidget(const QRectF& r) const {
    return QRectF(r.x(), height() - (r.y() + r.height()), r.width(), r.height());
}

void MSSScaledImage::paintEvent(QPaintEvent*) {
    if (image_.isNull())
        return;
    QPainter p(this);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(toWidget(scaledImageRect()), image_);
}

void MSSScaledImage::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    emit displayChanged();
}

void MSSScaledImage::dragEnterEvent(QDragEnterEvent* event) {
    const QMimeData* mime = event->mimeData();
    if (mime && mime->hasUrls() && !mime->urls().isEmpty() && (event->possibleActions() & Qt::CopyAction)) {
        fileURL_ = mime->urls().constFirst();
        event->setDropAction(Qt::CopyAction);
        event->accept();
        return;
    }
    event->ignore();
}

void MSSScaledImage::dropEvent(QDropEvent* event) {
    const QMimeData* mime = event->mimeData();
    if (!mime || !mime->hasUrls()) {
        event->ignore();
        return;
    }
    // The view only records what was dropped: the picture to crop comes
    // from the tool's own inputs.
    fileURL_ = mime->urls().constFirst();
    event->setDropAction(Qt::CopyAction);
    event->accept();
}
