#pragma once
// Streaming reader of the SpreadsheetML parts of a workbook (ECMA-376 Part 1,
// §18.3 worksheets and §18.4 shared strings). The file is scanned in chunks
// and only one row (or one shared-string item) is parsed as XML at a time,
// so memory stays flat and reading the header row stops after that row.
#include <QList>
#include <QString>
#include <QStringList>

class QIODevice;

namespace zelk {

class SheetReader {
public:
    // The largest column of the format (XFD); cells beyond it are ignored.
    static constexpr int kMaxColumns = 16384;

    struct Result {
        bool ok = false;
        QString error;
        // Column count from the <dimension> element's end reference (a
        // single-cell reference counts as its own column); -1 when absent.
        int dimensionColumns = -1;
        // Rows in file order, each holding the cell values at their column
        // index up to the last value that is not empty, not padded. A row
        // element with cells but no value gives one empty string, so only a
        // row element without cells gives an empty row.
        QList<QStringList> rows;
        // Widest row seen (the column of the last value).
        int widestRow = 0;
    };

    // Reads the sheet. With `firstRowOnly` it stops after the first row
    // element, never scanning the rest of the file. With `maxCells` above 0
    // the read fails once the rows read, each counted as wide as `columns`
    // or the widest row, hold more cells than that.
    static Result readSheet(QIODevice& in, const QStringList& sharedStrings, bool firstRowOnly, int columns = 0,
                            qint64 maxCells = 0);
    // Reads the shared-string table: one entry per <si>, runs joined.
    static bool readSharedStrings(QIODevice& in, QStringList& out, QString* error = nullptr);

    // Decodes the _xHHHH_ escapes of ST_Xstring (ECMA-376 Part 1, §22.9.2.19).
    static QString decodeXString(const QString& s);
};

}  // namespace zelk
