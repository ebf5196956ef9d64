#include "datasource/SpreadsheetWriter.h"

#include "datasource/SSZipArchive.h"
#include "datasource/SheetReader.h"
#include "datasource/ZipWorkFolder.h"
#include "foundation/AppPaths.h"
#include "foundation/Utilities.h"
#include "platform/FileWriting.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>

#include <algorithm>

int Excel_Sheet_Number = 1;
int Excel_Sheet_Columns = 1;

QString Get_Column_Char_Str(const QString& cellReference) {
    for (qsizetype i = 0; i < cellReference.size(); ++i) {
        const QChar c = cellReference.at(i);
        if (c >= QLatin1Char('1') && c <= QLatin1Char('9'))
            return cellReference.left(i);
    }
    return cellReference;
}

int Get_Col_index(const QString& letters, int offset) {
    // Base 26 with digits A=1 .. Z=26 (the A1 cell references of
    // ECMA-376); the result saturates past the format's last column.
    qint64 n = 0;
    for (const QChar c : letters) {
        n = n * 26 + (c.unicode() - 64);
        if (n > zelk::SheetReader::kMaxColumns)
            n = zelk::SheetReader::kMaxColumns + 1;
    }
    return static_cast<int>(offset == 65 ? n - 1 : n);
}

namespace {

QString g_templatePath;

const char kMainNs[] = "http://schemas.openxmlformats.org/spreadsheetml/2006/main";

// A part of the package in the private working folder, which is packed and
// emptied again: the package is what is synced and renamed into place, so
// the part needs neither.
bool writeWorkFile(const QString& file, const QByteArray& bytes, QString* why) {
    QFile out(file);
    QString reason;
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered))
        reason = out.errorString();
    else if (zelk::writeWholeFile(out, bytes, &reason))
        return true;
    Show_NSLog_Message(QStringLiteral("Error when writing file %1").arg(file));
    *why = QStringLiteral("%1: %2").arg(file, reason);
    return false;
}

bool isXStringEscape(const QString& s, qsizetype i) {
    if (i + 6 >= s.size() || s.at(i + 1) != QLatin1Char('x') || s.at(i + 6) != QLatin1Char('_'))
        return false;
    for (int k = 2; k < 6; ++k) {
        const ushort u = s.at(i + k).unicode();
        if (!((u >= '0' && u <= '9') || (u >= 'a' && u <= 'f') || (u >= 'A' && u <= 'F')))
            return false;
    }
    return true;
}

// Element text as ST_Xstring (ECMA-376 Part 1, §22.9.2.19): characters that
// XML 1.0 cannot carry (control characters, CR, which parsers turn into
// LF, U+FFFE/U+FFFF and unpaired surrogates) are written as _xHHHH_, and an
// underscore that would read as such an escape as _x005F_.
void appendXString(QByteArray& out, const QString& s) {
    QString e;
    e.reserve(s.size() + 8);
    const qsizetype n = s.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = s.at(i);
        const ushort u = c.unicode();
        bool escape = false;
        if ((u < 0x20 && u != '\t' && u != '\n') || u == 0xFFFE || u == 0xFFFF) {
            escape = true;
        } else if (c.isHighSurrogate()) {
            if (i + 1 < n && s.at(i + 1).isLowSurrogate()) {
                e.append(c).append(s.at(++i));
                continue;
            }
            escape = true;
        } else if (c.isLowSurrogate()) {
            escape = true;
        } else if (u == '_' && isXStringEscape(s, i)) {
            escape = true;
        }
        if (escape) {
            e.append(QLatin1String("_x"))
                .append(QString::number(u, 16).toUpper().rightJustified(4, QLatin1Char('0')))
                .append(QLatin1Char('_'));
            continue;
        }
        switch (u) {
        case '&': e.append(QLatin1String("&amp;")); break;
        case '<': e.append(QLatin1String("&lt;")); break;
        case '>': e.append(QLatin1String("&gt;")); break;
        default: e.append(c);
        }
    }
    out.append(e.toUtf8());
}

