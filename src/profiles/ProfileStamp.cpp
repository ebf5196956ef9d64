#include "profiles/ProfileStamp.h"

#include "canvas/FieldPlacement.h"
#include "canvas/SKTGraphicView.h"
#include "canvas/ToolKind.h"
#include "canvas/ToolPalette.h"
#include "foundation/AppPaths.h"
#include "foundation/Codes.h"
#include "foundation/DrawingCodes.h"
#include "foundation/SKTGraphic.h"
#include "foundation/Utilities.h"

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

// How many of the shown graphics that `side` holds and `before` did not
// leave the card or meet another shown graphic.
int fieldsNotClear(const GraphicList& side, const GraphicList& before, const CardArea& card) {
    return notClearCount(side, card, [&before](const SKTGraphic& g) {
        return std::none_of(before.cbegin(), before.cend(), [&g](const auto& b) { return b.get() == &g; });
    });
}

}  // namespace

bool ProfileStamp::stamp(const User_Profile_Class& profile) const {
    // The fields it makes share one size, the largest at which all of them
    // land clear of the rest: a stamping that left one where it had no room
    // is undone (its new graphics go, the others take their places back)
    // and done again with smaller new fields. Where none lands them all
    // clear, the one that left the fewest where they meet others stays.
    const GraphicList before = canvas->graphics();
    QList<QRectF> places;
    for (const std::shared_ptr<SKTGraphic>& g : before)
        places << (g ? g->bounds() : QRectF());
    auto undo = [&] {
        canvas->Set_Selection_Index_According_ID(QString());
        canvas->mutableGraphics() = before;
        for (qsizetype i = 0; i < before.size(); ++i)
            if (before.at(i))
                before.at(i)->setBounds(places.at(i));
    };
    // At each size the fields go to their rules' places first, then, where
    // that leaves some without room, fill the card line by line, each in
    // its fewest lines, then packed with longer texts wrapped; all of it
    // first keeping the room on the fields' lines (no caption reads as
    // another field's, no two values run together), then, where no try
    // lands them all clear so, only the room that keeps each caption to
    // its own value, then none.
    using Flow = SKTGraphicView::FieldFlow;
    using Lines = SKTGraphicView::FieldLines;
    struct Try {
        double scale;
        Flow flow;
        Lines lines;
    };
    QList<Try> tries;
    for (Lines lines : {Lines::All, Lines::Captions, Lines::None})
        for (double scale : StampScales)
            for (Flow flow : {Flow::RulePlaces, Flow::Lines, Flow::PackedLines})
                tries << Try{scale, flow, lines};
    auto attempt = [&](const Try& t) {
        canvas->openFieldBatch();
        canvas->setFieldScales({t.scale, t.scale});
        canvas->setFieldFlow(t.flow);
        canvas->setKeepFieldLines(t.lines);
        return stampOnce(profile);
    };
    // A size at which the new fields need more room than the side has free
    // is not tried: they cannot all land clear. Where that is so at the
    // smallest, only its try at the rules' places with the lines kept is
    // made.
    std::optional<double> room;
    GraphicList made;
    std::map<double, double> needed;  // by scale, once each
    auto tooBig = [&](const Try& t) {
        if (!room)
            return false;
        if (!needed.count(t.scale)) {
            double sum = 0;
            for (const std::shared_ptr<SKTGraphic>& f : made) {
                double least = std::numeric_limits<double>::max();
                for (const QSizeF& s : fieldSizes(*f, canvas->cardRect().size(), {t.scale, t.scale}, false))
                    least = std::min(least, (s.width() + FieldClearance) * (s.height() + FieldClearance));
                sum += least;
            }
            needed[t.scale] = sum;
        }
        const bool smallestAtRules = t.scale <= StampScales[std::size(StampScales) - 1] && t.flow == Flow::RulePlaces;
        return needed[t.scale] > *room && !(smallestAtRules && t.lines == Lines::All);
    };
    // A try is the better the fewer of its fields meet others, then the
    // fewer stand where a caption reads as another field's, then the fewer
    // run into another value on their line.
    using Score = std::tuple<int, int, int>;
    auto scoreOf = [&] {
        const GraphicList side = canvas->graphics();
        int captionHits = 0, valueHits = 0;
        for (const std::shared_ptr<SKTGraphic>& f : side)
            if (f && f->ctrl_is_visible && !before.contains(f))
                switch (lineHit(side, *f)) {
                case LineHit::Captions:
                    ++captionHits;
                    break;
                case LineHit::Values:
                    ++valueHits;
                    break;
                case LineHit::None:
                    break;
                }
        return Score(fieldsNotClear(side, before, canvas->fieldCard()), captionHits, valueHits);
    };
    bool done = false;
    qsizetype best = 0;
    Score bestScore(std::numeric_limits<int>::max(), 0, 0);
    auto next = [&](qsizetype after) {
        qsizetype i = after + 1;
        while (i < tries.size() && tooBig(tries.at(i)))
            ++i;
        return i;
    };
    for (qsizetype i = next(-1); i < tries.size(); i = next(i)) {
        done = attempt(tries.at(i));
        if (!done)
            break;
        if (const auto score = scoreOf(); score < bestScore) {
            bestScore = score;
            best = i;
        }
        if (bestScore == Score(0, 0, 0))
            break;
        if (!room) {
            GraphicList kept;
            for (const std::shared_ptr<SKTGraphic>& g : canvas->graphics())
                if (g && g->ctrl_is_visible)
                    (before.contains(g) ? kept : made) << g;
            room = freeRoom(drawnRects(kept, canvas->cardRect()), canvas->fieldCard());
        }
        // Once a try lands all the fields clear with every caption to its
        // own value, only the other flows at its size are tried (for values
        // that do not run together): a smaller size, or less of the lines
        // kept, would not be better. The tries that let the lines go come
        // only where none landed the fields clear at all.
        const qsizetype following = next(i);
        const Try& now = tries.at(i);
        const bool captionsKept = std::get<0>(bestScore) == 0 && std::get<1>(bestScore) == 0;
        const bool last =
            following >= tries.size() ||
            (captionsKept && (tries.at(following).scale != now.scale || tries.at(following).lines != now.lines)) ||
            (tries.at(following).lines != now.lines && now.lines == Lines::Captions && std::get<0>(bestScore) == 0);
        if (last && best == i)
            break;
        undo();
        if (last) {
            done = attempt(tries.at(best));
            break;
        }
    }
    canvas->closeFieldBatch();
    canvas->setFieldScales({});
    canvas->setFieldFlow(Flow::RulePlaces);
    canvas->setKeepFieldLines(Lines::All);
    canvas->update();
    return done;
}

