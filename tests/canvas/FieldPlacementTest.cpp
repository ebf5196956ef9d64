// Where a field added by ID lands on a side without a frame for it: on the
// card, clear of what the side shows where the card has room, a caption
// beside its value; the rule's own place, moved onto the card, where it is
// full. Which fields read wrong, and what the user is told of them.
#include "CanvasTestSupport.h"
#include "HolderFields.h"

#include "canvas/FieldPlacement.h"
#include "canvas/ReadingWrongMessage.h"
#include "canvas/placement/LeastCoverSearch.h"
#include "foundation/Codes.h"
#include "foundation/DrawingCodes.h"
#include "foundation/SKTImage.h"
#include "foundation/SKTText.h"
#include "foundation/Shape_Control.h"

#include <cmath>
#include <optional>
#include <random>

using namespace zelk;
using namespace zelk::test;

namespace {

const QRectF Card(0, 0, 240, 150);

TEST(FieldPlacement, ClearPlaces) {
    // Expected corners by hand: a taken rectangle's edge plus the clearance
    // of 2, the nearest to the wanted corner; ties go up, then left.
    struct Case {
        const char* note;
        QRectF wanted;
        QList<QRectF> taken;
        QPointF expected;
        QList<QRectF> pictures = {};
        QList<QRectF> groundNotReadOn = {};  // ground the field's colour does not read on
    };
    const Case cases[] = {
        {"free: kept", {10, 10, 70, 20}, {{100, 100, 20, 20}}, {10, 10}},
        {"touching is not meeting", {10, 10, 70, 20}, {{80, 10, 20, 20}, {10, 30, 70, 5}}, {10, 10}},
        {"a band across the top: just under it", {10, 10, 70, 20}, {{0, 0, 240, 40}}, {10, 42}},
        {"a picture down the left: just right of it", {10, 60, 70, 20}, {{0, 0, 60, 150}}, {62, 60}},
        {"a picture on the left: above it is nearer", {10, 60, 70, 20}, {{0, 40, 60, 100}}, {10, 18}},
        {"under the band and right of the picture", {5, 5, 70, 20}, {{0, 0, 240, 40}, {0, 40, 60, 100}}, {62, 42}},
        {"down where nearer", {100, 60, 70, 20}, {{90, 50, 100, 31}}, {100, 83}},
        {"ties go up", {10, 59, 70, 22}, {{0, 60, 240, 20}}, {10, 36}},
        {"free but past the card's foot: the nearest on it", {10, 140, 70, 20}, {{0, 120, 240, 10}}, {10, 98}},
        {"past the card's right edge: moved in", {200, 10, 70, 20}, {}, {168, 10}},
        {"a full card: the rule's place after all", {10, 10, 70, 20}, {{0, 0, 240, 150}}, {10, 10}},
        {"a full card: the rule's place moved onto it, its clearance kept from the edges", {200, 140, 70, 20},
         {{0, 0, 240, 150}}, {168, 128}},
        // No clear place: the nearest of those that cover the least.
        {"no gap wide enough: the one that meets nothing", {10, 55, 70, 20}, {{0, 0, 240, 59}, {0, 81, 240, 69}},
         {10, 59}},
        {"a narrow gap: half in it", {10, 10, 70, 20}, {{0, 0, 240, 70}, {0, 80, 240, 70}}, {10, 60}},
        {"a full card: not over its picture", {10, 10, 70, 20}, {{60, 0, 180, 150}, {0, 0, 60, 150}}, {60, 10},
         {{0, 0, 60, 150}}},
        {"a narrow gap under a picture: half over the text below", {10, 10, 70, 20},
         {{0, 0, 240, 70}, {0, 80, 240, 70}}, {10, 70}, {{0, 0, 240, 70}}},
        {"pictures everywhere: the least of all", {10, 10, 70, 20}, {{0, 0, 240, 150}}, {10, 10}, {{0, 0, 240, 150}}},
        {"dark ground at the top: under it, where it reads", {10, 10, 70, 20}, {}, {10, 42}, {}, {{0, 0, 240, 40}}},
        {"dark ground wherever it is clear: there after all", {10, 10, 70, 20}, {{0, 40, 240, 110}}, {10, 10}, {},
         {{0, 0, 240, 40}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.note);
        Taken taken{c.taken, c.pictures, {}};
        if (!c.groundNotReadOn.isEmpty())
            taken.groundNotReadOn = [&c] { return c.groundNotReadOn; };
        const QRectF placed = fieldPlaceFor({c.wanted.size()}, c.wanted.topLeft(), taken, Card);
        EXPECT_EQ(placed, QRectF(c.expected, c.wanted.size())) << rectText(placed).toStdString();
    }
    // Random sides on a grid of 1 (so that edges touch and distances tie)
    // against the plain search: every corner the side makes, nearest first,
    // checked against every rectangle and the card's edges.
    auto plainSearch = [](const QRectF& wanted, const QList<QRectF>& taken) -> std::optional<QRectF> {
        auto clear = [&](const QRectF& r, double m) {
            return std::none_of(taken.cbegin(), taken.cend(),
                                [&](const QRectF& t) { return r.adjusted(-m, -m, m, m).intersects(t); });
        };
        if (Card.contains(wanted) && clear(wanted, 0))
            return wanted;
        const double w = wanted.width(), h = wanted.height(), g = FieldClearance;
        QList<double> xs = {wanted.x(), g, Card.right() - g - w}, ys = {wanted.y(), g, Card.bottom() - g - h};
        for (const QRectF& t : taken)
            xs << t.right() + g << t.left() - g - w, ys << t.bottom() + g << t.top() - g - h;
        std::optional<std::tuple<double, double, double>> best;
        for (double y : ys)
            for (double x : xs)
                if (Card.adjusted(g, g, -g, -g).contains(QRectF(x, y, w, h)) && clear(QRectF(x, y, w, h), g - 0.001)) {
                    const double dx = x - wanted.x(), dy = y - wanted.y();
                    best = std::min(best.value_or(std::tuple(HUGE_VAL, 0.0, 0.0)), std::tuple(dx * dx + dy * dy, y, x));
                }
        return best ? std::optional(QRectF(std::get<2>(*best), std::get<1>(*best), w, h)) : std::nullopt;
    };
    // Wanted in a corner of a rounded card (quarter circles of 10) or an
    // oval one, clear or full (the search for the least cover, whose maps
    // of the outline follow the card): every corner of the place a point or
    // more inside the outline.
    for (const QList<QRectF>& taken : {QList<QRectF>{}, QList<QRectF>{Card}})
    for (const int shape : {1, 2})
        for (const QPointF& corner : {QPointF(0, 0), QPointF(Card.width() - 70, 0), QPointF(0, Card.height() - 20),
                                      QPointF(Card.width() - 70, Card.height() - 20)}) {
            SCOPED_TRACE(shape == 1 ? "rounded" : "oval");
            const QRectF placed = fieldPlaceFor({QSizeF(70, 20)}, corner, taken, CardArea(Card, shape));
            for (const QPointF& p : {placed.topLeft(), placed.topRight(), placed.bottomLeft(), placed.bottomRight()}) {
                const QPointF arc(std::clamp(p.x(), 10.0, Card.width() - 10), std::clamp(p.y(), 10.0, Card.height() - 10));
                const double a = Card.width() / 2 - 1, b = Card.height() / 2 - 1;
                const double dx = p.x() - Card.center().x(), dy = p.y() - Card.center().y();
                EXPECT_TRUE(shape == 1 ? QLineF(p, arc).length() <= 9 : dx * dx / (a * a) + dy * dy / (b * b) <= 1)
                    << rectText(placed).toStdString();
            }
        }
    std::mt19937 rng(47);
    auto at = [&rng](int n) { return double(int(rng() % unsigned(n)) - 10); };
    for (int layout = 0; layout < 300; ++layout) {
        QList<QRectF> taken;
        for (int i = int(rng() % 40); i > 0; --i)
            taken << QRectF(at(260), at(170), at(60) + 5, at(40) + 5);  // some of no or negative size
        const QRectF wanted(at(260), at(170), at(80) + 11, at(50) + 11);
        SCOPED_TRACE(layout);
        EXPECT_EQ(freePlaceFor(wanted, taken, Card), plainSearch(wanted, taken));
    }
    // Where every place covers something: parts of the box kept clear (the
    // box off the pictures, a caption's run-on space off what is drawn),
    // given as data, land where the same rule asked of each place does,
    // edges touching on a grid of a half, and one size landing where the
    // other has no place that keeps clear.
    auto half = [&rng](int n) { return double(int(rng() % unsigned(2 * n))) / 2 - 10; };
    // The same search written plainly, each place it weighs asked in full:
    // every cell from the card's edge, the far end, the wanted place and
    // those just clear of the edges; the least covered, then one that keeps
    // the clearance, then the nearest, then the first (rows, then columns);
    // of the places that keep every part clear and meet no picture, else
    // that keep them clear, else (where none does, or a size keeps no part)
    // of those off the pictures, else of all; the size that covers least.
    auto plainLeast = [](const QList<QSizeF>& sizes, const QPointF& at, const QList<QRectF>& drawn,
                         const QList<QRectF>& pictures, const QList<KeptClear>& kept) {
        QList<QSizeF> smallest = sizes;
        std::stable_sort(smallest.begin(), smallest.end(),
                         [](const QSizeF& a, const QSizeF& b) { return a.width() * a.height() < b.width() * b.height(); });
        smallest = smallest.mid(0, 3);
        const double cell = coverCell(Card), gap = FieldClearance;
        const CoverMap cover(drawn, Card, cell), off(pictures, Card, cell);
        using Key = std::tuple<double, bool, double, std::size_t, std::size_t>;
        QRectF chosen;
        double chosenCost = HUGE_VAL;
        for (const QSizeF& size : sizes) {
            if (!smallest.contains(size))
                continue;
            const double w = std::min(size.width(), Card.width()), h = std::min(size.height(), Card.height());
            const QPointF wanted = ontoCard(QRectF(at, QSizeF(w, h)), Card).topLeft();
            auto along = [&](double lo, double hi, double want, double length, double extent) {
                std::vector<double> v = {std::clamp(want, lo, hi), hi};
                for (double x = lo; x < hi; x += cell)
                    v.push_back(x);
                if (length >= extent + 2 * gap)
                    v.insert(v.end(), {lo + gap, hi - gap});
                return v;
            };
            const std::vector<double> xs = along(Card.left(), Card.right() - w, wanted.x(), Card.width(), w);
            const std::vector<double> ys = along(Card.top(), Card.bottom() - h, wanted.y(), Card.height(), h);
            const QRectF inner = Card.adjusted(gap - 1e-9, gap - 1e-9, -gap + 1e-9, -gap + 1e-9);
            const bool keepsParts = !kept.isEmpty() && std::all_of(kept.cbegin(), kept.cend(), [&](const KeptClear& k) {
                return k.part(QSizeF(w, h)).has_value();
            });
            std::optional<std::pair<Key, QRectF>> best[4];  // clear and off, clear, off, any
            for (std::size_t yi = 0; yi < ys.size(); ++yi)
                for (std::size_t xi = 0; xi < xs.size(); ++xi) {
                    const QRectF r(xs[xi], ys[yi], w, h);
                    const double dx = r.x() - wanted.x(), dy = r.y() - wanted.y();
                    const Key key(cover.covered(r), !inner.contains(r), dx * dx + dy * dy, yi, xi);
                    const bool clear = keepsParts && keepsClear(kept, r), offPictures = off.covered(r) <= 0;
                    for (const int i : {0, 1, 2, 3})
                        if ((i % 2 == 1 || offPictures) && (i >= 2 || clear) && (!best[i] || key < best[i]->first))
                            best[i] = std::pair(key, r);
                }
            for (const auto& b : best)
                if (b) {
                    if (std::get<0>(b->first) < chosenCost - 1e-6) {
                        chosenCost = std::get<0>(b->first);
                        chosen = b->second;
                    }
                    break;
                }
        }
        return chosen;
    };
    for (int layout = 0; layout < 200; ++layout) {
        QList<QRectF> drawn, pictures;
        for (int i = int(rng() % 30) + 10; i > 0; --i)
            (rng() % 5 ? drawn : pictures) << QRectF(half(260), half(170), half(80) + 15, half(40) + 12);
        const QList<QSizeF> sizes = {QSizeF(half(70) + 20, half(20) + 16), QSizeF(half(40) + 20, half(30) + 20)};
        const QRectF runOn(half(30) + 10, 0, half(20) + 10.5, half(10) + 15);
        auto whole = [](const QSizeF& s) { return std::optional(QRectF(QPointF(0, 0), s)); };
        // On every other layout the second size keeps no such space: no
        // box of it fits, and it is weighed as if nothing were kept.
        const bool spaceless = layout % 2;
        auto space = [&](const QSizeF& s) {
            return spaceless && s == sizes.at(1) ? std::nullopt : std::optional(runOn);
        };
        const QList<KeptClear> kept{{pictures, whole}, {drawn, space}};
        auto rule = [&kept](const QRectF& box) { return keepsClear(kept, box); };
        const QPointF wanted(half(240), half(150));
        SCOPED_TRACE(layout);
        const QRectF found = leastCoveringPlace(sizes, wanted, drawn, pictures, Card, kept);
        EXPECT_EQ(found, leastCoveringPlace(sizes, wanted, drawn, pictures, Card, {}, rule));
        EXPECT_EQ(found, plainLeast(sizes, wanted, drawn, pictures, kept));
        EXPECT_EQ(leastCoveringPlace(sizes, wanted, drawn, pictures, Card), plainLeast(sizes, wanted, drawn, pictures, {}));
    }
    // Sides sparse and crowded, where places tie (the wanted place half a
    // point off the grid) and where a box that keeps its run-on space clear
    // may still lie over a picture: the place off the pictures is found.
    for (int layout = 0; layout < 300; ++layout) {
        QList<QRectF> drawn, pictures;
        for (int i = layout % 2 ? int(rng() % 10) + 3 : int(rng() % 30) + 25; i > 0; --i)
            drawn << QRectF(half(260), half(170), half(60) + 15, half(30) + 12);
        for (int i = int(rng() % 6) + 2; i > 0; --i)
            pictures << QRectF(half(260), half(170), half(100) + 20, half(60) + 15);
        const QList<QSizeF> sizes = {QSizeF(half(70) + 20, half(20) + 16), QSizeF(half(40) + 20, half(30) + 20)};
        const QRectF runOn(half(30) + 10, 0, half(20) + 10.5, half(10) + 15);
        const QList<KeptClear> kept{{drawn, [&runOn](const QSizeF&) { return std::optional(runOn); }}};
        const QPointF wanted(double(rng() % 230) + 0.5, double(rng() % 140) + 0.5);
        SCOPED_TRACE(layout + 1000);
        EXPECT_EQ(leastCoveringPlace(sizes, wanted, drawn, pictures, Card, kept),
                  plainLeast(sizes, wanted, drawn, pictures, kept));
    }
}

TEST(FieldPlacement, CaptionsBesideTheirValues) {
    struct Case {
        const char* note;
        QRectF value;
        QPointF expected;  // of a 70 x 14 caption
    };
    const Case cases[] = {
        {"above, its foot on the value's top", {100, 50, 70, 20}, {100, 36}},
        {"before, where above leaves the card", {100, 10, 70, 20}, {30, 10}},
        {"before also where that leaves it: placing moves it in", {40, 10, 70, 20}, {-30, 10}},
        {"exactly at the top edge is on the card", {100, 14, 70, 20}, {100, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.note);
        EXPECT_EQ(captionPlaceFor(c.value, QSizeF(70, 14), Card), QRectF(c.expected, QSizeF(70, 14)));
    }
}

TEST(FieldPlacement, CaptionsBesideTheirValuesClearOfTheRest) {
    const QRectF value(100, 50, 70, 20);
    const QList<Beside> aboveFirst = {Beside::Above, Beside::Before}, beforeFirst = {Beside::Before, Beside::Above};
    struct Case {
        const char* note;
        QList<Beside> sides;
        QList<QRectF> taken;
        QPointF expected;        // of a 70 x 14 caption
        QPointF valueAt = {100, 50};
        bool valueMoves = true;  // made with the caption
    };
    const Case cases[] = {
        {"above when free", aboveFirst, {}, {100, 36}},
        {"before when the rule says so", beforeFirst, {}, {30, 50}},
        {"before when above is taken", aboveFirst, {{100, 20, 70, 20}}, {30, 50}},
        {"above when before is taken", beforeFirst, {{0, 50, 100, 20}}, {100, 36}},
        {"slid along the value's top as far as clears the rest", aboveFirst, {{90, 20, 40, 20}, {0, 50, 100, 20}},
         {132, 36}},
        // Not the nearest clear place wherever it is (under the band, two
        // lines down): the value goes with it.
        {"nowhere beside it: the two move together", aboveFirst,
         {{0, 20, 240, 30}, {0, 50, 100, 20}, {170, 50, 70, 20}}, {100, 72}, {100, 86}},
        // A value made before keeps its place: the caption takes the clear
        // place nearest the one above it (over the band, not under the value).
        {"nowhere beside a value made before: the nearest clear place", aboveFirst,
         {{0, 20, 240, 30}, {0, 50, 100, 20}, {170, 50, 70, 20}}, {100, 4}, {100, 50}, false},
        {"no clear place for it: never over its value", aboveFirst,
         {{0, 0, 240, 50}, {0, 50, 100, 20}, {170, 50, 70, 20}, {0, 70, 240, 80}}, {100, 36},
         {100, 50}, false},
        {"a full card: above it all the same", aboveFirst, {{0, 0, 240, 150}}, {100, 36}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.note);
        const BesidePlace at = besidePlaceFor(value, {QSizeF(70, 14)}, c.sides, c.taken, Card, c.valueMoves);
        EXPECT_EQ(at.field, QRectF(c.expected, QSizeF(70, 14)));
        EXPECT_EQ(at.partner, QRectF(c.valueAt, value.size()));
    }
}

// A field's box takes the largest of its sizes that has room on the card,
// and the text is drawn at the size its box holds; its sizes end at half
// its own.
TEST(FieldPlacement, AFieldTakesTheLargestSizeTheCardHasRoomFor) {
    SKTText t;
    t.control_ID = Fup_CompanySlogan;
    t.text_ctrl_font.setPointSizeF(12);
    t._bounds = QRectF(0, 0, NewTextWidth, NewTextHeight);
    t.Set_text_value(QStringLiteral("Quarterly supplier contract review and site audit"));
    const QList<QSizeF> sizes = fieldSizes(t, Card.size());
    ASSERT_GE(sizes.size(), 3);
    const double own = sizes.first().height();
    const double least = std::min_element(sizes.cbegin(), sizes.cend(), [](const QSizeF& a, const QSizeF& b) {
                             return a.height() < b.height();
                         })->height();
    SKTText half = t;
    half.text_ctrl_font.setPointSizeF(6);
    half._bounds.setWidth(sizes.last().width());
    EXPECT_EQ(sizes.last().height(), fittedTextHeight(half));
    // No box narrower than the longest word at half its size, wherever the
    // word stands.
    for (const QString& longest : {QStringLiteral("Featherstonehaughwhittington")}) {
        for (const QString& text : {longest + QStringLiteral(" and Co Ltd"), QStringLiteral("Ltd and Co ") + longest}) {
            SCOPED_TRACE(text.toStdString());
            SKTText word = t;
            word.Set_text_value(longest);
            SKTText field = t;
            field.Set_text_value(text);
            for (const QSizeF& s : fieldSizes(field, Card.size())) {
                EXPECT_GE(s.width(), word.naturalTextSize().width() / 2) << s.width();
            }
        }
    }
    // Two lines across the card, not five in a new text's width.
    SKTText oneLine = t;
    oneLine._bounds.setWidth(1000);
    EXPECT_LE(own, 2 * fittedTextHeight(oneLine));
    // A photo takes its own proportions at every size, and none below half.
    SKTImage photo;
    photo.control_ID = Fup_Photo;
    photo._bounds = QRectF(0, 0, 48, 60);
    struct Case {
        const char* note;
        double room;  // the free band's height below a taken top
        double height;
        const SKTGraphic* field = nullptr;  // the text where none is given
    };
    const Case cases[] = {
        {"room for its own size", own + 10, own},
        {"room for less: a smaller size", (own + least) / 2, 0},
        {"no clear room even at the least: a small one, on the card", least - 1, -1},
        {"a photo with room for less than its size: smaller, as it is shaped", 50, 0, &photo},
        {"a photo with no room even at half its size: half, no smaller", 20, -1, &photo},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.note);
        const double top = Card.height() - c.room;
        const QRectF placed = fieldPlaceFor(c.field ? fieldSizes(*c.field, Card.size()) : sizes, QPointF(10, 10),
                                            {{0, 0, 240, top - FieldClearance}}, Card);
        EXPECT_TRUE(Card.contains(placed));
        if (c.field) {
            EXPECT_NEAR(placed.width() / placed.height(), 48.0 / 60.0, 1e-9);
            EXPECT_GE(placed.height(), 30 - 1e-9);
            EXPECT_TRUE(c.height >= 0 ? placed.height() <= c.room : placed.height() < 30 + 1e-9)
                << rectText(placed).toStdString();
            continue;
        }
        SKTText drawn = t;
        drawn._bounds = placed;
        if (c.height > 0) {
            EXPECT_EQ(placed.height(), c.height);
        } else if (c.height < 0) {
            // Short of the clearance, it still covers nothing.
            EXPECT_GE(placed.top(), top - FieldClearance) << rectText(placed).toStdString();
            EXPECT_LT(drawnTextPointSize(drawn), 12);
        } else {
            EXPECT_LE(placed.height(), c.room);
            EXPECT_LT(drawnTextPointSize(drawn), 12);
            EXPECT_GT(drawnTextPointSize(drawn), 6.5);
            EXPECT_TRUE(placed.adjusted(-0.01, -0.01, 0.01, 0.01).contains(drawn.drawingBounds()));
        }
    }
}

// A field's box grows to its lines only into free room below it on the
// card; a user's own text grows as before.
TEST(FieldPlacement, AFieldGrowsOnlyIntoFreeRoom) {
    struct Other {
        QRectF r;
        bool shown;
        QString id;
        bool text = false;  // a text of the user's, else a shape
    };
    struct Case {
        const char* note;
        QString id;
        double top;
        QList<Other> others;
        double height;  // 0: its lines' height
    };
    const Case cases[] = {
        {"a blank side: its lines", Fup_Title, 10, {}, 0},
        {"a shown graphic below stops it", Fup_Title, 10, {{{0, 40, 240, 20}, true, {}}}, 30},
        {"a hidden field's frame below stops it", Fup_Title, 10, {{{50, 40, 20, 20}, false, Fup_Company}}, 30},
        {"a hidden graphic of the user's does not", Fup_Title, 10, {{{0, 40, 240, 20}, false, {}}}, 0},
        {"one beside it does not", Fup_Title, 10, {{{111, 30, 40, 40}, true, {}}}, 0},
        {"one it already meets does not", Fup_Title, 10, {{{0, 15, 240, 40}, true, {}}}, 0},
        {"the card's foot stops it", Fup_Title, 120, {}, 30},
        {"no room at all: its box stays", Fup_Title, 10, {{{0, 25, 240, 20}, true, {}}}, -1},
        {"a user's own text grows as before", QString(), 10, {{{0, 40, 240, 20}, true, {}}}, 0},
        // A shape over most of the card is its ground where it lies behind
        // what it meets: a field grows up to its edge (a point wide), never
        // across it; over a text it is a shape like any other.
        {"the card's ground stops it at its edge", Fup_Title, 10,
         {{{60, 100, 40, 15}, true, {}, true}, {{0, 40, 240, 110}, true, {}}}, 29.5},
        {"a shape over a text is no ground: it stops it", Fup_Title, 10,
         {{{0, 40, 240, 110}, true, {}}, {{60, 100, 40, 15}, true, {}, true}}, 30},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.note);
        auto t = std::make_shared<SKTText>();
        t->text_ctrl_font.setPointSizeF(12);
        t->Set_text_value(QStringLiteral("x"));
        t->_bounds = QRectF(10, c.top, 100, 0);
        const double oneLine = zelk::fittedTextHeight(*t);
        t->_bounds.setHeight(oneLine);
        ASSERT_LE(oneLine, 15);
        t->control_ID = c.id;
        t->Set_text_value(QStringLiteral("Chief Executive Procurement Officer at Northwind Trading"));
        const double lines = zelk::fittedTextHeight(*t);
        ASSERT_GT(lines, 45);
        QList<std::shared_ptr<SKTGraphic>> side = {t};
        for (const Other& o : c.others) {
            std::shared_ptr<SKTGraphic> g;
            if (o.text) {
                g = std::make_shared<SKTText>();
                g->Set_text_value(QStringLiteral("Lot 4"));
            } else {
                g = std::make_shared<Shape_Control>();
            }
            g->_bounds = o.r;
            g->_isDrawingStroke = false;
            g->Set_Ctrl_Is_Visible(o.shown);
            g->control_ID = o.id;
            side << g;
        }
        const double expected = c.height == 0 ? lines : c.height < 0 ? oneLine : c.height;
        EXPECT_DOUBLE_EQ(textHeightWithin(*t, side, Card), expected);
    }
}

// The fields the user is told about are those whose words, as the side
// prints them, read wrong, each for what its words do: a short value bound
// to a column, in a box the rule laid out for the column's widest, prints
// beside its caption, not centred in its box; a field the user locked is
// told as any other.
TEST(FieldPlacement, TheFieldsToldAreThoseWhosePrintedWordsMeetOthers) {
    const struct {
        const char* note;
        QRectF shape;  // the user's, filled
        bool locked;
        QList<FieldReadingWrong> told;
        double stroke = 0;        // the shape's border, where it has one
        bool picture = false;     // a picture of the user's in its place
        double captionLeft = 10;  // where the caption's box begins
        // A caption of 5 points whose first letter's ink reaches this far
        // past the card's left edge, instead.
        std::optional<double> smallCaptionPast = {};
    } rows[] = {
        {"a shape where it would stand centred", QRectF(125, 38, 30, 20), false, {}},
        {"a shape beside its caption", QRectF(64, 38, 10, 20), false, {{Fup_Name, ReadsWrong::AcrossAnEdge}}},
        {"a shape beside its caption, the value locked", QRectF(64, 38, 10, 20), true,
         {{Fup_Name, ReadsWrong::AcrossAnEdge}}},
        // Behind the card: its edge is as wide as its border.
        {"the words on a backdrop, its 6-point border under them", QRectF(0, 38, 240, 112), false,
         {{Fup_lbl_Name, ReadsWrong::AcrossAnEdge}, {Fup_Name, ReadsWrong::AcrossAnEdge}}, 6},
        {"the words on a backdrop, clear of its 1-point border", QRectF(0, 38, 240, 112), false, {}, 1},
        {"a picture behind the card, its edge across the value", QRectF(70, 0, 170, 150), false,
         {{Fup_Name, ReadsWrong::AcrossAnEdge, true}}, 0, true},
        {"a picture beside its caption", QRectF(64, 38, 10, 20), false, {{Fup_Name, ReadsWrong::Meets}}, 0, true},
        {"the caption past the card's left edge", QRectF(200, 100, 10, 10), false,
         {{Fup_lbl_Name, ReadsWrong::LeavesTheCard}}, 0, false, -20},
        // No hair is forgiven at a straight edge, however small the letter.
        {"half the stem of a small l past the card's left edge", QRectF(200, 100, 10, 10), false,
         {{Fup_lbl_Name, ReadsWrong::LeavesTheCard}}, 0, false, 10, 0.25},
        {"a small l against the card's left edge", QRectF(200, 100, 10, 10), false, {}, 0, false, 10, -0.1},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.note);
        auto text = [](const QString& id, const QRectF& box, const QString& value) {
            auto t = std::make_shared<SKTText>();
            t->text_ctrl_font.setPointSizeF(10);
            t->control_ID = id;
            t->Set_text_value(value);
            t->setBounds(box);
            t->setPlacedByRule();
            return t;
        };
        const auto value = text(Fup_Name, QRectF(60, 40, 170, 14), QStringLiteral("Bo Li"));
        value->text_alignmnet = 2;  // centred
        value->Set_Data_source_type(DataSourceType::ExcelColumn);
        value->ctrl_is_locked = r.locked;
        std::shared_ptr<SKTGraphic> shape;
        if (r.picture) {
            shape = std::make_shared<SKTImage>();
            shape->_contents_with_settings = QImage(8, 8, QImage::Format_RGB32);  // a picture shows something
            shape->_contents_with_settings.fill(Qt::darkCyan);
        } else {
            shape = std::make_shared<Shape_Control>();
            shape->_isDrawingFill = true;
        }
        shape->setBounds(r.shape);
        shape->_isDrawingStroke = r.stroke > 0;
        shape->_strokeWidth = r.stroke;
        const auto caption = text(Fup_lbl_Name, QRectF(10, 40, 48, 14), "Name :");
        caption->_bounds.moveLeft(r.captionLeft);  // as a file may hold it
        if (r.smallCaptionPast) {
            caption->text_ctrl_font.setPointSizeF(5);
            caption->Set_text_value(QStringLiteral("lot :"));
            caption->text_alignmnet = 0;
            caption->_bounds.moveLeft(0);
            const double ink = printedWordOutlines(*caption).value(0).boundingRect().left();
            caption->_bounds.moveLeft(-ink - *r.smallCaptionPast);
        }
        const QList<std::shared_ptr<SKTGraphic>> side = {caption, value, shape};
        EXPECT_EQ(fieldsReadingWrong(side, Card, FieldGround()), r.told);
    }
}

