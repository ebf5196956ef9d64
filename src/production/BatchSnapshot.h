#pragma once
// Everything a batch run produces its cards from, copied once on the GUI
// thread when the run starts: deep copies of both sides' graphics (each a
// SideSnapshot with both card properties, the card shape and face), the
// loaded series, the Excel rows and titles, the flags and counts of the
// batch and the mirror setting. It is never changed afterwards, so any
// number of workers may produce cards of one snapshot at once while the
// user goes on editing; a run never touches the live design.
#include "canvas/SideSnapshot.h"
#include "production/BatchValues.h"
#include "production/ProducedCard.h"

#include <QString>

namespace zelk {
class BarcodeProducer;
}

class BatchSnapshot {
public:
    zelk::SideSnapshot front;
    zelk::SideSnapshot back;
    BatchValues values;
    QString CARD_SIDE_STR;  // "2" for a two-sided card
    bool Mirror_Image_Create = false;
    bool Mirror_Vertical_Not_Horz = false;

    // Card `index` (0-based row) of side "F", or of the back for any other
    // text: copies of the side's graphics filled with that row's values
    // (BatchValues::Assign_Batch_Values_To_Control), the unbound graphics
    // shared unchanged; a value is drawn beside its caption as every side
    // is (zelk::copyBesideCaption). Each barcode is made by `producer` from its own graphic's
    // settings; the producer is called on this thread, so threads that share
    // one need a producer that is safe to share. print_box names the caller
    // (the printed page) and does not change the card. A failure gives a
    // card that is not ok() and the reason, never a half-filled card.
    ProducedCard Set_data_table_value_to_card(int index, const QString& card_side, bool print_box,
                                              zelk::BarcodeProducer& producer) const;

    // Before the run: a text the placement rule laid out for its column's
    // widest value (a workbook batch's stamping) is drawn on every card at
    // the size that widest takes in its box, so that a column's values are
    // all of one size; a shorter one would fit larger. Its font is set so.
    void drawEachColumnAtOneSize();
};
