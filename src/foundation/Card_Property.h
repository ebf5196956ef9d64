#pragma once
// The properties of one card side: size, shape, name, stock category and
// size preset, border, fill, opacity, background picture and its layout,
// content colour and font, watermark. One object per side, held by the main
// window. A plain value: the fields are read and written directly, and a
// copy is safe to hand to a rendering worker.
#include <QColor>
#include <QFont>
#include <QImage>
#include <QPointF>
#include <QSizeF>
#include <QString>

class Card_Property {
public:
    // sideName: "F" for the front object, "B" for the back one.
    explicit Card_Property(const QString& sideName = QStringLiteral("F"));

    // Takes the look of the other side's face: border, fill, background
    // picture, opacity, content colour and font, watermark. What names this
    // side and what both sides share (sides, shape, name, place, size and
    // stock) stays.
    void takeFaceOf(const Card_Property& other);

    // Border
    bool Card_border_chk = false;
    QColor Card_bordr_clr = QColor(Qt::black);
    int Card_bor_Stepper = 1;                            // width in points
    QString Card_border_style = QStringLiteral("S");     // DashCode

    // Fill
    bool Card_fill_chk = true;
    QString Card_fill_style = QStringLiteral("S");       // "S", "G", "H", "I"
    QColor Card_fill_clr = QColor(Qt::white);            // alpha = card opacity
    QColor Card_fill_Grd_1_clr = QColor(Qt::white);      // gradient, no opacity
    QColor Card_fill_Grd_2_clr = QColor(Qt::black);
    int Card_grad_Stepper = 0;                           // gradient angle, degrees
    QString Card_hatch_style;                            // pattern name
    QColor Card_hatch_bk_clr = QColor(Qt::white);        // alpha = card opacity
    // Opacity of the picture fill: a fraction 0 to 1 once the card panel has
    // written it; a new object holds 100, which draws fully opaque.
    float Card_alpha_Stepper = 100.0f;
    QImage Card_BG_Image;                                // set only by background loading
    QString Card_BG_Image_Path;
    QString Card_BG_Image_Layout = QStringLiteral("Stretch");  // or "Tile"

    // Content
    QColor Card_Content_clr = QColor(Qt::black);
    QFont Card_Content_font;

    // Watermark
    bool Watermark_Used = false;
    QString Watermark_Text;
    QFont Watermark_Font;
    QColor Watermark_Color = QColor(Qt::gray);
    float Watermark_Transp = 1.0f;                       // alpha 0 to 1
    int Watermark_Alignment = 1;                         // 0 top, 1 middle, 2 bottom

    // The card
    QString Card_Side = QStringLiteral("2");             // "2" two-sided, "1" one-sided
    QString Card_Side_Name;                              // "F" or "B"
    QString Card_Shape = QStringLiteral("R");            // "R", "RR", "E"
    QString Card_Name;
    QPointF Card_Location = QPointF(0, 0);               // origin on the canvas, points
    QSizeF Card_Size = QSizeF(0, 0);                     // points; zero until set up
    QString Card_Preset;
    QString Card_Category;
    QString Card_Sub_Category;
    int Card_Cat_index = -1;                             // -1 none
    QString Card_Create_Mode;                            // a StartMode letter
};
