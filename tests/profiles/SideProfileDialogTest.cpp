// The side profile dialog, played without a modal loop: prefill, commit
// tables, check boxes, the workbook re-browse with its backups, the lock
// rule, the preview, and the profile command that opens it.
#include "ProfileTestSupport.h"

#include "canvas/SKTGraphicView.h"
#include "canvas/ToolKind.h"
#include "canvas/ToolPalette.h"
#include "foundation/GraphicArchive.h"
#include "foundation/SKTGraphic.h"

#include <QAction>
#include <QImage>
#include <QLabel>
#include <QPushButton>

namespace zelk::test {
namespace {

class SideDialog : public ProfileDialogTest {
protected:
    Show_User_Profile* d = nullptr;
    void SetUp() override {
        ProfileDialogTest::SetUp();
        d = Show_User_Profile::defaultInstance();
    }
    std::shared_ptr<SKTGraphic> text(SKTGraphicView* canvas, const QString& value, const QString& id) {
        return canvas->createGraphicOfClass(zelk::GraphicKind::Text, true, {10, 10, 70, 20}, "F", value, id);
    }
    // Loads a workbook as the table the design is bound to.
    void bindTable(const QString& book) {
        Data_From_Excel::defaultInstance()->loadSheet(
            {{"Name", "City", "Id"}, {"Ann", "Oslo", "01"}, {"Bob", "Rome", "02"}}, {0, 1, 2}, true);
        ::Excel_Source_Path = book;
        ::Excel_Binding_Use = true;
    }
    // The profile command with the dialog played by `steps`.
    int command(const std::function<int()>& steps) {
        int code = -1;
        play = [&](QDialog* dialog) {
            if (dialog != d)
                return 0;
            code = steps();
            return code;
        };
        window->User_Profile_Button_Clicked();
        return code;
    }
    int ok() {
        d->OK_Btn_Clicked();
        return d->result();
    }
};

TEST_F(SideDialog, PrefillFromTheSidesVisibleProfileGraphics) {
    SKTGraphicView* front = window->_graphicView;
    text(front, "Hidden", Fup_Title)->Set_Ctrl_Is_Visible(false);
    text(front, "Lower", Fup_Name);
    text(front, "Upper", Fup_Name);  // on top: applied first, so the lower one's text shows
    text(front, "Caption", Fup_lbl_Name);
    auto locked = text(front, "Locked Co", Fup_Company);
    locked->ctrl_is_locked = true;
    text(front, "mine", "");  // not a profile graphic
    const int code = command([&] {
        EXPECT_EQ(d->windowTitle(), "Front Side User Profile Information");
        EXPECT_EQ(rowOf(d, SlotName).value->text(), "Lower");
        EXPECT_TRUE(rowOf(d, SlotName).value_chk->isChecked());
        EXPECT_EQ(rowOf(d, SlotName).label->text(), "Caption");
        EXPECT_TRUE(rowOf(d, SlotName).label_chk->isChecked());
        EXPECT_EQ(rowOf(d, SlotTitle).value->text(), "");
        EXPECT_FALSE(rowOf(d, SlotTitle).value_chk->isChecked());
        EXPECT_EQ(rowOf(d, SlotTitle).label->text(), "Position / Title :");  // the caption global
        EXPECT_EQ(rowOf(d, SlotCompany).value->text(), "Locked Co");
        EXPECT_FALSE(rowOf(d, SlotCompany).value->isEnabled());
        EXPECT_FALSE(rowOf(d, SlotCompany).ds_combo->isEnabled());
        // The dialog's text field of an ID: none for the photo and others.
        EXPECT_EQ(d->Get_text_box_of_ID(Fup_lbl_FaxNo), rowOf(d, SlotFax).label);
        EXPECT_EQ(d->Get_text_box_of_ID(Fup_UniqueNo), rowOf(d, SlotUnique).value);
        for (const QString& none : {Fup_Photo, QString(), QStringLiteral("F_field1"), Fup_Date})
            EXPECT_EQ(d->Get_text_box_of_ID(none), nullptr) << none.toStdString();
        return ok();
    });
    EXPECT_EQ(code, 1);
    const User_Profile_Class& f = window->Front_user_profile;
    EXPECT_EQ(f.Name(), "Lower");
    EXPECT_EQ(f.slot(SlotName).label, "Caption");
    EXPECT_EQ(f.Title(), "");
    EXPECT_EQ(f.slot(SlotTitle).label, "");  // caption box off: no caption
    EXPECT_EQ(f.Company_name(), "Locked Co");
    EXPECT_EQ(f.image(), "");
    EXPECT_EQ(f.image_USE(), 1);
    EXPECT_EQ(window->Back_user_profile.Name(), "");  // a front opening writes the front only
    // The command stamped the side: the hidden title stays hidden.
    EXPECT_EQ(front->Selcect_Ctrl_With_ID(Fup_Name)->Text_Value, "Lower");
    EXPECT_FALSE(front->Selcect_Ctrl_With_ID(Fup_Title)->ctrl_is_visible);
    EXPECT_EQ(window->toolPalette()->Selected_Control_Tool(), zelk::ArrowTool);
}

TEST_F(SideDialog, BackOpeningWritesBothProfilesAndTheBoxesDecide) {
    window->Select_back_side();
    const int code = command([&] {
        EXPECT_EQ(d->windowTitle(), "Back Side User Profile Information");
        EXPECT_EQ(d->load_side, "B");
        // Typing ticks a box; it never unticks one.
        rowOf(d, SlotName).value->setText("x");
        EXPECT_FALSE(rowOf(d, SlotName).value_chk->isChecked());  // the program's text ticks nothing
        rowOf(d, SlotName).value->textEdited("Bea");
        rowOf(d, SlotName).value->setText("Bea");
        d->controlTextDidChange(rowOf(d, SlotName).value);
        EXPECT_TRUE(rowOf(d, SlotName).value_chk->isChecked());
        d->controlTextDidChange(rowOf(d, SlotPhone).label);
        EXPECT_TRUE(rowOf(d, SlotPhone).label_chk->isChecked());
        // A value box turned off commits "" with the source fields still written.
        rowOf(d, SlotEmail).value->setText("e@x");
        rowOf(d, SlotEmail).value_chk->setChecked(false);
        d->Value_Chk_Clicked(SlotEmail);
        EXPECT_FALSE(rowOf(d, SlotEmail).value->isEnabled());
        rowOf(d, SlotEmail).value_chk->setChecked(true);
        d->Value_Chk_Clicked(SlotEmail);
        EXPECT_FALSE(rowOf(d, SlotEmail).value->isReadOnly());  // manual entry: editable again
        rowOf(d, SlotEmail).value_chk->setChecked(false);
        return ok();
    });
    EXPECT_EQ(code, 1);
    for (const User_Profile_Class* p : {&window->Front_user_profile, &window->Back_user_profile}) {
        EXPECT_EQ(p->Name(), "Bea");
        EXPECT_EQ(p->email(), "");
        EXPECT_EQ(p->slot(SlotPhone).label, "Phone No. :");
        EXPECT_EQ(p->slot(SlotName).label, "");
    }
    ASSERT_TRUE(window->_graphicView_BACK->Selcect_Ctrl_With_ID(Fup_Name));
    EXPECT_TRUE(window->Get_Front_Controls_Array().isEmpty());  // the command stamps the current side
}

TEST_F(SideDialog, ResetLeavesEveryBoxUntickedAndValidationNamesThePhotoLast) {
    command([&] {
        for (int i = 0; i < ProfileTextSlotCount; ++i) {
            rowOf(d, i).value->setText("v");
            d->controlTextDidChange(rowOf(d, i).value);
            d->controlTextDidChange(rowOf(d, i).label);
        }
        d->Reset_Btn_Clicked();
        for (int i = 0; i < ProfileTextSlotCount; ++i) {
            EXPECT_FALSE(rowOf(d, i).value_chk->isChecked()) << i;
            EXPECT_FALSE(rowOf(d, i).label_chk->isChecked()) << i;
            EXPECT_TRUE(rowOf(d, i).value->text().isEmpty());
        }
        // A slot whose state cannot be read fails; it never passes.
        QComboBox* fax = d->rows[SlotFax].ser_col_cb;
        d->rows[SlotFax].ser_col_cb = nullptr;
        EXPECT_FALSE(d->Check_Validation());
        EXPECT_EQ(d->checked_field_name, "Fax No. :");
        d->rows[SlotFax].ser_col_cb = fax;
        EXPECT_TRUE(d->Check_Validation());
        rowOf(d, SlotPhoto).ds_combo->setCurrentIndex(1);
        EXPECT_FALSE(d->camera_btn->isEnabled());
        d->OK_Btn_Clicked();
        EXPECT_EQ(sink.shown.last(), "Please select the 'Series / Excel Column' for 'Photo'");
        d->Cancel_Btn_Clicked();
        return d->result();
    });
    EXPECT_FALSE(::Fill_User_Profile);
}

TEST_F(SideDialog, ChoosingAColumnTicksTheValueBoxAndShowsTheFirstRow) {
    const QString book = workbook("a.xlsx", R"([["x"], ["y"]])");
    bindTable(book);
    command([&] {
        EXPECT_EQ(d->excel_path_field->text(), book);
        EXPECT_EQ(rowOf(d, SlotUnique).ds_combo->count(), 3);
        rowOf(d, SlotUnique).value_chk->setChecked(false);
        d->Value_Chk_Clicked(SlotUnique);
        rowOf(d, SlotUnique).ds_combo->setCurrentIndex(2);
        EXPECT_TRUE(rowOf(d, SlotUnique).value->isReadOnly());
        EXPECT_EQ(rowOf(d, SlotUnique).ser_col_cb->currentIndex(), -1);
        rowOf(d, SlotUnique).ser_col_cb->setCurrentIndex(3);
        EXPECT_EQ(rowOf(d, SlotUnique).value->text(), "01");  // leading zero kept
        EXPECT_TRUE(rowOf(d, SlotUnique).value_chk->isChecked());
        EXPECT_TRUE(rowOf(d, SlotUnique).value->isEnabled());
        // Back to manual: editable, the column list emptied, the text kept.
        rowOf(d, SlotUnique).ds_combo->setCurrentIndex(0);
        EXPECT_FALSE(rowOf(d, SlotUnique).value->isReadOnly());
        EXPECT_EQ(rowOf(d, SlotUnique).ser_col_cb->count(), 0);
        EXPECT_EQ(rowOf(d, SlotUnique).value->text(), "01");
        rowOf(d, SlotUnique).ds_combo->setCurrentIndex(2);
        rowOf(d, SlotUnique).ser_col_cb->setCurrentIndex(3);
        return ok();
    });
    const User_Profile_Class& f = window->Front_user_profile;
    EXPECT_EQ(f.unique(), "01");
    EXPECT_EQ(f.unique_xl(), 1);
    EXPECT_EQ(f.unique_xl_col_indx(), 3);
    const auto g = window->_graphicView->Selcect_Ctrl_With_ID(Fup_UniqueNo);
    ASSERT_TRUE(g);
    EXPECT_EQ(g->data_source_type, DataSourceType::ExcelColumn);
    EXPECT_EQ(g->excel_col_indx, 3);

    // Reopened, the slot shows its binding again.
    command([&] {
        EXPECT_EQ(rowOf(d, SlotUnique).ds_combo->currentIndex(), 2);
        EXPECT_EQ(rowOf(d, SlotUnique).ser_col_cb->currentIndex(), 3);
        d->Cancel_Btn_Clicked();
        return d->result();
    });
}

// Yes to a new workbook, then the open panel cancelled, then OK: nothing is
// unbound and the flag stays clear.
TEST_F(SideDialog, ARefusedOrCancelledReBrowseUnbindsNothing) {
    const QString book = workbook("old.xlsx", R"([["Name"], ["Ann"]])");
    bindTable(book);
    auto bound = text(window->_graphicView, "Ann", "");
    bound->Set_Data_source_type(DataSourceType::ExcelColumn);
    bound->Set_Excel_binding_Index(1);
    for (const MessageAnswer answer : {MessageAnswer::No, MessageAnswer::Yes}) {
        sink.answers = {answer};
        nextOpenPath.clear();
        const int code = command([&] {
            d->Browse_excel_Btn_Clicked();
            EXPECT_EQ(d->excel_path_field->text(), book);
            EXPECT_FALSE(::Browse_Excel_AGAIN);
            return ok();
        });
        EXPECT_EQ(code, 1);
        EXPECT_EQ(bound->data_source_type, DataSourceType::ExcelColumn);
        EXPECT_EQ(bound->excel_col_indx, 1);
    }
    EXPECT_EQ(imports, 0);
    EXPECT_EQ(::Excel_Source_Path, book);
}

TEST_F(SideDialog, TwoReBrowsesThenCancelOrEscBringBackTheFirstWorkbook) {
    const QString first = workbook("first.xlsx", R"([["x"], ["y"]])");
    const QString second = workbook("second.xlsx", R"([["Nom", "Ville"], ["Zoë", "Paris"], ["Åsa", "Umeå"]])");
    const QString third = workbook("third.xlsx", R"([["Code"], ["A-1"]])");
    const QString headerOnly = workbook("header.xlsx", R"([["Only", "Titles"]])");
    bindTable(first);
    const QStringList titles = tableTitles();
    const QList<QVariantMap> rows = tableRows();
    importColumns = {0, 1};
    for (const char* how : {"Cancel", "Esc", "close"}) {
        SCOPED_TRACE(how);
        command([&] {
            sink.answers = {MessageAnswer::Yes, MessageAnswer::Yes, MessageAnswer::Yes, MessageAnswer::Yes};
            nextOpenPath = second;
            d->Browse_excel_Btn_Clicked();
            EXPECT_TRUE(::Browse_Excel_AGAIN);
            EXPECT_EQ(d->excel_path_field->text(), second);
            EXPECT_EQ(::Excel_Source_Path, second);
            EXPECT_EQ(tableRows().size(), 2);
            // A second re-browse: the backups stay those of the opening.
            nextOpenPath = third;
            d->Browse_excel_Btn_Clicked();
            EXPECT_EQ(tableTitles(), (QStringList{"No.", "Code"}));
            nextOpenPath = second;
            d->Browse_excel_Btn_Clicked();
            // A header row only: the table and the path stay as they are.
            nextOpenPath = headerOnly;
            d->Browse_excel_Btn_Clicked();
            EXPECT_EQ(tableRows().first().value("Column1"), "Zoë");
            EXPECT_EQ(d->excel_path_field->text(), second);
            EXPECT_EQ(::Excel_Source_Path, second);
            if (QString(how) == "Cancel")
                d->Cancel_Btn_Clicked();
            else if (QString(how) == "Esc")
                d->reject();
            else {
                d->show();  // the close button of a shown window
                d->close();
            }
            return d->result();
        });
        EXPECT_EQ(tableTitles(), titles);
        EXPECT_EQ(tableRows(), rows);
        EXPECT_EQ(::Excel_Source_Path, first);
        EXPECT_TRUE(::Excel_Binding_Use);
        EXPECT_EQ(window->Front_user_profile.Excel_Binding(), 1);
        EXPECT_FALSE(::Browse_Excel_AGAIN);
    }
    EXPECT_TRUE(sink.shown.contains("The sheet has no rows to load."));
}

TEST_F(SideDialog, AConfirmedReBrowseResetsExcelSlotsAndTheOpenerUnbindsAfterOk) {
    const QString first = workbook("first.xlsx", R"([["x"], ["y"]])");
    const QString second = workbook("second.xlsx", R"([["A", "B", "C"], ["1", "2", "3"]])");
    bindTable(first);
    ::CARD_SIDE_STR = "2";
    SKTGraphicView* front = window->_graphicView;
    auto own = text(front, "own", "");
    own->Set_Data_source_type(DataSourceType::ExcelColumn);
    own->Set_Excel_binding_Index(2);
    auto series = text(front, "s", "");
    series->Set_Data_source_type(DataSourceType::Series);
    series->Set_Batch_List_Name("names");
    auto profileName = text(front, "Ann", Fup_Name);
    profileName->Set_Data_source_type(DataSourceType::ExcelColumn);
    profileName->Set_Excel_binding_Index(1);
    auto lockedTitle = text(front, "T", Fup_Title);
    lockedTitle->Set_Data_source_type(DataSourceType::ExcelColumn);
    lockedTitle->Set_Excel_binding_Index(2);
    lockedTitle->ctrl_is_locked = true;
    auto backBarcode = window->_graphicView_BACK->createGraphicOfClass(zelk::GraphicKind::Text, true,
                                                                       {5, 5, 70, 20}, "F", "b", "");
    backBarcode->Set_Data_source_type(DataSourceType::ExcelColumn);
    backBarcode->Set_Excel_binding_Index(1);
    backBarcode->print_object = 0;

    importColumns = {0, 1, 2};
    const int code = command([&] {
        EXPECT_EQ(rowOf(d, SlotName).ds_combo->currentIndex(), 2);
        EXPECT_EQ(rowOf(d, SlotName).ser_col_cb->currentIndex(), 1);
        sink.answers = {MessageAnswer::Yes};
        nextOpenPath = second;
        d->Browse_excel_Btn_Clicked();
        // Excel slots back to manual with no column; their text stays.
        EXPECT_EQ(rowOf(d, SlotName).ds_combo->currentIndex(), 0);
        EXPECT_EQ(rowOf(d, SlotName).ser_col_cb->count(), 0);
        EXPECT_EQ(rowOf(d, SlotName).value->text(), "Ann");
        // The locked title keeps its field disabled.
        EXPECT_FALSE(rowOf(d, SlotTitle).value->isEnabled());
        return ok();
    });
    EXPECT_EQ(code, 1);
    EXPECT_FALSE(::Browse_Excel_AGAIN);  // acted on once
    EXPECT_EQ(::Excel_Source_Path, second);
    EXPECT_EQ(own->data_source_type, DataSourceType::Manual);
    EXPECT_EQ(own->excel_col_indx, -1);
    EXPECT_EQ(series->data_source_type, DataSourceType::Series);
    EXPECT_EQ(series->batch_list_name, "names");
    EXPECT_EQ(profileName->data_source_type, DataSourceType::Manual);  // restamped from the profile
    EXPECT_EQ(backBarcode->data_source_type, DataSourceType::Manual);
}

TEST_F(SideDialog, OnTheBackANewWorkbookUnbindsTheFrontsExcelGraphics) {
    const QString first = workbook("first.xlsx", R"([["x"], ["y"]])");
    const QString second = workbook("second.xlsx", R"([["A"], ["1"]])");
    bindTable(first);
    ::CARD_SIDE_STR = "1";  // the back's path has no test of the sides
    auto frontName = text(window->_graphicView, "Ann", Fup_Name);
    frontName->Set_Data_source_type(DataSourceType::ExcelColumn);
    frontName->Set_Excel_binding_Index(1);
    auto frontSeries = text(window->_graphicView, "s", "");
    frontSeries->Set_Data_source_type(DataSourceType::Series);
    frontSeries->Set_Batch_List_Name("names");
    window->Select_back_side();
    importColumns = {0};
    const int code = command([&] {
        sink.answers = {MessageAnswer::Yes};
        nextOpenPath = second;
        d->Browse_excel_Btn_Clicked();
        return ok();
    });
    EXPECT_EQ(code, 1);
    EXPECT_EQ(frontName->data_source_type, DataSourceType::Manual);  // profile controls included
    EXPECT_EQ(frontName->excel_col_indx, -1);
    EXPECT_EQ(frontSeries->data_source_type, DataSourceType::Series);

    // Cancelled, a new workbook unbinds nothing.
    frontName->Set_Data_source_type(DataSourceType::ExcelColumn);
    frontName->Set_Excel_binding_Index(1);
    command([&] {
        sink.answers = {MessageAnswer::Yes};
        nextOpenPath = first;
        d->Browse_excel_Btn_Clicked();
        d->Cancel_Btn_Clicked();
        return d->result();
    });
    EXPECT_EQ(frontName->data_source_type, DataSourceType::ExcelColumn);
    EXPECT_EQ(::Excel_Source_Path, second);
}

TEST_F(SideDialog, AnEmptySheetAfterAFilledOneChangesNothing) {
    const QString first = workbook("first.xlsx", R"([["Name"], ["Ann"]])");
    const QString empty = workbook("empty.xlsx", R"([])");
    importColumns = {0};
    command([&] {
        nextOpenPath = first;
        d->Browse_excel_Btn_Clicked();  // no table yet: no question
        EXPECT_EQ(d->excel_path_field->text(), first);
        sink.answers = {MessageAnswer::Yes};
        nextOpenPath = empty;
        d->Browse_excel_Btn_Clicked();
        EXPECT_EQ(d->excel_path_field->text(), first);
        EXPECT_EQ(::Excel_Source_Path, first);
        EXPECT_EQ(tableRows().size(), 1);
        EXPECT_FALSE(::Browse_Excel_AGAIN);
        return ok();
    });
    EXPECT_EQ(::Excel_Source_Path, first);
    EXPECT_TRUE(::Excel_Binding_Use);
}

TEST_F(SideDialog, PreviewThenCancelLeavesTheDesignAsItWas) {
    SKTGraphicView* front = window->_graphicView;
    text(front, "Ann", Fup_Name);
    text(front, "mine", "");
    const QByteArray archive = GraphicArchive::archivedData(window->Get_Front_Controls_Array());
    const int undo = front->undoStacks().undoCount();
    window->toolPalette()->setToolQuietly(zelk::RectangleTool);
    window->setLibrary_Selected_Image("/library/pic.png");
    const QPointF cascade = window->newControlPoint().lastPoint("F");
    command([&] {
        rowOf(d, SlotName).value->setText("Changed");
        rowOf(d, SlotTitle).value->setText("New title");
        d->controlTextDidChange(rowOf(d, SlotTitle).value);
        d->Preview_Btn_Clicked();
        EXPECT_FALSE(d->Preivew_picture->pixmap().isNull());
        const auto temp = window->_graphicView_TEMP->Selcect_Ctrl_With_ID(Fup_Name);
        EXPECT_TRUE(temp && temp->Text_Value == "Changed");
        EXPECT_EQ(window->toolPalette()->Selected_Control_Tool(), zelk::RectangleTool);
        EXPECT_EQ(window->Library_Selected_Image(), "/library/pic.png");
        EXPECT_EQ(window->newControlPoint().lastPoint("F"), cascade);
        EXPECT_EQ(GraphicArchive::archivedData(window->Get_Front_Controls_Array()), archive);
        d->Cancel_Btn_Clicked();
        return d->result();
    });
    EXPECT_EQ(GraphicArchive::archivedData(window->Get_Front_Controls_Array()), archive);
    EXPECT_EQ(front->undoStacks().undoCount(), undo);
    EXPECT_EQ(window->Library_Selected_Image(), "/library/pic.png");
    EXPECT_EQ(window->newControlPoint().lastPoint("F"), cascade);
    // The preview committed into the front profile; only OK stamps it.
    EXPECT_EQ(window->Front_user_profile.Name(), "Changed");
    EXPECT_EQ(window->TEMP_user_profile.Title(), "New title");
}

TEST_F(SideDialog, TheCommandIsInTheMenuAndToolbar) {
    QAction* action = window->actionNamed("User_Profile_Button");
    ASSERT_TRUE(action);
    int opened = 0;
    play = [&](QDialog* dialog) {
        opened += dialog == d;
        return 0;
    };
    action->trigger();
    EXPECT_EQ(opened, 1);
    EXPECT_FALSE(action->associatedObjects().isEmpty());
}

}  // namespace
}  // namespace zelk::test