// The status bar's one line: what is wrong with each name, then each piece
// of advice once, speaking of the fields it is for ("it" for one field,
// "them" for more), a field named on both sides counted once.
TEST(FieldPlacement, TheNoticeAdvisesOfTheFieldsOfEachKind) {
    using enum ReadsWrong;
    const QString shorten = "Shorten %1, or make room on the card (fewer fields, a smaller photo or a larger card).";
    const QString recolour =
        "Give %1 another colour (all texts at once with the Card panel's \"Content of all texts\"), or move %1 where %2.";
    const struct {
        const char* note;
        QList<NoticePart> parts;
        QString told;
    } rows[] = {
        {"a field across a picture's edge",
         {{"", {{"Name", AcrossAnEdge, true}}}},
         "Name lies across the edge of a picture. Move it wholly onto the picture or off it, or shorten its value."},
        {"one field that does not read among three that overlap",
         {{"", {{"Name", Meets}, {"Title", Meets}, {"Company", Meets}, {"Phone", Unreadable}}}},
         "Name, Title and Company overlap other text or pictures; Phone does not read on what is under it. " +
             shorten.arg("their values") + " " + recolour.arg("it", "it reads")},
        {"one that runs off the card and one that overlaps: both to be shortened",
         {{"", {{"Name", LeavesTheCard}, {"Title", Meets}}}},
         "Name runs off the card; Title overlaps other text or pictures. " + shorten.arg("their values")},
        {"one field on both sides",
         {{"On the front: ", {{"Name", LeavesTheCard}}}, {"On the back: ", {{"Name", LeavesTheCard}}}},
         "On the front: Name runs off the card. On the back: Name runs off the card. " + shorten.arg("its value")},
    };
    for (const auto& r : rows)
        EXPECT_EQ(readingWrongNotice(r.parts).toStdString(), r.told.toStdString()) << r.note;
}

