#include "datasource/SeriesText.h"

#include "foundation/Utilities.h"

#include <QFileInfo>
#include <QStringDecoder>

namespace zelk::series {
namespace {

QString decodeStrict(QStringConverter::Encoding encoding, const QByteArray& bytes) {
    QStringDecoder decode(encoding, QStringDecoder::Flag::Stateless);
    QString text = decode(bytes);
    if (decode.hasError())
        return {};
    // The UTF-16 decoder lets a lone surrogate through without an error.
    return text.isNull() ? QString(QLatin1String("")) : replaceUnpairedSurrogates(text);
}

const QString kFontMark = QStringLiteral("NSFont = ");

}  // namespace

QString replaceUnpairedSurrogates(QString text) {
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text.at(i);
        if (c.isHighSurrogate() && i + 1 < n && text.at(i + 1).isLowSurrogate())
            ++i;
        else if (c.isSurrogate())
            text[i] = QChar::ReplacementCharacter;
    }
    return text;
}

QString fromWindows1252(const QByteArray& bytes) {
    // 0x80..0x9F; 0 marks the unassigned bytes, kept as their C1 controls.
    static const char16_t high[32] = {
        0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
        0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};
    QString text;
    text.reserve(bytes.size());
    for (const char ch : bytes) {
        const auto b = static_cast<unsigned char>(ch);
        text.append(b >= 0x80 && b < 0xA0 && high[b - 0x80] ? QChar(high[b - 0x80]) : QChar(b));
    }
    return text;
}

QString decodeText(const QByteArray& bytes) {
    // Byte-order marks (the UTF-32 LE mark begins like UTF-16 LE's).
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return decodeStrict(QStringConverter::Utf8, bytes.mid(3));
    if (bytes.startsWith(QByteArray("\xFF\xFE\x00\x00", 4)))
        return decodeStrict(QStringConverter::Utf32LE, bytes.mid(4));
    if (bytes.startsWith(QByteArray("\x00\x00\xFE\xFF", 4)))
        return decodeStrict(QStringConverter::Utf32BE, bytes.mid(4));
    if (bytes.startsWith("\xFF\xFE"))
        return decodeStrict(QStringConverter::Utf16LE, bytes.mid(2));
    if (bytes.startsWith("\xFE\xFF"))
        return decodeStrict(QStringConverter::Utf16BE, bytes.mid(2));
    const QString utf8 = decodeStrict(QStringConverter::Utf8, bytes);
    return utf8.isNull() ? fromWindows1252(bytes) : utf8;
}

QList<QStringList> parseCsv(const QString& text) {
    QList<QStringList> records;
    QStringList record;
    QString cell;
    bool quoted = false;      // inside a quoted cell
    bool cellStarted = false; // the record has begun
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text.at(i);
        if (quoted) {
            if (c == QLatin1Char('"')) {
                if (i + 1 < n && text.at(i + 1) == QLatin1Char('"'))
                    cell.append(text.at(++i));
                else
                    quoted = false;
            } else {
                cell.append(c);
            }
            continue;
        }
        if (c == QLatin1Char('"') && cell.isEmpty()) {
            quoted = true;
            cellStarted = true;
        } else if (c == QLatin1Char(',')) {
            record.append(cell);
            cell.clear();
            cellStarted = true;
        } else if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            if (c == QLatin1Char('\r') && i + 1 < n && text.at(i + 1) == QLatin1Char('\n'))
                ++i;
            record.append(cell);
            records.append(record);
            record.clear();
            cell.clear();
            cellStarted = false;
        } else {
            // A quote inside an unquoted cell is an ordinary character.
            cell.append(c);
            cellStarted = true;
        }
    }
    if (cellStarted || !record.isEmpty() || !cell.isEmpty()) {
        record.append(cell);
        records.append(record);
    }
    return records;
}

QString cleanValue(const QString& text) {
    QString v = text;
    v.remove(QLatin1Char('\\')).remove(QLatin1Char('{')).remove(QLatin1Char('}'));
    return Trim_Str(v);
}

TextKind textKindOf(const QString& path) {
    const QString ext = QFileInfo(path).suffix().toUpper();
    if (ext == QLatin1String("CSV"))
        return TextKind::Csv;
    if (ext == QLatin1String("RTF"))
        return TextKind::Rtf;
    return TextKind::Plain;
}

QStringList valuesOfText(const QString& text, TextKind kind) {
    QStringList values;
    if (kind == TextKind::Csv) {
        for (const QStringList& record : parseCsv(text)) {
            for (const QString& cell : record) {
                const QString v = cleanValue(cell);
                if (v.contains(kFontMark))
                    break;
                if (!v.isEmpty())
                    values.append(v);
            }
        }
        return values;
    }
    // By hand: a regular expression matches nothing in text that is not
    // valid UTF-16, and the whole text would become one value.
    const qsizetype n = text.size();
    for (qsizetype start = 0; start <= n;) {
        qsizetype end = start;
        while (end < n && text.at(end) != QLatin1Char('\r') && text.at(end) != QLatin1Char('\n'))
            ++end;
        const QString v = cleanValue(text.mid(start, end - start));
        if (kind == TextKind::Plain && v.contains(kFontMark))
            break;
        if (!v.isEmpty())
            values.append(v);
        if (end < n && text.at(end) == QLatin1Char('\r') && end + 1 < n && text.at(end + 1) == QLatin1Char('\n'))
            ++end;
        start = end + 1;
    }
    return values;
}

}  // namespace zelk::series
