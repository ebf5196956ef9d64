// The image panel's Crop button on the main window: the selected picture,
// or every picture of its series or Excel column, goes through the cropping
// tool, and the graphic takes the result.
#include "mainwindow/SKTWindowController.h"

#include "foundation/Codes.h"
#include "foundation/SKTImage.h"
#include "foundation/Utilities.h"
#include "inspector/DataSourcePanel.h"
#include "inspector/InspectorPanels.h"
#include "inspector/InspectorRules.h"
#include "mainwindow/AppGlobals.h"

#include <QComboBox>
#include <QFileInfo>
#include <exception>
#include <utility>

namespace {

const QString NoPictureMessage =
    QStringLiteral("The selected control does not contains any image with supported extension.");

// The cropping tool's opener, or the note that the tool is not there yet.
template <typename Opener, typename... Args>
int openCroppingTool(const Opener& opener, Args&&... args) {
    if (!opener) {
        SKTWindowController::Show_Not_Available(QStringLiteral("The cropping tool"));
        return 0;
    }
    return opener(std::forward<Args>(args)...);
}

}  // namespace

void SKTWindowController::Cropping_Selected_Image_clicked() {
    if (!inspector_)
        return;
    try {
        if (Check_Multiple_Image_Selection(QStringLiteral("Crop"), true))
            return;
        const std::shared_ptr<SKTGraphic> g = Get_Selected_Graphic();
        auto* image = dynamic_cast<SKTImage*>(g.get());
        if (!image || !zelk::isExactlyImage(image)) {
            Show_MessageBox(QStringLiteral("Please select control."));
            return;
        }
        DataSourcePanel* source = inspector_->source;
        const int type = image->data_source_type;
        const bool group = ::Start_Card_Option == StartMode::GroupList;
        const bool single = type == DataSourceType::Manual || (type == DataSourceType::ExcelColumn && group);
        const bool missing = !QFileInfo(image->_file_path).isFile();
        // The picture before any crop, so that cropping again starts from it.
        const QString picture =
            missing ? QString() : QFileInfo::exists(image->Text_Value) ? image->Text_Value : image->_file_path;
        // Shows what the graphic now holds.
        const auto takeValue = [&](const QString& path, bool set_txt_path_also) {
            Library_Selected_Image_Path = path;
            Set_NS_Text_View_String(source->Manual_image_path, path);
            image->setFilePath(path, set_txt_path_also);
            Update_Image_Graphics(false);
        };

        if (single) {
            if (missing) {
                Show_MessageBox(NoPictureMessage);
                return;
            }
            QString cropped;
            if (openCroppingTool(croppingTool.Open_Wnd_Direct_To_Crop, type, picture, cropped) == 1)
                takeValue(cropped, group);
        } else if (type == DataSourceType::Series) {
            const QString series = Trim_Str(image->batch_list_name);
            if (series.isEmpty() || series == QLatin1String("<--Select-->")) {
                Show_MessageBox(QStringLiteral("Please select the series."));
                return;
            }
            if (missing) {
                Show_MessageBox(NoPictureMessage);
                return;
            }
            QString made;
            if (openCroppingTool(croppingTool.Open_Wnd_Direct_Crop_Series, type, series, made) == 1) {
                // The refilled list announces its selection while the flag
                // is set, so the graphic is not bound twice.
                const auto refill = [&] {
                    ::Not_Draw_Only_Prop_Change = true;
                    Refresh_Data_Set_File_Name_In_Combo(Batch_Series, made);
                    ::Not_Draw_Only_Prop_Change = false;
                };
                refill();
                const int index = Batch_Series->currentIndex();
                image->Set_Batch_List_Name(made);
                image->Set_Batch_List_Index(index);
                takeValue(Get_First_Value_Of_Dataset(made), false);
                refill();
            }
        } else if (type == DataSourceType::ExcelColumn) {
            Calculate_Excel_table_rows();
            const int column = image->excel_col_indx;
            if (column == DataSourceType::None) {
                Show_MessageBox(QStringLiteral("Please select the excel column."));
                return;
            }
            if (missing) {
                Show_MessageBox(NoPictureMessage);
                return;
            }
            int made = DataSourceType::None;
            if (openCroppingTool(croppingTool.Open_Wnd_Direct_Excel_Column, type,
                                 Get_Excel_Column_Name_Of_Index(column), column, made) == 1) {
                ::Not_Draw_Only_Prop_Change = true;
                Fill_Excel_Col_Name_In_Combo(Batch_Series);
                Batch_Series->setCurrentIndex(made);
                ::Not_Draw_Only_Prop_Change = false;
                image->Set_Excel_binding_Index(made);
                takeValue(Get_First_Value_Of_Excel_Binding(made), true);
            }
        }

        // Whatever the crop window answered, the entry panel shows the
        // graphic as it now is.
        if (zelk::isVisitorOrGroupMode(::Start_Card_Option) && Set_User_Image_Control)
            Set_User_Image_Control(::Card_Front_Or_Back, image->_file_path, image->_contents, image->control_ID);
    } catch (const std::exception& e) {
        ::Not_Draw_Only_Prop_Change = false;
        Show_NSLog_Message(QString::fromUtf8(e.what()));
    }
}
