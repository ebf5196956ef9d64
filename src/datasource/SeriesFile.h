#pragma once
// A data series: a named list of values, one per card, stored as a UTF-8
// text file "<name>.txt" in the data folder's "DataSet" (Data_Folder_Path).
// Each value is followed by one LF, the last one included; no header, no
// CR, no quoting, so a value never holds a line break.
#include <QList>
#include <QString>
#include <QStringList>

namespace zelk {

// What the in-use guard needs to know of one graphic of a card side.
struct SeriesBinding {
    bool takesValues = false;  // the graphic is exactly a text, image or barcode
    int dataSourceType = 0;    // 1: bound to a series
    QString batchListName;     // the series' name
};

}  // namespace zelk

class SeriesFile {
public:
    enum class WriteMode {
        AsGiven,         // every value, untrimmed (generator, imports, cropping)
        TrimSkipEmpty,   // trimmed, blank values left out (the series manager)
    };

    // "<cleaned name>.txt" (Remove_Reserve_Char_In_File_Name).
    static QString fileName(const QString& name);
    static QString filePath(const QString& name, const QString& folder);

    // The file's text; a null string when it is missing or not valid UTF-8.
    static QString readText(const QString& path);
    // The readers below drop a CR before an LF and read any other CR as a
    // space, so no value they give holds a line break.
    // Value list: split at LF, each piece trimmed (Trim_Str), blanks dropped.
    static QStringList readValueList(const QString& path);
    // Row list, one card per line: blank lines at the end are dropped and a
    // CR before each LF; other blank lines, leading ones included, are rows
    // with an empty value. An empty or blank file is one empty row; a
    // missing or invalid file gives no rows.
    static QStringList readRowList(const QString& path);
    // The text up to the first LF, untrimmed; "" when the file is missing.
    static QString readFirstValue(const QString& path);

    // Writes the series anew through a temporary file renamed over the old
    // one, so a failed write loses nothing. Line breaks inside a value
    // become spaces.
    static bool write(const QString& path, const QStringList& values, WriteMode mode = WriteMode::AsGiven);
    // Adds values at the end of an existing series (or makes a new one).
    static bool append(const QString& path, const QStringList& values);
    // The value as it is stored on its line.
    static QString lineOf(const QString& value);
};

// The names (without extension) of the series in the folder: plain files
// whose extension is exactly "txt", sorted by name; empty when the folder
// is missing.
QStringList Get_datasheet_File_Name_Array(const QString& folder);

// True when the series file exists in `folder` and a text, image or barcode
// graphic of the front side, or of the back side of a two-sided card, is
// bound to the series `name` (case-sensitive). Writers refuse to replace,
// rename or delete such a series.
bool Check_Batch_File_In_Use_Validation(const QString& name, const QList<zelk::SeriesBinding>& front,
                                        const QList<zelk::SeriesBinding>& back, bool twoSided,
                                        const QString& folder);
