#pragma once
// The visitor pass: a white page with a black border, the centred heading
// "Visitor Details", a grey band with the visitor number and the date and
// time, the photo at the top right, one line per filled front field, a
// separator and one line per filled back field, then the other details.
//
// The layout is worked out in the page's own y-up coordinates (origin at the
// bottom-left corner, moving down decreases y), so its positions read as the
// layout rules give them; each rectangle is turned into painter coordinates
// (points, y down) only when drawn. One paint function serves the screen,
// PDF files, bitmaps at any resolution and the printer.
#include <QImage>
#include <QList>
#include <QPair>
#include <QRectF>
#include <QSizeF>
#include <QString>

#include <functional>

class QPainter;

namespace zelk {

// What the pass shows, as the visitor log holds it for the record shown.
struct VisitorPassData {
    QString unique_detail_lbl, unique_detail;  // the band's left text
    QString date_time_detail;                  // the band's right text
    // (caption, value) in drawing order: name, company name, position, fax,
    // slogan, website, address, phone, e-mail, date, time; the back adds the
    // number after the e-mail.
    QList<QPair<QString, QString>> front;
    QList<QPair<QString, QString>> back;
    QString other_detail_info;
    QImage photo;
};

class Visitor_Pass {
public:
    enum class Font { Heading, Caption, Body };
    // One drawn element, its rectangle in page coordinates (y up: the
    // rectangle's y is its bottom edge).
    struct Item {
        enum Kind { Border, Band, Photo, Separator, Text } kind;
        QRectF rect;
        QString text;
        Font font = Font::Body;
        int alignment = 0;  // Qt::Alignment
    };
    struct Layout {
        QRectF Border_rect;
        QRectF band;
        QRectF photoBox;      // empty without a photo
        double firstLineY = 0;  // y of the first front line (beside the photo)
        double lowest = 0;      // the lowest y anything reaches
        QList<Item> items;
    };

    // The layout on a page of that size.
    static Layout layout(const VisitorPassData& data, const QSizeF& page);
    // Paints the pass on a page of that size; the painter is in points, its
    // origin the page's top-left corner.
    static void paint(QPainter& painter, const VisitorPassData& data, const QSizeF& page);
    // The page height at which everything the pass draws ends at least
    // `margin` points above the page's bottom edge (a dry run of the layout).
    static double fittingHeight(const VisitorPassData& data, double width, double margin = 20);

    // The fonts, in points: DejaVu Sans Bold 12, DejaVu Sans Bold 10,
    // DejaVu Sans 10.
    static QFont font(Font kind);
    // A text's own height and width in a font, measured without a width limit.
    static QSizeF textSize(const QString& text, Font kind);
};

}  // namespace zelk
