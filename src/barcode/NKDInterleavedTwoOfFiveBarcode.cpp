#include "NKDInterleavedTwoOfFiveBarcode.h"

bool NKDInterleavedTwoOfFiveBarcode::_getBarForDigit(char digit, int barNumber) {
    // Wide (W) and narrow (N) elements of each digit, ISO/IEC 16390 table 1.
    static constexpr const char* kTable[10] = {"NNWWN", "WNNNW", "NWNNW", "WWNNN", "NNWNW",
                                               "WNWNN", "NWWNN", "NNNWW", "WNNWN", "NWNWN"};
    if (digit < '0' || digit > '9' || barNumber < 0 || barNumber > 4)
        return true;
    return kTable[digit - '0'][barNumber] == 'N';
}

QString NKDInterleavedTwoOfFiveBarcode::barcode() const {
    QByteArray digits;
    if (!asciiContent(&digits))
        return QString();
    if (m_checkDigit != -1)
        digits.append(m_checkDigit);
    if (digits.size() % 2 == 1)
        digits.prepend('0');
    QString out;
    for (int i = 0; i + 1 < digits.size(); i += 2) {
        for (int e = 0; e < 5; ++e) {
            out += _getBarForDigit(digits[i], e) ? QStringLiteral("1") : QStringLiteral("111");
            out += _getBarForDigit(digits[i + 1], e) ? QStringLiteral("0") : QStringLiteral("000");
        }
    }
    return out;
}

bool NKDInterleavedTwoOfFiveBarcode::isContentValid() const {
    for (QChar c : m_content)
        if (c.unicode() < '0' || c.unicode() > '9')
            return false;
    return true;
}
