#pragma once
// What the group topic's files share of a project's cells: the keys of a
// row's columns and the texts that stand for an empty cell or the photo.
#include <QString>

namespace GroupMode {

inline const QString TextHere = QStringLiteral("Text here");
inline const QString PhotoId = QStringLiteral("Fup_Photo");

inline QString columnKey(int column) { return QStringLiteral("Column%1").arg(column); }

}  // namespace GroupMode
