#include "imaging/Cropping_Tool.h"

#include "dialogs/DialogGlobals.h"
#include "dialogs/DialogRunner.h"
#include "dialogs/PleaseWait_Modeless.h"
#include "dialogs/Replcae_Confirm_Box.h"
#include "dialogs/ScreenFit.h"
#include "dialogs/Send_Modeless.h"
#include "foundation/Utilities.h"
#include "imaging/CameraChoice.h"
#include "imaging/CameraGlobals.h"
#include "imaging/CameraSession.h"
#include "imaging/CropListModel.h"
#include "imaging/CropView.h"
#include "imaging/FaceFinder.h"
#include "imaging/MSSCanvasController.h"
#include "imaging/MSSScaledImage.h"
#include "imaging/QtFrameSource.h"
#include "mainwindow/AppGlobals.h"
#include "mainwindow/SKTWindowController.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableView>
#include <QThread>
#include <QVBoxLayout>

#include <algorithm>
#include <exception>

namespace {

Cropping_Tool* Cropping_Tool_window = nullptr;

QRadioButton* radio(QButtonGroup* group, int id, const QString& text) {
    auto* b = new QRadioButton(text);
    group->addButton(b, id);
    return b;
}

}  // namespace

const QString Cropping_Tool::CroppedMessage = QStringLiteral("Image has been cropped successfully.");

void Cropping_Tool::select(QButtonGroup* group, int id) {
    if (QAbstractButton* b = group->button(id))
        b->setChecked(true);
}

Cropping_Tool* Cropping_Tool::defaultInstance() {
    if (!Cropping_Tool_window) {
        Cropping_Tool_window = new Cropping_Tool(Main_App_wnd, Main_App_wnd);
        Cropping_Tool_window->setCamera(
            std::make_unique<CameraSession>(std::make_shared<QtFrameSource>(), QStringLiteral("CROP")));
    }
    return Cropping_Tool_window;
}

Cropping_Tool::Cropping_Tool(SKTWindowController* hub, QWidget* parent) : QDialog(parent), hub_(hub) {
    setWindowTitle(QStringLiteral("Cropping Tool"));
    setObjectName(QStringLiteral("Cropping_Tool"));
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor::fromRgbF(241 / 255.0, 244 / 255.0, 250 / 255.0));
    setPalette(pal);
    setAutoFillBackground(true);
    auto* layout = new QVBoxLayout(this);
    Used_Option = new QLabel(this);
    Used_Option->hide();
    layout->addWidget(Used_Option);
    buildMainScreen();
    buildCropScreen();
    layout->addWidget(Main_Screen_Box);
    layout->addWidget(Crop_Screen_Box);

    button_box = new QWidget(this);
    QHBoxLayout* navigation = buttonRow({{&Back_Btn, "Back", &Cropping_Tool::Back_Btn_Clicked},
                                         {&Next_Btn, "Next", &Cropping_Tool::OK_Btn_Clicked},
                                         {&Cancel_Btn, "Cancel", &Cropping_Tool::Cancel_Btn_Clicked}});
    navigation->setContentsMargins(0, 0, 0, 0);
    button_box->setLayout(navigation);
    layout->addWidget(button_box);

    plz_wait_Window = new PleaseWait_Modeless(this);
    Reset_Image_Editing_Controls();
    Set_Default_Values();
    showCropScreen(false);
}

Cropping_Tool::~Cropping_Tool() {
    if (runThread_) {
        replace_keep_file_flag = 5;
        Stop_SMS_Sending_Now = true;
        runThread_->disconnect(this);
        while (!runThread_->wait(20))
            QCoreApplication::processEvents();
        delete runThread_;
    }
    if (Cropping_Tool_window == this)
        Cropping_Tool_window = nullptr;
}

