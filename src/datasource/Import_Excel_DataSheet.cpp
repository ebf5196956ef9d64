#include "datasource/Import_Excel_DataSheet.h"

#include "datasource/BatchWizard.h"
#include "datasource/ExcelColumnList.h"
#include "datasource/InUseAlert.h"
#include "datasource/SeriesFile.h"
#include "datasource/SeriesSupport.h"
#include "dialogs/DialogGlobals.h"
#include "dialogs/DialogRunner.h"
#include "dialogs/DialogStyle.h"
#include "dialogs/Replcae_Confirm_Box.h"
#include "foundation/AppPaths.h"
#include "foundation/FileNaming.h"
#include "foundation/Utilities.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>

#include <exception>

namespace series = zelk::series;

bool Msg_Apply_All_Chk_for_in_use = false;

Import_Excel_DataSheet* Import_Excel_DataSheet::defaultInstance() {
    static Import_Excel_DataSheet* instance = new Import_Excel_DataSheet;
    return instance;
}

Import_Excel_DataSheet::Import_Excel_DataSheet(QWidget* parent)
    : ExcelColumnDialog(QStringLiteral("Import Series from Excel"), parent) {
    setObjectName(QStringLiteral("Import_Excel_DataSheet"));
    ListData_xl->setHeaderEditable(true);
    auto* ways = new QHBoxLayout;
    Each_col_RD = new QRadioButton(QStringLiteral("One series for each column"), this);
    Fill_col_RD = new QRadioButton(QStringLiteral("All columns into one series"), this);
    ways->addWidget(Each_col_RD);
    ways->addWidget(Fill_col_RD);
    ways->addStretch();
    body->addLayout(ways);

    fill_box = new QGroupBox(QStringLiteral("Fill"), this);
    auto* fill = new QVBoxLayout(fill_box);
    auto* targets = new QHBoxLayout;
    matrix_fill_type = new QButtonGroup(this);
    const QStringList titles = {QStringLiteral("New series"), QStringLiteral("Replace series"),
                                QStringLiteral("Append to series")};
    for (int i = 0; i < titles.size(); ++i) {
        auto* cell = new QRadioButton(titles.at(i), fill_box);
        matrix_fill_type->addButton(cell, i);
        targets->addWidget(cell);
    }
    targets->addStretch();
    fill->addLayout(targets);
    auto* nameRow = new QHBoxLayout;
    nameRow->addWidget(new QLabel(QStringLiteral("Series name:"), fill_box));
    list_name = new QLineEdit(fill_box);
    List_ComboBox = new QComboBox(fill_box);
    List_ComboBox->setMinimumWidth(200);
    nameRow->addWidget(list_name, 1);
    nameRow->addWidget(List_ComboBox, 1);
    fill->addLayout(nameRow);
    body->addWidget(fill_box);

    auto* row = new QHBoxLayout;
    const auto [ok, cancel] = zelk::addOkCancelButtons(this, row);
    body->addLayout(row);
    connect(ok, &QPushButton::clicked, this, &Import_Excel_DataSheet::OKPressed);
    connect(cancel, &QPushButton::clicked, this, &Import_Excel_DataSheet::CancelPressed);
    connect(Each_col_RD, &QRadioButton::clicked, this, &Import_Excel_DataSheet::Each_Col_RD_Click);
    connect(Fill_col_RD, &QRadioButton::clicked, this, &Import_Excel_DataSheet::Fill_Col_RD_Click);
    connect(matrix_fill_type, &QButtonGroup::idClicked, this, &Import_Excel_DataSheet::Fill_Type_CellClick);
    resize(560, 520);
}

void Import_Excel_DataSheet::Open_excel_datasheet_Wnd(const QString& path) {
    try {
        Msg_Apply_All_Chk = false;
        Msg_Apply_All_Chk_for_in_use = false;
        Fill_Type_CellClick(0);
        Each_Col_RD_Click();
        list_name->clear();
        List_ComboBox->clear();
        resetAndLoad(path);
        refreshSeriesList();
        zelk::DialogRunner::run(this);
    } catch (const std::exception& e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
    }
}

void Import_Excel_DataSheet::refreshSeriesList() {
    List_ComboBox->clear();
    List_ComboBox->addItems(Get_datasheet_File_Name_Array(Data_Folder_Path));
    if (List_ComboBox->count() > 0)
        List_ComboBox->setCurrentIndex(0);
}

void Import_Excel_DataSheet::columnsListed() {
    ColList->setColumnHidden(zelk::ExcelColumnList::Header, !Each_col_RD->isChecked());
}

void Import_Excel_DataSheet::Each_Col_RD_Click() {
    Each_col_RD->setChecked(true);
    Fill_col_RD->setChecked(false);
    SetObjEnabled(fill_box, false);
    ColList->setColumnHidden(zelk::ExcelColumnList::Header, false);
}

void Import_Excel_DataSheet::Fill_Col_RD_Click() {
    Each_col_RD->setChecked(false);
    Fill_col_RD->setChecked(true);
    SetObjEnabled(fill_box, true);
    ColList->setColumnHidden(zelk::ExcelColumnList::Header, true);
}

