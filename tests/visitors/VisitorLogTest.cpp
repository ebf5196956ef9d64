// The visitor log: the newest visitors, the date ranges and terms, the list
// rows, the workbook export, and a visitor's road from the desk to the pass.
#include "VisitorTestSupport.h"

#include "dialogs/AccessoryViewController.h"
#include "dialogs/DialogRunner.h"
#include "dialogs/Open_Export_Log.h"
#include "dialogs/PrintInfo.h"
#include "foundation/Utilities.h"
#include "production/PrintGlobals.h"
#include "visitors/Visitor_Log_Records.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDateTime>
#include <QFileDialog>
#include <QFileInfo>
#include <QImageReader>
#include <QLineEdit>
#include <QPrinter>
#include <QScrollBar>
#include <QToolTip>
#include <QTableView>
#include <QTemporaryDir>

#include <sqlite3.h>

#include <functional>

namespace zelk::test {
namespace {

// The log's clock in these tests: half a minute after midnight, so that a
// day's bounds are close at hand and the wall clock counts for nothing.
const QDateTime fixedNow(QDate(2026, 12, 6), QTime(0, 0, 30));
const QDate today = fixedNow.date();

QString stampOf(const QDateTime& t) { return t.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")); }
QString stampDaysAgo(int days) { return stampOf(fixedNow.addDays(-days)); }

VisitorEntry named(const QString& front, const QString& back = {}) {
    VisitorEntry e;
    e.front.fields[0] = {front, QStringLiteral("Name :"), true, true};
    e.back.fields[0] = {back, QStringLiteral("Name :"), !back.isEmpty(), true};
    return e;
}

QString pdfText(const QString& path) {
    const ToolResult r = runTool(QStringLiteral("pdftotext"), {path, QStringLiteral("-")});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    return QString::fromUtf8(r.out);
}

class VisitorLogTest : public VisitorTest {
protected:
    Visitor_Log_Records& log() {
        if (!window)
            openWithCard();
        Visitor_Log_Records* l = Visitor_Log_Records::defaultInstance(*window);
        l->clock = [] { return fixedNow; };
        return *l;
    }
    void store(const VisitorEntry& e, const QString& stamp) {
        Check_Path_And_Create_VISITOR_Files();
        sqlite3* conn = VisitorDatabase::open(db());
        ASSERT_NE(conn, nullptr);
        ASSERT_TRUE(VisitorDatabase::insert(conn, VisitorDatabase::rowValues(e, true, stamp, QStringLiteral("d"),
                                                                              QStringLiteral("t"), nullptr)));
        VisitorDatabase::close(conn);
    }
    QStringList listed(const char* key) {
        QStringList out;
        for (const auto& row : log().ListData)
            out << row.value(QString::fromLatin1(key));
        return out;
    }
};

TEST_F(VisitorLogTest, OpeningListsTheTenNewestWithoutAMessage) {
    Visitor_Log_Records& l = log();
    l.prepareToOpen();
    EXPECT_TRUE(l.ListData.isEmpty());
    EXPECT_TRUE(sink.shown.isEmpty()) << sink.text();
    for (int i = 1; i <= 12; ++i)
        store(named(QStringLiteral("V%1").arg(i)), stampDaysAgo(100));
    l.prepareToOpen();
    EXPECT_EQ(listed("Name"), QString("V12 V11 V10 V9 V8 V7 V6 V5 V4 V3").split(' '));
    EXPECT_EQ(listed("SNO"), QString("1 2 3 4 5 6 7 8 9 10").split(' '));
    EXPECT_EQ(listed("DB_ID").first(), QStringLiteral("12"));
    EXPECT_TRUE(l.Search_Box->isVisibleTo(&l) && l.Records_Box->isVisibleTo(&l) && !l.Details_Box->isVisibleTo(&l));
}

TEST_F(VisitorLogTest, TheMenuCommandRunsTheLogAndCloseForgetsTheTerms) {
    SKTWindowController& w = openWithCard();
    store(named(QStringLiteral("Ann")), stampDaysAgo(0));
    int listedWhenShown = -1;
    ScopedDialogRunner runner([&](QDialog* dialog) {
        auto* l = qobject_cast<Visitor_Log_Records*>(dialog);
        if (!l)
            return 0;
        listedWhenShown = int(l->ListData.size());
        l->Name->setText(QStringLiteral("Ann"));
        l->date_range->setCurrentIndex(3);
        l->Close_box_click();
        return l->result();
    });
    QAction* command = w.actionNamed(QStringLiteral("View_Vistor_Record"));
    ASSERT_NE(command, nullptr);
    command->trigger();
    EXPECT_EQ(listedWhenShown, 1);
    Visitor_Log_Records& l = log();
    EXPECT_TRUE(l.Name->text().isEmpty());
    EXPECT_EQ(l.date_range->currentIndex(), 0);
    EXPECT_EQ(w.visitor_db, nullptr);
}

TEST_F(VisitorLogTest, DateRangesAndTermsNarrowTheSearch) {
    Visitor_Log_Records& l = log();
    store(named(QStringLiteral("Today O'Neil"), QStringLiteral("  Bo ")), stampDaysAgo(0));
    store(named(QStringLiteral("Yesterday")), stampOf(fixedNow.addSecs(-60)));  // 23:59:30 the day before
    store(named(QStringLiteral("Five")), stampDaysAgo(5));
    store(named(QStringLiteral("Twenty 50%_off")), stampDaysAgo(20));
    store(named(QStringLiteral("Forty")), stampDaysAgo(40));
    const struct {
        int range;
        QStringList names;
    } ranges[] = {
        {0, {"Today O'Neil [ Bo ]"}},
        {1, {"Yesterday"}},
        {2, {"Today O'Neil [ Bo ]", "Yesterday", "Five"}},
        {3, {"Today O'Neil [ Bo ]", "Yesterday", "Five", "Twenty 50%_off"}},
    };
    for (const auto& c : ranges) {
        l.dateRangeChanged(c.range);
        EXPECT_FALSE(l.Date_From_Ctrl->isEnabled());
        ASSERT_TRUE(l.Search_Visitor_Records(false));
        QStringList names = listed("Name");
        names.sort();
        QStringList expected = c.names;
        expected.sort();
        EXPECT_EQ(names, expected) << "range " << c.range;
    }
    // Custom: the pickers decide; From after To finds nothing.
    l.dateRangeChanged(4);
    EXPECT_TRUE(l.Date_From_Ctrl->isEnabled());
    l.Date_From_Ctrl->setDate(today.addDays(-45));
    l.Date_To_Ctrl->setDate(today.addDays(-10));
    l.Search_Visitor_Records(false);
    EXPECT_EQ(listed("Name"), (QStringList{"Twenty 50%_off", "Forty"}));
    sink.shown.clear();
    l.Date_From_Ctrl->setDate(today);
    l.Date_To_Ctrl->setDate(today.addDays(-1));
    l.Search_Visitor_Records(false);
    EXPECT_TRUE(l.ListData.isEmpty());
    EXPECT_EQ(sink.shown, QStringList{QStringLiteral("No records found.")});
    // Terms over every date: o'neil finds O'Neil, the back value counts,
    // "%" matches all, "_" is one character, a blank term is ignored.
    l.Date_From_Ctrl->setDate(today.addDays(-100));
    l.Date_To_Ctrl->setDate(today);
    const struct {
        QString term;
        int count;
    } terms[] = {{"o'neil", 1}, {"bo", 1}, {"%", 5}, {"50\\%", 0}, {"f_ve", 1}, {"   ", 5}, {"' OR 1=1 --", 0}};
    for (const auto& t : terms) {
        l.Name->setText(t.term);
        sink.shown.clear();
        l.Search_Visitor_Records(false);
        EXPECT_EQ(l.ListData.size(), t.count) << t.term.toStdString();
    }
    // Reset empties the terms and goes back to today.
    l.Reset_click();
    EXPECT_TRUE(l.Name->text().isEmpty());
    EXPECT_EQ(l.date_range->currentIndex(), 0);
}

TEST_F(VisitorLogTest, AQueryOnADamagedDatabaseIsAnErrorNotAnEmptyList) {
    Visitor_Log_Records& l = log();
    for (int i = 1; i <= 3; ++i)
        store(named(QStringLiteral("V%1").arg(i)), stampDaysAgo(0));
    // Page 2, the table's page: its three cell pointers point into its header.
    QFile file(db());
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    const QByteArray header = file.read(100);
    const int pageSize = (quint8(header[16]) << 8) | quint8(header[17]);
    ASSERT_TRUE(file.seek(pageSize + 8));
    file.write(QByteArray("\x00\x04\x00\x04\x00\x04", 6));
    file.close();
    const QList<QVariantMap> check = sqliteRows(db(), QStringLiteral("pragma integrity_check"));
    ASSERT_FALSE(check.isEmpty());
    EXPECT_TRUE(check.first().value("integrity_check").toString().contains(QStringLiteral("Offset 4 out of range")));

    const struct {
        const char* what;
        std::function<void()> act;
    } cases[] = {
        {"search", [&] {
             l.Name->setText(QStringLiteral("%"));
             EXPECT_FALSE(l.Search_Visitor_Records(false));
         }},
        {"recent list", [&] { l.prepareToOpen(); }},
        {"details", [&] { l.Show_Visitor_Details(QStringLiteral("1")); }},
    };
    for (const auto& c : cases) {
        l.prepareToOpen();
        sink.shown.clear();
        c.act();
        EXPECT_EQ(sink.shown, QStringList{QStringLiteral("Error in database access")}) << c.what;
        EXPECT_TRUE(l.ListData.isEmpty()) << c.what;
        EXPECT_FALSE(l.Details_Box->isVisibleTo(&l)) << c.what;
    }
}

TEST(VisitorLogRow, BackValuesInBracketsOtherDetailsOnOneLine) {
    VisitorRecord r{{"ID", "7"},          {"Date_Time_Stamp", "2026-12-01 10:00:00"},
                    {"VName", "Ann "},    {"VName_B", "  Bo "},
                    {"Phone", "55"},      {"Phone_B", "   "},
                    {"Other", "a : b\r\n"}, {"Other_B", "c : d"},
                    {"Fax", "x"},         {"Photo", "/p.png"}};
    const QHash<QString, QString> row = Visitor_Log_Records::listRow(r, 3);
    EXPECT_EQ(row.value("SNO"), QStringLiteral("3"));
    EXPECT_EQ(row.value("DB_ID"), QStringLiteral("7"));
    EXPECT_EQ(row.value("Name"), QStringLiteral("Ann  [ Bo ]"));
    EXPECT_EQ(row.value("Phone"), QStringLiteral("55"));
    EXPECT_EQ(row.value("Other"), QStringLiteral("a : b c : d"));
    EXPECT_EQ(row.value("Photo"), QStringLiteral("/p.png"));
    EXPECT_FALSE(row.contains("Fax"));
}

// A name of 4,000 characters, of words or without a blank, is cut at a
// bounded width, read whole in its tooltip and from its start in the
// details; S.No., ID and Date are in view whenever the list is shown: when
// opened, and after the user scrolled it sideways, back from a row's
// details and when opened again.
TEST_F(VisitorLogTest, ALongValueLeavesTheFirstColumnsInView) {
    Visitor_Log_Records& l = log();
    const QStringList longNames = {QStringLiteral("Longname ").repeated(445).left(4000),
                                   QStringLiteral("https://cards.test/").leftJustified(4000, u'x')};
    for (const QString& name : longNames)
        store(named(name), stampDaysAgo(0));
    l.show();
    QTableView* list = l.ColList;
    const struct {
        const char* road;
        std::function<void()> act;
    } roads[] = {
        {"opened", [&] { l.prepareToOpen(); }},
        {"back from the details", [&] {
             list->horizontalScrollBar()->setValue(list->horizontalScrollBar()->maximum());
             list->selectRow(0);
             l.doubleClickInTable();
             ASSERT_TRUE(l.Details_Box->isVisibleTo(&l)) << sink.text();
             for (const QLineEdit* value : l.view_array_value)
                 EXPECT_EQ(value->cursorPosition(), 0) << value->text().left(40).toStdString();
             l.Close_Details_Panel_click();
         }},
        {"opened again", [&] {
             list->horizontalScrollBar()->setValue(list->horizontalScrollBar()->maximum());
             l.prepareToOpen();
         }},
    };
    for (const auto& r : roads) {
        SCOPED_TRACE(r.road);
        r.act();
        ASSERT_EQ(l.ListData.size(), longNames.size());
        // Whole, in lines that leave it on a 1280 x 720 screen.
        QStringList tipped;
        for (int row = 0; row < longNames.size(); ++row) {
            const QString tip = list->model()->index(row, 3).data(Qt::ToolTipRole).toString();
            tipped << QString(tip).remove(u'\n');
            const QFontMetrics tipFont(QToolTip::font());
            EXPECT_LT(tipFont.boundingRect(QRect(0, 0, 1280, 720), 0, tip).height(), 720);
            EXPECT_LT(tipFont.boundingRect(QRect(0, 0, 1280, 720), 0, tip).width(), 1280);
        }
        EXPECT_EQ(QSet<QString>(tipped.begin(), tipped.end()), QSet<QString>(longNames.begin(), longNames.end()));
        EXPECT_LT(list->columnWidth(3), list->viewport()->width() / 2);
        EXPECT_EQ(list->horizontalScrollBar()->value(), 0);
        EXPECT_LE(list->columnViewportPosition(2) + list->columnWidth(2), list->viewport()->width());
    }
}

TEST_F(VisitorLogTest, TheListExportsAsAWorkbookOnlyWhenWritten) {
    Visitor_Log_Records& l = log();
    EXPECT_FALSE(l.Export_Records_Click());
    EXPECT_EQ(sink.shown, QStringList{QStringLiteral("List is empty.")});
    store(named(QStringLiteral("Ann"), QStringLiteral("Bo")), stampDaysAgo(0));
    store(named(QStringLiteral("Cy")), stampDaysAgo(0));
    l.prepareToOpen();
    ASSERT_EQ(l.ListData.size(), 2);
    // The ID is read-only in the list, the other cells may be edited.
    EXPECT_FALSE(l.ColList->model()->flags(l.ColList->model()->index(0, 1)) & Qt::ItemIsEditable);
    EXPECT_TRUE(l.ColList->model()->flags(l.ColList->model()->index(0, 3)) & Qt::ItemIsEditable);
    nextSavePath = data.filePath(QStringLiteral("list.TXT"));
    ASSERT_TRUE(l.Export_Records_Click()) << sink.text();
    const QString written = data.filePath(QStringLiteral("list.TXT.xlsx"));
    EXPECT_EQ(::Export_File_Message, QStringLiteral("Record has been exported successfully."));
    const ToolResult py = runTool(
        debianPython(),
        {QStringLiteral("-c"),
         QStringLiteral("import openpyxl,sys\nws=openpyxl.load_workbook(sys.argv[1]).active\n"
                        "rows=list(ws.iter_rows(values_only=True))\nprint(len(rows),ws.max_column)\n"
                        "print('|'.join(str(c) for c in rows[0]))\nprint('|'.join(str(c) for c in rows[1]))"),
         written});
    ASSERT_EQ(py.exitCode, 0) << py.err.toStdString();
    const QStringList lines = QString::fromUtf8(py.out).split('\n');
    EXPECT_EQ(lines[0], QStringLiteral("3 12"));
    EXPECT_EQ(lines[1], QStringLiteral("S.No.|Date and Time|Photo Path|Name|Company Name|Address|Phone|Email|Purpose|"
                                       "Person to Meet|Visitor No.|Other"));
    EXPECT_TRUE(lines[2].startsWith(QStringLiteral("1|"))) << lines[2].toStdString();
    EXPECT_TRUE(lines[2].contains(QStringLiteral("|Cy|")));
    // A folder that is a file: no success.
    writeBytes(data.filePath(QStringLiteral("plain")), "x");
    nextSavePath = data.filePath(QStringLiteral("plain/list.xlsx"));
    ::Export_File_Message.clear();
    sink.shown.clear();
    EXPECT_FALSE(l.Export_Records_Click());
    EXPECT_EQ(sink.shown, QStringList{QStringLiteral("Error in file accessing.\n\n%1: Not a directory")
                                          .arg(data.filePath(QStringLiteral("plain/list.xlsx")))});
    EXPECT_TRUE(::Export_File_Message.isEmpty());
}

TEST_F(VisitorLogTest, AVisitorGoesFromTheDeskToThePass) {
    SKTWindowController& w = openWithCard();
    VisitorEntry e = filledEntry();
    e.front.fields[0].value = QStringLiteral("Ann Visitor");
    e.back.fields[4].value = QStringLiteral("Back Street 9");
    e.photoPath = resourceDir() + QStringLiteral("/sign_sample.png");
    ASSERT_TRUE(w.Add_Visitor_Record_To_DB(e));
    Visitor_Log_Records& l = log();
    l.prepareToOpen();
    ASSERT_EQ(l.ListData.size(), 1);
    EXPECT_EQ(l.ListData[0].value("Name"), QStringLiteral("Ann Visitor [ B0 value ]"));
    l.Mark_List_New_Selection(0);
    l.doubleClickInTable();
    ASSERT_TRUE(l.Details_Box->isVisibleTo(&l));
    EXPECT_FALSE(l.Records_Box->isVisibleTo(&l));
    EXPECT_EQ(l.view_array_label.size(), 24);
    EXPECT_EQ(l.view_array_value[0]->text(), QStringLiteral("Ann Visitor"));
    EXPECT_FALSE(l.visitor_image_obj.isNull());
    EXPECT_EQ(l.other_detail_info, QStringLiteral("Car : AB 12\r\nBadge : 7"));
    // Front rows only: the back strings stay empty.
    l.show_back_details->setChecked(false);
    l.Show_Back_Details_click();
    EXPECT_EQ(l.view_array_label.size(), 12);
    EXPECT_TRUE(l.backValue[4].isEmpty());
    l.show_back_details->setChecked(true);
    l.Show_Back_Details_click();
    EXPECT_EQ(l.backValue[4], QStringLiteral("Back Street 9"));

    // PNG at 600 dpi, chosen in the panel's pop-up over a typed ".jpg".
    {
        ScopedDialogRunner panel([&](QDialog* d) {
            if (auto* dialog = qobject_cast<QFileDialog*>(d)) {
                EXPECT_EQ(l.accessoryVC->ext_btn->currentIndex(), 0);  // jpg first
                l.accessoryVC->ext_btn->setCurrentIndex(2);
                dialog->selectFile(data.filePath(QStringLiteral("pass.jpg")));
                return 1;
            }
            return 0;
        });
        ASSERT_TRUE(l.Export_Image_click()) << sink.text();
    }
    EXPECT_FALSE(QFileInfo::exists(data.filePath(QStringLiteral("pass.jpg"))));
    QImageReader png(data.filePath(QStringLiteral("pass.png")));
    EXPECT_EQ(png.format(), QByteArray("png"));
    EXPECT_EQ(png.size(), QSize(int(std::ceil(l.page_rect.width() * 600 / 72 - 1e-6)),
                                int(std::ceil(l.page_rect.height() * 600 / 72 - 1e-6))));
    // PDF: the texts stay texts.
    nextSavePath = data.filePath(QStringLiteral("pass"));
    ASSERT_TRUE(l.Export_PDF_click());
    const QString text = pdfText(data.filePath(QStringLiteral("pass.pdf")));
    for (const char* s : {"Visitor Details", "Ann Visitor", "Back Street 9", "B4 caption", "Badge : 7", "F9 value"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(s))) << s << "\n" << text.toStdString();
    // Printed through QPrinter into a PDF.
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(data.filePath(QStringLiteral("printed.pdf")));
    ASSERT_TRUE(l.printPass(printer));
    EXPECT_TRUE(::draw_printing_or_visitor_pass);
    EXPECT_EQ(::Print_Row * ::Print_Col * ::Total_Label, 1);
    const QString printed = pdfText(data.filePath(QStringLiteral("printed.pdf")));
    EXPECT_TRUE(printed.contains(QStringLiteral("Ann Visitor")));
    EXPECT_TRUE(printed.contains(QStringLiteral("Back Street 9")));
    // An export sets the page view back to card sheets.
    nextSavePath = data.filePath(QStringLiteral("again.pdf"));
    ASSERT_TRUE(l.Export_PDF_click());
    EXPECT_FALSE(::draw_printing_or_visitor_pass);
}

// The box after the list or a pass is written names that file alone, also
// after a two-sided card's export named its back file, and it comes whether
// or not a card was exported before.
TEST_F(VisitorLogTest, TheBoxAfterAnExportNamesItsOwnFileAlone) {
    SKTWindowController& w = openWithCard();
    ASSERT_TRUE(w.Add_Visitor_Record_To_DB(filledEntry()));
    Visitor_Log_Records& l = log();
    l.prepareToOpen();
    l.Mark_List_New_Selection(0);
    l.doubleClickInTable();
    struct Case {
        const char* name;
        bool cardBefore;  // a two-sided card was exported first
        bool (Visitor_Log_Records::*exporter)();
        const char* file;
    };
    const Case cases[] = {
        {"the list, nothing exported before", false, &Visitor_Log_Records::Export_Records_Click, "list.xlsx"},
        {"the list after a card", true, &Visitor_Log_Records::Export_Records_Click, "list.xlsx"},
        {"the pass after a card", true, &Visitor_Log_Records::Export_PDF_click, "pass.pdf"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QStringList named;
        ScopedDialogRunner box([&](QDialog* d) {
            if (auto* done = qobject_cast<Open_Export_Log*>(d)) {
                named << done->_open_log_path->text();
                if (!done->_open_log_back_path->isHidden())
                    named << done->_open_log_back_path->text();
            }
            return 0;
        });
        ::check_any_card_exported = 0;
        if (c.cardBefore) {
            ::CARD_SIDE_STR = QStringLiteral("2");
            ::export_card_side = QStringLiteral("BOTH");
            w.Export_Single_File(data.filePath(QStringLiteral("Card_1.PNG")), true);
            ASSERT_EQ(named.size(), 2) << named.join(u' ').toStdString();
            named.clear();
        }
        nextSavePath = data.filePath(QString::fromLatin1(c.file));
        ASSERT_TRUE((l.*c.exporter)()) << sink.text();
        EXPECT_EQ(named.join(QStringLiteral(" | ")).toStdString(), nextSavePath.toStdString());
    }
}

TEST_F(VisitorLogTest, MailHandsOverAPrivatePdfAndRemovesIt) {
    SKTWindowController& w = openWithCard();
    ASSERT_TRUE(w.Add_Visitor_Record_To_DB(filledEntry()));
    Visitor_Log_Records& l = log();
    l.Show_Visitor_Details(QStringLiteral("1"));
    EXPECT_EQ(l.Mail_click(), 0);
    EXPECT_EQ(sink.shown.last(), QStringLiteral("Mail is not available yet."));
    QString handed;
    QString textThen;
    QFile::Permissions permissions;
    w.directMailWindow = [&](const QString& path) {
        handed = path;
        textThen = pdfText(path);
        permissions = QFileInfo(QFileInfo(path).path()).permissions();
        return 1;
    };
    EXPECT_EQ(l.Mail_click(), 1);
    EXPECT_TRUE(textThen.contains(QStringLiteral("F0 value")));
    EXPECT_FALSE(permissions & (QFile::ReadOther | QFile::ReadGroup));
    EXPECT_FALSE(QFileInfo::exists(handed));
}

}  // namespace
}  // namespace zelk::test