void Cropping_Tool::buildMainScreen() {
    Main_Screen_Box = new QWidget(this);
    auto* grid = new QGridLayout(Main_Screen_Box);

    auto* input = new QGroupBox(QStringLiteral("Input"));
    auto* in = new QGridLayout(input);
    input_option_matrix = new QButtonGroup(this);
    in->addWidget(radio(input_option_matrix, 0, QStringLiteral("Single image file")), 0, 0);
    File_Box = pathBox(file_path, &Cropping_Tool::File_Browse_Clicked);
    in->addWidget(File_Box, 0, 1);
    in->addWidget(radio(input_option_matrix, 1, QStringLiteral("All images of a folder")), 1, 0);
    Folder_Box = pathBox(folder_path, &Cropping_Tool::Folder_Browse_Clicked);
    in->addWidget(Folder_Box, 1, 1);
    in->addWidget(radio(input_option_matrix, 2, QStringLiteral("Camera")), 2, 0);
    Camera_Box = new QWidget;
    {
        auto* h = new QHBoxLayout(Camera_Box);
        h->setContentsMargins(0, 0, 0, 0);
        const zelk::CameraLists lists = zelk::makeCameraLists(this, h, [this] { Refresh_Camera_Clicked(); });
        camera_list = lists.names;
        camera_list_unq_id = lists.ids;
        refresh_camera_btn = lists.refresh;
    }
    in->addWidget(Camera_Box, 2, 1);
    in->addWidget(radio(input_option_matrix, 3, QStringLiteral("Images of a data series")), 3, 0);
    batch_series_box = new QWidget;
    {
        auto* v = new QGridLayout(batch_series_box);
        v->setContentsMargins(0, 0, 0, 0);
        batch_list = new QComboBox;
        auto* view = new QPushButton(QStringLiteral("View"));
        batch_matrix = new QButtonGroup(this);
        v->addWidget(batch_list, 0, 0, 1, 2);
        v->addWidget(view, 0, 2);
        v->addWidget(radio(batch_matrix, 0, QStringLiteral("Create new series")), 1, 0);
        v->addWidget(radio(batch_matrix, 1, QStringLiteral("Replace selected series")), 1, 1);
        connect(view, &QPushButton::clicked, this, &Cropping_Tool::View_batch_Series_Button);
    }
    in->addWidget(batch_series_box, 3, 1);
    connect(input_option_matrix, &QButtonGroup::idClicked, this, [this] { input_option_CellClick(); });
    grid->addWidget(input, 0, 0);

    auto* output = new QGroupBox(QStringLiteral("Output"));
    auto* out = new QGridLayout(output);
    out->addWidget(new QLabel(QStringLiteral("Output folder:")), 0, 0);
    QWidget* folder = pathBox(output_path, &Cropping_Tool::Output_Browse_Clicked);
    Open_Folder_Btn = new QPushButton(QStringLiteral("Open"));
    folder->layout()->addWidget(Open_Folder_Btn);
    connect(Open_Folder_Btn, &QPushButton::clicked, this, &Cropping_Tool::Open_Output_Folder_Clicked);
    out->addWidget(folder, 0, 1, 1, 3);
    output_option_matrix = new QButtonGroup(this);
    out->addWidget(new QLabel(QStringLiteral("Output name:")), 1, 0);
    out->addWidget(radio(output_option_matrix, 0, QStringLiteral("Input file name")), 1, 1);
    out->addWidget(radio(output_option_matrix, 1, QStringLiteral("Custom name")), 2, 1);
    output_custom_name = new QLineEdit;
    out->addWidget(output_custom_name, 2, 2, 1, 2);
    connect(output_option_matrix, &QButtonGroup::idClicked, this, [this] { output_option_CellClick(); });
    out->addWidget(new QLabel(QStringLiteral("Format:")), 3, 0);
    output_format_combo = new QComboBox;
    output_format_combo->addItems({QStringLiteral("jpg"), QStringLiteral("bmp"), QStringLiteral("png"),
                                   QStringLiteral("tiff")});
    out->addWidget(output_format_combo, 3, 1);
    grid->addWidget(output, 1, 0);
}

QWidget* Cropping_Tool::pathBox(QLineEdit*& field, void (Cropping_Tool::*browsed)()) {
    auto* box = new QWidget;
    auto* h = new QHBoxLayout(box);
    h->setContentsMargins(0, 0, 0, 0);
    field = new QLineEdit;
    auto* browse = new QPushButton(QStringLiteral("Browse..."));
    h->addWidget(field);
    h->addWidget(browse);
    connect(browse, &QPushButton::clicked, this, browsed);
    return box;
}

QHBoxLayout* Cropping_Tool::buttonRow(std::initializer_list<ButtonSpec> buttons) {
    auto* row = new QHBoxLayout;
    row->addStretch();
    for (const ButtonSpec& b : buttons) {
        *b.button = new QPushButton(QString::fromLatin1(b.text));
        row->addWidget(*b.button);
        connect(*b.button, &QPushButton::clicked, this, b.clicked);
    }
    return row;
}

