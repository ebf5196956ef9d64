#pragma once
// The card-size presets of the card panel and the card wizard: plastic cards
// (ISO/IEC 7810 ID formats and the CR sizes of the card-printer trade) and
// common paper badge stocks, in one table. Sizes are kept landscape (width at
// least the height) in millimetres; "V" turns them.
#include <QList>
#include <QSizeF>
#include <QString>
#include <QStringList>

namespace zelk {

struct CardSizePreset {
    QString name;      // as listed, e.g. "CR80"
    double widthMm;    // landscape
    double heightMm;
    bool plastic;      // category 0 (plastic) or paper stock
};

}  // namespace zelk

class CardSizePresets {
public:
    // The whole table, plastic cards first.
    static const QList<zelk::CardSizePreset>& table();
    // The items of the category combo's lists: "name (w x h mm)".
    static QStringList pvc_card_arry();
    static QStringList paper_card_arry();
    // The presets of a Category_ComboBox item: 0 plastic, any other paper.
    static QList<zelk::CardSizePreset> presetsOfCategory(int category);

    // The size in millimetres of preset `index` of the category; orientation
    // "V" (portrait) swaps width and height, anything else is landscape. An
    // index outside the list gives an empty size, which callers ignore.
    static QSizeF Get_My_card_Size(int category, const QString& orientation, int index);

    // The list item text of a preset.
    static QString itemText(const zelk::CardSizePreset& preset);
};