// Through the canvas: a field lands clear of the shown design; its caption
// beside the value; hidden graphics, graphics without ID and the
// invitation's keep their places.
class FieldCreate : public CanvasFixture {
protected:
    // A caption stands beside its value: above it (its foot on the value's
    // top) or before it, facing it.
    static bool besideItsValue(const QRectF& caption, const QRectF& value) {
        const bool faceAcross = caption.left() < value.right() && caption.right() > value.left();
        const bool faceAlong = caption.top() < value.bottom() && caption.bottom() > value.top();
        return (qFuzzyCompare(caption.bottom(), value.top()) && faceAcross) ||
               (qFuzzyCompare(caption.right(), value.left()) && faceAlong);
    }
    std::shared_ptr<SKTGraphic> addText(const QRectF& r, const QString& text) {
        auto t = add(GraphicKind::Text, r);
        t->Set_text_value(text);
        t->_isDrawingStroke = false;
        return t;
    }
};

TEST_F(FieldCreate, AFieldLandsClearOfWhatTheSideShows) {
    const auto band = add(GraphicKind::Shape, QRectF(0, 0, CardSize.width(), 40));
    const auto picture = add(GraphicKind::Image, QRectF(0, 40, 60, 80));
    auto hidden = add(GraphicKind::Shape, QRectF(60, 40, 100, 100));  // not shown
    hidden->Set_Ctrl_Is_Visible(false);
    view->openFieldBatch();  // as a stamping makes them
    const auto value = view->createGraphicOfClass(GraphicKind::Text, true, QRectF(20, 20, 70, 20), "F", "Ann", Fup_Name);
    // As drawn: the band with its stroke.
    EXPECT_EQ(value->bounds().topLeft(), QPointF(picture->drawingBounds().right() + FieldClearance,
                                                 band->drawingBounds().bottom() + FieldClearance));
    const auto caption =
        view->createGraphicOfClass(GraphicKind::Text, true, QRectF(5, 120, 70, 20), "F", "Name :", Fup_lbl_Name);
    // Above is the band, before is off the card: the value goes with it.
    EXPECT_TRUE(besideItsValue(caption->bounds(), value->bounds()));
    for (const auto& f : {value, caption})
        for (const QRectF& r : drawnRects(doc.graphics, view->cardRect(), f.get())) {
            EXPECT_FALSE(f->bounds().intersects(r));
        }

    const QRectF free(80, 100, 70, 20);
    EXPECT_EQ(view->createGraphicOfClass(GraphicKind::Text, true, free, "F", "v", "F_field1")->bounds().topLeft(),
              free.topLeft());
    const QRectF onBand(10, 10, 70, 20);
    EXPECT_EQ(view->createGraphicOfClass(GraphicKind::Text, true, onBand, "F", "v", "PARTY_TO")->bounds().topLeft(),
              onBand.topLeft());
}

