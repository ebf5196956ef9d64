// How a batch of fields is laid out as one layout: the tries made (the
// share of its new fields, their flow, the pairing zones kept, the order of
// the values), how each is scored, and which one stays.
#include "canvas/FieldBatchTries.h"

#include "canvas/FieldPlacement.h"
#include "canvas/ReadingWrongMessage.h"
#include "canvas/SKTGraphicView.h"
#include "foundation/Codes.h"
#include "foundation/SKTGraphic.h"

#include <QHash>
#include <QSet>

#include <algorithm>
#include <cmath>
#include <limits>
#include <map>
#include <optional>
#include <tuple>
#include <utility>

namespace zelk {

namespace {

// The shares of their own size that the fields of one batch are tried at,
// largest first, down to the smallest a field is drawn at.
constexpr double BatchScales[] = {1.0, 0.85, 0.7, 0.6, SmallestFieldScale};

using Flow = SKTGraphicView::FieldFlow;
using Level = SKTGraphicView::PairingLevel;

// One way of laying a batch out: the share the new fields are drawn at, how they are
// laid out, how much of the pairing zones they keep, and whether the values
// go in slot order or those with the widest unbreakable line first (they
// have the fewest places: on an oval card only its widest band).
struct Try {
    double scale;
    Flow flow;
    Level level;
    bool widestFirst = false;
    double photoShare = 1.0;  // the largest share of its own size the photo takes
};

// The shares of its own size the photo is tried at, where the texts at
// their smallest find no clear place beside it at its own.
constexpr double PhotoShares[] = {0.75, SmallestFieldScale};

// The tries in the order they are made. At each size the fields go to
// their rules' places first, then, where that leaves some without room,
// fill the card line by line, each in its fewest lines, then packed with
// longer texts wrapped; all of it first keeping the pairing zones whole (no
// caption reads as another field's, no two values run together), then,
// where no try lands them all clear so, only the rooms that keep each
// caption to its own value, then none. Before a size is given up, the card
// is filled line by line once more (in fewest lines, then packed) with the
// widest values first, then with the values and captions packed as units.
// Before any pairing zone is let go, the texts at their smallest are
// packed beside a smaller photo.
QList<Try> batchTries() {
    QList<Try> tries;
    for (Level level : {Level::All, Level::Captions, Level::None}) {
        for (double scale : BatchScales) {
            for (Flow flow : {Flow::RulePlaces, Flow::Lines, Flow::PackedLines})
                tries << Try{scale, flow, level};
            tries << Try{scale, Flow::Lines, level, true} << Try{scale, Flow::PackedLines, level, true};
            if (level == Level::All)
                tries << Try{scale, Flow::Units, level};
        }
        if (level == Level::All)
            for (double photo : PhotoShares)
                tries << Try{SmallestFieldScale, Flow::Units, level, false, photo}
                      << Try{SmallestFieldScale, Flow::PackedLines, level, true, photo};
    }
    return tries;
}

// The side as the batch found it, to go back to between tries: its
// graphics, their places and their texts (a field given a new value in a
// try takes it again, and its room, in the next).
class SideBefore {
public:
    SideBefore(SKTGraphicView& canvas, const QSet<QString>& shown)
        : canvas_(canvas), graphics_(canvas.graphics()), shown_(shown) {
        for (const std::shared_ptr<SKTGraphic>& g : graphics_) {
            places_ << (g ? g->bounds() : QRectF());
            texts_ << (g ? g->Text_Value : QString());
            shownBefore_ << (g && g->ctrl_is_visible);
        }
    }
    const GraphicList& graphics() const { return graphics_; }
    bool holds(const SKTGraphic& g) const { return indexOf(g) >= 0; }
    // Whether the batch made the graphic, showed it, or gave it a new
    // value or place.
    bool stamped(const SKTGraphic& g) const {
        const qsizetype i = indexOf(g);
        return i < 0 || shown_.contains(g.control_ID) || g.Text_Value != texts_.at(i) || g.bounds() != places_.at(i);
    }
    // Whether a try lays the graphic out: one of the batch but a field that
    // keeps its box, which takes its value the same in every try (what it
    // meets there, every try meets).
    bool laidOutByTry(const SKTGraphic& g) const { return stamped(g) && !holdsItsBoxInABatch(g); }
    // The try's new graphics go, the others take their places, texts and
    // showing back.
    void restore() const {
        canvas_.Set_Selection_Index_According_ID(QString());
        canvas_.mutableGraphics() = graphics_;
        for (qsizetype i = 0; i < graphics_.size(); ++i)
            if (SKTGraphic* g = graphics_.at(i).get()) {
                if (g->Text_Value != texts_.at(i))
                    g->Set_text_value(texts_.at(i));
                g->setBounds(places_.at(i));
                g->Set_Ctrl_Is_Visible(shownBefore_.at(i));
            }
    }

private:
    qsizetype indexOf(const SKTGraphic& g) const {
        for (qsizetype i = 0; i < graphics_.size(); ++i)
            if (graphics_.at(i).get() == &g)
                return i;
        return -1;
    }

