#include "profiles/Show_User_Profile.h"

#include "canvas/SKTGraphicView.h"
#include "datasource/Data_From_Excel.h"
#include "dialogs/DialogRunner.h"
#include "foundation/Codes.h"
#include "foundation/SKTGraphic.h"
#include "foundation/Utilities.h"
#include "mainwindow/AppGlobals.h"
#include "mainwindow/SKTWindowController.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <exception>

using zelk::ProfileSlotCount;
using zelk::ProfileTextSlotCount;
using zelk::SlotPhoto;

Show_User_Profile* Show_User_Profile_Window = nullptr;

Show_User_Profile* Show_User_Profile::defaultInstance() {
    if (!Show_User_Profile_Window)
        Show_User_Profile_Window = new Show_User_Profile;
    return Show_User_Profile_Window;
}

Show_User_Profile::Show_User_Profile(QWidget* parent)
    : ProfileDialogBase(QStringLiteral("Show_User_Profile"), parent) {
    buildLayout(false, true);
    setWindowTitle(QStringLiteral("User Profile Information"));
    connect(ok_btn, &QPushButton::clicked, this, &Show_User_Profile::OK_Btn_Clicked);
    connect(reset_btn, &QPushButton::clicked, this, &Show_User_Profile::Reset_Btn_Clicked);
    connect(excel_browse_btn, &QPushButton::clicked, this, &Show_User_Profile::Browse_excel_Btn_Clicked);
    connect(preview_btn, &QPushButton::clicked, this, &Show_User_Profile::Preview_Btn_Clicked);
    for (int i = 0; i < ProfileTextSlotCount; ++i) {
        const SlotRow& r = rows[size_t(i)];
        connect(r.label_chk, &QCheckBox::clicked, this, [this, i] { Label_Chk_Clicked(i); });
        connect(r.value_chk, &QCheckBox::clicked, this, [this, i] { Value_Chk_Clicked(i); });
        // Typing only: the program's own changes of the texts tick nothing.
        connect(r.label, &QLineEdit::textEdited, this, [this, f = r.label] { controlTextDidChange(f); });
        connect(r.value, &QLineEdit::textEdited, this, [this, f = r.value] { controlTextDidChange(f); });
    }
}

// ---------------------------------------------------------------- opening

int Show_User_Profile::Open_Wnd(bool prefillFromCard) {
    ::Browse_Excel_AGAIN = false;
    backupsTaken_ = false;
    tableReplaced_ = false;
    Reset_all_Ctrl();
    if (prefillFromCard) {
        excel_path_field->setText(::Excel_Source_Path);
        if (excelRows() < 1) {
            Remove_Excel_in_Data_Source_Combo();
            excel_path_field->setEnabled(true);
            excel_browse_btn->setEnabled(true);
            view_excel_btn->setEnabled(false);
        } else {
            Add_Excel_in_Data_Source_Combo();
            excel_browse_btn->setEnabled(true);
            view_excel_btn->setEnabled(true);
        }
        Graphics_array.clear();
        if (::Card_Front_Or_Back == 0) {
            setWindowTitle(QStringLiteral("Front Side User Profile Information"));
            Graphics_array = hub().Get_Front_Controls_Array();
        } else {
            setWindowTitle(QStringLiteral("Back Side User Profile Information"));
            Graphics_array = hub().Get_Back_Controls_Array();
        }
        prefill();
    } else {
        setWindowTitle(QStringLiteral("User Profile Information"));
    }
    rows[0].value->setFocus();
    const int code = zelk::DialogRunner::run(this);
    hide();
    return code;
}

