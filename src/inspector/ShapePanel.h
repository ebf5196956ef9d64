#pragma once
// The shape panel: outline, fill (solid, gradient or hatch), opacity,
// rotation, and the corner radius, double-star kind and polygon kind of the
// shapes that have one. It loads from a shape and writes into one.
#include <QObject>

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QGroupBox;
class QLabel;
class QRadioButton;
class QSlider;
class QSpinBox;
class QWidget;
class ColorWell;
class SKTGraphic;

class ShapePanel : public QObject {
    Q_OBJECT
public:
    explicit ShapePanel(QWidget* shelf);

    QWidget* shape_tab = nullptr;

    // Loads the controls; `locked` keeps the optional groups hidden.
    void load(const SKTGraphic& g, bool locked);
    // Writes the panel into the shape (print_object apart).
    void writeTo(SKTGraphic& g) const;

    void borderBoxFollowsCheck();
    // Fill on: the box and the controls of the style whose radio is on.
    void fillBoxFollowsCheck();
    void selectSolidFill();
    void selectGradientFill();
    void selectHatchFill();
    void Show_Hide_Shape_Transp_Ctrl(bool hide);
    // The slider's angle into the field, and the field's into the slider.
    void rotationFieldFollowsSlider();
    void rotationSliderFollowsField();

    QLabel* Shape_prop_title = nullptr;
    QSlider* shape_rotation_slidr = nullptr;
    QSpinBox* shape_rotation_slidr_val = nullptr;  // and Shape_Rotate_Stepper
    QCheckBox* Shape_border_chk = nullptr;
    QGroupBox* Shape_Border_Box = nullptr;
    ColorWell* shape_bordr_clr = nullptr;
    QSpinBox* shape_bor_Stepper = nullptr;         // and shape_bor_Text
    QComboBox* shape_border_style = nullptr;
    QCheckBox* Shape_fill_chk = nullptr;
    QGroupBox* Shape_Fill_Box = nullptr;
    QRadioButton* Shape_solid_fill_rd = nullptr;
    QRadioButton* Shape_gradient_fill_rd = nullptr;
    QRadioButton* Shape_Style_fill_rd = nullptr;
    ColorWell* shape_fill_clr = nullptr;
    ColorWell* shape_fill_Grd_1_clr = nullptr;
    ColorWell* shape_fill_Grd_2_clr = nullptr;
    QSpinBox* shape_grad_Stepper = nullptr;        // and shape_grad_Text
    QComboBox* shape_hatch_style = nullptr;
    ColorWell* shape_hatch_bk_clr = nullptr;
    QLabel* shape_alpha_lbl = nullptr;
    QSpinBox* shape_alpha_Stepper = nullptr;       // and shape_alpha_Text
    QLabel* shape_cor_radius_Label = nullptr;
    QDoubleSpinBox* shape_cor_radius_Stepper = nullptr;
    QLabel* double_star_Label = nullptr;
    QSpinBox* double_star_Stepper = nullptr;
    QLabel* polygon_Label = nullptr;
    QSpinBox* polygon_Stepper = nullptr;

private:
    // Enables the fill controls of one style and disables the others.
    void enableStyleControls(const QString& fillStyle);
};
