#pragma once
// What the user is told of the fields of a card whose printed words read
// wrong: each field by the name the card gives it, grouped by what is
// wrong with it, and what the user can do about that.
#include "canvas/placement/WordsMeeting.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <memory>

class SKTGraphic;

namespace zelk {

// The name a field goes by on `side`: its caption's text where the side
// holds its caption with a text, else a profile field's ID-card caption
// (its photo's "Photo"), without the colon; its ID where it has neither.
QString fieldNameOn(const QString& id, const QList<std::shared_ptr<SKTGraphic>>& side);

// A field that reads wrong, by its name on its side.
struct NamedReadingWrong {
    QString name;
    ReadsWrong why;
};
QList<NamedReadingWrong> namedOn(const QList<FieldReadingWrong>& fields, const QList<std::shared_ptr<SKTGraphic>>& side);

// Names as a sentence lists them: "A", "A and B", "A, B and C".
QString listedNames(const QStringList& names);

// A sentence for each kind of wrong among `fields`, the worst first, each
// naming its fields once (a name told for a worse wrong is not told again)
// and saying what to do; "" where none reads wrong.
QString readingWrongMessage(const QList<NamedReadingWrong>& fields);
QString readingWrongMessage(const QList<FieldReadingWrong>& fields, const QList<std::shared_ptr<SKTGraphic>>& side);

}  // namespace zelk
