// The print window's print profiles: the list, and adding, editing,
// saving, deleting and loading a profile.
#include "production/Print_Wnd.h"

#include "foundation/AppPaths.h"
#include "foundation/Codes.h"
#include "foundation/Units.h"
#include "foundation/Utilities.h"
#include "mainwindow/AppGlobals.h"
#include "production/Add_Print_Profile.h"
#include "production/PrintGlobals.h"
#include "production/PrintProfileFile.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>

#include <algorithm>

namespace {

QString flag(bool on) {
    return on ? QStringLiteral("Y") : QStringLiteral("N");
}

QString mmText(double mm) {
    return QString::asprintf("%.2f", mm);
}

}  // namespace

// ---------------------------------------------------------------- print profiles

void Print_Wnd::Load_Print_Profile() {
    {
        const QSignalBlocker block(List_profile);
        List_profile->clear();
        ListData_profile.clear();
    }
    for (const QString& name : PrintProfileFile::listNames(print_profile_path))
        Create_Profile_List(name);
    Make_select_on_index(0);
}

void Print_Wnd::Create_Profile_List(const QString& name) {
    const QString trimmed = Trim_Str(name);
    if (trimmed.isEmpty())
        return;
    ListData_profile << trimmed;
    const QSignalBlocker block(List_profile);
    List_profile->addItem(trimmed);
}

QString Print_Wnd::Get_List_Name_Text(int row) const {
    return Trim_Str(ListData_profile.value(row));
}

void Print_Wnd::Make_select_on_index(int row) {
    if (row < 0 || row >= List_profile->count())
        return;
    {
        const QSignalBlocker block(List_profile);
        List_profile->setCurrentRow(row);
    }
    Profile_Selection_Changed();
}

void Print_Wnd::Profile_Selection_Changed() {
    const int row = List_profile->currentRow();
    if (ListData_profile.isEmpty() || row < 0)
        return;
    const QString name = Get_List_Name_Text(row);
    Delete_profile_btn->setEnabled(name != PrintProfileFile::defaultProfileName);
    Read_and_load_profile_info(name);
}

QStringList Print_Wnd::profileFields(const QString& printer) const {
    QStringList f;
    for (int i = 0; i < PrintProfileFile::FieldCount; ++i)
        f << QString();
    const QSizeF paper = printInfo.paperSize();
    f[PrintProfileFile::Printer] = printer;
    f[PrintProfileFile::PaperName] = Paper_id->text();
    f[PrintProfileFile::PaperSizeText] = Size_id->text();
    f[PrintProfileFile::PaperWidthMm] = mmText(Points_to_MM_Convert(paper.width()));
    f[PrintProfileFile::PaperHeightMm] = mmText(Points_to_MM_Convert(paper.height()));
    f[PrintProfileFile::Orientation] = Orient_ComboBox->currentText();
    f[PrintProfileFile::Rows] = QString::number(Row_Stepper->value());
    f[PrintProfileFile::Columns] = QString::number(Col_Stepper->value());
    f[PrintProfileFile::HorzGap] = mmText(horz_mar_Stepper->value());
    f[PrintProfileFile::VertGap] = mmText(vert_mar_Stepper->value());
    f[PrintProfileFile::SideGap] = mmText(Side_Margin_Stepper->value());
    f[PrintProfileFile::LeftMargin] = l_mar_id->text();
    f[PrintProfileFile::TopMargin] = t_mar_id->text();
    f[PrintProfileFile::RightMargin] = r_mar_id->text();
    f[PrintProfileFile::BottomMargin] = b_mar_id->text();
    f[PrintProfileFile::Alignment] = QString::number(label_align_val);
    f[PrintProfileFile::AutoCenter] = flag(Auto_Center_chk_bx->isChecked());
    f[PrintProfileFile::Side] = sideOfMatrix();
    f[PrintProfileFile::Arrangement] = QString::number(
        matrix_card_side->checkedId() == 0 ? print_alignment->currentIndex() : print_alignment_one_side->currentIndex());
    f[PrintProfileFile::Mirror] = flag(mirror_chk_box->isChecked());
    f[PrintProfileFile::MirrorType] = mirror_matrix->checkedId() == 0 ? QStringLiteral("FH") : QStringLiteral("FV");
    f[PrintProfileFile::ShowMargins] = flag(Show_Margins->isChecked());
    f[PrintProfileFile::WithSeries] = flag(print_with_batch_chk->isChecked());
    f[PrintProfileFile::WithExcel] = flag(print_with_excel_chk->isChecked());
    f[PrintProfileFile::CropMarks] = flag(crop_mark_chk->isChecked());
    f[PrintProfileFile::FitToFrame] = flag(fit_frame_chk->isChecked());
    return f;
}