    SKTGraphicView& canvas_;
    GraphicList graphics_;
    QSet<QString> shown_;
    QList<QRectF> places_;
    QStringList texts_;
    QList<bool> shownBefore_;
};

// A try is scored by what the card's message would tell of it: first how
// many fields it names (each name once, as the message names them; those
// told only that they do not read left out where the batch keeps no room
// for their colour to read), then how many of the fields it laid out read
// as another's, then how many of them break a word. Between tries scored
// alike, the larger fields and then the larger photo stay.
struct Score {
    int told = std::numeric_limits<int>::max(), misread = 0, broken = 0;
    double scale = 0, photoShare = 0;
    bool readsRight() const { return told == 0 && misread == 0 && broken == 0; }
    bool better(const Score& o) const {
        if (std::tie(told, misread, broken) != std::tie(o.told, o.misread, o.broken))
            return std::tie(told, misread, broken) < std::tie(o.told, o.misread, o.broken);
        return std::pair(scale, photoShare) > std::pair(o.scale, o.photoShare);
    }
};

// Whether `b` stands straight after `a` on its line, within `reach`: across
// its middle, from its end on.
bool followsOnItsLine(const QRectF& a, const QRectF& b, double reach) {
    return b.top() < a.center().y() && b.bottom() > a.center().y() && b.left() >= a.right() - 0.01 &&
           b.left() - a.right() < reach;
}

// How many of the shown fields read as another's, where the try laid out
// them or what they read with: a value that stands nearer another field's
// caption than its own, box to box or word to word as printed; a caption
// followed straight on its line, within an em and a half of its text, by
// anything but its own value; a value followed so by other words ("Name :
// Bo Position / Title :" reads as one).
int readAsAnother(const GraphicList& side, const SideBefore& before) {
    struct Shown {
        const SKTGraphic* g;
        QRectF drawn, words;  // its box as drawn; a field's printed words, all of them
        FieldRole role;
        bool laidOut, text;
    };
    const QList<std::shared_ptr<const SKTGraphic>> drawnSide(side.cbegin(), side.cend());
    QList<Shown> shown;
    QHash<QString, qsizetype> captionOf;
    for (const std::shared_ptr<SKTGraphic>& g : side) {
        if (!g || !g->ctrl_is_visible)
            continue;
        const bool text = isExactlyText(g.get());
        if (text ? g->Text_Value.isEmpty() : !g->drawingBounds().isValid())
            continue;
        const FieldRole role = text ? fieldRole(g->control_ID) : FieldRole::None;
        QRectF words;
        if (role != FieldRole::None) {
            const std::shared_ptr<SKTGraphic> beside = copyBesideCaption(*g, drawnSide);
            for (const QRectF& w : printedWordBoxes(beside ? *beside : *g))
                words |= w;
        }
        if (role == FieldRole::Caption)
            captionOf.insert(partnerIdOf(g->control_ID), shown.size());
        shown.append({g.get(), g->drawingBounds(), words, role, before.laidOutByTry(*g), text});
    }
    auto gap = [](const QRectF& a, const QRectF& b) { return std::sqrt(distance2(a, b)); };
    int count = 0;
    for (const Shown& f : shown) {
        if (f.role == FieldRole::None)
            continue;
        const Shown* own = captionOf.contains(f.g->control_ID) ? &shown.at(captionOf.value(f.g->control_ID)) : nullptr;
        const double reach = runOnSpaceOf(*f.g);
        count += std::any_of(shown.cbegin(), shown.cend(), [&](const Shown& o) {
            if (o.g == f.g || !(f.laidOut || o.laidOut))
                return false;
            if (own && &o != own && o.role == FieldRole::Caption &&
                (gap(f.drawn, o.drawn) < gap(f.drawn, own->drawn) - 0.01 ||
                 (!f.words.isEmpty() && !o.words.isEmpty() && !own->words.isEmpty() &&
                  gap(f.words, o.words) < gap(f.words, own->words) - 0.01)))
                return true;
            const bool itsValue = f.role == FieldRole::Caption && o.g->control_ID == partnerIdOf(f.g->control_ID);
            return !itsValue && (o.text || f.role == FieldRole::Caption) && followsOnItsLine(f.drawn, o.drawn, reach);
        });
    }
    return count;
}

// How many names the card's message would give its fields that read
// wrong; a field told only that it does not read counts where its colour
// is among those the batch keeps readable (`kept`).
int fieldsTold(const SKTGraphicView& canvas, const QList<QColor>& kept) {
    const GraphicList& side = canvas.graphics();
    QSet<QString> names;
    for (const FieldReadingWrong& f : canvas.fieldsReadingWrong()) {
        if (f.why == ReadsWrong::Unreadable) {
            const std::shared_ptr<SKTGraphic> g = canvas.Selcect_Ctrl_With_ID(f.id);
            if (!g || !kept.contains(g->txt_clr))
                continue;
        }
        names.insert(fieldNameOn(f.id, side));
    }
    return int(names.size());
}

Score scoreOf(const SKTGraphicView& canvas, const SideBefore& before, const QList<QColor>& kept, const Try& t) {
    const GraphicList& side = canvas.graphics();
    int broken = 0;
    for (const std::shared_ptr<SKTGraphic>& f : side)
        if (f && f->ctrl_is_visible && before.laidOutByTry(*f))
            broken += breaksAWord(*f);
    return {fieldsTold(canvas, kept), readAsAnother(side, before), broken, t.scale, t.photoShare};
}

// Whether the new fields of a batch, at a try's size, need more room
// than the side has free: they cannot all land clear, and the try is not
// made. Where that is so at the smallest size, only its try at the rules'
// places with the pairing zones kept is made, and those beside the photo
// at its smallest. Known after a first try.
class AreaCheck {
public:
    // The side's free area (where the made texts read, where the batch
    // keeps them readable) and the fields the batch made, from a try.
    void measure(const SKTGraphicView& canvas, const SideBefore& before) {
        const CardArea card = canvas.fieldCard();
        GraphicList others;
        for (const std::shared_ptr<SKTGraphic>& g : canvas.graphics())
            if (g && g->ctrl_is_visible)
                (before.holds(*g) ? others : made_) << g;
        QList<QRectF> taken = drawnRects(others, card.rect);
        for (const std::shared_ptr<SKTGraphic>& f : made_)
            if (isExactlyText(f.get())) {
                taken += canvas.unreadableGroundFor(*f);
                break;
            }
        freeArea_ = freeArea(taken, card);
        cardSize_ = card.rect.size();
    }
    bool measured() const { return freeArea_.has_value(); }
    bool tooBig(const Try& t) {
        if (!freeArea_)
            return false;
        if (needed(t.scale) <= *freeArea_)
            return false;
        // Not all of them land clear whatever is tried: at the smallest
        // share, their rules' places, and beside the photo at its smallest.
        return t.scale > SmallestFieldScale ||
               !((t.flow == Flow::RulePlaces && t.level == Level::All) || t.photoShare <= SmallestFieldScale);
    }

private:
    // What the made fields need at a share, their smallest boxes with the
    // clearance each; once for each share.
    double needed(double scale) {
        if (const auto at = needed_.find(scale); at != needed_.end())
            return at->second;
        double sum = 0;
        for (const std::shared_ptr<SKTGraphic>& f : made_) {
            double least = std::numeric_limits<double>::max();
            for (const QSizeF& s : fieldSizes(*f, cardSize_, {scale, scale}, false))
                least = std::min(least, (s.width() + FieldClearance) * (s.height() + FieldClearance));
            sum += least;
        }
        return needed_[scale] = sum;
    }

