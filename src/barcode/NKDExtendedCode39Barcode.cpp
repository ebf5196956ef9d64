#include "NKDExtendedCode39Barcode.h"

bool NKDExtendedCode39Barcode::initWithContent(const QString& content, bool printsCaption) {
    if (content.isNull())
        return false;
    // Lower case and "*" are data here: keep the content as typed.
    if (!NKDBarcode::initWithContent(content, printsCaption))
        return false;
    setContent(content);
    calculateWidth();
    return true;
}

QString NKDExtendedCode39Barcode::getRequirementDescription() {
    return QStringLiteral(
        "Character set: 0..9, A..Z, a..z, and  space, _, ., $, /, +, %, *, lenght = 7 + 1 check digit (Calculated).");
}

QString NKDExtendedCode39Barcode::fullAsciiPair(char c) {
    // Full ASCII table of ISO/IEC 16388 annex: "*" and "/" must be shifted as
    // well, as "*" is the start/stop character and "/" a shift character.
    const unsigned char u = static_cast<unsigned char>(c);
    if ((c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || c == ' ' || c == '-' || c == '.')
        return QString(QLatin1Char(c));
    if (u >= '!' && u <= ',')
        return QStringLiteral("/") + QLatin1Char(char('A' + (u - '!')));
    if (c == '/')
        return QStringLiteral("/O");
    if (c == ':')
        return QStringLiteral("/Z");
    if (u >= ';' && u <= '?')
        return QStringLiteral("%") + QLatin1Char(char('F' + (u - ';')));
    if (c == '@')
        return QStringLiteral("%V");
    if (u >= '[' && u <= '_')
        return QStringLiteral("%") + QLatin1Char(char('K' + (u - '[')));
    if (c == '`')
        return QStringLiteral("%W");
    if (u >= 'a' && u <= 'z')
        return QStringLiteral("+") + QLatin1Char(char('A' + (u - 'a')));
    if (u >= '{' && u <= '~')
        return QStringLiteral("%") + QLatin1Char(char('P' + (u - '{')));
    return QString();
}

QString NKDExtendedCode39Barcode::_encodeChar(char c) const {
    QString out;
    for (QChar part : fullAsciiPair(c))
        out += code39Pattern(part.toLatin1());
    return out;
}

bool NKDExtendedCode39Barcode::isContentValid() const {
    return NKDBarcode::isContentValid();
}
