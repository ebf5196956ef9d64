#pragma once
// The rows of a sheet as a group project takes them: column titles from
// the first row (blank ones "Untitled Column %d"), data rows from the first
// or the second row, rows without cells skipped, every row as wide as the
// title row.
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariantMap>

namespace zelk {

struct GroupTable {
    QStringList titles;
    QList<QStringList> rows;
    static GroupTable fromSheet(const QList<QStringList>& sheet, bool hasHeaderRow);
    // The number ("Extension") of a row added after `rows`: one past the
    // highest any row holds, and past the row count, so that the number of
    // a deleted row is never given twice.
    static QString nextRowNumber(const QList<QVariantMap>& rows);
};

}  // namespace zelk
