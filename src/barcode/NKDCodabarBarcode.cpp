#include "NKDCodabarBarcode.h"

namespace {

// Seven elements (bar first), "1" wide and "0" narrow, EN 798 table 1.
struct CodabarChar {
    char c;
    const char* widths;
};
constexpr CodabarChar kCodabar[] = {
    {'0', "0000011"}, {'1', "0000110"}, {'2', "0001001"}, {'3', "1100000"}, {'4', "0010010"},
    {'5', "1000010"}, {'6', "0100001"}, {'7', "0100100"}, {'8', "0110000"}, {'9', "1001000"},
    {'-', "0001100"}, {'$', "0011000"}, {':', "1000101"}, {'/', "1010001"}, {'.', "1010100"},
    {'+', "0010101"}, {'A', "0011010"}, {'B', "0101001"}, {'C', "0001011"}, {'D', "0001110"},
};

bool isFrameChar(QChar c) {
    return c.unicode() >= 'A' && c.unicode() <= 'D';
}

}  // namespace

QString NKDCodabarBarcode::_encodeChar(char c) const {
    for (const CodabarChar& e : kCodabar) {
        if (e.c != c)
            continue;
        QString out;
        for (int i = 0; i < 7; ++i)
            out += QString(e.widths[i] == '1' ? 2 : 1, (i % 2 == 0) ? QLatin1Char('1') : QLatin1Char('0'));
        return out;
    }
    return QString();
}

bool NKDCodabarBarcode::hasOwnFrame() const {
    return m_content.size() >= 2 && isFrameChar(m_content.front()) && isFrameChar(m_content.back());
}

QString NKDCodabarBarcode::barcode() const {
    QByteArray bytes;
    if (!asciiContent(&bytes))
        return QString();
    QString out;
    for (int i = 0; i < bytes.size(); ++i) {
        if (i > 0)
            out += QLatin1Char('0');
        out += _encodeChar(bytes[i]);
    }
    return out;
}

QString NKDCodabarBarcode::initiator() const {
    return hasOwnFrame() ? QString() : _encodeChar('A') + QLatin1Char('0');
}

QString NKDCodabarBarcode::terminator() const {
    return hasOwnFrame() ? QString() : QStringLiteral("0") + _encodeChar('A');
}

bool NKDCodabarBarcode::isContentValid() const {
    if (m_content.isEmpty())
        return false;
    const bool framed = hasOwnFrame();
    for (int i = 0; i < m_content.size(); ++i) {
        const QChar c = m_content.at(i);
        const bool end = i == 0 || i == m_content.size() - 1;
        if (isFrameChar(c) && !(framed && end))
            return false;
    }
    if (framed && m_content.size() < 3)
        return false;
    return NKDBarcode::isContentValid();
}
