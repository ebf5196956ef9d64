// The cropping tool's crop screen: the picture on screen with its editing
// settings, the camera input, the crop methods and the crop of one picture,
// and the list's rows followed on screen.
#include "imaging/Cropping_Tool.h"

#include "datasource/Import_Excel_DataSheet.h"
#include "dialogs/DialogGlobals.h"
#include "dialogs/Open_Export_Log.h"
#include "dialogs/PleaseWait_Modeless.h"
#include "dialogs/Replcae_Confirm_Box.h"
#include "foundation/ModelHost.h"
#include "foundation/SKTGraphic.h"
#include "foundation/Utilities.h"
#include "imaging/CameraChoice.h"
#include "imaging/CropListModel.h"
#include "imaging/FaceFinder.h"
#include "imaging/MSSCanvas.h"
#include "imaging/MSSCanvasController.h"
#include "imaging/MSSScaledImage.h"
#include "mainwindow/AppGlobals.h"
#include "mainwindow/SKTWindowController.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QGroupBox>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QSpinBox>
#include <QTableView>

#include <exception>
#include <optional>

namespace {

const QString OutsideOne =
    QStringLiteral("Nothing of the picture lies inside the selection, and nothing was written for it:\n\n%1");

}  // namespace

void Cropping_Tool::Start_Stop_Btn_State() {
    const bool running = camera_ && camera_->running();
    start_btn->setEnabled(!running);
    stop_btn->setEnabled(running);
    if (running)
        Image_Edit_Prop_Box->setEnabled(false);
}

void Cropping_Tool::Get_And_Fill_Camera_List() {
    zelk::fillCameraLists(camera_list, camera_list_unq_id,
                          camera_ ? camera_->list() : QList<zelk::CroppingCamera::Device>());
}

void Cropping_Tool::Load_Image_File(const QString& path) {
    if (!QFileInfo(path).isFile()) {
        User_Picture = User_Picture_PREVIEW = QImage();
        Modified_image->setImage(QImage());
    } else {
        User_Picture_PREVIEW = zelk::readPicturePreview(path, zelk::PreviewPictureSide);
        Update_Image_With_Settings();
    }
    // During a run the screen only follows the rows.
    if (Crop_All_Thread_Running)
        return;
    if (QFileInfo(path).isFile() && croping_selection == 0 && !User_Picture.isNull()) {
        // Only a selection carried over from the picture before moves back
        // onto this one; a new one starts at its own place.
        const bool carried = canvasController->hasSelectors() && canvasController->currentSelector();
        Show_hide_Crop_Selection(true);
        MSSSelector* s = canvasController->currentSelector();
        if (carried && s) {
            const QSizeF ratio = originalImageRatio();
            const QRectF f = s->frame();
            const QPointF origin(f.x() / ratio.width(), f.y() / ratio.height());
            const QSizeF picture = zelk::pictureSizeInPoints(User_Picture);
            if (!QRectF(QPointF(0, 0), picture).contains(origin)) {
                const QSizeF c = canvasController->canvasFrame().size();
                canvasController->removeAllSelectorsFromCanvas();
                canvasController->addSelectorWithFrame(
                    QRectF(c.width() - f.width(), c.height() - f.height(), f.width(), f.height()));
                Show_hide_Crop_Selection(true);
            }
        }
    }
    Check_And_Set_Selection(false);
}

void Cropping_Tool::Start_Btn_Clicked() {
    // Without a camera installed the lists are empty.
    const QString id = zelk::cameraToStart(camera_list_unq_id);
    if (id.isEmpty() || !camera_)
        return;
    QPointer<Cropping_Tool> self(this);
    const bool started = camera_->start(id, [self](const QImage& frame) {
        if (!self)
            return;
        self->capture_image->setPixmap(QPixmap::fromImage(
            frame.scaled(self->capture_image->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation)));
        if (!self->capture_btn->isEnabled())
            self->capture_btn->setEnabled(true);
    });
    if (started)
        capture_btn->setEnabled(true);
    Start_Stop_Btn_State();
}

void Cropping_Tool::Stop_Camera_Reading() {
    if (!camera_ || !camera_->hasCapture())
        return;
    capture_btn->setEnabled(false);
    camera_->stop();
    Start_Stop_Btn_State();
}

