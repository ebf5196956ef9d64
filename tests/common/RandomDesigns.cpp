// Draws a design for a stamping at random: its card, its dark ground, the
// user's own graphics on it and the values stamped on it.
#include "RandomDesigns.h"

#include "foundation/ProfileFieldTable.h"
#include "foundation/Units.h"
#include "mainwindow/CardSizePresets.h"

#include <QTextStream>

#include <array>
#include <cmath>

namespace zelk::test {

namespace {

// The kind of value each of the profile's text slots holds, in slot order.
constexpr std::array<ValueKind, ProfileTextSlotCount> SlotKinds = {
    ValueKind::Name,    ValueKind::Title, ValueKind::Company, ValueKind::Slogan,  ValueKind::Address,
    ValueKind::Phone,   ValueKind::Phone, ValueKind::Email,   ValueKind::Website, ValueKind::Number};

const QList<QColor>& darkColours() {
    static const QList<QColor> colours = {QColor(0x1d, 0x2b, 0x53), QColor(0x4a, 0x1c, 0x0c), QColor(0x0b, 0x3d, 0x2e),
                                          QColor(0x23, 0x2b, 0x3a), QColor(0x3b, 0x0d, 0x2e), QColor(0x10, 0x10, 0x10),
                                          QColor(0x23, 0x2e, 0x1d), QColor(0x41, 0x22, 0x0f)};
    return colours;
}

const QStringList& ownWords() {
    static const QStringList words = {"ACME HEADQUARTERS", "Gate 3", "2031", "VISITOR", "Crew C",
                                      "NORTH TERMINAL \u2014 BAY 7", "Valid 2027", "STAFF"};
    return words;
}

// A band or panel over one side of the card: its top, foot, left or right,
// `share` of the card across.
QRectF overASide(const QSizeF& card, int side, double share) {
    const double w = card.width(), h = card.height();
    switch (side) {
    case 0: return QRectF(0, 0, w, h * share);
    case 1: return QRectF(0, h * (1 - share), w, h * share);
    case 2: return QRectF(0, 0, w * share, h);
    default: return QRectF(w * (1 - share), 0, w * share, h);
    }
}

// The part of the card below (or above) a diagonal that cuts off one of
// its corners: from a point on one edge at that corner to a point on the
// other, `reach` of each edge away from the corner.
QPolygonF cornerTriangle(const QSizeF& card, int corner, double across, double down) {
    const double w = card.width(), h = card.height();
    const bool right = corner == 1 || corner == 2, foot = corner == 2 || corner == 3;
    const QPointF at(right ? w : 0, foot ? h : 0);
    return QPolygonF({at, QPointF(right ? w - w * across : w * across, at.y()),
                      QPointF(at.x(), foot ? h - h * down : h * down)});
}

// Where one dark part lies: over a side, below a diagonal, in a corner, an
// ellipse or a rounded panel somewhere over the card.
DarkPart drawPart(RandomDraw& draw, const QSizeF& card, bool picture) {
    DarkPart p;
    const double w = card.width(), h = card.height();
    switch (draw.between(0, picture ? 4 : 2)) {
    case 0:
        p.box = overASide(card, draw.between(0, 3), draw.real(0.2, 0.6));
        break;
    case 1: {
        p.form = DarkPart::Form::Ellipse;
        const QSizeF size(w * draw.real(0.3, 0.85), h * draw.real(0.4, 1.1));
        p.box = QRectF(QPointF(draw.real(-0.15 * w, w - 0.6 * size.width()), draw.real(-0.2 * h, h - 0.6 * size.height())),
                       size);
        break;
    }
    case 2: {
        p.form = DarkPart::Form::RoundedRectangle;
        const QSizeF size(w * draw.real(0.25, 0.7), h * draw.real(0.3, 1.0));
        p.box = QRectF(QPointF(draw.real(0, w - size.width()), draw.real(0, h - size.height())), size);
        p.radius = draw.real(4, 16);
        break;
    }
    case 3:
        // Below a diagonal across the card, or cutting off a corner.
        p.form = DarkPart::Form::Triangle;
        p.triangle = cornerTriangle(card, draw.between(0, 3), draw.real(0.5, 1.0), draw.real(0.5, 1.0));
        break;
    default:
        p.form = DarkPart::Form::Triangle;
        p.triangle = cornerTriangle(card, draw.between(0, 3), draw.real(0.2, 0.45), draw.real(0.25, 0.6));
        break;
    }
    return p;
}

}  // namespace

QPainterPath DarkPart::path() const {
    QPainterPath out;
    switch (form) {
    case Form::Rectangle: out.addRect(box); break;
    case Form::Triangle: out.addPolygon(triangle); out.closeSubpath(); break;
    case Form::Ellipse: out.addEllipse(box); break;
    case Form::RoundedRectangle: out.addRoundedRect(box, radius, radius); break;
    }
    return out;
}

QPainterPath RandomDesign::darkPath() const {
    QPainterPath out;
    out.setFillRule(Qt::WindingFill);
    for (const DarkPart& p : dark)
        out.addPath(p.path());
    QPainterPath on;
    on.addRect(QRectF(QPointF(0, 0), card));
    return out.simplified().intersected(on);
}

double RandomDesign::darkShareOf(const QRectF& r) const {
    const QRectF box = r.normalized();
    if (box.isEmpty() || dark.isEmpty())
        return 0;
    const QPainterPath path = darkPath();
    if (!path.intersects(box))
        return 0;
    constexpr double Step = 0.25;
    int on = 0, all = 0;
    for (double y = box.top() + Step / 2; y < box.bottom(); y += Step)
        for (double x = box.left() + Step / 2; x < box.right(); x += Step, ++all)
            on += path.contains(QPointF(x, y));
    return all ? double(on) / all : path.contains(box.center()) ? 1.0 : 0.0;
}

QColor RandomDesign::ownTextColour(const QRectF& box) const {
    return darkShareOf(box) > 0.5 ? QColor(Qt::white) : QColor(Qt::black);
}

RandomDesign drawDesign(std::uint32_t seed) {
    RandomDraw draw(seed);
    RandomDesign d;
    d.seed = seed;
    // Any size the wizard offers; the smallest plastic one (a SIM card's)
    // now and then.
    const QList<CardSizePreset>& presets = CardSizePresets::table();
    QList<CardSizePreset> sizes, smallest;
    for (const CardSizePreset& p : presets)
        (p.widthMm >= 50 ? sizes : smallest) << p;
    const CardSizePreset size = draw.chance(0.03) && !smallest.isEmpty() ? smallest.first() : draw.oneOf(sizes);
    d.sizeName = size.name;
    const QSizeF landscape(MM_to_Points_Convert(size.widthMm), MM_to_Points_Convert(size.heightMm));
    d.card = draw.chance(0.5) ? landscape.transposed() : landscape;
    d.shape = draw.chance(0.3) ? 1 : draw.chance(0.15) ? 2 : 0;
    d.picture = draw.chance(0.45);
    d.darkColour = draw.oneOf(darkColours());
    // One dark part, two now and then, or (one time in twenty) none.
    const int parts = draw.chance(0.05) ? 0 : draw.chance(0.25) ? 2 : 1;
    for (int i = 0; i < parts; ++i)
        d.dark << drawPart(draw, d.card, d.picture);
    if (draw.chance(0.3)) {
        const QSizeF panel(d.card.width() * draw.real(0.25, 0.6), d.card.height() * draw.real(0.2, 0.5));
        d.lightPanel = QRectF(QPointF(draw.real(0, d.card.width() - panel.width()),
                                      draw.real(0, d.card.height() - panel.height())),
                              panel);
    }
    const int own = draw.between(0, 3);
    for (int i = 0; i < own; ++i) {
        RandomOwnGraphic g{RandomOwnGraphic::Kind(draw.between(0, 3)), {}, {}, {}};
        const QSizeF size = g.kind == RandomOwnGraphic::Kind::Text      ? QSizeF(draw.real(30, 130), 0)
                            : g.kind == RandomOwnGraphic::Kind::Barcode ? QSizeF(0, 0)
                                                                        : QSizeF(draw.real(18, 60), draw.real(18, 60));
        // Half of them where the card is free of its dark ground, as users
        // put their things; the rest anywhere.
        const bool free = draw.chance(0.5);
        for (int attempt = 0; attempt < 12; ++attempt) {
            g.box = QRectF(QPointF(draw.real(2, std::max(2.0, d.card.width() - std::max(size.width(), 60.0) - 2)),
                                   draw.real(2, std::max(2.0, d.card.height() - std::max(size.height(), 30.0) - 2))),
                           size);
            if (!free || d.darkShareOf(QRectF(g.box.topLeft(), QSizeF(std::max(size.width(), 60.0),
                                                                       std::max(size.height(), 20.0)))) == 0)
                break;
        }
        switch (g.kind) {
        case RandomOwnGraphic::Kind::Text:
            g.text = draw.oneOf(ownWords());
            g.points = draw.oneOf(QList<double>{8, 10, 12});
            break;
        case RandomOwnGraphic::Kind::Shape:
            g.colour = draw.oneOf(QList<QColor>{QColor(250, 235, 200), QColor(200, 60, 60), QColor(220, 230, 245)});
            break;
        case RandomOwnGraphic::Kind::Picture:
            g.colour = draw.oneOf(QList<QColor>{QColor(230, 180, 40), QColor(150, 200, 240), QColor(90, 90, 90)});
            break;
        case RandomOwnGraphic::Kind::Barcode:
            g.text = QString::number(draw.between(100000, 99999999));
            break;
        }
        d.own << g;
    }
    // Four to ten of the slots, the name always.
    for (int i = 0; i < ProfileTextSlotCount; ++i)
        if (i == SlotName || draw.chance(0.6))
            d.fieldSlots << i;
    // A card the size of a SIM holds a name and a line or two more, as
    // people make one.
    if (d.card.width() * d.card.height() < 4000)
        d.fieldSlots = d.fieldSlots.mid(0, 3);
    d.photo = draw.chance(0.7);
    for (int i = 0; i < ProfileTextSlotCount; ++i) {
        d.shortValues << shortValue(draw, SlotKinds.at(std::size_t(i)));
        d.longValues << longValue(draw, SlotKinds.at(std::size_t(i)));
    }
    return d;
}

QString RandomDesign::describe() const {
    static const char* const forms[] = {"rectangle", "triangle", "ellipse", "rounded rectangle"};
    static const char* const shapes[] = {"", ", rounded", ", oval"};
    QString out;
    QTextStream s(&out);
    s << "seed " << seed << ": " << sizeName << " card " << card.width() << " x " << card.height() << shapes[shape]
      << "; " << (picture ? "a background picture, " : "dark shapes, ") << darkColour.name() << ":";
    for (const DarkPart& p : dark) {
        s << " a " << forms[int(p.form)];
        if (p.form == DarkPart::Form::Triangle)
            for (const QPointF& c : p.triangle)
                s << " (" << c.x() << ", " << c.y() << ")";
        else
            s << " at " << p.box.x() << ", " << p.box.y() << ", " << p.box.width() << " x " << p.box.height();
        s << ";";
    }
    if (!lightPanel.isEmpty())
        s << " a light-grey panel at " << lightPanel.x() << ", " << lightPanel.y() << ", " << lightPanel.width()
          << " x " << lightPanel.height() << ";";
    s << (photo ? " a photo" : " no photo") << "\n";
    static const char* const kinds[] = {"text", "shape", "picture", "barcode"};
    for (const RandomOwnGraphic& g : own)
        s << "  the user's " << kinds[int(g.kind)] << " at " << g.box.x() << ", " << g.box.y() << ", "
          << g.box.width() << " x " << g.box.height() << (g.text.isEmpty() ? QString() : " \"" + g.text + "\"") << "\n";
    for (int i : fieldSlots)
        s << "  slot " << i << ": " << shortValues.at(i) << " | " << longValues.at(i) << "\n";
    return out;
}

}  // namespace zelk::test
