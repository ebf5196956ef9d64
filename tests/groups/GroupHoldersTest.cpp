#include "../profiles/ProfileTestSupport.h"

#include "canvas/SKTGraphicView.h"
#include "foundation/SKTGraphic.h"
#include "groups/GroupMode.h"
#include "groups/GroupProjects.h"
#include "groups/GroupTable.h"
#include "groups/Group_Mode_Wizard.h"
#include "mainwindow/DesignFile.h"
#include "mainwindow/MainWindowStartSteps.h"
#include "mainwindow/StartChooserWindow.h"
#include "visitors/VisitorPanel.h"

#include <QAction>
#include <QJsonArray>
#include <QJsonDocument>
#include <QLineEdit>
#include <QTableView>
#include <QToolButton>

inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace zelk::test {
namespace {

// A two-sided group project of ten holders opened as the wizard opens one:
// the name on both sides, the title on the back, the number (leading
// zeros) and the company on the front.
class GroupHoldersTest : public ProfileDialogTest {
protected:
    static QStringList original(int row) {
        return {QStringLiteral("Name %1").arg(row + 1), QStringLiteral("Title %1").arg(row + 1),
                QStringLiteral("%1").arg(row + 1, 3, 10, QLatin1Char('0')),
                row == 0 ? QStringLiteral("ACME") : QStringLiteral("Firm %1").arg(row + 1)};
    }
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
        window->_graphicView->createGraphicOfClass(GraphicKind::Text, true, QRectF(10, 10, 120, 20),
                                                   QStringLiteral("F"), QStringLiteral("x"), Fup_Name);
        for (const QString& id : {Fup_Name, Fup_Title})
            window->_graphicView_BACK->createGraphicOfClass(GraphicKind::Text, true, QRectF(10, 10, 120, 20),
                                                            QStringLiteral("B"), QStringLiteral("x"), id);
        QList<QStringList> rows;
        for (int r = 0; r < 10; ++r)
            rows << original(r);
        window->Create_Excel_List_Func(
            {QStringLiteral("Name"), QStringLiteral("Title"), QStringLiteral("ID"), QStringLiteral("Company")}, rows);
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
    // title, number and company of each.
    QList<QStringList> savedRows(const QString& file = {}) const {
        const ToolResult r = runTool(
            debianPython(),
            {QStringLiteral("-c"),
             QStringLiteral("import json, plistlib, sys\nrows = plistlib.load(open(sys.argv[1], 'rb'))[12]\n"
                            "print(json.dumps([[r.get('Column%d' % c, '') for c in (1, 2, 3, 4)] for r in rows]))\n"),
             file.isEmpty() ? project : file});
        EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
        QList<QStringList> rows;
        for (const QJsonValue& row : QJsonDocument::fromJson(r.out).array()) {
            QStringList cells;
            for (const QJsonValue& cell : row.toArray())
                cells << cell.toString();
            rows << cells;
        }
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
        // Selected on the back, saved on the front: line 7 took line 2's values.
        {"issue's road", {{S::Front}, {S::Line, 2}, {S::Back}, {S::Line, 7}, {S::Front}, {S::Save}}, 7, {}},
        {"exit, save changes", {{S::Front}, {S::Line, 2}, {S::Back}, {S::Line, 7}, {S::Front}, {S::ExitYes}}, 7, {}},
        {"back edit saved from the front",
         {{S::Back}, {S::Line, 7}, {S::Type, 1, "Boss"}, {S::Front}, {S::Save}},
         7,
         {{7, {"Name 8", "Boss", "008", "Firm 8"}}}},
        // The back's name box, left as it was, does not undo the front's edit.
        {"edits on both sides",
         {{S::Line, 2}, {S::Type, 0, "Ann"}, {S::Back}, {S::Type, 1, "Chief"}, {S::SaveDetails}},
         2,
         {{2, {"Ann", "Chief", "003", "Firm 3"}}}},
        {"undo after a line change", {{S::Line, 2}, {S::Type, 0, "Ann"}, {S::Line, 7}, {S::Undo}, {S::Save}}, 7, {}},
        {"an edit left unsaved with its line", {{S::Line, 4}, {S::Type, 2, "0042"}, {S::Back}, {S::Line, 5}, {S::Line, 4}, {S::Save}},
         4,
         {}},
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
    }
}

// A project whose card holds an empty company text, as the file may have
// it, opened by each road: the list is there, and a Save As without an
// edit writes every row as it was.
TEST_F(GroupHoldersTest, EveryRoadListsTheProjectAndSavesItUnchanged) {
    struct Road {
        const char* name;
        const char* mode;  // chosen in the start chooser; "" for File > Open
    };
    for (const Road road : {Road{"Open a design", "L"}, Road{"File, Open", ""}, Road{"wizard's open project", "G"}}) {
        SCOPED_TRACE(road.name);
        makeProject();
        const DesignReadResult read = DesignFile::readDesignFile(project);
        ASSERT_TRUE(read.ok());
        for (const auto& g : read.contents->frontGraphics)
            if (g->control_ID == Fup_Company)
                g->Set_text_value(QString());
        ASSERT_TRUE(DesignFile::writeDesignFile(project, *read.contents, DesignFile::DesignMode).ok);
        window->New_Project();
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
        if (*road.mode)
            ASSERT_EQ(MainWindowStartSteps::New_Project_And_Start(*window), StartChooser::Started) << sink.text();
        else
            window->Open_Button_Clicked();
        EXPECT_EQ(::Start_Card_Option, QStringLiteral("G"));
        EXPECT_EQ(window->GroupListData.size(), 10);
        EXPECT_EQ(window->selectedGroupLine(), 0);
        EXPECT_EQ(box(0, 2)->text(), QStringLiteral("ACME"));
        nextSavePath = data.filePath(QStringLiteral("Copy.did"));
        window->Save_As_Button_Clicked();
        const QList<QStringList> rows = savedRows(nextSavePath);
        ASSERT_EQ(rows.size(), 10) << sink.text();
        for (int r = 0; r < 10; ++r)
            EXPECT_EQ(rows.at(r), original(r)) << "row " << r;
    }
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
