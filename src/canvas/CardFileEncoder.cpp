#include "canvas/CardFileEncoder.h"

#include "canvas/EpsWriter.h"
#include "foundation/SKTGraphic.h"

#include <QBuffer>
#include <QImageWriter>
#include <QPainter>

namespace {

using zelk::CardFileEncoder;
using Format = CardFileEncoder::Format;

bool fail(QString* why, const QString& reason) {
    if (why)
        *why = reason;
    return false;
}

// The picture on white, for formats without transparency.
QImage onWhite(const QImage& image) {
    if (!image.hasAlphaChannel())
        return image;
    QImage out(image.size(), QImage::Format_RGB32);
    out.setDotsPerMeterX(image.dotsPerMeterX());
    out.setDotsPerMeterY(image.dotsPerMeterY());
    out.fill(Qt::white);
    QPainter painter(&out);
    painter.drawImage(0, 0, image);
    return out;
}

QByteArray raster(const QImage& image, Format format, const QString& extension, QString* why) {
    QByteArray name;
    switch (format) {
    case Format::Png: name = "png"; break;
    case Format::Jpeg: name = "jpeg"; break;
    case Format::Bmp: name = "bmp"; break;
    case Format::Tiff: name = "tiff"; break;
    default: name = extension.toLower().toLatin1(); break;
    }
    if (name.isEmpty() || !QImageWriter::supportedImageFormats().contains(name)) {
        if (format == Format::Other)
            fail(why, QStringLiteral("No picture format is known by the extension \"%1\".").arg(extension));
        else
            fail(why, QStringLiteral("%1 files cannot be written: the image format plugin for %1 is not installed.")
                          .arg(QString::fromLatin1(name.toUpper())));
        return {};
    }
    QImage out = format == Format::Jpeg || format == Format::Bmp ? onWhite(image) : image;
    // Qt's TIFF writer stores one bit a pixel as black and white and a
    // colour table without its alpha: barcode pictures go as 32 bits.
    if (format == Format::Tiff && out.colorCount() > 0)
        out = out.convertToFormat(QImage::Format_ARGB32);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, name);
    if (format == Format::Jpeg)
        writer.setQuality(95);
    else if (format == Format::Png)
        writer.setCompression((CardFileEncoder::PngLevel * 91 + 8) / 9);  // Qt's 0-100 ratio of the level
    else if (format == Format::Tiff)
        writer.setCompression(1);  // LZW
    if (!writer.write(out)) {
        fail(why, writer.errorString());
        return {};
    }
    return bytes;
}

QByteArray eps(const QImage& image, const QSizeF& points, const QString& title, QString* why) {
    QByteArray bytes = zelk::EpsWriter::page(image, points, title);
    if (bytes.isEmpty())
        fail(why, QStringLiteral("The EPS page could not be made."));
    return bytes;
}

}  // namespace

CardFileEncoder::Format CardFileEncoder::formatFor(const QString& extension) {
    const QString e = extension.toLower();
    if (e == QLatin1String("png"))
        return Format::Png;
    if (e == QLatin1String("jpg") || e == QLatin1String("jpeg") || e == QLatin1String("jpe") ||
        e == QLatin1String("jfif"))
        return Format::Jpeg;
    if (e == QLatin1String("bmp"))
        return Format::Bmp;
    if (e == QLatin1String("tif") || e == QLatin1String("tiff"))
        return Format::Tiff;
    if (e == QLatin1String("pdf"))
        return Format::Pdf;
    if (e == QLatin1String("eps"))
        return Format::Eps;
    return Format::Other;
}

QByteArray CardFileEncoder::encode(const QRectF& frame, const VectorPageOutput::Paint& paint,
                                   const QString& extension, const QString& title, QString* why) {
    const Format format = formatFor(extension);
    if (format == Format::Pdf) {
        QByteArray pdf = VectorPageOutput::pdfPage(frame, title, paint);
        if (pdf.isEmpty())
            fail(why, QStringLiteral("The PDF page could not be made."));
        return pdf;
    }
    const QImage image = VectorPageOutput::imageAtResolution(frame, Dpi, paint);
    if (image.isNull()) {
        fail(why, QStringLiteral("The card picture could not be made at %1 dpi.").arg(Dpi));
        return {};
    }
    if (format == Format::Eps)
        return eps(image, frame.size(), title, why);
    return raster(image, format, extension, why);
}

QByteArray CardFileEncoder::encodeBitmap(const QImage& image, const QString& extension, QString* why) {
    if (image.isNull()) {
        fail(why, QStringLiteral("There is no picture to write."));
        return {};
    }
    const Format format = formatFor(extension);
    if (format == Format::Pdf || format == Format::Eps) {
        const QRectF frame(QPointF(0, 0), pictureSizeInPoints(image));
        if (format == Format::Eps)
            return eps(image, frame.size(), QString(), why);
        return encode(frame, [&](QPainter& p) {
            p.setRenderHint(QPainter::SmoothPixmapTransform);
            p.drawImage(frame, image);
        }, extension, QString(), why);
    }
    return raster(image, format, extension, why);
}
