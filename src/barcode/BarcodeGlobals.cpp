#include "barcode/BarcodeGlobals.h"

#include "foundation/IndexedPicture.h"

#include <QPainter>
#include <QStringList>
#include <QtDebug>
#include <cmath>

int USED_DPI_VALUE = 600;
int QR_Version_Val = 0;
int QR_EC_Level_Val = 0;
int BARCODE_Unit_Is = 2;
int Barcode_module_size = 1;

namespace zelk {

bool barcodeValueWithoutKerning = false;

namespace {
constexpr double kMetresPerInch = 0.0254;
}

int pixelsForPoints(double points, double dpi) {
    const float q = static_cast<float>(dpi * points / 72.0);
    // A side beyond what QPainter draws (32,767 pixels) gives no picture.
    if (!(q <= 32767.0f))
        return 0;
    return q > 0 ? static_cast<int>(std::ceil(q)) : 0;
}

void setSizeInPoints(QImage& image, QSizeF points) {
    if (image.isNull() || points.width() <= 0 || points.height() <= 0)
        return;
    image.setDotsPerMeterX(qRound(image.width() / (points.width() / 72.0 * kMetresPerInch)));
    image.setDotsPerMeterY(qRound(image.height() / (points.height() / 72.0 * kMetresPerInch)));
    // The resolution is held in whole dots per metre; the exact size goes with it.
    image.setText(QStringLiteral("ZelkSizeInPoints"),
                  QString::number(points.width(), 'g', 17) + QLatin1Char(' ') + QString::number(points.height(), 'g', 17));
}

QSizeF sizeInPoints(const QImage& image) {
    const QStringList exact = image.text(QStringLiteral("ZelkSizeInPoints")).split(QLatin1Char(' '));
    if (!image.isNull() && exact.size() == 2)
        return {exact[0].toDouble(), exact[1].toDouble()};
    if (image.isNull() || image.dotsPerMeterX() <= 0 || image.dotsPerMeterY() <= 0)
        return {};
    return {image.width() * 72.0 / (image.dotsPerMeterX() * kMetresPerInch),
            image.height() * 72.0 / (image.dotsPerMeterY() * kMetresPerInch)};
}

}  // namespace zelk

QImage Increase_DPI(const QImage& image, double dpi) {
    const QSizeF pts = zelk::sizeInPoints(image);
    if (image.isNull() || pts.isEmpty() || dpi <= 0) {
        qWarning("Invalid image");
        return {};
    }
    const int w = zelk::pixelsForPoints(pts.width(), dpi);
    const int h = zelk::pixelsForPoints(pts.height(), dpi);
    QImage out(w, h, QImage::Format_ARGB32);
    if (out.isNull()) {
        qWarning("Invalid image");
        return {};
    }
    out.fill(Qt::transparent);
    {
        QPainter p(&out);
        p.setRenderHint(QPainter::SmoothPixmapTransform, false);
        p.setCompositionMode(QPainter::CompositionMode_SourceOver);
        p.drawImage(QRectF(0, 0, w, h), image);
    }
    zelk::setSizeInPoints(out, pts);
    return zelk::IndexedPicture::compact(out);
}
