#include "NKDCode39Barcode.h"

namespace {

// Element widths of each character, ISO/IEC 16388 table 1: nine elements,
// bar first, "1" wide and "0" narrow.
struct Code39Char {
    char c;
    const char* widths;
};
constexpr Code39Char kCode39[] = {
    {'0', "000110100"}, {'1', "100100001"}, {'2', "001100001"}, {'3', "101100000"}, {'4', "000110001"},
    {'5', "100110000"}, {'6', "001110000"}, {'7', "000100101"}, {'8', "100100100"}, {'9', "001100100"},
    {'A', "100001001"}, {'B', "001001001"}, {'C', "101001000"}, {'D', "000011001"}, {'E', "100011000"},
    {'F', "001011000"}, {'G', "000001101"}, {'H', "100001100"}, {'I', "001001100"}, {'J', "000011100"},
    {'K', "100000011"}, {'L', "001000011"}, {'M', "101000010"}, {'N', "000010011"}, {'O', "100010010"},
    {'P', "001010010"}, {'Q', "000000111"}, {'R', "100000110"}, {'S', "001000110"}, {'T', "000010110"},
    {'U', "110000001"}, {'V', "011000001"}, {'W', "111000000"}, {'X', "010010001"}, {'Y', "110010000"},
    {'Z', "011010000"}, {'-', "010000101"}, {'.', "110000100"}, {' ', "011000100"}, {'$', "010101000"},
    {'/', "010100010"}, {'+', "010001010"}, {'%', "000101010"}, {'*', "010010100"},
};

}  // namespace

QString NKDCode39Barcode::code39Pattern(char c) {
    for (const Code39Char& e : kCode39) {
        if (e.c != c)
            continue;
        QString out;
        for (int i = 0; i < 9; ++i) {
            const QChar module = (i % 2 == 0) ? QLatin1Char('1') : QLatin1Char('0');
            out += QString(e.widths[i] == '1' ? 2 : 1, module);
        }
        return out + QLatin1Char('0');
    }
    return QString();
}

bool NKDCode39Barcode::initWithContent(const QString& content, bool printsCaption) {
    if (content.isNull())
        return false;
    QString c = content.toUpper();
    if (c.size() >= 2 && c.startsWith(QLatin1Char('*')) && c.endsWith(QLatin1Char('*')))
        c = c.mid(1, c.size() - 2);
    return NKDBarcode::initWithContent(c, printsCaption);
}

QString NKDCode39Barcode::_encodeChar(char c) const {
    return code39Pattern(c);
}

QString NKDCode39Barcode::initiator() const {
    return code39Pattern('*');
}

QString NKDCode39Barcode::terminator() const {
    return code39Pattern('*');
}

bool NKDCode39Barcode::isContentValid() const {
    // A "*" inside the data would read as the end of the symbol.
    if (m_content.contains(QLatin1Char('*')))
        return false;
    return NKDBarcode::isContentValid();
}
