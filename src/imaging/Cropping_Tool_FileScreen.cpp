// The cropping tool's main screen: the input and output choices, their
// checks, the input list they make and the passage to the crop screen.
#include "imaging/Cropping_Tool.h"

#include "datasource/Data_From_Excel.h"
#include "datasource/SeriesFile.h"
#include "datasource/View_Data_Series.h"
#include "dialogs/Services.h"
#include "foundation/AppPaths.h"
#include "foundation/Utilities.h"
#include "imaging/CameraChoice.h"
#include "imaging/CameraGlobals.h"
#include "imaging/CropListModel.h"
#include "imaging/MSSScaledImage.h"
#include "mainwindow/SKTWindowController.h"
#include "production/ProductionGlobals.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>

#include <exception>
#include <optional>

void Cropping_Tool::input_option_CellClick() {
    input_selection = input_option_matrix->checkedId();
    File_Box->setEnabled(input_selection == 0);
    Folder_Box->setEnabled(input_selection == 1);
    Camera_Box->setEnabled(input_selection == 2);
    batch_series_box->setEnabled(input_selection == 3);
    if (input_selection == 0 || input_selection == 1 || input_selection == 3) {
        output_option_matrix->button(0)->setEnabled(true);
    } else if (input_selection == 2) {
        select(output_option_matrix, 1);
        output_custom_name->setEnabled(true);
        output_option_matrix->button(0)->setEnabled(false);
    }
    if (input_selection == 3 && batch_list->currentIndex() < 0)
        batch_list->setCurrentIndex(0);
}

void Cropping_Tool::output_option_CellClick() {
    output_custom_name->setEnabled(output_option_matrix->checkedId() == 1);
}

void Cropping_Tool::File_Browse_Clicked() {
    QStringList patterns;
    for (const QString& ext : hub_ ? hub_->Allowd_Image_fileTypes : QStringList())
        patterns << QStringLiteral("*.") + ext;
    const QString path = zelk::chooseOpenPath(
        this, QStringLiteral("Select Image"), QStringLiteral("Images (%1)").arg(patterns.join(QLatin1Char(' '))));
    if (!path.isEmpty() && !zelk::refuseUnreadablePicture(path) && !(hub_ && hub_->Image_Is_Over_Size(path, true)))
        file_path->setText(path);
}

void Cropping_Tool::chooseFolderInto(QLineEdit* field, const QString& title) {
    const QString path = zelk::chooseFolder(this, title, field->text());
    if (!path.isEmpty())
        field->setText(path);
}

void Cropping_Tool::Folder_Browse_Clicked() { chooseFolderInto(folder_path, QStringLiteral("Select Folder")); }

void Cropping_Tool::Output_Browse_Clicked() { chooseFolderInto(output_path, QStringLiteral("Select Output Folder")); }

void Cropping_Tool::Open_Output_Folder_Clicked() {
    const QString folder = Trim_Str(output_path->text());
    if (folder.isEmpty())
        Show_MessageBox(QStringLiteral("Please select output folder path."));
    else
        zelk::openLocalPath(folder);
}

QString Cropping_Tool::selectedSeries() const {
    return batch_list->currentIndex() >= 1 ? batch_list->currentText() : QString();
}

void Cropping_Tool::View_batch_Series_Button() {
    if (input_selection == 3) {
        View_Data_Series::openNamed(batch_list->currentText());
    } else if (input_selection == 4) {
        Data_From_Excel::defaultInstance()->Open_Wnd();
    }
}

void Cropping_Tool::Show_Hide_List_Ctrl(bool hide) { ColList->setHidden(hide); }