// A caption stamped with its value stands beside it, above or before it,
// on the card and clear of the design, the value moving with it where it
// has no room beside it where it stands.
TEST_F(FieldCreate, ACaptionStandsBesideItsValue) {
    struct Text {
        QRectF r;
        const char* text;
    };
    struct Case {
        const char* note;
        QList<Text> design;
        QRectF valueWanted;
    };
    const Case cases[] = {
        {"a blank card", {}, {100, 60, 70, 20}},
        {"the value at the card's top: before it", {}, {100, 0, 70, 20}},
        {"two texts at the top left, the value right of the second",
         {{{6, 4, 160, 18}, "ACME HEADQUARTERS"}, {{6, 24, 110, 18}, "Authorised Visitor Only"}},
         {120, 10, 70, 20}},
        {"a band across the top and the value at the left edge", {{{0, 0, CardSize.width(), 40}, "HEADER"}},
         {0, 30, 70, 20}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.note);
        view->delete_all_control();
        for (const Text& t : c.design)
            addText(t.r, t.text);
        view->openFieldBatch();  // as a stamping makes them
        const auto value =
            view->createGraphicOfClass(GraphicKind::Text, true, c.valueWanted, "F", "Jan Kowalski", Fup_Name);
        const auto caption =
            view->createGraphicOfClass(GraphicKind::Text, true, QRectF(0, 0, 70, 20), "F", "Name :", Fup_lbl_Name);
        EXPECT_TRUE(besideItsValue(caption->bounds(), value->bounds()))
            << zelk::test::rectText(caption->bounds()).toStdString() << " "
            << zelk::test::rectText(value->bounds()).toStdString();
        for (const auto& f : {value, caption}) {
            EXPECT_TRUE(view->cardRect().contains(f->bounds()));
            for (const QRectF& r : drawnRects(doc.graphics, view->cardRect(), f.get())) {
                EXPECT_FALSE(f->drawingBounds().intersects(r)) << f->Text_Value.toStdString();
            }
        }
    }
}