void Cropping_Tool::Stop_Btn_Clicked() { Stop_Camera_Reading(); }

void Cropping_Tool::Refresh_Camera_Clicked() {
    Stop_Camera_Reading();
    if (camera_)
        camera_->clear();
    capture_btn->setEnabled(false);
    Start_Stop_Btn_State();
    Get_And_Fill_Camera_List();
    capture_image->clear();
}

void Cropping_Tool::Capture_Clicked() {
    if (!camera_ || !camera_->hasCapture()) {
        Show_MessageBox(QStringLiteral("Please first select and start the camera."));
        return;
    }
    if (capture_btn->text() == QLatin1String("Capture")) {
        const QImage taken = camera_->takePicture();
        Start_Stop_Btn_State();
        Image_Edit_Prop_Box->setEnabled(true);
        if (!taken.isNull())
            User_Picture = User_Picture_PREVIEW = taken;
        capture_image->hide();
        Modified_image->show();
        Update_Image_With_Settings();
        capture_btn->setText(QStringLiteral("Resume"));
        crop_btn->show();
        Check_And_Set_Selection(false);
        return;
    }
    capture_btn->setText(QStringLiteral("Capture"));
    crop_btn->hide();
    capture_image->show();
    Modified_image->hide();
    Start_Btn_Clicked();
}

void Cropping_Tool::Update_Image_With_Settings(bool) {
    User_Picture = storeEditSettings().apply(User_Picture_PREVIEW);
    Modified_image->setImage(User_Picture);
}

void Cropping_Tool::Image_reset_Button() {
    if (Show_YES_NO_MessageBox(QStringLiteral("Are you sure you want to reset image settings?")) != 1)
        return;
    Reset_Image_Editing_Controls();
    Update_Image_With_Settings();
}

QSizeF Cropping_Tool::originalImageRatio() const {
    return zelk::CropPicture::originalImageRatio(zelk::pictureSizeInPoints(User_Picture), QSizeF(Modified_image->size()),
                                                 Modified_image->imageScaling());
}

void Cropping_Tool::Show_hide_Crop_Selection(bool show) {
    if (!canvasController->hasSelectors() || !canvasController->currentSelector())
        canvasController->addSelectorWithFrame(QRectF(10, 10, 100, 100));
    QRectF last;
    for (const auto& s : canvasController->selectors()) {
        s->Set_selector_show_or_not(show);
        last = s->frame();
    }
    MSSSelector* current = canvasController->currentSelector();
    if (show) {
        canvasController->markAllSelected(true);
        if (current) {
            current->Set_Selector_frame(last);
            current->Set_selector_show_or_not(true);
        }
    } else if (current) {
        current->Set_selector_show_or_not(false);
    }
    canvas->update();
}

void Cropping_Tool::setSizeBoxes(int method, bool faceFound) {
    cropping_wid_size->setEnabled(method == 2);
    const bool face = method == 1 && faceFound;
    extend_face_box->setEnabled(face);
    Face_Size_Text->setEnabled(face);
    Face_Size_Stepper->setEnabled(face);
}

void Cropping_Tool::Check_And_Set_Selection(bool update) {
    switch (croping_selection) {
    case 0:
        Show_hide_Crop_Selection(true);
        if (update)
            Update_Image_With_Settings();
        setSizeBoxes(0, Find_Face);
        break;
    case 1:
        Show_hide_Crop_Selection(false);
        if (update)
            Update_Image_With_Settings();
        cropping_wid_size->setEnabled(false);
        Find_Face_Function_In_Image();
        if (!Find_Face) {
            Show_hide_Crop_Selection(false);
            if (!Crop_All_Thread_Running)
                Show_MessageBox(noFaceMessage());
        } else {
            Show_hide_Crop_Selection(true);
            Face_Rect_Draw_Function();
        }
        setSizeBoxes(1, Find_Face);
        break;
    default:
        Show_hide_Crop_Selection(false);
        if (update)
            Update_Image_With_Settings();
        setSizeBoxes(2, Find_Face);
        break;
    }
}

void Cropping_Tool::cropping_option_CellClick() {
    croping_selection = cropping_option_matrix->checkedId();
    if (input_selection == 2) {
        // The camera's panels follow the method before any face search; the
        // live picture is not cropped.
        setSizeBoxes(croping_selection, true);
        if (camera_ && camera_->running()) {
            Show_MessageBox(QStringLiteral("Please first capture image."));
            return;
        }
    }
    Check_And_Set_Selection(false);
    Modified_image->update();
}

