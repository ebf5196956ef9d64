#pragma once
// What the user is told of the fields of a card whose printed words read
// wrong: each field by the name the card gives it, grouped by what is
// wrong with it, and what the user can do about that.
#include "canvas/placement/ReadingWrong.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <memory>

class SKTGraphic;

namespace zelk {

// The name a field goes by on `side`: the text of its caption where the
// side shows its caption, else a profile field's ID-card caption (its
// photo's "Photo"), without the colon; else its value, quoted. A caption's
// text and a value are cut short, at their first comma. Never its ID, nor
// the text of a caption the card does not show.
QString fieldNameOn(const QString& id, const QList<std::shared_ptr<SKTGraphic>>& side);

// A field that reads wrong, by its name on its side.
struct NamedReadingWrong {
    QString name;
    ReadsWrong why;
    bool pictureEdge = false;  // across an edge: a picture's, not a shape's
};
QList<NamedReadingWrong> namedOn(const QList<FieldReadingWrong>& fields, const QList<std::shared_ptr<SKTGraphic>>& side);

// Names as a sentence lists them: "A", "A and B", "A, B and C".
QString listedNames(const QStringList& names);
// `text` ended as a sentence: a full stop after it, unless it ends with
// one already ("Phone No.").
QString withFullStop(const QString& text);

// A sentence for each kind of wrong among `fields`, the worst first, each
// naming its fields once (a name told for a worse wrong is not told again)
// and saying what to do; "" where none reads wrong.
QString readingWrongMessage(const QList<NamedReadingWrong>& fields);
QString readingWrongMessage(const QList<FieldReadingWrong>& fields, const QList<std::shared_ptr<SKTGraphic>>& side);

// The same on one line, the names first: for each part (its label, such
// as "On the front: ", and its fields) what is wrong with each name, then
// what to do, once; "" where none reads wrong.
struct NoticePart {
    QString label;
    QList<NamedReadingWrong> fields;
};
QString readingWrongNotice(const QList<NoticePart>& parts);

}  // namespace zelk

namespace zelk {

// What the line of a notice says of `fields`, a clause for each kind of
// wrong, the worst first, each naming its fields once: "Name runs off the
// card", "Team and Title overlap other text or pictures".
QStringList readingWrongClauses(const QList<NamedReadingWrong>& fields);

// What to do about the kinds of wrong among `fields`, each said once, the
// worst first: about "its value" where one field is told of it, "their
// values" where more are. A field may be among them under several kinds
// (wrong one way on one card, another way on the next): each is advised.
QStringList readingWrongAdvice(const QList<NamedReadingWrong>& fields);

}  // namespace zelk
