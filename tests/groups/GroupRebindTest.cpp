#include "../production/ExportTestSupport.h"
#include "../profiles/ProfileTestSupport.h"

#include "canvas/SKTGraphicView.h"
#include "foundation/SKTGraphic.h"
#include "foundation/Shape_Control.h"
#include "groups/GroupMode.h"
#include "groups/GroupProjects.h"
#include "dialogs/PrintInfo.h"
#include "production/Print_Wnd.h"
#include "../production/CupsServer.h"
#include "mainwindow/DesignFile.h"
#include "production/ProductionGlobals.h"
#include "groups/Update_XL_Column.h"
#include "canvas/ToolKind.h"
#include "canvas/ToolPalette.h"
#include "visitors/VisitorPanel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

namespace zelk::test {
namespace {

// A group project on the window without the wizard: three columns (name,
// title, photo), two holders, name and photo bound.
class GroupRebindTest : public ProfileDialogTest {
protected:
    void SetUp() override {
        ProfileDialogTest::SetUp();
        GroupMode::install(*window);
        ::Start_Card_Option = QStringLiteral("G");
        ::Card_Front_Or_Back = 0;
        window->Reset_Group_Mode_Excel_Col_Index();
        window->excel_cb_value[0] = 1;
        window->excel_cb_value[10] = 3;
        window->Create_Excel_List_Func({QStringLiteral("Name"), QStringLiteral("Title"), QStringLiteral("Photo")},
                                       {{QStringLiteral("Ann"), QStringLiteral("Chief"), QString()},
                                        {QStringLiteral("Bob"), QStringLiteral("Clerk"), QString()}});
        window->Update_Excel_Column_Binding(QStringLiteral("A"));
        window->visitorPanels.dynamicControlList = [this](int side) { return side == 0 ? &front : &back; };
        play = [this](QDialog* d) {
            if (d == dialog) {
                if (script)
                    script(dialog);
                return dialog->result();
            }
            return 0;
        };
    }
    void TearDown() override {
        ::Card_Front_Or_Back = 0;
        ::Start_Card_Option = QStringLiteral("L");
        ProfileDialogTest::TearDown();
    }
    std::shared_ptr<SKTGraphic> on(int side, const QString& id) {
        return (side == 0 ? window->_graphicView : window->_graphicView_BACK)->Selcect_Ctrl_With_ID(id);
    }

