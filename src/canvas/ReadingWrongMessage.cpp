// The message telling which fields of a card read wrong, and why, in the
// names the card gives them: sentences for a message box, and one line,
// the names first, for the status bar.
#include "canvas/ReadingWrongMessage.h"

#include "canvas/placement/CaptionPairing.h"
#include "foundation/ProfileFieldTable.h"
#include "foundation/SKTGraphic.h"

#include <QStringList>

#include <algorithm>
#include <array>

namespace zelk {

namespace {

QString withoutColon(QString name) {
    name = name.simplified();
    if (name.endsWith(QLatin1Char(':')))
        name = name.chopped(1).trimmed();
    return name;
}

// A caption or a value as it names its field: its first words (to a comma
// or a semicolon, at most Shown characters), so that a list of names reads
// as one and a notice keeps to its line.
QString firstWords(const QString& text) {
    constexpr qsizetype Shown = 30;
    const QString v = text.simplified();
    qsizetype end = std::min<qsizetype>(v.size(), Shown);
    for (const QChar stop : {u',', u';'})
        if (const qsizetype at = v.indexOf(stop); at > 0 && at < end)
            end = at;
    return end == v.size() ? v : v.left(end).trimmed() + QChar(0x2026);
}

// A value, quoted: not read as a caption.
QString valueAsName(const QString& value) {
    const QString v = firstWords(value);
    return v.isEmpty() ? v : QStringLiteral("\u201C%1\u201D").arg(v);
}

// One or many, in the words of a sentence.
struct Number {
    bool one;
    QString of(const char* single, const char* many) const {
        return QString::fromLatin1(one ? single : many);
    }
};

QString edgeOf(bool picture) { return picture ? QStringLiteral("a picture") : QStringLiteral("a shape"); }

// What is wrong, after the names: "runs off the card", ...
QString whatIsWrong(ReadsWrong why, bool picture, Number n, bool short_) {
    switch (why) {
    case ReadsWrong::LeavesTheCard:
        return n.of("runs", "run") + QStringLiteral(" off the card");
    case ReadsWrong::Meets:
        return short_ ? n.of("overlaps", "overlap") + QStringLiteral(" other text or pictures")
                      : n.of("does", "do") + QStringLiteral(" not fit on the card without overlapping other text or "
                                                              "pictures");
    case ReadsWrong::AcrossAnEdge:
        return n.of("lies", "lie") + QStringLiteral(" across the edge of ") + edgeOf(picture) +
               (short_ ? QString() : QStringLiteral(" on the card"));
    case ReadsWrong::Unreadable:
        return n.of("does", "do") + QStringLiteral(" not read on what is under ") + n.of("it", "them");
    }
    return {};
}

// What the user can do about it.
QString whatToDo(ReadsWrong why, bool picture, Number n) {
    switch (why) {
    case ReadsWrong::LeavesTheCard:
    case ReadsWrong::Meets:
        return QStringLiteral("Shorten %1, or make room on the card (fewer fields, a smaller photo or a larger card).")
            .arg(n.of("its value", "their values"));
    case ReadsWrong::AcrossAnEdge:
        return QStringLiteral("Move %1 wholly onto the %2 or off it, or shorten %3.")
            .arg(n.of("it", "them"), picture ? QStringLiteral("picture") : QStringLiteral("shape"),
                 n.of("its value", "their values"));
    case ReadsWrong::Unreadable:
        return QStringLiteral("Give %1 another colour (all texts at once with the Card panel's \"Content of all "
                              "texts\"), or move %1 where %2.")
            .arg(n.of("it", "them"), n.of("it reads", "they read"));
    }
    return {};
}

// What a message box says of it: with the letters cut, with the colour
// that does not read.
QString sentenceFor(ReadsWrong why, bool picture, const QStringList& names) {
    const Number n{names.size() == 1};
    QString what = whatIsWrong(why, picture, n, false);
    if (why == ReadsWrong::LeavesTheCard)
        what += QStringLiteral(": ") + n.of("its", "their") + QStringLiteral(" letters are cut at its edge");
    if (why == ReadsWrong::Unreadable)
        what += QStringLiteral(": ") + n.of("its", "their") + QStringLiteral(" colour is too close to the colour there");
    return listedNames(names) + QLatin1Char(' ') + what + QStringLiteral(". ") + whatToDo(why, picture, n);
}

// The kinds of wrong in the order they are told, the worst first: each
// with whether its edge is a picture's.
constexpr std::pair<ReadsWrong, bool> Kinds[] = {
    {ReadsWrong::LeavesTheCard, false}, {ReadsWrong::Meets, false},      {ReadsWrong::AcrossAnEdge, false},
    {ReadsWrong::AcrossAnEdge, true},   {ReadsWrong::Unreadable, false},
};

// The first kind whose advice is that of kind `k`.
size_t sameAdviceAs(size_t k) {
    for (size_t j = 0; j < k; ++j)
        if (whatToDo(Kinds[j].first, Kinds[j].second, {true}) == whatToDo(Kinds[k].first, Kinds[k].second, {true}))
            return j;
    return k;
}

// The names of each kind among `fields`, each name once, under the worst;
// or, not `onceInAll`, once under each kind it is among.
QList<QStringList> namesByKind(const QList<NamedReadingWrong>& fields, bool onceInAll = true) {
    QList<QStringList> out;
    QStringList named;
    for (const auto& [why, picture] : Kinds) {
        QStringList names;
        for (const NamedReadingWrong& f : fields)
            if (f.why == why && (why != ReadsWrong::AcrossAnEdge || f.pictureEdge == picture) &&
                !(onceInAll ? named : names).contains(f.name)) {
                names << f.name;
                named << f.name;
            }
        out << names;
    }
    return out;
}

}  // namespace

QString listedNames(const QStringList& names) {
    if (names.size() < 2)
        return names.value(0);
    return names.mid(0, names.size() - 1).join(QStringLiteral(", ")) + QStringLiteral(" and ") + names.last();
}

QString withFullStop(const QString& text) {
    return text.endsWith(QLatin1Char('.')) ? text : text + QLatin1Char('.');
}

QString fieldNameOn(const QString& id, const QList<std::shared_ptr<SKTGraphic>>& side) {
    const ProfileField* f = profileFieldForId(id);
    if (f && f->slot == SlotPhoto)
        return QStringLiteral("Photo");
    const QString captionId = fieldRole(id) == FieldRole::Caption ? id : partnerIdOf(id);
    const QString valueId = fieldRole(id) == FieldRole::Caption ? partnerIdOf(id) : id;
    QString value;
    for (const std::shared_ptr<SKTGraphic>& g : side) {
        if (!g || !g->ctrl_is_visible || !isExactlyText(g.get()))
            continue;
        if (g->control_ID == captionId)
            if (const QString name = firstWords(withoutColon(g->Text_Value)); !name.isEmpty())
                return name;
        if (g->control_ID == valueId)
            value = g->Text_Value;
    }
    if (f)
        return withoutColon(f->idCardCaption);
    return valueAsName(value);
}

QList<NamedReadingWrong> namedOn(const QList<FieldReadingWrong>& fields, const QList<std::shared_ptr<SKTGraphic>>& side) {
    QList<NamedReadingWrong> out;
    for (const FieldReadingWrong& f : fields)
        if (const QString name = fieldNameOn(f.id, side); !name.isEmpty())
            out.append({name, f.why, f.pictureEdge});
    return out;
}

QString readingWrongMessage(const QList<NamedReadingWrong>& fields) {
    const QList<QStringList> names = namesByKind(fields);
    QStringList sentences;
    for (qsizetype k = 0; k < names.size(); ++k)
        if (!names.at(k).isEmpty())
            sentences << sentenceFor(Kinds[k].first, Kinds[k].second, names.at(k));
    return sentences.join(QStringLiteral("\n\n"));
}

QString readingWrongMessage(const QList<FieldReadingWrong>& fields, const QList<std::shared_ptr<SKTGraphic>>& side) {
    return readingWrongMessage(namedOn(fields, side));
}

QString readingWrongNotice(const QList<NoticePart>& parts) {
    QStringList told;
    // The names each piece of advice speaks of, under the first kind it is
    // given for, each once: a field that runs off the card and one that
    // overlaps are both to be shortened.
    std::array<QStringList, std::size(Kinds)> advised;
    for (const NoticePart& part : parts) {
        const QList<QStringList> names = namesByKind(part.fields);
        QStringList clauses;
        for (qsizetype k = 0; k < names.size(); ++k) {
            if (names.at(k).isEmpty())
                continue;
            QStringList& same = advised[sameAdviceAs(size_t(k))];
            for (const QString& name : names.at(k))
                if (!same.contains(name))
                    same << name;
            clauses << listedNames(names.at(k)) + QLatin1Char(' ') +
                           whatIsWrong(Kinds[k].first, Kinds[k].second, {names.at(k).size() == 1}, true);
        }
        if (!clauses.isEmpty())
            told << withFullStop(part.label + clauses.join(QStringLiteral("; ")));
    }
    for (size_t k = 0; k < advised.size(); ++k)
        if (!advised[k].isEmpty())
            told << whatToDo(Kinds[k].first, Kinds[k].second, {advised[k].size() == 1});
    return told.join(QLatin1Char(' '));
}

}  // namespace zelk

