#pragma once
// The plain text of an RTF document (Rich Text Format 1.9.1): the text of
// its body in order, paragraph and line breaks as line ends, table cells
// and rows ending lines too. Formatting is dropped, and so are the groups
// that hold no document text (font, colour and style tables, pictures, the
// information group, header and footer, ignorable "\*" destinations).
// A \uN unit that is not half of a surrogate pair becomes U+FFFD.
#include <QByteArray>
#include <QString>

namespace zelk {

class RtfReader {
public:
    // A null string when the bytes are not an RTF document ("{\rtf").
    static QString plainText(const QByteArray& rtf);
};

}  // namespace zelk
