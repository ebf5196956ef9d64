#pragma once
// Designs drawn at random for the tests of a profile's stamping: a card of
// any size the wizard offers, portrait or landscape, square, rounded or
// oval; its dark ground drawn as users draw it (a band or panel over a
// side, a background picture dark over a side, below a diagonal or in a
// corner, a dark ellipse or rounded panel, two dark parts), now and then a
// light-grey panel that black reads on; none to three graphics of the
// user's own; and the fields stamped on it twice, with short values and
// then with long ones.
#include "RandomDraw.h"

#include <QColor>
#include <QList>
#include <QPainterPath>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QStringList>

namespace zelk::test {

// One dark part of the card's ground.
struct DarkPart {
    enum class Form { Rectangle, Triangle, Ellipse, RoundedRectangle } form = Form::Rectangle;
    QRectF box;          // a rectangle's, an ellipse's or a rounded rectangle's
    QPolygonF triangle;  // a triangle's corners
    double radius = 0;   // a rounded rectangle's corners
    QPainterPath path() const;
};

// A graphic the user placed on the design before stamping.
struct RandomOwnGraphic {
    enum class Kind { Text, Shape, Picture, Barcode } kind;
    QRectF box;        // a text's or a barcode's top left and width, the height fitted
    QColor colour;     // a shape's fill, a picture's; a text's is chosen by what it stands on
    QString text;      // a text's words, a barcode's value
    double points = 10;
};

struct RandomDesign {
    std::uint32_t seed = 0;
    QString sizeName;  // the wizard's name for the card's size
    QSizeF card;
    int shape = 0;  // 0 square corners, 1 rounded, 2 oval
    // The dark parts: painted into a background picture, else each a
    // filled shape of the user's without a border.
    QList<DarkPart> dark;
    bool picture = false;
    QColor darkColour;
    // A light-grey panel of the user's (a filled rounded rectangle) that
    // black reads on; empty for none.
    QRectF lightPanel;
    QList<RandomOwnGraphic> own;  // none to three
    QList<int> fieldSlots;        // the profile's slots stamped, in slot order
    bool photo = false;
    QStringList shortValues, longValues;  // a value for each slot of the profile

    // The dark ground on the card, as one path.
    QPainterPath darkPath() const;
    // How much of `r` lies on the dark ground (0 to 1), counted on a grid
    // of quarter points.
    double darkShareOf(const QRectF& r) const;
    // The colour a text of the user's takes in `box`: white where it stands
    // mostly on the dark, black elsewhere.
    QColor ownTextColour(const QRectF& box) const;
    QString describe() const;
};

RandomDesign drawDesign(std::uint32_t seed);

}  // namespace zelk::test
