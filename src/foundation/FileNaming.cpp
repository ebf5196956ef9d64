#include "foundation/FileNaming.h"

#include "foundation/ExportNames.h"

QString Check_Exist_Path_and_Create_New(const QString& path) {
    return zelk::ExportNames::freeName(path);
}
