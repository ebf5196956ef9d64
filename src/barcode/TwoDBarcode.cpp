#include "barcode/TwoDBarcode.h"

#include "barcode/BarcodeGlobals.h"
#include "barcode/DataMatrixEcc200.h"
#include "barcode/pdf417View.h"
#include "barcode/QREncoder.h"
#include "foundation/IndexedPicture.h"

#include <QtDebug>
#include <algorithm>
#include <cstdio>
#include <exception>

const QStringList& TwoDBarcode::dataMatrixFormats() {
    static const QStringList formats = {
        "Auto",   "C10X10", "C12X12", "C14X14", "C16X16",   "C18X18",   "C20X20",   "C22X22",
        "C24X24", "C26X26", "C32X32", "C36X36", "C40X40",   "C44X44",   "C48X48",   "C52X52",
        "C64X64", "C72X72", "C80X80", "C88X88", "C96X96",   "C104X104", "C120X120", "C132X132",
        "C144X144", "C8X18", "C8X32", "C12X26", "C12X36",   "C16X36",   "C16X48"};
    return formats;
}

const QStringList& TwoDBarcode::dataMatrixEncodings() {
    static const QStringList encodings = {"Auto", "Ascii", "C40", "Text", "Base256"};
    return encodings;
}

QImage TwoDBarcode::Draw_QR_Barcode(const QString& value, const zelk::TwoDSettings& settings) {
    try {
        const auto grid = QREncoder::encodeWithECLevel(settings.qrEcLevel, settings.qrVersion, value);
        if (!grid)
            return {};
        return QREncoder::renderDataMatrix(*grid, settings.qrSize, settings.dpi);
    } catch (const std::exception& e) {
        qWarning("QR Code: %s", e.what());
        return {};
    }
}

QImage TwoDBarcode::Draw_DataMatrix_Barcode(const QString& value, const zelk::TwoDSettings& settings,
                                            QByteArray* eps) {
    try {
        // "C<rows>X<columns>"; "Auto" or anything without an "X" lets the encoder choose.
        int W = 0, H = 0;
        if (settings.dmFormat != QLatin1String("Auto")) {
            const QString rest = settings.dmFormat.mid(1);
            const qsizetype x = rest.indexOf(QLatin1Char('X'));
            if (x >= 0) {
                H = rest.left(x).trimmed().toInt();
                W = rest.mid(x + 1).trimmed().toInt();
            }
        }
        const QByteArray bytes = value.toUtf8();
        QByteArray encoding;
        static const char letters[] = {'A', 'C', 'T', 'B'};
        const qsizetype item = dataMatrixEncodings().indexOf(settings.dmEncoding);
        if (item >= 1 && item <= 4)
            encoding = QByteArray(bytes.size(), letters[item - 1]);

        int encoded = 0, capacity = 0, ecc = 0;
        const std::vector<uint8_t> grid =
            iec16022ecc200(&W, &H, &encoding, static_cast<int>(bytes.size()),
                           reinterpret_cast<const unsigned char*>(bytes.constData()), &encoded, &capacity, &ecc);
        if (grid.empty() || W == 0) {
            std::fprintf(stderr, "No barcode produced\n");
            std::printf("Size    : %dx%d\n", W, H);
            std::printf("Encoded : %d of %d bytes with %d bytes of ecc\n", encoded, capacity, ecc);
            std::printf("Barcode : %s\n", bytes.constData());
            std::printf("Encoding: %s\n", encoding.constData());
            std::fflush(stdout);
            return {};
        }
        QImage image;
        const QByteArray data =
            makeEPS_Data_Matrix(bytes, W, H, grid, std::max(1, settings.dmModuleSize), settings.dpi, &image);
        if (eps)
            *eps = data;
        return image;
    } catch (const std::exception& e) {
        qWarning("DataMatrix: %s", e.what());
        return {};
    }
}

