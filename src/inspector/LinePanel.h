#pragma once
// The line panel: colour, width, dash, orientation, cap and opacity.
#include <QObject>

class QComboBox;
class QSpinBox;
class QWidget;
class ColorWell;
class SKTGraphic;

class LinePanel : public QObject {
    Q_OBJECT
public:
    explicit LinePanel(QWidget* shelf);

    QWidget* line_tab = nullptr;

    void load(const SKTGraphic& g);
    // Writes the panel into the line (print_object apart).
    void writeTo(SKTGraphic& g) const;

    ColorWell* Line_clr = nullptr;
    QSpinBox* Line_Wdt_Stepper = nullptr;    // and Line_Wdt_Text
    QComboBox* Line_border_style = nullptr;
    QComboBox* Line_ori_style = nullptr;
    QComboBox* Line_cap_style = nullptr;
    QSpinBox* Line_alpha_Stepper = nullptr;  // and Line_alpha_Text
};
