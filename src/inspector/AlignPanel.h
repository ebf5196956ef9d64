#pragma once
// The alignment page of every unlocked graphic: position and size fields,
// the seven align buttons, same width and height, fit to the card, natural
// size and snap to the grid.
#include <QObject>

class QDoubleSpinBox;
class SizeField;
class QGroupBox;
class QLabel;
class QPushButton;
class QWidget;

class AlignPanel : public QObject {
    Q_OBJECT
public:
    explicit AlignPanel(QWidget* shelf);

    QWidget* aligmnt_tab = nullptr;

    // Positions in points; the width and height in the chosen unit. Each
    // field is also its "_val" companion.
    QDoubleSpinBox* frame_main_pic_X_pos = nullptr;
    QDoubleSpinBox* frame_main_pic_Y_pos = nullptr;
    QGroupBox* ctrl_width_height_box = nullptr;
    SizeField* frame_main_pic_width = nullptr;
    SizeField* frame_main_pic_height = nullptr;
    QLabel* ctrl_x_pos_unit_lbl = nullptr;
    QLabel* ctrl_y_pos_unit_lbl = nullptr;
    QLabel* ctrl_width_unit_lbl = nullptr;
    QLabel* ctrl_height_unit_lbl = nullptr;

    QPushButton* align_left_btn = nullptr;
    QPushButton* align_right_btn = nullptr;
    QPushButton* align_top_btn = nullptr;
    QPushButton* align_bottom_btn = nullptr;
    QPushButton* align_center_btn = nullptr;
    QPushButton* align_horzontal_btn = nullptr;
    QPushButton* align_vertical_btn = nullptr;
    QPushButton* same_width_btn = nullptr;
    QPushButton* same_height_btn = nullptr;
    QPushButton* fit_to_label_btn = nullptr;
    QPushButton* Make_natural_size_btn = nullptr;
    QPushButton* Align_with_grid_btn = nullptr;

    // The seven align buttons, in the order above.
    QList<QPushButton*> alignButtons() const;
};
