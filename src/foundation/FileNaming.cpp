#include "foundation/FileNaming.h"

#include "foundation/Utilities.h"

#include <QFileInfo>

#include <algorithm>
#include <limits>

QString Check_Exist_Path_and_Create_New(const QString& path) {
    const QFileInfo info(path);
    const QString folder = info.path();
    const QString stem = info.suffix().isEmpty() ? info.fileName() : info.completeBaseName();
    const QString ext = info.suffix();
    const QString lowerExt = ext.toLower();
    auto fileOf = [&folder](const QString& name, const QString& extension) {
        return folder + QLatin1Char('/') + (extension.isEmpty() ? name : name + QLatin1Char('.') + extension);
    };
    auto taken = [&](const QString& name) {
        return QFileInfo::exists(fileOf(name, ext)) || QFileInfo::exists(fileOf(name, lowerExt));
    };

    QString base = stem;
    qint64 first = 1;
    const qsizetype open = stem.indexOf(QLatin1String(" ("));
    if (open >= 0) {
        const QString number = Trim_Str(Trim_Str(stem.mid(open + 2)).remove(QLatin1Char(')')));
        const qint64 k = zelk::leadingInteger(number, std::numeric_limits<int>::max());
        if (k > 0) {
            base = Trim_Str(stem.left(open));
            first = k + 1;
        }
    }
    if (!taken(stem))
        return fileOf(stem, lowerExt);
    for (qint64 n = first;; ++n) {
        const QString name = QStringLiteral("%1 (%2)").arg(base).arg(n);
        if (!taken(name))
            return fileOf(name, lowerExt);
    }
}
