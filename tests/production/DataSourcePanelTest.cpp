// The inspector's data-source panel (binding the selection, the combos, the
// View and help buttons), the group-mode list and the please-wait sheet.
#include "ProductionTestSupport.h"

#include "canvas/SKTGraphicView.h"
#include "dialogs/PleaseWait_Modeless.h"

#include <QComboBox>
#include <QLabel>
#include <QTableView>

namespace zelk::test {
namespace {

const QRectF R(10, 10, 60, 20);

std::shared_ptr<SKTGraphic> placed(GraphicKind kind, const QString& text, bool locked = false) {
    auto g = makeGraphic(kind);
    g->_bounds = R;
    g->Set_text_value(text);
    g->ctrl_is_locked = locked;
    return g;
}

TEST_F(ProductionTest, BindingTheSelection) {
    writeSeries("a", "first\nsecond\n");
    writeSeries("b", "B1\n");
    setExcelRows({{"Ann", ""}}, 2);
    const QString photo = writePhoto(data.filePath("p.png"), qRgb(1, 2, 3));
    writeSeries("pics", (photo + "\n").toUtf8());
    struct Binding {
        int type;
        QString name;
        int index, column;
        bool operator==(const Binding&) const = default;
    };
    struct Case {
        const char* name;
        GraphicList side;
        QList<int> selected;  // the first is the selected graphic
        int kind;
        QString ser_name;
        int index;
        QList<Binding> bindings;  // per graphic of the side, after
        QStringList texts;
        QString message;
    };
    auto text = [](const QString& t, bool locked = false) { return placed(GraphicKind::Text, t, locked); };
    auto image = [] { return placed(GraphicKind::Image, QString()); };
    auto barcode = [] { return placed(GraphicKind::Barcode, "0123"); };
    const Binding manual{0, "", -1, -1};
    const Case cases[] = {
        {"series item for two texts, one locked", {text("x"), text("y", true)}, {0, 1}, 1, "a", 0,
         {{1, "a", 0, -1}, manual}, {"first", "y"}, ""},
        {"kind Excel without a column keeps the text", {text("x")}, {0}, 2, "", -1, {{2, "", -1, -1}},
         {"x"}, ""},
        {"Excel column 0 shows the row number", {text("x")}, {0}, 2, "Extension", 0, {{2, "", -1, 0}}, {"1"}, ""},
        {"an empty first cell shows a space", {text("x")}, {0}, 2, "Title 2", 2, {{2, "", -1, 2}}, {" "}, ""},
        {"a text and a barcode: the text alone", {text("x"), barcode()}, {0, 1}, 1, "b", 1,
         {{1, "b", 1, -1}, manual}, {"B1", "0123"}, ""},
        {"two images selected", {image(), image()}, {0, 1}, 1, "pics", 2, {manual, manual}, {"", ""},
         "Please select only one image control to 'Select Image'."},
        {"one image, locked or not", {placed(GraphicKind::Image, "", true)}, {0}, 1, "pics", 2,
         {{1, "pics", 2, -1}}, {photo}, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        setSides(c.side);
        SKTGraphicView* canvas = w()._graphicView;
        canvas->setSelectionIndexes(c.selected);
        canvas->setSelected_Graphic(c.side.at(c.selected.first()));
        const bool couldUndo = canvas->canUndo();
        sink.shown.clear();
        w().Change_Data_Source_To_selected_Control(c.kind, c.ser_name, c.index);
        EXPECT_EQ(sink.shown, c.message.isEmpty() ? QStringList() : QStringList{c.message});
        for (int i = 0; i < c.side.size(); ++i) {
            const SKTGraphic& g = *c.side.at(i);
            EXPECT_TRUE((Binding{g.data_source_type, g.batch_list_name, g.batch_list_index, g.excel_col_indx} ==
                         c.bindings.at(i)))
                << i;
            EXPECT_EQ(g.Text_Value, c.texts.at(i)) << i;
        }
        // A value shown is an undo step.
        EXPECT_EQ(canvas->canUndo(), couldUndo || (c.index >= 0 && c.message.isEmpty()));
        canvas->resetUndoHistory();
    }
    // While the program fills the inspector, nothing is bound.
    setSides({text("x")});
    w()._graphicView->setSelectionIndexes({0});
    w()._graphicView->setSelected_Graphic(w().Get_Front_Controls_Array().first());
    Not_Draw_Only_Prop_Change = true;
    w().Change_Data_Source_To_selected_Control(1, "a", 0);
    Not_Draw_Only_Prop_Change = false;
    EXPECT_EQ(w().Get_Front_Controls_Array().first()->data_source_type, 0);
}

TEST_F(ProductionTest, Combos) {
    writeSeries("b", "1");
    writeSeries("a", "1");
    setExcelRows({}, 3);
    QComboBox kind, value;
    kind.addItems({"Manual", "Series"});
    w().Add_Excel_Col_Name_In_Combo(&kind);
    w().Add_Excel_Col_Name_In_Combo(&kind);
    EXPECT_EQ(kind.count(), 3);
    w().Remove_Excel_Col_Name_In_Combo(&kind);
    w().Remove_Excel_Col_Name_In_Combo(&kind);
    EXPECT_EQ(kind.count(), 2);
    w().Fill_Excel_Col_Name_In_Combo(&value);
    EXPECT_EQ(value.count(), 4);  // the row-number column and three titles
    w().Fill_Data_Set_File_Name_In_Combo(&value);
    EXPECT_EQ(value.count(), 2);
    EXPECT_EQ(value.currentIndex(), -1);

    // A series choice survives a refill while its series exists.
    kind.setCurrentIndex(1);
    value.setCurrentIndex(value.findText("b"));
    writeSeries("0", "1");
    w().Update_Dataset_If_Datasource_Is_Series(&kind, &value);
    EXPECT_EQ(value.count(), 3);
    EXPECT_EQ(value.currentText(), "b");
    QFile::remove(QDir(Data_Folder_Path).filePath("b.txt"));
    w().Update_Dataset_If_Datasource_Is_Series(&kind, &value);
    EXPECT_EQ(value.currentIndex(), -1);
    kind.setCurrentIndex(0);  // only a series kind refills
    writeSeries("c", "1");
    w().Update_Dataset_If_Datasource_Is_Series(&kind, &value);
    EXPECT_EQ(value.count(), 2);

    // "Excel" is announced once more, without passing "Manual" on to the owner.
    w().Add_Excel_Col_Name_In_Combo(&kind);
    kind.setCurrentIndex(2);
    QList<int> announced;
    QObject::connect(&kind, &QComboBox::currentIndexChanged, [&](int i) { announced << i; });
    w().Update_Excel_Column_If_Datasource_Is_Excel(&kind);
    EXPECT_EQ(announced, QList<int>{2});
}

TEST_F(ProductionTest, ViewAndHelpButtons) {
    QComboBox kind, value;
    kind.addItems({"Manual", "Series", "Excel"});
    value.setPlaceholderText("<--Select-->");
    w().Data_source_type = &kind;
    w().Batch_Series = &value;
    int dialogs = 0;
    ScopedDialogRunner runner([&](QDialog*) {
        ++dialogs;
        return 1;
    });
    struct Case {
        int kind;
        QString value;
        QStringList shown;
        int dialogs;
    };
    for (const Case& c : {Case{0, "", {}, 0}, Case{1, "", {"Please select the series."}, 0},
                          Case{1, "<--Select-->", {"Please select the series."}, 0},
                          Case{1, " names ", {"The series viewer is not available yet."}, 0},
                          Case{2, "", {}, 1}}) {  // the loaded table
        kind.setCurrentIndex(c.kind);
        value.clear();
        if (!c.value.isEmpty()) {
            value.addItem(c.value);
            value.setCurrentIndex(0);
        }
        sink.shown.clear();
        dialogs = 0;
        w().View_batch_Series_Button();
        EXPECT_EQ(sink.shown, c.shown) << c.kind << qPrintable(c.value);
        EXPECT_EQ(dialogs, c.dialogs);
    }
    sink.shown.clear();
    w().Data_Source_Help_Button();
    ASSERT_EQ(sink.shown.size(), 1);
    EXPECT_TRUE(sink.shown.first().startsWith("Batch Processing Settings Help :\nSelect Data Source as 'Manual'"));
    EXPECT_TRUE(sink.shown.first().endsWith("from the selected excel file."));
    w().Data_source_type = w().Batch_Series = nullptr;
}

TEST_F(ProductionTest, GroupModeList) {
    setExcelRows({{"Ann"}, {"Bob"}}, 1);
    auto name = excelBound(GraphicKind::Text, R, 1);
    name->Set_text_value("design");
    setSides({name});
    w().Check_Series_Or_Excel_Use_or_not();
    w().Set_Graphic_Array_According_Side();
    w().Create_Group_List(" 1 - Ann ");
    w().Create_Group_List("  ");
    EXPECT_EQ(w().GroupListData, (QList<QVariantMap>{{{"BatchList", "1 - Ann"}}, {{"BatchList", ""}}}));
    QAbstractItemModel* model = w().groupListView()->model();
    EXPECT_TRUE(model->setData(model->index(1, 0), "2 - Bob"));
    EXPECT_EQ(w().GroupListData.at(1).value("BatchList"), "2 - Bob");

    // Outside group mode a selection leaves the card alone.
    Start_Card_Option = StartMode::Template;
    w().Mark_Group_List_New_Selection(1);
    EXPECT_EQ(name->Text_Value, "design");

    // In group mode it fills the card and records no undo step; the next
    // edit records one again.
    Start_Card_Option = StartMode::GroupList;
    QStringList panel;
    w().Set_GP_mode_Value_From_Excel = [&](const QString& side, int row) { panel << side + QString::number(row); };
    w()._graphicView->resetUndoHistory();
    w().Mark_Group_List_New_Selection(0);
    w().Mark_Group_List_New_Selection(1);
    EXPECT_EQ(name->Text_Value, "Bob");
    EXPECT_EQ(panel, (QStringList{"F0", "F1"}));
    EXPECT_FALSE(w()._graphicView->canUndo());
    w().Insert_In_Undo_Redo();
    EXPECT_TRUE(w()._graphicView->canUndo());
    w().Mark_Group_List_New_Selection(7);  // no such row: nothing
    EXPECT_EQ(name->Text_Value, "Bob");
}

TEST_F(ProductionTest, PleaseWaitSheet) {
    w().show();
    w().Show_Create_Modeless();
    ASSERT_TRUE(w().plz_wait_Window);
    EXPECT_TRUE(w().plz_wait_Window->isSheetShown());
    EXPECT_EQ(w().modeless_msg_lbl->text(), "It may take a while, Please wait..");
    w().Hide_Destroy_Modeless();
    EXPECT_FALSE(w().plz_wait_Window->isSheetShown());
}

}  // namespace
}  // namespace zelk::test
