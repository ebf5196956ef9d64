#include "datasource/Import_Excel.h"

#include "datasource/BatchWizard.h"
#include "datasource/Data_From_Excel.h"
#include "datasource/ExcelColumnList.h"
#include "datasource/SeriesSupport.h"
#include "dialogs/DialogRunner.h"
#include "dialogs/DialogStyle.h"
#include "foundation/Utilities.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QPushButton>

#include <exception>

Import_Excel* imp_xl_Window = nullptr;

Import_Excel* Import_Excel::defaultInstance() {
    if (!imp_xl_Window)
        imp_xl_Window = new Import_Excel;
    return imp_xl_Window;
}

Import_Excel::Import_Excel(QWidget* parent) : ExcelColumnDialog(QStringLiteral("Import Excel Columns"), parent) {
    setObjectName(QStringLiteral("Import_Excel"));
    auto* row = new QHBoxLayout;
    const auto [ok, cancel] = zelk::addOkCancelButtons(this, row);
    body->addLayout(row);
    connect(ok, &QPushButton::clicked, this, &Import_Excel::OKPressed);
    connect(cancel, &QPushButton::clicked, this, &Import_Excel::CancelPressed);
}

int Import_Excel::Open_excel_Wnd(const QString& path) {
    try {
        resetAndLoad(path);
        return zelk::DialogRunner::run(this);
    } catch (const std::exception& e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
        return 0;
    }
}

void Import_Excel::OKPressed() {
    if (!checkSelection())
        return;
    bool loaded = true;
    if (open_mode == QLatin1String("D"))
        Insert_file_Func();
    else
        loaded = Create_Excel_List_Func();
    excel_content.clear();
    // The profile dialogs record the workbook only when its rows are loaded.
    done(loaded ? 1 : 0);
}

void Import_Excel::CancelPressed() {
    excel_content.clear();
    done(0);
}

bool Import_Excel::Create_Excel_List_Func() {
    const SpreadsheetWriter::Rows rows = readSheetRows();
    if (rows.isEmpty()) {
        // The table stays as it was.
        Show_MessageBox(noRowsMessage(zelk::series::kCorrupted));
        return false;
    }
    if (!Data_From_Excel::defaultInstance()->loadSheet(rows, ListData_xl->checkedColumns(),
                                                       contains_header->isChecked())) {
        Show_MessageBox(QStringLiteral("The sheet has no rows to load."));
        return false;
    }
    return true;
}

void Import_Excel::Insert_file_Func() {
    const SpreadsheetWriter::Rows rows = readSheetRows();
    if (rows.isEmpty()) {
        Show_MessageBox(noRowsMessage(zelk::series::kCorrupted));
        return;
    }
    if (BatchWizard_Window)
        BatchWizard_Window->Create_Value_List(checkedCellsRowByRow(rows));
}
