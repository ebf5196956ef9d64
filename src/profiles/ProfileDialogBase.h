#pragma once
// What the two card-holder profile dialogs share: one row per profile slot
// (caption, value, source combo, series or column combo, view button; the
// photo with its picture, path and buttons), the workbook row, the rules
// that follow a change of source or of column, the photo sources, the
// validation and the commit of a slot's binding.
#include "foundation/User_Profile_Class.h"

#include <QDialog>
#include <QList>
#include <QString>
#include <array>
#include <functional>
#include <memory>

class QCheckBox;
class QComboBox;
class QGridLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QVBoxLayout;
class SKTGraphic;
class SKTWindowController;

// The side dialog's confirmation that a newly chosen workbook replaced the
// one the card used; its opener unbinds the other graphics after an OK.
extern bool Browse_Excel_AGAIN;

namespace zelk {

class ProfileDialogBase : public QDialog {
    Q_OBJECT
public:
    // The controls of one slot. The photo's row (zelk::SlotPhoto) has no
    // caption or value field and no check boxes.
    struct SlotRow {
        QLineEdit* label = nullptr;       // <stem>_label
        QLineEdit* value = nullptr;       // <stem>_value
        QComboBox* ds_combo = nullptr;    // <stem>_ds_combo: 0 typed, 1 series, 2 "Excel"
        QComboBox* ser_col_cb = nullptr;  // <stem>_ser_col_cb
        QPushButton* view_btn = nullptr;  // <stem>_view_btn
        QComboBox* side_combo = nullptr;  // <stem>_side_combo (new-card dialog)
        QCheckBox* label_chk = nullptr;   // <stem>_label_chk (side dialog)
        QCheckBox* value_chk = nullptr;   // <stem>_value_chk (side dialog)
    };
    std::array<SlotRow, ProfileSlotCount> rows;

    QLineEdit* excel_path_field = nullptr;
    QPushButton* excel_browse_btn = nullptr;
    QPushButton* view_excel_btn = nullptr;
    QPushButton* batch_series_btn = nullptr;
    QGroupBox* photo_box = nullptr;
    QLabel* user_picture = nullptr;
    QLabel* invalid_source_label = nullptr;
    QLineEdit* image_path_val = nullptr;
    QPushButton* browse_pic_btn = nullptr;
    QPushButton* clear_pic_btn = nullptr;
    QPushButton* camera_btn = nullptr;
    QLabel* Preivew_picture = nullptr;
    QPushButton* ok_btn = nullptr;
    QPushButton* cancel_btn = nullptr;
    QPushButton* reset_btn = nullptr;
    QPushButton* help_btn = nullptr;
    QPushButton* preview_btn = nullptr;

    // The caption of the slot that failed validation, or "".
    QString checked_field_name;
    // "F" or "B" (or "" for a two-sided new card); set by the opener.
    QString load_side;

    // Every change of selection of a source or column combo, the program's
    // own included, comes here.
    void comboBoxSelectionDidChange(QComboBox* combo);

    void Add_Excel_in_Data_Source_Combo();
    void Remove_Excel_in_Data_Source_Combo();
    void View_Excel_Btn_Clicked();
    void View_Data_Series_By_Name(QComboBox* ser_col_cb, QComboBox* DS_combo_obj);
    void Batch_Series_Btn_Clicked();
    void Camera_Btn_Clicked();
    void Browse_image_Btn_Clicked();
    void Clear_image_Btn_Clicked();
    // Puts the trimmed path into image_path_val and shows its picture; an
    // empty path or one without a file shows invalid_source_label instead.
    void Set_User_Image(const QString& path);

    // Walks the slots in table order: one whose source is a series or an
    // Excel column without one chosen fails, and so does one whose controls
    // cannot be read. NO with checked_field_name set to its caption.
    bool Check_Validation();
    // "Please select the 'Series / Excel Column'" with " for '<caption>'".
    QString validationMessage() const;

    // The entries into the window's front, back or temp profile; NO (with
    // the reason shown) when they do not validate.
    bool Fill_Front_User_profile_value_in_Variable() { return commit(Target::Front); }
    bool Fill_Back_User_profile_value_in_Variable() { return commit(Target::Back); }
    bool Fill_TEMP_User_profile_value_in_Variable() { return commit(Target::Temp); }
    // The front, and the back unless only the front is loaded; the dialog
    // ends with 1 once both are taken.
    bool fillShownSides();
    void OK_Btn_Clicked();

protected:
    enum class Target { Front, Back, Temp };
    virtual bool commit(Target target) = 0;

    explicit ProfileDialogBase(const QString& objectName, QWidget* parent = nullptr);
    // Lays out the slot rows and the common controls; sideCombos and
    // checkBoxes say which of the optional controls the dialog has.
    void buildLayout(bool sideCombos, bool checkBoxes);
    QGridLayout* slotGrid = nullptr;
    QVBoxLayout* rightColumn = nullptr;
    QLabel* sideHeader = nullptr;  // the side combos' heading

    static SKTWindowController& hub();
    static int excelRows();
    // Fills the slot's column combo with the series names or the table's
    // column titles, no item chosen (its own notices held back meanwhile).
    void fillColumnCombo(int slot, bool series);
    // The workbook the table was loaded from, for pictures named relative to it.
    QString workbookPath() const;
    void emptyColumnCombo(int slot);

    // The source rule and the column rule of one slot.
    virtual void sourceChanged(int slot);
    virtual void columnChanged(int slot);
    // Hooks of the side dialog: the lock rule after a change to typed, and
    // the value box ticked before a column's first value is shown.
    virtual void afterTypedSource(int) {}
    virtual void beforeColumnValue(int) {}

    // The binding fields of a slot from its source and column combos (the
    // commit table); no source chosen leaves them as they were.
    static void commitBinding(User_Profile_Class::Slot& slot, const SlotRow& row);
    // The workbook chosen in the open panel, checked, and loaded through the
    // import window ("E"): its path, or "" when nothing was loaded.
    QString chooseAndImportWorkbook(const std::function<void()>& beforeImport,
                                    const std::function<void()>& onPanelCancel);
    // The temp side with the profile stamped on copies of the shown side's
    // graphics, drawn into Preivew_picture.
    void showPreview(const QString& side_letter);
    // Connected to reject(): Esc and the window's close button.
    virtual void Cancel_Btn_Clicked() = 0;

public:
    void reject() override { Cancel_Btn_Clicked(); }

private:
    bool fillingColumns_ = false;
};

}  // namespace zelk
