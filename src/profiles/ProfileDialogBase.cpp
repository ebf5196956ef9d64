#include "profiles/ProfileDialogBase.h"

#include "datasource/Data_From_Excel.h"
#include "datasource/Import_Excel.h"
#include "datasource/View_Data_Series.h"
#include "dialogs/DialogStyle.h"
#include "dialogs/Services.h"
#include "foundation/Codes.h"
#include "foundation/Utilities.h"
#include "foundation/WorkbookPicturePath.h"
#include "mainwindow/AppGlobals.h"
#include "mainwindow/SKTWindowController.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStyle>
#include <QVBoxLayout>

#include <algorithm>
#include <exception>

bool Browse_Excel_AGAIN = false;

namespace zelk {

namespace {

QString reasonOf(const std::exception& e) { return QString::fromLocal8Bit(e.what()); }

QPushButton* button(const QString& name, const QString& text, QWidget* parent) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(name);
    b->setAutoDefault(false);
    return b;
}

}  // namespace

ProfileDialogBase::ProfileDialogBase(const QString& objectName, QWidget* parent) : QDialog(parent) {
    setObjectName(objectName);
    setModal(true);
    applyDialogBackground(this);
}

SKTWindowController& ProfileDialogBase::hub() { return *Main_App_wnd; }

int ProfileDialogBase::excelRows() { return Main_App_wnd ? Main_App_wnd->Calculate_Excel_table_rows() : 0; }