    std::optional<double> freeArea_;
    QSizeF cardSize_;
    GraphicList made_;
    std::map<double, double> needed_;
};

// Whether the try after `now` can do better than the best so far: once a
// try leaves every field reading right but for a word it breaks, only the
// tries at its pairing level are worth making (at its size, and smaller
// where a word still breaks); less of the pairing zones kept would not be
// better. The tries that let the rooms go come only where none left every
// field's words clear at all.
bool worthGoingOn(const Try& now, const Try* following, const Score& best) {
    if (!following)
        return false;
    const bool clear = best.told == 0;
    if (clear && best.misread == 0 && following->level != now.level)
        return false;
    return !(following->level != now.level && now.level == Level::Captions && clear);
}

}  // namespace

namespace {

FieldBatchResult& lastBatch() {
    static FieldBatchResult last;
    return last;
}

// Whether the tests' filter, where set, lets the batch make a try.
bool accepted(const Try& t) { return !batchTryFilter() || batchTryFilter()(t.scale, t.photoShare); }

}  // namespace

const FieldBatchResult& lastFieldBatch() { return lastBatch(); }

BatchTryFilter& batchTryFilter() {
    static BatchTryFilter accepts;
    return accepts;
}

bool holdsItsBoxInABatch(const SKTGraphic& field) {
    return field.boxOwner() == BoxOwner::User || field.ctrl_is_locked;
}

namespace {

// What the user placed or locked is filled first, in its box (see
// layOutFieldBatch).
void fillFieldsHoldingTheirBoxes(SKTGraphicView& canvas, const QList<std::pair<QString, QString>>& values) {
    // Those whose boxes hold their values first, then, one by one, the one
    // with the least room along its line: it grows before another takes
    // that room.
    const CardArea card = canvas.fieldCard();
    // The batch's fields that the rule placed are laid out anew around
    // them: hidden meanwhile, they take no room, and show again where the
    // batch places them.
    for (const auto& [id, value] : values)
        if (const auto g = value.isEmpty() ? nullptr : canvas.Selcect_Ctrl_With_ID(id);
            g && isExactlyText(g.get()) && g->boxOwner() == BoxOwner::Rule && !g->ctrl_is_locked)
            g->Set_Ctrl_Is_Visible(false);
    QList<std::pair<std::shared_ptr<SKTGraphic>, QString>> growing;
    for (const auto& [id, value] : values) {
        const auto g = value.isEmpty() ? nullptr : canvas.Selcect_Ctrl_With_ID(id);
        if (!g || !isExactlyText(g.get()) || !holdsItsBoxInABatch(*g))
            continue;
        const std::shared_ptr<SKTGraphic> probe = g->clone();
        probe->Set_text_value(value);
        if (g->ctrl_is_locked || holdsItsValue(*probe, canvas.graphics(), card, BoxOwner::User))
            canvas.fillHeldField(*g, value);
        else
            growing.append({g, value});
    }
    // Those still to grow stand meanwhile as their boxes, not as their old
    // values drawn in them: hidden, their boxes are reserved.
    for (const auto& [g, value] : growing)
        g->Set_Ctrl_Is_Visible(false);
    while (!growing.isEmpty()) {
        qsizetype least = 0;
        double room = std::numeric_limits<double>::max();
        for (qsizetype i = 0; i < growing.size(); ++i)
            if (const double r = roomAlongItsLine(*growing.at(i).first, canvas.graphics(), card); r < room) {
                room = r;
                least = i;
            }
        const auto [g, value] = growing.takeAt(least);
        canvas.fillHeldField(*g, value);
    }
}

// The colours of the texts a batch lays out where they read: those the
// card has room to lay at least half of out readable in, at the smallest
// share (its free area where the colour reads, LeastMovedContrast, no
// smaller than half of what the batch's texts of that colour need there).
// Those that find no such room are laid where the card has room. On a card
// with less (dark all over but a few light spots) they are all laid out as
// the card has room, rather than all at half their size for the few that
// would read.
QList<QColor> coloursKeptReadable(SKTGraphicView& canvas, const QList<std::pair<QString, QString>>& values) {
    const CardArea card = canvas.fieldCard();
    const FieldGround ground = canvas.fieldGround();
    if (ground.isNull())
        return {};
    QList<QColor> colours;
    QList<double> needed;
    for (const auto& [id, value] : values) {
        if (value.isEmpty())
            continue;
        const std::shared_ptr<SKTGraphic> g = canvas.Selcect_Ctrl_With_ID(id);
        if (g && (!isExactlyText(g.get()) || g->boxOwner() != BoxOwner::Rule || g->ctrl_is_locked))
            continue;
        const std::shared_ptr<SKTGraphic> probe = g ? g->clone() : makeGraphic(GraphicKind::Text);
        probe->Set_text_value(value);
        double least = std::numeric_limits<double>::max();
        for (const QSizeF& s : fieldSizes(*probe, card.rect.size(), {SmallestFieldScale, SmallestFieldScale}, false))
            least = std::min(least, (s.width() + FieldClearance) * (s.height() + FieldClearance));
        qsizetype at = colours.indexOf(probe->txt_clr);
        if (at < 0) {
            at = colours.size();
            colours << probe->txt_clr;
            needed << 0;
        }
        needed[at] += least;
    }
    const QList<QRectF> drawn = drawnRects(canvas.graphics(), card.rect);
    QList<QColor> kept;
    for (qsizetype i = 0; i < colours.size(); ++i)
        if (const QList<QRectF> unreadable = ground.unreadable(colours.at(i), LeastMovedContrast);
            !unreadable.isEmpty() && freeArea(drawn + unreadable, card) >= needed.at(i) / 2)
            kept << colours.at(i);
    return kept;
}

}  // namespace

FieldBatchResult layOutFieldBatch(SKTGraphicView& canvas, const QSet<QString>& shown,
                                  const QList<std::pair<QString, QString>>& values,
                                  const std::function<bool(bool widestFirst)>& attempt) {
    // What holds its box is the same in every try: filled once.
    canvas.openFieldBatch();
    canvas.setFieldBatchValues(values);
    fillFieldsHoldingTheirBoxes(canvas, values);
    const QList<QColor> kept = coloursKeptReadable(canvas, values);
    canvas.keepFieldsReadable(kept);
    const SideBefore before(canvas, shown);
    const QList<Try> tries = batchTries();
    AreaCheck area;
    auto run = [&](const Try& t) {
        canvas.openFieldBatch();
        canvas.setFieldScales({t.scale, t.scale});
        canvas.setFieldFlow(t.flow);
        canvas.setPairingLevel(t.level);
        canvas.setPhotoShare(t.photoShare);
        return attempt(t.widestFirst);
    };
    // A batch that makes no field (each one found on the side, where it
    // keeps its place or grows for its value) comes out the same whatever
    // the flow or the pairing level of its new fields: only its share, and
    // the order its values grow in, are worth trying again.
    std::optional<bool> madeNone;
    QList<std::pair<double, bool>> tried;
    // Whether the batch places a photo of its own (one it can make smaller).
    std::optional<bool> madePhoto;
    auto next = [&](qsizetype after) {
        qsizetype i = after + 1;
        while (i < tries.size() &&
               (!accepted(tries.at(i)) || area.tooBig(tries.at(i)) ||
                (madeNone.value_or(false) && tried.contains(std::pair(tries.at(i).scale, tries.at(i).widestFirst))) ||
                (tries.at(i).photoShare < 1 && !madePhoto.value_or(true))))
            ++i;
        return i;
    };
    FieldBatchResult result;
    qsizetype best = 0;
    Score bestScore;
    auto score = [&](qsizetype i) {
        const Score now = scoreOf(canvas, before, kept, tries.at(i));
        // Between tries that score the same the first stays: the larger
        // fields, and the photo at the larger share.
        if (now.better(bestScore)) {
            bestScore = now;
            best = i;
        }
    };
    bool probed = false;
    for (qsizetype i = next(-1); i < tries.size(); i = next(i)) {
        result.done = run(tries.at(i));
        if (!result.done)
            break;
        tried << std::pair(tries.at(i).scale, tries.at(i).widestFirst);
        if (!madeNone)
            madeNone = canvas.graphics().size() == before.graphics().size();
        if (!madePhoto) {
            const GraphicList& side = canvas.graphics();
            madePhoto = std::any_of(side.cbegin(), side.cend(), [&before](const std::shared_ptr<SKTGraphic>& g) {
                return g && g->ctrl_is_visible && isExactlyImage(g.get()) && before.laidOutByTry(*g);
            });
        }
        score(i);
        if (bestScore.readsRight())
            break;
        if (!area.measured())
            area.measure(canvas, before);
        qsizetype following = next(i);
        qsizetype shown = i;  // the try whose layout the side shows
        // Before the tries that keep less of the pairing zones, one of them
        // is made first: where it does no better, none of them is made.
        // Where no field lands clear, the freest (the smallest share, no
        // zones kept) must land fewer clear; where all land clear but a
        // caption reads as another field's, the best try's own with fewer
        // zones kept must have fewer such captions.
        const bool clear = bestScore.told == 0;
        if (!probed && following < tries.size() && tries.at(i).level == Level::All &&
            tries.at(following).level != Level::All && worthGoingOn(tries.at(i), &tries.at(following), bestScore)) {
            probed = true;
            qsizetype probe = tries.size() - 1;
            if (clear)
                for (qsizetype j = following; j < tries.size(); ++j)
                    if (const Try& t = tries.at(j), &b = tries.at(best);
                        t.level == tries.at(following).level && t.scale == b.scale && t.flow == b.flow &&
                        t.widestFirst == b.widestFirst) {
                        probe = j;
                        break;
                    }
            if (const Score found = bestScore; !area.tooBig(tries.at(probe)) && accepted(tries.at(probe))) {
                before.restore();
                if (!(result.done = run(tries.at(probe))))
                    break;
                score(probe);
                shown = probe;
                if ((clear ? !bestScore.better(found) : bestScore.told >= found.told) || bestScore.readsRight())
                    following = tries.size();
            }
        }
        const bool last = following >= tries.size() ||
                          !worthGoingOn(tries.at(i), &tries.at(following), bestScore);
        if (last && best == shown)
            break;
        before.restore();
        if (last) {
            result.done = run(tries.at(best));
            break;
        }
    }
    if (result.done) {
        // A value its box holds only drawn smaller moves where a place holds
        // it at the kept try's share: once, on the layout that stays, and
        // only where the card then tells no worse of it.
        if (canvas.settleRoomierFields() && bestScore.better(scoreOf(canvas, before, kept, tries.at(best)))) {
            before.restore();
            result.done = run(tries.at(best));
        }
        result.readingWrong = canvas.fieldsReadingWrong();
        const Score now = scoreOf(canvas, before, kept, tries.at(best));
        result.wrongInTry = now.told;
        result.readAsAnother = now.misread;
    }
    lastBatch() = result;
    canvas.closeFieldBatch();
    canvas.setFieldScales({});
    canvas.setFieldFlow(Flow::RulePlaces);
    canvas.setPairingLevel(Level::All);
    canvas.setPhotoShare(1.0);
    return result;
}

}  // namespace zelk