void Cropping_Tool::OK_Btn_Clicked() {
    try {
        // The input's value, what the user is told when it is missing, and
        // whether the list hides (the camera leaves it as it is).
        QString value;
        QString missing;
        std::optional<bool> hideList;
        switch (input_selection) {
        case 0:
            value = Trim_Str(file_path->text());
            missing = QStringLiteral("Please select input image file path.");
            hideList = true;
            break;
        case 1:
            value = Trim_Str(folder_path->text());
            missing = QStringLiteral("Please select input folder path.");
            hideList = false;
            break;
        case 2:
            value = zelk::chosenCameraId(camera_list_unq_id);
            missing = QStringLiteral("Please select camera.");
            break;
        case 3:
        case 4:
            value = selectedSeries();
            missing = input_selection == 3 ? QStringLiteral("Please select batch series.")
                                           : QStringLiteral("Please select excel column.");
            hideList = false;
            break;
        default:
            break;
        }
        if (value.isEmpty() && !missing.isEmpty()) {
            Show_MessageBox(missing);
            return;
        }
        if (hideList)
            Show_Hide_List_Ctrl(*hideList);
        Crop_Input_Path = value;
        Crop_Output_Path = Trim_Str(output_path->text());
        if (Crop_Output_Path.isEmpty()) {
            Show_MessageBox(QStringLiteral("Please select output folder path."));
            return;
        }
        if (input_selection == 2 && output_option_matrix->checkedId() == 0) {
            Show_MessageBox(QStringLiteral("Please select Custom output file name option."));
            return;
        }
        if (output_option_matrix->checkedId() == 1 &&
            zelk::CropNaming::cleanedCustom(output_custom_name->text()).isEmpty()) {
            Show_MessageBox(QStringLiteral("Please select output file custom name."));
            return;
        }
        // A single file typed in rather than chosen gets the same check.
        if (input_selection == 0 && zelk::refuseUnreadablePicture(Crop_Input_Path))
            return;
        Load_for_Next_Screen();
    } catch (const std::exception& e) {
        Show_MessageBox(QString::fromUtf8(e.what()));
    }
}

bool Cropping_Tool::Load_for_Next_Screen() {
    Find_Face = false;
    Croping_option_Box->setVisible(crop_direct != 1);
    start_btn->hide();
    stop_btn->hide();
    capture_btn->hide();
    Modified_image->show();
    capture_image->hide();
    switch (input_selection) {
    case 0:
        Used_Option->setText(QStringLiteral("Crop Single File"));
        crop_btn->setVisible(crop_direct == 0);
        crop_all_btn->hide();
        Image_Edit_Prop_Box->setEnabled(true);
        ListData.clear();
        Create_List(Crop_Input_Path);
        reloadList();
        Load_Image_File(Crop_Input_Path);
        break;
    case 1: {
        Used_Option->setText(QStringLiteral("Crop Files in Folder"));
        crop_num = 0;
        crop_btn->show();
        crop_all_btn->show();
        Show_Hide_List_Ctrl(false);
        Image_Edit_Prop_Box->setEnabled(true);
        ListData.clear();
        const QStringList allowed = hub_ ? hub_->Allowd_Image_fileTypes : QStringList();
        const QFileInfoList entries = QDir(Crop_Input_Path).entryInfoList(QDir::Files | QDir::NoDotAndDotDot,
                                                                         QDir::Name);
        for (const QFileInfo& e : entries)
            if (e.isFile() && allowed.contains(e.suffix().toLower()) && !(hub_ && hub_->Image_Is_Over_Size(e.filePath(), false)))
                Create_List(e.filePath());
        reloadList();
        break;
    }
    case 2:
        // The camera input's screen is set up by the camera.
        Used_Option->setText(QStringLiteral("Crop Picture from Camera"));
        Show_Hide_List_Ctrl(true);
        capture_image->show();
        Modified_image->hide();
        crop_btn->hide();
        crop_all_btn->hide();
        capture_btn->show();
        capture_btn->setEnabled(false);
        capture_btn->setText(QStringLiteral("Capture"));
        Start_Btn_Clicked();
        break;
    case 3:
    case 4:
        Used_Option->setText(input_selection == 3 ? QStringLiteral("Crop Images of Batch Series")
                                                  : QStringLiteral("Crop Images of Excel"));
        Image_Edit_Prop_Box->setEnabled(true);
        crop_all_btn->setVisible(crop_direct != 2 && crop_direct != 3);
        if (input_selection == 4)
            crop_btn->hide();
        ListData.clear();
        if (batch_list->currentIndex() > 0) {
            if (input_selection == 3) {
                Load_file_Func(batch_list->currentText());
            } else if (hub_) {
                hub_->Calculate_Excel_table_rows();
                for (int row = 0; row < ::Excel_table_rows; ++row)
                    Create_List(hub_->Get_sel_row_col_value_of_Excel(row, Passed_Excel_Col_Index));
            }
        }
        reloadList();
        break;
    default:
        break;
    }

    if ((input_selection == 1 || input_selection == 3 || input_selection == 4) && ListData.isEmpty()) {
        Back_Btn_Clicked();
        Show_MessageBox(input_selection == 1
                            ? QStringLiteral("The selected folder does not contains any image with supported extension.")
                        : input_selection == 3
                            ? QStringLiteral("The selected series does not contains any image with supported extension.")
                            : QStringLiteral(
                                  "The selected control does not contains any image with supported extension."));
        if (crop_direct == 2 || crop_direct == 3)
            Close_Box_With_Cancel();
        return false;
    }
    if (input_selection == 3 && crop_direct == 0) {
        const QString question =
            batch_matrix->checkedId() == 0
                ? QStringLiteral("This action will create new batch series with all new cropped images.\nAre you sure "
                                 "you want to continue?")
                : QStringLiteral("This action will replace selected batch series items with all new cropped "
                                 "images.\nAre you sure you want to continue?");
        if (Show_YES_NO_MessageBox(question) != 1)
            return false;
    }
    if (input_selection == 1 || input_selection == 3 || input_selection == 4) {
        Crop_Input_Path = Get_Item_Text(0);
        Load_Image_File(Crop_Input_Path);
        showListRow(0);
    }
    Next_Btn->setEnabled(false);
    Back_Btn->setEnabled(true);
    showCropScreen(true);
    if (croping_selection == 0)
        Show_hide_Crop_Selection(true);
    return true;
}