    Update_XL_Column* dialog = Update_XL_Column::defaultInstance();
    std::function<void(Update_XL_Column*)> script;
    QList<QStringList> front, back;
};

TEST_F(GroupRebindTest, TheDialogIsPrefilledFromTheSide) {
    window->Update_Excel_Btn_Clicked();  // played: cancelled
    EXPECT_EQ(dialog->windowTitle(), Update_XL_Column::FrontTitle);
    EXPECT_EQ(dialog->combos[0]->count(), 6);  // "None", three titles, the manual photos
    EXPECT_EQ(dialog->combos[11]->itemText(5), QStringLiteral("MBPC"));
    EXPECT_EQ(dialog->combos[0]->currentIndex(), 1);
    EXPECT_EQ(dialog->combos[1]->currentIndex(), 0);
    EXPECT_TRUE(dialog->checks[0]->isChecked());
    EXPECT_FALSE(dialog->checks[1]->isChecked());

    on(0, QStringLiteral("Fup_Name"))->ctrl_is_locked = true;
    ::Card_Front_Or_Back = 1;
    window->Update_Excel_Btn_Clicked();
    EXPECT_EQ(dialog->windowTitle(), Update_XL_Column::BackTitle);
    EXPECT_FALSE(dialog->checks[0]->isChecked());  // the name is on the front
    EXPECT_TRUE(dialog->combos[0]->isEnabled());
    ::Card_Front_Or_Back = 0;
    window->Update_Excel_Btn_Clicked();
    EXPECT_FALSE(dialog->combos[0]->isEnabled());
}

TEST_F(GroupRebindTest, ChoosingAColumnTicksAndNoneRefusesOk) {
    script = [](Update_XL_Column* d) {
        d->combos[2]->setCurrentIndex(2);
        EXPECT_TRUE(d->checks[2]->isChecked());
        d->checks[1]->setChecked(true);
        d->combos[1]->setCurrentIndex(0);
        EXPECT_TRUE(d->checks[1]->isChecked());
        d->combos[0]->setCurrentIndex(0);
        d->OKPressed();
        EXPECT_EQ(d->result(), 0);
        d->CancelPressed();
    };
    window->Update_Excel_Btn_Clicked();
    EXPECT_EQ(sink.shown, QStringList{QStringLiteral("Default column should not be 'None'.")});
    EXPECT_EQ(window->excel_cb_value[0], 1);
}

TEST_F(GroupRebindTest, ApplyingTheChoices) {
    front = {{QStringLiteral("F_field1"), QStringLiteral("typed"), QStringLiteral("Y"), QStringLiteral("2"),
              QStringLiteral("T")},
             {QStringLiteral("F_field2"), QStringLiteral("kept"), QStringLiteral("Y"), QStringLiteral("-1"),
              QStringLiteral("T")},
             {QStringLiteral("F_label3"), QStringLiteral("caption"), QStringLiteral("Y"), QStringLiteral("-1"),
              QStringLiteral("T")}};
    script = [](Update_XL_Column* d) {
        ASSERT_EQ(d->view_array_value.size(), 2);  // labels get no row
        EXPECT_EQ(d->view_array_value.at(0).combo->currentIndex(), 2);
        d->view_array_value[0].combo->setCurrentIndex(0);
        d->view_array_value[1].combo->setCurrentIndex(1);
        d->view_array_value[1].check->setChecked(false);
        d->combos[0]->setCurrentIndex(2);   // the title becomes the name column
        d->checks[2]->setChecked(true);     // company: no column, shown
        d->combos[10]->setCurrentIndex(0);  // front photo: unbound
        d->OKPressed();
    };
    window->Update_Excel_Btn_Clicked();
    EXPECT_EQ(front.at(0).mid(1, 3), (QStringList{QStringLiteral("typed"), QStringLiteral("Y"), QStringLiteral("-1")}));
    EXPECT_EQ(front.at(1).mid(1, 3), (QStringList{QStringLiteral("Ann"), QStringLiteral("N"), QStringLiteral("1")}));
    EXPECT_EQ(window->excel_cb_value[0], 2);
    EXPECT_EQ(window->GroupListData.value(1).value(QStringLiteral("BatchList")).toString(), QStringLiteral("2 - Clerk"));
    const auto name = on(0, QStringLiteral("Fup_Name"));
    ASSERT_TRUE(name);
    EXPECT_EQ(name->excel_col_indx, 2);
    EXPECT_EQ(window->selectedGroupLine(), 0);
    const auto company = on(0, QStringLiteral("Fup_Company"));
    ASSERT_TRUE(company);
    EXPECT_EQ(company->Text_Value, QStringLiteral("Text here"));
    EXPECT_FALSE(company->excel_binding);
    const auto photo = on(0, QStringLiteral("Fup_Photo"));
    ASSERT_TRUE(photo);
    EXPECT_FALSE(photo->excel_binding);
    EXPECT_TRUE(photo->ctrl_is_visible);

    // Company back to "None" and unticked: hidden and unbound.
    script = [](Update_XL_Column* d) {
        d->checks[2]->setChecked(false);
        d->OKPressed();
    };
    window->Update_Excel_Btn_Clicked();
    EXPECT_FALSE(on(0, QStringLiteral("Fup_Company"))->ctrl_is_visible);
}

// On a design of the user's own with a band across the top, the fields the
// dialog adds (a column chosen; none but shown) land clear of what the side
// shows.
TEST_F(GroupRebindTest, AddedFieldsLandClearOfTheUsersDesign) {
    auto band = std::make_shared<Shape_Control>(QStringLiteral("R"));
    band->setBounds(QRectF(0, 0, window->_graphicView->cardRect().width(), 40));
    window->_graphicView->mutableGraphics() << band;
    script = [](Update_XL_Column* d) {
        d->combos[2]->setCurrentIndex(2);  // company from the title column
        d->checks[3]->setChecked(true);    // slogan: no column, shown
        d->OKPressed();
    };
    window->Update_Excel_Btn_Clicked();
    const GraphicList& side = window->Get_Front_Controls_Array();
    for (const QString& id : {QStringLiteral("Fup_Company"), QStringLiteral("Fup_CompanySlogan")}) {
        SCOPED_TRACE(id.toStdString());
        const auto f = on(0, id);
        ASSERT_TRUE(f);
        EXPECT_TRUE(f->ctrl_is_visible);
        for (const auto& g : side) {
            if (g != f && g->ctrl_is_visible) {
                EXPECT_FALSE(f->drawingBounds().intersects(g->drawingBounds())) << g->control_ID.toStdString();
            }
        }
    }
}

TEST_F(GroupRebindTest, CellsAndColumnLookups) {
    struct Case {
        int row, col;
        const char* text;
    };
    const Case cases[] = {{0, 1, "Ann"}, {1, 2, "Clerk"}, {0, -1, "Text here"}, {0, 6, "Text here"},
                          {5, 1, "Text here"}, {0, 3, ""}};
    for (const Case& c : cases)
        EXPECT_EQ(window->Get_Excel_Table_Item_Text(c.row, c.col), QString::fromUtf8(c.text)) << c.row << "," << c.col;
    EXPECT_EQ(window->Get_Excel_Table_Item_Text(0, 4), window->NO_Image_Path);
    EXPECT_EQ(window->Get_Excel_Coulmn_Index_According_ID(QStringLiteral("Fup_Name")), 1);
    EXPECT_EQ(window->Get_Excel_Coulmn_Index_According_ID(QStringLiteral("Fup_Title")), -1);
    EXPECT_EQ(window->Get_Excel_Coulmn_Index_According_ID(QStringLiteral("Fup_Photo")), -1);
    EXPECT_EQ(window->Get_Excel_Coulmn_Index_According_ID(QStringLiteral("Fup_lbl_Name")), -1);
    window->New_Project_Setting_Reset(false);
    EXPECT_EQ(window->excel_cb_value_f_man, -1);
    EXPECT_EQ(window->excel_cb_value[0], -1);
}


TEST_F(GroupRebindTest, AnUpdateRefreshesExistingControlsAndTheirPanelRowsOnly) {
    QStringList refreshed;
    window->visitorPanels.Visitor_and_Group_Control_Enable_Disable_On_Undo_Redo = [&](SKTGraphic& g) {
        refreshed << QStringLiteral("%1:%2").arg(::Card_Front_Or_Back).arg(g.control_ID);
    };
    window->excel_cb_value[1] = 2;  // a title column, but no title control
    window->Update_Excel_Column_Binding(QStringLiteral("U"));
    refreshed.sort();
    EXPECT_EQ(refreshed, (QStringList{QStringLiteral("0:Fup_Name"), QStringLiteral("0:Fup_Photo")}));
    EXPECT_FALSE(on(0, QStringLiteral("Fup_Title")));
    EXPECT_FALSE(on(1, QStringLiteral("Fup_Title")));
}

// User-added fields of the front, each with its row in the front panel:
// F_field1..3 texts, F_Photo1 a picture; row 0's photo cell names a PNG.
class GroupUserFieldsTest : public GroupRebindTest {
protected:
    void SetUp() override {
        GroupRebindTest::SetUp();
        picture = data.filePath(QStringLiteral("holder.png"));
        QImage(6, 6, QImage::Format_RGB32).save(picture);
        Data_From_Excel::defaultInstance()->ListData[0].insert(QStringLiteral("Column3"), picture);
        panel = zelk::visitorPanel(0);
        ASSERT_TRUE(panel);
        int y = 10;
        for (const char* id : {"F_field1", "F_field2", "F_field3"}) {
            window->_graphicView->createGraphicOfClass(GraphicKind::Text, true, QRectF(10, y, 80, 20),
                                                       QStringLiteral("F"), QStringLiteral("old"),
                                                       QString::fromLatin1(id));
            panel->Add_Value_control(QString::fromLatin1(id), QStringLiteral("old"), true);
            y += 25;
        }
        window->toolPalette()->setToolQuietly(ImageTool);
        window->Library_Selected_Image_Path = window->NO_Image_Path;
        window->_graphicView->createGraphicOfClass(GraphicKind::Image, true, QRectF(100, 10, 40, 40),
                                                   QStringLiteral("F"), window->NO_Image_Path, QStringLiteral("F_Photo1"));
        window->toolPalette()->setToolQuietly(ArrowTool);
        panel->Add_Image_control(QStringLiteral("F_Photo1"), window->NO_Image_Path, true);
        panel->Add_Value_control(QStringLiteral("F_Photo1"), window->NO_Image_Path, true);
    }
    QLineEdit* box(const QString& id) {
        return qobject_cast<QLineEdit*>(panel->Get_Dynamic_Label_Ctrl(id, QStringLiteral("T")));
    }
    QAbstractButton* check(const QString& id) {
        return qobject_cast<QAbstractButton*>(panel->Get_Dynamic_Label_Ctrl(id, QStringLiteral("C")));
    }
    static QStringList entry(const char* id, const char* visible, int column, const char* kind = "T") {
        return {QString::fromLatin1(id), QStringLiteral("old"), QString::fromLatin1(visible), QString::number(column),
                QString::fromLatin1(kind)};
    }

