#include "foundation/WorkbookPicturePath.h"

#include <QDir>
#include <QFileInfo>

namespace zelk {

QString workbookPicturePath(const QString& value, const QString& workbookPath) {
    const QString trimmed = value.trimmed();
    if (trimmed.isEmpty() || workbookPath.trimmed().isEmpty() || QDir::isAbsolutePath(trimmed) ||
        trimmed.startsWith(QLatin1Char('~')))
        return value;
    return QDir::cleanPath(QFileInfo(workbookPath.trimmed()).absoluteDir().filePath(trimmed));
}

}  // namespace zelk
