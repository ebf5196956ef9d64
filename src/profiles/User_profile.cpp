#include "profiles/User_profile.h"

#include "dialogs/DialogRunner.h"
#include "foundation/Codes.h"
#include "foundation/Utilities.h"
#include "mainwindow/AppGlobals.h"
#include "mainwindow/SKTWindowController.h"

#include <QComboBox>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using zelk::ProfileSlotCount;
using zelk::ProfileTextSlotCount;
using zelk::SlotPhoto;

User_profile* User_profile::defaultInstance() {
    static User_profile* instance = nullptr;
    if (!instance)
        instance = new User_profile;
    return instance;
}

User_profile::User_profile(QWidget* parent) : ProfileDialogBase(QStringLiteral("User_profile"), parent) {
    buildLayout(true, false);
    select_side_label = sideHeader;
    select_side_label->setObjectName(QStringLiteral("select_side_label"));
    Template_picture = new QLabel(this);
    Template_picture->setObjectName(QStringLiteral("Template_picture"));
    Template_picture->hide();
    setWindowTitle(QStringLiteral("User Profile Information"));

    connect(ok_btn, &QPushButton::clicked, this, &User_profile::OK_Btn_Clicked);
    connect(reset_btn, &QPushButton::clicked, this, &User_profile::Reset_Btn_Clicked);
    connect(excel_browse_btn, &QPushButton::clicked, this, &User_profile::Browse_excel_Btn_Clicked);
    connect(preview_btn, &QPushButton::clicked, this, &User_profile::Preview_Btn_Clicked);
    if (Main_App_wnd)
        Reset_all_Ctrl();
}

void User_profile::applyExcelAvailability(bool onlyAddToTwoItems) {
    if (excelRows() < 1) {
        Remove_Excel_in_Data_Source_Combo();
        view_excel_btn->setEnabled(false);
        excel_path_field->setEnabled(true);
        excel_browse_btn->setEnabled(true);
        return;
    }
    if (!onlyAddToTwoItems || rows[0].ds_combo->count() == 2) {
        Add_Excel_in_Data_Source_Combo();
        view_excel_btn->setEnabled(true);
    }
}

int User_profile::Open_Wnd(char keep) {
    setWindowTitle(QStringLiteral("User Profile Information"));
    if (keep == 0)
        Reset_all_Ctrl();
    else
        applyExcelAvailability(true);
    const bool oneSide = load_side == CardSide::FrontName;
    select_side_label->setVisible(!oneSide);
    for (const SlotRow& r : rows) {
        r.side_combo->setVisible(!oneSide);
        if (oneSide)
            r.side_combo->setCurrentIndex(0);
    }
    rows[0].value->setFocus();
    const int code = zelk::DialogRunner::run(this);
    hide();
    return code;
}

void User_profile::Reset_all_Ctrl() {
    applyExcelAvailability(false);
    if (excelRows() < 1)
        excel_path_field->clear();
    Template_picture->clear();
    Preivew_picture->clear();
    Set_User_Image(hub().NO_Image_Path);
    invalid_source_label->hide();
    const QList<zelk::ProfileField>& table = zelk::profileFieldTable();
    for (int i = 0; i < ProfileTextSlotCount; ++i) {
        rows[size_t(i)].label->setText(*table.at(i).caption);
        rows[size_t(i)].value->clear();
    }
    for (const SlotRow& r : rows)
        r.ds_combo->setCurrentIndex(DataSourceType::Manual);
    for (const SlotRow& r : rows)
        r.ser_col_cb->setCurrentIndex(-1);
    for (const SlotRow& r : rows)
        r.side_combo->setCurrentIndex(2);
}

bool User_profile::commit(Target target) {
    if (!Check_Validation()) {
        Show_MessageBox(validationMessage());
        return false;
    }
    const bool temp = target == Target::Temp;
    if (!temp && rows[SlotPhoto].ds_combo->currentIndex() == DataSourceType::Manual &&
        !QFileInfo(image_path_val->text()).isFile()) {
        Show_MessageBox(QStringLiteral("Please select valid image file."));
        return false;
    }
    User_Profile_Class& p = target == Target::Front  ? hub().Front_user_profile
                            : target == Target::Back ? hub().Back_user_profile
                                                     : hub().TEMP_user_profile;
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
    // A slot is written into the profile of each side its side combo names.
    auto taken = [&](const SlotRow& r) {
        const int side = r.side_combo->currentIndex();
        switch (target) {
        case Target::Front:
            return side == 0 || side == 2;
        case Target::Back:
            return side == 1 || side == 2;
        default:
            return true;
        }
    };
    for (int i = 0; i < ProfileTextSlotCount; ++i) {
        const SlotRow& r = rows[size_t(i)];
        if (!taken(r))
            continue;
        p.slot(i).value = r.value->text();
        commitBinding(p.slot(i), r);
    }
    if (taken(rows[SlotPhoto])) {
        if (!temp)
            p.setImage_USE(1);
        p.slot(SlotPhoto).value = image_path_val->text();
        commitBinding(p.slot(SlotPhoto), rows[SlotPhoto]);
    }
    return true;
}

void User_profile::Cancel_Btn_Clicked() {
    if (excelRows() < 1) {
        ::Excel_Binding_Use = false;
        hub().Front_user_profile.setExcel_Binding(0);
    } else {
        hub().Front_user_profile.setExcel_Binding(1);
        ::Excel_Source_Path = excel_path_field->text();
        ::Excel_Binding_Use = true;
    }
    done(0);
}

void User_profile::Reset_Btn_Clicked() {
    if (Show_YES_NO_MessageBox(QStringLiteral("Are you sure you want to reset user profile?")) == 1)
        Reset_all_Ctrl();
}

void User_profile::Browse_excel_Btn_Clicked() {
    const QString path = chooseAndImportWorkbook({}, {});
    if (path.isEmpty())
        return;
    applyExcelAvailability(false);
    if (excelRows() >= 1)
        excel_path_field->setText(path);
}

void User_profile::Preview_Btn_Clicked() {
    if (!Fill_TEMP_User_profile_value_in_Variable())
        return;
    showPreview(::Card_Front_Or_Back != 0 ? CardSide::BackName : CardSide::FrontName);
}
