// The main window's cropping command, the openers through which the
// picture panel crops the selected picture, its series or its Excel column,
// and the openers of the camera window and the image library.
#include "mainwindow/SKTWindowController.h"

#include "imaging/Camera.h"
#include "imaging/CroppingCommand.h"
#include "imaging/Cropping_Tool.h"
#include "imaging/Image_Library.h"

void SKTWindowController::Cropping_Tool_Clicked() {
    Cropping_Tool::defaultInstance()->Open_Wnd();
    Refresh_All_Series_Combobox();
}

void CroppingCommand::install(SKTWindowController& window) {
    window.cameraWindow = [] { return Camera::defaultInstance()->Open_Wnd(); };
    window.imageLibraryWindow = [](const QString& control_or_BG, QString& selected_image) {
        Image_Library* library = Image_Library::defaultInstance();
        library->control_or_BG = control_or_BG;
        const int code = library->Open_Library_Window();
        if (code == 1)
            selected_image = library->selected_image;
        return code;
    };
    window.croppingTool.Open_Wnd_Direct_To_Crop = [](int type, const QString& path, QString& Crop_Direct_Path) {
        Cropping_Tool* tool = Cropping_Tool::defaultInstance();
        tool->ctrl_data_source_type = type;
        const int code = tool->Open_Wnd_Direct_To_Crop(path);
        if (code == 1)
            Crop_Direct_Path = tool->Crop_Direct_Path;
        return code;
    };
    window.croppingTool.Open_Wnd_Direct_Crop_Series = [](int type, const QString& series,
                                                         QString& Crop_Direct_Series) {
        Cropping_Tool* tool = Cropping_Tool::defaultInstance();
        tool->ctrl_data_source_type = type;
        const int code = tool->Open_Wnd_Direct_Crop_Series(series);
        if (code == 1)
            Crop_Direct_Series = tool->Crop_Direct_Series;
        return code;
    };
    window.croppingTool.Open_Wnd_Direct_Excel_Column = [](int type, const QString& column, int col_index,
                                                          int& Crop_New_Excel_Col_Index) {
        Cropping_Tool* tool = Cropping_Tool::defaultInstance();
        tool->ctrl_data_source_type = type;
        const int code = tool->Open_Wnd_Direct_Excel_Column(column, col_index);
        if (code == 1)
            Crop_New_Excel_Col_Index = tool->Crop_New_Excel_Col_Index;
        return code;
    };
}
