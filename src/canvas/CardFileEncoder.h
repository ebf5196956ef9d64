#pragma once
// The bytes of an exported file, chosen by the file's extension: PDF keeps
// the drawing as vectors on a page of its size in points; PNG, JPEG, BMP and
// TIFF are 600-dpi bitmaps; EPS holds the 600-dpi bitmap (EpsWriter). JPEG,
// BMP and EPS have no transparency and get white paper under the card; PNG
// and TIFF keep it. Encoding touches no file and no widget: any thread may
// encode, several at once.
#include "canvas/VectorPageOutput.h"

#include <QByteArray>
#include <QImage>
#include <QRectF>
#include <QString>

namespace zelk {

class CardFileEncoder {
public:
    CardFileEncoder() = delete;

    // Resolution of every raster file and of the picture inside EPS.
    static constexpr double Dpi = 600.0;
    // zlib level of PNG files: level 1 writes a card with a photo in half
    // the time of the default level 6, 16 % larger (bench/export_cards.cpp).
    static constexpr int PngLevel = 1;

    enum class Format { Png, Jpeg, Bmp, Tiff, Pdf, Eps, Other };
    // By the extension in any case ("jpg", "jpeg", "jpe", "jfif" are JPEG;
    // "tif" and "tiff" TIFF).
    static Format formatFor(const QString& extension);

    // The painting of `frame` (points, y down) as a file of that extension.
    // Empty, with the reason in *why, when it cannot be made.
    static QByteArray encode(const QRectF& frame, const VectorPageOutput::Paint& paint, const QString& extension,
                             const QString& title, QString* why = nullptr);
    // A bitmap as a file: raster files keep its pixels and its resolution;
    // PDF and EPS give a page of its size in points.
    static QByteArray encodeBitmap(const QImage& image, const QString& extension, QString* why = nullptr);
};

}  // namespace zelk
