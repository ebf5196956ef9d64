#include "inspector/AlignPanel.h"

#include "inspector/PanelKit.h"
#include "inspector/SizeField.h"

#include <QBoxLayout>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

using namespace zelk;

AlignPanel::AlignPanel(QWidget* shelf) : QObject(shelf) {
    aligmnt_tab = new QWidget(shelf);
    QBoxLayout* page = makePage(aligmnt_tab);

    auto* position = new QGroupBox(QStringLiteral("Position"));
    QFormLayout* pos = makeBoxForm(position);
    frame_main_pic_X_pos = makeDoubleSpin(-10000, 10000, 2);
    frame_main_pic_Y_pos = makeDoubleSpin(-10000, 10000, 2);
    ctrl_x_pos_unit_lbl = new QLabel(QStringLiteral("(pt)"));
    ctrl_y_pos_unit_lbl = new QLabel(QStringLiteral("(pt)"));
    pos->addRow(QStringLiteral("X"), inRow({frame_main_pic_X_pos, ctrl_x_pos_unit_lbl}));
    pos->addRow(QStringLiteral("Y"), inRow({frame_main_pic_Y_pos, ctrl_y_pos_unit_lbl}));
    page->addWidget(position);

    ctrl_width_height_box = new QGroupBox(QStringLiteral("Size"));
    QFormLayout* size = makeBoxForm(ctrl_width_height_box);
    frame_main_pic_width = new SizeField(0, 10000, 4);
    frame_main_pic_height = new SizeField(0, 10000, 4);
    ctrl_width_unit_lbl = new QLabel(QStringLiteral("(mm)"));
    ctrl_height_unit_lbl = new QLabel(QStringLiteral("(mm)"));
    size->addRow(QStringLiteral("Width"), inRow({frame_main_pic_width, ctrl_width_unit_lbl}));
    size->addRow(QStringLiteral("Height"), inRow({frame_main_pic_height, ctrl_height_unit_lbl}));
    page->addWidget(ctrl_width_height_box);

    auto* align = new QGroupBox(QStringLiteral("Align"));
    auto* grid = new QGridLayout(align);
    const auto button = [](const char* text, const char* tip) {
        auto* b = new QPushButton(QString::fromLatin1(text));
        b->setToolTip(QString::fromLatin1(tip));
        return b;
    };
    align_left_btn = button("Left", "Align left edges");
    align_right_btn = button("Right", "Align right edges");
    align_top_btn = button("Top", "Align top edges");
    align_bottom_btn = button("Bottom", "Align bottom edges");
    align_center_btn = button("Center", "Centre on the card");
    align_horzontal_btn = button("Horizontal", "Align horizontal centres");
    align_vertical_btn = button("Vertical", "Align vertical centres");
    // Edges on the outside, centres in the middle.
    grid->addWidget(align_left_btn, 0, 0);
    grid->addWidget(align_horzontal_btn, 0, 1);
    grid->addWidget(align_right_btn, 0, 2);
    grid->addWidget(align_top_btn, 1, 0);
    grid->addWidget(align_vertical_btn, 1, 1);
    grid->addWidget(align_bottom_btn, 1, 2);
    grid->addWidget(align_center_btn, 2, 1);
    page->addWidget(align);

    auto* sizing = new QGroupBox(QStringLiteral("Size and Grid"));
    auto* sizeGrid = new QGridLayout(sizing);
    same_width_btn = button("Same Width", "The width of the first selected");
    same_height_btn = button("Same Height", "The height of the first selected");
    fit_to_label_btn = button("Fit to Card", "The size of the whole card");
    Make_natural_size_btn = button("Natural Size", "The graphic's own size");
    Align_with_grid_btn = button("Snap to Grid", "Align with the grid");
    Align_with_grid_btn->setEnabled(false);
    QPushButton* const sizes[] = {same_width_btn, same_height_btn, fit_to_label_btn, Make_natural_size_btn,
                                  Align_with_grid_btn};
    for (int i = 0; i < 5; ++i)
        sizeGrid->addWidget(sizes[i], i / 2, i % 2);
    page->addWidget(sizing);
    page->addStretch(1);
}

QList<QPushButton*> AlignPanel::alignButtons() const {
    return {align_left_btn, align_right_btn, align_top_btn, align_bottom_btn,
            align_center_btn, align_horzontal_btn, align_vertical_btn};
}
