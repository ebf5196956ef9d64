// Stamping a card-holder profile onto a side: what of an earlier stamping
// is laid out again, what the user placed filled first, the order the
// photo, values and captions are made in, and the values a workbook's
// column is laid out for.
#include "profiles/ProfileStamp.h"

#include "canvas/FieldBatchTries.h"
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
// design's own fields, and the user's, go back to the boxes their owners
// gave them (a locked one stays as it is). Whatever the stamping did not
// make again (it failed half-way) goes back where it was.
class LaidOutAgain {
public:
    LaidOutAgain(SKTGraphicView& canvas, const QSet<QString>& shown) : canvas_(canvas) {
        GraphicList& side = canvas.mutableGraphics();
        canvas.backToOwnersBoxes();
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
    const QStringList laidOut = laidOutValues(profile);
    const QSet<QString> shown = shownIds(profile, photoPlaced(profile));
    const LaidOutAgain again(*canvas, shown);
    // What the user placed (a field moved or resized by the user, or
    // locked) takes its value first, in the box the user left: the rest is
    // laid out around it, as around the user's own graphics.
    QList<std::pair<QString, QString>> values;
    for (int i = 0; i < ProfileTextSlotCount; ++i)
        values << std::pair(profile.slot(i).id, laidOut.at(i))
               << std::pair(profile.slot(i).label_id, profile.slot(i).label);
    const FieldBatchResult result = layOutFieldBatch(*canvas, shown, values, [&](bool widestFirst) {
        canvas->setFieldsMadeAgain(again.made());
        return stampOnce(profile, laidOut, widestFirst);
    });
    canvas->setFieldsMadeAgain({});
    // The side shows the profile's own values in the boxes laid out for
    // their batch's widest.
    for (int i = 0; result.done && i < ProfileTextSlotCount; ++i)
        if (const User_Profile_Class::Slot& s = profile.slot(i); !s.value.isEmpty() && laidOut.at(i) != s.value)
            if (const auto g = canvas->Selcect_Ctrl_With_ID(s.id))
                g->Set_text_value(s.value);
    readingWrong_ = result.readingWrong;
    canvas->update();
    return result.done;
}

bool ProfileStamp::photoPlaced(const User_Profile_Class& profile) const {
    const User_Profile_Class::Slot& photo = profile.slot(SlotPhoto);
    return variant == Variant::Temp ||
           (profile.image_USE() && ((fileExists && fileExists(photo.value)) || photo.ds || photo.xl));
}

QStringList ProfileStamp::laidOutValues(const User_Profile_Class& profile) const {
    // Each distinct value of a column measured as drawn, in a new text's
    // font. The measures are cached: a stamping again measures nothing anew.
    QStringList out;
    const std::shared_ptr<SKTGraphic> newText = makeGraphic(GraphicKind::Text);
    for (int i = 0; i < ProfileTextSlotCount; ++i) {
        const User_Profile_Class::Slot& s = profile.slot(i);
        out << (s.xl && !s.ds && !s.value.isEmpty() && boundValues
                    ? text::widestDrawn(*newText, QStringList(s.value) + boundValues(s))
                    : s.value);
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