void Show_User_Profile::prefillSource(int slot, const SKTGraphic& g) {
    const SlotRow& r = rows[size_t(slot)];
    int type = g.data_source_type;
    // A graphic bound to Excel while no table is loaded opens as typed.
    if (type < 0 || type >= r.ds_combo->count())
        type = DataSourceType::Manual;
    r.ds_combo->setCurrentIndex(type);
    if (type == DataSourceType::Manual)
        return;
    int index = 0;
    if (type == DataSourceType::Series)
        index = hub().Get_Data_SetIndex_According_Name(g.batch_list_name);
    else if (type == DataSourceType::ExcelColumn)
        index = g.excel_col_indx;
    if (index != -1 && index < r.ser_col_cb->count())
        r.ser_col_cb->setCurrentIndex(index);
    else if (g.ctrl_is_locked && index == -1)
        r.ds_combo->setCurrentIndex(DataSourceType::Manual);
}

void Show_User_Profile::prefill() {
    const QList<zelk::ProfileField>& table = zelk::profileFieldTable();
    for (const std::shared_ptr<SKTGraphic>& g : Graphics_array) {
        if (!g || !(zelk::isExactlyText(g.get()) || zelk::isExactlyImage(g.get())))
            continue;
        const QString id = Trim_Str(g->control_ID);
        if (id.isEmpty() || !g->ctrl_is_visible)
            continue;
        if (id == Fup_Photo) {
            image_path_val->setText(g->_file_path);
            Set_User_Image(g->_file_path);
            prefillSource(SlotPhoto, *g);
            if (g->ctrl_is_locked) {
                const SlotRow& r = rows[SlotPhoto];
                r.ds_combo->setEnabled(false);
                r.ser_col_cb->setEnabled(false);
                r.view_btn->setEnabled(false);
                SetObjEnabled(photo_box, false);
            }
            continue;
        }
        for (int i = 0; i < ProfileTextSlotCount; ++i) {
            const SlotRow& r = rows[size_t(i)];
            if (id == table.at(i).valueId) {
                r.value->setText(g->Text_Value);
                r.value_chk->setChecked(true);
                r.value->setEnabled(true);
                prefillSource(i, *g);
                if (g->ctrl_is_locked) {
                    for (QWidget* w : std::initializer_list<QWidget*>{r.value_chk, r.value, r.ds_combo,
                                                                      r.ser_col_cb, r.view_btn})
                        w->setEnabled(false);
                }
                break;
            }
            if (id == table.at(i).captionId) {
                r.label->setText(g->Text_Value);
                r.label_chk->setChecked(true);
                r.label->setEnabled(true);
                if (g->ctrl_is_locked) {
                    r.label_chk->setEnabled(false);
                    r.label->setEnabled(false);
                }
                break;
            }
        }
    }
}

// ---------------------------------------------------------------- reset

void Show_User_Profile::Enable_All_Ctrl() {
    for (int i = 0; i < ProfileTextSlotCount; ++i) {
        const SlotRow& r = rows[size_t(i)];
        for (QWidget* w : std::initializer_list<QWidget*>{r.label_chk, r.label, r.value_chk, r.value})
            w->setEnabled(true);
    }
    for (const SlotRow& r : rows)
        r.ds_combo->setEnabled(true);
    SetObjEnabled(photo_box, true);
    rows[SlotPhoto].ser_col_cb->setEnabled(false);
    rows[SlotPhoto].view_btn->setEnabled(false);
}

void Show_User_Profile::Reset_all_Ctrl() {
    Enable_All_Ctrl();
    Preivew_picture->clear();
    const QList<zelk::ProfileField>& table = zelk::profileFieldTable();
    for (int i = 0; i < ProfileTextSlotCount; ++i)
        rows[size_t(i)].label->setText(*table.at(i).caption);
    Set_User_Image(QString());
    invalid_source_label->hide();
    for (const SlotRow& r : rows)
        r.ds_combo->setCurrentIndex(DataSourceType::Manual);
    for (const SlotRow& r : rows)
        r.ser_col_cb->setCurrentIndex(-1);
    for (int i = 0; i < ProfileTextSlotCount; ++i) {
        const SlotRow& r = rows[size_t(i)];
        r.label_chk->setChecked(false);
        r.value_chk->setChecked(false);
        r.value->setEnabled(true);
        r.value->setReadOnly(false);
        r.value->clear();
    }
}

// ---------------------------------------------------------------- validation and commit

