#include "NKDEAN13Barcode.h"

bool NKDEAN13Barcode::initWithContent(const QString& content, bool printsCaption) {
    if (!NKDBarcode::initWithContent(content, printsCaption))
        return false;
    const int n = dataLength();
    if (m_content.size() == n + 1) {
        setCheckDigit(static_cast<signed char>(m_content.at(n).toLatin1()));
        setContent(m_content.left(n));
        const int c = mod10CheckDigit(m_content);
        m_computedCheck = c < 0 ? -1 : static_cast<signed char>('0' + c);
    } else if (m_content.size() <= n) {
        generateChecksum();
    }
    // A longer content stays as it is and is refused.
    calculateWidth();
    return true;
}

void NKDEAN13Barcode::generateChecksum() {
    if (m_content.size() != dataLength())
        return;
    const int c = mod10CheckDigit(m_content);
    m_computedCheck = c < 0 ? -1 : static_cast<signed char>('0' + c);
    setCheckDigit(m_computedCheck);
}

bool NKDEAN13Barcode::_parityForSystemDigit(char systemDigit, int index) {
    // First-digit parity table of ISO/IEC 15420 (A odd, B even) for digits 2 to 7.
    static constexpr const char* kParity[10] = {"AAAAAA", "AABABB", "AABBAB", "AABBBA", "ABAABB",
                                                "ABBAAB", "ABBBAA", "ABABAB", "ABABBA", "ABBABA"};
    if (systemDigit < '0' || systemDigit > '9' || index < 0 || index > 5)
        return false;
    return kParity[systemDigit - '0'][index] == 'B';
}

QString NKDEAN13Barcode::barcode() const {
    QString out;
    if (m_content.isEmpty())
        return out;
    const char first = m_content.at(0).toLatin1();
    const QString d = m_content.left(12);
    for (int i = 1; i < d.size(); ++i) {
        const char digit = d.at(i).toLatin1();
        if (i == 7)
            out += QStringLiteral("01010");
        if (i < 7)
            out += _parityForSystemDigit(first, i - 1) ? setB(digit) : setA(digit);
        else
            out += setC(digit);
    }
    if (m_checkDigit != -1)
        out += setC(m_checkDigit);
    return out;
}

QString NKDEAN13Barcode::caption() const {
    QString c = QStringLiteral("  ") + m_content.mid(1, 6) + QLatin1Char('\t') + m_content.mid(7, 5);
    if (m_checkDigit != -1)
        c += QLatin1Char(m_checkDigit);
    return c;
}

bool NKDEAN13Barcode::isContentValid() const {
    if (m_content.size() != dataLength() || !allDigits(m_content))
        return false;
    return m_checkDigit != -1 && m_checkDigit == m_computedCheck;
}
