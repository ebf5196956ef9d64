#pragma once
// The question the series manager asks before values are added to a value
// list that is not empty: Yes (1) clears it first, No (0) keeps it, Cancel
// (-1) abandons the command.
#include <QDialog>

class Load_Num_Info : public QDialog {
    Q_OBJECT
public:
    explicit Load_Num_Info(QWidget* parent = nullptr);

    void YESPressed();
    void NOPressed();
    void CancelPressed();
};
