#pragma once
// The settings every barcode graphic carries: symbology, value, the texts
// around the bars, sizes, margins, fonts, colours, the 2D options and the
// resolution. The defaults are those of a newly created barcode graphic.
// Lengths: bar height and margins in millimetres, module width in mils,
// 2D picture sizes in points.
#include <QColor>
#include <QFont>
#include <QString>

class BarcodeSettings {
public:
    BarcodeSettings();

    int linear_or_2d = 0;           // 0 linear or postal, 1 2D
    int barcode_font_index = 0;     // item of the symbology list
    QString linear_font_val = QStringLiteral("0123");
    QString two_d_font_val = QStringLiteral("0123");
    QString header_val = QStringLiteral("HEADER");
    QString footer_val = QStringLiteral("FOOTER");
    int show_hide_hdr = 0;          // 1 header hidden
    int show_hide_ftr = 0;          // 1 footer hidden
    int show_hide_val = 0;          // 1 value text hidden
    int show_val_on_top = 0;        // 1 value text above the bars
    int align_hdr_index = 1;        // item of "Left", "Center", "Right"
    int align_ftr_index = 1;
    float linear_height_val = 6.0f;   // mm
    float linear_width_val = 20.0f;   // mils
    int qr_size_val = 60;             // points
    int qr_version_index = 0;         // 0 "Auto", n version n
    int qr_ec_index = 0;              // 0 L, 1 M, 2 Q, 3 H
    int pdf_hgt_val = 20;             // points
    int pdf_wdt_val = 100;            // points
    int pdf_ec_val = 2;               // 0 to 8
    int dm_module_val = 2;            // points
    int dm_format_index = 0;          // 0 "Auto", else a symbol size
    int dm_encoding_index = 0;        // 0 Auto, 1 Ascii, 2 C40, 3 Text, 4 Base256
    float hdr_margin_val = 1.0f;      // mm
    float ftr_margin_val = 1.0f;
    float val_margin_val = 1.0f;
    float TB_marging_val = 1.0f;
    float LR_margin_val = 1.0f;
    QFont value_font_val;             // the default text font at 10 points
    QFont header_font_val;
    QFont footer_font_val;
    QColor barcode_hdr_clr_val = QColor(Qt::black);
    QColor barcode_ftr_clr_val = QColor(Qt::black);
    QColor barcode_val_clr_val = QColor(Qt::black);
    QColor barcode_back_clr_val = QColor(Qt::white);
    QColor barcode_clr_val = QColor(Qt::black);
    int dpi_val_index = 0;            // "Auto" (600 dpi), a dpi item, or "Custom"
    QString dpi_custom_val = QStringLiteral("0");
    int barcode_unit_val = 1;         // kept with the settings, read by no one

    // Puts every field back to its default.
    void resetBarcodeSettings();
};

namespace zelk {

// The default text font of the model: the family new texts and barcode
// captions start with (the main window sets it at start-up from its
// Text_Ctrl_Font) and the size of a new text.
QString defaultTextFontFamily();
void setDefaultTextFontFamily(const QString& family);
constexpr double DefaultTextFontSize = 12.0;
constexpr double DefaultBarcodeFontSize = 10.0;

// A font of the default family at the size in points.
QFont defaultFont(double pointSize);

}  // namespace zelk
