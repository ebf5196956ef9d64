#include "NKDModifiedPlesseyBarcode.h"

namespace {

int characterValue(QChar c, int radix) {
    const int u = c.unicode();
    if (u >= '0' && u <= '9')
        return u - '0';
    if (radix == 16 && u >= 'A' && u <= 'F')
        return u - 'A' + 10;
    return -1;
}

int decimalDigitSum(int n) {
    int s = 0;
    for (; n > 0; n /= 10)
        s += n % 10;
    return s;
}

}  // namespace

bool NKDModifiedPlesseyBarcode::initWithContent(const QString& content, bool printsCaption) {
    if (content.isNull())
        return false;
    if (!NKDBarcode::initWithContent(content.toUpper(), printsCaption))
        return false;
    generateChecksum();
    calculateWidth();
    return true;
}

QString NKDModifiedPlesseyBarcode::bits(int value) {
    QString out;
    for (int bit = 0; bit < 4; ++bit)
        out += (value >> bit) & 1 ? QStringLiteral("1110") : QStringLiteral("1000");
    return out;
}

QString NKDModifiedPlesseyBarcode::_encodeChar(char c) const {
    const int v = characterValue(QLatin1Char(c), radix());
    return v < 0 ? QString() : bits(v);
}

QString NKDModifiedPlesseyBarcode::initiator() const {
    return QStringLiteral("1110111010001110");  // bits 1, 1, 0, 1
}

QString NKDModifiedPlesseyBarcode::terminator() const {
    return QStringLiteral("111") + QStringLiteral("1000100011101110");  // bits 0, 0, 1, 1
}

int NKDModifiedPlesseyBarcode::checkDigitFor(const QString& value, int radix) {
    // Doubling the number formed by the odd-position characters and summing
    // its digits equals summing the digits of each doubled character, as a
    // doubled digit carries at most 1 into an even number; so no long
    // arithmetic is needed whatever the length.
    int sum = 0;
    const int n = static_cast<int>(value.size());
    for (int i = 0; i < n; ++i) {
        const int v = characterValue(value.at(n - 1 - i), radix);
        if (v < 0)
            return -1;
        sum += (i % 2 == 0) ? decimalDigitSum(2 * v) : v;
    }
    return (10 - sum % 10) % 10;
}

void NKDModifiedPlesseyBarcode::generateChecksum() {
    const int d = checkDigitFor(m_content, radix());
    setCheckDigit(d < 0 ? static_cast<signed char>(-1) : static_cast<signed char>('0' + d));
}