void Cropping_Tool::addValueWithStepper(QGridLayout* grid, int row, const QString& label, QLineEdit*& text,
                                        QSpinBox*& stepper, int lowest, int highest) {
    text = new QLineEdit;
    text->setMaximumWidth(60);
    stepper = new QSpinBox;
    stepper->setRange(lowest, highest);
    grid->addWidget(new QLabel(label), row, 0);
    grid->addWidget(text, row, 1);
    grid->addWidget(stepper, row, 2);
    QLineEdit* t = text;
    connect(stepper, &QSpinBox::valueChanged, this, [t](int v) {
        if (t->text() != QString::number(v))
            t->setText(QString::number(v));
    });
}

void Cropping_Tool::buildCropScreen() {
    // Three columns over the input list: the picture, the crop method with
    // the crop buttons, the editing controls. Low enough for a 1280 x 720
    // screen with the list shown, and nothing stands empty under the picture
    // without it.
    Crop_Screen_Box = new QWidget(this);
    auto* grid = new QGridLayout(Crop_Screen_Box);
    grid->setContentsMargins(0, 0, 0, 0);
    auto* pictures = new QVBoxLayout;
    const zelk::CropView view = zelk::makeCropView(QSize(500, 400));
    Modified_image = view.image;
    canvas = view.canvas;
    canvasController = view.controller;
    capture_image = new QLabel;
    capture_image->setFixedSize(500, 400);
    capture_image->setAlignment(Qt::AlignCenter);
    capture_image->hide();
    pictures->addWidget(Modified_image);
    pictures->addWidget(capture_image);
    pictures->addStretch();
    grid->addLayout(pictures, 0, 0);

    auto* middle = new QVBoxLayout;
    Croping_option_Box = new QGroupBox(QStringLiteral("Crop Method"));
    auto* opt = new QGridLayout(Croping_option_Box);
    cropping_option_matrix = new QButtonGroup(this);
    opt->addWidget(radio(cropping_option_matrix, 0, QStringLiteral("Manual selection")), 0, 0);
    opt->addWidget(radio(cropping_option_matrix, 1, QStringLiteral("Face detection")), 1, 0);
    extend_face_box = new QWidget;
    {
        auto* f = new QGridLayout(extend_face_box);
        f->setContentsMargins(20, 0, 0, 0);
        addValueWithStepper(f, 0, QStringLiteral("Margin (%):"), Face_Size_Text, Face_Size_Stepper, 0, 500);
        connect(Face_Size_Stepper, &QSpinBox::valueChanged, this, [this] { Extend_Face_Size_Changed(); });
        connect(Face_Size_Text, &QLineEdit::textEdited, this,
                [this](const QString& t) { Face_Size_Stepper->setValue(t.trimmed().toInt()); });
    }
    opt->addWidget(extend_face_box, 2, 0);
    opt->addWidget(radio(cropping_option_matrix, 2, QStringLiteral("Given size")), 3, 0);
    cropping_wid_size = new QWidget;
    {
        auto* sizes = new QGridLayout(cropping_wid_size);
        sizes->setContentsMargins(20, 0, 0, 0);
        addValueWithStepper(sizes, 0, QStringLiteral("Width:"), width_Text, width_Stepper, 1, 10000);
        addValueWithStepper(sizes, 1, QStringLiteral("Height:"), height_Text, height_Stepper, 1, 10000);
        for (QLineEdit* t : {width_Text, height_Text})
            connect(t, &QLineEdit::textEdited, this, [this, t] { sizeTextEdited(t); });
        aspect_ratio_chk = new QCheckBox(QStringLiteral("Keep aspect ratio"));
        sizes->addWidget(aspect_ratio_chk, 2, 0, 1, 3);
    }
    opt->addWidget(cropping_wid_size, 4, 0);
    connect(cropping_option_matrix, &QButtonGroup::idClicked, this, [this] { cropping_option_CellClick(); });
    middle->addWidget(Croping_option_Box);

    middle->addLayout(buttonRow({{&start_btn, "Start", &Cropping_Tool::Start_Btn_Clicked},
                                 {&stop_btn, "Stop", &Cropping_Tool::Stop_Btn_Clicked},
                                 {&capture_btn, "Capture", &Cropping_Tool::Capture_Clicked}}));
    for (QPushButton* b : {start_btn, stop_btn, capture_btn})
        b->hide();
    middle->addStretch();
    grid->addLayout(middle, 0, 1);

    auto* right = new QVBoxLayout;
    right->addWidget(buildEditingBox(this, [this] { Update_Image_With_Settings(); }, [this] { Image_reset_Button(); }));
    right->addStretch();
    right->addLayout(buttonRow({{&crop_btn, "Crop", &Cropping_Tool::Crop_Single_Image_Clicked},
                                {&crop_all_btn, "Crop All", &Cropping_Tool::Crop_All_Clicked},
                                {&Crop_direct_Btn, "Crop Image", &Cropping_Tool::Crop_Direct_Image_Clicked},
                                {&Close_direct_Btn, "Close", &Cropping_Tool::Close_Direct_Image_Clicked}}));
    grid->addLayout(right, 0, 2);

    ColList = new QTableView;
    listModel_ = new zelk::CropListModel(ListData, this);
    ColList->setModel(listModel_);
    ColList->setSelectionMode(QAbstractItemView::SingleSelection);
    ColList->setSelectionBehavior(QAbstractItemView::SelectRows);
    ColList->horizontalHeader()->setStretchLastSection(true);
    ColList->verticalHeader()->hide();
    ColList->setColumnWidth(0, 40);
    ColList->setColumnWidth(1, 600);
    ColList->setFixedHeight(150);
    connect(ColList->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &Cropping_Tool::listSelectionChanged);
    grid->addWidget(ColList, 1, 0, 1, 3);
}

