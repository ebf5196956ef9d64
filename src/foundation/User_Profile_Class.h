#pragma once
// One card-holder profile: per slot of the profile table (name ... unique
// number, photo) a value, the control IDs of its value and caption
// graphics, a caption, and where a batch takes its values from (a data
// series or an Excel column). A plain record: it checks nothing.
#include "foundation/ProfileFieldTable.h"

#include <QString>
#include <array>

class User_Profile_Class {
public:
    // The nine fields of one slot; stem S in the names below.
    struct Slot {
        QString value;        // S: the text, or the photo's path
        QString id;           // S_id
        QString label;        // S_label: the caption ("" none)
        QString label_id;     // S_label_id
        char ds = 0;          // S_ds: values from the data series ds_name
        QString ds_name;      // S_ds_name
        int ds_indx = 0;      // S_ds_indx
        char xl = 0;          // S_xl: values from the Excel column xl_col_indx
        int xl_col_indx = 0;  // S_xl_col_indx
    };

    // Every string empty, every flag and index 0, until Reset_All_Values.
    User_Profile_Class() = default;

    // The IDs of the profile table, every value, flag, series and index
    // cleared; the captions stay.
    void Reset_All_Values();
    // The captions as a new profile has them: none.
    void clearCaptions();

    // Direct access by slot (zelk::SlotName .. zelk::SlotPhoto).
    std::array<Slot, zelk::ProfileSlotCount> slotFields;
    Slot& slot(int i) { return slotFields.at(size_t(i)); }
    const Slot& slot(int i) const { return slotFields.at(size_t(i)); }

    // Whole-profile flags.
    char Fill_User_Profile_Enable() const { return fillEnable_; }
    void setFill_User_Profile_Enable(char v) { fillEnable_ = v; }
    char Excel_Binding() const { return excelBinding_; }
    void setExcel_Binding(char v) { excelBinding_ = v; }
    char image_USE() const { return imageUse_; }
    void setImage_USE(char v) { imageUse_ = v; }

    // The accessors by the fields' names: Name(), setName(), Name_id(),
    // slogan_ds(), setImage_xl_col_indx(), ... (every field but S_label).
#define ZELK_PROFILE_SLOT_ACCESSORS(S, Up, I)                                        \
    const QString& S() const { return slotFields[I].value; }                            \
    void set##Up(const QString& v) { slotFields[I].value = v; }                         \
    const QString& S##_id() const { return slotFields[I].id; }                          \
    void set##Up##_id(const QString& v) { slotFields[I].id = v; }                       \
    const QString& S##_label_id() const { return slotFields[I].label_id; }              \
    void set##Up##_label_id(const QString& v) { slotFields[I].label_id = v; }           \
    char S##_ds() const { return slotFields[I].ds; }                                     \
    void set##Up##_ds(char v) { slotFields[I].ds = v; }                                  \
    const QString& S##_ds_name() const { return slotFields[I].ds_name; }                \
    void set##Up##_ds_name(const QString& v) { slotFields[I].ds_name = v; }             \
    int S##_ds_indx() const { return slotFields[I].ds_indx; }                            \
    void set##Up##_ds_indx(int v) { slotFields[I].ds_indx = v; }                         \
    char S##_xl() const { return slotFields[I].xl; }                                     \
    void set##Up##_xl(char v) { slotFields[I].xl = v; }                                  \
    int S##_xl_col_indx() const { return slotFields[I].xl_col_indx; }                    \
    void set##Up##_xl_col_indx(int v) { slotFields[I].xl_col_indx = v; }

    ZELK_PROFILE_SLOT_ACCESSORS(Name, Name, zelk::SlotName)
    ZELK_PROFILE_SLOT_ACCESSORS(Title, Title, zelk::SlotTitle)
    ZELK_PROFILE_SLOT_ACCESSORS(Company_name, Company_name, zelk::SlotCompany)
    ZELK_PROFILE_SLOT_ACCESSORS(slogan, Slogan, zelk::SlotSlogan)
    ZELK_PROFILE_SLOT_ACCESSORS(address, Address, zelk::SlotAddress)
    ZELK_PROFILE_SLOT_ACCESSORS(phone, Phone, zelk::SlotPhone)
    ZELK_PROFILE_SLOT_ACCESSORS(fax, Fax, zelk::SlotFax)
    ZELK_PROFILE_SLOT_ACCESSORS(email, Email, zelk::SlotEmail)
    ZELK_PROFILE_SLOT_ACCESSORS(website, Website, zelk::SlotWebsite)
    ZELK_PROFILE_SLOT_ACCESSORS(unique, Unique, zelk::SlotUnique)
    ZELK_PROFILE_SLOT_ACCESSORS(image, Image, zelk::SlotPhoto)
#undef ZELK_PROFILE_SLOT_ACCESSORS

private:
    char fillEnable_ = 0;
    char excelBinding_ = 0;
    char imageUse_ = 0;
};
