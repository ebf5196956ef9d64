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
    // Values come back trimmed once more (Trim_Str may take a blank behind a
    // control character on another pass), nothing else changed.
    QStringList trimmed;
    for (const QString& v : values)
        if (!Trim_Str(v).isEmpty())
            trimmed << Trim_Str(v);
    if (!SeriesFile::write(again, values) || SeriesFile::readValueList(again) != trimmed)
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
