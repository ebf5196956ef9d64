#include "imaging/Cropping_Tool.h"

#include "datasource/Data_From_Excel.h"
#include "datasource/Import_Excel_DataSheet.h"
#include "datasource/SeriesFile.h"
#include "datasource/View_Data_Series.h"
#include "dialogs/DialogGlobals.h"
#include "dialogs/DialogRunner.h"
#include "dialogs/Open_Export_Log.h"
#include "dialogs/PleaseWait_Modeless.h"
#include "dialogs/Replcae_Confirm_Box.h"
#include "dialogs/Send_Modeless.h"
#include "dialogs/Services.h"
#include "foundation/AppPaths.h"
#include "foundation/ExportNames.h"
#include "foundation/ModelHost.h"
#include "foundation/SKTGraphic.h"
#include "foundation/Utilities.h"
#include "imaging/CameraChoice.h"
#include "imaging/CameraGlobals.h"
#include "imaging/CropView.h"
#include "imaging/CameraSession.h"
#include "imaging/FaceFinder.h"
#include "imaging/MSSCanvas.h"
#include "imaging/MSSCanvasController.h"
#include "imaging/MSSScaledImage.h"
#include "imaging/QtFrameSource.h"
#include "mainwindow/AppGlobals.h"
#include "mainwindow/SKTWindowController.h"
#include "production/ProductionGlobals.h"

#include <QAbstractTableModel>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QScopedValueRollback>
#include <QScreen>
#include <QSpinBox>
#include <QTableView>
#include <QThread>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>

#include <algorithm>
#include <exception>
#include <optional>

namespace {

Cropping_Tool* Cropping_Tool_window = nullptr;

const QString CroppedMessage = QStringLiteral("Image has been cropped successfully.");
const QString OutsideOne =
    QStringLiteral("Nothing of the picture lies inside the selection, and nothing was written for it:\n\n%1");
const QString OutsideMany =
    QStringLiteral("Nothing of these pictures lies inside the selection, and nothing was written for them:\n\n%1");

// The input list as the table shows it: one row per ListData entry, the
// columns by their identifiers.
class CropListModel : public QAbstractTableModel {
public:
    CropListModel(QList<QVariantMap>& rows, QObject* parent) : QAbstractTableModel(parent), rows_(rows) {}
    static QString keyOf(int column) {
        static const char* const keys[] = {"SNO", "Image_Path", "IMG_NAME"};
        return column >= 0 && column < 3 ? QString::fromLatin1(keys[column]) : QString();
    }
    int rowCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : int(rows_.size()); }
    int columnCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : 3; }
    QVariant data(const QModelIndex& index, int role) const override {
        if (!index.isValid() || index.row() >= rows_.size() || (role != Qt::DisplayRole && role != Qt::EditRole))
            return {};
        return rows_.at(index.row()).value(keyOf(index.column()));
    }
    bool setData(const QModelIndex& index, const QVariant& value, int role) override {
        if (!index.isValid() || role != Qt::EditRole || index.row() < 0 || index.row() >= rows_.size())
            return false;
        rows_[index.row()][keyOf(index.column())] = value;
        emit dataChanged(index, index);
        return true;
    }
    Qt::ItemFlags flags(const QModelIndex& index) const override {
        return QAbstractTableModel::flags(index) | Qt::ItemIsEditable;
    }
    QVariant headerData(int section, Qt::Orientation o, int role) const override {
        if (o != Qt::Horizontal || role != Qt::DisplayRole)
            return {};
        static const char* const titles[] = {"No.", "Image Path", "Image Name"};
        return section >= 0 && section < 3 ? QString::fromLatin1(titles[section]) : QVariant();
    }
    void reload() {
        beginResetModel();
        endResetModel();
    }

private:
    QList<QVariantMap>& rows_;
};

QRadioButton* radio(QButtonGroup* group, int id, const QString& text) {
    auto* b = new QRadioButton(text);
    group->addButton(b, id);
    return b;
}

void select(QButtonGroup* group, int id) {
    if (QAbstractButton* b = group->button(id))
        b->setChecked(true);
}

}  // namespace

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
    listModel_ = new CropListModel(ListData, this);
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

// ---------------------------------------------------------------- openers

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
    keepOnScreen();
}

void Cropping_Tool::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    keepOnScreen();
}