QByteArray TwoDBarcode::makeEPS_Data_Matrix(const QByteArray& text, int W, int H, const std::vector<uint8_t>& grid,
                                            int moduleSize, int dpi, QImage* image) {
    if (W <= 0 || H <= 0 || grid.size() < static_cast<size_t>(W) * static_cast<size_t>(H))
        return {};
    QByteArray eps;
    eps += "%!PS-Adobe-3.0 EPSF-3.0\n%%Creator: IEC16022 barcode/stamp generator\n%%BarcodeData: ";
    eps += text;
    eps += "\n";
    eps += QByteArray("%%BarcodeSize: ") + QByteArray::number(W) + "x" + QByteArray::number(H) +
           "\n%%BarcodeFormat: ECC200\n%%DocumentData: Clean7Bit\n%%LanguageLevel: 1\n%%Pages: 1\n";
    eps += QByteArray("%%BoundingBox: 0 0 ") + QByteArray::number(W + 2) + " " + QByteArray::number(H + 2) +
           "\n%%EndComments\n%%Page: 1 1\n" + QByteArray::number(W) + " " + QByteArray::number(H) +
           " 1[1 0 0 1 -1 -1]{<\n";
    // Rows bottom to top, eight modules a byte, dark as 0 bits (black for image).
    int c = 0;
    char hex[9];
    for (int y = 0; y < H; ++y) {
        int v = 7, b = 0;
        for (int x = 0; x < W; ++x) {
            if (grid[static_cast<size_t>(y * W + x)])
                b |= 1 << v;
            if (--v < 0) {
                std::snprintf(hex, sizeof hex, "%02X", b ^ 0xFF);
                eps += hex;
                c += 2;
                v = 7;
                b = 0;
            }
        }
        if (v < 7) {
            std::snprintf(hex, sizeof hex, "%02X", b ^ 0xFF);
            eps += hex;
            c += 2;
        }
        eps += ' ';
        ++c;
        if (c >= 80) {
            eps += '\n';
            c = 0;
        }
    }
    if (c)
        eps += '\n';
    eps += "\n>}image\n";

    if (image) {
        // A whole number of pixels per module, as close to the resolution as
        // the picture's size in points allows; at least one.
        const int kx = zelk::pixelsForPoints(double(W) * moduleSize, dpi) / (W + 2);
        const int ky = zelk::pixelsForPoints(double(H) * moduleSize, dpi) / (H + 2);
        const int k = std::max(1, std::min(kx, ky));
        QImage img((W + 2) * k, (H + 2) * k, QImage::Format_Indexed8);
        if (img.isNull()) {
            *image = QImage();
        } else {
            img.setColorTable({qRgba(255, 255, 255, 255), qRgba(0, 0, 0, 255)});
            img.fill(0);
            for (int y = 0; y < H; ++y) {
                const int top = (H - y) * k;  // grid row 0 is the bottom row
                uchar* line = img.scanLine(top);
                for (int x = 0; x < W; ++x)
                    if (grid[static_cast<size_t>(y * W + x)])
                        std::memset(line + (x + 1) * k, 1, static_cast<size_t>(k));
                for (int r = 1; r < k; ++r)
                    std::memcpy(img.scanLine(top + r), line, static_cast<size_t>(img.width()));
            }
            img = zelk::IndexedPicture::packMono(img);
            zelk::setSizeInPoints(img, QSizeF(double(W) * moduleSize, double(H) * moduleSize));
            *image = img;
        }
    }
    return eps;
}

QImage TwoDBarcode::Draw_PDF_417_Barcode(const QString& value, const zelk::TwoDSettings& settings) {
    try {
        pdf417View view(QSizeF(settings.pdfWidth, settings.pdfHeight), settings.pdfErrorLevel, settings.dpi);
        // A view keeps its earlier picture when a text fails; a production
        // call must never hand out another value's symbol.
        if (view.drawWithText(value) != pdf417View::ImageShown)
            return {};
        return view.getImage();
    } catch (const std::exception& e) {
        qWarning("PDF417: %s", e.what());
        return {};
    }
}
