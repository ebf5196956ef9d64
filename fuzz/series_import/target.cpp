// Text and CSV import fuzz target: the bytes of a file are decoded, split
// into values as plain text and as CSV, and written as a series the way the
// import wizard writes one; every value is one row of the series file.
#include "datasource/SeriesFile.h"
#include "datasource/SeriesText.h"
#include "foundation/Utilities.h"

#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>

namespace {

bool holdsLineBreak(const QString& s) {
    return s.contains(QLatin1Char('\n')) || s.contains(QLatin1Char('\r'));
}

// The rows production reads back from a series written with these values.
QStringList rowsOf(const QStringList& values) {
    QStringList rows;
    for (const QString& v : values)
        rows << SeriesFile::lineOf(v);
    while (!rows.isEmpty() && Trim_Str(rows.last()).isEmpty())
        rows.removeLast();
    return rows.isEmpty() ? QStringList{QString()} : rows;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static QTemporaryDir folder;
    const QByteArray input = QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    const QString text = zelk::series::decodeText(input);
    if (text.isNull())
        return 0;  // a marked text that does not decode is refused
    if (!text.isValidUtf16())
        std::abort();  // an unpaired surrogate must not reach the values
    const QString path = folder.filePath(QStringLiteral("import.txt"));
    for (const auto kind : {zelk::series::TextKind::Plain, zelk::series::TextKind::Csv}) {
        const QStringList values = zelk::series::valuesOfText(text, kind);
        for (const QString& v : values) {
            if (v.isEmpty() || v.contains(QLatin1Char('\\')) || v.contains(QLatin1Char('{')) ||
                v.contains(QLatin1Char('}')))
                std::abort();  // values are cleaned and blanks left out
            if (kind == zelk::series::TextKind::Plain && holdsLineBreak(v))
                std::abort();  // one value per line
        }
        if (values.isEmpty())
            continue;
        if (!SeriesFile::write(path, values))
            std::abort();
        const QStringList rows = SeriesFile::readRowList(path);
        if (rows != rowsOf(values))
            std::abort();  // one card per value, each as imported
    }
    return 0;
}