QPoint Cropping_Tool::keptOnScreen(const QRect& frame, const QRect& available) {
    QPoint place = frame.topLeft();
    place.rx() -= std::max(0, frame.right() - available.right());
    place.ry() -= std::max(0, frame.bottom() - available.bottom());
    return QPoint(std::max(place.x(), available.left()), std::max(place.y(), available.top()));
}

void Cropping_Tool::keepOnScreen() {
    if (!isVisible() || !screen())
        return;
    const QPoint place = keptOnScreen(frameGeometry(), screen()->availableGeometry());
    if (place != pos())
        move(place);
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
    const auto services = zelk::Services::current();
    if (!services->chooseOpenPath)
        return;
    QStringList patterns;
    for (const QString& ext : hub_ ? hub_->Allowd_Image_fileTypes : QStringList())
        patterns << QStringLiteral("*.") + ext;
    const QString path = services->chooseOpenPath(
        this, QStringLiteral("Select Image"), QStringLiteral("Images (%1)").arg(patterns.join(QLatin1Char(' '))));
    if (!path.isEmpty() && !(hub_ && hub_->Image_Is_Over_Size(path, true)))
        file_path->setText(path);
}

void Cropping_Tool::chooseFolderInto(QLineEdit* field, const QString& title) {
    const auto services = zelk::Services::current();
    if (!services->chooseFolder)
        return;
    const QString path = services->chooseFolder(this, title, field->text());
    if (!path.isEmpty())
        field->setText(path);
}

void Cropping_Tool::Folder_Browse_Clicked() { chooseFolderInto(folder_path, QStringLiteral("Select Folder")); }

void Cropping_Tool::Output_Browse_Clicked() { chooseFolderInto(output_path, QStringLiteral("Select Output Folder")); }

void Cropping_Tool::Open_Output_Folder_Clicked() {
    const auto services = zelk::Services::current();
    if (services->openUrl)
        services->openUrl(QUrl::fromLocalFile(output_path->text()));
}

QString Cropping_Tool::selectedSeries() const {
    return batch_list->currentIndex() >= 1 ? batch_list->currentText() : QString();
}

