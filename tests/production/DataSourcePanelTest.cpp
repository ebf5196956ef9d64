// The inspector's data-source panel (binding the selection, the combos, the
// View and help buttons), the group-mode list and the please-wait sheet.
#include "ProductionTestSupport.h"

#include "barcode/Barcode_Gen.h"
#include "canvas/SKTGraphicView.h"
#include "datasource/View_Data_Series.h"
#include "dialogs/PleaseWait_Modeless.h"
#include "inspector/DataSourcePanel.h"
#include "inspector/InspectorPanels.h"
#include "mainwindow/HubBarcodeDataSource.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <numeric>

namespace zelk::test {
namespace {

std::shared_ptr<SKTGraphic> placed(GraphicKind kind, const QString& text, bool locked = false) {
    auto g = makeGraphic(kind);
    g->Set_text_value(text);
    g->ctrl_is_locked = locked;
    return g;
}
// "type name index column text"
QString state(const SKTGraphic& g) {
    return QStringLiteral("%1 %2 %3 %4 %5")
        .arg(g.data_source_type).arg(g.batch_list_name).arg(g.batch_list_index).arg(g.excel_col_indx).arg(g.Text_Value);
}

TEST_F(ProductionTest, BindingTheSelection) {
    writeSeries("a", "first\nsecond\n");
    writeSeries("b", "B1\n");
    setExcelRows({{"Ann", ""}}, 2);
    const QString photo = writePhoto(data.filePath("p.png"), qRgb(1, 2, 3));
    writeSeries("pics", (photo + "\n").toUtf8());
    auto text = [](bool locked = false) { return placed(GraphicKind::Text, "x", locked); };
    auto image = [](bool locked = false) { return placed(GraphicKind::Image, "", locked); };
    struct Case {
        GraphicList side;  // all selected, the first the selected graphic
        int kind;
        QString ser_name;
        int index;
        QStringList after;  // per graphic
        QString message;
    };
    const Case cases[] = {
        {{text(), text(true)}, 1, "a", 0, {"1 a 0 -1 first", "0  -1 -1 x"}, ""},  // locked: left alone
        {{text()}, 2, "", -1, {"2  -1 -1 x"}, ""},       // kind Excel, no column yet: text kept
        {{text()}, 2, "No.", 0, {"2  -1 0 1"}, ""},      // column 0: the row number
        {{text()}, 2, "Title 2", 2, {"2  -1 2  "}, ""},  // empty first cell: a space
        {{text(), placed(GraphicKind::Barcode, "0123")}, 1, "b", 1, {"1 b 1 -1 B1", "0  -1 -1 0123"}, ""},
        {{text()}, 0, "", -1, {"0  -1 -1 x"}, ""},
        {{image(), image()}, 1, "pics", 2, {"0  -1 -1 ", "0  -1 -1 "},
         "Please select only one image control to 'Select Image'."},
        {{image(true)}, 1, "pics", 2, {"1 pics 2 -1 " + photo}, ""},  // locked or not
    };
    SKTGraphicView* canvas = w()._graphicView;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.after.join(" | ").toStdString());
        setSides(c.side);
        QList<int> all(c.side.size());
        std::iota(all.begin(), all.end(), 0);
        canvas->setSelectionIndexes(all);
        canvas->setSelected_Graphic(c.side.first());
        canvas->resetUndoHistory();
        sink.shown.clear();
        w().Change_Data_Source_To_selected_Control(c.kind, c.ser_name, c.index);
        EXPECT_EQ(sink.shown, c.message.isEmpty() ? QStringList() : QStringList{c.message});
        QStringList after;
        for (const auto& g : c.side)
            after << state(*g);
        EXPECT_EQ(after, c.after);
        EXPECT_EQ(canvas->canUndo(), c.index >= 0 && c.message.isEmpty());  // a value shown is an undo step
    }
    // While the program fills the inspector, nothing is bound.
    Not_Draw_Only_Prop_Change = true;
    w().Change_Data_Source_To_selected_Control(1, "a", 0);
    Not_Draw_Only_Prop_Change = false;
    EXPECT_EQ(state(*w().Get_Front_Controls_Array().first()), "1 pics 2 -1 " + photo);
}

