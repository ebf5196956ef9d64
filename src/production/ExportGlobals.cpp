#include "production/ExportGlobals.h"

int export_card_counter = 1;
const QString unable_saving_Msg = QStringLiteral(
    "Unable to continue saving barcode image.\n\nEither Destination Drive is inaccessible or there is no free "
    "space available in drive to save barcode image.");
