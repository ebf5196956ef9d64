#pragma once
// The camera window: takes one picture from a camera for a photo of the
// design or of a card holder. Start shows the live view, Capture keeps the
// last frame shown; the picture may be edited, cropped by a selection and
// exported, and OK saves it into the camera folder, leaving its path in
// Camera_Capture_Image. OK closes only once the picture is written.
#include "imaging/CameraSession.h"
#include "imaging/CropPicture.h"
#include "imaging/ImageEditControls.h"

#include <QDialog>
#include <QImage>
#include <QString>

#include <memory>

class AccessoryViewController;
class MSSCanvas;
class MSSCanvasController;
class MSSScaledImage;
class QCheckBox;
class QComboBox;
class QFileDialog;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class SKTWindowController;

class Camera : public QDialog, public ImageEditControls {
    Q_OBJECT
public:
    static Camera* defaultInstance();
    // `source`: where frames come from (the desktop's: Qt Multimedia).
    Camera(SKTWindowController* hub, std::shared_ptr<zelk::FrameSource> source, QWidget* parent = nullptr);
    ~Camera() override;

    // Runs the window modally: 1 when a picture was saved, 0 on Cancel.
    int Open_Wnd();

    // ---- Camera ----
    void Get_And_Fill_Camera_List();
    void Start_Btn_Clicked();
    void Stop_Btn_Clicked();
    void Get_List_Btn_Clicked();
    void Capture_Btn_Clicked();
    void Start_Stop_Btn_State();
    void Cancel_Btn_Clicked();
    void OK_Btn_Clicked();

    // ---- Picture ----
    void Update_Image_With_Settings();
    void Image_reset_Button();
    void Enable_Cropping_Clicked();
    void Crop_Image_Clicked();
    void Save_Crop_Image_Clicked() { Export_image_method_2(); }
    void Export_image_method_2();

    // ---- Camera folder ----
    void Browse_Path_Clicked();
    void Reset_Path_Clicked();
    // The path itself when no file is there, else "zelk_user_save_N" with
    // its extension in its folder, N counting up from Camera_Capture_Count.
    static QString Create_New_Camera_File_Path(const QString& path);

    CameraSession* session() const { return session_.get(); }
    QSizeF originalImageRatio() const;

    QImage User_Picture;
    QFileDialog* savePanel = nullptr;
    AccessoryViewController* accessoryVC = nullptr;

    QComboBox* camera_list = nullptr;
    QComboBox* camera_list_unq_id = nullptr;
    QLabel* capture_image = nullptr;
    QLabel* capture_saved_image = nullptr;
    MSSScaledImage* Modified_image = nullptr;
    MSSCanvas* canvas = nullptr;
    MSSCanvasController* canvasController = nullptr;
    QLabel* connection_msg_label = nullptr;
    QLineEdit* def_save_path = nullptr;
    QPushButton *start_btn = nullptr, *stop_btn = nullptr, *refresh_btn = nullptr, *capture_btn = nullptr;
    QGroupBox* cropping_Box = nullptr;
    QCheckBox* enable_cropping_btn = nullptr;
    QPushButton *crop_btn = nullptr, *save_btn = nullptr, *OK_Btn = nullptr, *Cancel_Btn = nullptr;

protected:
    void reject() override { Cancel_Btn_Clicked(); }

private:
    void showNoCamera();
    void showFrame(const QImage& frame);

    SKTWindowController* hub_;
    std::unique_ptr<CameraSession> session_;
    QImage captured_;  // the frame as taken, shown in capture_saved_image
};
