#pragma once
// The image panel: border, the photo filters, flips, rotation and
// transparency of an image graphic. It loads from an image graphic and
// writes back into one.
#include <QList>
#include <QObject>
#include <utility>

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QGroupBox;
class QPushButton;
class QSpinBox;
class QWidget;
class ColorWell;
class DoubleSlider;
class SKTGraphic;

class ImagePanel : public QObject {
    Q_OBJECT
public:
    explicit ImagePanel(QWidget* shelf);

    QWidget* image_tab = nullptr;

    void load(const SKTGraphic& g);
    // Border, flips, filters and the sliders' values (the values shown in
    // their fields); neither the path nor the print flag.
    void writeTo(SKTGraphic& g) const;
    // A plain picture: no filter, no flip, opaque, no border.
    void resetControls();
    // Each slider with its value field, in the order the writer reads them.
    QList<std::pair<DoubleSlider*, QDoubleSpinBox*>> sliderPairs() const;

    QCheckBox* Image_border_chk = nullptr;
    QGroupBox* Image_Border_Box = nullptr;
    QSpinBox* Image_bor_Stepper = nullptr;      // and Image_bor_Text
    ColorWell* Image_bordr_clr = nullptr;
    QComboBox* Image_border_style = nullptr;
    QCheckBox* draw_image_filter_chkbox = nullptr;
    QGroupBox* Image_Edit_Prop_Box = nullptr;
    // Each slider with its value field.
    DoubleSlider* Rotate_slidr = nullptr;
    QDoubleSpinBox* Rotate_slidr_val = nullptr;  // and Image_rotate_Stepper
    DoubleSlider* Trsp_slidr = nullptr;
    QDoubleSpinBox* Trsp_slidr_val = nullptr;
    DoubleSlider* Hue_slidr = nullptr;
    QDoubleSpinBox* Hue_slidr_val = nullptr;
    DoubleSlider* Sat_slidr = nullptr;
    QDoubleSpinBox* Sat_slidr_val = nullptr;
    DoubleSlider* Brt_slidr = nullptr;
    QDoubleSpinBox* Brt_slidr_val = nullptr;
    DoubleSlider* Con_slidr = nullptr;
    QDoubleSpinBox* Con_slidr_val = nullptr;
    DoubleSlider* shrp_slidr = nullptr;
    QDoubleSpinBox* shrp_slidr_val = nullptr;
    DoubleSlider* ev_slidr = nullptr;
    QDoubleSpinBox* ev_slidr_val = nullptr;
    DoubleSlider* blr_slidr = nullptr;
    QDoubleSpinBox* blr_slidr_val = nullptr;
    QCheckBox* Image_Gray_Scale_chk = nullptr;
    QCheckBox* Image_Sepia_chk = nullptr;
    QCheckBox* Image_Invert_chk = nullptr;
    QCheckBox* Image_FIV_chk = nullptr;
    QCheckBox* Image_FIH_chk = nullptr;
    QPushButton* image_reset_btn = nullptr;

private:
    // A slider and its field, kept in step with each other.
    void addSlider(class QFormLayout* form, const QString& label, DoubleSlider*& slider,
                   QDoubleSpinBox*& field, double minimum, double maximum, int decimals);
};
