// The image and signature panels on the main window: writing them into the
// selected graphics, the photo filter chain every picture load runs, and the
// sources of a picture (file, image library, camera).
#include "mainwindow/SKTWindowController.h"

#include "canvas/SKTGraphicView.h"
#include "dialogs/Services.h"
#include "foundation/SKTImage.h"
#include "foundation/SKTSignature.h"
#include "foundation/Utilities.h"
#include "inspector/ColorWell.h"
#include "inspector/DataSourcePanel.h"
#include "inspector/DoubleSlider.h"
#include "inspector/ImagePanel.h"
#include "inspector/InspectorPanels.h"
#include "inspector/InspectorRules.h"
#include "inspector/PanelKit.h"
#include "inspector/SelectionWriter.h"
#include "inspector/SignaturePanel.h"
#include "inspector/face/ImageProcesser.h"
#include "mainwindow/AppGlobals.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QThread>
#include <cmath>
#include <exception>

namespace {

// The picture is there to be drawn: loaded, not empty, and its file exists.
bool pictureThere(const QImage& picture, const QString& path) {
    return !picture.isNull() && !picture.size().isEmpty() && !path.isEmpty() && QFileInfo::exists(path);
}

// The rotation the filter chain takes: whole degrees; a value that is no
// number turns nothing.
qint32 wholeDegrees(float degrees) {
    return std::isfinite(degrees) ? qint32(std::fmod(degrees, 360.0f)) : 0;
}

}  // namespace

// ---------------------------------------------------------------- wiring

void SKTWindowController::wireImageAndSignaturePanels() {
    ImagePanel* i = inspector_->image;
    const auto update = [this](bool apply_filters) {
        return [this, apply_filters] { Update_Image_Graphics(apply_filters); };
    };
    connect(i->Image_border_chk, &QCheckBox::clicked, this, [this, i] {
        SetObjEnabled(i->Image_Border_Box, i->Image_border_chk->isChecked());
        Update_Image_Graphics(false);
    });
    connect(i->Image_bor_Stepper, &QSpinBox::valueChanged, this, update(false));
    connect(i->Image_bordr_clr, &ColorWell::colorPicked, this, update(false));
    connect(i->draw_image_filter_chkbox, &QCheckBox::clicked, this, [this, i] {
        SetObjEnabled(i->Image_Edit_Prop_Box, true);
        Update_Image_Graphics(true);
    });
    for (QCheckBox* box : {i->Image_Gray_Scale_chk, i->Image_Sepia_chk, i->Image_Invert_chk, i->Image_FIV_chk,
                           i->Image_FIH_chk})
        connect(box, &QCheckBox::clicked, this, update(true));
    // A slider and its value field follow each other; the rotation field
    // is also the rotation stepper and keeps to whole degrees.
    for (const auto& pair : i->sliderPairs()) {
        // Plain variables: clang before 16 cannot capture a structured binding.
        DoubleSlider* const slider = pair.first;
        QDoubleSpinBox* const field = pair.second;
        const bool filters = slider != i->Trsp_slidr;  // transparency is drawn, not filtered
        const bool rotation = slider == i->Rotate_slidr;
        connect(slider, &DoubleSlider::doubleValueChanged, this, [this, field, filters](double value) {
            zelk::setQuietly(field, value);
            Update_Image_Graphics(filters);
        });
        connect(field, &QDoubleSpinBox::valueChanged, this, [this, slider, field, filters, rotation](double value) {
            zelk::setQuietly(slider, rotation ? std::trunc(value) : value);
            if (rotation)
                zelk::setQuietly(field, std::trunc(slider->doubleValue()));
            Update_Image_Graphics(filters);
        });
    }
    connect(i->image_reset_btn, &QPushButton::clicked, this, &SKTWindowController::Image_reset_Button);
    connect(i->Image_border_style, &QComboBox::currentIndexChanged, this,
            [this, i] { comboBoxSelectionDidChange(i->Image_border_style); });

    DataSourcePanel* d = inspector_->source;
    connect(d->manual_browse_btn, &QPushButton::clicked, this, &SKTWindowController::Manual_Image_Browse_Btn);
    connect(d->manual_library_btn, &QPushButton::clicked, this, &SKTWindowController::Manual_Library_Browse_Btn);
    connect(d->camera_btn, &QPushButton::clicked, this, &SKTWindowController::Open_Camera_Clicked);
    connect(d->crop_btn, &QPushButton::clicked, this, &SKTWindowController::Cropping_Selected_Image_clicked);
    connect(d->view_series_btn, &QPushButton::clicked, this, &SKTWindowController::View_batch_Series_Button);
    for (QComboBox* combo : {Data_source_type, Batch_Series})
        connect(combo, &QComboBox::currentIndexChanged, this, [this, combo] { comboBoxSelectionDidChange(combo); });

    SignaturePanel* s = inspector_->signature;
    connect(s->sign_browse_btn, &QPushButton::clicked, this, &SKTWindowController::Sign_Browse_Btn);
    connect(s->Sign_border_chk, &QCheckBox::clicked, this, [this, s] {
        SetObjEnabled(s->Sign_Border_Box, s->Sign_border_chk->isChecked());
        Update_Sign_Graphics();
    });
    connect(s->Sign_bor_Stepper, &QSpinBox::valueChanged, this, &SKTWindowController::Update_Sign_Graphics);
    connect(s->Sign_bordr_clr, &ColorWell::colorPicked, this, &SKTWindowController::Update_Sign_Graphics);
    connect(s->Sign_border_style, &QComboBox::currentIndexChanged, this,
            [this, s] { comboBoxSelectionDidChange(s->Sign_border_style); });
}

