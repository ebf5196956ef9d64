// Which sources a run uses, the dataset binding table and the card count,
// and the value lookups, through the main window's operations.
#include "ProductionTestSupport.h"
#include "production/PrintCardSource.h"

namespace zelk::test {
namespace {

const QRectF R(10, 10, 80, 20);

TEST_F(ProductionTest, SourcesInUseAndCardCount) {
    auto text = [](const QString& series, int index = 0) { return seriesBound(GraphicKind::Text, R, series, index); };
    auto notPrinted = [&](const QString& series) {
        auto g = text(series);
        g->print_object = 1;
        return g;
    };
    const auto excel = excelBound(GraphicKind::Text, R, 1);
    const QList<QStringList> rows8 = {{"a"}, {"b"}, {"c"}, {"d"}, {"e"}, {"f"}, {"g"}, {"h"}};
    struct Case {
        const char* name;
        GraphicList front, back;
        QList<QStringList> excel;
        bool useSeries, useExcel;
        int seriesRows, excelRows, total;
    };
    // Counts by hand from the series files below (s3: 3 values, s5: 5, s7: 7).
    const Case cases[] = {
        {"nothing bound", {makeGraphic(GraphicKind::Text), bound(GraphicKind::Shape, R, 1, "s5", 0)}, {}, rows8,
         false, false, 0, 0, 1},
        {"series 5 and Excel 8", {text("s5"), excel}, {}, rows8, true, true, 5, 8, 8},
        {"two series, the longer counts", {text("s3")}, {text("s7")}, {}, true, false, 7, 0, 7},
        {"trailing breaks add no card", {text("trailing")}, {}, {}, true, false, 2, 0, 2},
        {"an empty file is one card", {text("empty")}, {}, {}, true, false, 1, 0, 1},
        {"not printed alone", {notPrinted("s7")}, {}, {}, false, false, 0, 0, 1},
        {"not printed, loaded once series are on", {notPrinted("s7"), text("s3")}, {}, {}, true, false, 7, 0, 7},
        {"no stored index", {text("s5", -1)}, {}, {}, false, false, 0, 0, 1},
        {"Excel bound, table empty", {excelBound(GraphicKind::Image, R, 2)}, {}, {}, false, false, 0, 0, 1},
        {"series file gone", {text("gone")}, {}, {}, true, false, 0, 0, 1},
    };
    writeSeries("s3", "1\n2\n3");
    writeSeries("s5", "1\n2\n3\n4\n5\n");
    writeSeries("s7", "1\n2\n3\n4\n5\n6\n7");
    writeSeries("trailing", "x\ny\n\n");
    writeSeries("empty", "");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        setSides(c.front, c.back);
        setExcelRows(c.excel, 1);
        w().Check_Series_Or_Excel_Use_or_not();
        EXPECT_EQ(Use_Data_Sheet_Values, c.useSeries);
        EXPECT_EQ(Use_Excel_Binding_Values, c.useExcel);
        EXPECT_EQ(Data_table_rows, c.seriesRows);
        EXPECT_EQ(Excel_table_rows, c.excelRows);
        EXPECT_EQ(Total_Batch_Excel_Card, c.total);
    }
    // The back of a one-sided card does not count.
    setSides({}, {text("s5"), excel});
    CARD_SIDE_STR = CardSide::OneSided;
    w().Check_Series_Or_Excel_Use_or_not();
    EXPECT_FALSE(Use_Data_Sheet_Values || Use_Excel_Binding_Values);

