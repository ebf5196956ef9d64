#include "imaging/Camera.h"

#include "dialogs/AccessoryViewController.h"
#include "dialogs/DialogRunner.h"
#include "dialogs/Services.h"
#include "foundation/AppPaths.h"
#include "foundation/SKTGraphic.h"
#include "foundation/Utilities.h"
#include "imaging/CameraChoice.h"
#include "imaging/CameraGlobals.h"
#include "imaging/CropView.h"
#include "imaging/MSSCanvas.h"
#include "imaging/MSSCanvasController.h"
#include "imaging/MSSScaledImage.h"
#include "imaging/MSSSelector.h"
#include "imaging/QtFrameSource.h"
#include "mainwindow/AppGlobals.h"
#include "mainwindow/SKTWindowController.h"
#include "production/ExportPicture.h"
#include "production/ProductionGlobals.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

Camera* Camera_window = nullptr;

const QString ConnectCamera = QStringLiteral("Please connect your camera.");
const QString StartCamera = QStringLiteral("Please start camera to capture.");
const QString DefaultName = QStringLiteral("zelk_user_save.png");

QPixmap fitted(const QImage& image, const QSize& box) {
    return image.isNull() ? QPixmap() : QPixmap::fromImage(image.scaled(box, Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

}  // namespace

Camera* Camera::defaultInstance() {
    if (!Camera_window)
        Camera_window = new Camera(Main_App_wnd, std::make_shared<QtFrameSource>(), Main_App_wnd);
    return Camera_window;
}

Camera::Camera(SKTWindowController* hub, std::shared_ptr<zelk::FrameSource> source, QWidget* parent)
    : QDialog(parent), hub_(hub), session_(std::make_unique<CameraSession>(std::move(source), QStringLiteral("CAM"))) {
    setObjectName(QStringLiteral("Camera"));
    setWindowTitle(QStringLiteral("Camera"));
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor::fromRgbF(0.9450980392156862, 0.9568627450980393, 0.9803921568627451));
    setPalette(pal);
    setAutoFillBackground(true);
    if (!Camera_window)
        Camera_window = this;

    auto* layout = new QHBoxLayout(this);
    auto* left = new QVBoxLayout;
    auto* cameraRow = new QHBoxLayout;
    cameraRow->addWidget(new QLabel(QStringLiteral("Camera:")));
    const zelk::CameraLists lists = zelk::makeCameraLists(this, cameraRow, [this] { Get_List_Btn_Clicked(); });
    camera_list = lists.names;
    camera_list->setMinimumWidth(220);
    camera_list_unq_id = lists.ids;
    refresh_btn = lists.refresh;
    start_btn = new QPushButton(QStringLiteral("Start"));
    stop_btn = new QPushButton(QStringLiteral("Stop"));
    cameraRow->addWidget(start_btn);
    cameraRow->addWidget(stop_btn);
    left->addLayout(cameraRow);
    connection_msg_label = new QLabel;
    connection_msg_label->setStyleSheet(QStringLiteral("color: #a03020;"));
    left->addWidget(connection_msg_label);
    // Under the camera row, the camera and the picture being cropped side by
    // side, the settings in a column of their own: low enough for a
    // 1280 x 720 screen.
    auto* pictures = new QHBoxLayout;
    auto* cameraColumn = new QVBoxLayout;
    capture_image = new QLabel;
    capture_image->setObjectName(QStringLiteral("capture_image"));
    capture_image->setFixedSize(400, 300);
    capture_image->setAlignment(Qt::AlignCenter);
    capture_image->setStyleSheet(QStringLiteral("background: #20242c;"));
    cameraColumn->addWidget(capture_image);
    capture_btn = new QPushButton(QStringLiteral("Capture"));
    cameraColumn->addWidget(capture_btn);
    capture_saved_image = new QLabel;
    capture_saved_image->setFixedSize(140, 105);
    capture_saved_image->setAlignment(Qt::AlignCenter);
    capture_saved_image->setFrameShape(QFrame::StyledPanel);
    cameraColumn->addWidget(capture_saved_image, 0, Qt::AlignLeft);
    cameraColumn->addStretch();
    pictures->addLayout(cameraColumn);
    auto* cropColumn = new QVBoxLayout;
    const zelk::CropView view = zelk::makeCropView(QSize(400, 300));
    Modified_image = view.image;
    canvas = view.canvas;
    canvasController = view.controller;
    cropColumn->addWidget(Modified_image);
    cropping_Box = new QGroupBox(QStringLiteral("Crop and Export"));
    {
        auto* c = new QHBoxLayout(cropping_Box);
        enable_cropping_btn = new QCheckBox(QStringLiteral("Enable cropping"));
        crop_btn = new QPushButton(QStringLiteral("Crop"));
        save_btn = new QPushButton(QStringLiteral("Export..."));
        c->addWidget(enable_cropping_btn);
        c->addWidget(crop_btn);
        c->addStretch();
        c->addWidget(save_btn);
    }
    cropColumn->addWidget(cropping_Box);
    cropColumn->addStretch();
    pictures->addLayout(cropColumn);
    left->addLayout(pictures);
    layout->addLayout(left);

    auto* right = new QVBoxLayout;
    right->addWidget(buildEditingBox(this, [this] { Update_Image_With_Settings(); }, [this] { Image_reset_Button(); }));
    auto* folder = new QGroupBox(QStringLiteral("Save pictures in"));
    {
        auto* f = new QHBoxLayout(folder);
        def_save_path = new QLineEdit;
        def_save_path->setReadOnly(true);
        auto* browse = new QPushButton(QStringLiteral("Browse..."));
        auto* reset = new QPushButton(QStringLiteral("Reset"));
        f->addWidget(def_save_path, 1);
        f->addWidget(browse);
        f->addWidget(reset);
        connect(browse, &QPushButton::clicked, this, &Camera::Browse_Path_Clicked);
        connect(reset, &QPushButton::clicked, this, &Camera::Reset_Path_Clicked);
    }
    right->addWidget(folder);
    right->addStretch();
    auto* buttons = new QHBoxLayout;
    Cancel_Btn = new QPushButton(QStringLiteral("Cancel"));
    OK_Btn = new QPushButton(QStringLiteral("OK"));
    buttons->addStretch();
    buttons->addWidget(Cancel_Btn);
    buttons->addWidget(OK_Btn);
    right->addLayout(buttons);
    layout->addLayout(right);

    connect(start_btn, &QPushButton::clicked, this, &Camera::Start_Btn_Clicked);
    connect(stop_btn, &QPushButton::clicked, this, &Camera::Stop_Btn_Clicked);
    connect(capture_btn, &QPushButton::clicked, this, &Camera::Capture_Btn_Clicked);
    connect(enable_cropping_btn, &QCheckBox::toggled, this, &Camera::Enable_Cropping_Clicked);
    connect(crop_btn, &QPushButton::clicked, this, &Camera::Crop_Image_Clicked);
    connect(save_btn, &QPushButton::clicked, this, &Camera::Save_Crop_Image_Clicked);
    connect(OK_Btn, &QPushButton::clicked, this, &Camera::OK_Btn_Clicked);
    connect(Cancel_Btn, &QPushButton::clicked, this, &Camera::Cancel_Btn_Clicked);
    Reset_Image_Editing_Controls();
    Enable_Cropping_Clicked();
}

Camera::~Camera() {
    session_->clear();
    if (Camera_window == this)
        Camera_window = nullptr;
}

// ---------------------------------------------------------------- camera

int Camera::Open_Wnd() {
    Reset_Image_Editing_Controls();
    Image_Edit_Prop_Box->setEnabled(false);
    cropping_Box->setEnabled(false);
    capture_btn->setEnabled(false);
    canvasController->removeAllSelectorsFromCanvas();
    Start_Stop_Btn_State();
    Get_And_Fill_Camera_List();
    connection_msg_label->setText(camera_list->count() == 0 ? ConnectCamera : StartCamera);
    connection_msg_label->show();
    User_Picture = captured_ = QImage();
    capture_saved_image->clear();
    Modified_image->setImage(QImage());
    showNoCamera();
    def_save_path->setText(::Camera_Folder_Path);
    setResult(0);
    return zelk::DialogRunner::run(this);
}

void Camera::showNoCamera() {
    capture_image->setPixmap(fitted(hub_ ? hub_->no_camera_image : QImage(), capture_image->size()));
}

void Camera::showFrame(const QImage& frame) { capture_image->setPixmap(fitted(frame, capture_image->size())); }

void Camera::Get_And_Fill_Camera_List() { zelk::fillCameraLists(camera_list, camera_list_unq_id, session_->list()); }

void Camera::Start_Btn_Clicked() {
    const QString id = zelk::cameraToStart(camera_list_unq_id);
    if (id.isEmpty()) {
        connection_msg_label->setText(ConnectCamera);
        connection_msg_label->show();
        return;
    }
    const bool started = session_->start(id, [this](const QImage& frame) { showFrame(frame); });
    Start_Stop_Btn_State();
    if (!started)
        return;
    capture_btn->setEnabled(true);
    connection_msg_label->hide();
}

void Camera::Stop_Btn_Clicked() {
    session_->stop();
    Start_Stop_Btn_State();
    showNoCamera();
    connection_msg_label->setText(StartCamera);
    connection_msg_label->show();
    capture_btn->setEnabled(false);
}

void Camera::Get_List_Btn_Clicked() {
    session_->stop();
    session_->clear();
    Start_Stop_Btn_State();
    Get_And_Fill_Camera_List();
    capture_btn->setEnabled(false);
    showNoCamera();
    connection_msg_label->setText(camera_list->count() == 0 ? ConnectCamera : StartCamera);
    connection_msg_label->show();
}

void Camera::Capture_Btn_Clicked() {
    if (!session_->hasCapture()) {
        Show_MessageBox(QStringLiteral("Please first select and start the camera."));
        return;
    }
    const QImage taken = session_->takePicture();
    Start_Stop_Btn_State();
    captured_ = taken;
    User_Picture = taken;
    capture_saved_image->setPixmap(fitted(taken, capture_saved_image->size()));
    Update_Image_With_Settings();
    cropping_Box->setEnabled(true);
    Image_Edit_Prop_Box->setEnabled(true);
    capture_btn->setEnabled(false);
}

void Camera::Start_Stop_Btn_State() {
    const bool running = session_->running();
    start_btn->setEnabled(!running);
    stop_btn->setEnabled(running);
    if (!session_->hasCapture())
        return;
    if (running) {
        connection_msg_label->hide();
    } else {
        connection_msg_label->setText(StartCamera);
        connection_msg_label->show();
    }
}

void Camera::Cancel_Btn_Clicked() {
    session_->stop();
    stop_or_continue = 0;
    session_->clear();
    Start_Stop_Btn_State();
    done(0);
}

void Camera::OK_Btn_Clicked() {
    const QImage picture = Modified_image->image();
    if (User_Picture.isNull() || picture.isNull()) {
        Show_MessageBox(QStringLiteral("There is no image to Import. Please capture an image."));
        return;
    }
    session_->stop();
    stop_or_continue = 0;
    session_->clear();
    Start_Stop_Btn_State();
    const QString path = Create_New_Camera_File_Path(::Camera_Capture_Image);
    Create_Folder(QFileInfo(path).absolutePath());
    QString why;
    // Only a written picture is kept: on a failure the window stays open
    // with it, and the path and count are left as they were.
    if (!hub_ || !hub_->Save_gen_image(picture, path, &why)) {
        Show_MessageBox(QStringLiteral("The picture could not be saved:\n\n%1\n\n%2").arg(path, why));
        return;
    }
    ::Camera_Capture_Image = path;
    ++::Camera_Capture_Count;
    done(1);
}

QString Camera::Create_New_Camera_File_Path(const QString& path) {
    if (!QFileInfo::exists(path))
        return path;
    const QFileInfo info(path);
    const QDir folder = info.dir();
    QString candidate = path;
    for (int n = std::max(::Camera_Capture_Count, 1); n < ::Camera_Capture_Count + 100000; ++n) {
        candidate = folder.filePath(QStringLiteral("%1_%2.%3").arg(QStringLiteral("zelk_user_save")).arg(n).arg(info.suffix()));
        if (!QFileInfo::exists(candidate))
            return candidate;
    }
    Show_NSLog_Message(QStringLiteral("No free camera picture name in %1").arg(folder.path()));
    return candidate;
}

// ---------------------------------------------------------------- picture

void Camera::Update_Image_With_Settings() { Modified_image->setImage(storeEditSettings().apply(User_Picture)); }

void Camera::Image_reset_Button() {
    if (Show_YES_NO_MessageBox(QStringLiteral("Are you sure you want to reset image settings?")) != 1)
        return;
    User_Picture = captured_;
    Reset_Image_Editing_Controls();
    Update_Image_With_Settings();
}

void Camera::Enable_Cropping_Clicked() { crop_btn->setEnabled(enable_cropping_btn->isChecked()); }

QSizeF Camera::originalImageRatio() const {
    return zelk::CropPicture::originalImageRatio(zelk::pictureSizeInPoints(Modified_image->image()),
                                                 QSizeF(Modified_image->size()), Modified_image->imageScaling());
}

void Camera::Crop_Image_Clicked() {
    if (!canvasController->hasSelectors()) {
        Show_MessageBox(QStringLiteral("Please select area to crop."));
        return;
    }
    const auto selectors = canvasController->selectors();
    for (const auto& selector : selectors) {
        const QRectF source = zelk::CropPicture::sourceRect(selector->frame(), originalImageRatio());
        const QImage cut = zelk::CropPicture::cut(Modified_image->image(), source);
        if (cut.isNull())
            continue;
        // The cut becomes the picture the settings apply to from now on.
        User_Picture = cut;
        Modified_image->setImage(cut);
    }
    canvasController->removeAllSelectorsFromCanvas();
    canvas->update();
}

void Camera::Export_image_method_2() {
    const QString path = AccessoryViewController::runSavePanel(this, savePanel, accessoryVC);
    if (path.isEmpty())
        return;
    raise();
    // The success box comes only after a write; a failure is reported.
    if (hub_)
        hub_->Export_File_Function(path, zelk::ExportPicture(Modified_image->image()), true, true, false);
}

// ---------------------------------------------------------------- camera folder

void Camera::Browse_Path_Clicked() {
    const QString folder = zelk::chooseFolder(this, QStringLiteral("Select Folder"), ::Camera_Folder_Path);
    if (folder.isEmpty())
        return;
    def_save_path->setText(folder);
    ::Camera_Folder_Path = folder;
    if (hub_ && !hub_->Create_Camera_Path_File())
        Show_NSLog_Message(QStringLiteral("The camera folder could not be recorded."));
    ::Camera_Capture_Image = QDir(folder).filePath(DefaultName);
}

void Camera::Reset_Path_Clicked() {
    ::Camera_Folder_Path = QDir(Created_Resource_Path).filePath(QStringLiteral("Images_save_by_user"));
    if (hub_ && !hub_->Create_Camera_Path_File())
        Show_NSLog_Message(QStringLiteral("The camera folder could not be recorded."));
    def_save_path->setText(::Camera_Folder_Path);
    ::Camera_Capture_Image = QDir(::Camera_Folder_Path).filePath(DefaultName);
}
