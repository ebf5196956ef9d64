#include "groups/GroupTable.h"

#include "foundation/Utilities.h"

namespace zelk {

GroupTable GroupTable::fromSheet(const QList<QStringList>& sheet, bool hasHeaderRow) {
    GroupTable table;
    if (sheet.isEmpty() || sheet.first().isEmpty())
        return table;
    const QStringList& first = sheet.first();
    for (qsizetype i = 0; i < first.size(); ++i) {
        const QString title = Trim_Str(first.at(i));
        table.titles << (title.isEmpty() ? QStringLiteral("Untitled Column %1").arg(i + 1) : title);
    }
    const qsizetype width = table.titles.size();
    for (qsizetype r = hasHeaderRow ? 1 : 0; r < sheet.size(); ++r) {
        const QStringList& cells = sheet.at(r);
        if (cells.isEmpty())
            continue;
        QStringList values;
        for (qsizetype c = 0; c < width; ++c)
            values << (c < cells.size() ? Trim_Str(cells.at(c)) : QString());
        table.rows << values;
    }
    return table;
}

QString GroupTable::nextRowNumber(const QList<QVariantMap>& rows) {
    qlonglong highest = rows.size();
    for (const QVariantMap& row : rows) {
        bool number = false;
        const qlonglong n = Trim_Str(row.value(QStringLiteral("Extension")).toString()).toLongLong(&number);
        if (number && n > highest)
            highest = n;
    }
    return QString::number(highest + 1);
}

}  // namespace zelk
