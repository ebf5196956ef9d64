#pragma once
// The one reader and writer of .xlsx workbooks (Office Open XML,
// ECMA-376). Workbooks are unpacked into the private working folder
// (zelk::ZipWorkFolder); a sheet is read by its number N from
// xl/worksheets/sheetN.xml with the workbook's shared strings. Tables are
// exchanged as rows of strings, column 1 first.
#include <QList>
#include <QString>
#include <QStringList>

// 1-based number of the sheet to read (the file sheetN.xml); set by the
// dialogs that let the user choose a sheet.
extern int Excel_Sheet_Number;
// Column count of the sheet being read: from the sheet's dimension, widened
// by any row that holds values further right. The rows of a data read are
// this wide but held short, up to their last value: read a cell with
// QStringList::value, which gives "" past the end.
extern int Excel_Sheet_Columns;

// The letters of a cell reference: its characters before the first of
// "1".."9" (the whole string when there is none).
QString Get_Column_Char_Str(const QString& cellReference);
// Column letters to a column: with offset 64 the 1-based column number
// (A 1, Z 26, AA 27, XFD 16384), with 65 the 0-based column index.
int Get_Col_index(const QString& letters, int offset);

class SpreadsheetWriter {
public:
    using Rows = QList<QStringList>;

    // With only_col true: unpacks the workbook into the working folder
    // (overwriting) and loads its shared strings; sets Excel_Sheet_Columns to
    // 1 and returns the row table of the previous read or write. `unpacked`
    // tells whether the workbook could be unpacked.
    // With only_col false: reads every row of sheet Excel_Sheet_Number. A
    // row element without cells gives an empty row, one whose cells are all
    // empty a row of one empty string. A sheet of more than kMaxCells
    // (rows x Excel_Sheet_Columns) gives no rows and says why in readError.
    static Rows ReadWorkbook(const QString& path, bool only_col, bool* unpacked = nullptr);
    // Reads the header row of sheet Excel_Sheet_Number (without parsing the
    // rest of the sheet), sets Excel_Sheet_Columns and returns a table of
    // that one row, blank titles as "Untitled Column %d"; no row when the
    // sheet has none or cannot be read.
    static Rows ReadData_only_column();

    // The sheets of the unpacked workbook, in ascending sheet number: the
    // numbers N of the files xl/worksheets/sheetN.xml, and their names
    // ("sheet1", "sheet2", ..., "sheet10"). A list position p names the
    // sheet sheetNumbers()[p]; set Excel_Sheet_Number from that, not from p.
    static QList<int> sheetNumbers();
    static QStringList sheetNames();

    // Writes the rows as a one-sheet workbook built from the resource
    // "Template.xlsx", the destination replaced only once the package is
    // complete and on disk. False with the reason in *why when anything
    // failed; the old file is then untouched and nothing is left beside it.
    // `hasTitleRow` has no effect: the first row is written like any other.
    static bool WriteWorkbook(const QString& path, const Rows& withData, bool hasTitleRow = false,
                              QString* why = nullptr);

    // Where "Template.xlsx" is looked for: Resource_Path unless set here.
    static void setTemplatePath(const QString& path);
    static QString templatePath();

    // True when the text is written as a number cell: a plain decimal in
    // the C locale ("-12", "3.25") that reads back as the same text, so
    // "0012", "+5", "1.50", "1,5", "1e5", "inf" and numbers of more than 15
    // digits stay text.
    static bool isNumberText(const QString& text);

    // The largest table a data read gives: a few hundred thousand cards of
    // dozens of columns, far below what would exhaust memory.
    static constexpr qint64 kMaxCells = 4'000'000;

    // The shared instance, created on first use.
    static SpreadsheetWriter* shared();

    void ReadSharedStrings(const QString& file);
    void ReadData(const QString& file);
    bool WriteWorksheetData(const QString& file);
    bool WriteSharedStringsXML(const QString& file);
    QString ColumnIndexToName(int column) const;

    QString tmpDir;
    Rows data;
    QStringList sharedStrings;
    // Why the last data read gave no rows; empty after a successful one.
    QString readError;
    // Why the last sheet or shared-strings file could not be written.
    QString writeError;

private:
    SpreadsheetWriter();
    QString sheetFile(int number) const;
};
