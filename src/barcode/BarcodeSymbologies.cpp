#include "BarcodeSymbologies.h"

namespace zelk {

const QStringList& BarcodeSymbologies::titles() {
    // Never reorder: designs store these indexes.
    static const QStringList list = {
        QStringLiteral("Code 39"),
        QStringLiteral("Extended Code 39"),
        QStringLiteral("Interleaved 2 of 5"),
        QStringLiteral("UPCA"),
        QStringLiteral("PostNet"),
        QStringLiteral("Modified Plessey"),
        QStringLiteral("Modified Plessey (Hex)"),
        QStringLiteral("Industrial 2 of 5"),
        QStringLiteral("EAN-13"),
        QStringLiteral("Code 128"),
        QStringLiteral("Code 128 SET A"),
        QStringLiteral("Code 128 SET B"),
        QStringLiteral("Code 128 SET C"),
        QStringLiteral("Codabar"),
        QStringLiteral("UPCE"),
        QStringLiteral("EAN-8"),
        QStringLiteral("Royal Mail Barcode (RM4SCC / CBC)"),
        QStringLiteral("Planet"),
        QStringLiteral("Japan Post Barcode"),
        QStringLiteral("QR Code"),
        QStringLiteral("PDF417"),
        QStringLiteral("DataMatrix"),
    };
    return list;
}

int BarcodeSymbologies::indexOf(const QString& title) {
    return static_cast<int>(titles().indexOf(title));
}

QString BarcodeSymbologies::titleAt(int index) {
    const QStringList& t = titles();
    return index >= 0 && index < t.size() ? t.at(index) : QString();
}

bool BarcodeSymbologies::isTwoD(const QString& title) {
    return title == QLatin1String("QR Code") || title == QLatin1String("PDF417") ||
           title == QLatin1String("DataMatrix");
}

bool BarcodeSymbologies::isLinear(const QString& title) {
    return indexOf(title) >= 0 && !isTwoD(title);
}

}  // namespace zelk
