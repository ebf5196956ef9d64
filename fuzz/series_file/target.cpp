// Series file fuzz target: any bytes as a series file read as values and
// rows that hold no line break; what is read writes and reads back the same.
#include "datasource/SeriesFile.h"
#include "foundation/Utilities.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>

namespace {

bool holdsLineBreak(const QStringList& list) {
    for (const QString& s : list)
        if (s.contains(QLatin1Char('\n')) || s.contains(QLatin1Char('\r')))
            return true;
    return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("series.txt"));
    const QString again = folder.filePath(QStringLiteral("again.txt"));
    {
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
            std::abort();
        f.write(reinterpret_cast<const char*>(data), qint64(size));
    }
    const bool readable = !SeriesFile::readText(path).isNull();
    const QStringList values = SeriesFile::readValueList(path);
    const QStringList rows = SeriesFile::readRowList(path);
    const QString first = SeriesFile::readFirstValue(path);
    if (holdsLineBreak(values) || holdsLineBreak(rows) || holdsLineBreak({first}))
        std::abort();  // a value is one line of the file
    if (!readable) {
        if (!values.isEmpty() || !rows.isEmpty())
            std::abort();
        return 0;
    }
    if (rows.isEmpty() || Trim_Str(rows.first()) != Trim_Str(first))
        std::abort();  // the first card's value is the first row

    // Rows, as production reads them, survive a rewrite unchanged, also a
    // first row that begins with U+FEFF.
    if (!SeriesFile::write(again, rows) || SeriesFile::readRowList(again) != rows)
        std::abort();
    // Values, read trimmed, come back exactly.
    if (!SeriesFile::write(again, values) || SeriesFile::readValueList(again) != values)
        std::abort();
    // Values added to the file come after all it held; a file without text
    // (a byte-order mark at most) gets no blank row before them.
    const QStringList added{QStringLiteral("x"), QStringLiteral("y")};
    QFile::remove(again);
    if (!QFile::copy(path, again) || !SeriesFile::append(again, added))
        std::abort();
    const QStringList after = SeriesFile::readRowList(again);
    if (after.size() < added.size() || after.mid(after.size() - added.size()) != added)
        std::abort();
    if (SeriesFile::readText(path).isEmpty() && after != added)
        std::abort();
    // The series manager's save trims before writing: no more values, none
    // of them split.
    if (!SeriesFile::write(again, values, SeriesFile::WriteMode::TrimSkipEmpty))
        std::abort();
    const QStringList saved = SeriesFile::readValueList(again);
    if (saved.size() > values.size() || holdsLineBreak(saved))
        std::abort();
    return 0;
}