    QString picture;
    VisitorPanel* panel = nullptr;
};

TEST_F(GroupUserFieldsTest, EntriesBindTheirControlsAndRows) {
    front = {entry("F_field1", "Y", -1), entry("F_field2", "Y", 2), entry("F_field3", "N", 1),
             entry("F_field9", "Y", 1), entry("F_Photo1", "Y", 3, "P")};
    box(QStringLiteral("F_field1"))->setText(QStringLiteral("typed"));
    window->Update_Value_For_Dynamic_Control(QStringLiteral("A"), QString());

    struct Case {
        const char* id;
        const char* shown;  // the control's text or picture path; the row's box
        bool bound;
        int column;
        bool visible;
    };
    const Case cases[] = {
        {"F_field1", "typed", false, -1, true},  // unbound: the box as typed
        {"F_field2", "Chief", true, 2, true},
        {"F_field3", "Ann", true, 1, false},
        {"F_Photo1", "", true, 3, true},  // the picture path, below
    };
    for (const Case& c : cases) {
        const QString id = QString::fromLatin1(c.id);
        const auto g = on(0, id);
        ASSERT_TRUE(g) << c.id;
        const bool image = id.contains(QStringLiteral("_Photo"));
        const QString shown = image ? picture : QString::fromLatin1(c.shown);
        EXPECT_EQ(image ? g->_file_path : g->Text_Value, shown) << c.id;
        EXPECT_EQ(g->excel_binding, c.bound) << c.id;
        EXPECT_EQ(g->excel_col_indx, c.column) << c.id;
        EXPECT_EQ(g->ctrl_is_visible, c.visible) << c.id;
        ASSERT_TRUE(box(id) && check(id)) << c.id;
        EXPECT_EQ(box(id)->text(), shown) << c.id;
        EXPECT_EQ(check(id)->isChecked(), c.visible) << c.id;
        EXPECT_EQ(box(id)->isEnabled(), c.visible) << c.id;
    }
    EXPECT_FALSE(on(0, QStringLiteral("F_field9")));  // an update creates nothing
    EXPECT_FALSE(on(1, QStringLiteral("F_field9")));
    const QLabel* view = panel->Get_Dynamic_Photo_Ctrl(QStringLiteral("F_Photo1"));
    ASSERT_TRUE(view);
    EXPECT_FALSE(view->pixmap().isNull());

    // "S" refreshes the one control only.
    front = {entry("F_field1", "Y", 1), entry("F_field2", "N", 1)};
    window->Update_Value_For_Dynamic_Control(QStringLiteral("S"), QStringLiteral("F_field1"));
    EXPECT_EQ(on(0, QStringLiteral("F_field1"))->Text_Value, QStringLiteral("Ann"));
    EXPECT_EQ(on(0, QStringLiteral("F_field2"))->Text_Value, QStringLiteral("Chief"));
    EXPECT_TRUE(on(0, QStringLiteral("F_field2"))->ctrl_is_visible);
}

TEST_F(GroupUserFieldsTest, ColumnsComeFromTheCurrentSidesList) {
    front = {entry("F_field2", "Y", 2), entry("F_field2", "Y", 1)};
    back = {entry("F_field2", "Y", 1)};
    struct Case {
        int side;
        const char* id;
        int column;
    };
    const Case cases[] = {{0, "F_field2", 2}, {1, "F_field2", 1}, {0, "F_field1", -1}, {1, "F_Photo1", -1}};
    for (const Case& c : cases) {
        ::Card_Front_Or_Back = c.side;
        EXPECT_EQ(window->Get_Col_Index_of_Dynamic_Control(QString::fromLatin1(c.id)), c.column) << c.side << c.id;
        EXPECT_EQ(window->Get_Excel_Coulmn_Index_According_ID(QString::fromLatin1(c.id)), c.column) << c.id;
    }
    ::Card_Front_Or_Back = 0;
    front.clear();
    EXPECT_EQ(window->Get_Col_Index_of_Dynamic_Control(QStringLiteral("F_field2")), -1);
}

TEST_F(GroupUserFieldsTest, BindingTheShownControlsOfASide) {
    front = {entry("F_field1", "Y", 2), entry("F_field2", "N", 1), entry("F_field3", "Y", -1)};
    on(0, QStringLiteral("F_field2"))->Set_Ctrl_Is_Visible(false);
    const auto kept = on(0, QStringLiteral("F_field3"));
    kept->Set_Data_source_type(DataSourceType::ExcelColumn);
    kept->Set_Excel_binding(true);
    kept->Set_Excel_binding_Index(2);
    window->Update_excel_col_binding_on_panel(0);
    struct Case {
        const char* id;
        bool bound;
        int column;
    };
    const Case cases[] = {{"F_field1", true, 2},   // shown, with a column
                          {"F_field2", false, -1},  // hidden
                          {"F_field3", true, 2},    // no column: keeps its binding
                          {"Fup_Name", true, 1}};
    for (const Case& c : cases) {
        const auto g = on(0, QString::fromLatin1(c.id));
        ASSERT_TRUE(g) << c.id;
        EXPECT_EQ(g->excel_binding, c.bound) << c.id;
        EXPECT_EQ(g->excel_col_indx, c.column) << c.id;
    }
}

// The update command applies a user-field row's new column to the card and
// the panel; selecting a line shows the row's cells in the user rows.
TEST_F(GroupUserFieldsTest, RebindingAndSelectingReachTheUserFields) {
    window->Create_Dynamic_Control_List = [] {};  // keep the list the test gives
    window->visitorPanels.Create_Dynamic_Control_List = [] {};
    front = {entry("F_field1", "Y", -1), entry("F_Photo1", "Y", -1, "P")};
    script = [](Update_XL_Column* d) {
        ASSERT_EQ(d->view_array_value.size(), 2);
        d->view_array_value[0].combo->setCurrentIndex(2);
        d->view_array_value[1].combo->setCurrentIndex(3);
        d->OKPressed();
    };
    window->Update_Excel_Btn_Clicked();
    const auto field = on(0, QStringLiteral("F_field1"));
    EXPECT_TRUE(field->excel_binding);
    EXPECT_EQ(field->excel_col_indx, 2);
    EXPECT_EQ(field->Text_Value, QStringLiteral("Chief"));
    EXPECT_EQ(on(0, QStringLiteral("F_Photo1"))->excel_col_indx, 3);

    window->Mark_Group_List_New_Selection(1);
    EXPECT_EQ(box(QStringLiteral("F_field1"))->text(), QStringLiteral("Clerk"));
    EXPECT_EQ(box(QStringLiteral("F_Photo1"))->text(), QString());  // Bob has no photo
    window->Mark_Group_List_New_Selection(0);
    EXPECT_EQ(box(QStringLiteral("F_field1"))->text(), QStringLiteral("Chief"));
    EXPECT_EQ(box(QStringLiteral("F_Photo1"))->text(), picture);

    // Storing the line takes the user row's box into its new column.
    box(QStringLiteral("F_field1"))->setText(QStringLiteral("Chef"));
    window->Save_Group_Mode_List_Details_In_XL_Data_List();
    EXPECT_EQ(tableRows().at(0).value(QStringLiteral("Column2")).toString(), QStringLiteral("Chef"));
}

// The group pane's row commands over a saved project; the panel plays a
// name box whose check box the test sets.
class GroupRowsTest : public GroupRebindTest {
protected:
    void SetUp() override {
        GroupRebindTest::SetUp();
        GroupProjects::folders();
        project = GroupProjects::projectPath(QStringLiteral("All"), QStringLiteral("Rows"));
        ::Project_File_Name = project;
        window->visitorPanels.panelSlotValue = [this](int, int slot, QString* value, bool* ticked) {
            if (slot != 0)
                return false;
            *value = panelName;
            *ticked = nameTicked;
            return true;
        };
        // Selecting a line shows its row in the panel.
        window->visitorPanels.setPanelSlotValue = [this](int, int slot, const QString& value) {
            if (slot == 0)
                panelName = value;
        };
        ASSERT_EQ(window->Save_project_file(false, false, DesignFile::DesignMode), 1) << sink.text();
        sink.shown.clear();
    }
    QStringList names() const {
        QStringList list;
        for (const QVariantMap& row : tableRows())
            list << row.value(QStringLiteral("Column1")).toString();
        return list;
    }
    QStringList storedNames() const {
        QStringList list;
        const DesignReadResult read = DesignFile::readDesignFile(project);
        for (const QVariantMap& row : read.contents->excelRows)
            list << row.value(QStringLiteral("Column1")).toString();
        return list;
    }
    QString project;
    QString panelName = QStringLiteral("Ann");  // the panel shows line 0
    bool nameTicked = true;
};

TEST_F(GroupRowsTest, AddSaveAndDeleteRewriteTheProject) {
    panelName = QStringLiteral("Cid");
    window->Add_In_Excel_Details_Btn_Clicked();
    EXPECT_EQ(sink.shown, QStringList{QStringLiteral("Record added successfully.")});
    EXPECT_EQ(names(), (QStringList{QStringLiteral("Ann"), QStringLiteral("Bob"), QStringLiteral("Cid")}));
    EXPECT_EQ(tableRows().at(2).value(QStringLiteral("Extension")).toString(), QStringLiteral("3"));
    EXPECT_EQ(tableRows().at(2).value(QStringLiteral("Column2")).toString(), QString());
    EXPECT_EQ(tableRows().at(2).value(QStringLiteral("Column4")).toString(), window->NO_Image_Path);
    EXPECT_EQ(window->selectedGroupLine(), 2);
    EXPECT_EQ(storedNames(), names());

    // Saving with the name box unticked keeps the cell.
    window->Mark_Group_List_New_Selection(0);
    EXPECT_EQ(panelName, QStringLiteral("Ann"));
    panelName = QStringLiteral("Anna");
    nameTicked = false;
    window->Save_In_Excel_Details_Btn_Clicked();
    EXPECT_EQ(names().value(0), QStringLiteral("Ann"));
    nameTicked = true;
    panelName = QStringLiteral("Anna");  // the save showed the row again
    window->GP_Move_Next_Rcd = true;
    window->Save_Excel_Details_Btn_Clicked();
    EXPECT_EQ(storedNames().value(0), QStringLiteral("Anna"));
    EXPECT_EQ(window->selectedGroupLine(), 1);

    sink.answers = {MessageAnswer::Yes};
    window->Delete_In_Excel_Details_Btn_Clicked();
    EXPECT_EQ(names(), (QStringList{QStringLiteral("Anna"), QStringLiteral("Cid")}));
    EXPECT_EQ(window->selectedGroupLine(), 0);
    EXPECT_EQ(storedNames(), names());
    EXPECT_EQ(window->GroupListData.value(1).value(QStringLiteral("BatchList")).toString(), QStringLiteral("2 - Cid"));
}

TEST_F(GroupRowsTest, TheLastRowStaysAlsoWithoutANameColumn) {
    window->excel_cb_value[0] = -1;
    window->Create_Group_List_By_Excel_List();
    EXPECT_TRUE(window->GroupListData.isEmpty());
    sink.answers = {MessageAnswer::Yes};
    window->Delete_In_Excel_Details_Btn_Clicked();
    EXPECT_EQ(names(), QStringList{QStringLiteral("Bob")});
    window->Delete_In_Excel_Details_Btn_Clicked();
    EXPECT_EQ(sink.shown.last(), QStringLiteral("Unable to delete this record because project must have one record."));
    EXPECT_EQ(names(), QStringList{QStringLiteral("Bob")});
}

TEST_F(GroupRowsTest, NoSuccessAfterAFailedSaveAndNothingStoredIntoAMissingRow) {
    writeBytes(data.filePath(QStringLiteral("blocker")), "file");
    ::Project_File_Name = data.filePath(QStringLiteral("blocker/Rows.did"));
    window->Save_In_Excel_Details_Btn_Clicked();
    window->Add_In_Excel_Details_Btn_Clicked();
    sink.answers = {MessageAnswer::Yes};
    window->Delete_In_Excel_Details_Btn_Clicked();
    ASSERT_FALSE(sink.shown.isEmpty());
    for (const QString& text : sink.shown)
        EXPECT_FALSE(text.contains(QStringLiteral("successfully"))) << text.toStdString();

    Data_From_Excel::defaultInstance()->clearRows();
    window->Save_Group_Mode_List_Details_In_XL_Data_List();
    EXPECT_TRUE(tableRows().isEmpty());
}

TEST_F(GroupRowsTest, ACopiedRowLackingAManualPhotoCellGetsNoImage) {
    Data_From_Excel::defaultInstance()->ListData[0].remove(QStringLiteral("Column4"));
    Data_From_Excel::defaultInstance()->ListData[0].remove(QStringLiteral("Column2"));
    const QVariantMap copy = window->Get_Array_For_Excel_List(6, 0, 2);
    EXPECT_EQ(copy.value(QStringLiteral("Column4")).toString(), window->NO_Image_Path);
    EXPECT_EQ(copy.value(QStringLiteral("Column2")).toString(), QString());
    EXPECT_EQ(copy.value(QStringLiteral("Column1")).toString(), QStringLiteral("Ann"));
    EXPECT_EQ(copy.value(QStringLiteral("Extension")).toString(), QStringLiteral("1"));
}

// Print and Export write the selected holder into the other side for their
// copies; afterwards the design, the flags and the counts are as before.
class GroupOutputTest : public GroupRowsTest {
protected:
    void SetUp() override {
        GroupRowsTest::SetUp();
        const auto title = window->_graphicView_BACK->createGraphicOfClass(
            GraphicKind::Text, true, QRectF(10, 10, 120, 20), QStringLiteral("B"), QStringLiteral("Chief"),
            QStringLiteral("Fup_Title"));
        title->Set_Data_source_type(DataSourceType::ExcelColumn);
        title->Set_Excel_binding(true);
        title->Set_Excel_binding_Index(2);
        ::Use_Excel_Binding_Values = true;
        ::Use_Data_Sheet_Values = false;
        window->Check_Series_Or_Excel_Use_or_not();
        window->Get_total_Card_count();
        window->Mark_Group_List_New_Selection(1);
        // Typed over the selected holder's title and not saved: the run's
        // copies take the row, the design keeps what was typed.
        title->Set_text_value(QStringLiteral("Chief"));
        before = DesignFile::designFileData(window->currentDesignContents(), DesignFile::DesignMode);
        cards = ::Total_Batch_Excel_Card;
    }
    void expectDesignAsBefore() {
        EXPECT_EQ(window->_graphicView_BACK->Selcect_Ctrl_With_ID(QStringLiteral("Fup_Title"))->Text_Value,
                  QStringLiteral("Chief"));
        EXPECT_EQ(DesignFile::designFileData(window->currentDesignContents(), DesignFile::DesignMode), before);
        EXPECT_TRUE(::Use_Excel_Binding_Values);
        EXPECT_EQ(::Total_Batch_Excel_Card, cards);
    }
    QByteArray before;
    int cards = 0;
};

TEST_F(GroupOutputTest, ExportLeavesTheDesignAsItWas) {
    Player player;
    // One card without the workbook's values: the command clears the flag.
    player.setUp = [](ExportWindow& w) {
        w.Export_with_excel_chk->setChecked(false);
        w.exportOkay();
    };
    player.savePaths = {data.filePath(QStringLiteral("Card.PNG"))};
    window->Export_Button();
    EXPECT_TRUE(QFileInfo::exists(data.filePath(QStringLiteral("Card_Front.PNG"))) ||
                QFileInfo::exists(data.filePath(QStringLiteral("Card.PNG"))))
        << sink.text();
    expectDesignAsBefore();
}

// The print window over a queue of the test's own scheduler: the job is
// printed without the workbook's values, which clears the flag for the run.
class GroupPrintTest : public GroupOutputTest {
protected:
    CupsServer cups;
};

TEST_F(GroupPrintTest, PrintLeavesTheDesignAsItWas) {
    ASSERT_TRUE(cups.running()) << cups.log().toStdString();
    ASSERT_TRUE(cups.addQueue(QStringLiteral("ZelkPS"), QStringLiteral("drv:///sample.drv/generic.ppd")));
    bool printed = false;
    play = [&](QDialog* d) {
        if (auto* p = qobject_cast<Print_Wnd*>(d)) {
            p->print_with_excel_chk->setChecked(false);
            p->PrintButtonPressed();
            printed = true;
            return p->result();
        }
        return 0;
    };
    window->Print_method();
    EXPECT_TRUE(printed) << sink.text();
    ASSERT_TRUE(cups.waitForJobs()) << cups.log().toStdString();
    EXPECT_GT(QFileInfo(cups.outputOf(QStringLiteral("ZelkPS"))).size(), 0) << cups.log().toStdString();
    expectDesignAsBefore();
}

}  // namespace
}  // namespace zelk::test
