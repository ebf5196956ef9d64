// Reading sheets written by hand: the column count, cell kinds, shared
// strings, the widened reading of sheets whose dimension understates, and
// the refusal of hostile sheets.
#include "WorkbookFixture.h"
#include "datasource/SheetReader.h"

#include <QBuffer>

using namespace zelk::test;
using Rows = SpreadsheetWriter::Rows;

namespace {

class SheetReadTest : public WorkbookFixture {};

QByteArray nested(int depth) { return QByteArray("<x>").repeated(depth) + "a" + QByteArray("</x>").repeated(depth); }

TEST(ColumnLettersTest, BaseTwentySixBothWays) {
    // Expected numbers: ECMA-376 column naming (A..Z, AA.., XFD the last).
    const struct { const char* letters; int number; } cases[] = {
        {"A", 1}, {"Z", 26}, {"AA", 27}, {"AZ", 52}, {"BA", 53}, {"ZZ", 702}, {"AAA", 703}, {"XFD", 16384}};
    SpreadsheetWriter* w = SpreadsheetWriter::shared();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.letters);
        EXPECT_EQ(Get_Col_index(QString::fromLatin1(c.letters), 64), c.number);
        EXPECT_EQ(Get_Col_index(QString::fromLatin1(c.letters), 65), c.number - 1);
        EXPECT_EQ(w->ColumnIndexToName(c.number), QString::fromLatin1(c.letters));
    }
    EXPECT_EQ(Get_Column_Char_Str("AB12"), "AB");
    EXPECT_EQ(Get_Column_Char_Str("C0"), "C0");  // no digit 1..9: the whole text
    EXPECT_EQ(Get_Column_Char_Str("XFD1048576"), "XFD");
}

TEST_F(SheetReadTest, HeaderAndRowsFollowTheDimension) {
    QByteArray rows = "<row r=\"1\"><c r=\"A1\" t=\"s\"><v>0</v></c><c r=\"B1\"/><c r=\"C1\" t=\"s\"><v>1</v></c></row>";
    for (int r = 2; r <= 11; ++r)
        rows += "<row r=\"" + QByteArray::number(r) + "\"><c r=\"A" + QByteArray::number(r) + "\"><v>" +
                QByteArray::number(r * 10) + "</v></c><c r=\"C" + QByteArray::number(r) + "\" t=\"s\"><v>2</v></c></row>";
    load({{"xl/worksheets/sheet1.xml", sheetXml("A1:C11", rows)},
          {"xl/sharedStrings.xml", sharedStringsXml("<si><t>Name</t></si><si><t>City</t></si><si><t>Oslo</t></si>")}});
    const auto [header, data] = readSheet(1);
    EXPECT_EQ(header, (Rows{{"Name", "Untitled Column 2", "City"}}));
    ASSERT_EQ(data.size(), 11);
    EXPECT_EQ(data.first(), (QStringList{"Name", "", "City"}));
    EXPECT_EQ(data.at(10), (QStringList{"110", "", "Oslo"}));
    EXPECT_EQ(Excel_Sheet_Columns, 3);
}

