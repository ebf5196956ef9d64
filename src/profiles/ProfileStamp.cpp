// Stamping a card-holder profile onto a side: what of an earlier stamping
// is laid out again, which tries are made (the share of the new fields,
// their flow, the pairing zones kept, the order of the values), how each
// is scored, and which one stays.
#include "profiles/ProfileStamp.h"

#include "canvas/FieldPlacement.h"
#include "canvas/SKTGraphicView.h"
#include "canvas/ToolKind.h"
#include "canvas/ToolPalette.h"
#include "foundation/AppPaths.h"
#include "foundation/Codes.h"
#include "foundation/DrawingCodes.h"
#include "foundation/SKTGraphic.h"
#include "foundation/TextMeasure.h"
#include "foundation/Utilities.h"

#include <QHash>
#include <QSet>

#include <algorithm>
#include <exception>
#include <limits>
#include <map>
#include <optional>
#include <iterator>
#include <tuple>
#include <utility>

namespace zelk {

void bindToProfileSlot(SKTGraphic& g, const User_Profile_Class::Slot& slot) {
    if (slot.ds) {
        g.Set_Data_source_type(DataSourceType::Series);
        g.Set_Batch_List_Name(slot.ds_name);
        g.Set_Batch_List_Index(slot.ds_indx);
        g.Set_Excel_binding(false);
    } else if (slot.xl) {
        g.Set_Data_source_type(DataSourceType::ExcelColumn);
        g.Set_Excel_binding(true);
        g.Set_Excel_binding_Index(slot.xl_col_indx);
    } else {
        g.Set_Data_source_type(DataSourceType::Manual);
        g.Set_Excel_binding(false);
        g.Set_Excel_binding_Index(DataSourceType::None);
        g.Set_Batch_List_Index(DataSourceType::None);
        g.Set_Batch_List_Name(QString());
    }
}

namespace {

// The shares of their own size that the fields of one stamping are tried at,
// largest first, down to the smallest a field is drawn at.
constexpr double StampScales[] = {1.0, 0.85, 0.7, 0.6, SmallestFieldScale};

using Flow = SKTGraphicView::FieldFlow;
using Level = SKTGraphicView::PairingLevel;

// One way of stamping: the share the new fields are drawn at, how they are
// laid out, how much of the pairing zones they keep, and whether the values
// go in slot order or those with the widest unbreakable line first (they
// have the fewest places: on an oval card only its widest band).
struct Try {
    double scale;
    Flow flow;
    Level level;
    bool widestFirst = false;
};

// The tries in the order they are made. At each size the fields go to
// their rules' places first, then, where that leaves some without room,
// fill the card line by line, each in its fewest lines, then packed with
// longer texts wrapped; all of it first keeping the pairing zones whole (no
// caption reads as another field's, no two values run together), then,
// where no try lands them all clear so, only the rooms that keep each
// caption to its own value, then none. Before a size is given up, the card
// is filled line by line once more (in fewest lines, then packed) with the
// widest values first.
QList<Try> stampTries() {
    QList<Try> tries;
    for (Level level : {Level::All, Level::Captions, Level::None})
        for (double scale : StampScales) {
            for (Flow flow : {Flow::RulePlaces, Flow::Lines, Flow::PackedLines})
                tries << Try{scale, flow, level};
            tries << Try{scale, Flow::Lines, level, true} << Try{scale, Flow::PackedLines, level, true};
        }
    return tries;
}

// The IDs of the fields a stamping shows: each filled value and caption,
// and the photo where the stamping places it.
QSet<QString> shownIds(const User_Profile_Class& profile, bool photoPlaced) {
    QSet<QString> ids;
    for (int i = 0; i < ProfileTextSlotCount; ++i) {
        const User_Profile_Class::Slot& s = profile.slot(i);
        if (!s.value.isEmpty())
            ids << s.id;
        if (!s.label.isEmpty())
            ids << s.label_id;
    }
    if (photoPlaced)
        ids << profile.slot(SlotPhoto).id;
    return ids;
}

// A stamping lays out what it places as one layout, whatever was stamped
// before: the fields an earlier stamping (or the rule) placed that this one
// shows again are taken off the side, to be made again, each as the same
// graphic (its style kept), as though they had never been there; the
// design's own fields go back to the boxes the design gave them. What the
// user placed stays. Whatever the stamping did not make again (it failed
// half-way) goes back where it was.
class LaidOutAgain {
public:
    LaidOutAgain(SKTGraphicView& canvas, const QSet<QString>& shown) : canvas_(canvas) {
        GraphicList& side = canvas.mutableGraphics();
        canvas.backToDesignBoxes();
        for (const QString& id : shown) {
            const std::shared_ptr<SKTGraphic> g = canvas.Selcect_Ctrl_With_ID(id);
            const auto sameId = [&id](const std::shared_ptr<SKTGraphic>& o) { return o && o->control_ID == id; };
            if (!g || g->boxOwner() != BoxOwner::Rule || g->ctrl_is_locked ||
                std::count_if(side.cbegin(), side.cend(), sameId) != 1)
                continue;
            taken_.append({g, side.indexOf(g)});
            made_.insert(id, g);
        }
        for (const auto& [g, at] : taken_)
            side.removeOne(g);
        canvas.Set_Selection_Index_According_ID(QString());
    }
    ~LaidOutAgain() {
        GraphicList& side = canvas_.mutableGraphics();
        for (const auto& [g, at] : taken_)
            if (!side.contains(g))
                side.insert(std::clamp<qsizetype>(at, 0, side.size()), g);
    }
    LaidOutAgain(const LaidOutAgain&) = delete;
    LaidOutAgain& operator=(const LaidOutAgain&) = delete;
    // The fields to make again, by ID, for the canvas to take.
    const QHash<QString, std::shared_ptr<SKTGraphic>>& made() const { return made_; }

private:
    SKTGraphicView& canvas_;
    QList<std::pair<std::shared_ptr<SKTGraphic>, qsizetype>> taken_;
    QHash<QString, std::shared_ptr<SKTGraphic>> made_;
};

// The side as the stamping found it, to go back to between tries: its
// graphics, their places and their texts (a field given a new value in a
// try takes it again, and its room, in the next).
class SideBefore {
public:
    SideBefore(SKTGraphicView& canvas, const QSet<QString>& shown)
        : canvas_(canvas), graphics_(canvas.graphics()), shown_(shown) {
        for (const std::shared_ptr<SKTGraphic>& g : graphics_) {
            places_ << (g ? g->bounds() : QRectF());
            texts_ << (g ? g->Text_Value : QString());
        }
    }
    const GraphicList& graphics() const { return graphics_; }
    bool holds(const SKTGraphic& g) const { return indexOf(g) >= 0; }
    // Whether the stamping made the graphic, showed it, or gave it a new
    // value or place.
    bool stamped(const SKTGraphic& g) const {
        const qsizetype i = indexOf(g);
        return i < 0 || shown_.contains(g.control_ID) || g.Text_Value != texts_.at(i) || g.bounds() != places_.at(i);
    }
    // Whether a try lays the graphic out: one it stamped but a field the
    // user placed or locked, which takes its value in its own box the same
    // in every try (what it meets there, every try meets).
    bool laidOutByTry(const SKTGraphic& g) const {
        return stamped(g) && g.boxOwner() != BoxOwner::User && !g.ctrl_is_locked;
    }
    // The try's new graphics go, the others take their places and texts back.
    void restore() const {
        canvas_.Set_Selection_Index_According_ID(QString());
        canvas_.mutableGraphics() = graphics_;
        for (qsizetype i = 0; i < graphics_.size(); ++i)
            if (SKTGraphic* g = graphics_.at(i).get()) {
                if (g->Text_Value != texts_.at(i))
                    g->Set_text_value(texts_.at(i));
                g->setBounds(places_.at(i));
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
};

// A try is the better the fewer of the fields it stamped lie past the
// card's edge or outline, then the fewer meet others or break a word, then the fewer stand
// where a caption reads as another field's, then the fewer run into
// another value on their line.
using Score = std::tuple<int, int, int, int>;
constexpr Score AllClear(0, 0, 0, 0);

Score scoreOf(const GraphicList& side, const SideBefore& before, const CardArea& card) {
    int past = 0, broken = 0, misread = 0, runTogether = 0;
    for (const std::shared_ptr<SKTGraphic>& f : side)
        if (f && f->ctrl_is_visible && before.laidOutByTry(*f)) {
            if (!card.holds(f->drawingBounds()))
                ++past;
            if (breaksAWord(*f))
                ++broken;
            switch (pairingBreachOf(side, *f)) {
            case PairingBreach::CaptionMisread:
                ++misread;
                break;
            case PairingBreach::ValuesRunTogether:
                ++runTogether;
                break;
            case PairingBreach::None:
                break;
            }
        }
    const int notClear = notClearCount(side, card, [&before](const SKTGraphic& g) { return before.laidOutByTry(g); });
    return Score(past, notClear + broken, misread, runTogether);
}

// Whether the new fields of a stamping, at a try's size, need more room
// than the side has free: they cannot all land clear, and the try is not
// made. Where that is so at the smallest size, only its try at the rules'
// places with the pairing zones kept is made. Known after a first try.
class AreaCheck {
public:
    // The side's free area and the fields the stamping made, from a try.
    void measure(const GraphicList& side, const SideBefore& before, const CardArea& card) {
        GraphicList kept;
        for (const std::shared_ptr<SKTGraphic>& g : side)
            if (g && g->ctrl_is_visible)
                (before.holds(*g) ? kept : made_) << g;
        freeArea_ = freeArea(drawnRects(kept, card.rect), card);
        cardSize_ = card.rect.size();
    }
    bool measured() const { return freeArea_.has_value(); }
    bool tooBig(const Try& t) {
        if (!freeArea_)
            return false;
        const bool smallestAtRules = t.scale <= StampScales[std::size(StampScales) - 1] && t.flow == Flow::RulePlaces;
        return needed(t.scale) > *freeArea_ && !(smallestAtRules && t.level == Level::All);
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
// try lands all the fields clear with every caption to its own value, only
// the other flows at its size are worth trying (for values that do not run
// together); a smaller size, or less of the pairing zones kept, would not
// be better. The tries that let the rooms go come only where none landed
// the fields clear at all.
bool worthGoingOn(const Try& now, const Try* following, const Score& best) {
    if (!following)
        return false;
    const bool clear = std::get<0>(best) == 0 && std::get<1>(best) == 0;
    const bool captionsKept = clear && std::get<2>(best) == 0;
    if (captionsKept && (following->scale != now.scale || following->level != now.level))
        return false;
    return !(following->level != now.level && now.level == Level::Captions && clear);
}

// The text slots in the order they are stamped: slot order, or the values
// (as laid out) with the widest unbreakable line (their longest word, in a
// new text's font) first, slot order among equals.
QList<int> slotOrder(const QStringList& laidOut, bool widestFirst) {
    QList<int> order;
    QList<double> widest;
    for (int i = 0; i < ProfileTextSlotCount; ++i) {
        order << i;
        double w = 0;
        if (widestFirst && !laidOut.at(i).isEmpty()) {
            const std::shared_ptr<SKTGraphic> probe = makeGraphic(GraphicKind::Text);
            probe->Set_text_value(laidOut.at(i));
            w = longestWordWidth(*probe);
        }
        widest << w;
    }
    if (widestFirst)
        std::stable_sort(order.begin(), order.end(), [&widest](int a, int b) { return widest.at(a) > widest.at(b); });
    return order;
}

}  // namespace

bool ProfileStamp::stamp(const User_Profile_Class& profile) const {
    // The fields it makes share one size, the largest at which all of them
    // land clear of the rest: a stamping that left one where it had no room
    // is undone and done again with smaller new fields. Where none lands
    // them all clear, the one that left the fewest where they meet others
    // stays.
    const QStringList laidOut = laidOutValues(profile);
    const QSet<QString> shown = shownIds(profile, photoPlaced(profile));
    const LaidOutAgain again(*canvas, shown);
    const SideBefore before(*canvas, shown);
    const QList<Try> tries = stampTries();
    AreaCheck area;
    auto attempt = [&](const Try& t) {
        canvas->setFieldsMadeAgain(again.made());
        canvas->openFieldBatch();
        canvas->setFieldScales({t.scale, t.scale});
        canvas->setFieldFlow(t.flow);
        canvas->setPairingLevel(t.level);
        return stampOnce(profile, laidOut, t.widestFirst);
    };
    // A stamping that makes no field (each one found on the side, where it
    // keeps its place or grows for its value) comes out the same whatever
    // the flow or the pairing level of its new fields: only its share, and
    // the order its values grow in, are worth trying again.
    std::optional<bool> madeNone;
    QList<std::pair<double, bool>> tried;
    auto next = [&](qsizetype after) {
        qsizetype i = after + 1;
        while (i < tries.size() &&
               (area.tooBig(tries.at(i)) ||
                (madeNone.value_or(false) && tried.contains(std::pair(tries.at(i).scale, tries.at(i).widestFirst)))))
            ++i;
        return i;
    };
    bool done = false;
    qsizetype best = 0;
    Score bestScore(std::numeric_limits<int>::max(), 0, 0, 0);
    for (qsizetype i = next(-1); i < tries.size(); i = next(i)) {
        done = attempt(tries.at(i));
        if (!done)
            break;
        tried << std::pair(tries.at(i).scale, tries.at(i).widestFirst);
        if (!madeNone)
            madeNone = canvas->graphics().size() == before.graphics().size();
        if (const Score score = scoreOf(canvas->graphics(), before, canvas->fieldCard()); score < bestScore) {
            bestScore = score;
            best = i;
        }
        if (bestScore == AllClear)
            break;
        if (!area.measured())
            area.measure(canvas->graphics(), before, canvas->fieldCard());
        const qsizetype following = next(i);
        const bool last =
            !worthGoingOn(tries.at(i), following < tries.size() ? &tries.at(following) : nullptr, bestScore);
        if (last && best == i)
            break;
        before.restore();
        if (last) {
            done = attempt(tries.at(best));
            break;
        }
    }
    // The side shows the profile's own values in the boxes laid out for
    // their batch's widest.
    for (int i = 0; done && i < ProfileTextSlotCount; ++i)
        if (const User_Profile_Class::Slot& s = profile.slot(i); !s.value.isEmpty() && laidOut.at(i) != s.value)
            if (const auto g = canvas->Selcect_Ctrl_With_ID(s.id))
                g->Set_text_value(s.value);
    canvas->closeFieldBatch();
    canvas->setFieldsMadeAgain({});
    canvas->setFieldScales({});
    canvas->setFieldFlow(Flow::RulePlaces);
    canvas->setPairingLevel(Level::All);
    canvas->update();
    return done;
}

bool ProfileStamp::photoPlaced(const User_Profile_Class& profile) const {
    const User_Profile_Class::Slot& photo = profile.slot(SlotPhoto);
    return variant == Variant::Temp ||
           (profile.image_USE() && ((fileExists && fileExists(photo.value)) || photo.ds || photo.xl));
}

QStringList ProfileStamp::laidOutValues(const User_Profile_Class& profile) const {
    // Each distinct value of a column measured as drawn, in a new text's
    // font: fewer characters may draw wider (capitals beside narrow
    // letters). The measures are kept: a stamping again measures nothing
    // anew.
    QStringList out;
    const std::shared_ptr<SKTGraphic> probe = makeGraphic(GraphicKind::Text);
    const QFont font = text::layoutFont(*probe);
    for (int i = 0; i < ProfileTextSlotCount; ++i) {
        const User_Profile_Class::Slot& s = profile.slot(i);
        QString widest = s.value;
        if (s.xl && !s.ds && !s.value.isEmpty() && boundValues) {
            QSet<QString> measured;
            double most = -1;
            for (const QString& value : QStringList(s.value) + boundValues(s)) {
                if (measured.contains(value))
                    continue;
                measured.insert(value);
                probe->Set_text_value(value);
                if (const double w = text::naturalWidth(text::shownText(*probe), font); w > most) {
                    most = w;
                    widest = value;
                }
            }
        }
        out << widest;
    }
    return out;
}

bool ProfileStamp::stampOnce(const User_Profile_Class& profile, const QStringList& laidOut, bool widestFirst) const {
    try {
        // Every control of the stamping is found or made on the canvas by ID;
        // a found one keeps its place.
        auto place = [this](GraphicKind kind, const QString& value, const QString& id) {
            const bool found = canvas->Selcect_Ctrl_With_ID(id) != nullptr;
            const QRectF rect = found || !rectFor ? QRectF() : rectFor(id, value);
            canvas->ReplaceGraphicText(kind, !found && rectFor, rect, CardSide::FrontName, value, id);
        };

        // Each value takes its own box before any that outgrew its box
        // moves: one that moved first could take the room another's box
        // grows into.
        canvas->holdOutgrownFields();
        canvas->Hide_all_Text_control_FUP_Control();
        // What the design or the user placed that the stamping shows again
        // keeps its place: it is shown before the photo and the new texts
        // are placed around it.
        for (int i = 0; i < ProfileTextSlotCount; ++i) {
            const User_Profile_Class::Slot& s = profile.slot(i);
            for (const auto& [text, id] : {std::pair(s.value, s.id), std::pair(s.label, s.label_id)})
                if (!text.isEmpty())
                    if (const auto g = canvas->Selcect_Ctrl_With_ID(id))
                        g->Set_Ctrl_Is_Visible(true);
        }
        // What the user placed (a field moved or resized by the user, or
        // locked) takes its value first, whole, in the box the user left:
        // the rest is laid out around it, as around the user's own graphics.
        for (int i = 0; i < ProfileTextSlotCount; ++i) {
            const User_Profile_Class::Slot& s = profile.slot(i);
            for (const auto& [text, id] : {std::pair(laidOut.at(i), s.id), std::pair(s.label, s.label_id)})
                if (const auto g = text.isEmpty() ? nullptr : canvas->Selcect_Ctrl_With_ID(id);
                    g && (g->boxOwner() == BoxOwner::User || g->ctrl_is_locked))
                    canvas->ReplaceGraphicText(GraphicKind::Text, false, QRectF(), CardSide::FrontName, text, id);
        }
        // The photo first, at its own size: the texts then go around it.
        const User_Profile_Class::Slot& photo = profile.slot(SlotPhoto);
        if (variant == Variant::Temp) {
            tools->setToolQuietly(ImageTool);
            setLibraryPicture(photo.value);
            place(GraphicKind::Image, photo.value, photo.id);
            if (const auto g = canvas->Selected_Graphic())
                bindToProfileSlot(*g, photo);
        } else if (profile.image_USE()) {
            if (photoPlaced(profile)) {
                tools->setToolQuietly(ImageTool);
                setLibraryPicture(photo.value);
                place(GraphicKind::Image, photo.value, photo.id);
            }
            canvas->Set_Selection_Index_According_ID(photo.id);
            if (const auto g = canvas->Selected_Graphic())
                bindToProfileSlot(*g, photo);
        } else if (const auto g = canvas->Selcect_Ctrl_With_ID(photo.id)) {
            // Without a photo of the profile the front shows none; the back
            // keeps a picture of its own but not the placeholder of a photo
            // not chosen, which would print as a grey silhouette.
            if (variant == Variant::Front || AppPaths::isNoPicture(g->_file_path))
                g->Set_Ctrl_Is_Visible(false);
        }

        tools->setToolQuietly(TextTool);
        // Each caption straight after its value, so that it finds room
        // beside it before the next value is placed.
        for (const int i : slotOrder(laidOut, widestFirst)) {
            const User_Profile_Class::Slot& s = profile.slot(i);
            if (!s.value.isEmpty()) {
                canvas->setNextValueCaption(s.label);
                place(GraphicKind::Text, laidOut.at(i), s.id);
                canvas->setNextValueCaption(QString());
                if (const auto g = canvas->Selected_Graphic())
                    bindToProfileSlot(*g, s);
            }
            if (!s.label.isEmpty())
                place(GraphicKind::Text, s.label, s.label_id);
        }

        canvas->settleOutgrownFields();
        tools->setToolQuietly(TextTool);
        return true;
    } catch (const std::exception& e) {
        canvas->settleOutgrownFields();
        Show_NSLog_Message(QString::fromLocal8Bit(e.what()));
        return false;
    }
}

}  // namespace zelk