void ProfileDialogBase::buildLayout(bool sideCombos, bool checkBoxes) {
    auto* outer = new QVBoxLayout(this);

    // The workbook row.
    auto* workbook = new QHBoxLayout;
    workbook->addWidget(new QLabel(QStringLiteral("Excel File :"), this));
    excel_path_field = new QLineEdit(this);
    excel_path_field->setObjectName(QStringLiteral("excel_path_field"));
    excel_path_field->setReadOnly(true);
    workbook->addWidget(excel_path_field, 1);
    excel_browse_btn = button(QStringLiteral("excel_browse_btn"), QStringLiteral("Browse..."), this);
    view_excel_btn = button(QStringLiteral("view_excel_btn"), QStringLiteral("View Excel"), this);
    batch_series_btn = button(QStringLiteral("batch_series_btn"), QStringLiteral("Data Series..."), this);
    workbook->addWidget(excel_browse_btn);
    workbook->addWidget(view_excel_btn);
    workbook->addWidget(batch_series_btn);
    outer->addLayout(workbook);

    auto* middle = new QHBoxLayout;
    outer->addLayout(middle, 1);
    slotGrid = new QGridLayout;
    slotGrid->setHorizontalSpacing(4);
    slotGrid->setVerticalSpacing(3);
    auto* slotColumn = new QVBoxLayout;
    slotColumn->addLayout(slotGrid);
    slotColumn->addStretch(1);
    middle->addLayout(slotColumn, 1);
    rightColumn = new QVBoxLayout;
    middle->addLayout(rightColumn);

    int col = 0;
    const int chkLabelCol = checkBoxes ? col++ : -1;
    const int labelCol = col++;
    const int chkValueCol = checkBoxes ? col++ : -1;
    const int valueCol = col++;
    const int dsCol = col++;
    const int serCol = col++;
    const int viewCol = col++;
    const int sideCol = sideCombos ? col++ : -1;
    auto header = [this](int column, const QString& text) -> QLabel* {
        if (column < 0)
            return nullptr;
        auto* label = new QLabel(text, this);
        slotGrid->addWidget(label, 0, column);
        return label;
    };
    header(labelCol, QStringLiteral("Caption"));
    header(valueCol, QStringLiteral("Value"));
    header(dsCol, QStringLiteral("Data Source"));
    header(serCol, QStringLiteral("Series / Excel Column"));
    sideHeader = header(sideCol, QStringLiteral("Select Side"));

    const QList<ProfileField>& table = profileFieldTable();
    // The caption column is as wide as the longest caption the program
    // gives, with the field's frame and margins.
    int captionWidth = 0;
    for (const ProfileField& f : table)
        captionWidth = std::max(captionWidth, fontMetrics().horizontalAdvance(*f.caption));
    captionWidth += 2 * style()->pixelMetric(QStyle::PM_DefaultFrameWidth) + 12;
    for (int i = 0; i < ProfileSlotCount; ++i) {
        const QString stem = table.at(i).fieldStem;
        SlotRow& r = rows[size_t(i)];
        const int line = i + 1;
        if (i < ProfileTextSlotCount) {
            if (checkBoxes) {
                r.label_chk = new QCheckBox(this);
                r.label_chk->setObjectName(stem + QStringLiteral("_label_chk"));
                slotGrid->addWidget(r.label_chk, line, chkLabelCol);
                r.value_chk = new QCheckBox(this);
                r.value_chk->setObjectName(stem + QStringLiteral("_value_chk"));
                slotGrid->addWidget(r.value_chk, line, chkValueCol);
            }
            r.label = new QLineEdit(this);
            r.label->setObjectName(stem + QStringLiteral("_label"));
            r.label->setMinimumWidth(captionWidth);
            r.label->setMaximumWidth(std::max(150, captionWidth));
            // A caption longer than its field shows its start, not its end.
            connect(r.label, &QLineEdit::textChanged, r.label, [edit = r.label] {
                if (!edit->hasFocus())
                    edit->setCursorPosition(0);
            });
            slotGrid->addWidget(r.label, line, labelCol);
            r.value = new QLineEdit(this);
            r.value->setObjectName(stem + QStringLiteral("_value"));
            r.value->setMinimumWidth(170);
            slotGrid->addWidget(r.value, line, valueCol);
        } else {
            auto* caption = new QLabel(*table.at(i).caption, this);
            slotGrid->addWidget(caption, line, labelCol);
        }
        r.ds_combo = new QComboBox(this);
        r.ds_combo->setObjectName(stem + QStringLiteral("_ds_combo"));
        r.ds_combo->addItems({QStringLiteral("Manual"), QStringLiteral("Series")});
        slotGrid->addWidget(r.ds_combo, line, dsCol);
        r.ser_col_cb = new QComboBox(this);
        r.ser_col_cb->setObjectName(stem + QStringLiteral("_ser_col_cb"));
        r.ser_col_cb->setMinimumWidth(140);
        r.ser_col_cb->setEnabled(false);
        slotGrid->addWidget(r.ser_col_cb, line, serCol);
        r.view_btn = button(stem + QStringLiteral("_view_btn"), QStringLiteral("View"), this);
        r.view_btn->setEnabled(false);
        slotGrid->addWidget(r.view_btn, line, viewCol);
        if (sideCombos) {
            r.side_combo = new QComboBox(this);
            r.side_combo->setObjectName(stem + QStringLiteral("_side_combo"));
            r.side_combo->addItems({QStringLiteral("Front"), QStringLiteral("Back"), QStringLiteral("Both")});
            r.side_combo->setCurrentIndex(2);
            slotGrid->addWidget(r.side_combo, line, sideCol);
        }
        connect(r.ds_combo, &QComboBox::currentIndexChanged, this,
                [this, combo = r.ds_combo] { comboBoxSelectionDidChange(combo); });
        connect(r.ser_col_cb, &QComboBox::currentIndexChanged, this,
                [this, combo = r.ser_col_cb] { comboBoxSelectionDidChange(combo); });
        connect(r.view_btn, &QPushButton::clicked, this,
                [this, i] { View_Data_Series_By_Name(rows[size_t(i)].ser_col_cb, rows[size_t(i)].ds_combo); });
    }

    // The photo.
    photo_box = new QGroupBox(QStringLiteral("Photo"), this);
    photo_box->setObjectName(QStringLiteral("photo_box"));
    auto* photo = new QVBoxLayout(photo_box);
    user_picture = new QLabel(photo_box);
    user_picture->setObjectName(QStringLiteral("user_picture"));
    user_picture->setFixedSize(120, 140);
    user_picture->setAlignment(Qt::AlignCenter);
    user_picture->setFrameShape(QFrame::Box);
    photo->addWidget(user_picture, 0, Qt::AlignHCenter);
    invalid_source_label = new QLabel(QStringLiteral("Invalid Source"), photo_box);
    invalid_source_label->setObjectName(QStringLiteral("invalid_source_label"));
    invalid_source_label->setStyleSheet(QStringLiteral("color: #b00000"));
    // Its line is kept while hidden: showing it must not grow the dialog
    // and move OK and Cancel under the pointer.
    QSizePolicy keptLine = invalid_source_label->sizePolicy();
    keptLine.setRetainSizeWhenHidden(true);
    invalid_source_label->setSizePolicy(keptLine);
    invalid_source_label->hide();
    photo->addWidget(invalid_source_label, 0, Qt::AlignHCenter);
    image_path_val = new QLineEdit(photo_box);
    image_path_val->setObjectName(QStringLiteral("image_path_val"));
    image_path_val->setReadOnly(true);
    photo->addWidget(image_path_val);
    auto* photoButtons = new QHBoxLayout;
    browse_pic_btn = button(QStringLiteral("browse_pic_btn"), QStringLiteral("Browse..."), photo_box);
    clear_pic_btn = button(QStringLiteral("clear_pic_btn"), QStringLiteral("Clear"), photo_box);
    camera_btn = button(QStringLiteral("camera_btn"), QStringLiteral("Camera..."), photo_box);
    photoButtons->addWidget(browse_pic_btn);
    photoButtons->addWidget(clear_pic_btn);
    photoButtons->addWidget(camera_btn);
    photo->addLayout(photoButtons);
    rightColumn->addWidget(photo_box);

    auto* previewBox = new QGroupBox(QStringLiteral("Preview"), this);
    auto* previewLayout = new QVBoxLayout(previewBox);
    Preivew_picture = new QLabel(previewBox);
    Preivew_picture->setObjectName(QStringLiteral("Preivew_picture"));
    Preivew_picture->setFixedSize(260, 260);
    Preivew_picture->setAlignment(Qt::AlignCenter);
    previewLayout->addWidget(Preivew_picture);
    rightColumn->addWidget(previewBox);
    rightColumn->addStretch(1);

    // The buttons.
    auto* buttons = new QHBoxLayout;
    help_btn = button(QStringLiteral("help_btn"), QStringLiteral("Help"), this);
    reset_btn = button(QStringLiteral("reset_btn"), QStringLiteral("Reset"), this);
    preview_btn = button(QStringLiteral("preview_btn"), QStringLiteral("Preview"), this);
    buttons->addWidget(help_btn);
    buttons->addWidget(reset_btn);
    buttons->addWidget(preview_btn);
    const OkCancelButtons okCancel = addOkCancelButtons(this, buttons);
    ok_btn = okCancel.ok;
    cancel_btn = okCancel.cancel;
    outer->addLayout(buttons);

    connect(view_excel_btn, &QPushButton::clicked, this, &ProfileDialogBase::View_Excel_Btn_Clicked);
    connect(batch_series_btn, &QPushButton::clicked, this, &ProfileDialogBase::Batch_Series_Btn_Clicked);
    connect(browse_pic_btn, &QPushButton::clicked, this, &ProfileDialogBase::Browse_image_Btn_Clicked);
    connect(clear_pic_btn, &QPushButton::clicked, this, &ProfileDialogBase::Clear_image_Btn_Clicked);
    connect(camera_btn, &QPushButton::clicked, this, &ProfileDialogBase::Camera_Btn_Clicked);
    connect(cancel_btn, &QPushButton::clicked, this, [this] { Cancel_Btn_Clicked(); });
    connect(help_btn, &QPushButton::clicked, this, [] { Open_Help_File(); });
}