// ---------------------------------------------------------------- the filter chain

QImage SKTWindowController::Get_Image_With_Update_Settings(const SKTGraphic& g) {
    const QImage result = ImageProcesser::Get_Processed_Image_Full_Combined(
        g._contents, g.gray_Scale, g.Sepia, g.invert_clr, g.hue_val, g.sat_val, g.brt_val, g.con_val,
        wholeDegrees(g.rotate_image), g.srp_val, g.ev_val, g.blr_val, g.img_trnsp_val, true,
        g._isFlippedHorizontally, g._isFlippedVertically, false, g._bounds);
    // Pictures may load away from the window's thread; its label is not theirs to touch.
    if (inspector_ && QThread::currentThread() == thread())
        inspector_->source->invalid_source_label->setVisible(!pictureThere(result, g._file_path));
    return result;
}

// ---------------------------------------------------------------- image panel

void SKTWindowController::Update_Image_Graphics(bool apply_filters) {
    if (::Not_Draw_Only_Prop_Change || !inspector_)
        return;
    const QString path = inspector_->source->Manual_image_path->toPlainText();
    const int print = zelk::stateOf(inspector_->print_object_chk);
    // The path shown belongs to one picture: with several selected, or in the
    // visitor and group modes (which fill the pictures), it stays put.
    const bool visitorOrGroup = zelk::isVisitorOrGroupMode(::Start_Card_Option);
    if (!zelk::writeSelected(currentCanvas(), zelk::isExactlyImage, [&](SKTGraphic& g, qsizetype selected) {
            g.print_object = print;
            inspector_->image->writeTo(g);
            if (!visitorOrGroup && selected == 1)
                g._file_path = path;
            if (apply_filters)
                g._contents_with_settings = Get_Image_With_Update_Settings(g);
            else
                inspector_->source->invalid_source_label->setVisible(!pictureThere(g._contents, g._file_path));
        }))
        return;
    Refresh_Canvas();
    Insert_In_Undo_Redo();
}

void SKTWindowController::Reset_Image_Editing_Controls() {
    if (inspector_)
        inspector_->image->resetControls();
}

void SKTWindowController::Image_reset_Button() {
    if (!inspector_ || Show_YES_NO_MessageBox(QStringLiteral("Are you sure you want to reset image settings?")) != 1)
        return;
    Reset_Image_Editing_Controls();
    for (const std::shared_ptr<SKTGraphic>& g : currentCanvas()->selectedGraphics()) {
        auto* image = dynamic_cast<SKTImage*>(g.get());
        if (!image || !zelk::isExactlyImage(image) || image->ctrl_is_locked)
            continue;
        // The picture before any crop, when it is still there.
        const QString path = QFileInfo::exists(image->Text_Value) ? image->Text_Value : image->_file_path;
        Set_NS_Text_View_String(inspector_->source->Manual_image_path, path);
        image->setFilePath(path, true);
    }
    if (zelk::isVisitorOrGroupMode(::Start_Card_Option) && Set_User_Image_Control)
        if (const std::shared_ptr<SKTGraphic> g = Get_Selected_Graphic())
            Set_User_Image_Control(::Card_Front_Or_Back, g->_file_path, g->_contents, g->control_ID);
    Update_Image_Graphics(true);
}