bool Print_Wnd::Save_Print_Profile(const QString& name, const QString& printer) {
    QString error;
    if (!PrintProfileFile::write(PrintProfileFile::pathOf(print_profile_path, name), profileFields(printer), &error)) {
        Show_NSLog_Message(error);
        Show_MessageBox(QStringLiteral("The print profile \"%1\" could not be saved: %2").arg(name, error));
        return false;
    }
    Show_MessageBox(QStringLiteral("Print Profile has been saved successfully."));
    Load_Print_Profile();
    return true;
}

void Print_Wnd::Read_and_load_profile_info(const QString& name) {
    const QString path = PrintProfileFile::pathOf(print_profile_path, name);
    if (!QFileInfo::exists(path))
        return;
    QStringList f;
    QString error;
    if (!PrintProfileFile::read(path, f, &error)) {
        Show_NSLog_Message(error);
        return;
    }
    loading = true;
    auto yes = [&f](int i) { return f.at(i) == QLatin1String("Y"); };

    // A profile's printer that is not installed leaves the current one.
    custom_profile_Printer = f.at(PrintProfileFile::Printer);
    const int printerAt = Printer_ComboBox->findText(custom_profile_Printer);
    if (printerAt >= 0) {
        const QSignalBlocker block(Printer_ComboBox);
        Printer_ComboBox->setCurrentIndex(printerAt);
    }
    Paper_id->setText(f.at(PrintProfileFile::PaperName));
    Size_id->setText(f.at(PrintProfileFile::PaperSizeText));
    {
        const QSignalBlocker block(Orient_ComboBox);
        const int at = Orient_ComboBox->findText(f.at(PrintProfileFile::Orientation));
        if (at >= 0)
            Orient_ComboBox->setCurrentIndex(at);
    }
    setQuietly(Row_Stepper, std::max(f.at(PrintProfileFile::Rows).toInt(), 1));
    setQuietly(Col_Stepper, std::max(f.at(PrintProfileFile::Columns).toInt(), 1));
    setQuietly(horz_mar_Stepper, f.at(PrintProfileFile::HorzGap).toDouble());
    setQuietly(vert_mar_Stepper, f.at(PrintProfileFile::VertGap).toDouble());
    setQuietly(Side_Margin_Stepper, f.at(PrintProfileFile::SideGap).toDouble());
    l_mar_id->setText(f.at(PrintProfileFile::LeftMargin));
    t_mar_id->setText(f.at(PrintProfileFile::TopMargin));
    r_mar_id->setText(f.at(PrintProfileFile::RightMargin));
    b_mar_id->setText(f.at(PrintProfileFile::BottomMargin));
    const int alignment = f.at(PrintProfileFile::Alignment).toInt();
    label_align_val = alignment >= 1 && alignment <= 9 ? alignment : 1;
    Set_Reset_Alignemnt_Image();
    Auto_Center_chk_bx->setChecked(yes(PrintProfileFile::AutoCenter));
    Auto_Center_Checked();

    // The side, and the arrangement index bounded to the list it goes into.
    const QString side = f.at(PrintProfileFile::Side);
    const int arrangement = f.at(PrintProfileFile::Arrangement).toInt();
    if (CARD_SIDE_STR == CardSide::TwoSided && side == QLatin1String("BOTH")) {
        selectSideRow(0);
        print_alignment->setCurrentIndex(std::clamp(arrangement, 0, int(bothSidesCodes.size()) - 1));
    } else {
        selectSideRow(CARD_SIDE_STR == CardSide::TwoSided && side != QLatin1String("F") ? 2 : 1);
        print_alignment_one_side->setCurrentIndex(std::clamp(arrangement, 0, int(oneSideCodes.size()) - 1));
    }
    card_side_CellClick();

    mirror_chk_box->setChecked(yes(PrintProfileFile::Mirror));
    Mirror_image_chk_clicked();
    const bool horizontal = f.at(PrintProfileFile::MirrorType) == QLatin1String("FH");
    Mirror_Vertical_Not_Horz = !horizontal;
    mirror_matrix->button(horizontal ? 0 : 1)->setChecked(true);
    Show_Margins->setChecked(yes(PrintProfileFile::ShowMargins));
    Show_margin_rect = Show_Margins->isChecked();
    if (yes(PrintProfileFile::WithSeries))
        print_with_batch_chk->setChecked(batch.Use_Data_Sheet_Values);
    if (yes(PrintProfileFile::WithExcel))
        print_with_excel_chk->setChecked(batch.Use_Excel_Binding_Values);
    crop_mark_chk->setChecked(yes(PrintProfileFile::CropMarks));
    Enable_Crop_Marks = crop_mark_chk->isChecked();
    fit_frame_chk->setChecked(yes(PrintProfileFile::FitToFrame));
    Fit_To_Frame_clicked();

    if (printerAt >= 0)
        printInfo.setPrinterName(custom_profile_Printer);
    loading = false;
    Set_Enable_Diable_Range_Box();
    Set_values_From_Printer();
    Check_Max_Cell_Value();
    Calculate_label_acc_row_col();
}

