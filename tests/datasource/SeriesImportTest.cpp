// The import wizard's text, paste and picture-folder sources, played
// through the dialog runner: decoding, CSV written by LibreOffice and by
// hand, hand-made RTF, and the series each gives.
#include "SeriesFixture.h"
#include "datasource/BatchWizard.h"
#include "datasource/Import_Wizard.h"
#include "datasource/SeriesText.h"

#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace zelk::test {
namespace {

class SeriesImportTest : public SeriesFixture {
protected:
    Import_Wizard* w = Import_Wizard::defaultInstance();
    // Opens the wizard for a new series "S" and imports from `source`.
    int import(int option, const QString& source, bool named = true) {
        w->file_name_required = named ? 1 : 0;
        w->file_name_Insert = 0;
        play = [&](QDialog*) {
            QLineEdit* const paths[] = {w->Excel_path, w->Text_path, nullptr, w->Image_path};
            QLineEdit* const names[] = {nullptr, w->Text_file_name, w->Manual_file_name, w->Image_file_name};
            (option == 1 ? w->Text_RD_Pressed() : option == 2 ? w->Manual_RD_Pressed() : w->Image_RD_Pressed());
            if (paths[option])
                paths[option]->setText(source);
            else
                w->ManualEdit->setPlainText(source);
            names[option]->setText("S");
            w->OKPressed();
            return w->result();
        };
        w->Open_Wnd();
        return w->result();
    }
    QString file(const QString& name, const QByteArray& bytes) {
        writeBytes(tmp.filePath(name), bytes);
        return tmp.filePath(name);
    }
};

TEST_F(SeriesImportTest, TextFilesByTheirKind) {
    const struct {
        const char* name;
        QByteArray bytes;
        QByteArray series;  // "" when refused
    } cases[] = {
        // Plain text: cleaned lines, blanks skipped, ended by a font line.
        {"a.txt", "\xEF\xBB\xBF{Name}\nC:\\data\n   \nlast", "Name\nC:data\nlast\n"},
        {"b.txt", "a\r\nb NSFont = x\r\nc\r\n", "a\n"},
        {"c.txt", "one\rtwo\r", "one\ntwo\n"},                                      // CR line ends
        {"d.txt", QByteArray("\xFF\xFE" "a\0\n\0\xE9\0", 8), "a\n\xC3\xA9\n"},        // UTF-16 LE mark
        {"e.TXT", "caf\xE9\n\x80 5\n", "caf\xC3\xA9\n\xE2\x82\xAC 5\n"},              // not UTF-8: Windows-1252
        {"f.txt", "", ""},
        // CSV (RFC 4180), hand-made: CR, CRLF, quoted commas, quotes and line breaks.
        {"g.csv", "a,b\rc\rd,e\r", "a\nb\nc\nd\ne\n"},
        {"h.csv", "x,\"y,\"\"q\"\"\r\nz\"\r\nw\r\n,\r\n", "x\ny,\"q\" z\nw\n"},
        {"i.CSV", "one\ntwo\nthree\n", "one\ntwo\nthree\n"},                       // one column
        // RTF: several runs and a font and a colour table.
        {"j.rtf",
         "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fswiss Helvetica;}{\\f1 Times;}}"
         "{\\colortbl;\\red255\\green0\\blue0;}\\f0\\fs24 First {\\b bold} run\\par\n"
         "\\cf1 Second {\\i line}\\line third\\par}",
         "First bold run\nSecond line\nthird\n"},
        // A table, a picture, the information group and an ignorable group.
        {"k.rtf",
         "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}{\\info{\\title Secret}}{\\*\\generator Riched20;}"
         "\\trowd\\cellx1000\\cellx2000 Ann\\cell Oslo\\cell\\row\\trowd\\cellx1000\\cellx2000 Bob\\cell "
         "{\\pict\\pngblip\\picw10 89504e470d0a}Rome\\cell\\row}",
         "Ann\nOslo\nBob\nRome\n"},
        // The code page's bytes and Unicode characters with their stand-ins.
        {"l.rtf", "{\\rtf1\\ansi\\ansicpg1252 caf\\'e9\\par\\uc1\\u8364? 5\\par \\uc2\\u-3913\\'3f\\'3fend}",
         "caf\xC3\xA9\n\xE2\x82\xAC 5\n\xEF\x82\xB7" "end\n"},
        {"m.rtf", "plain words", ""},  // not RTF
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QFile::remove(seriesPath("S"));
        shown.clear();
        const int code = import(1, file(c.name, c.bytes));
        EXPECT_EQ(seriesBytes("S"), c.series);
        EXPECT_EQ(code, c.series.isEmpty() ? 0 : 1);
        EXPECT_EQ(shown, c.series.isEmpty() ? QStringList{series::kCorrupted} : QStringList());
    }
}

// One broken character stays one value's fault: lines are still split.
TEST_F(SeriesImportTest, AnUnpairedSurrogateBecomesAReplacementCharacter) {
    const QByteArray bad = "\xEF\xBF\xBD";  // U+FFFD in UTF-8
    auto utf16 = [](const QList<char16_t>& units, bool bigEndian) {
        QByteArray bytes = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
        for (const char16_t u : units) {
            const char hi = char(u >> 8), lo = char(u & 0xFF);
            bytes.append(bigEndian ? hi : lo).append(bigEndian ? lo : hi);
        }
        return bytes;
    };
    const struct {
        const char* name;
        QByteArray bytes;
        QByteArray series;
    } cases[] = {
        {"a.rtf", "{\\rtf1\\ansi Alice\\par Bob\\par Carol \\u-10179?\\par Dave\\par}",
         "Alice\nBob\nCarol " + bad + "\nDave\n"},
        {"b.rtf", "{\\rtf1\\ansi \\u-8704?x\\par \\u-10179?\\u-8704?\\par \\u-8704?\\u-10179?}",
         bad + "x\n\xF0\x9F\x98\x80\n" + bad + bad + "\n"},  // a pair across two \u is one character
        {"c.txt", utf16({'A', 'n', 'n', '\n', 'B', 0xD83D, 'o', '\r', '\n', 'C', 'y', 0xDC00}, false),
         "Ann\nB" + bad + "o\nCy" + bad + "\n"},
        {"d.csv", utf16({'A', ',', 0xD83D, 0xDE00, '\n', 'B', 0xDE00, ',', 'C'}, true),
         "A\n\xF0\x9F\x98\x80\nB" + bad + "\nC\n"},
    };
    // Text that is not valid UTF-16 is still split at its line ends.
    const QString lone(QChar(0xD83D));
    EXPECT_EQ(series::valuesOfText("a\r\nb" + lone + "\rc\n" + lone, series::TextKind::Rtf),
              (QStringList{"a", "b" + lone, "c", lone}));
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QFile::remove(seriesPath("S"));
        shown.clear();
        EXPECT_EQ(import(1, file(c.name, c.bytes)), 1);
        EXPECT_EQ(seriesBytes("S"), c.series);
        EXPECT_EQ(shown, QStringList());
    }
}

