#pragma once
// A picture named in a workbook cell ("photos/p1.png") lies beside the
// workbook, wherever the program runs from.
#include <QString>

namespace zelk {

// The cell's path read relative to the folder of the workbook at
// workbookPath; an absolute path, an empty value or no workbook leave the
// value as it is.
QString workbookPicturePath(const QString& value, const QString& workbookPath);

}  // namespace zelk