void appendTextElement(QByteArray& out, const QString& s) {
    const bool keepBlanks = !s.isEmpty() && (s.front().isSpace() || s.back().isSpace() || s.contains(QLatin1Char('\n')));
    out.append(keepBlanks ? "<t xml:space=\"preserve\">" : "<t>");
    appendXString(out, s);
    out.append("</t>");
}

}  // namespace

SpreadsheetWriter::SpreadsheetWriter() {
    tmpDir = zelk::ZipWorkFolder::path();
    Show_NSLog_Message(QStringLiteral("Temp. directory initialized:\n %1").arg(tmpDir));
}

SpreadsheetWriter* SpreadsheetWriter::shared() {
    static SpreadsheetWriter* spreadsheet = new SpreadsheetWriter;
    spreadsheet->tmpDir = zelk::ZipWorkFolder::path();  // follows a test override
    return spreadsheet;
}

QString SpreadsheetWriter::sheetFile(int number) const {
    return tmpDir + QStringLiteral("/xl/worksheets/sheet%1.xml").arg(number);
}

void SpreadsheetWriter::setTemplatePath(const QString& path) { g_templatePath = path; }

QString SpreadsheetWriter::templatePath() {
    return g_templatePath.isEmpty() ? Resource_Path + QStringLiteral("/Template.xlsx") : g_templatePath;
}

bool SpreadsheetWriter::isNumberText(const QString& text) {
    // -?(0|[1-9][0-9]*)(\.[0-9]*[1-9])? with at most 15 digits: such a text
    // is a double that every reader shows again digit for digit.
    const qsizetype n = text.size();
    qsizetype i = 0;
    if (i < n && text.at(i) == QLatin1Char('-'))
        ++i;
    const qsizetype intStart = i;
    while (i < n && text.at(i).unicode() >= '0' && text.at(i).unicode() <= '9')
        ++i;
    const qsizetype intDigits = i - intStart;
    if (intDigits == 0 || (intDigits > 1 && text.at(intStart) == QLatin1Char('0')))
        return false;
    qsizetype fracDigits = 0;
    if (i < n && text.at(i) == QLatin1Char('.')) {
        ++i;
        const qsizetype fracStart = i;
        while (i < n && text.at(i).unicode() >= '0' && text.at(i).unicode() <= '9')
            ++i;
        fracDigits = i - fracStart;
        if (fracDigits == 0 || text.at(i - 1) == QLatin1Char('0'))
            return false;
    }
    if (i != n || intDigits + fracDigits > 15)
        return false;
    return !(intStart == 1 && intDigits == 1 && fracDigits == 0 && text.at(1) == QLatin1Char('0'));  // "-0"
}

QString SpreadsheetWriter::ColumnIndexToName(int column) const {
    QString name;
    while (column > 0) {
        const int r = (column - 1) % 26;
        name.prepend(QChar('A' + r));
        column = (column - 1) / 26;
    }
    return name;
}

void SpreadsheetWriter::ReadSharedStrings(const QString& file) {
    sharedStrings.clear();
    QFile in(file);
    if (!in.open(QIODevice::ReadOnly))
        return;
    QString error;
    if (!zelk::SheetReader::readSharedStrings(in, sharedStrings, &error))
        Show_NSLog_Message(QStringLiteral("Error: %1").arg(error));
}

namespace {

bool openSheet(QFile& in) {
    if (in.open(QIODevice::ReadOnly))
        return true;
    Show_NSLog_Message(QStringLiteral("Error: %1").arg(in.errorString()));
    return false;
}

}  // namespace

void SpreadsheetWriter::ReadData(const QString& file) {
    data.clear();
    readError.clear();
    QFile in(file);
    if (!openSheet(in)) {
        readError = in.errorString();
        return;
    }
    zelk::SheetReader::Result r = zelk::SheetReader::readSheet(in, sharedStrings, false, Excel_Sheet_Columns, kMaxCells);
    if (!r.ok) {
        readError = r.error;
        Show_NSLog_Message(QStringLiteral("Error: %1").arg(r.error));
        return;
    }
    // A row with values beyond the known width widens the whole table.
    Excel_Sheet_Columns = std::max(Excel_Sheet_Columns, r.widestRow);
    data = std::move(r.rows);
}

