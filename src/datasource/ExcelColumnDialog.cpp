#include "datasource/ExcelColumnDialog.h"

#include "datasource/ExcelColumnList.h"
#include "datasource/SeriesSupport.h"
#include "datasource/ZipWorkFolder.h"
#include "dialogs/DialogStyle.h"
#include "dialogs/PleaseWait_Modeless.h"
#include "foundation/Utilities.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace zelk {

ExcelColumnDialog::ExcelColumnDialog(const QString& title, QWidget* parent) : QDialog(parent) {
    setWindowTitle(title);
    applyDialogBackground(this);
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    file_path = new QLineEdit(this);
    file_path->setReadOnly(true);
    file_path->setMinimumWidth(380);
    form->addRow(QStringLiteral("Workbook:"), file_path);
    Sheet_ComboBox = new QComboBox(this);
    form->addRow(QStringLiteral("Sheet:"), Sheet_ComboBox);
    layout->addLayout(form);
    contains_header = new QCheckBox(QStringLiteral("The first row holds the column titles"), this);
    layout->addWidget(contains_header);

    ListData_xl = new ExcelColumnList(this);
    ColList = new QTableView(this);
    ColList->setModel(ListData_xl);
    ColList->verticalHeader()->hide();
    ColList->setSelectionBehavior(QAbstractItemView::SelectRows);
    ColList->setWordWrap(false);
    ColList->setColumnWidth(ExcelColumnList::State, 28);
    ColList->setColumnWidth(ExcelColumnList::Extension, 180);
    ColList->horizontalHeader()->setStretchLastSection(true);
    ColList->setMinimumHeight(200);
    layout->addWidget(ColList);

    auto* selection = new QHBoxLayout;
    auto* all = new QPushButton(QStringLiteral("Select All"), this);
    auto* none = new QPushButton(QStringLiteral("Clear All"), this);
    selection->addWidget(all);
    selection->addWidget(none);
    selection->addStretch();
    layout->addLayout(selection);
    body = new QVBoxLayout;
    layout->addLayout(body);

    plz_wait_Window = new PleaseWait_Modeless(this);
    connect(all, &QPushButton::clicked, this, &ExcelColumnDialog::Select_ALL_Pressed);
    connect(none, &QPushButton::clicked, this, &ExcelColumnDialog::Clear_All_Pressed);
    connect(Sheet_ComboBox, &QComboBox::activated, this, &ExcelColumnDialog::comboBoxSelectionDidChange);
}

void ExcelColumnDialog::Show_Create_Modeless() { plz_wait_Window->beginSheet(this); }

void ExcelColumnDialog::Hide_Destroy_Modeless() { plz_wait_Window->endSheet(); }

void ExcelColumnDialog::Select_ALL_Pressed() { ListData_xl->setAllStates(true); }

void ExcelColumnDialog::Clear_All_Pressed() { ListData_xl->setAllStates(false); }

void ExcelColumnDialog::resetAndLoad(const QString& path) {
    Excel_Sheet_Number = 1;
    file_path->setText(path);
    contains_header->setChecked(true);
    ListData_xl->setRows({});
    Sheet_ComboBox->clear();
    excel_content.clear();

    Show_Create_Modeless();
    // Only this workbook's sheets may be listed, however the path was chosen.
    Delete_Excel_File_Temp_Folder();
    bool unpacked = false;
    SpreadsheetWriter::ReadWorkbook(path, true, &unpacked);
    if (unpacked) {
        Sheet_ComboBox->addItems(SpreadsheetWriter::sheetNames());
        if (Sheet_ComboBox->count() > 0) {
            Sheet_ComboBox->setCurrentIndex(0);
            comboBoxSelectionDidChange(0);
        }
    }
    Hide_Destroy_Modeless();
    if (!unpacked)
        Show_MessageBox(series::kCorrupted);
}

void ExcelColumnDialog::comboBoxSelectionDidChange(int index) {
    const QList<int> numbers = SpreadsheetWriter::sheetNumbers();
    if (index < 0 || index >= numbers.size())
        return;
    Excel_Sheet_Number = numbers.at(index);
    excel_content = SpreadsheetWriter::ReadData_only_column();
    if (excel_content.isEmpty())
        return;
    ListData_xl->setRows(ExcelColumnList::fromHeader(excel_content.first()));
    columnsListed();
}

bool ExcelColumnDialog::checkSelection() const {
    if (ListData_xl->rows().isEmpty()) {
        Show_MessageBox(QStringLiteral("There is no column."));
        return false;
    }
    if (ListData_xl->checkedColumns().isEmpty()) {
        Show_MessageBox(QStringLiteral("No column is selected."));
        return false;
    }
    return true;
}

SpreadsheetWriter::Rows ExcelColumnDialog::readSheetRows() {
    Show_Create_Modeless();
    excel_content = SpreadsheetWriter::ReadWorkbook(QString(), false);
    Hide_Destroy_Modeless();
    return excel_content;
}

QString ExcelColumnDialog::noRowsMessage(const QString& text) {
    const QString reason = SpreadsheetWriter::shared()->readError;
    return reason.isEmpty() ? text : text + QStringLiteral("\n\n") + reason;
}

int ExcelColumnDialog::firstDataRow() const {
    return contains_header->isChecked() ? 1 : 0;
}

QStringList ExcelColumnDialog::checkedCellsRowByRow(const SpreadsheetWriter::Rows& rows) const {
    const QList<int> columns = ListData_xl->checkedColumns();
    QStringList values;
    for (qsizetype r = firstDataRow(); r < rows.size(); ++r)
        for (int c : columns)
            values.append(Trim_Str(rows.at(r).value(c)));
    return values;
}

}  // namespace zelk
