#pragma once
// The parameters of the three 2D barcode paths as one plain value, copied
// from the settings window, so that production runs on any thread.
#include <QString>

namespace zelk {

struct TwoDSettings {
    int qrVersion = 0;        // 0 "Auto", n version n
    int qrEcLevel = 0;        // 0 L, 1 M, 2 Q, 3 H
    int qrSize = 60;          // side of the QR picture, points
    int pdfWidth = 100;       // PDF417 picture, points
    int pdfHeight = 20;
    int pdfErrorLevel = 2;    // 0 to 8
    int dmModuleSize = 2;     // DataMatrix module, points
    QString dmFormat = QStringLiteral("Auto");    // "Auto" or "C<rows>X<columns>"
    QString dmEncoding = QStringLiteral("Auto");  // "Auto", "Ascii", "C40", "Text", "Base256"
    int dpi = 600;            // resolution of the bitmaps, dots per inch

    // The process-wide values of the settings window (resolution, QR version
    // and level); the other fields keep their defaults.
    static TwoDSettings fromGlobals();
};

}  // namespace zelk