void Print_Wnd::Add_Edit_Print_Profile(const QString& mode) {
    const bool edit = mode == QLatin1String("E");
    QString name, printer;
    const int row = List_profile->currentRow();
    if (edit) {
        if (row < 0) {
            Show_MessageBox(QStringLiteral("Please select a print profile"));
            return;
        }
        name = Get_List_Name_Text(row);
        printer = Printer_ComboBox->currentText();
    }
    Add_Print_Profile* dialog = Add_Print_Profile::defaultInstance();
    dialog->Profile_name->setText(name);
    dialog->pass_profile_name = name;
    if (dialog->Open_Profile_Wnd(name, printer) != 1)
        return;
    printInfo.setPrinterName(custom_profile_Printer);
    const int printerAt = Printer_ComboBox->findText(printInfo.printerName());
    if (printerAt >= 0) {
        const QSignalBlocker block(Printer_ComboBox);
        Printer_ComboBox->setCurrentIndex(printerAt);
    }
    Set_values_From_Printer();
    const QString saved = custom_print_profile_name;
    if (!Save_Print_Profile(saved, custom_profile_Printer))
        return;
    // An edit under a new name renames: the old file goes once the new one
    // is written. "Default" stays.
    if (edit && name != saved && name != PrintProfileFile::defaultProfileName) {
        Delete_File(PrintProfileFile::pathOf(print_profile_path, name));
        Load_Print_Profile();
    }
    // The window goes on with the profile saved, an added one too: the list
    // rebuilt has loaded its first, and Print would print that one's layout.
    Make_select_on_index(int(ListData_profile.indexOf(saved)));
}

void Print_Wnd::Add_profile_btn_clicked() {
    Add_Edit_Print_Profile(QStringLiteral("A"));
}

void Print_Wnd::Edit_profile_btn_clicked() {
    Add_Edit_Print_Profile(QStringLiteral("E"));
}

void Print_Wnd::Save_profile_btn_clicked() {
    const int row = List_profile->currentRow();
    if (row < 0) {
        Show_MessageBox(QStringLiteral("Please select a print profile"));
        return;
    }
    if (Save_Print_Profile(Get_List_Name_Text(row), Printer_ComboBox->currentText()))
        Make_select_on_index(row);
}

void Print_Wnd::Delete_profile_btn_clicked() {
    const int row = List_profile->currentRow();
    if (row < 0) {
        Show_MessageBox(QStringLiteral("Please select a print profile"));
        return;
    }
    const QString name = Get_List_Name_Text(row);
    if (name == PrintProfileFile::defaultProfileName)
        return;
    if (Show_YES_NO_MessageBox(QStringLiteral("Are you sure want to delete selected 'Print Profile'?")) != 1)
        return;
    Delete_File(PrintProfileFile::pathOf(print_profile_path, name));
    Load_Print_Profile();
}
