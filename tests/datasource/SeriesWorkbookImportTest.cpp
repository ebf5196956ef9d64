// Series from the columns of a workbook written by openpyxl (twelve sheets,
// the tenth holding the data): each column, fill, the keep-or-replace and
// in-use alerts, and the value list and Excel table of the column picker.
#include "SeriesFixture.h"
#include "datasource/BatchWizard.h"
#include "datasource/Data_From_Excel.h"
#include "datasource/ExcelColumnList.h"
#include "datasource/Import_Excel.h"
#include "datasource/Import_Excel_DataSheet.h"
#include "datasource/Import_Wizard.h"
#include "dialogs/DialogGlobals.h"
#include "dialogs/Replcae_Confirm_Box.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

namespace zelk::test {
namespace {

struct Answer {
    Replcae_Confirm_Box::Button button;
    bool applyToAll;
};

class SeriesWorkbookImportTest : public SeriesFixture {
protected:
    QString book;
    Import_Excel_DataSheet* sheet = Import_Excel_DataSheet::defaultInstance();
    std::deque<Answer> keepOrReplace;  // the keep-or-replace box's answers
    QStringList inUseAlerts;
    bool tickInUse = false;

    void SetUp() override {
        SeriesFixture::SetUp();
        book = tmp.filePath("book.xlsx");
        python(R"PY(
import sys, openpyxl
wb = openpyxl.Workbook()
for n in range(1, 13):
    ws = wb.active if n == 1 else wb.create_sheet("Named %d" % n)
    if n == 10:
        for row in [["/Name?", "Photo", "  ", "a/b", "?*"], ["Ann", "ann.png", "x1", "p", "v1"],
                    ["Bob", None, "x2", "q", "v2"], ["  Cy ", "cy.png", None, None, "v3"]]:
            ws.append(row)
    elif n != 12:
        ws.append(["S%d" % n])
wb.save(sys.argv[1])
)PY", {book});
    }

