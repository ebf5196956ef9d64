#include "NKDIndustrialTwoOfFiveBarcode.h"

QString NKDIndustrialTwoOfFiveBarcode::barcode() const {
    QByteArray digits;
    if (!asciiContent(&digits))
        return QString();
    if (m_checkDigit != -1)
        digits.append(m_checkDigit);
    QString out;
    for (char d : digits)
        for (int e = 0; e < 5; ++e)
            out += _getBarForDigit(d, e) ? QStringLiteral("100") : QStringLiteral("11100");
    return out;
}
