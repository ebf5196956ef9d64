#pragma once
// The holders' values a card is stamped with, again and again: short and
// long sets, the user's own captions and values, sets that outgrow a
// template's boxes or crowd a card.
#include "FieldsOnDesignsSupport.h"

namespace zelk::test::stamped {

inline const QList<int> Ten = {SlotName,  SlotTitle, SlotCompany, SlotSlogan,  SlotAddress,
                               SlotPhone, SlotFax,   SlotEmail,   SlotWebsite, SlotUnique};

// Values of 2 to 11 characters, and two sets of 17 to 50.
inline QList<HolderSample> valuesOf(const QStringList& texts) {
    QList<HolderSample> out = holderSamples();
    for (int i = 0; i < ProfileTextSlotCount; ++i)
        out[i].value = texts.at(i);
    return out;
}
inline const QList<HolderSample>& shortValues() {
    static const QList<HolderSample> v = valuesOf(
        {"Bo Li", "CEO", "Acme", "We care", "1 Elm St", "+1 555 01", "+1 555 02", "bo@ac.me", "ac.me", "V-1"});
    return v;
}
inline const QList<HolderSample>& longValues() {
    static const QList<HolderSample> v = valuesOf(
        {"Oluwaseun Bartholomew-Achterberg", "Head of Night Logistics", "Harbourline Freight Ltd",
         "Moving what matters, day and night", "17 Quay Street, Leith, Edinburgh", "+44 131 496 0172",
         "+44 131 496 0173", "o.bartholomew@harbourline-freight.co.uk", "www.harbourline-freight.co.uk",
         "HLF-2026-0457-QX9"});
    return v;
}
inline const QList<HolderSample>& otherLongValues() {
    static const QList<HolderSample> v = valuesOf(
        {"Ines Obradovic-Lindqvist", "Senior Dispatch Coordinator", "Northwind Trading & Logistics",
         "Quality in every delivery", "4500 Lakeshore Drive East, Unit 12", "+1 312 555 0147 ext 88",
         "+1 312 555 0148", "ines.lindqvist@northwind.example", "www.northwind-trading.example",
         "NTL/EMP/000731"});
    return v;
}
inline const QList<HolderSample>& pilotsValues() {
    static const QList<HolderSample> v = [] {
        QList<HolderSample> out = valuesOf(
            {"J\u00f3zefina Aurelia Castellanos-W\u00f3jcik", "Chief Harbour Pilot and Marine Safety Coordinator",
             "Leith and Forth Estuary Pilotage Authority", "Guiding every hull home through fog and tide",
             "Pilot House, 3 Ocean Drive, Edinburgh EH6 6JJ", "+44 131 555 0199 (24h pilot desk)",
             "+44-131-555-0198-PILOTAGE-FAX", "jozefina.castellanos-wojcik@forth-pilotage.example",
             "https://pilots.forth-pilotage.example/staff/jacw", "LFP-2027-8812-ZK4-PILOT"});
        for (int i = 0; i < ProfileTextSlotCount; ++i)
            out[i].caption = profileFieldTable().at(i).idCardCaption;
        return out;
    }();
    return v;
}

// Long values with words no template's box is made for (a company, an
// e-mail, a web address, a number and a fax written without blanks): they
// leave their boxes, grown along their lines or moved with their captions.
inline QList<HolderSample> outgrowingBoxes(QList<HolderSample> values) {
    values[SlotCompany].value = "HarbourlineFreightLogisticsInternational";
    values[SlotEmail].value = "oluwaseun.bartholomew@harbourline-freight.co.uk";
    values[SlotWebsite].value = "www.northwind-trading-logistics.example";
    values[SlotUnique].value = "EMP-2026-LOGISTICS-NIGHT-0042-B7X";
    values[SlotFax].value = "+44(0)2079460959ext.12345678";
    return values;
}

// Values with the profile's own captions, the unique number "N1" (the user
// locks it): short, long, and long enough to fill a card with a photo.
inline QList<HolderSample> asProfile(QStringList texts) {
    texts.last() = "N1";
    QList<HolderSample> out = valuesOf(texts);
    for (int i = 0; i < ProfileTextSlotCount; ++i)
        out[i].caption = profileFieldTable().at(i).idCardCaption;
    return out;
}
inline QList<HolderSample> usersValues(int which) {
    QStringList texts = {"Thandiwe Eleonora Bergström-Nakamura",
                         "Principal Cryogenic Systems Engineer, Beamline Operations",
                         "Northern Lights Synchrotron Research Consortium", "Colder than space, brighter than the sun",
                         "Forskningsvägen 9, Hus C, 98138 Kiruna", "+46 980 555 0173", "+46-980-555-0174-EXT-2290",
                         "t.bergstrom-nakamura@synchrotron-consortium.example",
                         "https://portal.synchrotron-consortium.example/people/tbn", ""};
    if (which == 0)
        texts = {"Ty", "PI", "NLS", "Go", "Kiruna", "+46 1", "+46 2", "t@n.se", "n.se", ""};
    if (which == 2)
        for (int i = 0; i < ProfileTextSlotCount; ++i)
            texts[i] = longValues().at(i).value;
    return asProfile(texts);
}

// Longer values of the user's own: a slogan of 40 characters, an address
// of 35 with a letter beyond ASCII, a web address of 50 and a title of 55,
// the rest long, and another unique number (the user locked its value).
inline QList<HolderSample> longerOwnValues() {
    QList<HolderSample> v = usersValues(2);
    v[SlotSlogan].value = "Precision optics for every dark sky site";
    v[SlotAddress].value = "Storgatan 14, 972 31 Luleå, Sweden N";
    v[SlotWebsite].value = "https://www.precision-optics-darksky.example/team1";
    v[SlotTitle].value = "Principal Instrument Scientist, Cryogenic Optics Group.";
    v[SlotUnique].value = "N7";
    return v;
}

// Long values of another holder, which the user's boxes grown for the
// values before them hold no better.
inline QList<HolderSample> harbourValues() {
    return asProfile({"Oluwaseun Bartholomew-Achterberg", "Head of Night Logistics and Harbour Safety Operations",
                      "Harbourline Freight Ltd", "Moving what matters, day and night, since 1921",
                      "17 Quay Street, Leith, Edinburgh EH6", "+44 131 496 0172", "+44 131 496 0173",
                      "o.bartholomew@harbourline-freight.co.uk", "www.harbourline-freight.co.uk/people/obartholomew",
                      ""});
}

// A name of 32 characters, a slogan and an address of 33, a long e-mail:
// on a template the name takes two lines.
inline QList<HolderSample> longOnATemplate() {
    return valuesOf({"Bartholomew Oyelaran-Castellanos", "Head of Security", "Harbourline Freight",
                     "Moving what matters, day and nite", "17 Quay Street, Leith, Edinburgh.", "+44 131 496 0172",
                     "+44 131 496 0173", "o.bartholomew.oyelaran@harbourline-freight.co.uk", "www.harbourline.example",
                     "HLF-2026-0457-QX9"});
}

// The same with an address of 250 characters, more than its box holds even
// at half its size (the user locked the box).
inline QList<HolderSample> longerAddress(QList<HolderSample> values) {
    values[SlotAddress].value = "Harbour Master's Office, Port Authority Building, Second Floor, 17 Quay Street, "
                                "Leith Docks, Edinburgh EH6 6JJ, Lothian, Scotland, United Kingdom of Great Britain; "
                                "deliveries by the north gate, Monday to Friday from seven in the morning until "
                                "half past five";
    return values;
}

// The profile's captions and values of the lengths a user gave on a card
// of the user's own: half a card's panel cannot hold all of them.
inline QList<HolderSample> withOwnCaptions(const QStringList& texts) {
    QList<HolderSample> out = valuesOf(texts);
    for (int i = 0; i < ProfileTextSlotCount; ++i)
        out[i].caption = profileFieldTable().at(i).idCardCaption;
    return out;
}
inline const QList<HolderSample>& panelValues() {
    static const QList<HolderSample> v = withOwnCaptions(
        {"Bartholomew Oyelaran-Castellanos X", "Principal Cryogenic Systems Engineer and Beamline Operations Leader",
         "Northern Lights Synchrotron Research Consortium Ltd AB", "Colder than space, brighter than sun",
         "Forskningsvagen 9, Hus C, 98138 Kiruna Sweden", "+46 980 555 0173 ext 2290 main",
         "+46 980 555 0174 ext 2291 fax line", "t.bergstrom-nakamura@synchrotron.example",
         "https://portal.synchrotron.example/people/tbn", "NLS-2026-0457-QX9-EMPLOYEE-A"});
    return v;
}
// A name of 38 characters, a title of 63, a company of 56, an e-mail of 45
// and a web address of 61, the rest short, with the profile's captions:
// the part of a portrait card under a band holds them only small and
// packed.
inline const QList<HolderSample>& bandValues() {
    static const QList<HolderSample> v = withOwnCaptions(
        {"Rosalind Okafor-Vandenberghe Delacroix", "Head of Clinical Informatics and Digital Patient Record Systems",
         "Saint Bartholomew's Teaching Hospital and Research Trust", "Care, first", "12 Abbey Lane, Norwich",
         "+44 1603 555 012", "+44 1603 555 013", "rosalind.okafor@st-bartholomews-trust.example",
         "https://staff.st-bartholomews-trust.example/people/rokafor-vd", "SBT-3321"});
    return v;
}
// Values of 15 to 53 characters, every field: more than a portrait card
// holds beside its photo at half their size.
inline const QList<HolderSample>& crowdedValues() {
    static const QList<HolderSample> v = withOwnCaptions(
        {"Bartholomew Oyelaran-Castellanos Jr", "Principal Cryogenic Systems Engineer, Beamline",
         "Northern Lights Synchrotron Research Consortium AB", "Colder than space, every day",
         "Forskningsvagen 9, 98138 Kiruna", "+46 980 555 017", "+46 980 555 018",
         "t.bergstrom-nakamura@synchrotron-consortium.example", "https://portal.synchrotron-consortium.example",
         "NLS-2026-0457-QX9-AB"});
    return v;
}

inline QList<HolderSample> withoutCaptions(QList<HolderSample> values) {
    for (HolderSample& h : values)
        h.caption.clear();
    return values;
}

}  // namespace zelk::test::stamped
