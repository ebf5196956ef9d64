#pragma once
// The entry panels of visitor and group modes: one per card side. A panel
// never edits the card itself; every tick and keystroke goes through the
// main window's new_control_add and Change_Value, which act on the current
// side (the side shown with the panel).
#include "foundation/ProfileFieldTable.h"

#include <QList>
#include <QPointer>
#include <QRectF>
#include <QString>
#include <QWidget>
#include <array>

class QAbstractButton;
class QCheckBox;
class QGroupBox;
class QImage;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class SKTWindowController;
namespace zelk {
struct VisitorEntry;
struct VisitorEntrySide;
}  // namespace zelk

class VisitorPanel : public QWidget {
    Q_OBJECT
public:
    // side: 0 front, 1 back.
    VisitorPanel(SKTWindowController& window, int side, QWidget* parent = nullptr);

    int side() const { return side_; }

    // One fixed slot (name ... unique number, date, time), in table order
    // (the photo has none): index 0 name ... 9 unique number, 10 date, 11 time.
    struct Slot {
        const zelk::ProfileField* field = nullptr;
        QLineEdit* label = nullptr;
        QCheckBox* label_chk = nullptr;
        QLineEdit* value = nullptr;
        QCheckBox* value_chk = nullptr;
    };
    static constexpr int SlotCount = 12;
    std::array<Slot, SlotCount> fixedSlots;
    // The slot of a value or caption ID ("Fup_Name", "Fup_lbl_Name"), -1 none.
    static int slotOfId(const QString& ctrl_id);

    // Date and time fixedSlots (part of `fixedSlots`) and their manual switches.
    QLineEdit* date_value = nullptr;
    QCheckBox* date_value_chk = nullptr;
    QLineEdit* time_value = nullptr;
    QCheckBox* time_value_chk = nullptr;
    QCheckBox* date_manual_chk = nullptr;
    QCheckBox* time_manual_chk = nullptr;
    // The photo.
    QLabel* user_picture = nullptr;
    QLineEdit* image_path_val = nullptr;
    QPushButton* browse_pic_btn = nullptr;
    QPushButton* camera_btn = nullptr;
    // The fixed fixedSlots' boxes and the boxes of the user-added rows.
    QGroupBox* default_label_box = nullptr;
    QGroupBox* default_field_box = nullptr;
    QGroupBox* custom_label_box = nullptr;
    QGroupBox* custom_field_box = nullptr;
    QRectF def_lbl_bx_rect;
    QRectF def_fld_bx_rect;
    QPushButton* Add_label_btn = nullptr;
    QPushButton* Add_to_DB_btn = nullptr;
    QGroupBox* new_ctrl_type_box = nullptr;
    QRadioButton* text_ctrl_type = nullptr;
    QRadioButton* image_ctrl_type = nullptr;
    int txt_or_image_ctrl = 0;  // kind of the next row: 0 text, 1 picture
    int counter = 1;            // number of the next row
    float ctrl_y = 5.0f;        // y of the next row in the custom boxes

    // One user-added row's control in one column: ID, control (text field or
    // picture view) and check box.
    struct RowEntry {
        QString id;
        QWidget* control = nullptr;
        QCheckBox* check = nullptr;
    };
    QList<RowEntry> view_array_label;
    QList<RowEntry> view_array_value;

    // ---- Fixed fixedSlots ----
    // A slot's caption (caption true) or value check box was clicked.
    void Slot_Chk_Clicked(int slot, bool caption);
    // The check boxes' actions, by name.
    void Name_Label_Chk_Clicked() { Slot_Chk_Clicked(0, true); }
    void Title_Label_Chk_Clicked() { Slot_Chk_Clicked(1, true); }
    void Company_Name_Label_Chk_Clicked() { Slot_Chk_Clicked(2, true); }
    void Slogan_Label_Chk_Clicked() { Slot_Chk_Clicked(3, true); }
    void Address_Label_Chk_Clicked() { Slot_Chk_Clicked(4, true); }
    void Phone_Label_Chk_Clicked() { Slot_Chk_Clicked(5, true); }
    void Fax_Label_Chk_Clicked() { Slot_Chk_Clicked(6, true); }
    void Email_Label_Chk_Clicked() { Slot_Chk_Clicked(7, true); }
    void Website_Label_Chk_Clicked() { Slot_Chk_Clicked(8, true); }
    void Unique_Label_Chk_Clicked() { Slot_Chk_Clicked(9, true); }
    void Date_Label_Chk_Clicked() { Slot_Chk_Clicked(10, true); }
    void Time_Label_Chk_Clicked() { Slot_Chk_Clicked(11, true); }
    void Name_Value_Chk_Clicked() { Slot_Chk_Clicked(0, false); }
    void Title_Value_Chk_Clicked() { Slot_Chk_Clicked(1, false); }
    void Company_Name_Value_Chk_Clicked() { Slot_Chk_Clicked(2, false); }
    void Slogan_Value_Chk_Clicked() { Slot_Chk_Clicked(3, false); }
    void Address_Value_Chk_Clicked() { Slot_Chk_Clicked(4, false); }
    void Phone_Value_Chk_Clicked() { Slot_Chk_Clicked(5, false); }
    void Fax_Value_Chk_Clicked() { Slot_Chk_Clicked(6, false); }
    void Email_Value_Chk_Clicked() { Slot_Chk_Clicked(7, false); }
    void Website_Value_Chk_Clicked() { Slot_Chk_Clicked(8, false); }
    void Unique_Value_Chk_Clicked() { Slot_Chk_Clicked(9, false); }
    // The user typed into a box (connected to textEdited only: the program's
    // own setText must neither tick boxes nor write to the card).
    void controlTextDidChange(QLineEdit* box);
    // The empty state: captions from the caption globals, boxes unchecked,
    // emptied and disabled, date and time refilled.
    virtual void Refresh_Controls();
    // The captions alone, from the caption globals.
    void Refresh_Captions();

