#pragma once
// The unit window: one of inch, cm and mm for the lengths the inspector
// shows. Its OK is the main window's prefsOkay, which ends the run with 1;
// Cancel ends it with 0.
#include <QDialog>

class QButtonGroup;
class QPushButton;

namespace zelk {

class UnitWindow : public QDialog {
    Q_OBJECT
public:
    explicit UnitWindow(QWidget* parent = nullptr);

    // Button ids are the unit numbers: 0 inch, 1 cm, 2 mm.
    QButtonGroup* unit_matrix = nullptr;
    QPushButton* ok = nullptr;
    QPushButton* cancel = nullptr;
};

}  // namespace zelk