namespace zelk {

QStringList readingWrongClauses(const QList<NamedReadingWrong>& fields) {
    const QList<QStringList> names = namesByKind(fields);
    QStringList clauses;
    for (qsizetype k = 0; k < names.size(); ++k)
        if (!names.at(k).isEmpty())
            clauses << listedNames(names.at(k)) + QLatin1Char(' ') +
                           whatIsWrong(Kinds[k].first, Kinds[k].second, {names.at(k).size() == 1}, true);
    return clauses;
}

QStringList readingWrongAdvice(const QList<NamedReadingWrong>& fields) {
    // A field told of under two kinds (on two cards) counts for each.
    const QList<QStringList> names = namesByKind(fields, false);
    const auto adviceOf = [](qsizetype k, bool one) { return whatToDo(Kinds[k].first, Kinds[k].second, {one}); };
    QStringList advice;
    for (qsizetype k = 0; k < names.size(); ++k) {
        if (names.at(k).isEmpty())
            continue;
        // The kinds whose advice is the same count their fields together.
        QStringList told;
        for (qsizetype j = 0; j < names.size(); ++j)
            if (adviceOf(j, true) == adviceOf(k, true))
                told << names.at(j);
        told.removeDuplicates();
        if (const QString a = adviceOf(k, told.size() == 1); !advice.contains(a))
            advice << a;
    }
    return advice;
}

}  // namespace zelk
