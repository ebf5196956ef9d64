// The Excel table: rows keyed "Extension" and "Column%d", loading a sheet,
// and the read-only viewer played without a modal loop.
#include "TestServices.h"
#include "ZipTestSupport.h"
#include "datasource/Data_From_Excel.h"
#include "datasource/ExcelTableModel.h"

#include <QDialog>
#include <QLabel>
#include <QTableView>

#include <gtest/gtest.h>

namespace {

class DataFromExcelTest : public ::testing::Test {
protected:
    Data_From_Excel* t = Data_From_Excel::defaultInstance();
    void SetUp() override {
        t->removeDataColumns();
        t->clearRows();
    }
    zelk::test::ScopedServices services;
};

TEST_F(DataFromExcelTest, AppendingRows) {
    t->Create_List_By_Array({" a ", "b", "ignored"}, 2);
    t->Create_List_By_Array({"only one"}, 2);  // too few: no row, numbering goes on
    t->Create_List_By_Array({"c", "  "}, 2);
    t->Create_List_By_Array({}, 0);
    ASSERT_EQ(t->rowCount(), 3);
    EXPECT_EQ(t->ListData.at(0), (QVariantMap{{"Extension", "1"}, {"Column1", "a"}, {"Column2", "b"}}));
    EXPECT_EQ(t->ListData.at(1), (QVariantMap{{"Extension", "2"}, {"Column1", "c"}, {"Column2", ""}}));
    EXPECT_EQ(t->ListData.at(2), (QVariantMap{{"Extension", "3"}}));

    EXPECT_EQ(t->Get_Item_Text(1, 0), QVariant("2"));
    EXPECT_EQ(t->Get_Item_Text(0, 2), QVariant("b"));
    EXPECT_FALSE(t->Get_Item_Text(2, 1).isValid());  // the row lacks the key
    EXPECT_EQ(t->Get_Item_Text(3, 0), QVariant(""));  // row index = row count
    EXPECT_EQ(t->Get_Item_Text(-1, 0), QVariant(""));

    // Removing a row (group mode) leaves the other numbers as they were.
    t->ListData.removeAt(1);
    EXPECT_EQ(t->Get_Item_Text(1, 0), QVariant("3"));
}

TEST_F(DataFromExcelTest, LoadingASheet) {
    const QList<QStringList> sheet = {
        {"Name", " ", "City", "Phone", ""},
        {" Ann ", "x", "Oslo", "1", "p"},
        {},    // a row element without cells, as the reader gives it
        {""},  // one whose cells are all empty
        {"Bob", "y", "  ", "2", "q"},
    };
    // Columns 2 and 5 kept (0-based 1 and 4): both titles blank.
    t->loadSheet(sheet, {1, 4}, true);
    EXPECT_EQ(t->columnTitles(), (QStringList{"No.", "Untitled Column 1", "Untitled Column 2"}));
    EXPECT_EQ(t->ColList().at(2).identifier, "Column2");
    ASSERT_EQ(t->rowCount(), 3);  // header row and the row without cells skipped
    EXPECT_EQ(t->ListData.at(1), (QVariantMap{{"Extension", "2"}, {"Column1", ""}, {"Column2", ""}}));
    EXPECT_EQ(t->ListData.at(2), (QVariantMap{{"Extension", "3"}, {"Column1", "y"}, {"Column2", "q"}}));

    // All columns, the first row also a data row, blank titles numbered by
    // their place in the sheet (the group-project way).
    t->loadSheet(sheet, {0, 1, 2, 3, 4}, false, true);
    EXPECT_EQ(t->columnTitles(), (QStringList{"No.", "Name", "Untitled Column 2", "City", "Phone", "Untitled Column 5"}));
    ASSERT_EQ(t->rowCount(), 4);
    EXPECT_EQ(t->ListData.at(0).value("Column1"), "Name");
    EXPECT_EQ(t->ListData.at(1).value("Column1"), "Ann");
    EXPECT_EQ(t->ListData.at(3).value("Column3"), "");  // a cell of spaces is empty

    // Stored titles come back as the same columns; blank ones get a name.
    const QStringList stored = t->columnTitles();
    t->restoreColumnTitles({"No.", "Name", "  ", "City"});
    EXPECT_EQ(t->columnTitles(), (QStringList{"No.", "Name", "Untitled Column 2", "City"}));
    EXPECT_EQ(t->ColList().at(3).identifier, "Column3");
    t->restoreColumnTitles(stored);
    EXPECT_EQ(t->columnTitles(), stored);

    // A later column (batch cropping) is numbered after all table columns.
    EXPECT_EQ(t->addDataColumn("Photo"), "Column6");
    t->removeDataColumns();
    EXPECT_EQ(t->columnTitles(), QStringList{"No."});
    EXPECT_EQ(t->rowCount(), 4);  // rows are not touched
}

TEST_F(DataFromExcelTest, ViewerShowsCountsAndCells) {
    int shown = 0;
    QString rows, columns, cell, header;
    zelk::test::ScopedDialogRunner runner([&](QDialog* d) {
        ++shown;
        rows = d->findChild<QLabel*>("rows_count")->text();
        columns = d->findChild<QLabel*>("column_count")->text();
        auto* view = d->findChild<QTableView*>("ColList");
        if (view->model()->rowCount() > 0)
            cell = view->model()->index(0, 1).data().toString();
        header = view->model()->headerData(view->model()->columnCount() - 1, Qt::Horizontal).toString();
        EXPECT_FALSE(view->model()->flags(view->model()->index(0, 1)) & Qt::ItemIsEditable);
        d->accept();  // OK
        return d->result();
    });
    // A fresh table: no rows, the row-number column only.
    EXPECT_EQ(t->Open_Wnd(), 1);
    EXPECT_EQ(rows, "0");
    EXPECT_EQ(columns, "1");

    t->loadSheet({{"Name", "City"}, {"Ann", "Oslo"}}, {0, 1}, true);
    EXPECT_EQ(t->Open_Wnd(), 1);
    EXPECT_EQ(rows, "1");
    EXPECT_EQ(columns, "3");
    EXPECT_EQ(cell, "Ann");
    EXPECT_EQ(header, "City");

    // Group mode: the two hidden photo columns are not counted.
    t->addDataColumn("Photo 1");
    t->addDataColumn("Photo 2");
    {
        zelk::test::ScopedServices groupMode(
            zelk::test::changed([](zelk::Services& s) { s.startMode = [] { return QStringLiteral("G"); }; }));
        EXPECT_EQ(t->Open_Wnd(), 1);
    }
    EXPECT_EQ(columns, "3");
    EXPECT_EQ(shown, 3);

    zelk::test::ScopedDialogRunner cancel([](QDialog* d) { d->reject(); return d->result(); });
    EXPECT_EQ(t->Open_Wnd(), 0);
}

}  // namespace