SpreadsheetWriter::Rows SpreadsheetWriter::ReadData_only_column() {
    SpreadsheetWriter* w = shared();
    w->data.clear();
    QFile in(w->sheetFile(Excel_Sheet_Number));
    if (!openSheet(in))
        return w->data;
    const zelk::SheetReader::Result r = zelk::SheetReader::readSheet(in, w->sharedStrings, true);
    if (!r.ok) {
        Show_NSLog_Message(QStringLiteral("Error: %1").arg(r.error));
        return w->data;
    }
    // The dimension's end column (a single-cell dimension is that cell's
    // column), widened by a header row reaching further right.
    const int declared = r.dimensionColumns >= 0 ? r.dimensionColumns : 1;
    const int count = std::max(declared, r.widestRow);
    Excel_Sheet_Columns = count;
    if (count <= 0 || r.rows.isEmpty())
        return w->data;
    QStringList header;
    header.reserve(count);
    for (int k = 1; k <= count; ++k)
        header.append(QStringLiteral("Untitled Column %1").arg(k));
    const QStringList& first = r.rows.first();
    for (qsizetype k = 0; k < first.size(); ++k)
        if (!first.at(k).isEmpty())
            header[k] = first.at(k);
    w->data.append(header);
    return w->data;
}

SpreadsheetWriter::Rows SpreadsheetWriter::ReadWorkbook(const QString& path, bool only_col, bool* unpacked) {
    SpreadsheetWriter* w = shared();
    if (!only_col) {
        w->ReadData(w->sheetFile(Excel_Sheet_Number));
        return w->data;
    }
    Excel_Sheet_Columns = 1;
    SSZipArchive::Error error;
    const bool ok = !w->tmpDir.isEmpty() &&
                    SSZipArchive::unzipFileAtPath(path, w->tmpDir, true, QString(), &error);
    if (!ok)
        Show_NSLog_Message(QStringLiteral("Cannot unpack %1: %2").arg(path, error.description));
    if (unpacked)
        *unpacked = ok;
    w->ReadSharedStrings(w->tmpDir + QStringLiteral("/xl/sharedStrings.xml"));
    return w->data;
}

QList<int> SpreadsheetWriter::sheetNumbers() {
    const QString dir = shared()->tmpDir + QStringLiteral("/xl/worksheets");
    static const QRegularExpression name(QStringLiteral("^sheet([1-9][0-9]{0,8})\\.xml$"));
    QList<int> numbers;
    for (const QString& f : QDir(dir).entryList(QDir::Files)) {
        const QRegularExpressionMatch m = name.match(f);
        if (m.hasMatch())
            numbers.append(m.captured(1).toInt());
    }
    std::sort(numbers.begin(), numbers.end());
    return numbers;
}

QStringList SpreadsheetWriter::sheetNames() {
    QStringList names;
    for (int n : sheetNumbers())
        names.append(QStringLiteral("sheet%1").arg(n));
    return names;
}

