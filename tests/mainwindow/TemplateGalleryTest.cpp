// The template gallery, the user templates and the template-name dialog, in
// temporary resource and data folders.
#include "MainWindowTestSupport.h"

#include "dialogs/DialogRunner.h"
#include "foundation/AppPaths.h"
#include "inspector/face/CardFace.h"
#include "mainwindow/AppGlobals.h"
#include "mainwindow/DesignFile.h"
#include "mainwindow/Export_Template.h"
#include "mainwindow/TemplateGallery.h"
#include "mainwindow/UserTemplates.h"

#include <QDialog>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using zelk::test::ScriptedSink;

void touch(const QString& path, const QByteArray& data = "x") {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(data);
}

void writePicture(const QString& path, const char* format, QRgb colour) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QImage image(8, 6, QImage::Format_RGB32);
    image.fill(colour);
    ASSERT_TRUE(image.save(path, format));
}

class TemplateFolders : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(root.isValid());
        savedResource = Resource_Path;
        savedData = Created_Resource_Path;
        Resource_Path = root.filePath(QStringLiteral("res"));
        Created_Resource_Path = root.filePath(QStringLiteral("data"));
        Selected_Template_Path.clear();
        Sel_Template_Category = QStringLiteral("C");
        export_template_name.clear();
    }
    void TearDown() override {
        Resource_Path = savedResource;
        Created_Resource_Path = savedData;
        Selected_Template_Path.clear();
    }
    QString res(const QString& rel) const { return QDir(Resource_Path).filePath(QStringLiteral("Templates/") + rel); }
    QString user(const QString& name) const { return QDir(UserTemplates::folder()).filePath(name); }
    QStringList names(const TemplateGallery& g) const {
        QStringList out;
        for (const zelk::TemplateEntry& e : g.images)
            out << e.name;
        return out;
    }

    QTemporaryDir root;
    QString savedResource, savedData;
    ScriptedSink sink;
};

TEST_F(TemplateFolders, CategoryCodesAndFolders) {
    const struct {
        const char* code;
        const char* folder;
    } cases[] = {{"C", "Corporate"}, {"E", "Education"}, {"H", "Health"}, {"M", "Misc"}, {"P", "Press"},
                 {"T", "Transport"}, {"V", "Visitor"}, {"v", "Visitor"},  // lower case reads as upper
                 {"Z", "Corporate"}, {"", "Corporate"}, {"A", ""}};
    for (const auto& c : cases)
        EXPECT_EQ(TemplateGallery::categoryFolder(QString::fromLatin1(c.code)), QString::fromLatin1(c.folder)) << c.code;
}

TEST_F(TemplateFolders, ShippedTemplatesOfOneCategoryAndOfAll) {
    touch(res("Corporate/b.png"));
    touch(res("Corporate/b.did"));
    touch(res("Corporate/a.JPG"));
    touch(res("Corporate/notes.txt"));
    touch(res("Press/p_L.png"));
    touch(res("User/u.png"));  // never among the shipped ones

    TemplateGallery g;
    ASSERT_TRUE(g.Fill_Templates());
    EXPECT_EQ(names(g), (QStringList{"a.JPG", "b.png"}));
    EXPECT_EQ(g.images.at(1).uid, QStringLiteral("Corporate/b.png"));
    EXPECT_TRUE(g.sliderEnabled);
    EXPECT_FALSE(g.showsTitles);
    EXPECT_EQ(Selected_Template_Path, res("Corporate/a.JPG"));

    g.categorySelectionDidChange(QStringLiteral("press"));
    EXPECT_EQ(Sel_Template_Category, QStringLiteral("P"));
    EXPECT_EQ(names(g), QStringList{"p_L.png"});

    Sel_Template_Category = QStringLiteral("A");
    ASSERT_TRUE(g.Fill_Templates());
    EXPECT_EQ(names(g), (QStringList{"a.JPG", "b.png", "p_L.png"}));

    // The visitor road sees the visitor category only, whatever is chosen.
    g.setOnlyCategory(QStringLiteral("V"));
    EXPECT_FALSE(g.Fill_Templates());  // no Visitor folder: gallery left as it was
    EXPECT_EQ(g.images.size(), 3);
}

