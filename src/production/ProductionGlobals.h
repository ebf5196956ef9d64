#pragma once
// Process-wide values of card production, under the names the rest of the
// program reads them by. Written on the GUI thread by the checks of a run
// and by the run windows; a run copies them into its batch snapshot when
// it starts, and no worker reads them.
#include "production/DataBinding.h"

// ---- Batch state (Use_Excel_Binding_Values is the main window's) ----
// The run takes card values from series.
extern bool Use_Data_Sheet_Values;
// Rows of the longest series in use; 0 when series values are off.
extern int Data_table_rows;
// Rows of the Excel table; 0 when Excel values are off. Excel lookups
// stop here.
extern int Excel_table_rows;
// Cards of the batch: the larger of the two counts, at least 1 once counted.
extern int Total_Batch_Excel_Card;
// The dataset binding table: one entry per series of the series list.
extern zelk::DatasetBindingTable data_table_content;

// ---- The run's mirror setting ----
// Cards come out mirrored: top to bottom with Mirror_Vertical_Not_Horz,
// else left to right.
extern bool Mirror_Image_Create;
extern bool Mirror_Vertical_Not_Horz;

namespace zelk {

// Puts every value above back to its start-up state.
void resetProductionGlobals();

}  // namespace zelk