bool Show_User_Profile::commit(Target target) {
    if (!Check_Validation()) {
        Show_MessageBox(validationMessage());
        return false;
    }
    User_Profile_Class& p = target == Target::Front  ? hub().Front_user_profile
                            : target == Target::Back ? hub().Back_user_profile
                                                     : hub().TEMP_user_profile;
    const bool temp = target == Target::Temp;
    if (!temp) {
        p.setFill_User_Profile_Enable(1);
        if (excelRows() < 1) {
            ::Excel_Binding_Use = false;
            p.setExcel_Binding(0);
        } else {
            p.setExcel_Binding(1);
            ::Excel_Source_Path = excel_path_field->text();
            ::Excel_Binding_Use = true;
        }
    }
    for (int i = 0; i < ProfileTextSlotCount; ++i) {
        p.slot(i).value = rows[size_t(i)].value->text();
        commitBinding(p.slot(i), rows[size_t(i)]);
    }
    p.slot(SlotPhoto).value = image_path_val->text();
    commitBinding(p.slot(SlotPhoto), rows[SlotPhoto]);
    if (!temp && rows[SlotPhoto].ds_combo->currentIndex() >= 0)
        p.setImage_USE(1);
    for (int i = 0; i < ProfileTextSlotCount; ++i) {
        const SlotRow& r = rows[size_t(i)];
        if (!r.value_chk->isChecked())
            p.slot(i).value.clear();
        p.slot(i).label = r.label_chk->isChecked() ? r.label->text() : QString();
    }
    return true;
}

void Show_User_Profile::Cancel_Btn_Clicked() {
    // A workbook chosen during this opening is taken back, whatever the new
    // table held; the binding state then follows the table restored.
    if (tableReplaced_)
        restoreBackups();
    if (excelRows() < 1) {
        ::Excel_Binding_Use = false;
        hub().Front_user_profile.setExcel_Binding(0);
    } else {
        hub().Front_user_profile.setExcel_Binding(1);
        ::Excel_Source_Path = excel_path_field->text();
        ::Excel_Binding_Use = true;
    }
    ::Browse_Excel_AGAIN = false;
    tableReplaced_ = false;
    Reset_all_Ctrl();
    done(0);
}

void Show_User_Profile::Reset_Btn_Clicked() { Reset_all_Ctrl(); }

// ---------------------------------------------------------------- workbook

void Show_User_Profile::takeBackups() {
    if (backupsTaken_)
        return;
    Data_From_Excel* table = Data_From_Excel::defaultInstance();
    Excel_Path_BKUP = excel_path_field->text();
    table_Col_BKUP = table->columnTitles();
    log_list_data_BKUP = table->ListData;
    backupsTaken_ = true;
}

void Show_User_Profile::restoreBackups() {
    Data_From_Excel* table = Data_From_Excel::defaultInstance();
    excel_path_field->setText(Excel_Path_BKUP);
    ::Excel_Source_Path = Excel_Path_BKUP;
    hub().Delete_Excel_File_Column();
    table->restoreColumnTitles(table_Col_BKUP);
    table->setListData(log_list_data_BKUP);
}

void Show_User_Profile::Browse_excel_Btn_Clicked() {
    bool confirmed = false;
    if (excelRows() > 0) {
        if (Show_YES_NO_MessageBox(QStringLiteral(
                "You have already used the Excel file data with your Card.\r\n"
                "Are you sure you want to select excel file again and use new excel data with your card?")) != 1)
            return;
        confirmed = true;
    }
    const QString path = chooseAndImportWorkbook([this] { takeBackups(); },
                                                 [this] { excel_path_field->setText(::Excel_Source_Path); });
    if (path.isEmpty())
        return;
    tableReplaced_ = true;
    if (confirmed)
        ::Browse_Excel_AGAIN = true;
    ::Excel_Source_Path = path;
    if (excelRows() < 1) {
        Remove_Excel_in_Data_Source_Combo();
        view_excel_btn->setEnabled(false);
        excel_path_field->setEnabled(true);
        excel_browse_btn->setEnabled(true);
        return;
    }
    excel_path_field->setText(path);
    Add_Excel_in_Data_Source_Combo();
    view_excel_btn->setEnabled(true);
    excel_browse_btn->setEnabled(true);
    if (!::Browse_Excel_AGAIN)
        return;
    // The columns of the old workbook mean nothing in the new one.
    for (int i = 0; i < ProfileSlotCount; ++i) {
        const SlotRow& r = rows[size_t(i)];
        if (r.ds_combo->currentIndex() != DataSourceType::ExcelColumn)
            continue;
        r.ds_combo->setCurrentIndex(DataSourceType::Manual);
        r.ser_col_cb->setCurrentIndex(-1);
    }
}