TEST_F(TemplateFolders, UserGalleryEmptyAndFilled) {
    TemplateGallery g;
    Selected_Template_Path = QStringLiteral("/old");
    EXPECT_FALSE(g.Fill_Templates_User_Defined());  // no folder yet
    EXPECT_EQ(Selected_Template_Path, QStringLiteral("/old"));

    QDir().mkpath(UserTemplates::folder());
    g.sliderEnabled = g.templateButtonsEnabled = true;
    EXPECT_TRUE(g.Fill_Templates_User_Defined());
    EXPECT_FALSE(g.sliderEnabled);
    EXPECT_FALSE(g.templateButtonsEnabled);
    EXPECT_EQ(Selected_Template_Path, QString());

    writePicture(user("One.png"), "PNG", 0xff0000ff);
    writePicture(user("Two.png"), "PNG", 0xff00ff00);
    g.sourceSelectionDidChange(1);
    EXPECT_TRUE(g.showsTitles);
    EXPECT_TRUE(g.templateButtonsEnabled);
    EXPECT_EQ(names(g), (QStringList{"One.png", "Two.png"}));
    EXPECT_TRUE(g.images.at(0).uid.startsWith(QStringLiteral("TEMP")));
    EXPECT_NE(g.images.at(0).uid, g.images.at(1).uid);
    EXPECT_EQ(Selected_Template_Path, user("One.png"));
}

TEST_F(TemplateFolders, DraggingEntries) {
    TemplateGallery g;
    for (const char* n : {"1", "2", "3", "4"})
        g.addImageWithPath(QStringLiteral("/p/%1.png").arg(n), QString::fromLatin1(n), QString());
    g.addImageWithPath(QStringLiteral("  \n"), QStringLiteral("blank"), QString());  // ignored
    const struct {
        QList<int> moved;
        int to;
        QStringList order;
    } cases[] = {
        {{0}, 4, {"2", "3", "4", "1"}},
        {{3}, 0, {"4", "1", "2", "3"}},
        {{0, 2}, 4, {"2", "4", "1", "3"}},
        {{1, 2}, 1, {"1", "2", "3", "4"}},
        {{9}, 0, {"1", "2", "3", "4"}},
    };
    for (const auto& c : cases) {
        TemplateGallery copy = g;
        copy.moveItemsAtIndexes(c.moved, c.to);
        EXPECT_EQ(names(copy), c.order) << c.to;
    }
}

TEST_F(TemplateFolders, TheSelectedEntryFollowsTheChosenTemplate) {
    TemplateGallery g;
    for (const char* n : {"1", "2", "3"})
        g.addImageWithPath(QStringLiteral("/p/%1.png").arg(n), QString::fromLatin1(n), QString());
    Selected_Template_Path.clear();
    EXPECT_EQ(g.selectedIndex(), -1);
    g.imageBrowserSelectionDidChange(2);
    EXPECT_EQ(g.selectedIndex(), 2);
    g.imageBrowserSelectionDidChange(7);  // out of range: no change
    EXPECT_EQ(g.selectedIndex(), 2);
    // A dragged entry stays the selected one at its new place.
    g.moveItemsAtIndexes({2}, 0);
    EXPECT_EQ(g.selectedIndex(), 0);
    EXPECT_EQ(g.images.at(g.selectedIndex()).path, QStringLiteral("/p/3.png"));
    // A source whose folder is missing keeps the entries but selects none.
    g.sourceSelectionDidChange(1);
    EXPECT_EQ(g.images.size(), 3);
    EXPECT_EQ(g.selectedIndex(), -1);
}