void Cropping_Tool::Load_file_Func(const QString& series) {
    const QString text = SeriesFile::readText(SeriesFile::filePath(series, ::Data_Folder_Path));
    const QStringList lines = Trim_Str(text).split(QLatin1Char('\n'));
    const QStringList allowed = hub_ ? hub_->Allowd_Image_fileTypes : QStringList();
    for (const QString& line : lines) {
        if (crop_direct == 2) {
            Create_List(line);
            continue;
        }
        const QFileInfo info(Trim_Str(line));
        if (info.isFile() && allowed.contains(info.suffix().toLower()))
            Create_List(line);
    }
    reloadList();
}

void Cropping_Tool::Back_Btn_Clicked() {
    Show_Hide_List_Ctrl(true);
    Next_Btn->setEnabled(true);
    Back_Btn->setEnabled(false);
    showCropScreen(false);
    Stop_Camera_Reading();
    stop_or_continue = 0;
}

void Cropping_Tool::reloadList() { listModel_->reload(); }

void Cropping_Tool::Create_List(const QString& path) {
    const QString p = Trim_Str(path);
    // The direct series and Excel modes keep empty rows, so that the list
    // stays aligned with the series lines or the Excel rows.
    if (p.isEmpty() && (crop_direct == 0 || crop_direct == 1))
        return;
    QVariantMap row;
    row[QStringLiteral("SNO")] = QString::number(ListData.size() + 1);
    row[QStringLiteral("Image_Path")] = p;
    row[QStringLiteral("IMG_NAME")] = QFileInfo(p).fileName();
    ListData << row;
}

QString Cropping_Tool::Get_Item_Text(int row) const {
    if (row < 0 || row >= ListData.size())
        return QString();
    return ListData.at(row).value(QStringLiteral("Image_Path")).toString();
}