    // ---- Date, time and photo ----
    static QString dateText();
    static QString timeText();
    void Set_Date_Value();
    void Set_Time_Value();
    void Date_Value_Chk_Clicked();
    void Time_Value_Chk_Clicked();
    void Chk_Unchk_Manual_Date_Time(const QString& kind);
    // Which image graphic of the current side takes a picture: 0 none, 1
    // the selected or only one, 2 the only one is locked, n several.
    int Find_And_Select_Design_Image_Control();
    void Open_Camera_Clicked();
    void Browse_image_Btn_Clicked();
    void Set_User_Image(const QString& path, const QString& ctrl_id);
    void Set_User_Image_Control(const QString& path, const QImage& image, const QString& ctrl_id);

    // ---- User-added rows ----
    void Text_ctrl_type_rd_select();
    void Image_ctrl_type_rd_select();
    void Add_New_Label_Clicked();
    // An empty ID makes a new row (and its graphic); a given ID rebuilds a
    // row from the card.
    void Add_label_control(const QString& ctrl_id, const QString& value, bool visible);
    void Add_Image_control(const QString& ctrl_id, const QString& value, bool visible);
    void Add_Value_control(const QString& ctrl_id, const QString& value, bool visible);
    void Increment_in_position();
    void Change_btn_location();
    void Visitor_Dyn_Ctrl_Checked_Changed(QAbstractButton* sender);
    // kind "T": the row's text field; any other kind: its check box.
    QWidget* Get_Dynamic_Label_Ctrl(const QString& ctrl_id, const QString& kind) const;
    QLabel* Get_Dynamic_Photo_Ctrl(const QString& ctrl_id) const;
    // The number a new row takes on this side.
    int nextRowNumber() const;
    void Reset_all_Ctrl();
    // "Add to DB": both panels' values go to the visitor database.
    void Add_record_to_DB_Clicked();
    // What the two panels hold, as the database stores it.
    static zelk::VisitorEntry visitorEntry(const SKTWindowController& window);
    // The user-added rows as "caption : value" lines joined by CR LF.
    QString rowsText() const;

protected:
    SKTWindowController& window_;
    int side_;
    // Whether Refresh_Controls enables the check boxes.
    bool enableChecksOnRefresh_ = true;

private:
    zelk::VisitorEntrySide entrySide() const;
    void buildControls();
    void setBoxState(QLineEdit* box, bool on);
    void growCustomBox(QGroupBox* box, QGroupBox* defaultBox);
    void resizeContainer();
    // A user-added row's text field in `box`, enabled when `visible`.
    QLineEdit* rowBox(QGroupBox* box, const QRect& geometry, const QString& text, bool visible);
    QCheckBox* rowCheck(QGroupBox* box, int y, bool checked);
    void showRowPicture(QLabel* view, const QString& path);
    void showUserPicture(const QImage& picture);
    // def_lbl_bx_rect and def_fld_bx_rect from the default boxes.
    void rememberDefaultBoxes();
    // `text` into the design's control `id` (made when missing, beside
    // `box`), shown or hidden.
    void putValue(const QString& text, const QString& id, QLineEdit* box, bool shown);
    // The date (or time) value's check box was clicked.
    void dateOrTimeShown(bool date);
    // The picture count of Find_And_Select_Design_Image_Control for a new
    // photo (0 or 1); -1 when no picture may take one (the user was told).
    int photoTarget();
    // `path` as the photo: onto a new control when `found` is 0.
    void usePhoto(const QString& path, int found);
};

class Front_Profile_Panel : public VisitorPanel {
    Q_OBJECT
public:
    explicit Front_Profile_Panel(SKTWindowController& window, QWidget* parent = nullptr);
};

class Back_Profile_Panel : public VisitorPanel {
    Q_OBJECT
public:
    explicit Back_Profile_Panel(SKTWindowController& window, QWidget* parent = nullptr);
};

// The two panels of the process (nullptr until the main window made them).
extern QPointer<Front_Profile_Panel> Front_Profile_Panel_OBJ;
extern QPointer<Back_Profile_Panel> Back_Profile_Panel_OBJ;

namespace zelk {
// The panel of a side (0 front, else back), or nullptr.
VisitorPanel* visitorPanel(int side);
}  // namespace zelk
