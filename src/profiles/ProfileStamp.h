#pragma once
// Turning a card-holder profile into graphics on one canvas: each filled
// slot shows (or creates) its value graphic by control ID and takes the
// slot's binding, then each filled caption its caption graphic.
#include "canvas/placement/ReadingWrong.h"
#include "foundation/User_Profile_Class.h"

#include <QRectF>
#include <QString>
#include <QStringList>
#include <functional>

class SKTGraphic;
class SKTGraphicView;

namespace zelk {

class ToolPalette;

// The binding a stamped value graphic takes from its slot: a series wins
// over an Excel column; neither means a typed value with no binding.
void bindToProfileSlot(SKTGraphic& graphic, const User_Profile_Class::Slot& slot);

struct ProfileStamp {
    enum class Variant { Front, Back, Temp };
    Variant variant = Variant::Front;
    SKTGraphicView* canvas = nullptr;
    ToolPalette* tools = nullptr;
    // The rectangle for a graphic the canvas must create.
    std::function<QRectF(const QString& ctrl_ID, const QString& ctrl_Value)> rectFor;
    // The library picture the canvas makes a new image from.
    std::function<void(const QString& path)> setLibraryPicture;
    std::function<bool(const QString& path)> fileExists;
    // The values a slot bound to a workbook column takes on the cards of a
    // batch, a row's each; none where no workbook is loaded.
    std::function<QStringList(const User_Profile_Class::Slot& slot)> boundValues;

    // Hides the side's profile values and captions (not the photo), then
    // stamps the photo of the profile, then each value with its caption; the
    // fields it creates share the largest size at which all of them land
    // clear of the rest (where none does, the one at which the fewest meet
    // others). A value bound to a workbook column is laid out for the
    // widest of its rows' values, so that each card of the batch holds its
    // own whole in one layout; the side then shows the profile's own value.
    // An exception ends it (logged); false then.
    bool stamp(const User_Profile_Class& profile) const;
    // The fields whose printed words the last stamping left reading wrong,
    // where the side had no room to lay them all out clear and readable.
    const QList<FieldReadingWrong>& readingWrong() const { return readingWrong_; }

private:
    // `laidOut`: the text each slot's value is placed for.
    bool stampOnce(const User_Profile_Class& profile, const QStringList& laidOut, bool widestFirst) const;
    QStringList laidOutValues(const User_Profile_Class& profile) const;
    // Whether the stamping places the profile's photo: the temp side's
    // always, the others' where the card shows one and its file is there
    // (or it is bound to a series or a column).
    bool photoPlaced(const User_Profile_Class& profile) const;
    mutable QList<FieldReadingWrong> readingWrong_;
};

}  // namespace zelk
