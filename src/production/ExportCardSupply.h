#pragma once
// How the export reaches card production: the batch state its window shows
// and the cards of a run. The export command asks the installed supply;
// tests install their own.
#include "production/CardSource.h"

#include <functional>
#include <memory>

class SKTWindowController;

namespace zelk {

class ExportCardSupply {
public:
    // Recomputes which data the design takes its values from and the number
    // of cards (Use_Data_Sheet_Values, Use_Excel_Binding_Values,
    // Total_Batch_Excel_Card), as every run does before it starts.
    std::function<void(SKTWindowController&)> checkUse;
    // Recounts Total_Batch_Excel_Card from the use flags as they stand.
    std::function<void(SKTWindowController&)> recount;
    // The cards of a run, taken once the run is prepared.
    std::function<std::shared_ptr<const CardSource>(SKTWindowController&)> cards;

    // The installed supply: the batch state of the design and its bound
    // data, each run's cards made from a batch snapshot.
    static ExportCardSupply batch();
    // The live design's side ("F" or "B") as one card, mirrored as the
    // export window says.
    static CardSource::Card liveCard(const SKTWindowController& window, const QString& card_side);

    // Installs a supply (GUI thread) and returns the one it replaces.
    static ExportCardSupply install(ExportCardSupply supply);
    static const ExportCardSupply& current();
};

}  // namespace zelk