void Cropping_Tool::Set_Default_Cropping_Option() {
    select(cropping_option_matrix, 0);
    croping_selection = 0;
    cropping_wid_size->setEnabled(false);
    aspect_ratio_chk->setChecked(false);
    width_Stepper->setValue(50);
    height_Stepper->setValue(50);
    width_Text->setText(QStringLiteral("50"));
    height_Text->setText(QStringLiteral("50"));
}

void Cropping_Tool::Find_Face_Function_In_Image() {
    if (!faces_)
        faces_ = std::make_unique<zelk::FaceFinder>(cascadePath.isEmpty() ? zelk::FaceFinder::defaultCascadePath()
                                                                          : cascadePath);
    const std::optional<QRect> face = faces_->firstFace(User_Picture);
    Find_Face = face.has_value();
    if (!face) {
        Show_hide_Crop_Selection(false);
        return;
    }
    facePixels_ = *face;
    Find_Face_Rect = QRectF(face->x(), User_Picture.height() - (face->y() + face->height()), face->width(),
                            face->height());
    Face_Rect_Draw_Function();
}

void Cropping_Tool::Face_Rect_Draw_Function() {
    if (!Find_Face)
        return;
    Crop_Rect = zelk::CropPicture::faceCropRect(facePixels_, User_Picture, Face_Size_Stepper->value(),
                                                originalImageRatio());
    if (!canvasController->currentSelector())
        canvasController->addSelectorWithFrame(Crop_Rect);
    MSSSelector* s = canvasController->currentSelector();
    s->Set_selector_show_or_not(false);
    s->Set_Selector_frame(Crop_Rect);
    s->Set_selector_show_or_not(true);
    canvas->update();
    Modified_image->update();
}

void Cropping_Tool::Extend_Face_Size_Changed() { Face_Rect_Draw_Function(); }

void Cropping_Tool::sizeTextEdited(QLineEdit* text) {
    const QString fixed = zelk::CropPicture::sizeText(text->text());
    if (fixed != text->text())
        text->setText(fixed);
    QSpinBox* stepper = text == width_Text ? width_Stepper : height_Stepper;
    const QSignalBlocker block(stepper);
    stepper->setValue(fixed.toInt());
}

bool Cropping_Tool::shownFileUndecoded() const {
    return QFileInfo(Crop_Input_Path).isFile() && User_Picture_PREVIEW.isNull();
}

QString Cropping_Tool::noFaceMessage() const {
    if (shownFileUndecoded())
        return zelk::unreadablePicturesMessage({Crop_Input_Path});
    return QStringLiteral("No face detected.");
}

bool Cropping_Tool::takeCropRect(bool forRun) {
    if (croping_selection == 0 && !canvasController->hasSelectors()) {
        Show_MessageBox(QStringLiteral("Please select area to crop."));
        return false;
    }
    if (croping_selection == 1 && !Find_Face) {
        Show_hide_Crop_Selection(false);
        if (forRun && shownFileUndecoded())
            return true;
        Show_MessageBox(noFaceMessage());
        return false;
    }
    if (croping_selection == 0 || croping_selection == 1)
        Crop_Rect = canvasController->selectors().constLast()->frame();
    return true;
}

zelk::CropNaming Cropping_Tool::cropNaming() const {
    zelk::CropNaming naming;
    naming.folder = Crop_Output_Path;
    naming.customName = output_option_matrix->checkedId() == 1;
    naming.custom = output_custom_name->text();
    naming.formatIndex = output_format_combo->currentIndex();
    naming.crop_num = crop_num;
    return naming;
}

QString Cropping_Tool::Cropped_File_Name() {
    zelk::CropNaming naming = cropNaming();
    const QString path = naming.Cropped_File_Name(Crop_Input_Path);
    crop_num = naming.crop_num;
    return path;
}

