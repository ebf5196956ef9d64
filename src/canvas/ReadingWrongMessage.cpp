// The message telling which fields of a card read wrong, and why, in the
// names the card gives them.
#include "canvas/ReadingWrongMessage.h"

#include "canvas/placement/CaptionPairing.h"
#include "foundation/ProfileFieldTable.h"
#include "foundation/SKTGraphic.h"

#include <QStringList>

namespace zelk {

namespace {

QString withoutColon(QString name) {
    name = name.trimmed();
    if (name.endsWith(QLatin1Char(':')))
        name = name.chopped(1).trimmed();
    return name;
}

QString sentenceFor(ReadsWrong why, const QStringList& names) {
    const bool one = names.size() == 1;
    const QString who = listedNames(names);
    switch (why) {
    case ReadsWrong::Meets:
        return QStringLiteral("%1 %2 not fit on the card without overlapping other text or pictures. Shorten %3, or "
                              "make room on the card (fewer fields, a smaller photo or a larger card).")
            .arg(who, one ? QStringLiteral("does") : QStringLiteral("do"),
                 one ? QStringLiteral("its value") : QStringLiteral("their values"));
    case ReadsWrong::AcrossAnEdge:
        return QStringLiteral("%1 %2 across the edge of a shape on the card. Move %3 wholly onto the shape or off it, "
                              "or shorten %4.")
            .arg(who, one ? QStringLiteral("lies") : QStringLiteral("lie"),
                 one ? QStringLiteral("it") : QStringLiteral("them"),
                 one ? QStringLiteral("its value") : QStringLiteral("their values"));
    case ReadsWrong::Unreadable:
        return QStringLiteral("%1 %2 not read on what is under %3: %4 colour is too close to the colour there. Give %3 "
                              "another colour (all texts at once with the Card panel's \"Content of all texts\"), or "
                              "move %3 where %5.")
            .arg(who, one ? QStringLiteral("does") : QStringLiteral("do"),
                 one ? QStringLiteral("it") : QStringLiteral("them"), one ? QStringLiteral("its") : QStringLiteral("their"),
                 one ? QStringLiteral("it reads") : QStringLiteral("they read"));
    }
    return QString();
}

}  // namespace

QString listedNames(const QStringList& names) {
    if (names.size() < 2)
        return names.value(0);
    return names.mid(0, names.size() - 1).join(QStringLiteral(", ")) + QStringLiteral(" and ") + names.last();
}

QString fieldNameOn(const QString& id, const QList<std::shared_ptr<SKTGraphic>>& side) {
    const ProfileField* f = profileFieldForId(id);
    if (f && f->slot == SlotPhoto)
        return QStringLiteral("Photo");
    const QString captionId = fieldRole(id) == FieldRole::Caption ? id : partnerIdOf(id);
    for (const std::shared_ptr<SKTGraphic>& g : side)
        if (g && g->control_ID == captionId && isExactlyText(g.get()))
            if (const QString name = withoutColon(g->Text_Value); !name.isEmpty())
                return name;
    return f ? withoutColon(f->idCardCaption) : id;
}

QList<NamedReadingWrong> namedOn(const QList<FieldReadingWrong>& fields, const QList<std::shared_ptr<SKTGraphic>>& side) {
    QList<NamedReadingWrong> out;
    for (const FieldReadingWrong& f : fields)
        out.append({fieldNameOn(f.id, side), f.why});
    return out;
}

QString readingWrongMessage(const QList<NamedReadingWrong>& fields) {
    QStringList sentences, named;
    for (ReadsWrong why : {ReadsWrong::Meets, ReadsWrong::AcrossAnEdge, ReadsWrong::Unreadable}) {
        QStringList names;
        for (const NamedReadingWrong& f : fields)
            if (f.why == why && !named.contains(f.name)) {
                names << f.name;
                named << f.name;
            }
        if (!names.isEmpty())
            sentences << sentenceFor(why, names);
    }
    return sentences.join(QStringLiteral("\n\n"));
}

QString readingWrongMessage(const QList<FieldReadingWrong>& fields, const QList<std::shared_ptr<SKTGraphic>>& side) {
    return readingWrongMessage(namedOn(fields, side));
}

}  // namespace zelk
