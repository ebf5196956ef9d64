#pragma once
// The look of one barcode picture: the values of the barcode settings
// window that the linear model, the renderer and the size rules read.
//
// It is a plain value so that a barcode can be sized and drawn on any thread
// without a window: whoever produces a picture fills one from the graphic's
// barcode settings and hands it to the barcode object. Sizes are kept as the
// settings hold them (millimetres for heights and margins, mils for the
// module width); BarcodeSizes turns them into points.
#include "foundation/BarcodeSettings.h"

#include <QColor>
#include <QFont>
#include <QString>
#include <QStringList>

namespace zelk {

struct BarcodeRenderSettings {
    // The three text fonts; each defaults to the model's default text font at 10 points.
    QFont valueFont = defaultFont();
    QFont headerFont = defaultFont();
    QFont footerFont = defaultFont();

    // Colours of bars, background (linear symbols), value text, header, footer.
    QColor barColor = Qt::black;
    QColor backgroundColor = Qt::white;
    QColor valueColor = Qt::black;
    QColor headerColor = Qt::black;
    QColor footerColor = Qt::black;
    bool fillTransparent = false;  // transparent background instead of backgroundColor

    // Check boxes, true meaning "ticked".
    bool hideCaption = false;         // value text hidden
    bool hideHeader = false;          // header hidden
    bool hideFooter = false;          // footer hidden
    bool showValueOnTop = false;      // value text above the bars
    bool valueWithoutKerning = false; // value text without added letter spacing

    // Indexes into alignmentTitles(): "Left", "Center", "Right".
    int headerAlignIndex = 1;
    int footerAlignIndex = 1;

    // Sizes as entered.
    float barHeightMm = 6.0f;    // height of the bars
    float barWidthMils = 20.0f;  // width of the narrowest module
    float valueMarginMm = 1.0f;  // between bars and value text
    float headerMarginMm = 1.0f; // under the header
    float footerMarginMm = 1.0f; // over the footer
    float tbMarginMm = 1.0f;     // top and bottom
    float lrMarginMm = 1.0f;     // left and right

    // Resolution of bitmaps, dots per inch.
    int dpi = 600;

    static QFont defaultFont() { return zelk::defaultFont(zelk::DefaultBarcodeFontSize); }
    static QStringList alignmentTitles() {
        return {QStringLiteral("Left"), QStringLiteral("Center"), QStringLiteral("Right")};
    }
    // Title of an alignment index; empty when out of range (default alignment).
    static QString alignmentTitle(int index) {
        const QStringList t = alignmentTitles();
        return index >= 0 && index < t.size() ? t.at(index) : QString();
    }
};

}  // namespace zelk
