#pragma once
// The new-card profile dialog: the card-holder profile of a card being made
// (card wizard, template gallery), each slot with its source and its side
// (front, back or both). OK commits it into the main window's front and back
// profiles; the start chooser stamps them once the card is set up.
#include "profiles/ProfileDialogBase.h"

class User_profile : public zelk::ProfileDialogBase {
    Q_OBJECT
public:
    static User_profile* defaultInstance();

    QLabel* select_side_label = nullptr;
    QLabel* Template_picture = nullptr;

    // keep 0 starts from the reset; otherwise the entries of the last opening
    // stay. The caller sets load_side ("F": one side). 1 after OK, 0 after Cancel.
    int Open_Wnd(char keep);
    void Reset_all_Ctrl();

    void Cancel_Btn_Clicked() override;
    void Reset_Btn_Clicked();
    void Browse_excel_Btn_Clicked();
    void Preview_Btn_Clicked();

private:
    explicit User_profile(QWidget* parent = nullptr);
    // Offers the Excel source while the table has rows (onlyAddToTwoItems:
    // the reopening's test of name_ds_combo).
    void applyExcelAvailability(bool onlyAddToTwoItems);
    bool commit(Target target) override;
};