// The column count of the header read, by dimension and first row.
TEST_F(SheetReadTest, ColumnCountFromTheDimension) {
    const struct {
        const char* what;
        QByteArray dimension;
        QByteArray rows;
        int columns;
        Rows header;
    } cases[] = {
        {"range from row 10", "A10:C20", "<row r=\"10\"><c r=\"A10\"><v>1</v></c></row>", 3,
         {{"1", "Untitled Column 2", "Untitled Column 3"}}},
        {"range from column AA", "AA1:AB5", "<row r=\"1\"><c r=\"AB1\"><v>7</v></c></row>", 28, {}},
        // A single-cell dimension is that cell's column, not zero columns.
        {"single cell with a value", "A1", "<row r=\"1\"><c r=\"A1\"><v>5</v></c></row>", 1, {{"5"}}},
        {"empty sheet", "A1", "", 1, {}},
        // An understated dimension is widened by the first row.
        {"header wider than dimension", "A1:B1",
         "<row r=\"1\"><c r=\"A1\"><v>1</v></c><c r=\"D1\"><v>4</v></c></row>", 4,
         {{"1", "Untitled Column 2", "Untitled Column 3", "4"}}},
        {"no dimension", "", "<row r=\"1\"><c r=\"B1\"><v>2</v></c></row>", 2, {{"Untitled Column 1", "2"}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        load({{"xl/worksheets/sheet1.xml", sheetXml(c.dimension, c.rows)}});
        Rows header = readSheet(1).first;
        EXPECT_EQ(Excel_Sheet_Columns, c.columns);
        if (QByteArray(c.what) == "range from column AA") {
            ASSERT_EQ(header.size(), 1);
            EXPECT_EQ(header.first().size(), 28);
            EXPECT_EQ(header.first().at(27), "7");
            EXPECT_EQ(header.first().at(26), "Untitled Column 27");
        } else {
            EXPECT_EQ(header, c.header);
        }
    }
}

TEST_F(SheetReadTest, CellKinds) {
    // Shared-string item 1 is rich text of two runs with a phonetic reading
    // that is not part of the text; the cells after it keep their strings.
    const QByteArray shared = sharedStringsXml(
        "<si><t>plain</t></si>"
        "<si><r><rPr><b/></rPr><t>Bold</t></r><r><t xml:space=\"preserve\"> text</t></r><rPh sb=\"0\" eb=\"1\"><t>yomi</t></rPh></si>"
        "<si><t>after</t></si>"
        "<si><t>line_x000D_break _x005F_x0041_</t></si>");
    const QByteArray rows =
        "<row r=\"1\">"
        "<c r=\"A1\" t=\"s\"><v>1</v></c>"
        "<c r=\"B1\" t=\"s\"><v>2</v></c>"
        "<c r=\"C1\" t=\"s\"><v>3</v></c>"
        "<c r=\"D1\" t=\"s\"><v>99</v></c>"                                          // outside the table
        "<c r=\"E1\"><f>SUM(A2:A3)</f><v>42</v></c>"                                 // cached result
        "<c r=\"F1\"><f>SUM(A2:A3)</f></c>"                                          // none cached
        "<c r=\"G1\"><f>1+1</f><v></v></c>"
        "<c r=\"H1\" t=\"b\"><v>1</v></c>"
        "<c r=\"I1\" t=\"inlineStr\"><is><t xml:space=\"preserve\">  edge  </t></is></c>"
        "<c r=\"J1\" t=\"inlineStr\"><is><r><t>in</t></r><r><t>line</t></r></is></c>"
        "<c r=\"K1\" t=\"str\"><f>A1</f><v>Bold text</v></c>"
        "<c r=\"L1\" t=\"e\"><v>#DIV/0!</v></c>"
        "<c r=\"M1\" s=\"3\"><v>45352.5</v></c>"                                     // a date as stored
        "<c r=\"N1\" t=\"inlineStr\"><is><t>&lt;a&amp;b&gt; &#233;</t></is></c>"
        "</row>";
    load({{"xl/worksheets/sheet1.xml", sheetXml("A1:N1", rows)}, {"xl/sharedStrings.xml", shared}});
    const auto data = readSheet(1).second;
    ASSERT_EQ(data.size(), 1);
    EXPECT_EQ(data.first(), (QStringList{"Bold text", "after", "line\rbreak _x0041_", "", "42", "", "", "1", "  edge  ",
                                         "inline", "Bold text", "#DIV/0!", "45352.5", "<a&b> é"}));
}

TEST_F(SheetReadTest, RowsAndCellsOutsideTheUsualShape) {
    const struct {
        const char* what;
        QByteArray dimension;
        QByteArray rows;
        Rows expected;
    } cases[] = {
        // Row numbers are not used: rows 3 and 4, missing, give no rows. Rows
        // end at their last value; a row element without cells is empty, one
        // with empty cells holds one empty string.
        {"missing rows", "A1:B5",
         "<row r=\"1\"><c r=\"A1\"><v>1</v></c><c r=\"B1\"/></row><row r=\"2\"/>"
         "<row r=\"3\"><c r=\"XFD3\" s=\"1\"/><c r=\"B3\"><v></v></c></row><row r=\"5\"><c r=\"B5\"><v>5</v></c></row>",
         {{"1"}, {}, {""}, {"", "5"}}},
        {"cell beyond dimension", "A1:A2",
         "<row r=\"1\"><c r=\"A1\"><v>1</v></c></row><row r=\"2\"><c r=\"A2\"><v>2</v></c><c r=\"C2\"><v>3</v></c></row>",
         {{"1"}, {"2", "", "3"}}},
        // A cell without a reference takes the column after the previous cell.
        {"cells without references", "A1:C1",
         "<row><c><v>1</v></c><c r=\"C1\"><v>3</v></c><c><v>4</v></c></row>", {{"1", "", "3", "4"}}},
        // Cells past the format's last column (XFD) are ignored.
        {"reference past XFD", "A1:A1", "<row><c r=\"A1\"><v>1</v></c><c r=\"XFE1\"><v>2</v></c></row>", {{"1"}}},
        // Prefixed SpreadsheetML elements are the same elements.
        {"prefixed names", "", "<x:row><x:c r=\"B1\"><x:v>9</x:v></x:c></x:row>", {{"", "9"}}},
        {"comments and CDATA", "A1:B1",
         "<!-- </row> --><row><c r=\"A1\" t=\"inlineStr\"><is><t><![CDATA[</row>]]></t></is></c></row>",
         {{"</row>"}}},
        {"text nested in a cell", "A1", "<row><c r=\"A1\">" + nested(60) + "</c></row>", {{"a"}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        QByteArray xml = sheetXml(c.dimension, c.rows);
        if (QByteArray(c.what) == "prefixed names")
            xml = "<x:worksheet xmlns:x=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\"><x:sheetData>" +
                  c.rows + "</x:sheetData></x:worksheet>";
        load({{"xl/worksheets/sheet1.xml", xml}});
        EXPECT_EQ(readSheet(1).second, c.expected);
    }
}

TEST_F(SheetReadTest, UnreadableSheetsGiveEmptyTables) {
    const struct {
        const char* what;
        QByteArray xml;
    } cases[] = {
        {"not XML", "this is not a sheet"},
        {"wrong root", "<sst><si><t>x</t></si></sst>"},
        {"truncated row", sheetXml("A1:B2", "<row r=\"1\"><c r=\"A1\"><v>1</v></c></row><row r=\"2\"><c r=\"A2\"><v>2</v>")
                              .left(200)},
        {"malformed row", sheetXml("A1:B2", "<row><c r=\"A1\"><v>1</v></x></row>")},
        {"entity declarations", "<!DOCTYPE worksheet [<!ENTITY a \"aaaa\">]>" + sheetXml("A1", "<row><c><v>&a;</v></c></row>")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        load({{"xl/worksheets/sheet1.xml", c.xml}});
        Excel_Sheet_Columns = 7;
        EXPECT_EQ(SpreadsheetWriter::ReadWorkbook(QString(), false), Rows());
        EXPECT_EQ(Excel_Sheet_Columns, 7);
    }
    Excel_Sheet_Number = 2;  // no such sheet
    EXPECT_EQ(SpreadsheetWriter::ReadData_only_column(), Rows());
}

// Small packages that unfold into sheets too deep or too large to read are
// refused with the reader's reason, and the table stays empty.
TEST_F(SheetReadTest, HostileSheetsAreRefused) {
    const QByteArray xfd = "<row r=\"1\"><c r=\"XFD1\"><v>1</v></c></row>";
    const struct {
        const char* what;
        QByteArray rows;
        qsizetype rowCount;  // 0: refused
    } cases[] = {
        {"cell nested 200,000 deep", "<row><c r=\"A1\">" + nested(200000) + "</c></row>", 0},
        {"column XFD and 20,000 rows", xfd + QByteArray("<row/>").repeated(20000), 0},
        {"column XFD and 200 rows", xfd + QByteArray("<row><c r=\"A2\"><v>2</v></c></row>").repeated(200), 201},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        load({{"xl/worksheets/sheet1.xml", sheetXml("A1", c.rows)}});
        const Rows data = readSheet(1).second;
        ASSERT_EQ(data.size(), c.rowCount);
        EXPECT_EQ(SpreadsheetWriter::shared()->readError.isEmpty(), c.rowCount > 0);
        if (c.rowCount > 0) {  // the table is XFD wide, the rows are not
            EXPECT_EQ(Excel_Sheet_Columns, 16384);
            EXPECT_EQ(data.first().size(), 16384);
            EXPECT_EQ(data.last(), QStringList{"2"});
        }
    }
}

TEST_F(SheetReadTest, HeaderReadStopsAfterTheFirstRow) {
    // Everything after the first row is garbage; the header read never gets
    // there, the data read does and fails.
    QByteArray xml = sheetXml("A1:B3", "<row r=\"1\"><c r=\"A1\"><v>1</v></c><c r=\"B1\"><v>2</v></c></row>");
    xml.chop(QByteArray("</sheetData></worksheet>").size());
    xml += "<row r=\"2\"><c r=\"A2\"><v>oops</c>" + QByteArray(3 << 20, 'x');
    load({{"xl/worksheets/sheet1.xml", xml}});
    const auto [header, data] = readSheet(1);
    EXPECT_EQ(header, (Rows{{"1", "2"}}));
    EXPECT_EQ(data, Rows());

    QBuffer buffer(&xml);
    buffer.open(QIODevice::ReadOnly);
    EXPECT_TRUE(zelk::SheetReader::readSheet(buffer, {}, true).ok);
    EXPECT_LT(buffer.pos(), qint64(2) << 20);  // one chunk read, not the whole file
}

TEST_F(SheetReadTest, SheetsListInNumericOrder) {
    QList<ZipEntry> parts;
    for (int n : {1, 10, 11, 2, 3, 4, 5, 6, 7, 8, 9})
        parts.append(ZipEntry{"xl/worksheets/sheet" + QByteArray::number(n) + ".xml",
                      sheetXml("A1", "<row><c r=\"A1\"><v>" + QByteArray::number(n) + "</v></c></row>")});
    parts.append(ZipEntry{"xl/worksheets/_rels/sheet1.xml.rels", "<Relationships/>"});
    parts.append(ZipEntry{"xl/worksheets/Sheet12.XML", sheetXml("A1", "")});  // cannot be opened as sheet12.xml
    load(parts);
    EXPECT_EQ(SpreadsheetWriter::sheetNames(),
              (QStringList{"sheet1", "sheet2", "sheet3", "sheet4", "sheet5", "sheet6", "sheet7", "sheet8", "sheet9",
                           "sheet10", "sheet11"}));
    const QList<int> numbers = SpreadsheetWriter::sheetNumbers();
    ASSERT_EQ(numbers.size(), 11);
    EXPECT_EQ(readSheet(numbers.at(9)).second, (Rows{{"10"}}));
}

TEST_F(SheetReadTest, FailedUnpackIsReported) {
    ASSERT_TRUE(writeFile(tmp.filePath("bad.xlsx"), "not a zip"));
    bool unpacked = true;
    SpreadsheetWriter::ReadWorkbook(tmp.filePath("bad.xlsx"), true, &unpacked);
    EXPECT_FALSE(unpacked);
    EXPECT_EQ(SpreadsheetWriter::sheetNames(), QStringList());
    EXPECT_EQ(SpreadsheetWriter::shared()->sharedStrings, QStringList());
}

}  // namespace