// ---------------------------------------------------------------- the Excel item

void ProfileDialogBase::Add_Excel_in_Data_Source_Combo() {
    for (const SlotRow& r : rows)
        hub().Add_Excel_Col_Name_In_Combo(r.ds_combo);
    // A slot already on Excel gets the columns of the table now loaded.
    for (const SlotRow& r : rows)
        hub().Update_Excel_Column_If_Datasource_Is_Excel(r.ds_combo);
}

void ProfileDialogBase::Remove_Excel_in_Data_Source_Combo() {
    for (const SlotRow& r : rows)
        hub().Remove_Excel_Col_Name_In_Combo(r.ds_combo);
}

// ---------------------------------------------------------------- the rules of a slot

void ProfileDialogBase::comboBoxSelectionDidChange(QComboBox* combo) {
    if (fillingColumns_)
        return;
    try {
        for (int i = 0; i < ProfileSlotCount; ++i)
            if (rows[size_t(i)].ds_combo == combo) {
                sourceChanged(i);
                return;
            }
        for (int i = 0; i < ProfileSlotCount; ++i)
            if (rows[size_t(i)].ser_col_cb == combo) {
                columnChanged(i);
                return;
            }
    } catch (const std::exception& e) {
        Show_NSLog_Message(reasonOf(e));
    }
}

void ProfileDialogBase::fillColumnCombo(int slot, bool series) {
    QComboBox* combo = rows[size_t(slot)].ser_col_cb;
    // The fillers leave no item chosen; their passing selections are not
    // the user's choice of a column.
    const bool was = fillingColumns_;
    fillingColumns_ = true;
    if (series)
        hub().Fill_Data_Set_File_Name_In_Combo(combo);
    else
        hub().Fill_Excel_Col_Name_In_Combo(combo);
    combo->setCurrentIndex(-1);
    fillingColumns_ = was;
}

void ProfileDialogBase::emptyColumnCombo(int slot) {
    QComboBox* combo = rows[size_t(slot)].ser_col_cb;
    const bool was = fillingColumns_;
    fillingColumns_ = true;
    combo->clear();
    if (combo->isEditable())
        combo->setEditText(QString());
    fillingColumns_ = was;
}