void Cropping_Tool::setCamera(std::unique_ptr<zelk::CroppingCamera> camera) {
    camera_ = std::move(camera);
    Set_Default_Values();
}

void Cropping_Tool::showCropScreen(bool crop) {
    // The screen going away is hidden first: both shown for a moment, the
    // window would grow to hold them together and stay that tall.
    (crop ? Main_Screen_Box : Crop_Screen_Box)->hide();
    (crop ? Crop_Screen_Box : Main_Screen_Box)->show();
    // Measured now, with what each screen shows at this moment: a layout
    // keeps its old measures of a hidden window until it is told.
    for (QLayout* l : findChildren<QLayout*>())
        l->invalidate();
    Main_Screen_Box->updateGeometry();
    Crop_Screen_Box->updateGeometry();
    layout()->activate();
    resize(sizeHint());
    zelk::fitOnScreen(this);
}

void Cropping_Tool::fillSeriesList() {
    batch_list->clear();
    batch_list->addItem(QStringLiteral("<--Select-->"));
    if (hub_)
        batch_list->addItems(hub_->Get_datasheet_File_Name_Array());
}

int Cropping_Tool::runModal() {
    setResult(0);
    const int code = zelk::DialogRunner::run(this);
    hide();
    return code;
}

int Cropping_Tool::Open_Wnd() {
    try {
        Reset_Image_Editing_Controls();
        crop_num = crop_direct = croping_selection = input_selection = 0;
        Crop_Rect = QRectF();
        Set_Default_Values();
        Image_Edit_Prop_Box->setEnabled(false);
        fillSeriesList();
        showCropScreen(false);
        showDirectButtons(false);
        crop_all_btn->show();
    } catch (const std::exception& e) {
        Show_MessageBox(QString::fromUtf8(e.what()));
    }
    return runModal();
}

void Cropping_Tool::Set_Default_Values() {
    output_custom_name->setText(QStringLiteral("Untitled"));
    Next_Btn->setEnabled(true);
    Back_Btn->setEnabled(false);
    ListData.clear();
    reloadList();
    Show_Hide_List_Ctrl(true);
    output_format_combo->setCurrentIndex(0);
    select(input_option_matrix, 0);
    select(output_option_matrix, 0);
    select(cropping_option_matrix, 0);
    select(batch_matrix, 0);
    canvasController->removeAllSelectorsFromCanvas();
    Disable_Auto_Face_Radio();
    file_path->clear();
    folder_path->clear();
    output_path->clear();
    Set_Default_Cropping_Option();
    Start_Stop_Btn_State();
    Get_And_Fill_Camera_List();
    User_Picture = User_Picture_PREVIEW = QImage();
    Modified_image->setImage(QImage());
    capture_image->clear();
    File_Box->setEnabled(true);
    for (QWidget* w : {Folder_Box, Camera_Box, batch_series_box, extend_face_box, cropping_wid_size,
                       static_cast<QWidget*>(Face_Size_Text), static_cast<QWidget*>(Face_Size_Stepper),
                       static_cast<QWidget*>(output_custom_name)})
        w->setEnabled(false);
    Face_Size_Stepper->setValue(0);
    Face_Size_Text->setText(QStringLiteral("0"));
    // The camera input needs a camera.
    input_option_matrix->button(2)->setEnabled(camera_ != nullptr);
}