TEST_F(TemplateFolders, CopyRenameAndDeleteUserTemplates) {
    writePicture(user("Card.png"), "PNG", 0xff112233);
    touch(user("Card.did"), "design");
    // A copy whose design name is taken moves on to the next free number.
    touch(user("Card (copy 1).did"), "stray");

    const QString copy = UserTemplates::copyTemplate(user("Card.png"));
    EXPECT_EQ(copy, user("Card (copy 2).png"));
    QFile copied(user("Card (copy 2).did"));
    ASSERT_TRUE(copied.open(QIODevice::ReadOnly));
    EXPECT_EQ(copied.readAll(), QByteArray("design"));

    // Renaming to its own name changes nothing.
    EXPECT_EQ(UserTemplates::renameTemplate(user("Card.png"), QStringLiteral("Card")), user("Card.png"));
    // Renaming onto another template is refused and leaves both.
    EXPECT_EQ(UserTemplates::renameTemplate(user("Card.png"), QStringLiteral("Card (copy 2)")), QString());
    EXPECT_TRUE(QFile::exists(user("Card.png")));

    EXPECT_EQ(UserTemplates::renameTemplate(user("Card.png"), QStringLiteral("Staff")), user("Staff.png"));
    EXPECT_FALSE(QFile::exists(user("Card.png")));
    EXPECT_FALSE(QFile::exists(user("Card.did")));
    EXPECT_TRUE(QFile::exists(user("Staff.did")));

    // A JPEG preview becomes a real PNG, also when the name stays.
    writePicture(user("Photo.jpg"), "JPG", 0xff808080);
    touch(user("Photo.did"), "photo design");
    EXPECT_EQ(UserTemplates::renameTemplate(user("Photo.jpg"), QStringLiteral("Photo")), user("Photo.png"));
    QFile png(user("Photo.png"));
    ASSERT_TRUE(png.open(QIODevice::ReadOnly));
    EXPECT_TRUE(png.read(8).startsWith("\x89PNG"));
    EXPECT_FALSE(QFile::exists(user("Photo.jpg")));
    EXPECT_TRUE(QFile::exists(user("Photo.did")));

    EXPECT_TRUE(UserTemplates::deleteTemplate(user("Staff.png")));
    EXPECT_FALSE(QFile::exists(user("Staff.png")));
    EXPECT_FALSE(QFile::exists(user("Staff.did")));
    // No usable choice: nothing happens.
    EXPECT_FALSE(UserTemplates::deleteTemplate(QString()));
    EXPECT_EQ(UserTemplates::copyTemplate(user("Gone.png")), QString());
}

TEST_F(TemplateFolders, TemplateNameChecks) {
    touch(user("Taken.did"));
    const struct {
        const char* raw;
        const char* old;
        UserTemplates::NameCheck expected;
        const char* clean;
    } cases[] = {
        {"  New  ", "", UserTemplates::NameAccepted, "New"},
        {"", "", UserTemplates::NameEmpty, ""},
        {" \t\n", "", UserTemplates::NameEmpty, ""},
        {"..", "", UserTemplates::NameEmpty, ".."},
        {"Taken", "", UserTemplates::AskReplace, "Taken"},
        {"Taken", "Other", UserTemplates::NameTaken, "Taken"},
        {"Taken", "Taken", UserTemplates::NameAccepted, "Taken"},  // renaming to its own name
        {"Fresh", "Other", UserTemplates::NameAccepted, "Fresh"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.raw);
        QString clean;
        EXPECT_EQ(UserTemplates::checkTemplateName(QString::fromLatin1(c.raw), QString::fromLatin1(c.old), &clean),
                  c.expected);
        if (c.expected != UserTemplates::NameEmpty) {
            EXPECT_EQ(clean, QString::fromLatin1(c.clean));
        }
    }
    // Characters a file name may not hold never reach the path.
    QString clean;
    EXPECT_EQ(UserTemplates::checkTemplateName(QStringLiteral("a/b"), QString(), &clean), UserTemplates::NameAccepted);
    EXPECT_FALSE(clean.contains(QLatin1Char('/')));
}

