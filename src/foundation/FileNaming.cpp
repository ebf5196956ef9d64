#include "foundation/FileNaming.h"

#include "foundation/Utilities.h"

#include <QFileInfo>

#include <algorithm>
#include <limits>

namespace {

// The leading integer of a text (blanks, a sign, digits), 0 when there is
// none, saturated far below overflow of the numbering.
qint64 leadingInteger(const QString& text) {
    qsizetype i = 0;
    while (i < text.size() && text.at(i).isSpace())
        ++i;
    bool negative = false;
    if (i < text.size() && (text.at(i) == QLatin1Char('-') || text.at(i) == QLatin1Char('+')))
        negative = text.at(i++) == QLatin1Char('-');
    qint64 n = 0;
    for (; i < text.size() && text.at(i).isDigit() && text.at(i).unicode() < 128; ++i)
        n = std::min<qint64>(n * 10 + (text.at(i).unicode() - '0'), std::numeric_limits<int>::max());
    return negative ? -n : n;
}

}  // namespace

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
        const qint64 k = leadingInteger(Trim_Str(Trim_Str(stem.mid(open + 2)).remove(QLatin1Char(')'))));
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
