#pragma once
// Where a print run takes its cards from: whether they carry series or Excel
// values, how many cards the data holds, and card n's front or back as a
// side snapshot, or the reason it could not be made. The main window hands
// one over for each run (SKTWindowController::printCardSource); the run
// calls `card` on worker threads, several at once.
#include "canvas/ReadingWrongMessage.h"
#include "canvas/SideSnapshot.h"

#include <QChar>
#include <QString>
#include <QStringList>
#include <functional>

namespace zelk {

struct PrintCard {
    SideSnapshot side;
    QString reason;  // why the card could not be made; empty when made
    // What reads wrong on it (CardsReadingWrong::of).
    QList<NamedReadingWrong> readingWrong{};
    bool ok() const { return reason.isEmpty() && !side.isNull(); }
};

struct PrintCardSource {
    // The run takes card values from series, from Excel rows.
    bool Use_Data_Sheet_Values = false;
    bool Use_Excel_Binding_Values = false;
    // Cards the data holds (Total_Batch_Excel_Card), at least 1.
    int Total_Batch_Excel_Card = 1;
    // Card `index` (0-based) of side 'F' or 'B'; safe to call from any
    // thread. Empty: no card can be made.
    std::function<PrintCard(int index, QChar side)> card;

    bool usesData() const { return Use_Data_Sheet_Values || Use_Excel_Binding_Values; }
};

}  // namespace zelk
