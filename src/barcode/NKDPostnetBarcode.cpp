#include "NKDPostnetBarcode.h"

bool NKDPostnetBarcode::initWithContent(const QString& content, bool printsCaption) {
    if (content.isNull())
        return false;
    if (!NKDBarcode::initWithContent(content, printsCaption, 1.08f, 9.0f, 6.0f, -1))
        return false;
    generateChecksum();
    setHeight(9.0f);
    calculateWidth();
    return true;
}

void NKDPostnetBarcode::generateChecksum() {
    int s = 0;
    for (QChar c : m_content)
        s += c.unicode() - '0';
    const int r = ((s % 10) + 10) % 10;
    setCheckDigit(static_cast<signed char>(r == 0 ? '0' : '0' + (10 - r)));
}

bool NKDPostnetBarcode::isContentValid() const {
    const auto n = m_content.size();
    if (n != 5 && n != 9 && n != 11)
        return false;
    for (QChar c : m_content)
        if (c.unicode() < '0' || c.unicode() > '9')
            return false;
    return true;
}

bool NKDPostnetBarcode::isTall(char digit, int b) {
    // Full bars of each digit in the USPS POSTNET table (weights 7 4 2 1 0).
    static constexpr int kTall[10][2] = {{1, 2}, {4, 5}, {3, 5}, {3, 4}, {2, 5},
                                         {2, 4}, {2, 3}, {1, 5}, {1, 4}, {1, 3}};
    const int d = digit - '0';
    return kTall[d][0] == b || kTall[d][1] == b;
}

float NKDPostnetBarcode::_heightForDigit(int d, int b) const {
    const char c = d < m_content.size() ? m_content.at(d).toLatin1() : m_checkDigit;
    if (c < '0' || c > '9')
        return 0.0f;
    return isTall(c, b) ? 0.125f : 0.05f;
}

float NKDPostnetBarcode::barTop(int i) const {
    const int last = static_cast<int>(completeBarcode().length()) - 1;
    if (i == 0 || i >= last)
        return 9.0f;
    const int d = (i - 3) / 15;
    const int b = (i - 15 * d) / 3;
    return _heightForDigit(d, b) * 72.0f;
}
