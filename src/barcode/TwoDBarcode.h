#pragma once
// The three 2D paths of barcode production: value and settings in, the
// symbol's bitmap out (before header, footer and margins), or a null image.
#include "barcode/TwoDSettings.h"

#include <QByteArray>
#include <QImage>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <vector>

class TwoDBarcode {
public:
    TwoDBarcode() = delete;

    // The items of the DataMatrix size and encodation lists, in their order.
    static const QStringList& dataMatrixFormats();
    static const QStringList& dataMatrixEncodings();

    // A picture settings.qrSize points square at settings.dpi; null when the
    // value does not fit the version or the picture is too small.
    static QImage Draw_QR_Barcode(const QString& value, const zelk::TwoDSettings& settings);

    // The symbol stretched over pdfWidth × pdfHeight points at settings.dpi;
    // null when the value is empty or does not fit.
    static QImage Draw_PDF_417_Barcode(const QString& value, const zelk::TwoDSettings& settings);

    // A picture of (columns × module) × (rows × module) points; null (and
    // the diagnostics on standard error and output) when the value does not
    // fit. With eps, also the Encapsulated PostScript of the symbol.
    static QImage Draw_DataMatrix_Barcode(const QString& value, const zelk::TwoDSettings& settings,
                                          QByteArray* eps = nullptr);

    // The symbol as Encapsulated PostScript: W × H modules of grid (row 0 the
    // bottom row) inside a light border one module wide. With image, also its
    // bitmap: the same (W + 2) × (H + 2) modules, a whole number of pixels
    // each, sized W × moduleSize by H × moduleSize points.
    static QByteArray makeEPS_Data_Matrix(const QByteArray& text, int W, int H, const std::vector<uint8_t>& grid,
                                          int moduleSize = 1, int dpi = 600, QImage* image = nullptr);
};
