#include "JapanPostBarcode.h"

#include <algorithm>

namespace {

// Bars 1 to 3 of "-" (45) to "@" (64), one nibble each: 3 full, 2 ascender,
// 1 descender, 0 timing. ":" to "?" stand for CC1 to CC6, "." for CC7 and
// "/" for CC8 (the Japan Post customer barcode rules).
constexpr std::uint32_t numberCodesOfJapan[20] = {
    0x030, 0x003, 0x333, 0x300, 0x330, 0x312, 0x132, 0x321, 0x303, 0x123,
    0x231, 0x213, 0x033, 0x120, 0x102, 0x210, 0x012, 0x201, 0x021, 0x000,
};
constexpr int numberLength = 3;
constexpr std::uint32_t openBracket = 0x31;
constexpr int openBracketLength = 2;
constexpr std::uint32_t closeBracket = 0x13;
constexpr int closeBracketLength = 2;
constexpr int kCodeCount = 20;

int codeValue(QChar c) {
    const char16_t u = c.unicode();
    if (u >= '0' && u <= '9')
        return u - '0';
    switch (u) {
    case '-': return 10;
    case ':': return 11;
    case ';': return 12;
    case '<': return 13;
    case '=': return 14;
    default: return 0;
    }
}

}  // namespace

std::uint32_t japanpost_characterDescriptor(char c) {
    if (c < 45 || c > 64)
        return 0;
    return numberCodesOfJapan[c - 45];
}

int japanpost_barDescriptor(std::uint32_t word, int position, int count) {
    const int nibble = count - 1 - position;
    return static_cast<int>((word >> (4 * nibble)) & 0xF);
}

float japanpost_barTop(int barCode, float size) {
    return (barCode & 2) ? 3.6f * size / 10.0f : 2.4f * size / 10.0f;
}

float japanpost_barBottom(int barCode, float size) {
    return (barCode & 1) ? 0.0f : 1.2f * size / 10.0f;
}

bool JapanPostBarcode::initWithContent(const QString& content, bool printsCaption) {
    return initWithContent(content, printsCaption, 0.936f, 36.0f, 6.0f, -1);
}

bool JapanPostBarcode::initWithContent(const QString& content, bool printsCaption, float, float height, float,
                                       signed char) {
    if (content.isNull())
        return false;
    m_printsCaption = printsCaption;
    setContent(content);
    setSize(height >= 8.0f && height <= 11.5f ? height : 10.0f);
    return true;
}

void JapanPostBarcode::setContent(const QString& text) {
    const QString upper = text.toUpper();
    QString codes;
    QString readable;
    for (QChar ch : upper) {
        const char16_t u = ch.unicode();
        if (u >= 'A' && u <= 'J') {
            codes += QLatin1Char(':') + QChar(u'0' + (u - 'A'));
            readable += ch;
        } else if (u >= 'K' && u <= 'T') {
            codes += QLatin1Char(';') + QChar(u'0' + (u - 'K'));
            readable += ch;
        } else if (u >= 'U' && u <= 'Z') {
            codes += QLatin1Char('<') + QChar(u'0' + (u - 'U'));
            readable += ch;
        } else if ((u >= '0' && u <= '9') || u == '-') {
            codes += ch;
            readable += ch;
        }
    }
    if (codes.size() > kCodeCount) {
        codes.truncate(kCodeCount);
        int k = 0;
        for (QChar c : codes)
            if (c.isDigit() || c == QLatin1Char('-'))
                ++k;
        readable.truncate(k);
    } else {
        codes += QString(kCodeCount - codes.size(), QLatin1Char('='));
    }
    m_codes = codes;
    NKDBarcode::setContent(readable);
    generateChecksum();
}

void JapanPostBarcode::setBarHeight(float h) {
    setSize(h);
    setHeight(h);
}

void JapanPostBarcode::setSize(float size) {
    m_size = std::clamp(size, 8.5f, 11.5f);
    m_barWidth = m_size / 6.0f;
    calculateWidth();
}

void JapanPostBarcode::setBarWidth(float w) {
    m_barWidth = std::clamp(w, 1.3333333333333333f, 1.9166666666667f);
    m_size = 6.0f * m_barWidth;
    calculateWidth();
}

void JapanPostBarcode::calculateWidth() {
    m_width = static_cast<float>(completeBarcode().length()) * m_barWidth;
}

QString JapanPostBarcode::barcode() const {
    QString out;
    for (int i = 0; i < m_codes.size(); ++i)
        out += QStringLiteral("101010");
    if (m_checkDigit != -1)
        out += QStringLiteral("101010");
    return out;
}

void JapanPostBarcode::generateChecksum() {
    int s = 0;
    for (QChar c : m_codes)
        s += codeValue(c);
    const int v = (s / 19 + 1) * 19 - s;
    char c = '0';
    if (v < 10)
        c = char('0' + v);
    else if (v == 10)
        c = '-';
    else if (v <= 16)
        c = char(':' + (v - 11));
    else if (v == 17)
        c = '.';
    else if (v == 18)
        c = '/';
    setCheckDigit(static_cast<signed char>(c));
}

bool JapanPostBarcode::isContentValid() const {
    if (m_content.size() < 7)
        return false;
    for (int i = 0; i < 7; ++i)
        if (m_content.at(i).unicode() < '0' || m_content.at(i).unicode() > '9')
            return false;
    return true;
}

int JapanPostBarcode::_barDescriptor(int i) const {
    const int L = static_cast<int>(m_codes.size());
    if (i < 4)
        return japanpost_barDescriptor(openBracket, (i % 4) / 2, openBracketLength);
    if (i < 4 + (L + 1) * 6) {
        const int q = (i - 4) / 6;
        const char c = q < L ? m_codes.at(q).toLatin1() : m_checkDigit;
        return japanpost_barDescriptor(japanpost_characterDescriptor(c), ((i - 4) % 6) / 2, numberLength);
    }
    return japanpost_barDescriptor(closeBracket, ((i - 4 - (L + 1) * 6) % 3) / 2, closeBracketLength);
}

float JapanPostBarcode::barTop(int i) const {
    return japanpost_barTop(_barDescriptor(i), m_size) / 0.3527777777777777f;
}

float JapanPostBarcode::barBottom(int i) const {
    return japanpost_barBottom(_barDescriptor(i), m_size) / 0.3527777777777777f;
}