// Nothing to import is said, and neither an existing series nor the
// manager's list changes.
TEST_F(SeriesImportTest, AFileWithoutValuesIsRefused) {
    const QString files[] = {file("e.rtf", "{\\rtf1 \\par\\par}"), file("f.csv", ",,,\n , \n"),
                             file("g.txt", " \\ \n{}\n\t\n")};
    BatchWizard* manager = BatchWizard::defaultInstance();
    manager->ListData_value = {"kept"};
    for (const QString& source : files) {
        SCOPED_TRACE(source.toStdString());
        for (const bool exists : {true, false}) {
            if (exists)
                writeSeries("S", "old\n");
            else
                QFile::remove(seriesPath("S"));
            shown.clear();
            answers = {MessageAnswer::Yes};  // were the user asked to replace
            EXPECT_EQ(import(1, source), 0);
            EXPECT_EQ(shown, QStringList{series::kNoValues});
            EXPECT_EQ(seriesExists("S"), exists);
            if (exists) {
                EXPECT_EQ(seriesBytes("S"), "old\n");
            }
        }
        shown.clear();
        EXPECT_EQ(import(1, source, false), 0);
        EXPECT_EQ(shown, QStringList{series::kNoValues});
        EXPECT_EQ(manager->ListData_value, QStringList{"kept"});
    }
}

TEST_F(SeriesImportTest, CsvWrittenByLibreOffice) {
    const QString book = tmp.filePath("book.xlsx");
    python(R"PY(
import sys, openpyxl
wb = openpyxl.Workbook()
ws = wb.active
for row in [["Name", "City"], ["Zoë", "Oslo, Norway"], ['He said "hi"', "two\nlines"], ["single", None], [7, 1.5]]:
    ws.append(row)
wb.save(sys.argv[1])
)PY", {book});
    const QString latin = tmp.filePath("latin"), utf8 = tmp.filePath("utf8");
    soffice({"--convert-to", "csv", "--outdir", latin, book});
    soffice({"--convert-to", "csv:Text - txt - csv (StarCalc):44,34,76,1", "--outdir", utf8, book});
    EXPECT_TRUE(fileBytes(latin + "/book.csv").contains("Zo\xEB"));  // the default filter writes Latin-1
    for (const QString& csv : {latin + "/book.csv", utf8 + "/book.csv"}) {
        SCOPED_TRACE(csv.toStdString());
        EXPECT_FALSE(fileBytes(csv).contains('\r'));  // LF line ends
        QFile::remove(seriesPath("S"));
        EXPECT_EQ(import(1, csv), 1);
        EXPECT_EQ(QString::fromUtf8(seriesBytes("S")),
                  "Name\nCity\nZoë\nOslo, Norway\nHe said \"hi\"\ntwo lines\nsingle\n7\n1.5\n");
    }
}

