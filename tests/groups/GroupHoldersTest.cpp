#include "../profiles/ProfileTestSupport.h"
#include "PdfWords.h"

#include "canvas/SKTGraphicView.h"
#include "foundation/SKTGraphic.h"
#include "dialogs/Open_Export_Log.h"
#include "groups/GroupMode.h"
#include "inspector/face/CardFace.h"
#include "groups/GroupProjects.h"
#include "groups/GroupTable.h"
#include "groups/Group_Mode_Wizard.h"
#include "mainwindow/DesignFile.h"
#include "mainwindow/MainWindowStartSteps.h"
#include "mainwindow/AppGlobals.h"
#include "mainwindow/StartChooserWindow.h"
#include "production/ExportWindow.h"
#include "visitors/VisitorPanel.h"

#include <QAction>
#include <QButtonGroup>
#include <QComboBox>
#include <QLabel>
#include <QDir>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>
#include <QTableView>
#include <QTest>
#include <QToolButton>

inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace zelk::test {
namespace {

// A two-sided group project of ten holders opened as the wizard opens one:
// the name on both sides, the title on the back, the number (leading
// zeros), the company and the photo (a path beside the workbook) on the
// front.
class GroupHoldersTest : public ProfileDialogTest {
protected:
    static QStringList original(int row) {
        return {QStringLiteral("Name %1").arg(row + 1), QStringLiteral("Title %1").arg(row + 1),
                QStringLiteral("%1").arg(row + 1, 3, 10, QLatin1Char('0')),
                row == 0 ? QStringLiteral("ACME") : QStringLiteral("Firm %1").arg(row + 1),
                QStringLiteral("photos/p%1.png").arg(row + 1)};
    }
    static QString backPhoto(int row) { return QStringLiteral("photos/b%1.png").arg(row + 1); }
    void makeProject() {
        window.reset();
        open();
        GroupMode::install(*window);
        Data_From_Excel::defaultInstance()->clearRows();
        Data_From_Excel::defaultInstance()->removeDataColumns();
        ::Start_Card_Option = QStringLiteral("G");
        ::CARD_SIDE_STR = QStringLiteral("2");
        ::Card_Front_Or_Back = 0;
        window->Reset_Group_Mode_Excel_Col_Index();
        window->excel_cb_value[0] = 1;
        window->excel_cb_value[1] = 2;
        window->excel_cb_value[9] = 3;
        window->excel_cb_value[2] = 4;
        window->excel_cb_value[10] = 5;
        QDir().mkpath(data.filePath(QStringLiteral("photos")));
        // Front photos red, back photos (a column no side binds yet) blue.
        for (int r = 0; r < 10; ++r)
            for (const auto& [path, colour] : {std::pair(original(r).at(4), Qt::red), std::pair(backPhoto(r), Qt::blue)}) {
                QImage picture(8, 8, QImage::Format_RGB32);
                picture.fill(colour);
                picture.save(data.filePath(path));
            }
        ::Excel_Source_Path = data.filePath(QStringLiteral("staff.xlsx"));
        window->_graphicView->createGraphicOfClass(GraphicKind::Text, true, QRectF(10, 10, 120, 20),
                                                   QStringLiteral("F"), QStringLiteral("x"), Fup_Name);
        for (const QString& id : {Fup_Name, Fup_Title})
            window->_graphicView_BACK->createGraphicOfClass(GraphicKind::Text, true, QRectF(10, 10, 120, 20),
                                                            QStringLiteral("B"), QStringLiteral("x"), id);
        QList<QStringList> rows;
        for (int r = 0; r < 10; ++r)
            rows << (original(r) << backPhoto(r));
        window->Create_Excel_List_Func(
            {QStringLiteral("Name"), QStringLiteral("Title"), QStringLiteral("ID"), QStringLiteral("Company"),
             QStringLiteral("Photo"), QStringLiteral("Back photo")},
            rows);
        window->Update_Excel_Column_Binding(QStringLiteral("A"));
        GroupProjects::folders();
        project = GroupProjects::projectPath(QStringLiteral("All"), QStringLiteral("Pair"));
        ::Project_File_Name = project;
        ASSERT_EQ(window->Save_project_file(false, false, DesignFile::DesignMode), 1) << sink.text();
        window->New_Project();
        ASSERT_EQ(window->Read_and_load_design_Log_NEW_METHOD(project, DesignFile::TemplateMode, true), 1);
        ::Start_Card_Option = QStringLiteral("G");
        ::Project_File_Name = project;
        window->Load_Group_Mode_After_log_reading();
        window->markDesignSaved();
        sink.shown.clear();
    }
    // The rows of a saved file as Python's plistlib reads them: name,
    // title, number, company and photo of each.
    QList<QStringList> savedRows(const QString& file = {}) const {
        const ToolResult r = runTool(
            debianPython(),
            {QStringLiteral("-c"),
             QStringLiteral("import plistlib, sys\nfor r in plistlib.load(open(sys.argv[1], 'rb'))[12]:\n"
                            "    print('\\t'.join(r.get('Column%d' % c, '') for c in range(1, 6)))\n"),
             file.isEmpty() ? project : file});
        EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
        QList<QStringList> rows;
        for (const QString& line : QString::fromUtf8(r.out).split(u'\n', Qt::SkipEmptyParts))
            rows << line.split(u'\t');
        return rows;
    }
    QString shown(int side, const QString& id) const {
        const auto g = (side == 0 ? window->_graphicView : window->_graphicView_BACK)->Selcect_Ctrl_With_ID(id);
        return g ? g->Text_Value : QStringLiteral("<none>");
    }
    static QLineEdit* box(int side, int slot) { return visitorPanel(side)->fixedSlots[size_t(slot)].value; }

    QString project;
};

struct Step {
    enum Kind { Front, Back, Line, Type, Save, SaveDetails, ExitYes, Undo } kind;
    int n = 0;               // the line (from 0) or the slot typed into
    const char* text = "";  // what is typed
};

// Side switches, line selections, typing into the shown side's panel and
// each way of saving: the file holds exactly what was typed into each row,
// and both sides, cards and panels, show the selected holder.
TEST_F(GroupHoldersTest, TheSavedRowIsTheSelectedHoldersOnBothSides) {
    using S = Step;
    struct Case {
        const char* road;
        QList<Step> steps;
        int line;                         // selected at the end
        QMap<int, QStringList> changed;  // rows whose cells differ from the start
    };
    const Case cases[] = {
        // Selected on the back, saved on the front: line 7 once took line 2's values.
        {"selected on the back, saved on the front",
         {{S::Front}, {S::Line, 2}, {S::Back}, {S::Line, 7}, {S::Front}, {S::Save}},
         7,
         {}},
        {"exit, save changes", {{S::Front}, {S::Line, 2}, {S::Back}, {S::Line, 7}, {S::Front}, {S::ExitYes}}, 7, {}},
        {"back edit saved from the front",
         {{S::Back}, {S::Line, 7}, {S::Type, 1, "Boss"}, {S::Front}, {S::Save}},
         7,
         {{7, {"Name 8", "Boss", "008", "Firm 8", "photos/p8.png"}}}},
        // The back's name box, left as it was, does not undo the front's edit.
        {"edits on both sides",
         {{S::Line, 2}, {S::Type, 0, "Ann"}, {S::Back}, {S::Type, 1, "Chief"}, {S::SaveDetails}},
         2,
         {{2, {"Ann", "Chief", "003", "Firm 3", "photos/p3.png"}}}},
        {"undo after a line change", {{S::Line, 2}, {S::Type, 0, "Ann"}, {S::Line, 7}, {S::Undo}, {S::Save}}, 7, {}},
        // Both sides edited the name: the side shown at the save wins.
        {"one column edited on both sides, saved on the back",
         {{S::Line, 2}, {S::Type, 0, "Ann"}, {S::Back}, {S::Type, 0, "Bo"}, {S::SaveDetails}},
         2,
         {{2, {"Bo", "Title 3", "003", "Firm 3", "photos/p3.png"}}}},
        {"one column edited on both sides, saved on the front",
         {{S::Line, 2}, {S::Back}, {S::Type, 0, "Bo"}, {S::Front}, {S::Type, 0, "Ann"}, {S::SaveDetails}},
         2,
         {{2, {"Ann", "Title 3", "003", "Firm 3", "photos/p3.png"}}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.road);
        makeProject();
        for (const Step& s : c.steps) {
            switch (s.kind) {
            case S::Front:
                window->front_side_btn->click();
                break;
            case S::Back:
                window->back_side_btn->click();
                break;
            case S::Line:
                window->groupListView()->selectRow(s.n);
                break;
            case S::Type: {
                QLineEdit* typed = box(::Card_Front_Or_Back, s.n);
                typed->setText(QString::fromUtf8(s.text));
                emit typed->textEdited(typed->text());
                break;
            }
            case S::Save:
                window->actionNamed(QStringLiteral("Save_Button"))->trigger();
                break;
            case S::SaveDetails:
                window->Save_In_Excel_Details_Btn_Clicked();
                break;
            case S::ExitYes:
                sink.answers = {MessageAnswer::Yes, MessageAnswer::No};
                window->Exit_Button_Clicked();
                EXPECT_TRUE(sink.shown.contains(QStringLiteral("Do you want to save changes before closing?")));
                break;
            case S::Undo:
                window->actionNamed(QStringLiteral("Undo_Button"))->trigger();
                break;
            }
        }
        const QList<QStringList> rows = savedRows();
        ASSERT_EQ(rows.size(), 10);
        for (int r = 0; r < 10; ++r)
            EXPECT_EQ(rows.at(r), c.changed.value(r, original(r))) << "row " << r;
        const QStringList holder = rows.at(c.line);
        EXPECT_EQ(window->selectedGroupLine(), c.line);
        EXPECT_EQ(shown(0, Fup_Name), holder.at(0));
        EXPECT_EQ(shown(0, Fup_UniqueNo), holder.at(2));
        EXPECT_EQ(shown(1, Fup_Name), holder.at(0));
        EXPECT_EQ(shown(1, Fup_Title), holder.at(1));
        EXPECT_EQ(box(0, 0)->text(), holder.at(0));
        EXPECT_EQ(box(1, 0)->text(), holder.at(0));
        EXPECT_EQ(box(1, 1)->text(), holder.at(1));
        const auto photo = window->_graphicView->Selcect_Ctrl_With_ID(Fup_Photo);
        ASSERT_TRUE(photo);
        EXPECT_EQ(photo->_file_path, data.filePath(holder.at(4)));
        EXPECT_FALSE(photo->_contents.isNull());
    }
}

// A project whose card holds an empty company text, as the file may have
// it, saved while another line than the first was selected, opened by each
// road: the list is there, the first holder on the card, nothing to undo,
// and Undo, Redo and a Save As without an edit write every row as it was.
TEST_F(GroupHoldersTest, EveryRoadListsTheProjectAndSavesItUnchanged) {
    enum From { NewDesign, Desk, Project };
    struct Road {
        const char* name;
        const char* mode;  // chosen in the start chooser; "" for File > Open
        From from;         // what is on screen before
    };
    const Road roads[] = {{"Open a design", "L", NewDesign},
                          {"File, Open", "", NewDesign},
                          {"wizard's open project", "G", NewDesign},
                          // Opened this way, one Undo once put line 8's holder under line 1.
                          {"File, Open from the visitor desk", "", Desk},
                          {"File, Open from the group project", "", Project}};
    for (const Road& road : roads) {
        SCOPED_TRACE(road.name);
        makeProject();
        window->groupListView()->selectRow(7);
        ASSERT_EQ(window->Save_project_file(false, false, DesignFile::DesignMode), 1) << sink.text();
        const DesignReadResult read = DesignFile::readDesignFile(project);
        ASSERT_TRUE(read.ok());
        for (const auto& g : read.contents->frontGraphics)
            if (g->control_ID == Fup_Company)
                g->Set_text_value(QString());
        ASSERT_TRUE(DesignFile::writeDesignFile(project, *read.contents, DesignFile::DesignMode).ok);
        if (road.from != Project)
            window->New_Project();
        else
            window->groupListView()->selectRow(0);  // as another project shows its first line
        if (road.from == Desk) {
            ::Start_Card_Option = StartMode::Visitor;
            window->Title_For_Visitor();
            window->Reset_All_Visitor_Grp_Mode_Ctrl();
            window->Show_Hide_Profile_Panel_Live_Mode(true);
        }
        sink.answers = {MessageAnswer::No};  // to saving what is on screen
        nextOpenPath = project;
        play = [&](QDialog* d) {
            if (auto* chooser = qobject_cast<StartChooserWindow*>(d))
                chooser->Start_Card_Option_Clicked(QString::fromLatin1(road.mode));
            if (auto* wizard = qobject_cast<Group_Mode_Wizard*>(d)) {
                EXPECT_EQ(wizard->Selected_GP_Project, project);
                wizard->OK_Click();
            }
            return d->result();
        };
        if (*road.mode) {
            ASSERT_EQ(MainWindowStartSteps::New_Project_And_Start(*window), StartChooser::Started) << sink.text();
        } else {
            // Setting the project up gives its list the keyboard; the canvas takes it back.
            window->show();
            window->activateWindow();
            ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
            window->Open_Button_Clicked();
            QCoreApplication::processEvents();
            EXPECT_TRUE(window->currentCanvas()->hasFocus());
        }
        EXPECT_EQ(::Start_Card_Option, QStringLiteral("G"));
        EXPECT_EQ(window->GroupListData.size(), 10);
        EXPECT_EQ(window->selectedGroupLine(), 0);
        EXPECT_EQ(box(0, 2)->text(), QStringLiteral("ACME"));
        for (SKTGraphicView* canvas : {window->_graphicView, window->_graphicView_BACK})
            EXPECT_FALSE(canvas->canUndo());
        EXPECT_FALSE(window->actionNamed(QStringLiteral("Undo_Button"))->isEnabled());
        for (const char* press : {"Undo_Button", "Redo_Button"}) {
            SCOPED_TRACE(press);
            window->actionNamed(QString::fromLatin1(press))->trigger();
            EXPECT_EQ(shown(0, Fup_Name), QStringLiteral("Name 1"));
            EXPECT_EQ(shown(1, Fup_Title), QStringLiteral("Title 1"));
            nextSavePath = data.filePath(QStringLiteral("Copy.did"));
            window->Save_As_Button_Clicked();
            const QList<QStringList> rows = savedRows(nextSavePath);
            ASSERT_EQ(rows.size(), 10) << sink.text();
            for (int r = 0; r < 10; ++r)
                EXPECT_EQ(rows.at(r), original(r)) << "row " << r;
        }
    }
}

// After an Undo the panel's ticked rows show the card again, and the rows
// left unticked keep what they held: not the texts of their hidden graphics
// (a template's "Company Slogan", "Date").
TEST_F(GroupHoldersTest, AnUndoLeavesTheUntickedRowsOfThePanelAsTheyWere) {
    makeProject();
    window->back_side_btn->click();
    for (const auto& [id, text] : {std::pair(Fup_CompanySlogan, "Company Slogan"), std::pair(Fup_Date, "Date")})
        window->_graphicView_BACK
            ->createGraphicOfClass(GraphicKind::Text, true, QRectF(10, 60, 120, 20), QStringLiteral("B"),
                                   QString::fromLatin1(text), id)
            ->Set_Ctrl_Is_Visible(false);
    window->groupListView()->selectRow(3);
    QLineEdit* name = box(1, SlotName);
    name->setText(QStringLiteral("Ann"));
    emit name->textEdited(name->text());
    VisitorPanel* panel = visitorPanel(1);
    QStringList before;
    for (const VisitorPanel::Slot& s : panel->fixedSlots)
        before << s.label->text() << s.value->text();
    window->actionNamed(QStringLiteral("Undo_Button"))->trigger();
    EXPECT_EQ(shown(1, Fup_Name), QStringLiteral("Name 4"));
    EXPECT_EQ(name->text(), QStringLiteral("Name 4"));
    for (int i = 0; i < VisitorPanel::SlotCount; ++i) {
        const VisitorPanel::Slot& s = panel->fixedSlots[size_t(i)];
        if (!s.label_chk->isChecked()) {
            EXPECT_EQ(s.label->text(), before.at(2 * i)) << "caption " << i;
        }
        if (!s.value_chk->isChecked()) {
            EXPECT_EQ(s.value->text(), before.at(2 * i + 1)) << "value " << i;
        }
    }
    EXPECT_NE(panel->date_value->text(), QStringLiteral("Date"));
}

// The copy to the other side of a two-sided ID card, a visitor design and a
// group project: the back takes copies of the front with their bindings and
// the front's card face as one undo step, is shown and exported with the
// copied texts (pdftotext) and face (pdftoppm).
TEST_F(GroupHoldersTest, CopyingTheFrontToTheBack) {
    CardFace::install();
    auto face = [](const Card_Property& p) {
        return QStringList{p.Card_fill_clr.name(QColor::HexArgb), p.Card_border_chk ? "border" : "no border",
                           p.Card_bordr_clr.name(), p.Watermark_Used ? p.Watermark_Text : "no watermark"};
    };
    int line = 0;  // one text a line, so that pdftotext reads each whole
    auto text = [&](int side, const QString& id, const QString& value) {
        const auto g = (side == 0 ? window->_graphicView : window->_graphicView_BACK)
                           ->createGraphicOfClass(GraphicKind::Text, true, QRectF(), side == 0 ? QStringLiteral("F")
                                                                                                 : QStringLiteral("B"),
                                                  value, id);
        g->Set_text_value(value);
        g->_bounds = QRectF(10, 5 + 22 * (line++ % 6), 150, 20);
    };
    struct Case {
        const char* name;
        std::function<void()> setUp;  // the front's design; the back's, if any
        MessageAnswer answer;         // to the replace question, when asked
        bool copied;
        QStringList backTexts;  // of the back's shown texts afterwards
        QColor picture = {};    // of the front's picture fill, if it has one
    };
    const Case cases[] = {
        {"ID card",
         [&] {
             open();
             ::Start_Card_Option = QStringLiteral("L");
             text(0, QString(), QStringLiteral("Acme Corp"));
             window->_graphicView->createGraphicOfClass(GraphicKind::Shape, true, QRectF(5, 5, 40, 30),
                                                        QStringLiteral("F"), QString(), QString());
         },
         MessageAnswer::No, true, {"Acme Corp"}},
        {"ID card with a picture fill",
         [&] {
             open();
             ::Start_Card_Option = QStringLiteral("L");
             text(0, QString(), QStringLiteral("Acme Corp"));
         },
         MessageAnswer::No, true, {"Acme Corp"}, QColor(Qt::black)},
        {"a back kept", [&] {
             open();
             ::Start_Card_Option = QStringLiteral("L");
             text(0, QString(), QStringLiteral("Acme Corp"));
             text(1, QString(), QStringLiteral("Old back"));
         },
         MessageAnswer::No, false, {"Old back"}},
        {"visitor design", [&] {
             open();
             ::Start_Card_Option = QStringLiteral("V");
             text(0, Fup_Name, QStringLiteral("Visitor Ann"));
             text(0, QStringLiteral("F_label1"), QStringLiteral("Badge :"));
             text(0, QStringLiteral("F_field1"), QStringLiteral("B-7"));
             text(1, QString(), QStringLiteral("Old back"));
             window->Set_Up_Panels_After_Reading();
         },
         MessageAnswer::Yes, true, {"Visitor Ann", "Badge :", "B-7"}},
        // The title's column has no control anywhere: binding it ("A") would
        // place one on the front.
        {"group project", [&] {
             makeProject();
             window->groupListView()->selectRow(4);
             window->excel_cb_value[11] = 5;  // the back's photo column, though the back has no photo
         },
         MessageAnswer::Yes, true, {"Name 5", "005", "Firm 5"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        window.reset();
        c.setUp();
        ::CARD_SIDE_STR = QStringLiteral("2");
        window->Select_front_side();
        Card_Property& frontFace = window->Front_card_Prop;
        frontFace.Card_fill_clr = QColor(200, 30, 30);
        frontFace.Card_border_chk = true;
        frontFace.Card_bordr_clr = QColor(Qt::blue);
        frontFace.Watermark_Used = true;
        frontFace.Watermark_Text = QStringLiteral("COPY");
        if (c.picture.isValid()) {
            QImage picture(60, 40, QImage::Format_RGB32);
            picture.fill(c.picture);
            frontFace.Card_fill_style = QStringLiteral("I");
            frontFace.Card_BG_Image_Path = data.filePath(QStringLiteral("fill.png"));
            ASSERT_TRUE(picture.save(frontFace.Card_BG_Image_Path));
            frontFace.Card_BG_Image = picture;
        }
        const QStringList backFace = face(window->Back_card_Prop);
        const GraphicList front = window->Get_Front_Controls_Array();
        const bool backHeld = !window->Get_Back_Controls_Array().isEmpty();
        sink.shown.clear();
        sink.answers = {c.answer};
        ASSERT_TRUE(window->copy_card_design_btn->isEnabled());
        window->copy_card_design_btn->click();
        EXPECT_EQ(sink.shown.size(), backHeld ? 1 : 0) << sink.text();
        EXPECT_FALSE(::copy_card_design);
        EXPECT_EQ(window->Get_Front_Controls_Array(), front);
        QStringList backTexts;
        for (const auto& g : window->Get_Back_Controls_Array())
            if (g->kind() == GraphicKind::Text && g->ctrl_is_visible)
                backTexts << g->Text_Value;
        backTexts.sort();
        QStringList expected = c.backTexts;
        expected.sort();
        EXPECT_EQ(backTexts, expected);
        if (!c.copied) {
            EXPECT_EQ(::Card_Front_Or_Back, 0);
            EXPECT_EQ(face(window->Back_card_Prop), backFace);
            continue;
        }
        EXPECT_EQ(::Card_Front_Or_Back, 1);
        EXPECT_EQ(face(window->Back_card_Prop), face(frontFace));
        const GraphicList& back = window->Get_Back_Controls_Array();
        ASSERT_EQ(back.size(), front.size());
        for (qsizetype i = 0; i < back.size(); ++i) {
            EXPECT_NE(back.at(i), front.at(i));
            EXPECT_EQ(back.at(i)->control_ID, front.at(i)->control_ID);
            EXPECT_EQ(back.at(i)->bounds(), front.at(i)->bounds());
            EXPECT_EQ(back.at(i)->data_source_type, front.at(i)->data_source_type);
            EXPECT_EQ(back.at(i)->excel_col_indx, front.at(i)->excel_col_indx);
        }
        if (::Start_Card_Option != QStringLiteral("L")) {
            EXPECT_EQ(box(1, 0)->text(), expected.contains("Name 5") ? "Name 5" : "Visitor Ann");
        }
        if (::Start_Card_Option == QStringLiteral("V")) {
            EXPECT_EQ(visitorPanel(1)->view_array_value.size(), 1);
        }
        if (::Start_Card_Option == QStringLiteral("G")) {
            EXPECT_EQ(window->selectedGroupLine(), 4);
            EXPECT_FALSE(window->_graphicView->Selcect_Ctrl_With_ID(Fup_Title));
        }
        const QString pdf = data.filePath(QStringLiteral("%1.pdf").arg(QString::fromLatin1(c.name)));
        ::export_card_side = QStringLiteral("B");
        window->Export_Single_File(pdf, false);
        const QString printed = QString::fromUtf8(runTool(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")}).out);
        for (const QString& t : c.backTexts)
            EXPECT_TRUE(printed.contains(t)) << printed.toStdString();
        const QString png = data.filePath(QStringLiteral("back"));
        ASSERT_EQ(runTool(QStringLiteral("pdftoppm"), {"-r", "72", "-png", "-singlefile", pdf, png}).exitCode, 0);
        const QImage backImage(png + QStringLiteral(".png"));
        EXPECT_EQ(backImage.pixelColor(backImage.width() - 10, backImage.height() - 10).name(),
                  c.picture.isValid() ? c.picture.name() : QStringLiteral("#c81e1e"));
        // Undo on the back gives back what it held, face and all.
        window->actionNamed(QStringLiteral("Undo_Button"))->trigger();
        EXPECT_EQ(window->Get_Back_Controls_Array().isEmpty(), !backHeld);
        EXPECT_EQ(face(window->Back_card_Prop), backFace);
        if (backHeld) {
            EXPECT_NE(window->Get_Back_Controls_Array().first()->control_ID, front.first()->control_ID);
        }
        // Saved with the copy, then without it: no holder's row changes, the
        // photo of a back without one included.
        if (::Start_Card_Option == QStringLiteral("G")) {
            window->actionNamed(QStringLiteral("Redo_Button"))->trigger();
            EXPECT_EQ(face(window->Back_card_Prop), face(frontFace));
            for (const char* command : {"Save_Button", "Undo_Button", "Save_Button"})
                window->actionNamed(QString::fromLatin1(command))->trigger();
            const QList<QStringList> rows = savedRows();
            for (int r = 0; r < rows.size(); ++r)
                EXPECT_EQ(rows.at(r), original(r)) << "row " << r;
        }
    }
}

// A photo copied to the other side shows the photo column of that side
// where the project has one, on screen, in the exported card (pdfimages)
// and after Undo and Redo; elsewhere it keeps the column it showed.
TEST_F(GroupHoldersTest, ACopiedPhotoShowsThePhotoColumnOfItsSide) {
    struct Case {
        const char* name;
        int backColumn;  // the back's photo column
        int bound;       // the copied photo's column
        const char* colour;
    };
    const Case cases[] = {
        {"a back photo column", 6, 6, "blue"},
        {"none", -1, 5, "red"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        makeProject();
        window->excel_cb_value[11] = c.backColumn;
        window->groupListView()->selectRow(4);
        window->Select_front_side();
        sink.answers = {MessageAnswer::Yes};
        window->copy_card_design_btn->click();
        const QString cell = window->Get_Excel_Table_Item_Text(4, c.bound);
        for (const char* command : {"", "Undo_Button", "Redo_Button"}) {
            SCOPED_TRACE(command);
            if (*command)
                window->actionNamed(QString::fromLatin1(command))->trigger();
            const auto photo = window->_graphicView_BACK->Selcect_Ctrl_With_ID(Fup_Photo);
            if (QByteArray(command) == "Undo_Button") {
                EXPECT_FALSE(photo);
                continue;
            }
            ASSERT_TRUE(photo);
            EXPECT_EQ(photo->excel_col_indx, c.bound);
            EXPECT_EQ(photo->_file_path, data.filePath(cell));
        }
        const QString pdf = data.filePath(QStringLiteral("back %1.pdf").arg(c.backColumn));
        ::export_card_side = QStringLiteral("B");
        window->Export_Single_File(pdf, false);
        const QString images = data.filePath(QStringLiteral("images"));
        QDir(images).removeRecursively();
        QDir().mkpath(images);
        ASSERT_EQ(runTool(QStringLiteral("pdfimages"), {QStringLiteral("-png"), pdf, images + QStringLiteral("/i")}).exitCode, 0);
        QStringList colours;
        for (const QFileInfo& f : QDir(images).entryInfoList(QDir::Files)) {
            const QImage picture(f.filePath());
            const QColor middle = picture.pixelColor(picture.width() / 2, picture.height() / 2);
            colours << QString::fromLatin1(middle.red() > middle.blue() ? "red" : "blue");
        }
        EXPECT_EQ(colours, QStringList{QString::fromLatin1(c.colour)});
    }
}

// The reminder after a bound photo changes names the pane's button that
// stores the row, and that button stores it.
TEST_F(GroupHoldersTest, TheReminderNamesTheButtonThatSavesTheRow) {
    makeProject();
    window->Set_Selected_Graphic(window->_graphicView->Selcect_Ctrl_With_ID(Fup_Photo));
    window->Show_Message_To_Update_Data();
    ASSERT_EQ(sink.shown.size(), 1);
    const QString named = sink.shown.first().section(u'\'', 1, 1);
    QPushButton* button = nullptr;
    for (QPushButton* b : window->group_mode_view->findChildren<QPushButton*>())
        if (b->text() == named)
            button = b;
    ASSERT_TRUE(button) << named.toStdString();
    sink.shown.clear();
    button->click();
    EXPECT_EQ(sink.shown, QStringList{QStringLiteral("Record saved successfully.")});
}

// Stepping through the list with the arrow keys: the line whose holder's
// name runs off the card is named on the status bar, on both sides, and no
// box stops the stepping; the next line, which reads right, clears it. The
// export of the project names that line in its closing message.
TEST_F(GroupHoldersTest, ALineWhoseFieldsDoNotFitIsNamedAsItShows) {
    makeProject();
    Data_From_Excel::defaultInstance()->ListData[3][QStringLiteral("Column1")] =
        QStringLiteral("Maximiliana Featherstonehaugh ").repeated(12).trimmed();
    QStatusBar* bar = window->statusBar();
    window->groupListView()->selectRow(0);
    // It runs off the card, and on the front over the number, on the back
    // over the title: every name first, then what to do; the whole message
    // on the tooltip.
    const QString lineFour = QStringLiteral(
        "Line 4: On the front: Name runs off the card; Unique No. overlaps other text or pictures. On the back: Name "
        "runs off the card; Position / Title overlaps other text or pictures. Shorten their values, or make room on "
        "the card (fewer fields, a smaller photo or a larger card).");
    for (const auto& [line, told] : {std::pair(1, QString()), std::pair(2, QString()), std::pair(3, lineFour),
                                     std::pair(4, QString()), std::pair(3, lineFour)}) {
        QTest::keyClick(window->groupListView(), line > window->selectedGroupLine() ? Qt::Key_Down : Qt::Key_Up);
        ASSERT_EQ(window->selectedGroupLine(), line);
        EXPECT_EQ(bar->currentMessage(), told) << "line " << line + 1;
    }
    EXPECT_EQ(bar->toolTip(),
              "Line 4: On the front: Name runs off the card: its letters are cut at its edge. Shorten its value, or make "
              "room on the card (fewer fields, a smaller photo or a larger card).\n\nUnique No. does not fit on the card "
              "without overlapping other text or pictures. Shorten its value, or make room on the card (fewer fields, a "
              "smaller photo or a larger card).\n\nOn the back: Name runs off the card: its letters are cut at its edge. "
              "Shorten its value, or make room on the card (fewer fields, a smaller photo or a larger card).\n\nPosition "
              "/ Title does not fit on the card without overlapping other text or pictures. Shorten its value, or make "
              "room on the card (fewer fields, a smaller photo or a larger card).");
    EXPECT_TRUE(sink.shown.isEmpty()) << sink.text();

    // Every line's front exported as PDF.
    const ScopedServices folder(changed([this](Services& s) {
        s.chooseFolder = [this](QWidget*, const QString&, const QString&) { return data.path(); };
    }));
    QString closing;
    play = [&](QDialog* d) {
        if (auto* w = qobject_cast<ExportWindow*>(d)) {
            w->fileFormatPopup->setCurrentIndex(w->fileFormatPopup->findText(QStringLiteral("PDF")));
            w->matrix_export_card_side->button(1)->click();
            w->exportOkay();
            return w->result();
        }
        if (auto* log = qobject_cast<Open_Export_Log*>(d)) {
            closing = log->_open_log_message->text();
            log->Cancel_Clicked();
        }
        return 0;
    };
    window->Export_Button();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !window->exportRunning(); }, 120000));
    // Its words as pdftotext reads them: the name's leave the card at the
    // top on line 4's card (every value of the column at the size of the
    // longest), on no other.
    for (int line = 1; line <= 10; ++line) {
        const QList<PdfWord> words =
            pdfWords(data.filePath(QStringLiteral("Zelk ID Card/Card_%1_Front.PDF").arg(line)));
        EXPECT_EQ(std::any_of(words.cbegin(), words.cend(), [](const PdfWord& w) { return w.box.top() < 0; }),
                  line == 4)
            << "line " << line;
    }
    EXPECT_EQ(closing, "Card has been exported successfully.\n\nOn the card of line 4, Name runs off the card. Select "
                       "a line in the list to see what is wrong on its card.");
    EXPECT_TRUE(sink.shown.isEmpty()) << sink.text();
}

TEST(GroupRowNumbers, AnAddedRowTakesANumberNoRowHolds) {
    struct Case {
        QStringList numbers;
        const char* next;
    };
    const Case cases[] = {
        {{}, "1"},
        {{"1", "2", "3"}, "4"},
        {{"1", "2", "4", "5", "6"}, "7"},  // row 3 deleted: the count alone gave a second 6
        {{"1", "x", " 3 "}, "4"},
        {{"7"}, "8"},
    };
    for (const Case& c : cases) {
        QList<QVariantMap> rows;
        for (const QString& n : c.numbers)
            rows << QVariantMap{{QStringLiteral("Extension"), n}};
        EXPECT_EQ(GroupTable::nextRowNumber(rows), QString::fromLatin1(c.next)) << c.numbers.join(u',').toStdString();
    }
}

}  // namespace
}  // namespace zelk::test
