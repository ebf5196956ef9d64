#pragma once
// The finished picture of a 2D symbol: the symbol's bitmap hanging under the
// header, the footer at the bottom, the margins round them, on white or on a
// transparent background. Coordinates are points; the result is a bitmap at
// the settings' resolution whose size in points is the frame.
#include "barcode/BarcodeRenderSettings.h"

#include <QImage>
#include <QSizeF>
#include <QString>

class QPainter;

namespace zelk {

class TwoDRenderer {
public:
    TwoDRenderer() = delete;

    // Height of the frame: symbol, shown header and footer with their gaps,
    // and the top and bottom margins.
    static float Set_2d_Barcode_Height(const QImage& symbol, const QString& header, const QString& footer,
                                       const BarcodeRenderSettings& s);
    // Width of the frame: the widest of symbol, header and footer, the left
    // and right margins, and 15 points more when that margin is not 0.
    static float Set_2d_Barcode_Width(const QImage& symbol, const QString& header, const QString& footer,
                                      const BarcodeRenderSettings& s);

    // Draws into (0, 0, frame) of the painter (y downwards, one unit a point).
    static void drawBarcodeImage(QPainter& p, const QImage& symbol, const QString& header, const QString& footer,
                                 const BarcodeRenderSettings& s);

    // The picture at s.dpi with a colour table (IndexedPicture::compact); a
    // null image for a null symbol.
    static QImage imageFromBarcodeImage(const QImage& symbol, const QString& header, const QString& footer,
                                        const BarcodeRenderSettings& s);
};

}  // namespace zelk
