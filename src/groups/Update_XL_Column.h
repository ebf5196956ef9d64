#pragma once
// The column re-binding dialog of a group project: for the side being
// edited, the column of each profile slot (with whether its field shows)
// and of each field or photo the user added. OK writes the choices into the
// main window's column indexes and the side's dynamic control list; the
// window then applies them (Update_Excel_Column_Binding_Update_Column).
#include <QDialog>
#include <QList>
#include <QString>
#include <QStringList>
#include <array>

class QCheckBox;
class QComboBox;
class QLabel;
class QVBoxLayout;
class QWidget;
class SKTWindowController;

class Update_XL_Column : public QDialog {
    Q_OBJECT
public:
    static Update_XL_Column* defaultInstance();

    static inline const QString FrontTitle = QStringLiteral("Front Side Update Excel Column");
    static inline const QString BackTitle = QStringLiteral("Back Side Update Excel Column");

    // Prepares the dialog for the current side of the window and runs it:
    // 1 after OK, 0 after Cancel. `dynamicList` is the side's list of
    // user-added controls (control ID, value, "Y"/"N", column, kind); none:
    // no user rows.
    int Open_Wnd(SKTWindowController& window, QList<QStringList>* dynamicList);
    void OKPressed();
    void CancelPressed();
    // A combo's selection changed: a column chosen ticks its row's box.
    void comboBoxSelectionDidChange(QComboBox* combo);

    // Slots in order: ten texts, the front photo, the back photo.
    std::array<QLabel*, 12> labels{};
    std::array<QComboBox*, 12> combos{};
    std::array<QCheckBox*, 10> checks{};  // the text slots' "shown"
    QLabel* Pass_proj_name = nullptr;
    QLabel* Pass_proj_path = nullptr;
    QLabel* Pass_excel_file = nullptr;
    struct UserRow {
        QLabel* id = nullptr;
        QCheckBox* check = nullptr;
        QComboBox* combo = nullptr;
    };
    QList<UserRow> view_array_value;
    QStringList table_col_name_arr;
    bool loading = false;

protected:
    void reject() override { CancelPressed(); }

private:
    explicit Update_XL_Column(QWidget* parent = nullptr);
    void Reset_All_Combo_Box();
    void Set_Checkbox_State();
    void Create_Dynamic_Control();
    void Add_Value_control(const QString& ctrl_ID, bool visible, int col_index, bool enabled);

    SKTWindowController* window_ = nullptr;
    QList<QStringList>* dynamicList_ = nullptr;
    QWidget* New_Ctrl_Box = nullptr;
    QVBoxLayout* rowsLayout_ = nullptr;
};