void ProfileDialogBase::sourceChanged(int slot) {
    SlotRow& r = rows[size_t(slot)];
    const int source = r.ds_combo->currentIndex();
    const bool photo = slot == SlotPhoto;
    if (source == DataSourceType::Manual) {
        if (photo) {
            for (QPushButton* b : {camera_btn, browse_pic_btn, clear_pic_btn})
                b->setEnabled(true);
        } else {
            r.value->setReadOnly(false);
        }
        r.ser_col_cb->setEnabled(false);
        r.view_btn->setEnabled(false);
        afterTypedSource(slot);
        emptyColumnCombo(slot);
        return;
    }
    if (photo) {
        for (QPushButton* b : {camera_btn, browse_pic_btn, clear_pic_btn})
            b->setEnabled(false);
    } else {
        r.value->setReadOnly(true);
    }
    r.ser_col_cb->setEnabled(true);
    r.view_btn->setEnabled(true);
    fillColumnCombo(slot, source == DataSourceType::Series);
}

void ProfileDialogBase::columnChanged(int slot) {
    SlotRow& r = rows[size_t(slot)];
    const int source = r.ds_combo->currentIndex();
    const int chosen = r.ser_col_cb->currentIndex();
    const QString text = chosen >= 0 ? r.ser_col_cb->currentText() : QString();
    if (slot == SlotPhoto) {
        if (source == DataSourceType::Series && chosen >= 0)
            Set_User_Image(hub().Get_First_Value_Of_Dataset(text));
        else if (source == DataSourceType::ExcelColumn && chosen >= 0)
            Set_User_Image(workbookPicturePath(hub().Get_First_Value_Of_Excel_Binding(chosen), workbookPath()));
        return;
    }
    beforeColumnValue(slot);
    if (source == DataSourceType::Series && !text.isEmpty())
        r.value->setText(hub().Get_First_Value_Of_Dataset(text));
    else if (source == DataSourceType::ExcelColumn && !text.isEmpty())
        r.value->setText(hub().Get_First_Value_Of_Excel_Binding(chosen));
}

QString ProfileDialogBase::workbookPath() const {
    // The workbook chosen in this dialog, before OK records it as the design's.
    const QString shown = Trim_Str(excel_path_field->text());
    return shown.isEmpty() ? ::Excel_Source_Path : shown;
}

// ---------------------------------------------------------------- viewing and series

void ProfileDialogBase::View_Excel_Btn_Clicked() {
    try {
        if (excelRows() > 0)
            Data_From_Excel::defaultInstance()->Open_Wnd();
        else
            Show_MessageBox(QStringLiteral("There is no excel data to view."));
    } catch (const std::exception& e) {
        Show_NSLog_Message(reasonOf(e));
    }
}

void ProfileDialogBase::View_Data_Series_By_Name(QComboBox* ser_col_cb, QComboBox* DS_combo_obj) {
    const int source = DS_combo_obj->currentIndex();
    if (source == DataSourceType::Series) {
        View_Data_Series::openNamed(ser_col_cb->currentIndex() >= 0 ? ser_col_cb->currentText() : QString());
    } else if (source == DataSourceType::ExcelColumn) {
        View_Excel_Btn_Clicked();
    }
}

void ProfileDialogBase::Batch_Series_Btn_Clicked() {
    hub().Batch_Series_Button();
    try {
        for (const SlotRow& r : rows) {
            const bool was = fillingColumns_;
            fillingColumns_ = true;
            hub().Update_Dataset_If_Datasource_Is_Series(r.ds_combo, r.ser_col_cb);
            fillingColumns_ = was;
        }
    } catch (const std::exception& e) {
        fillingColumns_ = false;
        Show_NSLog_Message(reasonOf(e));
    }
}

// ---------------------------------------------------------------- the photo

void ProfileDialogBase::Set_User_Image(const QString& path) {
    invalid_source_label->hide();
    const QString trimmed = Trim_Str(path);
    image_path_val->setText(trimmed);
    if (!trimmed.isEmpty() && QFileInfo(trimmed).isFile()) {
        const QImage picture = hub().Get_Image_For_Path(trimmed, false);
        if (!picture.isNull())
            user_picture->setPixmap(QPixmap::fromImage(
                picture.scaled(user_picture->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation)));
        return;
    }
    user_picture->clear();
    invalid_source_label->show();
}

