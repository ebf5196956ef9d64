#include "datasource/SeriesFile.h"

#include "foundation/Utilities.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>

#include <algorithm>

QString SeriesFile::fileName(const QString& name) {
    return Remove_Reserve_Char_In_File_Name(name) + QStringLiteral(".txt");
}

QString SeriesFile::filePath(const QString& name, const QString& folder) {
    return folder + QLatin1Char('/') + fileName(name);
}

QString SeriesFile::readText(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = f.readAll();
    QStringDecoder decode(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = decode(bytes);
    if (decode.hasError())
        return {};
    if (text.isNull())
        text = QLatin1String("");
    return text;
}

namespace {

// The lines of a series file's text. A CR before an LF ends the line with it;
// any other CR (a file from elsewhere) becomes a space, as writing does, so
// that no value holds a line break.
QStringList linesOf(QString text) {
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char(' '));
    return text.split(QLatin1Char('\n'));
}

}  // namespace

QStringList SeriesFile::readValueList(const QString& path) {
    QStringList values;
    const QString text = readText(path);
    for (const QString& piece : linesOf(text)) {
        const QString v = Trim_Str(piece);
        if (!v.isEmpty())
            values.append(v);
    }
    return values;
}

QStringList SeriesFile::readRowList(const QString& path) {
    const QString text = readText(path);
    if (text.isNull())
        return {};
    // Blank lines at the end go, as a trim of the text would; a blank first
    // line stays, since it is the first card's value and dropping it would
    // shift every card onto the next row's value.
    QStringList rows = linesOf(text);
    while (rows.size() > 1 && Trim_Str(rows.last()).isEmpty())
        rows.removeLast();
    if (rows.size() == 1 && Trim_Str(rows.first()).isEmpty())
        rows.first().clear();
    return rows;
}

QString SeriesFile::readFirstValue(const QString& path) {
    const QString text = readText(path);
    if (text.isNull())
        return QLatin1String("");
    // Up to the first LF only: the rest of a long series is not split.
    const qsizetype end = text.indexOf(QLatin1Char('\n'));
    return linesOf(end < 0 ? text : text.left(end + 1)).first();
}

QString SeriesFile::lineOf(const QString& value) {
    QString v = value;
    v.replace(QLatin1String("\r\n"), QLatin1String(" "));
    v.replace(QLatin1Char('\r'), QLatin1Char(' '));
    v.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return v;
}

namespace {

// Readers take a byte-order mark at the start of a file for one: a first
// value that itself begins with U+FEFF would lose that character when read
// back. Such a file starts with a mark of its own, which the reader takes.
void markStartIfNeeded(QByteArray& bytes, const QStringList& values) {
    if (bytes.isEmpty() && !values.isEmpty() && values.first().startsWith(QChar(0xFEFF)))
        bytes.append("\xEF\xBB\xBF");
}

bool writeWhole(const QString& path, const QByteArray& bytes) {
    QSaveFile out(path);
    if (!out.open(QIODevice::WriteOnly))
        return false;
    if (out.write(bytes) != bytes.size()) {
        out.cancelWriting();
        return false;
    }
    return out.commit();
}

}  // namespace

bool SeriesFile::write(const QString& path, const QStringList& values, WriteMode mode) {
    QByteArray bytes;
    for (const QString& value : values) {
        QString v = lineOf(value);
        if (mode == WriteMode::TrimSkipEmpty) {
            v = Trim_Str(v);
            if (v.isEmpty())
                continue;
        }
        if (bytes.isEmpty())
            markStartIfNeeded(bytes, {v});
        bytes.append(v.toUtf8()).append('\n');
    }
    return writeWhole(path, bytes);
}

bool SeriesFile::append(const QString& path, const QStringList& values) {
    QByteArray bytes;
    QFile old(path);
    if (old.exists()) {
        if (!old.open(QIODevice::ReadOnly))
            return false;
        bytes = old.readAll();
        old.close();
        // A file holding only its byte-order mark holds no line to end.
        const bool onlyMark = bytes == QByteArrayLiteral("\xEF\xBB\xBF");
        if (!bytes.isEmpty() && !onlyMark && !bytes.endsWith('\n'))
            bytes.append('\n');
    }
    markStartIfNeeded(bytes, values);
    for (const QString& value : values)
        bytes.append(lineOf(value).toUtf8()).append('\n');
    return writeWhole(path, bytes);
}

QStringList Get_datasheet_File_Name_Array(const QString& folder) {
    QStringList names;
    const QDir dir(folder);
    if (folder.isEmpty() || !dir.exists())
        return names;
    for (const QFileInfo& fi : dir.entryInfoList(QDir::Files | QDir::Hidden, QDir::Unsorted)) {
        // Exactly "txt": a file "X.TXT" would be listed and then opened as
        // "X.txt", which is another file on a case-sensitive file system.
        if (fi.suffix() == QLatin1String("txt"))
            names.append(fi.fileName().chopped(4));
    }
    std::sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
        const int c = QString::compare(a, b, Qt::CaseInsensitive);
        return c != 0 ? c < 0 : a < b;
    });
    return names;
}

bool Check_Batch_File_In_Use_Validation(const QString& name, const QList<zelk::SeriesBinding>& front,
                                        const QList<zelk::SeriesBinding>& back, bool twoSided,
                                        const QString& folder) {
    if (!QFileInfo::exists(folder + QLatin1Char('/') + name + QStringLiteral(".txt")))
        return false;
    auto uses = [&name](const QList<zelk::SeriesBinding>& side) {
        return std::any_of(side.begin(), side.end(), [&name](const zelk::SeriesBinding& b) {
            return b.takesValues && b.dataSourceType == 1 && b.batchListName == name;
        });
    };
    return uses(front) || (twoSided && uses(back));
}