    // Plays the boxes the dialogs raise; `dialog` plays the dialog itself.
    int playBoxes(QDialog* d, const std::function<int(QDialog*)>& dialog) {
        if (auto* box = qobject_cast<Replcae_Confirm_Box*>(d)) {
            EXPECT_FALSE(keepOrReplace.empty());
            const Answer a = keepOrReplace.empty() ? Answer{Replcae_Confirm_Box::Cancel, false} : keepOrReplace.front();
            if (!keepOrReplace.empty())
                keepOrReplace.pop_front();
            box->Apply_All_Chk->setChecked(a.applyToAll);
            a.button == Replcae_Confirm_Box::Keep ? box->Keep_Clicked()
            : a.button == Replcae_Confirm_Box::Replace ? box->Replace_Clicked() : box->Cancel_Clicked();
            return box->result();
        }
        if (d->objectName() == "InUseAlert") {
            inUseAlerts << d->findChild<QLabel*>("message")->text();
            d->findChild<QCheckBox*>()->setChecked(tickInUse);
            d->accept();
            return 1;
        }
        return dialog(d);
    }
    // Opens the series dialog on sheet10, checks `columns` and presses OK.
    void toSeries(const QList<int>& columns, const std::function<void()>& set = {}) {
        play = [&](QDialog* d) {
            return playBoxes(d, [&](QDialog*) {
                sheet->Sheet_ComboBox->setCurrentIndex(9);
                sheet->comboBoxSelectionDidChange(9);
                for (int c : columns)
                    sheet->ListData_xl->setState(c, true);
                if (set)
                    set();
                sheet->OKPressed();
                return sheet->result();
            });
        };
        sheet->file_name_Insert = 0;
        sheet->Open_excel_datasheet_Wnd(book);
    }
};

TEST_F(SeriesWorkbookImportTest, EachColumnMakesItsSeries) {
    toSeries({0, 1, 2, 3, 4});
    QStringList sheets;
    for (int n = 1; n <= 12; ++n)
        sheets << QStringLiteral("sheet%1").arg(n);
    QStringList listed;
    for (int i = 0; i < sheet->Sheet_ComboBox->count(); ++i)
        listed << sheet->Sheet_ComboBox->itemText(i);
    EXPECT_EQ(listed, sheets);
    EXPECT_EQ(Excel_Sheet_Number, 10);
    EXPECT_EQ(sheet->result(), 1);
    EXPECT_EQ(seriesBytes("Name"), "Ann\nBob\nCy\n");             // "/Name?" cleaned
    EXPECT_EQ(seriesBytes("Photo"), "ann.png\n\ncy.png\n");       // an empty cell is an empty line
    EXPECT_EQ(seriesBytes("Untitled Column 3"), "x1\nx2\n\n");    // a blank title
    EXPECT_EQ(seriesBytes("a_b"), "p\nq\n\n");
    EXPECT_EQ(seriesBytes("Untitled Column 5"), "v1\nv2\nv3\n");  // a name that cleans to nothing
    EXPECT_TRUE(shown.isEmpty()) << shown.join('|').toStdString();

    // The series name is editable; without the header row the titles are values.
    toSeries({1}, [&] {
        sheet->contains_header->setChecked(false);
        sheet->ListData_xl->setData(sheet->ListData_xl->index(1, ExcelColumnList::Header), "Pictures");
    });
    EXPECT_EQ(seriesBytes("Pictures"), "Photo\nann.png\n\ncy.png\n");
}

TEST_F(SeriesWorkbookImportTest, ExistingAndBoundSeries) {
    const struct {
        const char* name;
        std::deque<Answer> answers;
        QByteArray name1, photo1, name2, photo2;  // Name, Photo and their "(1)" files afterwards
    } cases[] = {
        {"keep both, apply to all", {{Replcae_Confirm_Box::Keep, true}}, "old", "old", "Ann\nBob\nCy\n", "ann.png\n\ncy.png\n"},
        {"replace, then keep", {{Replcae_Confirm_Box::Replace, false}, {Replcae_Confirm_Box::Keep, false}},
         "Ann\nBob\nCy\n", "old", "", "ann.png\n\ncy.png\n"},
        {"cancel all", {{Replcae_Confirm_Box::Cancel, true}}, "old", "old", "", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        for (const char* n : {"Name (1)", "Photo (1)"})
            QFile::remove(seriesPath(n));
        writeSeries("Name", "old");
        writeSeries("Photo", "old");
        keepOrReplace = c.answers;
        toSeries({0, 1});
        EXPECT_TRUE(keepOrReplace.empty());
        EXPECT_EQ(seriesBytes("Name"), c.name1);
        EXPECT_EQ(seriesBytes("Photo"), c.photo1);
        EXPECT_EQ(seriesBytes("Name (1)"), c.name2);
        EXPECT_EQ(seriesBytes("Photo (1)"), c.photo2);
    }

    // Bound series are never written; "Apply to All" silences the alerts.
    bound = {"Name", "Photo"};
    toSeries({0, 1});
    EXPECT_EQ(inUseAlerts, (QStringList{"Series is in use\n\nName\n\nBatch processing Series is already in use.",
                                        "Series is in use\n\nPhoto\n\nBatch processing Series is already in use."}));
    tickInUse = true;
    inUseAlerts.clear();
    toSeries({0, 1});
    EXPECT_EQ(inUseAlerts.size(), 1);
    EXPECT_EQ(seriesBytes("Name"), "old");
}

TEST_F(SeriesWorkbookImportTest, FillIntoOneSeries) {
    auto fill = [&](int target, const QString& name) {
        return [this, target, name] {
            sheet->Fill_Col_RD_Click();
            sheet->Fill_Type_CellClick(target);
            sheet->list_name->setText(name);
            sheet->List_ComboBox->setCurrentText(name);
        };
    };
    const QByteArray rows = "Ann\nx1\nBob\nx2\nCy\n\n";  // columns A and C, row by row
    toSeries({0, 2}, fill(0, "F"));
    EXPECT_EQ(seriesBytes("F"), rows);
    writeSeries("F", "old\n");
    toSeries({0, 2}, fill(2, "F"));
    EXPECT_EQ(seriesBytes("F"), "old\n" + rows);
    toSeries({0, 2}, fill(1, "F"));
    EXPECT_EQ(seriesBytes("F"), rows);
    EXPECT_TRUE(shown.isEmpty()) << shown.join('|').toStdString();

    // Refusals keep the dialog open and the series as it was.
    writeSeries("F", "old\n");
    answers = {MessageAnswer::No};
    toSeries({0, 2}, fill(0, "F"));
    bound = {"F"};
    toSeries({0, 2}, fill(2, "F"));
    toSeries({0, 2}, fill(0, " "));
    toSeries({}, fill(0, "F"));
    EXPECT_EQ(shown, (QStringList{series::kReplaceQuestion, series::kInUseCreate, "Please enter list name.",
                                  "No column is selected."}));
    EXPECT_EQ(sheet->result(), 0);
    EXPECT_EQ(seriesBytes("F"), "old\n");

    // A sheet without rows (sheet12) leaves the series untouched.
    bound.clear();
    shown.clear();
    play = [&](QDialog*) {
        sheet->comboBoxSelectionDidChange(9);
        sheet->ListData_xl->setState(0, true);
        sheet->Sheet_ComboBox->setCurrentIndex(11);
        sheet->comboBoxSelectionDidChange(11);  // no columns: the list stays
        fill(1, "F")();
        sheet->OKPressed();
        return sheet->result();
    };
    sheet->Open_excel_datasheet_Wnd(book);
    EXPECT_EQ(Excel_Sheet_Number, 12);
    ASSERT_EQ(shown.size(), 1);
    EXPECT_TRUE(shown.first().startsWith(series::kCorrupted));
    EXPECT_EQ(seriesBytes("F"), "old\n");

    // A new opening is back in the each-column way with target 0.
    play = [&](QDialog*) {
        EXPECT_TRUE(sheet->Each_col_RD->isChecked());
        EXPECT_EQ(sheet->fill_col_option, 0);
        return 0;
    };
    sheet->Open_excel_datasheet_Wnd(book);
}

TEST_F(SeriesWorkbookImportTest, ColumnPickerAndTheWizardsHandOff) {
    Import_Excel* picker = Import_Excel::defaultInstance();
    BatchWizard* manager = BatchWizard::defaultInstance();
    manager->ListData_value.clear();
    auto pick = [&](const QString& mode, const QList<int>& columns) {
        picker->open_mode = mode;
        play = [&](QDialog*) {
            picker->comboBoxSelectionDidChange(9);
            for (int c : columns)
                picker->ListData_xl->setState(c, true);
            picker->OKPressed();
            return picker->result();
        };
        return picker->Open_excel_Wnd(book);
    };
    EXPECT_EQ(pick("D", {0, 2}), 1);
    EXPECT_EQ(manager->ListData_value, (QStringList{"Ann", "x1", "Bob", "x2", "Cy"}));  // empty cells skipped

    EXPECT_EQ(pick("E", {1, 2}), 1);
    Data_From_Excel* table = Data_From_Excel::defaultInstance();
    // A blank title is numbered among the columns kept.
    EXPECT_EQ(table->columnTitles(), (QStringList{"No.", "Photo", "Untitled Column 2"}));
    ASSERT_EQ(table->rowCount(), 3);
    EXPECT_EQ(table->ListData.at(1).value("Column2"), "x2");

    // The wizard hands a workbook to the series dialog and closes whatever
    // that dialog did.
    Import_Wizard* wizard = Import_Wizard::defaultInstance();
    wizard->file_name_required = 1;
    bool sheetDialogRan = false;
    play = [&](QDialog* d) {
        if (d == wizard) {
            wizard->Excel_path->setText(book);
            wizard->OKPressed();
            return wizard->result();
        }
        sheetDialogRan = d == sheet && sheet->Sheet_ComboBox->count() == 12;
        sheet->CancelPressed();
        return sheet->result();
    };
    wizard->Open_Wnd();
    EXPECT_TRUE(sheetDialogRan);
    EXPECT_EQ(wizard->result(), 1);
}

}  // namespace
}  // namespace zelk::test