void Cropping_Tool::View_batch_Series_Button() {
    if (input_selection == 3) {
        const QString name = Trim_Str(batch_list->currentText());
        if (name.isEmpty() || name == QLatin1String("<--Select-->")) {
            Show_MessageBox(QStringLiteral("Please select the series."));
            return;
        }
        View_Data_Series* viewer = View_Data_Series::defaultInstance();
        viewer->file_name = name;
        viewer->Open_Wnd();
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
            Remove_Reserve_Char_In_File_Name(output_custom_name->text()).isEmpty()) {
            Show_MessageBox(QStringLiteral("Please select output file custom name."));
            return;
        }
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

void Cropping_Tool::Back_Btn_Clicked() {
    Show_Hide_List_Ctrl(true);
    Next_Btn->setEnabled(true);
    Back_Btn->setEnabled(false);
    showCropScreen(false);
    Stop_Camera_Reading();
    stop_or_continue = 0;
}

bool Cropping_Tool::stopInsteadOfClosing() {
    if (!runThread_)
        return false;
    const QScopedValueRollback<bool> asking(askingStop_, true);
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

// ---------------------------------------------------------------- camera input

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

// ---------------------------------------------------------------- editing

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

// ---------------------------------------------------------------- crop methods

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
                Show_MessageBox(QStringLiteral("No face detected."));
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

bool Cropping_Tool::takeCropRect() {
    if (croping_selection == 0 && !canvasController->hasSelectors()) {
        Show_MessageBox(QStringLiteral("Please select area to crop."));
        return false;
    }
    if (croping_selection == 1 && !Find_Face) {
        Show_hide_Crop_Selection(false);
        Show_MessageBox(QStringLiteral("No face detected."));
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

// ---------------------------------------------------------------- direct modes

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

void Cropping_Tool::Crop_Direct_Image_Clicked() {
    clearCropFlags();
    if (crop_direct == 1 && User_Picture.isNull()) {
        Show_MessageBox(QStringLiteral("There is no image to crop."));
        return;
    }
    if (croping_selection == 0) {
        if (!takeCropRect())
            return;
        // A rectangle without width or height crops nothing.
        if (crop_direct == 1 && Crop_Rect.normalized().isEmpty()) {
            Show_MessageBox(QStringLiteral("Please select area to crop."));
            return;
        }
    }
    if (crop_direct == 1) {
        plz_wait_Window->beginSheet(this);
        raise();
        Crop_Output_Path = ::Cropped_Img_Path;
        Create_Folder(Crop_Output_Path);
        Crop_Direct_Path = hub_ ? hub_->Check_Exist_Path_and_Create_New(
                                      QDir(Crop_Output_Path).filePath(QFileInfo(Crop_Input_Path).fileName()))
                                : QString();
        const bool written = Crop_Image_Function(Crop_Direct_Path, true);
        plz_wait_Window->endSheet();
        // A failed write has said why; the tool stays open.
        if (!written)
            return;
        Crop_Direct_Path = croped_file;
        const bool reminder = ::Start_Card_Option == QLatin1String("G") && ctrl_data_source_type == 2;
        ::Export_File_Message =
            reminder ? CroppedMessage + QStringLiteral("\n\nPlease click on 'Save Details' button to update your "
                                                       "changes in your project data.")
                     : CroppedMessage;
        Close_Box_With_OK();
        return;
    }
    const QString question =
        crop_direct == 2
            ? QStringLiteral("This action will create new batch series with all new cropped images.\nAre you sure you "
                             "want to continue?")
            : QStringLiteral("This action will create new excel column with all new cropped images.\nAre you sure you "
                             "want to continue?");
    if (Show_YES_NO_MessageBox(question) != 1)
        return;
    Crop_Output_Path = ::Cropped_Img_Path;
    Crop_All_Clicked();
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

// ---------------------------------------------------------------- list

void Cropping_Tool::reloadList() { static_cast<CropListModel*>(listModel_)->reload(); }

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

// ---------------------------------------------------------------- batch run

void Cropping_Tool::Crop_All_Clicked() {
    if (runThread_)
        return;
    Crop_All_Thread_Running = false;
    clearCropFlags();
    try {
        prepareRun();
    } catch (const std::exception& e) {
        // Whatever failed, the sheet does not stay over the tool.
        if (send_modls_wnd && !runThread_)
            send_modls_wnd->endSheet();
        Crop_All_Thread_Running = false;
        Show_MessageBox(QString::fromUtf8(e.what()));
    }
}

bool Cropping_Tool::prepareRun() {
    if (!takeCropRect())
        return false;
    list_count = int(ListData.size());

    // A sheet of the tool's own: one borrowed from the main window would be
    // reparented here and could die with the tool.
    if (!send_modls_wnd)
        send_modls_wnd = new Send_Modeless(this);
    send_modls_wnd->prepareJob(list_count, QStringLiteral("%1 / %2").arg(0).arg(list_count));
    send_modls_wnd->curr_msg_count_str = QStringLiteral("%1 / %2").arg(0).arg(list_count);
    Create_Folder(Crop_Output_Path);

    seriesPath_.clear();
    replaceSeries_ = false;
    excelColumn_.clear();
    if (input_selection == 3) {
        const QString name = selectedSeries();
        replaceSeries_ = crop_direct == 0 && batch_matrix->checkedId() != 0;
        const QString base = QDir(::Data_Folder_Path)
                                 .filePath(replaceSeries_ ? name + QLatin1Char('.') + ::batch_file_EXT
                                                          : Remove_Reserve_Char_In_File_Name(name) +
                                                                QLatin1Char('.') + ::batch_file_EXT);
        seriesPath_ = replaceSeries_ ? base : hub_ ? hub_->Check_Exist_Path_and_Create_New(base) : base;
        const QString written = QFileInfo(seriesPath_).completeBaseName();
        if (crop_direct == 2) {
            Crop_Direct_Series = written;
            Crop_Output_Path = QDir(Crop_Output_Path).filePath(written);
            Create_Folder(Crop_Output_Path);
        }
        // The series is written when the run ends; its folder must be there.
        if (name.isEmpty() || !Create_Folder(::Data_Folder_Path) || QFileInfo(seriesPath_).isDir()) {
            Show_MessageBox(QStringLiteral("Error in series file accessing."));
            return false;
        }
    }
    if (input_selection == 4 && crop_direct == 3) {
        Data_From_Excel* excel = Data_From_Excel::defaultInstance();
        const int n = int(excel->ColList().size());
        const QString title = QStringLiteral("Column %1").arg(n + 1);
        excelColumn_ = excel->addDataColumn(title);
        excel->reloadData();
        Crop_New_Excel_Col_Index = n;
        Crop_New_Excel_Col_Name = excelColumn_;
        Crop_Output_Path = QDir(Crop_Output_Path).filePath(title);
        Create_Folder(Crop_Output_Path);
    }

    zelk::CropJob::Settings s;
    s.crop = cropSettings();
    s.naming = cropNaming();
    for (int i = 0; i < ListData.size(); ++i)
        s.rows << Get_Item_Text(i);
    s.crop_direct = crop_direct;
    s.cascadePath = cascadePath;
    job_ = std::make_shared<zelk::CropJob>(s, askReplace);
    // The screen follows the rows; the worker does not wait for it.
    QPointer<Cropping_Tool> self(this);
    job_->rowStarted = [self](int row) {
        QMetaObject::invokeMethod(
            self, [self, row] {
                if (self)
                    self->followRow(row);
            },
            Qt::QueuedConnection);
    };
    std::shared_ptr<const zelk::CropJob> job = job_;
    send_modls_wnd->beginSheet(this, [job] { return job->rowsDone(); });
    Show_hide_Crop_Selection(false);
    Crop_All_Thread_Running = true;
    runThread_ = QThread::create([job = job_] { job->run(); });
    connect(runThread_, &QThread::finished, this, &Cropping_Tool::finishRun, Qt::QueuedConnection);
    runThread_->start();
    return true;
}

void Cropping_Tool::followRow(int row) {
    if (Crop_All_Thread_Running)
        Mark_List_New_Selection(row);
}

void Cropping_Tool::finishRun() {
    if (!runThread_)
        return;
    // A run that ends while its stop question is open ends once it is
    // answered, not under it.
    if (askingStop_) {
        QTimer::singleShot(50, this, &Cropping_Tool::finishRun);
        return;
    }
    runThread_->wait();
    delete runThread_;
    runThread_ = nullptr;
    const std::shared_ptr<zelk::CropJob> job = std::move(job_);
    Crop_All_Thread_Running = false;
    crop_num = job->crop_num();
    croped_file = job->results().isEmpty() ? QString() : job->results().constLast();
    if (job->filesWritten() > 0)
        ::check_any_card_exported = 1;

    bool seriesFailed = false;
    bool seriesKept = false;
    if (!seriesPath_.isEmpty()) {
        // A replaced series changes only when the run went through; a new
        // one holds the rows done.
        const bool whole = !job->stopped() && job->failure().isEmpty();
        if (replaceSeries_ && !whole)
            seriesKept = true;
        else if (!SeriesFile::write(seriesPath_, job->results()))
            seriesFailed = true;
        // The list keeps its placeholder and the series it showed.
        const QString shown = batch_list->currentText();
        fillSeriesList();
        batch_list->setCurrentIndex(std::max(0, batch_list->findText(shown)));
    }
    if (!excelColumn_.isEmpty()) {
        Data_From_Excel* excel = Data_From_Excel::defaultInstance();
        for (int row = 0; row < excel->ListData.size(); ++row)
            excel->ListData[row][excelColumn_] = row < job->results().size() ? job->results().at(row) : QString();
        excel->reloadData();
    }
    // The screen ends on the last row's picture: in face mode its own face
    // (searched quietly) places the selection, not the first picture's.
    if (croping_selection == 1) {
        Crop_All_Thread_Running = true;
        Find_Face_Function_In_Image();
        Crop_All_Thread_Running = false;
    }
    if (croping_selection == 0 || (croping_selection == 1 && Find_Face))
        Show_hide_Crop_Selection(true);
    send_modls_wnd->update_sending_progress_bar();
    ::curr_msg_count_str = send_modls_wnd->curr_msg_count_str;
    send_modls_wnd->endSheet();

    if (seriesFailed) {
        Show_MessageBox(QStringLiteral("Error in series file accessing."));
        return;
    }
    if (!job->failure().isEmpty())
        Show_MessageBox(QStringLiteral("The file could not be written:\n\n%1").arg(job->failure()));
    if (!job->outside().isEmpty())
        Show_MessageBox(OutsideMany.arg(job->outside().join(QLatin1Char('\n'))));
    ::Export_File_Path = Crop_Output_Path;
    ::Export_File_Message =
        seriesKept               ? QStringLiteral("Cropping was stopped. The series has not been changed.")
        : job->outside().isEmpty() ? CroppedMessage
                                   : QStringLiteral("%1 of %2 images have been cropped.")
                                         .arg(job->filesWritten())
                                         .arg(job->total());
    if (crop_direct == 2 || crop_direct == 3)
        Close_Box_With_OK();
    else
        Open_Export_File_Box();
}
