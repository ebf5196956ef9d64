// The visitor database: the shipped schema, what an entry stores, bound
// statements, a missing, empty or broken database file.
#include "VisitorTestSupport.h"

#include "foundation/Utilities.h"

#include <QDate>
#include <QFile>
#include <QRegularExpression>

#include <sqlite3.h>

#include <chrono>
#include <future>
#include <thread>

namespace zelk::test {
namespace {

TEST(VisitorSchema, ShippedDatabaseHasTheKeyAndTheFiftySixTextColumns) {
    const QString shipped = resourceDir() + QStringLiteral("/Visitor.db");
    const QList<QVariantMap> info = sqliteRows(shipped, QStringLiteral("pragma table_info(Visitor_Records)"));
    ASSERT_EQ(info.size(), 57);
    EXPECT_EQ(info[0].value("name").toString(), QStringLiteral("ID"));
    EXPECT_EQ(info[0].value("type").toString(), QStringLiteral("INTEGER"));
    EXPECT_EQ(info[0].value("pk").toInt(), 1);
    QStringList names;
    for (int i = 1; i < info.size(); ++i) {
        names << info[i].value("name").toString();
        EXPECT_EQ(info[i].value("type").toString(), QStringLiteral("TEXT"));
    }
    // The columns as the insert names them, written out once more here.
    const QString stems = QStringLiteral("VName Position CompanyName Slogan Address Phone Fax Email Website UniqueNo");
    QStringList expected{QStringLiteral("Photo"), QStringLiteral("Date_Time_Stamp")};
    for (const QString& side : {QString(), QStringLiteral("_B")}) {
        for (const QString& s : stems.split(' '))
            expected << s + "_lb" + side;
        expected << "EntryDate_lb" + side << "EntryTime_lb" + side;
        for (const QString& s : stems.split(' '))
            expected << s + side;
        for (const char* s : {"Use_Date", "EntryDate", "Use_Time", "EntryTime", "Other"})
            expected << QString::fromLatin1(s) + side;
    }
    EXPECT_EQ(names, expected);
    EXPECT_EQ(VisitorDatabase::columns(), expected);
    EXPECT_TRUE(sqliteRows(shipped, QStringLiteral("SELECT * FROM Visitor_Records")).isEmpty());
}

TEST_F(VisitorTest, AFullTwoSidedEntryIsStoredAsEntered) {
    SKTWindowController& w = openWithCard();
    VisitorEntry e = filledEntry();
    e.front.fields[0].value = QStringLiteral("O'Neil \"Jack\"\nSecond line Ünïcødé 名前");
    e.back.fields[3].caption = QStringLiteral("It's");
    ASSERT_TRUE(w.Add_Visitor_Record_To_DB(e)) << sink.text();
    EXPECT_EQ(sink.shown, QStringList{QStringLiteral("Visitor Details has been saved successfully")});
    const QList<QVariantMap> r = rows();
    ASSERT_EQ(r.size(), 1);
    const QVariantMap& row = r[0];
    EXPECT_EQ(row.value("VName").toString(), e.front.fields[0].value);
    EXPECT_EQ(row.value("Slogan_lb_B").toString(), QStringLiteral("It's"));
    EXPECT_EQ(row.value("Photo").toString(), QStringLiteral("/photos/visitor.png"));
    EXPECT_EQ(row.value("EntryTime_B").toString(), QStringLiteral("B11 value"));
    EXPECT_EQ(row.value("EntryTime_lb").toString(), QStringLiteral("F11 caption"));
    EXPECT_EQ(row.value("Use_Date").toString(), QStringLiteral("1"));
    EXPECT_EQ(row.value("Other").toString(), QStringLiteral("Car : AB 12"));
    EXPECT_EQ(row.value("Other_B").toString(), QStringLiteral("Badge : 7"));
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d$"))
                    .match(row.value("Date_Time_Stamp").toString())
                    .hasMatch());
    // Found again through the bound search.
    sqlite3* conn = VisitorDatabase::open(db());
    ASSERT_NE(conn, nullptr);
    VisitorSearch s;
    s.from = QStringLiteral("2000-01-01 00:00:00");
    s.to = QStringLiteral("2100-01-01 00:00:00");
    s.terms[0] = QStringLiteral("名前");
    EXPECT_EQ(VisitorDatabase::search(conn, s).size(), 1);
    s.terms[0] = QStringLiteral("\"Jack\"\nSecond");
    EXPECT_EQ(VisitorDatabase::search(conn, s).size(), 1);
    VisitorDatabase::close(conn);
}

TEST_F(VisitorTest, CheckBoxesDecideWhatIsStored) {
    const QRegularExpression date(QStringLiteral("^\\d\\d-[^-]+-\\d{4}$"));
    const QRegularExpression time(QStringLiteral("^\\d\\d:\\d\\d:\\d\\d$"));
    SKTWindowController& w = openWithCard();
    // Unchecked boxes: an empty value and caption, today's date and the time.
    VisitorEntry e = filledEntry();
    e.front.fields[1].valueChecked = false;
    e.front.fields[2].captionChecked = false;
    e.front.fields[10].valueChecked = false;
    e.front.fields[11].valueChecked = false;
    ASSERT_TRUE(w.Add_Visitor_Record_To_DB(e));
    // A one-sided card: the back stores nothing but default date and time.
    ::CARD_SIDE_STR = QStringLiteral("1");
    VisitorEntry one = filledEntry();
    one.back.fields[10].valueChecked = false;
    one.back.fields[11].valueChecked = false;
    ASSERT_TRUE(w.Add_Visitor_Record_To_DB(one));
    // A photo alone is enough.
    VisitorEntry photo;
    photo.photoPath = QStringLiteral("/p.png");
    ASSERT_TRUE(w.Add_Visitor_Record_To_DB(photo));
    // So is a checked date box with an empty date.
    VisitorEntry dated;
    dated.back.fields[10].valueChecked = true;
    ::CARD_SIDE_STR = QStringLiteral("2");
    ASSERT_TRUE(w.Add_Visitor_Record_To_DB(dated));

    const QList<QVariantMap> r = rows();
    ASSERT_EQ(r.size(), 4);
    EXPECT_EQ(r[0].value("Position").toString(), QString());
    EXPECT_EQ(r[0].value("Position_lb").toString(), QStringLiteral("F1 caption"));
    EXPECT_EQ(r[0].value("CompanyName_lb").toString(), QString());
    EXPECT_EQ(r[0].value("CompanyName").toString(), QStringLiteral("F2 value"));
    EXPECT_EQ(r[0].value("Use_Date").toString(), QStringLiteral("0"));
    EXPECT_EQ(r[0].value("Use_Time").toString(), QStringLiteral("0"));
    EXPECT_TRUE(date.match(r[0].value("EntryDate").toString()).hasMatch()) << r[0].value("EntryDate").toString().toStdString();
    EXPECT_TRUE(time.match(r[0].value("EntryTime").toString()).hasMatch());
    for (const QString& c : VisitorDatabase::columns()) {
        if (!c.endsWith(QLatin1String("_B")))
            continue;
        const QString v = r[1].value(c).toString();
        if (c == QLatin1String("EntryDate_B"))
            EXPECT_TRUE(date.match(v).hasMatch());
        else if (c == QLatin1String("EntryTime_B"))
            EXPECT_TRUE(time.match(v).hasMatch());
        else if (c.startsWith(QLatin1String("Use_")))
            EXPECT_EQ(v, QStringLiteral("0")) << c.toStdString();
        else
            EXPECT_EQ(v, QString()) << c.toStdString();
    }
    EXPECT_EQ(r[1].value("VName").toString(), QStringLiteral("F0 value"));
    EXPECT_EQ(r[2].value("Photo").toString(), QStringLiteral("/p.png"));
    EXPECT_EQ(r[3].value("Use_Date_B").toString(), QStringLiteral("1"));
    EXPECT_EQ(r[3].value("EntryDate_B").toString(), QString());
    EXPECT_LT(r[2].value("ID").toLongLong(), r[3].value("ID").toLongLong());
}

TEST_F(VisitorTest, NothingEnteredOrNothingOnTheCardIsRefused) {
    SKTWindowController& w = open();
    EXPECT_FALSE(w.Add_Visitor_Record_To_DB(filledEntry()));
    w.document()->graphics.append(std::make_shared<SKTText>());
    // Every box unchecked; apostrophes, commas and blanks count as nothing.
    VisitorEntry e;
    e.front.fields[0].value = QStringLiteral("ignored");
    e.front.other = QStringLiteral(" ' , ");
    EXPECT_FALSE(w.Add_Visitor_Record_To_DB(e));
    EXPECT_EQ(sink.shown, (QStringList{QStringLiteral("There is no details for Visitor.\nPlease enter some details."),
                                       QStringLiteral("Please enter some details of visitor.")}));
    EXPECT_TRUE(rows().isEmpty());
}

TEST_F(VisitorTest, SqlInTermsAndIdsIsOnlyText) {
    SKTWindowController& w = openWithCard();
    ASSERT_TRUE(w.Add_Visitor_Record_To_DB(filledEntry()));
    VisitorEntry evil = filledEntry();
    evil.front.fields[0].value = QStringLiteral("x'); DROP TABLE Visitor_Records; --");
    ASSERT_TRUE(w.Add_Visitor_Record_To_DB(evil));
    sqlite3* conn = VisitorDatabase::open(db());
    ASSERT_NE(conn, nullptr);
    VisitorSearch s;
    s.from = QStringLiteral("2000-01-01 00:00:00");
    s.to = QStringLiteral("2100-01-01 00:00:00");
    s.terms[0] = QStringLiteral("' OR 1=1 --");
    bool ok = false;
    EXPECT_TRUE(VisitorDatabase::search(conn, s, &ok).isEmpty());
    EXPECT_TRUE(ok);
    EXPECT_FALSE(VisitorDatabase::record(conn, QStringLiteral("1 OR 1=1")).has_value());
    EXPECT_FALSE(VisitorDatabase::record(conn, QStringLiteral("99")).has_value());
    ASSERT_TRUE(VisitorDatabase::record(conn, QStringLiteral(" 2 ")).has_value());
    EXPECT_EQ(VisitorDatabase::record(conn, QStringLiteral("2"))->value("VName"), evil.front.fields[0].value);
    VisitorDatabase::close(conn);
    EXPECT_EQ(rows().size(), 2);
}

TEST_F(VisitorTest, MissingAndEmptyDatabasesAreMadeGoodBrokenOnesLeftAlone) {
    SKTWindowController& w = openWithCard();
    ASSERT_TRUE(w.Open_DB_Connection());
    EXPECT_TRUE(w.Close_DB_Connection());
    EXPECT_FALSE(w.Close_DB_Connection());
    // Missing: copied again before the open.
    ASSERT_TRUE(QFile::remove(db()));
    ASSERT_TRUE(w.Add_Visitor_Record_To_DB(filledEntry()));
    EXPECT_EQ(rows().size(), 1);
    // 0 bytes: given the table.
    writeBytes(db(), QByteArray());
    ASSERT_TRUE(w.Add_Visitor_Record_To_DB(filledEntry())) << sink.text();
    EXPECT_EQ(rows().size(), 1);
    EXPECT_EQ(sqliteRows(db(), QStringLiteral("pragma table_info(Visitor_Records)")).size(), 57);
    // Not a database: reported and untouched.
    const QByteArray junk("this is not a database, but somebody's notes\n");
    writeBytes(db(), junk);
    sink.shown.clear();
    EXPECT_FALSE(w.Add_Visitor_Record_To_DB(filledEntry()));
    EXPECT_EQ(sink.shown, QStringList{QStringLiteral("Error in database access.")});
    EXPECT_EQ(fileBytes(db()), junk);
}

TEST_F(VisitorTest, AFailedInsertIsShownAndStoresNothing) {
    SKTWindowController& w = openWithCard();
    Check_Path_And_Create_VISITOR_Files();
    ASSERT_TRUE(QFile::remove(db()));
    // The shipped table without its last column.
    QString schema = QString::fromUtf8(fileBytes(sourceDir() + QStringLiteral("/resources/Visitor_Schema.sql")));
    ASSERT_TRUE(schema.contains(QStringLiteral(",\n  Other_B TEXT")));
    schema.replace(QStringLiteral(",\n  Other_B TEXT NOT NULL DEFAULT ''"), QString());
    const ToolResult made = runTool(QStringLiteral("sqlite3"), {db()}, schema.toUtf8());
    ASSERT_EQ(made.exitCode, 0);
    EXPECT_FALSE(w.Add_Visitor_Record_To_DB(filledEntry()));
    EXPECT_EQ(sink.shown, QStringList{QStringLiteral("Error in database access.")});
    EXPECT_TRUE(rows().isEmpty());
    EXPECT_EQ(w.visitor_db, nullptr);
}

TEST_F(VisitorTest, AddToDbWaitsWhileAnotherCopyHoldsAWrite) {
    SKTWindowController& w = openWithCard();
    Check_Path_And_Create_VISITOR_Files();
    // Another copy of the application in the middle of its own insert, done
    // a moment later.
    std::promise<bool> holding;
    std::thread other([&] {
        sqlite3* conn = VisitorDatabase::open(db());
        const bool locked = conn && sqlite3_exec(conn, "BEGIN IMMEDIATE; INSERT INTO Visitor_Records (VName) "
                                                       "VALUES ('other copy')", nullptr, nullptr, nullptr) == SQLITE_OK;
        holding.set_value(locked);
        std::this_thread::sleep_for(std::chrono::milliseconds(700));
        sqlite3_exec(conn, "COMMIT", nullptr, nullptr, nullptr);
        VisitorDatabase::close(conn);
    });
    ASSERT_TRUE(holding.get_future().get());
    const bool stored = w.Add_Visitor_Record_To_DB(filledEntry());
    other.join();
    EXPECT_TRUE(stored) << sink.text();
    EXPECT_EQ(sink.shown, QStringList{QStringLiteral("Visitor Details has been saved successfully")});
    const QList<QVariantMap> r = rows();
    ASSERT_EQ(r.size(), 2);
    EXPECT_EQ(r[0].value("VName").toString(), QStringLiteral("other copy"));
    EXPECT_EQ(r[1].value("VName").toString(), QStringLiteral("F0 value"));
}

}  // namespace
}  // namespace zelk::test
