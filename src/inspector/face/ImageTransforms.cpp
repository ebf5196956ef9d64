#include "inspector/face/ImageTransforms.h"

#include "canvas/SKTRenderingView.h"
#include "foundation/DrawingCodes.h"
#include "foundation/SKTGraphic.h"
#include "inspector/face/ImageProcesser.h"

#include <QImageReader>
#include <QPainter>
#include <QTransform>

#include <cmath>

namespace {

QSizeF pictureSize(const QPicture& picture, const QSizeF& size) {
    if (size.width() > 0 && size.height() > 0)
        return size;
    return QSizeF(picture.boundingRect().size());
}

QRect pageRect(const QSizeF& size) {
    return QRect(0, 0, int(std::ceil(size.width())), int(std::ceil(size.height())));
}

// Replays `draw` into a new picture of the given size under `transform`.
// The recorded commands keep the card's vector drawing (paths, text, embedded
// pictures at their own resolution); nothing is rasterised.
template <typename Draw>
QPicture recordTransformed(const QSizeF& size, const QTransform& transform, Draw&& draw) {
    QPicture out;
    if (size.isEmpty())
        return out;
    QPainter painter(&out);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.setTransform(transform);
    draw(painter);
    painter.end();
    out.setBoundingRect(pageRect(size));
    return out;
}

QTransform mirrorTransform(const QSizeF& s, bool vertical) {
    // Left-right: (x, y) -> (W - x, y); top-bottom: (x, y) -> (x, H - y).
    return vertical ? QTransform(1, 0, 0, -1, 0, s.height()) : QTransform(-1, 0, 0, 1, s.width(), 0);
}

QTransform halfTurnTransform(const QSizeF& s) {
    // About the centre: (x, y) -> (W - x, H - y).
    return QTransform(-1, 0, 0, -1, s.width(), s.height());
}

void drawPictureInPage(QPainter& painter, const QPicture& picture) {
    // The picture's own rectangle is placed at the page origin.
    const QRect br = picture.boundingRect();
    painter.drawPicture(QPointF(-br.left(), -br.top()), picture);
}

}  // namespace

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

QPicture ImageTransforms::Create_Mirror_Image_With_CG_Image(const QPicture& picture, bool vertical,
                                                            const QSizeF& size) {
    const QSizeF s = pictureSize(picture, size);
    return recordTransformed(s, mirrorTransform(s, vertical),
                             [&](QPainter& p) { drawPictureInPage(p, picture); });
}

QPicture ImageTransforms::Create_Mirror_Image_With_CG_Image(const QImage& picture, bool vertical) {
    const QSizeF s = zelk::pictureSizeInPoints(picture);
    return recordTransformed(s, mirrorTransform(s, vertical), [&](QPainter& p) {
        p.drawImage(QRectF(QPointF(0, 0), s), picture);
    });
}

QPicture ImageTransforms::imageRotatedByDegrees_Angle(const QPicture& picture, double angle,
                                                      const QRectF& dr_rect, const QSizeF& size) {
    Q_UNUSED(angle);
    Q_UNUSED(dr_rect);
    const QSizeF s = pictureSize(picture, size);
    return recordTransformed(s, halfTurnTransform(s),
                             [&](QPainter& p) { drawPictureInPage(p, picture); });
}

QPicture ImageTransforms::imageRotatedByDegrees_Angle(const QImage& picture, double angle,
                                                      const QRectF& dr_rect) {
    Q_UNUSED(angle);
    Q_UNUSED(dr_rect);
    const QSizeF s = zelk::pictureSizeInPoints(picture);
    return recordTransformed(s, halfTurnTransform(s), [&](QPainter& p) {
        p.drawImage(QRectF(QPointF(0, 0), s), picture);
    });
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
