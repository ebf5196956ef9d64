#pragma once
// Values out of text files for the series import: decoding, CSV records and
// the cleaning of each value.
#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace zelk::series {

// The text of a file's bytes: the encoding of a byte-order mark (UTF-8,
// UTF-16 or UTF-32), else UTF-8 when the bytes are valid UTF-8, else
// Windows-1252. A null string when a marked text does not decode; an
// unpaired surrogate of UTF-16 becomes U+FFFD.
QString decodeText(const QByteArray& bytes);
// Every surrogate that is not half of a pair replaced by U+FFFD.
QString replaceUnpairedSurrogates(QString text);
// Windows-1252 (WHATWG's table; its five unassigned bytes stay C1 controls).
QString fromWindows1252(const QByteArray& bytes);

// CSV records (RFC 4180): a record ends at CR, LF or CRLF; cells are split
// at commas; a cell that begins with a double quote runs to its closing
// quote and may hold commas, line breaks and doubled quotes. A record
// without a comma is one cell.
QList<QStringList> parseCsv(const QString& text);

// A value of a text file: every "\", "{" and "}" removed, then Trim_Str.
QString cleanValue(const QString& text);

enum class TextKind { Plain, Csv, Rtf };
// The kind by the file's extension ("csv", "rtf" in any case; else plain).
TextKind textKindOf(const QString& path);
// The values of a decoded text: cleaned, blanks left out. Plain text: one
// per line (CR, LF or CRLF); the first line holding "NSFont = " ends the
// values. CSV: one per cell; a cell holding "NSFont = " ends its record.
// RTF text (already plain): one per line.
QStringList valuesOfText(const QString& text, TextKind kind);

}  // namespace zelk::series