TEST_F(SeriesImportTest, PastedTextAndTheManagersList) {
    EXPECT_EQ(import(2, "\n first \n\n  \n last \n"), 1);
    EXPECT_EQ(seriesBytes("S"), "first \n  \n last\n");  // pasted lines stand as they are
    EXPECT_EQ(import(2, " \n "), 0);
    EXPECT_EQ(shown, QStringList{"Please enter some data."});

    BatchWizard* manager = BatchWizard::defaultInstance();
    manager->ListData_value.clear();
    EXPECT_EQ(import(2, " a \n\n  \nb", false), 1);
    EXPECT_EQ(import(1, file("v.csv", "c,,d\n"), false), 1);
    EXPECT_EQ(manager->ListData_value, (QStringList{"a", "b", "c", "d"}));

    // A chosen file imports at once under the name shown, "Untitled" when
    // none was typed.
    ScopedServices chooser(changed([&](Services& s) {
        s.chooseOpenPath = [&](QWidget*, const QString&, const QString&) { return file("w.txt", "x\n"); };
    }));
    w->file_name_required = 1;
    play = [&](QDialog*) {
        w->Text_RD_Pressed();
        w->Browse_Text_Pressed();
        return w->result();
    };
    w->Open_Wnd();
    EXPECT_EQ(w->result(), 1);
    EXPECT_EQ(seriesBytes(default_file_name), "x\n");
}

TEST_F(SeriesImportTest, PictureFolders) {
    const QString dir = tmp.filePath("pics");
    QDir().mkpath(dir + "/d.jpg");
    for (const char* name : {"photo10.png", "b.png", "A.JPG", "c.txt", "photo2.png", ".hidden.gif", "x.jpeg.bak"})
        writeBytes(dir + '/' + name, "p");
    QFile::link(dir + "/b.png", dir + "/link.png");
    EXPECT_EQ(import(3, dir), 1);
    QByteArray expected;
    for (const char* name : {".hidden.gif", "A.JPG", "b.png", "link.png", "photo2.png", "photo10.png"})
        expected += (dir + '/' + name).toUtf8() + '\n';
    EXPECT_EQ(seriesBytes("S"), expected);

    // A folder without pictures replaces nothing.
    QDir().mkpath(tmp.filePath("empty"));
    answers = {MessageAnswer::Yes};
    EXPECT_EQ(import(3, tmp.filePath("empty")), 0);
    EXPECT_EQ(shown, (QStringList{series::kReplaceQuestion,
                                  "The selected folder does not contains any image with supported extension."}));
    EXPECT_EQ(seriesBytes("S"), expected);
}

TEST_F(SeriesImportTest, TheTargetSeries) {
    const QString source = file("t.txt", "new\n");
    writeSeries("S", "old\n");
    bound = {"S"};
    EXPECT_EQ(import(1, source), 0);
    answers = {MessageAnswer::No};
    bound.clear();
    EXPECT_EQ(import(1, source), 0);
    EXPECT_EQ(seriesBytes("S"), "old\n");
    EXPECT_EQ(shown, (QStringList{series::kInUseCreate, series::kReplaceQuestion}));

    // A failed write keeps the old series and reports it.
    writeSeries(unreplaceableName(), "old\n");
    shown.clear();
    answers = {MessageAnswer::Yes};
    w->file_name_required = 1;
    w->Text_file_name->setText(unreplaceableName());
    EXPECT_FALSE(w->Create_And_Save_Text_Data_Sheet(source));
    EXPECT_EQ(shown, (QStringList{series::kReplaceQuestion, series::kFileError}));
    EXPECT_EQ(seriesBytes(unreplaceableName()), "old\n");

    shown.clear();
    EXPECT_EQ(import(1, tmp.filePath("missing.txt")), 0);
    EXPECT_EQ(shown, QStringList{"Please select valid file path."});
}

}  // namespace
}  // namespace zelk::test
