#include "NKDRoyalMailBarcode.h"

namespace {

// RM4SCC codes of bars 1 to 4, one nibble each (Royal Mail customer barcode table).
constexpr std::uint32_t numberCodes[10] = {0x0033, 0x0123, 0x0132, 0x1023, 0x1032,
                                           0x1122, 0x0213, 0x0303, 0x0312, 0x1203};
constexpr std::uint32_t letterCodes[26] = {0x1212, 0x1302, 0x0231, 0x0321, 0x0330, 0x1221, 0x1230,
                                           0x1320, 0x2013, 0x2103, 0x2112, 0x3003, 0x3012, 0x3102,
                                           0x2031, 0x2121, 0x2130, 0x3021, 0x3030, 0x3120, 0x2211,
                                           0x2301, 0x2310, 0x3201, 0x3210, 0x3300};

constexpr double kPointsPerMm = 0.03937007874015748 * 72.0;

}  // namespace

std::uint32_t royalmail_characterDescriptor(char c) {
    if (c >= 'A' && c <= 'Z')
        return letterCodes[c - 'A'];
    if (c >= '0' && c <= '9')
        return numberCodes[c - '0'];
    return 0;
}

int royalmail_barDescriptor(std::uint32_t word, int bar) {
    return static_cast<int>((word >> (4 * bar)) & 0xF);
}

float royalmail_barTop(int barCode) {
    return (barCode & 2) ? 5.05f : 3.15f;
}

float royalmail_barBottom(int barCode) {
    return (barCode & 1) ? 0.0f : 1.9f;
}

int royalmail_collapseAscenders(std::uint32_t word) {
    int mask = 0;
    for (int bar = 0; bar < 4; ++bar)
        if (royalmail_barDescriptor(word, bar) & 2)
            mask |= 1 << bar;
    return mask;
}

int royalmail_collapseDescenders(std::uint32_t word) {
    int mask = 0;
    for (int bar = 0; bar < 4; ++bar)
        if (royalmail_barDescriptor(word, bar) & 1)
            mask |= 1 << bar;
    return mask;
}

bool NKDRoyalMailBarcode::initWithContent(const QString& content, bool printsCaption) {
    if (content.isNull())
        return false;
    if (!NKDBarcode::initWithContent(content, false, 1.4173229f, 14.3149605f, 6.0f, -1))
        return false;
    generateChecksum();
    setHeight(14.3149605f);
    calculateWidth();
    return true;
}

void NKDRoyalMailBarcode::generateChecksum() {
    int t = 0;
    int u = 0;
    for (QChar ch : m_content) {
        const std::uint32_t w = royalmail_characterDescriptor(ch.unicode() < 128 ? char(ch.unicode()) : 0);
        t = (t + royalmail_collapseAscenders(w) / 2) % 6;
        u = (u + royalmail_collapseDescenders(w) / 2) % 6;
    }
    int row = t - 1;
    int col = u - 1;
    if (row < 0)
        row = 5;
    if (col < 0)
        col = 5;
    const int k = 6 * row + col;
    setCheckDigit(static_cast<signed char>(k < 10 ? '0' + k : 'A' + k - 10));
}

int NKDRoyalMailBarcode::_barDescriptor(int i) const {
    const int n = static_cast<int>(m_content.size());
    if (i == 0)
        return 2;
    if (i >= 2 + 8 * (n + 1))
        return 3;
    const int j = (i - 2) / 8;
    const int p = ((i - 2) % 8) / 2;
    char c = m_checkDigit;
    if (j < n) {
        const QChar ch = m_content.at(j);
        c = ch.unicode() < 128 ? char(ch.unicode()) : 0;
    }
    return royalmail_barDescriptor(royalmail_characterDescriptor(c), 3 - p);
}

float NKDRoyalMailBarcode::barTop(int i) const {
    return static_cast<float>(royalmail_barTop(_barDescriptor(i)) * kPointsPerMm);
}

float NKDRoyalMailBarcode::barBottom(int i) const {
    return static_cast<float>(royalmail_barBottom(_barDescriptor(i)) * kPointsPerMm);
}

bool NKDRoyalMailBarcode::isContentValid() const {
    if (m_content.isEmpty())
        return false;
    for (QChar ch : m_content) {
        const char16_t u = ch.unicode();
        if (!((u >= '0' && u <= '9') || (u >= 'A' && u <= 'Z')))
            return false;
    }
    return true;
}
