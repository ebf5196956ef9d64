#pragma once
// The text panel: the text itself with date, time and template insertion,
// font, colour, opacity, alignment, case, kerning and rotation (the editing
// page), and border, fill and shadow (the properties page). It loads from a
// text graphic and writes into one; the window decides which graphics.
#include <QFont>
#include <QObject>

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QSlider;
class QSpinBox;
class QWidget;
class ColorWell;
class SKTGraphic;

class TextPanel : public QObject {
    Q_OBJECT
public:
    // The pages are made inside `shelf`, which keeps them while they are
    // out of the tab view.
    explicit TextPanel(QWidget* shelf);

    // The two pages.
    QWidget* text_edtng_tab = nullptr;
    QWidget* text_prop_tab = nullptr;

    // Loads the controls from the graphic's fields, then the enabling of the
    // border, fill and shadow boxes.
    void load(const SKTGraphic& g);
    // Writes the panel into the graphic: border, fill, colour, font, opacity,
    // alignment, case, kerning, shadow and rotation; the text too when
    // `withText`.
    void writeTo(SKTGraphic& g, bool withText) const;

    // Enabling rules of the check boxes and radio buttons.
    void borderBoxFollowsCheck();
    void fillBoxFollowsCheck();
    void selectSolidFill();
    void selectGradientFill();
    void shadowBoxFollowsCheck();
    // Hides (or shows) the opacity label and field: a gradient has none.
    void Show_Hide_Text_Transp_Ctrl(bool hide);
    // The font, and its "%@ ( %0.2f )" display.
    void setTextFont(const QFont& font);
    // The orientation list shows the angle: its item, or for an angle that
    // no item holds, nothing selected with the angle written in the field.
    void showOrientation(int angle);

    // ---- Editing page ----
    QLabel* text_value_lbl = nullptr;
    QPlainTextEdit* Text_value_Edit = nullptr;     // its own scroll view
    QLabel* txt_ctrl_id_val = nullptr;
    QGroupBox* Text_Date_Time_Box = nullptr;
    QComboBox* Text_Date_style = nullptr;
    QComboBox* Text_Time_style = nullptr;
    QPushButton* insert_date_btn = nullptr;
    QPushButton* insert_time_btn = nullptr;
    QPushButton* insert_template_btn = nullptr;    // "Use Template Title"
    QPushButton* insert_message_btn = nullptr;     // "Use Template Message"
    QFont Text_font;
    QLineEdit* Text_font_value = nullptr;
    QPushButton* text_font_btn = nullptr;
    ColorWell* Text_clr = nullptr;
    QLabel* text_alpha_lbl = nullptr;
    QSpinBox* Text_alpha_Stepper = nullptr;        // and Text_alpha_Text
    QComboBox* Text_align_combo = nullptr;
    QComboBox* Text_vert_align_combo = nullptr;
    QComboBox* Text_case_combo = nullptr;
    QDoubleSpinBox* Text_Kern_Stepper = nullptr;   // and Text_Kern_Text
    QSlider* txt_rotation_slidr = nullptr;
    QSpinBox* txt_rotation_slidr_val = nullptr;
    QComboBox* Text_Orientation_Combo = nullptr;

    // ---- Properties page ----
    QCheckBox* Text_border_chk = nullptr;
    QGroupBox* Text_Border_Box = nullptr;
    QSpinBox* Text_bor_Stepper = nullptr;          // and Text_bor_Text
    ColorWell* Text_bordr_clr = nullptr;
    QComboBox* Text_border_style = nullptr;
    QCheckBox* Text_fill_chk = nullptr;
    QGroupBox* Text_Fill_Box = nullptr;
    QRadioButton* Text_solid_fill_rd = nullptr;
    QRadioButton* Text_gradient_fill_rd = nullptr;
    ColorWell* Text_fill_clr = nullptr;
    ColorWell* Text_fill_Grd_1_clr = nullptr;
    ColorWell* Text_fill_Grd_2_clr = nullptr;
    QSpinBox* Text_grad_Stepper = nullptr;         // and Text_grad_Text
    QCheckBox* draw_shadow_chkbox = nullptr;
    QGroupBox* shadow_box = nullptr;
    ColorWell* Shadow_clr = nullptr;
    QDoubleSpinBox* shadow_x_Stepper = nullptr;    // and shadow_x_Text
    QDoubleSpinBox* shadow_y_Stepper = nullptr;
    QDoubleSpinBox* shadow_blur_Stepper = nullptr;
    QSpinBox* shadow_transp_Stepper = nullptr;

private:
    void buildEditingPage();
    void buildPropertiesPage();
    void setGradientControlsEnabled(bool gradient);
};