TEST_F(ProductionTest, Combos) {
    writeSeries("b", "1");
    writeSeries("a", "1");
    setExcelRows({}, 3);
    QComboBox kind, value;
    kind.addItems({"Manual", "Series"});
    for (int twice = 0; twice < 2; ++twice)
        w().Add_Excel_Col_Name_In_Combo(&kind);
    EXPECT_EQ(kind.count(), 3);
    for (int twice = 0; twice < 2; ++twice)
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

TEST_F(ProductionTest, ViewAndHelpButtonsAndPleaseWaitSheet) {
    QComboBox kind, value;
    kind.addItems({"Manual", "Series", "Excel"});
    w().Data_source_type = &kind;
    w().Batch_Series = &value;
    writeSeries("names", "Ann\n\n Bob \n");
    int dialogs = 0;
    QStringList viewed;
    ScopedDialogRunner runner([&](QDialog* d) {
        if (auto* viewer = qobject_cast<View_Data_Series*>(d))
            viewed << viewer->series_name->text() + ": " + viewer->ListData.join(',');
        return ++dialogs;
    });
    const std::tuple<int, QString, QString> cases[] = {
        {0, "", ""},
        {1, "", "Please select the series."},
        {1, "<--Select-->", "Please select the series."},
        {1, " names ", ""},  // the series viewer
        {2, "", ""},  // the loaded table is shown
    };
    for (const auto& [k, v, shown] : cases) {
        kind.setCurrentIndex(k);
        value.clear();
        value.addItem(v);
        sink.shown.clear();
        w().View_batch_Series_Button();
        EXPECT_EQ(sink.shown, shown.isEmpty() ? QStringList() : QStringList{shown}) << k << qPrintable(v);
    }
    EXPECT_EQ(dialogs, 2);
    EXPECT_EQ(viewed, QStringList{"names: Ann,Bob"});
    sink.shown.clear();
    w().Data_Source_Help_Button();
    ASSERT_EQ(sink.shown.size(), 1);
    EXPECT_TRUE(sink.shown.first().startsWith("Batch Processing Settings Help :\nSelect Data Source as 'Manual'"));
    EXPECT_TRUE(sink.shown.first().endsWith("from the selected excel file."));
    w().Data_source_type = w().Batch_Series = nullptr;

    w().show();
    w().Show_Create_Modeless();
    EXPECT_TRUE(w().plz_wait_Window->isSheetShown());
    EXPECT_EQ(w().modeless_msg_lbl->text(), "It may take a while, Please wait..");
    w().Hide_Destroy_Modeless();
    EXPECT_FALSE(w().plz_wait_Window->isSheetShown());
}

// The source page's View button on a text bound to a series.
TEST_F(ProductionTest, SourcePageViewsTheChosenSeries) {
    writeSeries("Staff", "S-1\n\nS-2\n");
    auto text = placed(GraphicKind::Text, "x");
    setSides({text});
    w()._graphicView->setSelectionIndexes(QList<int>{0});
    w()._graphicView->setSelected_Graphic(text);
    w().Show_RHS_Properties(text.get());
    DataSourcePanel* page = w().inspector()->source;
    page->Data_source_type->setCurrentIndex(page->Data_source_type->findText("Series"));
    page->Batch_Series->setCurrentIndex(page->Batch_Series->findText("Staff"));
    ASSERT_EQ(state(*text), "1 Staff 0 -1 S-1");
    QStringList viewed;
    ScopedDialogRunner runner([&](QDialog* d) {
        auto* viewer = qobject_cast<View_Data_Series*>(d);
        EXPECT_NE(viewer, nullptr);
        if (viewer)
            viewed << viewer->series_name->text() + ": " + viewer->ListData.join(',');
        return 1;
    });
    sink.shown.clear();
    page->view_series_btn->click();
    EXPECT_EQ(viewed, QStringList{"Staff: S-1,S-2"});
    EXPECT_TRUE(sink.shown.isEmpty()) << sink.text();
}

// The barcode window's View button, as the program installs the window's
// view of the design's data.
TEST_F(ProductionTest, BarcodeWindowViewsTheChosenSeries) {
    writeSeries("Staff", "S-1\nS-2\n");
    auto barcode = code128(makeGraphic(GraphicKind::Barcode));
    barcode->_bounds = barcode->bar_image_ctrl_bounds = QRectF(10, 10, 100, 40);
    setSides({barcode});
    w()._graphicView->setSelectionIndexes(QList<int>{0});
    w()._graphicView->setSelected_Graphic(barcode);
    HubBarcodeDataSource source;
    Barcode_Gen::setDataSource(&source);
    QStringList viewed;
    ScopedDialogRunner runner([&](QDialog* d) {
        if (auto* viewer = qobject_cast<View_Data_Series*>(d)) {
            viewed << viewer->series_name->text() + ": " + viewer->ListData.join(',');
            viewer->OK_Btn_Clicked();
            return viewer->result();
        }
        auto* window = qobject_cast<Barcode_Gen*>(d);
        EXPECT_NE(window, nullptr);
        if (!window)
            return 0;
        window->Data_source_type->setCurrentIndex(window->Data_source_type->findText("Series"));
        window->Batch_Series->setCurrentIndex(window->Batch_Series->findText("Staff"));
        window->View_batch_Series_Button();
        window->Cancel_Btn_Clicked();
        return window->result();
    });
    sink.shown.clear();
    w().Open_Barcode_Window(nullptr);
    Barcode_Gen::setDataSource(nullptr);
    EXPECT_EQ(viewed, QStringList{"Staff: S-1,S-2"});
    EXPECT_TRUE(sink.shown.isEmpty()) << sink.text();
}

TEST_F(ProductionTest, GroupModeList) {
    setExcelRows({{"Ann"}, {"Bob"}}, 1);
    auto name = excelBound(GraphicKind::Text, QRectF(10, 10, 60, 20), 1);
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
    // Both sides' panels show the holder, the shown side's last.
    EXPECT_EQ(panel, (QStringList{"B0", "F0", "B1", "F1"}));
    EXPECT_FALSE(w()._graphicView->canUndo());
    name->Set_text_value("Bobby");
    w().Insert_In_Undo_Redo();
    EXPECT_TRUE(w()._graphicView->canUndo());
}

}  // namespace
}  // namespace zelk::test
