#include "NKDAbstractUPCEANBarcode.h"

namespace zelk {

QString swapHandedness(const QString& pattern) {
    QString out(pattern.size(), QLatin1Char('0'));
    for (int i = 0; i < pattern.size(); ++i)
        if (pattern.at(i) == QLatin1Char('0'))
            out[i] = QLatin1Char('1');
    return out;
}

QString swapParity(const QString& pattern) {
    const QString h = swapHandedness(pattern);
    QString out;
    out.reserve(h.size());
    for (int i = static_cast<int>(h.size()) - 1; i >= 0; --i)
        out += h.at(i);
    return out;
}

}  // namespace zelk

QString NKDAbstractUPCEANBarcode::setA(char digit) {
    // Left-hand odd parity patterns, ISO/IEC 15420 table 1.
    static constexpr const char* kSetA[10] = {"0001101", "0011001", "0010011", "0111101", "0100011",
                                              "0110001", "0101111", "0111011", "0110111", "0001011"};
    if (digit < '0' || digit > '9')
        return QString();
    return QString::fromLatin1(kSetA[digit - '0']);
}

QString NKDAbstractUPCEANBarcode::setB(char digit) {
    return zelk::swapParity(setA(digit));
}

QString NKDAbstractUPCEANBarcode::setC(char digit) {
    return zelk::swapHandedness(setA(digit));
}

QString NKDAbstractUPCEANBarcode::_encodeChar(char c) const {
    return setA(c);
}

void NKDAbstractUPCEANBarcode::calculateWidth() {
    if (m_content.isEmpty()) {
        m_width = 0.0f;
        return;
    }
    m_width = static_cast<float>(completeBarcode().length()) * m_barWidth * 1.2f;
}

float NKDAbstractUPCEANBarcode::barBottom(int i) const {
    const int n = static_cast<int>(completeBarcode().length());
    if (i >= 7 && i <= n - 7 && !(i >= 45 && i <= 49))
        return m_captionHeight * 72.0f;
    return 3.6f;
}

bool NKDAbstractUPCEANBarcode::allDigits(const QString& s) {
    for (QChar c : s)
        if (c.unicode() < '0' || c.unicode() > '9')
            return false;
    return true;
}

int NKDAbstractUPCEANBarcode::mod10CheckDigit(const QString& digits) {
    if (!allDigits(digits))
        return -1;
    int sum = 0;
    const int n = static_cast<int>(digits.size());
    for (int i = 0; i < n; ++i) {
        const int d = digits.at(n - 1 - i).unicode() - '0';
        sum += (i % 2 == 0) ? 3 * d : d;
    }
    return (10 - sum % 10) % 10;
}

void NKDAbstractUPCEANBarcode::generateChecksum() {
    if (m_content.size() != 11)
        return;
    const int c = mod10CheckDigit(m_content);
    m_computedCheck = c < 0 ? -1 : static_cast<signed char>('0' + c);
    setCheckDigit(m_computedCheck);
}

QString NKDAbstractUPCEANBarcode::rightCaption() const {
    return m_checkDigit == -1 ? QString() : QString(QLatin1Char(m_checkDigit));
}
