#pragma once
// A private working folder and the shipped template for each workbook test,
// and helpers that pack hand-written sheet XML into a workbook.
#include "TestSupport.h"
#include "ZipTestSupport.h"
#include "datasource/SpreadsheetWriter.h"
#include "datasource/ZipWorkFolder.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace zelk::test {

inline QByteArray sheetXml(const QByteArray& dimension, const QByteArray& rows) {
    QByteArray x = "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
                   "<worksheet xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\">";
    if (!dimension.isEmpty())
        x += "<dimension ref=\"" + dimension + "\"/>";
    return x + "<sheetData>" + rows + "</sheetData></worksheet>";
}

inline QByteArray sharedStringsXml(const QByteArray& items) {
    return "<?xml version=\"1.0\"?><sst xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\">" +
           items + "</sst>";
}

class WorkbookFixture : public ::testing::Test {
protected:
    QTemporaryDir tmp;
    void SetUp() override {
        zelk::ZipWorkFolder::setPathForTesting(tmp.filePath(QStringLiteral("ziptmp")));
        SpreadsheetWriter::setTemplatePath(resourceDir() + QStringLiteral("/Template.xlsx"));
        Excel_Sheet_Number = 1;
        Excel_Sheet_Columns = 1;
    }
    void TearDown() override { zelk::ZipWorkFolder::setPathForTesting(QString()); }

    // Packs the parts into tmp/name.xlsx, empties the working folder and
    // unpacks it there as the dialogs do.
    QString load(const QList<ZipEntry>& parts, const QString& name = QStringLiteral("book")) {
        const QString path = tmp.filePath(name + QStringLiteral(".xlsx"));
        EXPECT_TRUE(writeZip(path, parts));
        return loadFile(path);
    }
    QString loadFile(const QString& path) {
        Delete_Excel_File_Temp_Folder();
        bool unpacked = false;
        SpreadsheetWriter::ReadWorkbook(path, true, &unpacked);
        EXPECT_TRUE(unpacked);
        return path;
    }
    // Header read then data read of sheet n.
    std::pair<SpreadsheetWriter::Rows, SpreadsheetWriter::Rows> readSheet(int n) {
        Excel_Sheet_Number = n;
        SpreadsheetWriter::Rows header = SpreadsheetWriter::ReadData_only_column();
        SpreadsheetWriter::Rows rows = SpreadsheetWriter::ReadWorkbook(QString(), false);
        return {header, rows};
    }
};

}  // namespace zelk::test
