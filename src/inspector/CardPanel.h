#pragma once
// The card tabs: the card's name, sides, shape and content (card), its size
// presets and size (size), its fill (background), and its border and
// watermark (border). They load from a side's Card_Property and write back
// into it; the fields both sides share are the window's to write.
#include "inspector/SizeField.h"

#include <QFont>
#include <QObject>

class QButtonGroup;
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
class QTableView;
class QWidget;
class Card_Property;
class ColorWell;

class CardPanel : public QObject {
    Q_OBJECT
public:
    explicit CardPanel(QWidget* shelf);

    QWidget* card_info_tab = nullptr;
    QWidget* card_size_tab = nullptr;
    QWidget* card_bkgd_tab = nullptr;
    QWidget* card_brdr_tab = nullptr;

    // Border, fill, opacity, background picture and content of the side
    // (back: the back's path view is the one shown).
    void loadFace(const Card_Property& P, bool back);
    void loadWatermark(const Card_Property& P);
    // The fill radios and the enabling for a FillStyleCode.
    void card_prop_set(const QString& fillStyle);
    void Show_Hide_Card_Transp_Ctrl(bool hide);
    void watermarkBoxFollowsCheck();
    // The side's own fields: border, fill, opacity, background path and
    // layout, content colour and font (back: the back's path view).
    void writeFace(Card_Property& P, bool back) const;
    void writeWatermark(Card_Property& P) const;
    // The FillStyleCode the radios show.
    QString fillStyle() const;
    void setContentFont(const QFont& font);
    void setWatermarkFont(const QFont& font);

    // ---- Card ----
    QLineEdit* card_name = nullptr;
    QComboBox* Sides_ComboBox = nullptr;
    QButtonGroup* matrix_card_shape = nullptr;  // ids 0 rectangle, 1 rounded, 2 oval
    ColorWell* All_Text_clr = nullptr;
    QColor All_Text_clr_COPY;
    QFont All_Text_font;
    QFont All_Text_font_COPY;
    QLineEdit* All_Text_font_value = nullptr;
    QString All_Text_font_value_COPY;
    QPushButton* all_content_font_btn = nullptr;

    // ---- Size ----
    QComboBox* Preset_ComboBox = nullptr;
    QComboBox* Category_ComboBox = nullptr;
    QTableView* ColList = nullptr;
    QGroupBox* card_size_box = nullptr;
    SizeField* width_Stepper = nullptr;   // and width_Text
    SizeField* height_Stepper = nullptr;  // and height_Text
    QLabel* unit_width_label = nullptr;
    QLabel* unit_height_label = nullptr;
    QPushButton* apply_size_btn = nullptr;
    QPushButton* page_frm_printer_btn = nullptr;

    // ---- Background ----
    QCheckBox* Card_fill_chk = nullptr;
    QGroupBox* Card_Fill_Box = nullptr;
    QRadioButton* Card_solid_fill_rd = nullptr;
    QRadioButton* Card_gradient_fill_rd = nullptr;
    QRadioButton* Card_Style_fill_rd = nullptr;
    QRadioButton* Card_Image_fill_rd = nullptr;
    ColorWell* Card_fill_clr = nullptr;
    ColorWell* Card_fill_Grd_1_clr = nullptr;
    ColorWell* Card_fill_Grd_2_clr = nullptr;
    QDoubleSpinBox* Card_grad_Stepper = nullptr;  // and Card_grad_Text
    QComboBox* Card_hatch_style = nullptr;
    ColorWell* Card_hatch_bk_clr = nullptr;
    QLabel* Card_alpha_lbl = nullptr;
    QSpinBox* Card_alpha_Stepper = nullptr;    // and Card_alpha_Text
    QGroupBox* Card_image_box = nullptr;
    QPlainTextEdit* Card_Image_path = nullptr;
    QPlainTextEdit* Card_Image_path_BACK = nullptr;
    QComboBox* Card_image_layout = nullptr;
    QPushButton* card_image_browse_btn = nullptr;
    QPushButton* card_image_library_btn = nullptr;

    // ---- Border and watermark ----
    QCheckBox* Card_border_chk = nullptr;
    QGroupBox* Card_Border_Box = nullptr;
    ColorWell* Card_bordr_clr = nullptr;
    QSpinBox* Card_bor_Stepper = nullptr;      // and Card_bor_Text
    QComboBox* Card_border_style = nullptr;
    QCheckBox* enable_watermark_chk = nullptr;
    QGroupBox* watermark_box = nullptr;
    QLineEdit* watermark_text = nullptr;
    QFont WM_Text_font;
    QLineEdit* wm_font_value = nullptr;
    QPushButton* wm_font_btn = nullptr;
    ColorWell* watermark_color = nullptr;
    QComboBox* wm_alignment_combo = nullptr;
    QSlider* wm_transp_slider = nullptr;
    QSpinBox* wm_transp_val = nullptr;

private:
    void buildInfoPage();
    void buildSizePage();
    void buildBackgroundPage();
    void buildBorderPage();
};
