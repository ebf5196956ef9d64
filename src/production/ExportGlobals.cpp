#include "production/ExportGlobals.h"

int Total_Label = 1;
int export_card_counter = 1;
const QString unable_saving_Msg = QStringLiteral(
    "Unable to continue saving barcode image.\n\nEither Destination Drive is inaccessible or there is no free "
    "space available in drive to save barcode image.");

bool Use_Data_Sheet_Values = false;
int Total_Batch_Excel_Card = 1;
bool Mirror_Image_Create = false;
bool Mirror_Vertical_Not_Horz = false;