void ProfileDialogBase::Camera_Btn_Clicked() {
    if (!hub().cameraWindow) {
        SKTWindowController::Show_Not_Available(QStringLiteral("The camera"));
        return;
    }
    if (hub().cameraWindow() == 1)
        Set_User_Image(::Camera_Capture_Image);
}

void ProfileDialogBase::Browse_image_Btn_Clicked() {
    QStringList patterns;
    for (const QString& e : hub().Allowd_Image_fileTypes)
        patterns << QStringLiteral("*.") + e << QStringLiteral("*.") + e.toUpper();
    const QString path = hub().Convert_Path_From_URL(chooseOpenPath(
        this, QStringLiteral("Photo"), QStringLiteral("Pictures (%1)").arg(patterns.join(QLatin1Char(' ')))));
    if (path.isEmpty()) {
        hub().setLibrary_Selected_Image(QString());
        return;
    }
    if (refuseUnreadablePicture(path))
        return;
    Set_User_Image(path);
}

void ProfileDialogBase::Clear_image_Btn_Clicked() { Set_User_Image(QString()); }

// ---------------------------------------------------------------- validation and commit

bool ProfileDialogBase::Check_Validation() {
    checked_field_name.clear();
    const QList<ProfileField>& table = profileFieldTable();
    for (int i = 0; i < ProfileSlotCount; ++i) {
        const SlotRow& r = rows[size_t(i)];
        bool fails = !r.ds_combo || !r.ser_col_cb;
        if (!fails) {
            const int source = r.ds_combo->currentIndex();
            fails = (source == DataSourceType::Series || source == DataSourceType::ExcelColumn) &&
                    r.ser_col_cb->currentIndex() < 0;
        }
        if (fails) {
            checked_field_name = *table.at(i).caption;
            return false;
        }
    }
    return true;
}

QString ProfileDialogBase::validationMessage() const {
    QString name = Trim_Str(checked_field_name);
    QString suffix;
    if (!name.isEmpty())
        suffix = QStringLiteral(" for '%1'").arg(Replace_char_in_string(name, QStringLiteral(" :"), QString()));
    return QStringLiteral("Please select the 'Series / Excel Column'") + suffix;
}

void ProfileDialogBase::commitBinding(User_Profile_Class::Slot& s, const SlotRow& r) {
    switch (r.ds_combo->currentIndex()) {
    case DataSourceType::Manual:
        s.ds = 0;
        s.ds_name.clear();
        s.ds_indx = 0;
        s.xl = 0;
        s.xl_col_indx = 0;
        break;
    case DataSourceType::Series:
        s.ds = 1;
        s.ds_name = r.ser_col_cb->currentText();
        s.ds_indx = r.ser_col_cb->currentIndex();
        s.xl = 0;
        s.xl_col_indx = 0;
        break;
    case DataSourceType::ExcelColumn:
        s.ds = 0;
        s.ds_name.clear();
        s.ds_indx = 0;
        s.xl = 1;
        s.xl_col_indx = r.ser_col_cb->currentIndex();
        break;
    default:
        break;
    }
}

// ---------------------------------------------------------------- workbook and preview

QString ProfileDialogBase::chooseAndImportWorkbook(const std::function<void()>& beforeImport,
                                                   const std::function<void()>& onPanelCancel) {
    hub().Delete_Excel_File_Temp_Folder();
    const QString chosen =
        chooseOpenPath(this, QStringLiteral("Excel File"), QStringLiteral("Workbooks (*.xlsx *.XLSX)"));
    if (chosen.isEmpty()) {
        if (onPanelCancel)
            onPanelCancel();
        return QString();
    }
    const QString path = hub().Convert_Path_From_URL(chosen);
    if (hub().Check_And_Validate_File_Path(path) != 0)
        return QString();
    if (beforeImport)
        beforeImport();
    Import_Excel* import = Import_Excel::defaultInstance();
    import->open_mode = QStringLiteral("E");
    if (import->Open_excel_Wnd(path) != 1)
        return QString();
    return path;
}

void ProfileDialogBase::showPreview(const QString& side_letter) {
    const QImage picture = hub().Preview_User_Profile(side_letter);
    if (picture.isNull()) {
        Preivew_picture->clear();
        return;
    }
    Preivew_picture->setPixmap(QPixmap::fromImage(
        picture.scaled(Preivew_picture->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation)));
}

bool ProfileDialogBase::fillShownSides() {
    if (!Fill_Front_User_profile_value_in_Variable())
        return false;
    return !(load_side.isEmpty() || load_side == CardSide::BackName) || Fill_Back_User_profile_value_in_Variable();
}

void ProfileDialogBase::OK_Btn_Clicked() {
    if (fillShownSides())
        done(1);
}

}  // namespace zelk