zelk::CropSettings Cropping_Tool::cropSettings() const {
    zelk::CropSettings s;
    s.method = croping_selection;
    s.cropRect = Crop_Rect;
    s.viewSize = QSizeF(Modified_image->size());
    s.scaling = Modified_image->imageScaling();
    s.faceMargin = Face_Size_Stepper->value();
    s.width = width_Stepper->value();
    s.height = height_Stepper->value();
    s.keepAspect = aspect_ratio_chk->isChecked();
    s.edit = editSettings();
    return s;
}

bool Cropping_Tool::Crop_Image_Function(const QString& target, bool skipQuestion) {
    croped_file.clear();
    zelk::CropSettings s = cropSettings();
    // On screen the face has been found already: its rectangle is Crop_Rect.
    if (s.method == zelk::CropSettings::Face) {
        if (!Find_Face)
            return false;
        s.method = zelk::CropSettings::Manual;
    }
    const zelk::CropPicture::Result cut = zelk::CropPicture::crop(User_Picture, s, nullptr);
    if (cut.outside)
        Show_MessageBox(OutsideOne.arg(input_selection == 2 ? camera_list->currentText() : Crop_Input_Path));
    if (cut.image.isNull())
        return false;
    const zelk::ExportFileWriter::Result w = zelk::CropJob::writeCrop(cut.image, target, skipQuestion, askReplace);
    if (w.outcome == zelk::ExportFileWriter::Outcome::Failed) {
        Show_MessageBox(QStringLiteral("The file could not be written:\n\n%1\n\n%2").arg(w.path, w.reason));
        return false;
    }
    if (!w.written())
        return false;
    croped_file = w.path;
    ::Export_File_Path = w.path;
    ::check_any_card_exported = 1;
    return true;
}

void Cropping_Tool::clearCropFlags() {
    ::check_any_card_exported = 0;
    Msg_Apply_All_Chk = false;
    Msg_Apply_All_Chk_for_in_use = false;
    Stop_SMS_Sending_Now = false;
    replace_keep_file_flag = 0;
}

void Cropping_Tool::Crop_Single_Image_Clicked() {
    clearCropFlags();
    if (User_Picture.isNull()) {
        Show_MessageBox(QStringLiteral("There is no image to crop."));
        return;
    }
    if (!takeCropRect())
        return;
    Create_Folder(Crop_Output_Path);
    plz_wait_Window->beginSheet(this);
    Crop_Image_Function(Cropped_File_Name(), false);
    plz_wait_Window->endSheet();
    ::Export_File_Message = CroppedMessage;
    Open_Export_File_Box();
}

void Cropping_Tool::Open_Export_File_Box() {
    Crop_All_Thread_Running = false;
    if (::check_any_card_exported != 1 || !hub_)
        return;
    if (!hub_->Open_Export_Files)
        hub_->Open_Export_Files = new Open_Export_Log(hub_);
    Open_Export_Log* box = hub_->Open_Export_Files;
    box->_open_log_chk->setText(QFileInfo(::Export_File_Path).isDir() ? QStringLiteral("Open containing folder.")
                                                                      : QStringLiteral("Open file."));
    box->_open_log_chk->setFocus();
    box->_open_log_path->setText(::Export_File_Path);
    box->_open_log_message->setText(::Export_File_Message);
    box->Export_Back_File_Path.clear();
    box->Open_Wnd();
}

void Cropping_Tool::Mark_List_New_Selection(int row) {
    if (row < 0 || row >= listModel_->rowCount())
        return;
    const QModelIndex index = listModel_->index(row, 0);
    ColList->selectionModel()->select(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    ColList->setCurrentIndex(index);
    ColList->scrollTo(index);
    ColList->setFocus();
}

void Cropping_Tool::showListRow(int row) {
    if (row < 0 || row >= listModel_->rowCount())
        return;
    const QModelIndex index = listModel_->index(row, 0);
    const QScopedValueRollback<bool> quiet(listQuiet_, true);
    ColList->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect |
                                                          QItemSelectionModel::Rows);
    ColList->scrollTo(index);
}

void Cropping_Tool::listSelectionChanged() {
    const QModelIndexList rows = ColList->selectionModel()->selectedRows();
    if (rows.isEmpty() || listQuiet_)
        return;
    try {
        Crop_Input_Path = Get_Item_Text(rows.constFirst().row());
        Load_Image_File(Crop_Input_Path);
    } catch (const std::exception& e) {
        Show_NSLog_Message(QString::fromUtf8(e.what()));
    }
}
