// Workbooks exchanged with independent tools: openpyxl (inline strings, no
// shared strings, formulas without cached values) and LibreOffice (shared
// strings, cached formula results) write workbooks that we read; workbooks
// that we write are read back by both and pass unzip -t.
#include "WorkbookFixture.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QUrl>

using namespace zelk::test;
using Rows = SpreadsheetWriter::Rows;

namespace {

class WorkbookToolsTest : public WorkbookFixture {
protected:
    QString soffice(const QStringList& args) {
        const QString profile = QUrl::fromLocalFile(tmp.filePath(QStringLiteral("lo-profile"))).toString(QUrl::FullyEncoded);
        const ToolResult r = runTool(QStringLiteral("soffice"),
                                     QStringList{"-env:UserInstallation=" + profile, "--headless"} + args, {}, 180000);
        EXPECT_TRUE(r.started) << "soffice is missing";
        EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
        return QString::fromUtf8(r.out);
    }
    QByteArray python(const QByteArray& script, const QStringList& args) {
        const ToolResult r = runTool(debianPython(), QStringList{"-c", QString::fromUtf8(script)} + args);
        EXPECT_TRUE(r.started) << "/usr/bin/python3 is missing";
        EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
        return r.out;
    }
};

QStringList untitled(int from, int to) {
    QStringList out;
    for (int k = from; k <= to; ++k)
        out << QStringLiteral("Untitled Column %1").arg(k);
    return out;
}

TEST_F(WorkbookToolsTest, ReadsWorkbooksOfOpenpyxl) {
    const QString book = tmp.filePath("openpyxl.xlsx");
    python(R"PY(
import sys, datetime, openpyxl
wb = openpyxl.Workbook()
ws = wb.active
ws.append(["Name", "Count", "When", "Day", "Flag", "Formula", "Blank", " Spaced "])
ws.append(["Zoë", 3, datetime.datetime(2024, 3, 1, 12, 0), datetime.date(2020, 1, 1), True, "=B2*2", None, "  x  "])
ws.append(["李", 1.5, None, None, False, "=SUM(B2:B3)", None, "end"])
ws.cell(row=5, column=30, value="far")   # row 4 left out, column AD
for n in range(2, 12):
    wb.create_sheet("Named %d" % n).append(["S%d" % n])
wb.save(sys.argv[1])
)PY", {book});
    loadFile(book);
    EXPECT_EQ(SpreadsheetWriter::shared()->sharedStrings, QStringList());  // openpyxl writes none
    QStringList sheets;
    for (int n = 1; n <= 11; ++n)
        sheets << QStringLiteral("sheet%1").arg(n);
    EXPECT_EQ(SpreadsheetWriter::sheetNames(), sheets);

    const auto [header, data] = readSheet(1);
    ASSERT_EQ(header.size(), 1);
    EXPECT_EQ(header.first(), (QStringList{"Name", "Count", "When", "Day", "Flag", "Formula", "Blank", " Spaced "} +
                               untitled(9, 30)));
    ASSERT_EQ(data.size(), 4);  // row 4 is not in the file
    EXPECT_EQ(Excel_Sheet_Columns, 30);
    // Dates are the serial numbers the workbook stores (days since 1899-12-30).
    EXPECT_EQ(data.at(1), (QStringList{"Zoë", "3", "45352.5", "43831", "1", "", "", "  x  "}));
    EXPECT_EQ(data.at(2), (QStringList{"李", "1.5", "", "", "0", "", "", "end"}));
    EXPECT_EQ(data.at(3), QStringList(29) << "far");
    EXPECT_EQ(readSheet(10).second, (Rows{{"S10"}}));
}

TEST_F(WorkbookToolsTest, ReadsWorkbooksOfLibreOffice) {
    const QString dir = tmp.filePath("lo");
    QDir().mkpath(dir);
    QByteArray wide = "c1";
    for (int c = 2; c <= 28; ++c)
        wide += ",c" + QByteArray::number(c);
    ASSERT_TRUE(writeFile(dir + "/a.csv",
                          "Name,Count,Price,Note\n"
                          "Zoë,3,1.5,\"a,b \"\"q\"\"\"\n"
                          ",,,\n"
                          "Åsa,=1+2,-7.25,\n"
                          "Date,2024-03-01,,x\n"));
    ASSERT_TRUE(writeFile(dir + "/b.csv", wide + "\n1,,3\n"));
    soffice({"--infilter=CSV:44,34,76,1", "--convert-to", "xlsx", "--outdir", dir, dir + "/a.csv", dir + "/b.csv"});

    loadFile(dir + "/a.xlsx");
    EXPECT_FALSE(SpreadsheetWriter::shared()->sharedStrings.isEmpty());
    auto [header, data] = readSheet(1);
    EXPECT_EQ(header, (Rows{{"Name", "Count", "Price", "Note"}}));
    // The blank row is not stored; the formula gives its cached result; the
    // date is the stored serial number.
    EXPECT_EQ(data, (Rows{{"Name", "Count", "Price", "Note"},
                          {"Zoë", "3", "1.5", "a,b \"q\""},
                          {"Åsa", "3", "-7.25"},
                          {"Date", "45352", "", "x"}}));

    loadFile(dir + "/b.xlsx");
    std::tie(header, data) = readSheet(1);
    ASSERT_EQ(data.size(), 2);
    EXPECT_EQ(data.at(0).size(), 28);
    EXPECT_EQ(data.at(0).at(27), "c28");
    EXPECT_EQ(data.at(1), (QStringList{"1", "", "3"}));
}

TEST_F(WorkbookToolsTest, WrittenWorkbooksReadBackInOtherTools) {
    const Rows rows = {
        {"Batch Value", "Amount", "Code", "Card", "Note"},
        {"Zoë", "12", "0012", "1234567890123456", "  edge  "},
        {"abc", "-7.25", "+5", "1,5", "a \"quoted\", text"},
        {"", "0.5", "NaN", "inf", "two\nlines"},
        {"_x0041_", "100", "1.50", "1e5", "<&>"},
    };
    const QString book = tmp.filePath("ours.xlsx");
    ASSERT_TRUE(SpreadsheetWriter::WriteWorkbook(book, rows));
    const ToolResult t = runTool("unzip", {"-t", book});
    EXPECT_EQ(t.exitCode, 0) << t.out.toStdString();

    // openpyxl: the same values, numbers as numbers and everything else text.
    const QByteArray json = python(R"PY(
import sys, json, openpyxl
ws = openpyxl.load_workbook(sys.argv[1]).active
print(json.dumps([[[type(c.value).__name__, "" if c.value is None else str(c.value)] for c in row]
                  for row in ws.iter_rows()]))
)PY", {book});
    const QJsonArray got = QJsonDocument::fromJson(json).array();
    ASSERT_EQ(got.size(), rows.size()) << json.toStdString();
    for (int r = 0; r < rows.size(); ++r) {
        for (int c = 0; c < rows.at(r).size(); ++c) {
            SCOPED_TRACE(QStringLiteral("row %1 column %2").arg(r + 1).arg(c + 1).toStdString());
            const QJsonArray cell = got.at(r).toArray().at(c).toArray();
            const QString& value = rows.at(r).at(c);
            const bool number = SpreadsheetWriter::isNumberText(value);
            EXPECT_EQ(cell.at(0).toString(), number ? (value.contains('.') ? "float" : "int")
                                                    : "str");
            EXPECT_EQ(cell.at(1).toString(), value);
        }
    }

    // The bare template opens too: one empty sheet.
    const QString templ = tmp.filePath("Template.xlsx");
    ASSERT_TRUE(QFile::copy(SpreadsheetWriter::templatePath(), templ));
    EXPECT_EQ(python("import sys, openpyxl\nwb = openpyxl.load_workbook(sys.argv[1])\n"
                     "print(wb.sheetnames, wb.active.max_row, wb.active['A1'].value)\n", {templ}),
              "['Sheet1'] 1 None\n");

    // LibreOffice: the same table as CSV.
    const QString dir = tmp.filePath("csv");
    soffice({"--convert-to", "csv:Text - txt - csv (StarCalc):44,34,76,1", "--outdir", dir, book, templ});
    EXPECT_TRUE(QFileInfo::exists(dir + "/Template.csv"));
    QByteArray expected;
    for (const QStringList& row : rows) {
        QStringList fields;
        for (const QString& v : row) {
            // LibreOffice quotes every non-empty text cell and no number cell.
            const bool quote = !v.isEmpty() && !SpreadsheetWriter::isNumberText(v);
            fields << (quote ? "\"" + QString(v).replace("\"", "\"\"") + "\"" : v);
        }
        expected += fields.join(',').toUtf8() + "\n";
    }
    EXPECT_EQ(QString::fromUtf8(readFile(dir + "/ours.csv")), QString::fromUtf8(expected));
}

}  // namespace