TEST_F(TemplateFolders, NameDialogAsksBeforeReplacingAndStaysOpenOnNo) {
    touch(user("Taken.did"));
    Export_Template* dialog = Export_Template::defaultInstance();
    dialog->template_passed.clear();
    QStringList played;
    zelk::ScopedDialogRunner runner([&](QDialog* d) {
        auto* dlg = static_cast<Export_Template*>(d);
        dlg->setResult(-1);
        for (const char* name : {"", "Taken", "Taken"}) {
            dlg->template_name->setText(QString::fromLatin1(name));
            dlg->OKPressed();
            played << QString::number(dlg->result());
            if (dlg->result() == 1)
                break;
        }
        return dlg->result();
    });
    sink.answers = {zelk::MessageAnswer::Ok, zelk::MessageAnswer::No, zelk::MessageAnswer::Yes};
    EXPECT_EQ(dialog->Open_Wnd(QStringLiteral("Export as template")), 1);
    EXPECT_EQ(played, (QStringList{"-1", "-1", "1"}));
    EXPECT_EQ(sink.shown, (QStringList{UserTemplates::EnterNameMessage, UserTemplates::ReplaceQuestion,
                                       UserTemplates::ReplaceQuestion}));
    EXPECT_EQ(export_template_name, QStringLiteral("Taken"));

    // Renaming onto a taken name: a message, no question.
    sink.shown.clear();
    dialog->template_passed = QStringLiteral("Mine");
    zelk::ScopedDialogRunner rename([&](QDialog* d) {
        auto* dlg = static_cast<Export_Template*>(d);
        dlg->setResult(-1);
        dlg->template_name->setText(QStringLiteral("Taken"));
        dlg->OKPressed();
        if (dlg->result() != 1)
            dlg->CancelPressed();
        return dlg->result();
    });
    EXPECT_EQ(dialog->Open_Wnd(UserTemplates::RenameTitle), 0);
    EXPECT_EQ(sink.shown, QStringList{UserTemplates::ExistsMessage});
    EXPECT_TRUE(dialog->template_name->text().isEmpty());
    dialog->template_passed.clear();
}

}  // namespace

namespace {

class ExportAsTemplate : public TemplateFolders {};

TEST_F(ExportAsTemplate, WritesATemplateTheUserGalleryShowsAndThatOpens) {
    CardFace::install();
    zelk::DesignContents design;
    design.Start_Card_Option = QStringLiteral("L");
    design.Front_card_Prop.Card_Size = design.Back_card_Prop.Card_Size = QSizeF(242.65, 153.07);
    auto shape = zelk::makeGraphic(zelk::GraphicKind::Shape);
    shape->setBounds(QRectF(0, 0, 242.65, 40));
    shape->_isDrawingFill = true;
    shape->_fillColor = QColor(20, 60, 160);
    design.frontGraphics << shape;
    design.Excel_Binding_Use = true;
    design.excelColumnTitles = {QStringLiteral("Extension"), QStringLiteral("Name")};
    design.excelRows = {QVariantMap{{QStringLiteral("Extension"), QStringLiteral("1")},
                                    {QStringLiteral("Column1"), QStringLiteral("Ann")}}};

    zelk::ScopedDialogRunner runner([](QDialog* d) {
        auto* dlg = static_cast<Export_Template*>(d);
        EXPECT_EQ(dlg->windowTitle(), Export_Template::ExportTitle);
        dlg->template_name->setText(QStringLiteral("  Blue Staff "));
        dlg->OKPressed();
        return dlg->result();
    });
    ASSERT_EQ(Export_Template::Export_As_Template_Clicked(design), 1) << sink.text();

    const zelk::DesignReadResult read = DesignFile::readDesignFile(user("Blue Staff.did"));
    ASSERT_TRUE(read.ok()) << read.detail.toStdString();
    EXPECT_EQ(read.contents->Start_Card_Option, QStringLiteral("T"));
    // A template carries no workbook rows.
    EXPECT_TRUE(read.contents->excelRows.isEmpty());
    const QImage preview(user("Blue Staff.png"));
    ASSERT_FALSE(preview.isNull());
    EXPECT_EQ(preview.size(), QSize(486, 307));  // 85.6 x 54 mm at 144 dpi
    EXPECT_EQ(QColor(preview.pixel(240, 20)), QColor(20, 60, 160));

    TemplateGallery g;
    ASSERT_TRUE(g.Fill_Templates_User_Defined());
    EXPECT_EQ(names(g), QStringList{QStringLiteral("Blue Staff.png")});

    // Cancelling the name writes nothing.
    zelk::ScopedDialogRunner cancel([](QDialog* d) {
        static_cast<Export_Template*>(d)->CancelPressed();
        return d->result();
    });
    EXPECT_EQ(Export_Template::Export_As_Template_Clicked(design), 0);
    EXPECT_EQ(QDir(UserTemplates::folder()).entryList(QDir::Files).size(), 2);
}

}  // namespace
