// Writing workbooks: the sheet's shape, the number test, and
// what a failed write leaves behind.
#include "WorkbookFixture.h"

#include <QFile>
#include <QFileInfo>

using namespace zelk::test;
using Rows = SpreadsheetWriter::Rows;

namespace {

class SpreadsheetWriteTest : public WorkbookFixture {
protected:
    QByteArray part(const QString& name) { return readFile(zelk::ZipWorkFolder::path() + "/" + name); }
    Rows roundTrip(const Rows& rows) {
        const QString out = tmp.filePath("out.xlsx");
        EXPECT_TRUE(SpreadsheetWriter::WriteWorkbook(out, rows));
        loadFile(out);
        return readSheet(1).second;
    }
};

TEST(NumberTextTest, OnlyTextsThatReadBackUnchangedAreNumbers) {
    const struct { const char* text; bool number; const char* why; } cases[] = {
        {"12", true, "plain integer"},
        {"-7.25", true, "negative decimal"},
        {"0", true, "zero"},
        {"0.5", true, "leading zero before the point"},
        {"123456789012345", true, "15 digits"},
        {"1234567890123456", false, "16-digit card number loses digits as a double"},
        {"0012", false, "leading zeros would be lost"},
        {"+5", false, "the sign would be lost"},
        {"-0", false, "reads back as 0"},
        {"1.50", false, "trailing zero would be lost"},
        {"1.", false, "no fraction digits"},
        {".5", false, "no integer digits"},
        {"1,5", false, "decimal comma of another locale"},
        {"1,000", false, "grouping"},
        {"1e5", false, "exponent"},
        {"inf", false, "not a finite number"},
        {"NaN", false, "not a number"},
        {" 12", false, "edge blank"},
        {"12 ", false, "edge blank"},
        {"", false, "empty"},
        {"\xd9\xa3", false, "Arabic-Indic digit"},
        {"0x1F", false, "hexadecimal"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SpreadsheetWriter::isNumberText(QString::fromUtf8(c.text)), c.number) << c.text << ": " << c.why;
}

TEST_F(SpreadsheetWriteTest, WideSheetDimension) {
    Rows wide;
    for (int r = 0; r < 5; ++r) {
        QStringList row;
        for (int c = 0; c < 30; ++c)
            row << QStringLiteral("v%1").arg(c);
        wide << row;
    }
    ASSERT_TRUE(SpreadsheetWriter::WriteWorkbook(tmp.filePath("w.xlsx"), wide));
    const QByteArray sheet = part("xl/worksheets/sheet1.xml");
    EXPECT_TRUE(sheet.contains("<dimension ref=\"A1:AD5\"/>"));
    EXPECT_TRUE(sheet.contains("<c r=\"Z5\" t=\"s\">"));
    EXPECT_TRUE(sheet.contains("<c r=\"AD5\" t=\"s\"><v>149</v>"));
}

TEST_F(SpreadsheetWriteTest, TextsSurviveTheRoundTrip) {
    const Rows rows = {
        {"Title", "0012", "1234567890123456", "+5", "-3.5"},
        {"  edge blanks  ", "tab\there", "two\nlines", "cr\rhere", "crlf\r\nhere"},
        {QString::fromUtf8("bell\x07 and nul-free \x1f control"), "_x0041_ stays literal", "<&>\"'",
         QString::fromUtf8("Zoë Åsa 李 😀"), QString(QChar(0xFFFE)) + "x"},
        {"", "", "", "", ""},
    };
    Rows expected = rows;
    expected.last() = QStringList{""};  // a row of empty cells
    EXPECT_EQ(roundTrip(rows), expected);
}

TEST_F(SpreadsheetWriteTest, LargeTablesRoundTrip) {
    // Several megabytes of rows and shared strings: the reader's chunks and
    // parse batches end in the middle of elements many times over.
    Rows rows;
    for (int r = 0; r < 20000; ++r)
        rows << QStringList{QStringLiteral("Holder %1 &<>").arg(r), QString::number(r), QStringLiteral("Zoë %1").arg(r % 7),
                            QString(), QStringLiteral("  %1  ").arg(r * 3), QString::number(r) + ".5"};
    EXPECT_EQ(roundTrip(rows), rows);
    EXPECT_EQ(SpreadsheetWriter::ReadData_only_column(),
              (Rows{{"Holder 0 &<>", "0", "Zoë 0", "Untitled Column 4", "  0  ", "0.5"}}));
    EXPECT_GT(QFileInfo(zelk::ZipWorkFolder::path() + "/xl/worksheets/sheet1.xml").size(), 3 << 20);
}

TEST_F(SpreadsheetWriteTest, FailedWritesReportAndKeepTheOldFile) {
    const QString out = tmp.filePath("keep.xlsx");
    ASSERT_TRUE(writeFile(out, "old workbook"));
    SpreadsheetWriter::setTemplatePath(tmp.filePath("missing-template.xlsx"));
    EXPECT_FALSE(SpreadsheetWriter::WriteWorkbook(out, {{"a"}}));
    EXPECT_EQ(readFile(out), "old workbook");
    SpreadsheetWriter::setTemplatePath(resourceDir() + "/Template.xlsx");
    EXPECT_FALSE(SpreadsheetWriter::WriteWorkbook(tmp.filePath("no/such/folder/x.xlsx"), {{"a"}}));
    EXPECT_TRUE(SpreadsheetWriter::WriteWorkbook(out, {{"a"}}));
    EXPECT_NE(readFile(out), "old workbook");
}

TEST_F(SpreadsheetWriteTest, WriteEmptiesTheWorkingFolderFirst) {
    ASSERT_TRUE(writeFile(zelk::ZipWorkFolder::path() + "/xl/worksheets/sheet2.xml", "stale sheet of a read"));
    const QString out = tmp.filePath("clean.xlsx");
    ASSERT_TRUE(SpreadsheetWriter::WriteWorkbook(out, {{"a"}}));
    for (const QString& e : zipListing(out))
        EXPECT_FALSE(e.startsWith("xl/worksheets/sheet2.xml")) << e.toStdString();
}

}  // namespace
