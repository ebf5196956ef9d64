#include "imaging/CropPicture.h"

#include "foundation/ModelHost.h"
#include "foundation/SKTGraphic.h"
#include "imaging/FaceFinder.h"
#include "imaging/MSSScaledImage.h"
#include "inspector/face/ImageProcesser.h"

#include <QPainter>

#include <cmath>

using zelk::CropPicture;

QImage zelk::CropEditSettings::apply(const QImage& preview) const {
    if (preview.isNull())
        return QImage();
    const QSizeF s = pictureSizeInPoints(preview);
    return ImageProcesser::Get_Processed_Image_Full_Combined(
        preview, grayscale, sepia, invert, hue, saturation, brightness, contrast, qint32(rotate), sharpness,
        exposure, blur, transparency, true, flipH, flipV, true, QRectF(0, 0, s.width(), s.height()));
}

QImage CropPicture::loadShown(const QString& path, const CropEditSettings& edit) {
    return edit.apply(readPicturePreview(path, PreviewPictureSide));
}

QSizeF CropPicture::originalImageRatio(const QSizeF& picture, const QSizeF& view, int scaling) {
    return MSSScaledImage::ratioFor(picture, view, scaling);
}

QRectF CropPicture::sourceRect(const QRectF& r, const QSizeF& ratio) {
    return QRectF(r.x() / ratio.width(), r.y() / ratio.height(), r.width() / ratio.width(),
                  r.height() / ratio.height());
}

QRectF CropPicture::faceCropRect(const QRect& face, const QImage& picture, double marginPercent,
                                 const QSizeF& ratio) {
    // Pixels to points, and the detector's top-left origin to the canvas's
    // bottom-left one.
    const QSizeF points = pictureSizeInPoints(picture);
    const double sx = picture.width() > 0 ? points.width() / picture.width() : 1.0;
    const double sy = picture.height() > 0 ? points.height() / picture.height() : 1.0;
    const double w = face.width() * sx, h = face.height() * sy;
    const double x = face.x() * sx;
    const double y = points.height() - (face.y() * sy + h);
    const float ew = float(marginPercent) * float(w) / 100.0f;
    const float eh = float(marginPercent) * float(h) / 100.0f;
    const QRectF widened(x - ew / 2.0, y - eh / 2.0, w + ew, h + eh);
    return QRectF(widened.x() * ratio.width(), widened.y() * ratio.height(), widened.width() * ratio.width(),
                  widened.height() * ratio.height());
}

QSizeF CropPicture::givenSize(int width, int height, bool keepAspect, const QSizeF& picture) {
    double w = width, h = height;
    if (keepAspect && picture.width() > 0 && picture.height() > 0) {
        const double k = std::min(w / picture.width(), h / picture.height());
        w = picture.width() * k;
        h = picture.height() * k;
    }
    return QSizeF(w, h);
}

QString CropPicture::sizeText(const QString& typed) {
    QString t = typed.trimmed();
    if (t.isEmpty() || t.toLongLong() == 0)
        return QStringLiteral("1");
    if (t.size() > 5)
        t = t.left(5);
    if (t.toLongLong() > 10000)
        return QStringLiteral("10000");
    return t;
}

QImage CropPicture::cut(const QImage& picture, const QRectF& r) {
    if (picture.isNull() || r.normalized().isEmpty())
        return QImage();
    const QSizeF points = pictureSizeInPoints(picture);
    // Only the picture is cut: what the rectangle holds beyond its edges
    // would come out blank.
    const QRectF n = r.normalized().intersected(QRectF(QPointF(0, 0), points));
    if (n.isEmpty())
        return QImage();
    const double sx = points.width() > 0 ? picture.width() / points.width() : 1.0;
    const double sy = points.height() > 0 ? picture.height() / points.height() : 1.0;
    // Picture points (y up) to the pixels of the picture (y down).
    const QRectF source(n.x() * sx, (points.height() - (n.y() + n.height())) * sy, n.width() * sx,
                        n.height() * sy);
    const QSize out(std::max(1, int(std::lround(n.width()))), std::max(1, int(std::lround(n.height()))));
    QImage result(out, QImage::Format_ARGB32);
    result.fill(Qt::transparent);
    QPainter p(&result);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.drawImage(QRectF(QPointF(0, 0), QSizeF(out)), picture, source);
    return result;
}

QImage CropPicture::scaled(const QImage& picture, const QSizeF& size) {
    const QSize out(int(std::lround(size.width())), int(std::lround(size.height())));
    if (picture.isNull() || out.width() <= 0 || out.height() <= 0)
        return QImage();
    QImage result(out, QImage::Format_ARGB32);
    result.fill(Qt::transparent);
    QPainter p(&result);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.drawImage(QRectF(QPointF(0, 0), QSizeF(out)), picture);
    return result;
}

CropPicture::Result CropPicture::crop(const QImage& shown, const CropSettings& s, const FaceFinder* faces) {
    Result r;
    if (shown.isNull())
        return r;
    const QSizeF picture = pictureSizeInPoints(shown);
    const QSizeF ratio = originalImageRatio(picture, s.viewSize, s.scaling);
    if (!(ratio.width() > 0) || !(ratio.height() > 0))
        return r;
    switch (s.method) {
    case CropSettings::Manual:
        r.cropRect = s.cropRect;
        break;
    case CropSettings::Face: {
        const std::optional<QRect> face = faces ? faces->firstFace(shown) : std::nullopt;
        if (!face) {
            r.noFace = true;
            return r;
        }
        r.cropRect = faceCropRect(*face, shown, s.faceMargin, ratio);
        break;
    }
    default:
        r.image = scaled(shown, givenSize(s.width, s.height, s.keepAspect, picture));
        return r;
    }
    const QRectF source = sourceRect(r.cropRect, ratio);
    r.image = cut(shown, source);
    r.outside = r.image.isNull() && !source.normalized().isEmpty();
    return r;
}
