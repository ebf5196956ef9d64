#pragma once
// The side profile dialog: the card-holder profile of one side of a design,
// read from the side's profile graphics when it opens. Each text slot has a
// show-caption and a show-value box; OK commits into the main window's
// profile of the side, and the caller stamps it.
//
// A workbook chosen here replaces the loaded table; Cancel (also Esc and the
// window's close button) puts the table, its columns and the workbook path
// back as they were when the dialog opened.
#include "profiles/ProfileDialogBase.h"

#include <QVariantMap>

class Show_User_Profile : public zelk::ProfileDialogBase {
    Q_OBJECT
public:
    static Show_User_Profile* defaultInstance();

    // The graphics the dialog reads: the side's while opening, the temp
    // side's after a preview.
    QList<std::shared_ptr<SKTGraphic>> Graphics_array;
    // The workbook state before the first replacement of the table during
    // this opening.
    QString Excel_Path_BKUP;
    QStringList table_Col_BKUP;
    QList<QVariantMap> log_list_data_BKUP;

    // With prefill, the dialog shows the current side's profile graphics.
    // 1 after OK, 0 after Cancel.
    int Open_Wnd(bool prefill);
    void Enable_All_Ctrl();
    void Reset_all_Ctrl();

    void Cancel_Btn_Clicked() override;
    void Reset_Btn_Clicked();
    void Browse_excel_Btn_Clicked();
    void Preview_Btn_Clicked();
    // The caption and value boxes of a text slot.
    void Label_Chk_Clicked(int slot);
    void Value_Chk_Clicked(int slot);
    // Typing in a caption or value field ticks its box.
    void controlTextDidChange(QLineEdit* field);

    // The dialog's text field of a profile value or caption ID; nullptr for
    // the photo and any other ID.
    QLineEdit* Get_text_box_of_ID(const QString& ctrl_ID) const;
    // While a new workbook is confirmed, a slot whose graphic on the side is
    // locked keeps its value field (or the photo box) disabled.
    void Check_On_Again_Browse_Excel_Lock_Control(const QString& ctrl_ID);

    // Whether the table was replaced during this opening.
    bool tableReplaced() const { return tableReplaced_; }

protected:
    void afterTypedSource(int slot) override;
    void beforeColumnValue(int slot) override;

private:
    explicit Show_User_Profile(QWidget* parent = nullptr);
    void prefill();
    void prefillSource(int slot, const SKTGraphic& g);
    bool commit(Target target) override;
    void takeBackups();
    void restoreBackups();
    bool backupsTaken_ = false;
    bool tableReplaced_ = false;
};

// The dialog, once made; it carries the profile layout.
extern Show_User_Profile* Show_User_Profile_Window;
