#include "foundation/ProfileFieldTable.h"

QString Title_Name = QStringLiteral("Name :");
QString Title_Title = QStringLiteral("Position / Title :");
QString Title_Company_name = QStringLiteral("Company Name :");
QString Title_slogan = QStringLiteral("Company Slogan :");
QString Title_address = QStringLiteral("Address :");
QString Title_phone = QStringLiteral("Phone No. :");
QString Title_fax = QStringLiteral("Fax No. :");
QString Title_email = QStringLiteral("Email Id :");
QString Title_website = QStringLiteral("Website :");
QString Title_unique = QStringLiteral("Unique No. :");
QString Title_image = QStringLiteral("Photo :");
QString Title_Date = QStringLiteral("Date :");
QString Title_Time = QStringLiteral("Time :");

namespace zelk {

const QList<ProfileField>& profileFieldTable() {
    static const QList<ProfileField> table = {
        {SlotName, "Name", Fup_Name, Fup_lbl_Name, &Title_Name, "Name :", "name", "name_default",
         "name_default_V", 0, "VName", "VName_lb", ""},
        {SlotTitle, "Title", Fup_Title, Fup_lbl_Title, &Title_Title, "Position / Title :", "title",
         "title_default", "title_default_V", 1, "Position", "Position_lb", ""},
        {SlotCompany, "Company_name", Fup_Company, Fup_lbl_Company, &Title_Company_name, "Company Name :",
         "comp_name", "comp_name_default", "comp_name_default_V", 2, "CompanyName", "CompanyName_lb", ""},
        {SlotSlogan, "slogan", Fup_CompanySlogan, Fup_lbl_CompanySlogan, &Title_slogan, "Company Slogan :",
         "slogan", "slogan_default", "slogan_default_V", 3, "Slogan", "Slogan_lb", ""},
        {SlotAddress, "address", Fup_Address, Fup_lbl_Address, &Title_address, "Address :", "address",
         "address_default", "address_default_V", 4, "Address", "Address_lb", ""},
        {SlotPhone, "phone", Fup_PhoneNO, Fup_lbl_PhoneNO, &Title_phone, "Phone No. :", "phone",
         "phone_default", "phone_default_V", 5, "Phone", "Phone_lb", ""},
        {SlotFax, "fax", Fup_FaxNo, Fup_lbl_FaxNo, &Title_fax, "Fax No. :", "fax", "fax_default",
         "fax_default_V", 6, "Fax", "Fax_lb", ""},
        {SlotEmail, "email", Fup_EmailID, Fup_lbl_EmailID, &Title_email, "Email Id :", "email",
         "email_default", "email_default_V", 7, "Email", "Email_lb", ""},
        {SlotWebsite, "website", Fup_Website, Fup_lbl_Website, &Title_website, "Website :", "website",
         "website_default", "website_default_V", 8, "Website", "Website_lb", ""},
        {SlotUnique, "unique", Fup_UniqueNo, Fup_lbl_UniqueNo, &Title_unique, "Unique No. :", "unique",
         "unique_default", "unique_default_V", 9, "UniqueNo", "UniqueNo_lb", ""},
        {SlotPhoto, "image", Fup_Photo, Fup_lbl_Photo, &Title_image, "Photo :", "image", "photo_default",
         "photo_default_V", 10, "Photo", "", ""},
        {SlotDate, "", Fup_Date, Fup_lbl_Date, &Title_Date, "Date :", "date", "", "", -1, "EntryDate",
         "EntryDate_lb", "Use_Date"},
        {SlotTime, "", Fup_Time, Fup_lbl_Time, &Title_Time, "Time :", "time", "", "", -1, "EntryTime",
         "EntryTime_lb", "Use_Time"},
    };
    return table;
}

const ProfileField* profileFieldForId(const QString& controlId) {
    for (const ProfileField& f : profileFieldTable())
        if (f.valueId == controlId || f.captionId == controlId)
            return &f;
    return nullptr;
}

void installIdCardCaptions() {
    for (const ProfileField& f : profileFieldTable())
        *f.caption = f.idCardCaption;
}

bool isFieldId(const QString& ctrl_ID) {
    return !ctrl_ID.isEmpty() && !ctrl_ID.contains(PartyIdMark);
}

}  // namespace zelk