bool SpreadsheetWriter::WriteWorksheetData(const QString& file) {
    sharedStrings.clear();
    const int columns = data.isEmpty() ? 0 : static_cast<int>(data.first().size());
    const int rows = static_cast<int>(data.size());
    const QByteArray colsText = QByteArray::number(std::max(columns, 1));
    const QByteArray last = (ColumnIndexToName(std::max(columns, 1)) + QString::number(std::max(rows, 1))).toLatin1();

    QByteArray x;
    x.reserve(static_cast<qsizetype>(rows) * std::max(columns, 1) * 24 + 1024);
    x.append("<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n");
    x.append("<worksheet xmlns=\"").append(kMainNs).append("\""
             " xmlns:r=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships\""
             " xmlns:mc=\"http://schemas.openxmlformats.org/markup-compatibility/2006\""
             " xmlns:x14ac=\"http://schemas.microsoft.com/office/spreadsheetml/2009/9/ac\""
             " mc:Ignorable=\"x14ac\">\n");
    x.append("  <dimension ref=\"A1:").append(last).append("\"/>\n");
    x.append("  <sheetViews>\n    <sheetView tabSelected=\"1\" workbookViewId=\"0\">\n"
             "      <selection activeCell=\"").append(last).append("\" sqref=\"").append(last).append("\"/>\n"
             "    </sheetView>\n  </sheetViews>\n");
    x.append("  <sheetFormatPr baseColWidth=\"10\" defaultRowHeight=\"15\" x14ac:dyDescent=\"0\"/>\n");
    x.append("  <sheetData>\n");
    QStringList letters;
    for (int i = 0; i < rows; ++i) {
        const QByteArray r = QByteArray::number(i + 1);
        x.append("    <row r=\"").append(r).append("\" spans=\"1:").append(colsText).append("\">");
        const QStringList& row = data.at(i);
        for (qsizetype j = 0; j < row.size(); ++j) {
            while (letters.size() <= j)
                letters.append(ColumnIndexToName(static_cast<int>(letters.size()) + 1));
            x.append("<c r=\"").append(letters.at(j).toLatin1()).append(r).append('"');
            const QString& value = row.at(j);
            if (isNumberText(value)) {
                x.append("><v>").append(value.toLatin1()).append("</v></c>");
            } else {
                x.append(" t=\"s\"><v>").append(QByteArray::number(sharedStrings.size())).append("</v></c>");
                sharedStrings.append(value);
            }
        }
        x.append("</row>\n");
    }
    x.append("  </sheetData>\n");
    x.append("  <pageMargins left=\"0.75\" right=\"0.75\" top=\"1\" bottom=\"0.5\" header=\"0.5\" footer=\"0.5\"/>\n");
    x.append("  <extLst>\n    <ext xmlns:mx=\"http://schemas.microsoft.com/office/mac/excel/2008/main\""
             " uri=\"{64002731-A6B0-56B0-2670-7721B7C09600}\">\n"
             "      <mx:PLV Mode=\"0\" OnePage=\"0\" WScale=\"0\"/>\n    </ext>\n  </extLst>\n");
    x.append("</worksheet>\n");
    return writeWorkFile(file, x, &writeError);
}

bool SpreadsheetWriter::WriteSharedStringsXML(const QString& file) {
    QByteArray x;
    x.append("<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n");
    x.append("<sst xmlns=\"").append(kMainNs).append('"');
    if (!sharedStrings.isEmpty()) {
        const QByteArray n = QByteArray::number(sharedStrings.size());
        x.append(" count=\"").append(n).append("\" uniqueCount=\"").append(n).append('"');
    }
    x.append(">\n");
    for (const QString& s : sharedStrings) {
        x.append("  <si>");
        appendTextElement(x, s);
        x.append("</si>\n");
    }
    x.append("</sst>\n");
    return writeWorkFile(file, x, &writeError);
}

bool SpreadsheetWriter::WriteWorkbook(const QString& path, const Rows& withData, bool, QString* why) {
    auto fail = [why](const QString& reason) {
        Show_NSLog_Message(reason);
        if (why)
            *why = reason;
        return false;
    };
    SpreadsheetWriter* w = shared();
    w->data = withData;
    w->writeError.clear();
    const QString dir = w->tmpDir;
    if (dir.isEmpty())
        return fail(QStringLiteral("The working folder for workbooks cannot be made in %1").arg(QDir::tempPath()));
    zelk::ZipWorkFolder::clear();
    QDir().mkpath(dir + QStringLiteral("/xl/worksheets"));
    const QString templ = templatePath();
    SSZipArchive::Error error;
    if (!SSZipArchive::unzipFileAtPath(templ, dir, true, QString(), &error))
        return fail(QStringLiteral("Cannot unpack the workbook template %1: %2").arg(templ, error.description));
    if (!w->WriteWorksheetData(dir + QStringLiteral("/xl/worksheets/sheet1.xml")) ||
        !w->WriteSharedStringsXML(dir + QStringLiteral("/xl/sharedStrings.xml")))
        return fail(w->writeError);
    QStringList entries = QDir(dir).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Unsorted);
    std::sort(entries.begin(), entries.end());
    QStringList paths;
    for (const QString& e : entries)
        paths.append(dir + QLatin1Char('/') + e);
    QString reason;
    if (!SSZipArchive::createZipFileAtPath(path, paths, &reason))
        return fail(reason);
    return true;
}
