#include "production/ProductionGlobals.h"

bool Use_Data_Sheet_Values = false;
int Data_table_rows = 0;
int Excel_table_rows = 0;
int Total_Batch_Excel_Card = 0;
zelk::DatasetBindingTable data_table_content;
bool Mirror_Image_Create = false;
bool Mirror_Vertical_Not_Horz = false;

namespace zelk {

void resetProductionGlobals() {
    Use_Data_Sheet_Values = false;
    Data_table_rows = 0;
    Excel_table_rows = 0;
    Total_Batch_Excel_Card = 0;
    data_table_content.clear();
    Mirror_Image_Create = false;
    Mirror_Vertical_Not_Horz = false;
}

}  // namespace zelk