// A value added near other fields keeps off where it would read as
// another's: right after a caption, right below a caption whose own value
// stands apart, straight after or before another value on its line.
TEST_F(FieldCreate, AValueReadsAsItsOwn) {
    struct Text {
        QRectF r;
        const char* text;
        QString id;
    };
    struct Case {
        const char* note;
        QList<Text> design;
        QRectF wanted;
        QRectF keptOff;  // none: it lands where wanted
    };
    const QRectF caption(10, 10, 45, 15);
    const Case cases[] = {
        {"below a caption whose value the user moved", {{caption, "Name :", Fup_lbl_Name}, {{150, 120, 80, 15}, "Ann", Fup_Name}},
         {10, 27, 70, 15}, {10, 25, 45, 18}},
        {"below a caption with no value shown", {{caption, "Name :", Fup_lbl_Name}}, {10, 27, 70, 15}, {10, 25, 45, 18}},
        {"below a caption with its value beside it",
         {{caption, "Name :", Fup_lbl_Name}, {{57, 10, 60, 15}, "Ann", Fup_Name}}, {10, 27, 70, 15}, {}},
        {"straight after another value", {{{10, 10, 60, 15}, "Ann Lee", Fup_Name}}, {72, 10, 70, 15}, {70, 10, 18, 15}},
        {"straight before another value", {{{145, 10, 60, 15}, "Ann Lee", Fup_Name}}, {20, 10, 70, 15}, {127, 10, 18, 15}},
        {"a line below another value", {{{10, 10, 60, 15}, "Ann Lee", Fup_Name}}, {10, 27, 70, 15}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.note);
        view->delete_all_control();
        for (const Text& t : c.design) {
            auto g = addText(t.r, t.text);
            g->control_ID = t.id;
        }
        const auto value = view->createGraphicOfClass(GraphicKind::Text, true, c.wanted, "F", "ann@example.org",
                                                      Fup_EmailID);
        const QRectF at = value->drawingBounds();
        if (c.keptOff.isNull()) {
            EXPECT_EQ(value->bounds().topLeft(), c.wanted.topLeft());
        } else {
            EXPECT_FALSE(at.intersects(c.keptOff)) << rectText(at).toStdString();
        }
        for (const QRectF& r : drawnRects(doc.graphics, view->cardRect(), value.get())) {
            EXPECT_FALSE(at.intersects(r));
        }
    }
}

