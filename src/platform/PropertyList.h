#pragma once
// Reading and writing XML property lists (the Apple "plist" XML form), the
// stored format of design files, print profiles and the mail settings.
//
// Values map to QVariant:
//   array -> QVariantList     dict -> QVariantMap     string -> QString
//   integer -> qint64         real -> double          true/false -> bool
//   data -> QByteArray        date -> QDateTime (UTC)
//
// The reader never resolves entities or DTDs: a document type with an internal
// subset is refused, as is any entity reference other than the five XML ones
// and character references. Input size, nesting depth and element count are
// capped. On any failure the caller's value is left untouched and the error
// text says what was wrong and where.
#include <QByteArray>
#include <QString>
#include <QVariant>

namespace zelk {

// Caps on what the reader accepts.
struct PropertyListLimits {
    qsizetype maxBytes = 64 * 1024 * 1024;
    int maxDepth = 256;
    qsizetype maxElements = 2'000'000;
};

class PropertyList {
public:
    using Limits = PropertyListLimits;

    // Parses an XML property list. Returns false and sets *error (when given)
    // on malformed, hostile or over-limit input; `out` is then unchanged.
    static bool read(const QByteArray& xml, QVariant& out, QString* error = nullptr,
                     const Limits& limits = Limits());
    static bool readFile(const QString& path, QVariant& out, QString* error = nullptr,
                         const Limits& limits = Limits());

    // Serialises a value with the standard XML declaration, DOCTYPE line and
    // tab indentation. Fails (empty result, *error set) for values a property
    // list cannot hold: invalid/null variants, unsupported types, text with
    // characters XML 1.0 cannot carry, or anything beyond the default Limits
    // (so every file written can be read back).
    static QByteArray write(const QVariant& value, QString* error = nullptr);
    // Writes atomically: an existing file is replaced only on success.
    static bool writeFile(const QString& path, const QVariant& value, QString* error = nullptr);
};

}  // namespace zelk
