#pragma once
// The signature panel: the picture file and the border of a signature or
// fingerprint graphic. It loads from the graphic and writes back into one.
#include <QObject>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;
class QWidget;
class ColorWell;
class SKTGraphic;

class SignaturePanel : public QObject {
    Q_OBJECT
public:
    explicit SignaturePanel(QWidget* shelf);

    QWidget* sign_tab = nullptr;

    void load(const SKTGraphic& g);
    // The border; the picture is the window's to load.
    void writeTo(SKTGraphic& g) const;

    QPlainTextEdit* Sign_image_path = nullptr;
    QPushButton* sign_browse_btn = nullptr;
    QCheckBox* Sign_border_chk = nullptr;
    QGroupBox* Sign_Border_Box = nullptr;
    QSpinBox* Sign_bor_Stepper = nullptr;  // and Sign_bor_Text
    ColorWell* Sign_bordr_clr = nullptr;
    QComboBox* Sign_border_style = nullptr;
};
