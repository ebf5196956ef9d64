#include "inspector/face/ImageTransforms.h"

#include "canvas/SKTRenderingView.h"
#include "foundation/DrawingCodes.h"
#include "foundation/ModelHost.h"
#include "foundation/SKTGraphic.h"
#include "inspector/face/ImageProcesser.h"

#include <QPainter>
#include <QTransform>

#include <algorithm>
#include <cmath>
#include <limits>

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
    // The larger side is bounded; a size that is no number or under a pixel
    // leaves the picture whole. The shared reader reads the picture upright
    // and keeps a palette picture in its colours.
    const double requested = size.width();
    const int maxSide =
        std::isfinite(requested) && requested >= 1 ? int(std::min(requested, 1e9)) : std::numeric_limits<int>::max();
    QImage image = zelk::readPicturePreview(path, maxSide);
    // A preview is a new bitmap: one pixel per point, whatever the file said.
    if (!image.isNull())
        zelk::setReportedPointSize(image, QSizeF(image.size()));
    return image;
}
