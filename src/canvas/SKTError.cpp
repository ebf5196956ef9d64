#include "canvas/SKTError.h"

#include <QHash>

namespace zelk {

namespace {

const QHash<QString, QString>& stringsTable() {
    static const QHash<QString, QString> table = {
        {QStringLiteral("description1"), QStringLiteral("The graphics on the clipboard could not be read.")},
        {QStringLiteral("failureReason1"),
         QStringLiteral("The clipboard data is damaged or was written by an incompatible version.")},
        {QStringLiteral("description2"), QStringLiteral("The picture on the clipboard could not be read.")},
        {QStringLiteral("failureReason2"),
         QStringLiteral("The picture data is damaged or in a format that cannot be opened.")},
    };
    return table;
}

}  // namespace

QString sktErrorString(const QString& key) {
    return stringsTable().value(key, key);
}

QString SKTError::userText() const {
    if (localizedFailureReason.isEmpty())
        return localizedDescription;
    return localizedDescription + QLatin1Char('\n') + localizedFailureReason;
}

}  // namespace zelk

zelk::SKTError SKTErrorWithCode(long code) {
    zelk::SKTError e;
    e.domain = zelk::SKTErrorDomain;
    e.code = code;
    e.localizedDescription = zelk::sktErrorString(QStringLiteral("description%1").arg(code));
    e.localizedFailureReason = zelk::sktErrorString(QStringLiteral("failureReason%1").arg(code));
    return e;
}
