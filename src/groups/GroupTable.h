#pragma once
// The rows of a sheet as a group project takes them: column titles from
// the first row (blank ones "Untitled Column %d"), data rows from the first
// or the second row, rows without cells skipped, every row as wide as the
// title row.
#include <QList>
#include <QStringList>

namespace zelk {

struct GroupTable {
    QStringList titles;
    QList<QStringList> rows;
    static GroupTable fromSheet(const QList<QStringList>& sheet, bool hasHeaderRow);
};

}  // namespace zelk