void SKTWindowController::Set_Image_On_Card_Control(const QString& path) {
    if (!inspector_)
        return;
    try {
        const std::shared_ptr<SKTGraphic> g = Get_Selected_Graphic();
        auto* image = dynamic_cast<SKTImage*>(g.get());
        if (!image || !zelk::isExactlyImage(image))
            return;
        // A file that holds no picture (an empty one) is not taken: the photo
        // keeps its own, and the user hears it at once, wherever the panel
        // is scrolled to.
        if (zelk::refuseUnreadablePicture(path)) {
            Set_NS_Text_View_String(inspector_->source->Manual_image_path, image->_file_path);
            return;
        }
        image->setFilePath(path, true);
        Set_NS_Text_View_String(inspector_->source->Manual_image_path, path);
        Update_Image_Graphics(true);
    } catch (const std::exception& e) {
        Show_MessageBox(QString::fromUtf8(e.what()));
    }
}

// ---------------------------------------------------------------- picture sources

bool SKTWindowController::Browse_User_Image_Manually() {
    const QString path = Convert_Path_From_URL(zelk::chooseOpenPath(
        this, tr("Picture"), zelk::pictureFileFilter(Allowd_Image_fileTypes)));
    if (path.isEmpty() || Image_Is_Over_Size(path, true)) {
        Library_Selected_Image_Path.clear();
        return false;
    }
    Library_Selected_Image_Path = path;
    if (inspector_)
        Set_NS_Text_View_String(inspector_->source->Manual_image_path, path);
    return true;
}

void SKTWindowController::Manual_Image_Browse_Btn() {
    if (Check_Multiple_Image_Selection(QStringLiteral("Browse"), true))
        return;
    if (Browse_User_Image_Manually())
        Set_Image_On_Card_Control(Library_Selected_Image_Path);
}

int SKTWindowController::Open_Image_Library_Window(const QString& category) {
    if (!imageLibraryWindow) {
        Show_Not_Available(QStringLiteral("The image library"));
        return 0;
    }
    QString chosen;
    const int result = imageLibraryWindow(category, chosen);
    if (result == 1)
        lib_window_sel_file = chosen;
    return result;
}

void SKTWindowController::Manual_Library_Browse_Btn() {
    if (Check_Multiple_Image_Selection(QStringLiteral("Select"), true))
        return;
    if (Open_Image_Library_Window(QStringLiteral("C")) != 1)
        return;
    Library_Selected_Image_Path = lib_window_sel_file;
    Set_Image_On_Card_Control(Library_Selected_Image_Path);
}

void SKTWindowController::Open_Camera_Clicked() {
    if (Check_Multiple_Image_Selection(QStringLiteral("Capture"), true))
        return;
    if (!cameraWindow) {
        Show_Not_Available(QStringLiteral("The camera"));
        return;
    }
    if (cameraWindow() == 1)
        Set_Image_On_Card_Control(::Camera_Capture_Image);
}

void SKTWindowController::Update_frame_Main_Photo_And_Path(const QString&, bool) {}

// ---------------------------------------------------------------- signature panel

void SKTWindowController::Sign_Browse_Btn() {
    if (!inspector_)
        return;
    const QString path = Convert_Path_From_URL(zelk::chooseOpenPath(
        this, tr("Signature"), zelk::pictureFileFilter({QStringLiteral("png")})));
    // One that holds no picture is refused aloud; the signature keeps its own.
    if (path.isEmpty() || zelk::refuseUnreadablePicture(path) || Image_Is_Over_Size(path, true))
        return;
    zelk::setQuietly(inspector_->signature->Sign_image_path, path);
    Update_Sign_Graphics();
}

void SKTWindowController::Update_Sign_Graphics() {
    if (::Not_Draw_Only_Prop_Change || !inspector_)
        return;
    SKTGraphicView* canvas = currentCanvas();
    const GraphicList selected = canvas->selectedGraphics();
    if (selected.isEmpty())
        return;
    SignaturePanel* s = inspector_->signature;
    const QString path = s->Sign_image_path->toPlainText();
    const int print = zelk::stateOf(inspector_->print_object_chk);
    for (const std::shared_ptr<SKTGraphic>& g : selected) {
        auto* signature = dynamic_cast<SKTSignature*>(g.get());
        if (!signature || !zelk::isExactlySignature(signature) || signature->ctrl_is_locked)
            continue;
        signature->print_object = print;
        s->writeTo(*signature);
        signature->_file_path = path;
        signature->setFilePath(path);
        canvas->startEditingGraphic(g);
    }
    Refresh_Canvas();
    Insert_In_Undo_Redo();
}
