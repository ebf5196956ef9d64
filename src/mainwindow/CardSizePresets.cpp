#include "mainwindow/CardSizePresets.h"

#include <QLocale>

namespace {

constexpr double mmPerInch = 25.4;

QList<zelk::CardSizePreset> buildTable() {
    using P = zelk::CardSizePreset;
    return {
        // ISO/IEC 7810 ID-1, the bank and ID card; CR80 in the trade.
        P{QStringLiteral("CR80"), 85.6, 54.0, true},
        // CR79: 3.303 x 2.051 in, the adhesive-backed card.
        P{QStringLiteral("CR79"), 83.9, 52.1, true},
        // CR90: 3.63 x 2.37 in.
        P{QStringLiteral("CR90"), 3.63 * mmPerInch, 2.37 * mmPerInch, true},
        // CR100: 3.88 x 2.63 in, the oversized badge.
        P{QStringLiteral("CR100"), 3.88 * mmPerInch, 2.63 * mmPerInch, true},
        // ISO/IEC 7810 ID-2, ID-3 and ID-000.
        P{QStringLiteral("ID-2"), 105.0, 74.0, true},
        P{QStringLiteral("ID-3"), 125.0, 88.0, true},
        P{QStringLiteral("ID-000"), 25.0, 15.0, true},

        // Paper badge stocks.
        P{QStringLiteral("Badge 4 x 3 in"), 4.0 * mmPerInch, 3.0 * mmPerInch, false},
        P{QStringLiteral("Badge 3.5 x 2.25 in"), 3.5 * mmPerInch, 2.25 * mmPerInch, false},
        P{QStringLiteral("Badge 6 x 4 in"), 6.0 * mmPerInch, 4.0 * mmPerInch, false},
        P{QStringLiteral("Business card 3.5 x 2 in"), 3.5 * mmPerInch, 2.0 * mmPerInch, false},
        P{QStringLiteral("Business card 85 x 55 mm"), 85.0, 55.0, false},
        // ISO 216 A6 and A7.
        P{QStringLiteral("A6"), 148.0, 105.0, false},
        P{QStringLiteral("A7"), 105.0, 74.0, false},
    };
}

QString mmText(double mm) {
    return QLocale::c().toString(mm, 'g', 4);
}

}  // namespace

const QList<zelk::CardSizePreset>& CardSizePresets::table() {
    static const QList<zelk::CardSizePreset> presets = buildTable();
    return presets;
}

QList<zelk::CardSizePreset> CardSizePresets::presetsOfCategory(int category) {
    QList<zelk::CardSizePreset> out;
    for (const zelk::CardSizePreset& p : table())
        if (p.plastic == (category == 0))
            out << p;
    return out;
}

QString CardSizePresets::itemText(const zelk::CardSizePreset& preset) {
    return QStringLiteral("%1 (%2 x %3 mm)").arg(preset.name, mmText(preset.widthMm), mmText(preset.heightMm));
}

QStringList CardSizePresets::pvc_card_arry() {
    QStringList items;
    for (const zelk::CardSizePreset& p : presetsOfCategory(0))
        items << itemText(p);
    return items;
}

QStringList CardSizePresets::paper_card_arry() {
    QStringList items;
    for (const zelk::CardSizePreset& p : presetsOfCategory(1))
        items << itemText(p);
    return items;
}

QSizeF CardSizePresets::Get_My_card_Size(int category, const QString& orientation, int index) {
    const QList<zelk::CardSizePreset> presets = presetsOfCategory(category);
    if (index < 0 || index >= presets.size())
        return {};
    const zelk::CardSizePreset& p = presets.at(index);
    if (orientation == QLatin1String("V"))
        return QSizeF(p.heightMm, p.widthMm);
    return QSizeF(p.widthMm, p.heightMm);
}
