#pragma once
// The card wizard's choices and what they make: the card category (plastic
// cards or paper badge stocks), a size preset or a custom size in inches,
// centimetres or millimetres, the orientation, one or two sides and the card
// shape. The wizard's window collects a CardWizardChoice; applying it gives
// an empty design of that card.
#include "foundation/Units.h"

#include <QSizeF>
#include <QString>

namespace zelk {

struct DesignContents;

struct CardWizardChoice {
    int category = 0;            // 0 plastic cards, else paper stocks
    int presetIndex = 0;         // into the category's presets
    bool customSize = false;
    double customWidth = 0.0;    // in customUnit
    double customHeight = 0.0;
    MeasureUnit customUnit = MeasureUnit::Mm;
    QString orientation = QStringLiteral("H");  // "H" landscape, "V" portrait
    bool twoSided = true;
    int cardShape = 0;           // 0 rectangle, 1 rounded rectangle, 2 oval
};

}  // namespace zelk

class CardWizard {
public:
    static inline const QString InvalidSizeMessage = QStringLiteral("Please enter a valid card size.");
    // Largest custom card side, millimetres: a sheet of A3.
    static constexpr double MaxSideMm = 420.0;
    static constexpr double MinSideMm = 5.0;

    // The card size in millimetres (preset turned by the orientation, or the
    // custom size converted, as entered); an empty size when out of range.
    static QSizeF cardSizeMm(const zelk::CardWizardChoice& choice);
    // "" when the choice can be applied, else the message to show.
    static QString validate(const zelk::CardWizardChoice& choice);
    // "1" or "2": the profile window's total_side for the choice.
    static QString totalSide(const zelk::CardWizardChoice& choice);
    // The Card_Shape codes of the card property: "R", "RR", "E".
    static QString shapeCode(int cardShape);

    // An empty design of the chosen card in start mode "W". False (design
    // untouched) when the choice is not valid.
    static bool applyTo(const zelk::CardWizardChoice& choice, zelk::DesignContents& design);
};
