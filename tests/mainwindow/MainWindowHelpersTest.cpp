// The main window's helpers for other windows: the default photo, the camera
// folder file, the mail settings, the links, the after-export box, the series
// combos and the settings reset of a new project.
#include "MainWindowTestSupport.h"

#include "canvas/SKTGraphicView.h"
#include "dialogs/Open_Export_Log.h"
#include "foundation/Codes.h"
#include "foundation/SKTDocument.h"
#include "foundation/SKTGraphic.h"
#include "mainwindow/AppGlobals.h"
#include "mainwindow/ProductLinks.h"
#include "platform/PropertyList.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QUrl>
#include <QUrlQuery>
#include <algorithm>

namespace zelk::test {
namespace {

std::shared_ptr<SKTGraphic> graphic(GraphicKind kind, const QString& id) {
    auto g = makeGraphic(kind);
    g->control_ID = id;
    g->setBounds(QRectF(5, 5, 40, 40));
    return g;
}

bool writeText(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

TEST_F(MainWindowTest, DefaultPhotoIsPlacedOnlyWhenTheFrontHasNoPhoto) {
    SKTWindowController& w = open();
    struct Case {
        const char* name;
        QList<std::pair<GraphicKind, QString>> front;
        QList<std::pair<GraphicKind, QString>> back;
        bool placed;
    };
    const Case cases[] = {
        {"empty card", {}, {}, true},
        {"a photo of the design", {{GraphicKind::Image, ""}}, {}, false},
        {"the profile photo", {{GraphicKind::Image, Fup_Photo}}, {}, false},
        {"a text holding the photo's ID", {{GraphicKind::Text, Fup_Photo}}, {}, false},
        {"a user-added photo field only", {{GraphicKind::Image, "F_Photo1"}}, {}, true},
        {"shapes and texts only", {{GraphicKind::Shape, ""}, {GraphicKind::Text, ""}}, {}, true},
        {"a photo on the back only", {}, {{GraphicKind::Image, ""}}, true},
    };
    // The library choice of the user must neither end up in the placeholder
    // nor be lost.
    const QString library = QDir(resourceDir()).filePath("sign_sample.png");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        w.New_Project();
        for (const auto& [kind, id] : c.front)
            w.Get_Front_Controls_Array().append(graphic(kind, id));
        for (const auto& [kind, id] : c.back)
            w.Get_Back_Controls_Array().append(graphic(kind, id));
        w.setLibrary_Selected_Image(library);
        const qsizetype before = w.Get_Front_Controls_Array().size();

        EXPECT_EQ(w.Check_For_Defalut_Photo_Control(), c.placed);
        ASSERT_EQ(w.Get_Front_Controls_Array().size(), before + (c.placed ? 1 : 0));
        EXPECT_EQ(w.Library_Selected_Image(), library);
        if (c.placed) {
            const GraphicList& front = w.Get_Front_Controls_Array();
            const auto it = std::find_if(front.cbegin(), front.cend(),
                                         [](const auto& g) { return isExactlyImage(g.get()); });
            ASSERT_NE(it, front.cend());
            const SKTGraphic& photo = **it;
            EXPECT_EQ(photo.control_ID, Fup_Photo);
            EXPECT_EQ(photo._file_path, w.NO_Image_Path);
            // A second check finds it.
            EXPECT_FALSE(w.Check_For_Defalut_Photo_Control());
        }
        EXPECT_EQ(w.Get_Back_Controls_Array().size(), c.back.size());
    }

    // With the profile layout known, the photo takes its rectangle.
    w.New_Project();
    QStringList asked;
    w.controlRectFromTemplate = [&](const QString& id, const QString&) {
        asked << id;
        return QRectF(12, 30, 60, 75);
    };
    ASSERT_TRUE(w.Check_For_Defalut_Photo_Control());
    EXPECT_EQ(asked, QStringList{Fup_Photo});
    ASSERT_EQ(w.Get_Front_Controls_Array().size(), 1);
    EXPECT_EQ(w.Get_Front_Controls_Array().first()->bounds(), QRectF(12, 30, 60, 75));
}

TEST_F(MainWindowTest, CameraFolderIsRecordedAndFoundAgainWhileItExists) {
    SKTWindowController& w = open();
    const QString dataRoot = data.filePath("user");
    EXPECT_EQ(Camera_Folder_Path, QDir(dataRoot).filePath("Images_save_by_user"));

    const QString chosen = data.filePath(QStringLiteral("Kamera Bilder ÄÖ 写真"));
    ASSERT_TRUE(QDir().mkpath(chosen));
    Camera_Folder_Path = chosen;
    ASSERT_TRUE(w.Create_Camera_Path_File());
    QFile file(QDir(dataRoot).filePath("idcardcampics.txt"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), chosen.toUtf8());
    file.close();

    window.reset();
    open();
    EXPECT_EQ(Camera_Folder_Path, chosen);
    EXPECT_EQ(Camera_Capture_Image, QDir(chosen).filePath("zelk_user_save.png"));

    // A recorded folder that is gone: the default folder again.
    ASSERT_TRUE(QDir(chosen).removeRecursively());
    window.reset();
    open();
    EXPECT_EQ(Camera_Folder_Path, QDir(dataRoot).filePath("Images_save_by_user"));

    // Nothing can be written: said so, not reported as done.
    ASSERT_TRUE(QFile::remove(file.fileName()));
    ASSERT_TRUE(QDir().mkpath(file.fileName()));
    EXPECT_FALSE(window->Create_Camera_Path_File());
}

TEST_F(MainWindowTest, MailSettingsAreCopiedFromTheSettingsFile) {
    const QString path = QDir(data.filePath("user")).filePath("com.zelk.idcard.plist");
    ASSERT_TRUE(QDir().mkpath(data.filePath("user")));
    const QVariantMap full{{"SendEmailSender", "cards@example.org"}, {"SendEmailPwd", "p&ss <w>"},
                           {"SendEmailSMTP", "smtp.example.org"},    {"SendEmailPORT", "587"},
                           {"SendEnableSSL", "N"},                   {"SendEmailRecipient", "x@example.org"}};
    struct Case {
        const char* name;
        QVariant contents;      // written as a property list when valid
        QByteArray raw;         // else these bytes (null: no file)
        QStringList expected;   // sender, password, server, port, SSL
    };
    const Case cases[] = {
        {"all settings", full, {}, {"cards@example.org", "p&ss <w>", "smtp.example.org", "587", "N"}},
        {"SSL never chosen, port not text",
         QVariantMap{{"SendEmailSender", "a@b.c"}, {"SendEmailPORT", qint64(25)}},
         {},
         {"a@b.c", "", "", "", ""}},
        {"no file", {}, QByteArray(), {"", "", "", "", ""}},
        {"empty file", {}, QByteArray(""), {"", "", "", "", ""}},
        {"not a property list", {}, QByteArray("<plist><dict><key>SendEmailSender"), {"", "", "", "", ""}},
        {"an array, not a dictionary", QVariantList{"SendEmailSender", "a@b.c"}, {}, {"", "", "", "", ""}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QFile::remove(path);
        if (c.contents.isValid()) {
            ASSERT_TRUE(PropertyList::writeFile(path, c.contents));
        } else if (!c.raw.isNull()) {
            ASSERT_TRUE(writeText(path, c.raw));
        }
        // Values of an earlier reading must not survive a failed one.
        sender_email = sender_pwd = sending_server = sending_port = send_enable_ssl = "stale";
        // Read when the window comes up, and again on request.
        window.reset();
        open();
        EXPECT_EQ((QStringList{sender_email, sender_pwd, sending_server, sending_port, send_enable_ssl}), c.expected);
        sender_email = "stale";
        window->Get_Email_Details();
        EXPECT_EQ(sender_email, c.expected.first());
    }
}

TEST_F(MainWindowTest, LinksOpenOneAddressEachOnlyOnceGiven) {
    SKTWindowController& w = open();
    RecordedOpens recorded;
    struct Case {
        void (SKTWindowController::*open)() const;
        const char* scheme;
        const char* siteKey;  // the query item carrying the web site ("" none)
    };
    const Case cases[] = {
        {&SKTWindowController::Open_Google_Plus, "https", "url"},
        {&SKTWindowController::Open_FaceBook, "https", "u"},
        {&SKTWindowController::Open_Twitter, "https", "url"},
        {&SKTWindowController::Open_FB_Like, "https", "href"},
        {&SKTWindowController::Open_Website_1, "https", ""},
        {&SKTWindowController::Open_Support_Mail, "mailto", ""},
        {&SKTWindowController::Open_Reseller_Mail, "mailto", ""},
    };
    // The program has no addresses of its own: nothing opens.
    for (const Case& c : cases)
        (w.*c.open)();
    EXPECT_TRUE(recorded.urls.isEmpty());

    const ProductLinks saved = productLinks();
    productLinks() = {QStringLiteral("https://cards.test/"), QStringLiteral("help@cards.test"),
                      QStringLiteral("sales@cards.test"), {}, {}};
    for (const Case& c : cases)
        (w.*c.open)();
    const QList<QUrl> opened = recorded.urls;
    productLinks() = saved;

    ASSERT_EQ(opened.size(), std::size(cases));
    const QUrl site = opened.at(4);
    EXPECT_EQ(site, QUrl(QStringLiteral("https://cards.test/")));
    for (size_t i = 0; i < std::size(cases); ++i) {
        const QUrl& u = opened.at(qsizetype(i));
        SCOPED_TRACE(u.toString().toStdString());
        EXPECT_TRUE(u.isValid());
        EXPECT_EQ(u.scheme(), QString::fromLatin1(cases[i].scheme));
        if (*cases[i].siteKey) {
            EXPECT_EQ(QUrl(QUrlQuery(u).queryItemValue(cases[i].siteKey, QUrl::FullyDecoded)), site);
        }
    }
    // Support and reseller mail go to their addresses, with the program's
    // name in the subject.
    EXPECT_EQ(opened.at(5).path(), QStringLiteral("help@cards.test"));
    EXPECT_EQ(opened.at(6).path(), QStringLiteral("sales@cards.test"));
    for (int i : {5, 6})
        EXPECT_TRUE(QUrlQuery(opened.at(i)).queryItemValue("subject", QUrl::FullyDecoded).startsWith(w.App_Name));
}

TEST_F(MainWindowTest, AfterExportBoxOnlyAfterAWrittenFileAndTitledByWhatWasWritten) {
    SKTWindowController& w = open();
    const QString folder = data.filePath("out");
    ASSERT_TRUE(QDir().mkpath(folder));
    const QString front = QDir(folder).filePath("card_F.png");
    const QString back = QDir(folder).filePath("card_B.png");
    ASSERT_TRUE(writeText(front, "x") && writeText(back, "x"));

    RecordedOpens opened;
    struct Case {
        const char* name;
        int exported;
        QString path;
        QString backPath;
        bool shown;
        QString title;
        QStringList opened;
    };
    const Case cases[] = {
        {"nothing written", 0, front, "", false, "", {}},
        {"one file", 1, front, "", true, "Open exported file.", {front}},
        {"both sides", 1, front, back, true, "Open exported file.", {front, back}},
        {"a folder of cards", 1, folder, "", true, "Open containing folder.", {folder}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        opened.urls.clear();
        check_any_card_exported = c.exported;
        Export_File_Path = c.path;
        Export_Back_File_Path = c.backPath;
        Export_File_Message = QStringLiteral("Record has been exported successfully.");
        int runs = 0;
        ScopedDialogRunner runner([&](QDialog* d) {
            ++runs;
            auto* box = static_cast<Open_Export_Log*>(d);
            EXPECT_EQ(box->_open_log_chk->text(), c.title);
            EXPECT_EQ(box->_open_log_path->text(), c.path);
            EXPECT_EQ(box->_open_log_message->text(), Export_File_Message);
            box->OK_Clicked();
            return box->result();
        });
        w.Open_Export_File_Box();
        EXPECT_EQ(runs, c.shown ? 1 : 0);
        EXPECT_EQ(opened.paths(), c.opened);
    }
}

TEST_F(MainWindowTest, SeriesCombosRefillKeepingThePositionForManualAndSeriesOnly) {
    SKTWindowController& w = open();
    const QDir series(Data_Folder_Path);
    for (const char* name : {"alpha.txt", "beta.txt", "gamma.txt"})
        ASSERT_TRUE(writeText(series.filePath(name), "x"));

    QComboBox source;
    QComboBox names;
    source.addItems({"Manual", "Series", "Excel"});
    // Without the inspector's combos nothing happens.
    w.Refresh_All_Series_Combobox();
    w.Data_source_type = &source;
    w.Batch_Series = &names;

    struct Case {
        const char* name;
        int source;
        int selectedBefore;
        const char* fileAdded;  // before the refresh
        QStringList filesRemoved;
        int countAfter;
        int selectedAfter;
    };
    const Case cases[] = {
        {"series: position kept", 1, 2, "delta.txt", {}, 4, 2},
        {"manual: refilled too", 0, 1, "epsilon.txt", {}, 5, 1},
        {"Excel: left alone", 2, 0, "zeta.txt", {}, 5, 0},
        {"position past the end: none", 1, 4, nullptr, {"zeta.txt", "delta.txt", "epsilon.txt"}, 3, -1},
        {"none selected stays so", 1, -1, "delta.txt", {}, 4, -1},
    };
    names.addItems(w.Get_datasheet_File_Name_Array());
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        source.setCurrentIndex(c.source);
        if (c.fileAdded) {
            ASSERT_TRUE(writeText(series.filePath(c.fileAdded), "x"));
        }
        for (const QString& f : c.filesRemoved)
            ASSERT_TRUE(QFile::remove(series.filePath(f)));
        names.setCurrentIndex(std::min(c.selectedBefore, names.count() - 1));
        w.Refresh_All_Series_Combobox();
        EXPECT_EQ(names.count(), c.countAfter);
        EXPECT_EQ(names.currentIndex(), c.selectedAfter);
        if (c.source != 2) {
            EXPECT_EQ(names.count(), w.Get_datasheet_File_Name_Array().size());
        }
    }
    w.Data_source_type = nullptr;
    w.Batch_Series = nullptr;
}

TEST_F(MainWindowTest, NewProjectSettingResetForgetsTheProfileOnlyWhenFull) {
    SKTWindowController& w = open();
    for (bool full : {false, true}) {
        SCOPED_TRACE(full ? "full" : "partial");
        Fill_User_Profile = true;
        w.setLibrary_Selected_Image("/pictures/a.png");
        Invite_Frame_IMG = "frame.png";
        Invite_Frame_Pic_IMG = "frame_pic.png";
        w.excel_cb_value.fill(3);
        w.New_Project_Setting_Reset(full);
        EXPECT_EQ(Fill_User_Profile, !full);
        EXPECT_TRUE(w.Library_Selected_Image().isEmpty());
        EXPECT_TRUE(Invite_Frame_IMG.isEmpty());
        EXPECT_TRUE(Invite_Frame_Pic_IMG.isEmpty());
        for (int index : w.excel_cb_value)
            EXPECT_EQ(index, -1);
    }
    // A new project is a full reset.
    Fill_User_Profile = true;
    w.New_Project();
    EXPECT_FALSE(Fill_User_Profile);
}

TEST_F(MainWindowTest, FilterResultsAreOwnCopies) {
    SKTWindowController& w = open();
    QImage source(7, 3, QImage::Format_RGB888);
    source.fill(QColor(10, 200, 30));
    const QImage copy = w.NSImage_from_CIImage(source);
    ASSERT_EQ(copy.size(), source.size());
    EXPECT_EQ(copy.pixelColor(6, 2), QColor(10, 200, 30));
    source.fill(Qt::black);
    EXPECT_EQ(copy.pixelColor(0, 0), QColor(10, 200, 30));
    EXPECT_TRUE(w.NSImage_from_CIImage(QImage()).isNull());
}

}  // namespace
}  // namespace zelk::test
