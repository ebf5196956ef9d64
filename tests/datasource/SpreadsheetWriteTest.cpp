// Writing workbooks: the sheet's shape, the number test, and
// what a failed write leaves behind.
#include "TinyDisk.h"
#include "WorkbookFixture.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <csignal>
#include <cstring>
#include <sys/wait.h>
#include <unistd.h>

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

TEST_F(SpreadsheetWriteTest, FailedWritesSayWhyKeepTheOldFileAndLeaveNothing) {
    TinyDisk disk;
    ASSERT_TRUE(disk.mounted) << "cannot mount a small tmpfs: " << strerror(errno);
    const QString full = disk.dir.filePath("keep.xlsx");
    ASSERT_TRUE(writeFile(full, "old workbook"));
    writeFile(tmp.filePath("plain"), "a file, not a folder");
    QDir().mkpath(tmp.filePath("folder.xlsx"));
    Rows big;  // far more than the 64 KiB disk holds, even deflated
    for (int r = 0; r < 20000; ++r)
        big << QStringList{QString::number(r * 7919 % 100003) + QStringLiteral("-%1").arg(r, 8, 16)};
    const struct {
        QString path;
        Rows rows;
        QString template_;
        const char* reason;  // what the message must say
    } cases[] = {
        {full, big, "", "The disk is full"},
        {tmp.filePath("keep.xlsx"), {{"a"}}, tmp.filePath("missing-template.xlsx"), "Cannot unpack the workbook template"},
        {tmp.filePath("no/such/folder/x.xlsx"), {{"a"}}, "", "No such file or directory"},
        {tmp.filePath("plain/x.xlsx"), {{"a"}}, "", "plain/x.xlsx"},
        {tmp.filePath("folder.xlsx"), {{"a"}}, "", "is not a file"},
    };
    ASSERT_TRUE(writeFile(tmp.filePath("keep.xlsx"), "old workbook"));
    for (const auto& c : cases) {
        SpreadsheetWriter::setTemplatePath(c.template_.isEmpty() ? resourceDir() + "/Template.xlsx" : c.template_);
        const QStringList before = QDir(QFileInfo(c.path).path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
        QString why;
        EXPECT_FALSE(SpreadsheetWriter::WriteWorkbook(c.path, c.rows, false, &why)) << c.reason;
        EXPECT_TRUE(why.contains(QLatin1String(c.reason))) << why.toStdString();
        EXPECT_EQ(QDir(QFileInfo(c.path).path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), before)
            << c.reason;
    }
    EXPECT_EQ(readFile(full), "old workbook");
    EXPECT_EQ(readFile(tmp.filePath("keep.xlsx")), "old workbook");
    SpreadsheetWriter::setTemplatePath(resourceDir() + "/Template.xlsx");
    EXPECT_TRUE(SpreadsheetWriter::WriteWorkbook(tmp.filePath("keep.xlsx"), {{"a"}}));
    EXPECT_NE(readFile(tmp.filePath("keep.xlsx")), "old workbook");
}

TEST_F(SpreadsheetWriteTest, AKilledWriterLeavesTheOldOrTheNewWorkbookAndNothingElse) {
    QTemporaryDir out, temp;
    const QString target = out.filePath("visitors.xlsx");
    Rows rows;
    for (int r = 0; r < 4000; ++r)
        rows << QStringList{QStringLiteral("Visitor %1").arg(r), QStringLiteral("Company %1").arg(r * 31 % 997)};
    ASSERT_TRUE(SpreadsheetWriter::WriteWorkbook(target, rows));
    const QByteArray newer = readFile(target);
    // Kills at growing delays, and a last one once the write has returned.
    QList<qint64> delaysUs;
    for (qint64 d = 0; d <= 400000; d = d * 3 / 2 + 500)
        delaysUs << d;
    delaysUs << -1;
    int sawOld = 0, sawNew = 0;
    for (qint64 delay : delaysUs) {
        ASSERT_TRUE(writeFile(target, "old workbook"));
        int written[2];
        ASSERT_EQ(::pipe(written), 0);
        const pid_t pid = ::fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            // The real working folder, in a temporary directory of the test's.
            ::setenv("TMPDIR", QFile::encodeName(temp.path()).constData(), 1);
            zelk::ZipWorkFolder::setPathForTesting(QString());
            SpreadsheetWriter::WriteWorkbook(target, rows);
            (void)!::write(written[1], "w", 1);
            ::pause();
            ::_exit(0);
        }
        ::close(written[1]);
        if (delay >= 0) {
            ::usleep(useconds_t(delay));
        } else {
            char c;
            ASSERT_EQ(::read(written[0], &c, 1), 1);
        }
        ::close(written[0]);
        ::kill(pid, SIGKILL);
        // Dead but not yet collected, as a killed process may be for a while.
        siginfo_t info{};
        ::waitid(P_PID, id_t(pid), &info, WEXITED | WNOWAIT);
        const QByteArray now = readFile(target);
        EXPECT_TRUE(now == "old workbook" || now == newer) << "killed after " << delay << " us";
        (now == newer ? sawNew : sawOld) += 1;
        EXPECT_EQ(QDir(out.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                  QStringList{"visitors.xlsx"}) << "killed after " << delay << " us";
        // What the killed process unpacked goes at the next start.
        zelk::ZipWorkFolder::removeLeftovers(temp.path());
        EXPECT_EQ(QDir(temp.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                  QStringList()) << "killed after " << delay << " us";
        ::waitpid(pid, nullptr, 0);
    }
    EXPECT_GT(sawOld, 0);
    EXPECT_GT(sawNew, 0);
}

TEST_F(SpreadsheetWriteTest, ALiveProcessKeepsItsWorkingFolder) {
    QTemporaryDir temp;
    int ready[2], done[2];
    ASSERT_EQ(::pipe(ready), 0);
    ASSERT_EQ(::pipe(done), 0);
    const pid_t pid = ::fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
        ::setenv("TMPDIR", QFile::encodeName(temp.path()).constData(), 1);
        zelk::ZipWorkFolder::setPathForTesting(QString());
        const bool made = !zelk::ZipWorkFolder::path().isEmpty();
        (void)!::write(ready[1], made ? "1" : "0", 1);
        char c;
        (void)!::read(done[0], &c, 1);
        ::_exit(0);  // without the clean-up at exit, as if killed
    }
    char c = 0;
    ASSERT_EQ(::read(ready[0], &c, 1), 1);
    ASSERT_EQ(c, '1');
    const QStringList made = QDir(temp.path()).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    ASSERT_EQ(made.size(), 1);
    // A copy of the user's (a forked child) holds a folder of its own.
    zelk::ZipWorkFolder::removeLeftovers(temp.path());
    EXPECT_EQ(QDir(temp.path()).entryList(QDir::Dirs | QDir::NoDotAndDotDot), made);
    (void)!::write(done[1], "x", 1);
    ::waitpid(pid, nullptr, 0);
    zelk::ZipWorkFolder::removeLeftovers(temp.path());
    EXPECT_EQ(QDir(temp.path()).entryList(QDir::Dirs | QDir::NoDotAndDotDot), QStringList());
}

TEST_F(SpreadsheetWriteTest, WriteEmptiesTheWorkingFolderFirst) {
    ASSERT_TRUE(writeFile(zelk::ZipWorkFolder::path() + "/xl/worksheets/sheet2.xml", "stale sheet of a read"));
    const QString out = tmp.filePath("clean.xlsx");
    ASSERT_TRUE(SpreadsheetWriter::WriteWorkbook(out, {{"a"}}));
    for (const QString& e : zipListing(out))
        EXPECT_FALSE(e.startsWith("xl/worksheets/sheet2.xml")) << e.toStdString();
}

}  // namespace
