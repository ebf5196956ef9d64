#pragma once
// Process-wide values of the export, under the names the rest of the
// program reads them by. Written on the GUI thread by the export window and
// the export command; a batch copies what it needs when it starts.
#include <QString>

// Loop end of a run: the cards before this index (exclusive) are made.
extern int Total_Label;
// The running number of the name the single export suggests ("Card_%d").
extern int export_card_counter;
// The message that ends a batch whose files cannot be written.
extern const QString unable_saving_Msg;

// ---- Declared with the binding core of card production ----
// These four go to that core's globals when the branches meet (card source:
// replaced by the batch snapshot): the export reads them, the binding
// computes them.
// The run takes card values from series.
extern bool Use_Data_Sheet_Values;
// Cards of the bound data.
extern int Total_Batch_Excel_Card;
// Cards come out mirrored: top to bottom with Mirror_Vertical_Not_Horz,
// else left to right.
extern bool Mirror_Image_Create;
extern bool Mirror_Vertical_Not_Horz;
