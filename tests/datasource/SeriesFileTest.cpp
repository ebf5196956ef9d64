// Series files: the three reading rules, the writer's line rule, the list of
// series and the in-use guard.
#include "ZipTestSupport.h"
#include "datasource/SeriesFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace zelk::test;

namespace {

class SeriesFileTest : public ::testing::Test {
protected:
    QTemporaryDir tmp;
    QString file(const QByteArray& bytes) {
        const QString p = tmp.filePath("s.txt");
        EXPECT_TRUE(writeFile(p, bytes));
        return p;
    }
};

TEST_F(SeriesFileTest, ReadingRules) {
    const struct {
        const char* what;
        QByteArray bytes;
        QStringList values;  // rule 1
        QStringList rows;    // rule 2
        QString first;       // rule 3
    } cases[] = {
        {"plain", "a\nb\nc\n", {"a", "b", "c"}, {"a", "b", "c"}, "a"},
        {"no final line end", "a\nb", {"a", "b"}, {"a", "b"}, "a"},
        {"CRLF line ends", "a\r\nb\r\n", {"a", "b"}, {"a", "b"}, "a"},
        // A CR of its own is no line end of the format, and no line break in
        // a value either: it reads as a space, as the writer makes it.
        {"lone CR", "a\rb\nc\r", {"a b", "c"}, {"a b", "c "}, "a b"},
        {"blank lines inside", "a\n\n  \nb\n", {"a", "b"}, {"a", "", "  ", "b"}, "a"},
        // An empty first value binds card 1 to the empty value and card 2 to
        // the second line; trimming the whole text would shift every card.
        {"empty first value", "\nBob\nCy\n", {"Bob", "Cy"}, {"", "Bob", "Cy"}, ""},
        {"blank lines at the end", "Al\r\n\r\n \n", {"Al"}, {"Al"}, "Al"},
        {"blank file", "\n \n", {}, {""}, ""},
        {"edge blanks kept in rows", "  x  \n", {"x"}, {"  x  "}, "  x  "},
        {"empty file", "", {}, {""}, ""},
        {"non-ASCII", "Zoë\n李\n", {"Zoë", "李"}, {"Zoë", "李"}, "Zoë"},
        {"not UTF-8", "ok\n\xff\xfe\n", {}, {}, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const QString p = file(c.bytes);
        EXPECT_EQ(SeriesFile::readValueList(p), c.values);
        EXPECT_EQ(SeriesFile::readRowList(p), c.rows);
        EXPECT_EQ(SeriesFile::readFirstValue(p), c.first);
    }
    const QString missing = tmp.filePath("missing.txt");
    EXPECT_EQ(SeriesFile::readValueList(missing), QStringList());
    EXPECT_EQ(SeriesFile::readRowList(missing), QStringList());
    EXPECT_EQ(SeriesFile::readFirstValue(missing), "");
}

TEST_F(SeriesFileTest, WritersKeepOneValuePerLine) {
    const QString p = tmp.filePath("w.txt");
    const QStringList values = {"", "two\nlines", "cr\rlf\r\nend", "  blank  ", "Zoë"};
    ASSERT_TRUE(SeriesFile::write(p, values));
    EXPECT_EQ(readFile(p), QByteArray("\ntwo lines\ncr lf end\n  blank  \nZo\xc3\xab\n"));
    EXPECT_EQ(SeriesFile::readRowList(p), (QStringList{"", "two lines", "cr lf end", "  blank  ", "Zoë"}));

    ASSERT_TRUE(SeriesFile::write(p, values, SeriesFile::WriteMode::TrimSkipEmpty));
    EXPECT_EQ(readFile(p), QByteArray("two lines\ncr lf end\nblank\nZo\xc3\xab\n"));

    ASSERT_TRUE(SeriesFile::append(p, {"more", ""}));
    EXPECT_EQ(SeriesFile::readRowList(p), (QStringList{"two lines", "cr lf end", "blank", "Zoë", "more"}));
    ASSERT_TRUE(writeFile(p, "no end"));  // appending after a last line without LF
    ASSERT_TRUE(SeriesFile::append(p, {"next"}));
    EXPECT_EQ(readFile(p), QByteArray("no end\nnext\n"));
    EXPECT_EQ(SeriesFile::write(p, {}), true);
    EXPECT_EQ(readFile(p), QByteArray());
}

TEST_F(SeriesFileTest, AppendedValuesFollowWhatTheFileHolds) {
    const QString mark = QString(QChar(0xFEFF));
    const struct {
        const char* what;
        const char* before;  // nullptr: no file
        QStringList added;
        QStringList rows;
    } cases[] = {
        {"no file", nullptr, {"x", "y"}, {"x", "y"}},
        {"empty file", "", {"x", "y"}, {"x", "y"}},
        {"byte-order mark only", "\xEF\xBB\xBF", {"x", "y"}, {"x", "y"}},
        {"mark only, value with a mark", "\xEF\xBB\xBF", {mark + "v"}, {mark + "v"}},
        {"mark and a value", "\xEF\xBB\xBF" "a", {"x"}, {"a", "x"}},
        {"last line without LF", "no end", {"x"}, {"no end", "x"}},
        {"one blank line: a blank first card", "\n", {"x"}, {"", "x"}},
    };
    for (const auto& c : cases) {
        const QString p = tmp.filePath("append.txt");
        QFile::remove(p);
        if (c.before) {
            ASSERT_TRUE(writeFile(p, c.before));
        }
        ASSERT_TRUE(SeriesFile::append(p, c.added)) << c.what;
        EXPECT_EQ(SeriesFile::readRowList(p), c.rows) << c.what;
    }
}

// A first value that begins with U+FEFF (read from a file that held the
// mark twice) is written behind a mark of its own, so it reads back whole.
TEST_F(SeriesFileTest, AFirstValueBeginningWithAByteOrderMarkSurvives) {
    const QString mark = QString(QChar(0xFEFF));
    const QString p = file("\xEF\xBB\xBF\xEF\xBB\xBF \xEF\xBB\xBF\xEF\xBB\xBF a \n\x1f\n");
    const QStringList rows = SeriesFile::readRowList(p);
    ASSERT_EQ(rows, QStringList{mark + " " + mark + mark + " a "});
    const QString again = tmp.filePath("again.txt");
    ASSERT_TRUE(SeriesFile::write(again, rows));
    EXPECT_EQ(SeriesFile::readRowList(again), rows);
    QFile::remove(again);
    ASSERT_TRUE(SeriesFile::append(again, rows));
    EXPECT_EQ(SeriesFile::readRowList(again), rows);
    // Only a file's start needs it.
    ASSERT_TRUE(SeriesFile::write(again, {"a", mark + "b"}));
    EXPECT_EQ(readFile(again), QByteArray("a\n\xEF\xBB\xBF" "b\n"));
}

TEST_F(SeriesFileTest, FailedWriteKeepsTheOldSeries) {
    const QString dir = tmp.filePath("ro");
    QDir().mkpath(dir);
    const QString p = dir + "/s.txt";
    ASSERT_TRUE(writeFile(p, "old\n"));
    ASSERT_EQ(::chmod(QFile::encodeName(dir).constData(), 0500), 0);
    if (::geteuid() == 0) {
        // root writes anyway; a path through a file fails for everyone.
        ::chmod(QFile::encodeName(dir).constData(), 0700);
        EXPECT_FALSE(SeriesFile::write(p + "/not-a-folder.txt", {"new"}));
    } else {
        EXPECT_FALSE(SeriesFile::write(p, {"new"}));
        ::chmod(QFile::encodeName(dir).constData(), 0700);
    }
    EXPECT_EQ(readFile(p), "old\n");
    EXPECT_EQ(QDir(dir).entryList(QDir::Files), QStringList{"s.txt"});
}

TEST_F(SeriesFileTest, NamesAndTheListOfSeries) {
    EXPECT_EQ(SeriesFile::fileName("a/b"), "a_b.txt");
    EXPECT_EQ(SeriesFile::fileName("/ends/"), "ends.txt");
    EXPECT_EQ(SeriesFile::fileName("*Staff?"), "Staff.txt");
    EXPECT_EQ(SeriesFile::fileName(" Staff "), "Staff.txt");

    const QString dir = tmp.filePath("DataSet");
    for (const char* name : {"zeta.txt", "Alpha.txt", "beta.txt", "UPPER.TXT", "notes.md", "x.tar.txt", ".hidden.txt"})
        ASSERT_TRUE(writeFile(dir + "/" + name, ""));
    QDir().mkpath(dir + "/folder.txt");
    // Only the exact extension "txt", plain files, sorted by name.
    EXPECT_EQ(Get_datasheet_File_Name_Array(dir), (QStringList{".hidden", "Alpha", "beta", "x.tar", "zeta"}));
    EXPECT_EQ(Get_datasheet_File_Name_Array(tmp.filePath("missing")), QStringList());
}

TEST_F(SeriesFileTest, InUseGuard) {
    const QString dir = tmp.path();
    ASSERT_TRUE(writeFile(dir + "/Staff.txt", "a\n"));
    using B = zelk::SeriesBinding;
    const QList<B> front = {{true, 0, ""}, {false, 1, "Staff"}};  // a shape bound by name does not count
    const QList<B> frontUses = {{true, 1, "Staff"}};
    const QList<B> back = {{true, 1, "Staff"}};
    const QList<B> wrongCase = {{true, 1, "staff"}};
    const QList<B> manual = {{true, 0, "Staff"}};
    EXPECT_TRUE(Check_Batch_File_In_Use_Validation("Staff", frontUses, {}, false, dir));
    EXPECT_FALSE(Check_Batch_File_In_Use_Validation("Staff", front, {}, true, dir));
    EXPECT_TRUE(Check_Batch_File_In_Use_Validation("Staff", front, back, true, dir));
    EXPECT_FALSE(Check_Batch_File_In_Use_Validation("Staff", front, back, false, dir));  // back of a one-sided card
    EXPECT_FALSE(Check_Batch_File_In_Use_Validation("Staff", wrongCase, {}, false, dir));
    EXPECT_FALSE(Check_Batch_File_In_Use_Validation("Staff", manual, {}, false, dir));
    EXPECT_FALSE(Check_Batch_File_In_Use_Validation("Gone", {{true, 1, "Gone"}}, {}, false, dir));  // no file
}

}  // namespace
