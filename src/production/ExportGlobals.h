#pragma once
// Process-wide values of the export, under the names the rest of the
// program reads them by. Written on the GUI thread by the export window and
// the export command; a batch copies what it needs when it starts.
// Total_Label (the loop end of a run) is the print window's; the batch
// state comes from the binding core.
#include "production/PrintGlobals.h"
#include "production/ProductionGlobals.h"

#include <QString>

// The running number of the name the single export suggests ("Card_%d").
extern int export_card_counter;
// The message that ends a batch whose files cannot be written.
extern const QString unable_saving_Msg;
