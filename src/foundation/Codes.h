#pragma once
// The short codes that designs store and every subsystem compares against.
// They are written into design files, so their texts never change.
#include <QString>
#include <QStringList>

namespace ShapeCode {
inline const QString Rectangle = QStringLiteral("R");
inline const QString Circle = QStringLiteral("C");
inline const QString RoundedRectangle = QStringLiteral("RR");
inline const QString Triangle = QStringLiteral("T");
inline const QString Diamond = QStringLiteral("D");
inline const QString Star = QStringLiteral("S");
inline const QString DoubleStar = QStringLiteral("DS");
inline const QString Polygon = QStringLiteral("P");
// Every shape a Shape_Control can be, in the order of the shape tools.
inline const QStringList All = {Rectangle, Circle, RoundedRectangle, Triangle,
                                Diamond, Star, DoubleStar, Polygon};
}  // namespace ShapeCode

namespace FillStyleCode {
inline const QString Solid = QStringLiteral("S");
inline const QString Gradient = QStringLiteral("G");
inline const QString Hatch = QStringLiteral("H");
inline const QString Picture = QStringLiteral("I");  // card fill only
}  // namespace FillStyleCode

namespace DashCode {
inline const QString Solid = QStringLiteral("S");
inline const QString Dash = QStringLiteral("DA");
inline const QString Dot = QStringLiteral("DO");
inline const QString DashDot = QStringLiteral("DD");
inline const QString DashDotDot = QStringLiteral("DDD");
// Indexed by the dash item of the border-style lists.
inline const QStringList All = {Solid, Dash, Dot, DashDot, DashDotDot};
}  // namespace DashCode

namespace DataSourceType {
constexpr int Manual = 0;
constexpr int Series = 1;
constexpr int ExcelColumn = 2;
constexpr int None = -1;  // series index or Excel column of no binding
}  // namespace DataSourceType

namespace StartMode {
inline const QString Template = QStringLiteral("T");
inline const QString Wizard = QStringLiteral("W");
inline const QString DesignFile = QStringLiteral("L");
inline const QString Visitor = QStringLiteral("V");
inline const QString GroupList = QStringLiteral("G");
}  // namespace StartMode

// Card_Front_Or_Back; CARD_SIDE_STR holds "1" one-sided, "2" two-sided.
namespace CardSide {
constexpr int Front = 0;
constexpr int Back = 1;
inline const QString OneSided = QStringLiteral("1");
inline const QString TwoSided = QStringLiteral("2");
inline const QString FrontName = QStringLiteral("F");
inline const QString BackName = QStringLiteral("B");
}  // namespace CardSide

// The type codes that start each graphic's record in a design file.
namespace GraphicRecordCode {
inline const QString Line = QStringLiteral("L");
inline const QString Text = QStringLiteral("T");
inline const QString Shape = QStringLiteral("D");
inline const QString Image = QStringLiteral("I");
inline const QString Barcode = QStringLiteral("B");
inline const QString Signature = QStringLiteral("S");
}  // namespace GraphicRecordCode

// Stored flags.
namespace StoredFlag {
inline const QString Yes = QStringLiteral("Y");
inline const QString No = QStringLiteral("N");
}  // namespace StoredFlag

// Control IDs of the card-holder profile fields, their captions and the
// visitor-desk date and time. A user's own graphic has the empty ID.
inline const QString Fup_Name = QStringLiteral("Fup_Name");
inline const QString Fup_Title = QStringLiteral("Fup_Title");
inline const QString Fup_Company = QStringLiteral("Fup_Company");
inline const QString Fup_CompanySlogan = QStringLiteral("Fup_CompanySlogan");
inline const QString Fup_Address = QStringLiteral("Fup_Address");
inline const QString Fup_PhoneNO = QStringLiteral("Fup_PhoneNO");
inline const QString Fup_FaxNo = QStringLiteral("Fup_FaxNo");
inline const QString Fup_EmailID = QStringLiteral("Fup_EmailID");
inline const QString Fup_Website = QStringLiteral("Fup_Website");
inline const QString Fup_UniqueNo = QStringLiteral("Fup_UniqueNo");
inline const QString Fup_Photo = QStringLiteral("Fup_Photo");
inline const QString Fup_Date = QStringLiteral("Fup_Date");
inline const QString Fup_Time = QStringLiteral("Fup_Time");

inline const QString Fup_lbl_Name = QStringLiteral("Fup_lbl_Name");
inline const QString Fup_lbl_Title = QStringLiteral("Fup_lbl_Title");
inline const QString Fup_lbl_Company = QStringLiteral("Fup_lbl_Company");
inline const QString Fup_lbl_CompanySlogan = QStringLiteral("Fup_lbl_CompanySlogan");
inline const QString Fup_lbl_Address = QStringLiteral("Fup_lbl_Address");
inline const QString Fup_lbl_PhoneNO = QStringLiteral("Fup_lbl_PhoneNO");
inline const QString Fup_lbl_FaxNo = QStringLiteral("Fup_lbl_FaxNo");
inline const QString Fup_lbl_EmailID = QStringLiteral("Fup_lbl_EmailID");
inline const QString Fup_lbl_Website = QStringLiteral("Fup_lbl_Website");
inline const QString Fup_lbl_UniqueNo = QStringLiteral("Fup_lbl_UniqueNo");
inline const QString Fup_lbl_Photo = QStringLiteral("Fup_lbl_Photo");
inline const QString Fup_lbl_Date = QStringLiteral("Fup_lbl_Date");
inline const QString Fup_lbl_Time = QStringLiteral("Fup_lbl_Time");

namespace zelk {

// Marks within control IDs: "Fup_" a profile graphic, "Fup_lbl_" its caption,
// "PARTY_" the invitation layout.
inline const QString ProfileIdMark = QStringLiteral("Fup_");
inline const QString ProfileCaptionIdMark = QStringLiteral("Fup_lbl_");
inline const QString PartyIdMark = QStringLiteral("PARTY_");

// The eleven profile slots in table order (name ... unique number, image),
// their captions in the same order, and the visitor-desk date and time.
inline const QStringList ProfileValueIds = {
    Fup_Name, Fup_Title, Fup_Company, Fup_CompanySlogan, Fup_Address, Fup_PhoneNO,
    Fup_FaxNo, Fup_EmailID, Fup_Website, Fup_UniqueNo, Fup_Photo};
inline const QStringList ProfileCaptionIds = {
    Fup_lbl_Name, Fup_lbl_Title, Fup_lbl_Company, Fup_lbl_CompanySlogan, Fup_lbl_Address,
    Fup_lbl_PhoneNO, Fup_lbl_FaxNo, Fup_lbl_EmailID, Fup_lbl_Website, Fup_lbl_UniqueNo,
    Fup_lbl_Photo};

// IDs of the rows a user adds to the visitor and group entry panels,
// numbered per panel from 1: caption, value and picture of row n.
inline QString userFieldLabelId(int n) { return QStringLiteral("F_label%1").arg(n); }
inline QString userFieldValueId(int n) { return QStringLiteral("F_field%1").arg(n); }
inline QString userFieldPhotoId(int n) { return QStringLiteral("F_Photo%1").arg(n); }
inline const QString UserFieldLabelPrefix = QStringLiteral("F_label");
inline const QString UserFieldValuePrefix = QStringLiteral("F_field");
inline const QString UserFieldPhotoPrefix = QStringLiteral("F_Photo");

}  // namespace zelk