    // A window that turns Excel off recounts the series alone; Excel rows
    // are then bounded by 0.
    setSides({text("s5"), excel});
    w().Check_Series_Or_Excel_Use_or_not();
    Use_Excel_Binding_Values = false;
    w().Get_total_Card_count();
    EXPECT_EQ(Total_Batch_Excel_Card, 5);
    EXPECT_EQ(w().Get_sel_row_col_value_of_Excel(0, 1), "");
    const int s5 = w().Get_Data_SetIndex_According_Name("s5");
    EXPECT_EQ(w().Get_sel_row_col_value_of_dataset(4, s5), "5");
    EXPECT_EQ(w().Get_sel_row_col_value_of_dataset(5, s5), "");
}

TEST_F(ProductionTest, SeriesAreFoundByTheirExactName) {
    // Sorted list: "Names" (0), "a" (1), "names" (2).
    writeSeries("names", "lower\n");
    writeSeries("Names", "upper\n");
    writeSeries("a", "A\n");
    // Bound when "names" was second (index 1): the stale index is ignored.
    setSides({seriesBound(GraphicKind::Text, R, "names", 1)});
    w().Check_Series_Or_Excel_Use_or_not();
    EXPECT_EQ(w().Get_Data_SetIndex_According_Name("names"), 2);
    EXPECT_EQ(w().Get_Data_SetIndex_According_Name("NAMES"), -1);
    EXPECT_EQ(w().Get_sel_row_col_value_of_dataset(0, 2), "lower");
    EXPECT_EQ(w().Get_sel_row_col_value_of_dataset(0, 0), "");  // "Names" is not loaded
    // The in-use guard protects exactly the file production reads.
    EXPECT_TRUE(w().Check_Batch_File_In_Use_Validation("names"));
    EXPECT_FALSE(w().Check_Batch_File_In_Use_Validation("Names"));
}

TEST_F(ProductionTest, FirstValuesAndColumnTitles) {
    writeSeries("lead", "\nsecond\n");
    setExcelRows({{"Ann", "", "Oslo"}, {"Bob", "x", "Rome"}}, 3);
    const std::pair<QString, QString> cases[] = {
        {w().Get_First_Value_Of_Dataset("lead"), ""},
        {w().Get_First_Value_Of_Dataset("none"), ""},
        {w().Get_First_Value_Of_Excel_Binding(1), "Ann"},
        {w().Get_First_Value_Of_Excel_Binding(9), ""},
        {w().Get_Excel_Column_Name_Of_Index(3), "Title 3"},
        {w().Get_Excel_Column_Name_Of_Index(4), ""},
        {w().Get_Excel_Column_Name_Of_Index(-1), ""},
    };
    for (const auto& [got, expected] : cases)
        EXPECT_EQ(got, expected);

    // With Excel values on, the empty cell gives "" and rows end at the count.
    setSides({excelBound(GraphicKind::Text, R, 2)});
    w().Check_Series_Or_Excel_Use_or_not();
    EXPECT_EQ(w().Get_sel_row_col_value_of_Excel(0, 2), "");
    EXPECT_EQ(w().Get_sel_row_col_value_of_Excel(1, 3), "Rome");
    EXPECT_EQ(w().Get_sel_row_col_value_of_Excel(2, 1), "");

    // The start chooser's closing and a new project empty the rows only.
    w().Clear_Delete_Excel_table_rows();
    EXPECT_EQ(Data_From_Excel::defaultInstance()->rowCount(), 0);
    EXPECT_EQ(Data_From_Excel::defaultInstance()->columnTitles().size(), 4);
}

}  // namespace
}  // namespace zelk::test

namespace zelk::test {
namespace {

// A print run takes card n's values from the batch; the window's data boxes
// switch a source off before the count.
TEST_F(ProductionTest, PrintCardsCarryTheirRowsValues) {
    writeSeries("names", "Ann\nBob\nCy");
    setSides({seriesBound(GraphicKind::Text, R, "names", 0)});
    const auto text = [](const PrintCard& card) { return card.side.graphics.value(0)->Text_Value; };

    const PrintCardSource withSeries = w().printCardSource(true, false);
    EXPECT_EQ(withSeries.Total_Batch_Excel_Card, 3);
    const PrintCard second = withSeries.card(1, QLatin1Char('F'));
    ASSERT_TRUE(second.ok()) << second.reason.toStdString();
    EXPECT_EQ(text(second), QStringLiteral("Bob"));

    const PrintCardSource without = w().printCardSource(false, false);
    EXPECT_EQ(without.Total_Batch_Excel_Card, 1);
    EXPECT_FALSE(without.usesData());
}

}  // namespace
}  // namespace zelk::test
