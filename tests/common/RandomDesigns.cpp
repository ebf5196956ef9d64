// Draws a design for a stamping at random: its card, its dark part, the
// user's own graphics on it and the values stamped on it.
#include "RandomDesigns.h"

#include "foundation/ProfileFieldTable.h"

#include <QTextStream>

#include <array>

namespace zelk::test {

namespace {

constexpr double CardLong = 242.645669, CardShort = 153.070866;

// The kind of value each of the profile's text slots holds, in slot order.
constexpr std::array<ValueKind, ProfileTextSlotCount> SlotKinds = {
    ValueKind::Name,    ValueKind::Title, ValueKind::Company, ValueKind::Slogan,  ValueKind::Address,
    ValueKind::Phone,   ValueKind::Phone, ValueKind::Email,   ValueKind::Website, ValueKind::Number};

const QList<QColor>& darkColours() {
    static const QList<QColor> colours = {QColor(0x1d, 0x2b, 0x53), QColor(0x4a, 0x1c, 0x0c), QColor(0x0b, 0x3d, 0x2e),
                                          QColor(0x23, 0x2b, 0x3a), QColor(0x3b, 0x0d, 0x2e), QColor(0x10, 0x10, 0x10)};
    return colours;
}

const QStringList& ownWords() {
    static const QStringList words = {"ACME HEADQUARTERS", "Gate 3", "2031", "VISITOR", "Crew C",
                                      "NORTH TERMINAL \u2014 BAY 7", "Valid 2027", "STAFF"};
    return words;
}

}  // namespace

QRectF RandomDesign::darkRect() const {
    const double w = card.width(), h = card.height();
    switch (side) {
    case DarkSide::Top: return QRectF(0, 0, w, h * darkShare);
    case DarkSide::Foot: return QRectF(0, h * (1 - darkShare), w, h * darkShare);
    case DarkSide::Left: return QRectF(0, 0, w * darkShare, h);
    case DarkSide::Right: return QRectF(w * (1 - darkShare), 0, w * darkShare, h);
    }
    return {};
}

RandomDesign drawDesign(std::uint32_t seed) {
    RandomDraw draw(seed);
    RandomDesign d;
    d.seed = seed;
    d.card = draw.chance(0.5) ? QSizeF(CardShort, CardLong) : QSizeF(CardLong, CardShort);
    d.shape = draw.chance(0.25) ? 1 : 0;
    d.side = DarkSide(draw.between(0, 3));
    d.darkShare = draw.real(0.25, 0.6);
    d.picture = draw.chance(0.3);
    d.dark = draw.oneOf(darkColours());
    const int own = draw.between(0, 3);
    for (int i = 0; i < own; ++i) {
        RandomOwnGraphic g{RandomOwnGraphic::Kind(draw.between(0, 3)), {}, {}, {}};
        const QSizeF size = g.kind == RandomOwnGraphic::Kind::Text      ? QSizeF(draw.real(30, 130), 0)
                            : g.kind == RandomOwnGraphic::Kind::Barcode ? QSizeF(0, 0)
                                                                        : QSizeF(draw.real(18, 60), draw.real(18, 60));
        g.box = QRectF(QPointF(draw.real(2, d.card.width() - std::max(size.width(), 60.0) - 2),
                               draw.real(2, d.card.height() - std::max(size.height(), 30.0) - 2)),
                       size);
        switch (g.kind) {
        case RandomOwnGraphic::Kind::Text:
            g.text = draw.oneOf(ownWords());
            g.points = draw.oneOf(QList<double>{8, 10, 12});
            // Black, or white where it stands on the dark part.
            g.colour = g.box.intersects(d.darkRect()) ? QColor(Qt::white) : QColor(Qt::black);
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
    d.photo = draw.chance(0.7);
    for (int i = 0; i < ProfileTextSlotCount; ++i) {
        d.shortValues << shortValue(draw, SlotKinds.at(std::size_t(i)));
        d.longValues << longValue(draw, SlotKinds.at(std::size_t(i)));
    }
    return d;
}

QString RandomDesign::describe() const {
    static const char* const sides[] = {"top", "foot", "left", "right"};
    QString out;
    QTextStream s(&out);
    s << "seed " << seed << ": card " << card.width() << " x " << card.height() << (shape ? ", rounded" : "") << "; "
      << (picture ? "a background picture dark " : "a dark shape ") << dark.name() << " over its " << sides[int(side)]
      << " " << int(darkShare * 100) << " %" << (photo ? "; a photo" : "; no photo") << "\n";
    static const char* const kinds[] = {"text", "shape", "picture", "barcode"};
    for (const RandomOwnGraphic& g : own)
        s << "  the user's " << kinds[int(g.kind)] << " at " << g.box.x() << ", " << g.box.y() << ", "
          << g.box.width() << " x " << g.box.height() << (g.text.isEmpty() ? QString() : " \"" + g.text + "\"") << "\n";
    for (int i : fieldSlots)
        s << "  slot " << i << ": " << shortValues.at(i) << " | " << longValues.at(i) << "\n";
    return out;
}

}  // namespace zelk::test
