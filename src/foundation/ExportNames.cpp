#include "foundation/ExportNames.h"

#include "foundation/Utilities.h"

#include <QDir>
#include <QFileInfo>

#include <limits>

namespace {

struct Parts {
    QString folder;
    QString stem;
    QString extension;  // as given, without the dot
};

Parts split(const QString& path) {
    const QFileInfo info(path);
    const QString name = info.fileName();
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    // A leading dot names a hidden file, not an extension.
    if (dot <= 0)
        return {info.path(), name, QString()};
    return {info.path(), name.left(dot), name.mid(dot + 1)};
}

QString join(const Parts& p, const QString& stem, const QString& extension) {
    const QString name = extension.isEmpty() ? stem : stem + QLatin1Char('.') + extension;
    return QDir(p.folder).filePath(name);
}

bool exists(const QString& path) {
    // A dangling link still takes the name.
    const QFileInfo info(path);
    return info.exists() || info.isSymLink();
}

bool taken(const Parts& p, const QString& stem) {
    return exists(join(p, stem, p.extension)) || exists(join(p, stem, p.extension.toLower()));
}

}  // namespace

QString zelk::ExportNames::freeName(const QString& path) {
    const Parts p = split(path);
    const QString lower = p.extension.toLower();
    if (!taken(p, p.stem))
        return join(p, p.stem, lower);

    QString base = p.stem;
    qint64 number = 1;
    const qsizetype open = p.stem.indexOf(QStringLiteral(" ("));
    if (open >= 0) {
        const QString after = Trim_Str(Trim_Str(p.stem.mid(open + 2)).remove(QLatin1Char(')')));
        const qint64 k = zelk::leadingInteger(after, std::numeric_limits<int>::max());
        if (k > 0) {
            base = Trim_Str(p.stem.left(open));
            number = k + 1;
        }
    }
    for (;; ++number) {
        const QString stem = QStringLiteral("%1 (%2)").arg(base).arg(number);
        if (!taken(p, stem))
            return join(p, stem, lower);
    }
}