void Import_Excel_DataSheet::Fill_Type_CellClick(int target) {
    fill_col_option = target;
    if (QAbstractButton* cell = matrix_fill_type->button(target))
        cell->setChecked(true);
    list_name->setVisible(target == 0);
    List_ComboBox->setVisible(target != 0);
}

void Import_Excel_DataSheet::OKPressed() {
    if (!checkSelection())
        return;
    if (Each_col_RD->isChecked()) {
        Create_file_For_Col_Func();
    } else {
        if (fill_col_option != 0 && Trim_Str(List_ComboBox->currentText()).isEmpty()) {
            Show_MessageBox(QStringLiteral("Please select list name."));
            return;
        }
        if (fill_col_option == 0 && Trim_Str(list_name->text()).isEmpty()) {
            Show_MessageBox(QStringLiteral("Please enter list name."));
            return;
        }
        if (!Insert_file_Func())
            return;
    }
    excel_content.clear();
}

void Import_Excel_DataSheet::CancelPressed() {
    excel_content.clear();
    done(0);
}

void Import_Excel_DataSheet::Create_file_For_Col_Func() {
    const SpreadsheetWriter::Rows rows = readSheetRows();
    bool showInUse = true;
    bool ask = true;
    bool failed = false;
    const QList<zelk::ExcelColumnRow> columns = ListData_xl->rows();
    for (qsizetype j = 0; j < columns.size() && !rows.isEmpty(); ++j) {
        if (!columns.at(j).state)
            continue;
        QString name = Remove_Reserve_Char_In_File_Name(Trim_Str(columns.at(j).header));
        if (name.isEmpty())
            name = QStringLiteral("Untitled Column %1").arg(j + 1);
        QString path = series::pathOf(name);
        if (QFileInfo::exists(path)) {
            if (series::inUse(name)) {
                if (showInUse && zelk::InUseAlert::show(QStringLiteral("Series is in use\n\n") + name +
                                                        QStringLiteral("\n\nBatch processing Series is already in use."),
                                                        Msg_Apply_All_Chk_for_in_use))
                    showInUse = false;
                continue;
            }
            if (ask) {
                Replcae_Confirm_Box* box = Replcae_Confirm_Box::defaultInstance();
                box->title_val = QStringLiteral("File already exists");
                box->msg_val_str = QStringLiteral("File already exists\n\n") + name +
                                   QStringLiteral("\n\nFile already exists in this location.\n\nDo you want to Keep or Replace it?");
                box->apply_chk_show = true;
                box->file_path_str = path;
                auto* keep = box->findChild<QPushButton*>(QStringLiteral("Keep"));
                if (keep)
                    keep->setText(QStringLiteral("Keep Both"));
                box->Open_box_in_thread();
                if (keep)
                    keep->setText(QStringLiteral("Keep"));
                const int answer = replace_keep_file_flag;
                if (answer == 2 || answer == 3 || answer == 5)
                    ask = false;
            }
            const int answer = replace_keep_file_flag;
            if (answer == 1 || answer == 3)
                path = Check_Exist_Path_and_Create_New(path);
            else if (answer != 0 && answer != 2)
                continue;
        }
        QStringList values;
        for (qsizetype r = firstDataRow(); r < rows.size(); ++r)
            values.append(Trim_Str(rows.at(r).value(static_cast<int>(j))));
        // The old series is replaced only once the new one is complete.
        if (!SeriesFile::write(path, values))
            failed = true;
    }
    if (file_name_Insert == 1 && BatchWizard_Window)
        BatchWizard_Window->Fill_List();
    if (rows.isEmpty())
        Show_MessageBox(noRowsMessage(QStringLiteral("There is no data in selected sheet.\nPlease select another "
                                                     "Sheet/Excel File.\nEither file is corrupted or selected file "
                                                     "contains invalid characters.")));
    else if (failed)
        Show_MessageBox(series::kFileError);
    done(1);
}

bool Import_Excel_DataSheet::Insert_file_Func() {
    const QString typed = fill_col_option == 0 ? list_name->text() : List_ComboBox->currentText();
    const std::optional<QString> name = series::cleanedName(typed);
    if (!name)
        return false;
    const QString path = series::pathOf(*name);
    const bool exists = QFileInfo::exists(path);
    if (exists && series::inUse(*name)) {
        Show_MessageBox(series::kInUseCreate);
        return false;
    }
    if (fill_col_option == 0 && exists && Show_YES_NO_MessageBox(series::kReplaceQuestion) != 1)
        return false;

    // The sheet is read before the series is touched: a sheet without rows
    // leaves it as it was.
    const SpreadsheetWriter::Rows rows = readSheetRows();
    if (rows.isEmpty()) {
        Show_MessageBox(noRowsMessage(series::kCorrupted));
        done(1);
        return true;
    }
    const QStringList values = checkedCellsRowByRow(rows);
    const bool written = fill_col_option == 0 || fill_col_option == 1 ? SeriesFile::write(path, values)
                                                                       : SeriesFile::append(path, values);
    if (!written) {
        Show_MessageBox(series::kFileError);
        return false;
    }
    if (file_name_Insert == 1 && BatchWizard_Window)
        BatchWizard_Window->Fill_List();
    done(1);
    return true;
}
