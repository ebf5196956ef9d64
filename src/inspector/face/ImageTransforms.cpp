#include "inspector/face/ImageTransforms.h"

#include "canvas/SKTRenderingView.h"
#include "foundation/DrawingCodes.h"
#include "foundation/SKTGraphic.h"
#include "inspector/face/ImageProcesser.h"

#include <QImageReader>
#include <QPainter>
#include <QTransform>

#include <cmath>

TransformedCardImage ImageTransforms::Create_Mirror_Image_With_CG_Image(const SKTRenderingView& picture,
                                                                        bool vertical) {
    const QRectF f = picture.frame();
    // The mirror of the card's frame onto itself.
    const QTransform t = vertical ? QTransform(1, 0, 0, -1, 0, 2 * f.top() + f.height())
                                  : QTransform(-1, 0, 0, 1, 2 * f.left() + f.width(), 0);
    return TransformedCardImage(picture, t);
}

TransformedCardImage ImageTransforms::imageRotatedByDegrees_Angle(const SKTRenderingView& picture,
                                                                  double angle, const QRectF& dr_rect) {
    Q_UNUSED(angle);
    Q_UNUSED(dr_rect);
    const QRectF f = picture.frame();
    return TransformedCardImage(
        picture, QTransform(-1, 0, 0, -1, 2 * f.left() + f.width(), 2 * f.top() + f.height()));
}

QImage ImageTransforms::image_Drawing_with_border(const QImage& picture, float width,
                                                  const QString& BorderType, const QColor& brdr_clr) {
    if (picture.isNull())
        return {};
    QImage out(picture.size(), QImage::Format_ARGB32_Premultiplied);
    if (out.isNull())
        return {};
    out.fill(Qt::transparent);
    out.setDotsPerMeterX(picture.dotsPerMeterX());
    out.setDotsPerMeterY(picture.dotsPerMeterY());
    const QSizeF points = zelk::pictureSizeInPoints(picture);
    QPainter painter(&out);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(QPointF(0, 0), picture);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    // The width and the dashes are in points: draw in points over the pixels.
    painter.scale(out.width() / points.width(), out.height() / points.height());
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(zelk::strokePen(brdr_clr, width, BorderType));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(QPointF(0, 0), points));
    painter.end();
    return out;
}

QImage ImageTransforms::imageWithPreviewOfFileAtPath(const QString& path, const QSizeF& size,
                                                     bool asIcon) {
    Q_UNUSED(asIcon);
    return Thimbnail_Using_CG_Image(path, size);
}

QImage ImageTransforms::Thimbnail_Using_CG_Image(const QString& path, const QSizeF& size) {
    QImageReader reader(path);
    // Upright by the orientation tag a camera wrote (EXIF orientation).
    reader.setAutoTransform(true);
    if (!reader.canRead())
        return {};
    const double requested = size.width();
    const int maxSide = std::isfinite(requested) && requested >= 1 ? int(requested) : 0;
    const QSize stored = reader.size();
    // Scaling in the decoder reads only as many pixels as the preview needs.
    // The limit bounds the larger side, which a quarter turn does not change.
    if (maxSide > 0 && stored.isValid() && (stored.width() > maxSide || stored.height() > maxSide))
        reader.setScaledSize(stored.scaled(maxSide, maxSide, Qt::KeepAspectRatio));
    QImage image = reader.read();
    if (image.isNull())
        return {};
    if (maxSide > 0 && (image.width() > maxSide || image.height() > maxSide))
        image = image.scaled(maxSide, maxSide, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    // A preview is a new bitmap: one pixel per point, whatever the file said.
    zelk::setReportedPointSize(image, QSizeF(image.size()));
    return image;
}