// A stamping's fields filling the card line by line: a value placed with
// the room for its caption kept, that room taken for the fields placed
// after it, whichever of them comes first; a value alone in its fewest
// lines where a line holds it, or wrapped higher where the card is packed.
TEST_F(FieldCreate, ABatchFillsTheCardLineByLine) {
    using Flow = SKTGraphicView::FieldFlow;
    struct Field {
        const char* value;
        const char* caption;  // "": a value alone
        QString valueId, captionId;
    };
    struct Case {
        const char* note;
        Flow flow;
        bool valuesFirst;   // every value, then every caption
        QRectF taken = {};  // a user's text there
        QList<Field> fields = {{"ann.lee@example.org", "E-mail address of the holder :", Fup_EmailID, Fup_lbl_EmailID},
                               {"CEO", "Title :", Fup_Title, Fup_lbl_Title},
                               {"12", "Tel :", Fup_PhoneNO, Fup_lbl_PhoneNO}};
        int valueLines = 0;  // of the first value, where it matters: 1, or more (-1)
    };
    const Field slogan = {"Quarterly supplier contract review", "", Fup_CompanySlogan, {}};
    const Case cases[] = {
        {"values first, then captions, line by line", Flow::Lines, true},
        {"values first, then captions, packed", Flow::PackedLines, true},
        {"each caption after its value", Flow::Lines, false},
        // Only a short room beside a text at the top: the value whole on a
        // line under it, or wrapped into the room when packed.
        {"fewest lines: whole on a line lower down", Flow::Lines, false, {110, 2, 130, 20}, {slogan}, 1},
        {"packed: wrapped higher up", Flow::PackedLines, false, {110, 2, 130, 20}, {slogan}, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.note);
        view->delete_all_control();
        if (!c.taken.isNull())
            addText(c.taken, "Northwind Trading")->setHeight(c.taken.height());
        view->openFieldBatch();
        view->setFieldScales({1, 1});
        view->setFieldFlow(c.flow);
        auto value = [&](const Field& f) {
            view->setNextValueCaption(QString::fromUtf8(f.caption));
            view->createGraphicOfClass(GraphicKind::Text, false, QRectF(), "F", QString::fromUtf8(f.value), f.valueId);
            view->setNextValueCaption(QString());
        };
        auto caption = [&](const Field& f) {
            if (*f.caption)
                view->createGraphicOfClass(GraphicKind::Text, false, QRectF(), "F", QString::fromUtf8(f.caption),
                                           f.captionId);
        };
        for (const Field& f : c.fields) {
            value(f);
            if (!c.valuesFirst)
                caption(f);
        }
        if (c.valuesFirst)
            for (const Field& f : c.fields)
                caption(f);
        view->closeFieldBatch();
        view->setFieldFlow(Flow::RulePlaces);
        view->setFieldScales({});
        EXPECT_EQ(overlapsOn(doc.graphics, CardSize).join(" | ").toStdString(), "");
        for (const Field& f : c.fields)
            if (*f.caption) {
                EXPECT_TRUE(besideItsValue(view->Selcect_Ctrl_With_ID(f.captionId)->bounds(),
                                           view->Selcect_Ctrl_With_ID(f.valueId)->bounds()))
                    << f.caption;
            }
        if (c.valueLines != 0) {
            const auto v = view->Selcect_Ctrl_With_ID(c.fields.first().valueId);
            const long lines = std::lround(v->bounds().height() / fittedTextHeight(*makeGraphic(GraphicKind::Text)));
            EXPECT_TRUE(c.valueLines > 0 ? lines == c.valueLines : lines > 1) << rectText(v->bounds()).toStdString();
        }
    }
}

}  // namespace