// ---------------------------------------------------------------- lock rule, boxes, typing

QLineEdit* Show_User_Profile::Get_text_box_of_ID(const QString& ctrl_ID) const {
    if (!ctrl_ID.contains(zelk::ProfileIdMark))
        return nullptr;
    const QList<zelk::ProfileField>& table = zelk::profileFieldTable();
    for (int i = 0; i < ProfileTextSlotCount; ++i) {
        if (ctrl_ID == table.at(i).valueId)
            return rows[size_t(i)].value;
        if (ctrl_ID == table.at(i).captionId)
            return rows[size_t(i)].label;
    }
    return nullptr;
}

void Show_User_Profile::Check_On_Again_Browse_Excel_Lock_Control(const QString& ctrl_ID) {
    if (!::Browse_Excel_AGAIN)
        return;
    SKTGraphicView* canvas = load_side == CardSide::FrontName  ? hub()._graphicView
                             : load_side == CardSide::BackName ? hub()._graphicView_BACK
                                                               : nullptr;
    if (!canvas)
        return;
    const std::shared_ptr<SKTGraphic> g = canvas->Selcect_Ctrl_With_ID(ctrl_ID);
    if (!g || !g->ctrl_is_locked)
        return;
    if (zelk::isExactlyImage(g.get())) {
        SetObjEnabled(photo_box, false);
    } else if (zelk::isExactlyText(g.get())) {
        if (QLineEdit* field = Get_text_box_of_ID(ctrl_ID)) {
            field->setEnabled(false);
            field->setReadOnly(true);
        }
    }
}

void Show_User_Profile::afterTypedSource(int slot) {
    Check_On_Again_Browse_Excel_Lock_Control(zelk::profileFieldTable().at(slot).valueId);
}

void Show_User_Profile::beforeColumnValue(int slot) {
    const SlotRow& r = rows[size_t(slot)];
    r.value->setEnabled(true);
    r.value_chk->setChecked(true);
}

void Show_User_Profile::Label_Chk_Clicked(int slot) {
    const SlotRow& r = rows[size_t(slot)];
    const bool on = r.label_chk->isChecked();
    r.label->setReadOnly(!on);
    r.label->setEnabled(on);
}

void Show_User_Profile::Value_Chk_Clicked(int slot) {
    const SlotRow& r = rows[size_t(slot)];
    if (r.value_chk->isChecked()) {
        r.value->setEnabled(true);
        r.value->setReadOnly(r.ds_combo->currentIndex() != DataSourceType::Manual);
    } else {
        r.value->setReadOnly(true);
        r.value->setEnabled(false);
    }
}

void Show_User_Profile::controlTextDidChange(QLineEdit* field) {
    for (int i = 0; i < ProfileTextSlotCount; ++i) {
        const SlotRow& r = rows[size_t(i)];
        if (field == r.label)
            r.label_chk->setChecked(true);
        else if (field == r.value)
            r.value_chk->setChecked(true);
    }
}

// ---------------------------------------------------------------- preview

void Show_User_Profile::Preview_Btn_Clicked() {
    if (!fillShownSides() || !Fill_TEMP_User_profile_value_in_Variable())
        return;
    showPreview(load_side);
    Graphics_array = hub().Get_Temp_Controls_Array();
}
