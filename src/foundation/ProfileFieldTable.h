#pragma once
// The fixed vocabulary of the card-holder profile: the eleven slots (name ...
// unique number, photo) and the visitor desk's date and time, with their
// control IDs, captions, dialog and panel field stems, layout placeholders,
// group columns and visitor-database columns. One table for the profile
// dialogs, group projects and the visitor desk.
#include "foundation/Codes.h"

#include <QList>
#include <QString>

// The captions of the slots for the current card kind. They hold the ID-card
// texts from start-up; the visitor desk installs its own set.
extern QString Title_Name;
extern QString Title_Title;
extern QString Title_Company_name;
extern QString Title_slogan;
extern QString Title_address;
extern QString Title_phone;
extern QString Title_fax;
extern QString Title_email;
extern QString Title_website;
extern QString Title_unique;
extern QString Title_image;
extern QString Title_Date;
extern QString Title_Time;

namespace zelk {

// Slot numbers, in table order; the first eleven are a profile's slots.
enum ProfileSlot : int {
    SlotName = 0,
    SlotTitle,
    SlotCompany,
    SlotSlogan,
    SlotAddress,
    SlotPhone,
    SlotFax,
    SlotEmail,
    SlotWebsite,
    SlotUnique,
    SlotPhoto,
    SlotDate,
    SlotTime,
};
constexpr int ProfileSlotCount = 11;      // slots of a User_Profile_Class
constexpr int ProfileTextSlotCount = 10;  // of which texts (the photo last)
constexpr int ProfileTableSize = 13;      // with the visitor desk's date and time

struct ProfileField {
    ProfileSlot slot;
    QString stem;            // of the profile object's fields: "Name", "Company_name", ...
    QString valueId;         // "Fup_Name"
    QString captionId;       // "Fup_lbl_Name"
    QString* caption;        // the caption global (Title_Name)
    QString idCardCaption;   // the caption global's ID-card text ("Name :")
    QString fieldStem;       // of dialog and panel fields: "name", "comp_name", "image", "date"
    QString placeholder;     // landscape layout placeholder ("" for none)
    QString placeholderV;    // portrait layout placeholder
    int groupColumn;         // 0-based index of excel_cb_value1..12 (-1 none); the photo's front
    QString dbValueColumn;   // Visitor_Records value column ("" none)
    QString dbCaptionColumn; // Visitor_Records caption column ("" none)
    QString dbFlagColumn;    // Use_Date / Use_Time ("" none)
};

// The back photo's group column (excel_cb_value12).
constexpr int PhotoBackGroupColumn = 11;

// The thirteen rows in table order.
const QList<ProfileField>& profileFieldTable();
// The row of a value or caption ID (trimmed IDs compare exactly); nullptr
// for any other ID.
const ProfileField* profileFieldForId(const QString& controlId);
// Puts the ID-card texts back into the thirteen caption globals.
void installIdCardCaptions();

// Whether a graphic with this control ID is a field (a profile slot, a
// caption, the photo, the desk's date and time, a user-added row) rather
// than a graphic of the user's or of another layout.
bool isFieldId(const QString& ctrl_ID);

}  // namespace zelk