void Cropping_Tool::Disable_Auto_Face_Radio() {
    const bool able = hub_ && hub_->Get_OS_Version() >= 1039 &&
                      (cascadePath.isEmpty() ? zelk::FaceFinder::available() : zelk::FaceFinder(cascadePath).loaded());
    cropping_option_matrix->button(1)->setEnabled(able);
}

bool Cropping_Tool::stopInsteadOfClosing() {
    if (!runThread_)
        return false;
    if (send_modls_wnd)
        send_modls_wnd->Stop_Sending_Pressed();
    return true;
}

void Cropping_Tool::reject() {
    if (crop_direct == 0)
        Cancel_Btn_Clicked();
    else
        Close_Direct_Image_Clicked();
}

void Cropping_Tool::Close_Direct_Image_Clicked() {
    if (!stopInsteadOfClosing())
        Close_Box_With_Cancel();
}

void Cropping_Tool::Cancel_Btn_Clicked() {
    if (stopInsteadOfClosing())
        return;
    Stop_Camera_Reading();
    stop_or_continue = 0;
    if (camera_ && camera_->hasCapture())
        camera_->clear();
    Start_Stop_Btn_State();
    done(0);
}

void Cropping_Tool::showDirectButtons(bool direct) {
    for (QWidget* w : {button_box, static_cast<QWidget*>(Open_Folder_Btn), static_cast<QWidget*>(crop_btn)})
        w->setVisible(!direct);
    Crop_direct_Btn->setVisible(direct);
    Close_direct_Btn->setVisible(direct);
}

void Cropping_Tool::showDirectScreen(int mode, const QString& cropText) {
    Reset_Image_Editing_Controls();
    crop_num = 0;
    croping_selection = 0;
    crop_direct = mode;
    Set_Default_Values();
    showCropScreen(true);
    showDirectButtons(true);
    Used_Option->hide();
    Crop_direct_Btn->setText(cropText);
    input_selection = mode == 1 ? 0 : mode == 2 ? 3 : 4;
    if (mode != 1) {  // a list: the series' or the column's pictures
        Crop_Direct_Path.clear();
        Show_Hide_List_Ctrl(false);
    }
}

int Cropping_Tool::Open_Wnd_Direct_To_Crop(const QString& path) {
    showDirectScreen(1, QStringLiteral("Crop Image"));
    fillSeriesList();
    Crop_Rect = QRectF();
    Crop_Input_Path = path;
    file_path->setText(path);
    return Load_for_Next_Screen() ? runModal() : 0;
}

int Cropping_Tool::Open_Wnd_Direct_Crop_Series(const QString& series) {
    showDirectScreen(2, QStringLiteral("Crop Images"));
    fillSeriesList();
    batch_list->setCurrentIndex(std::max(0, batch_list->findText(series)));
    return Load_for_Next_Screen() ? runModal() : 0;
}

int Cropping_Tool::Open_Wnd_Direct_Excel_Column(const QString& column, int col_index) {
    showDirectScreen(3, QStringLiteral("Crop Image"));
    Passed_Excel_Col_Index = col_index;
    Passed_Excel_Col_Name = column;
    batch_list->clear();
    if (hub_)
        hub_->Fill_Excel_Col_Name_In_Combo(batch_list);
    batch_list->setCurrentIndex(col_index);
    return Load_for_Next_Screen() ? runModal() : 0;
}

void Cropping_Tool::Close_Box_With_OK() {
    hide();
    done(1);
    Show_MessageBox(::Export_File_Message);
}

void Cropping_Tool::Close_Box_With_Cancel() {
    hide();
    done(0);
}