bool ProfileStamp::stampOnce(const User_Profile_Class& profile) const {
    try {
        // Every control of the stamping is found or made on the canvas by ID;
        // a found one keeps its place.
        auto place = [this](GraphicKind kind, const QString& value, const QString& id) {
            const bool found = canvas->Selcect_Ctrl_With_ID(id) != nullptr;
            const QRectF rect = found || !rectFor ? QRectF() : rectFor(id, value);
            canvas->ReplaceGraphicText(kind, !found && rectFor, rect, CardSide::FrontName, value, id);
        };

        canvas->Hide_all_Text_control_FUP_Control();
        // What the stamping shows again keeps its place and size: it is
        // shown before the photo and the new texts are placed around it.
        for (int i = 0; i < ProfileTextSlotCount; ++i) {
            const User_Profile_Class::Slot& s = profile.slot(i);
            for (const auto& [text, id] : {std::pair(s.value, s.id), std::pair(s.label, s.label_id)})
                if (!text.isEmpty())
                    if (const auto g = canvas->Selcect_Ctrl_With_ID(id))
                        g->Set_Ctrl_Is_Visible(true);
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
            if (fileExists(photo.value) || photo.ds || photo.xl) {
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
        for (int i = 0; i < ProfileTextSlotCount; ++i) {
            const User_Profile_Class::Slot& s = profile.slot(i);
            if (!s.value.isEmpty()) {
                canvas->setFieldLead(s.label);
                place(GraphicKind::Text, s.value, s.id);
                canvas->setFieldLead(QString());
                if (const auto g = canvas->Selected_Graphic())
                    bindToProfileSlot(*g, s);
            }
            if (!s.label.isEmpty())
                place(GraphicKind::Text, s.label, s.label_id);
        }

        tools->setToolQuietly(TextTool);
        return true;
    } catch (const std::exception& e) {
        Show_NSLog_Message(QString::fromLocal8Bit(e.what()));
        return false;
    }
}

}  // namespace zelk
