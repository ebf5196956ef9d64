#pragma once
// The editor of one value of the series manager's value list. The manager
// fills the three fields before it runs the editor.
#include <QDialog>

class QLineEdit;

class Update_Ex_Num : public QDialog {
    Q_OBJECT
public:
    explicit Update_Ex_Num(QWidget* parent = nullptr);

    QLineEdit* m_s_number = nullptr;      // the value as it was
    QLineEdit* m_ex_num_str = nullptr;    // the value being edited
    QLineEdit* m_ex_num_index = nullptr;  // its row in the value list

    // Replaces the row with the edited value, trimmed; a blank value is
    // refused with "Please enter a valid value.".
    void OKPressed();
    void CancelPressed();
};
