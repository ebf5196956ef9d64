#include "mainwindow/CardWizard.h"

#include "mainwindow/CardSizePresets.h"
#include "mainwindow/DesignFile.h"

#include <algorithm>
#include <cmath>

QSizeF CardWizard::cardSizeMm(const zelk::CardWizardChoice& choice) {
    QSizeF mm;
    if (choice.customSize) {
        const float factor = zelk::unitFactor(choice.customUnit, zelk::MeasureUnit::Mm);
        mm = QSizeF(float(choice.customWidth) * factor, float(choice.customHeight) * factor);
    } else {
        mm = CardSizePresets::Get_My_card_Size(choice.category, choice.orientation, choice.presetIndex);
    }
    auto inRange = [](double v) { return std::isfinite(v) && v >= MinSideMm - 1e-9 && v <= MaxSideMm + 1e-9; };
    if (!inRange(mm.width()) || !inRange(mm.height()))
        return {};
    return mm;
}

QString CardWizard::validate(const zelk::CardWizardChoice& choice) {
    return cardSizeMm(choice).isEmpty() ? InvalidSizeMessage : QString();
}

QString CardWizard::totalSide(const zelk::CardWizardChoice& choice) {
    return choice.twoSided ? QStringLiteral("2") : QStringLiteral("1");
}

QString CardWizard::shapeCode(int cardShape) {
    switch (cardShape) {
    case 1: return QStringLiteral("RR");
    case 2: return QStringLiteral("E");
    default: return QStringLiteral("R");
    }
}

bool CardWizard::applyTo(const zelk::CardWizardChoice& choice, zelk::DesignContents& design) {
    const QSizeF mm = cardSizeMm(choice);
    if (mm.isEmpty())
        return false;
    const QSizeF points(mm.width() * zelk::pointsPerMm, mm.height() * zelk::pointsPerMm);
    const bool paper = choice.category != 0;
    const QList<zelk::CardSizePreset> presets = CardSizePresets::presetsOfCategory(choice.category);

    zelk::DesignContents fresh;
    fresh.Start_Card_Option = QStringLiteral("W");
    fresh.CARD_SIDE_STR = totalSide(choice);
    fresh.Card_Shape = std::clamp(choice.cardShape, 0, 2);
    for (Card_Property* p : {&fresh.Front_card_Prop, &fresh.Back_card_Prop}) {
        p->Card_Size = points;
        p->Card_Side = fresh.CARD_SIDE_STR;
        p->Card_Shape = shapeCode(fresh.Card_Shape);
        p->Card_Preset = choice.customSize ? QStringLiteral("Custom")
                         : choice.orientation == QLatin1String("V") ? QStringLiteral("Vertical")
                                                                     : QStringLiteral("Horizontal");
        p->Card_Category = paper ? QStringLiteral("Paper") : QStringLiteral("Plastic");
        if (!choice.customSize && choice.presetIndex >= 0 && choice.presetIndex < presets.size()) {
            p->Card_Sub_Category = CardSizePresets::itemText(presets.at(choice.presetIndex));
            p->Card_Cat_index = choice.presetIndex;
        } else {
            p->Card_Sub_Category = QStringLiteral("Custom");
            p->Card_Cat_index = -1;
        }
        p->Card_Create_Mode = QStringLiteral("W");
    }
    design = std::move(fresh);
    return true;
}
