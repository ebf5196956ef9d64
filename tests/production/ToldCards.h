#pragma once
// What a run's closing message tells of its cards, read back from its
// sentences ("On cards 3 and 8, Name runs off the card; Team overlaps other
// text or pictures."): for each card (from 1), each name and what is wrong
// with it, as the user reads them; and how many more it tells of.
#include "canvas/placement/ReadingWrong.h"

#include <QMap>
#include <QRegularExpression>
#include <QString>
#include <QStringList>

namespace zelk::test {

using ToldCards = QMap<int, QMap<QString, ReadsWrong>>;

inline ToldCards cardsToldIn(const QString& message) {
    // A sentence ends before the next one, or before what to do.
    static const QRegularExpression sentence(
        QStringLiteral(R"(On cards? ((?:\d+, )*\d+(?: and \d+)?), (.+?)\.(?=\s+(?:On |Shorten |Move |Give |Select )|\s*$))"));
    static const QList<std::pair<QString, ReadsWrong>> verbs = {
        {QStringLiteral(" runs off the card"), ReadsWrong::LeavesTheCard},
        {QStringLiteral(" run off the card"), ReadsWrong::LeavesTheCard},
        {QStringLiteral(" overlaps other text or pictures"), ReadsWrong::Meets},
        {QStringLiteral(" overlap other text or pictures"), ReadsWrong::Meets},
        {QStringLiteral(" lies across the edge of"), ReadsWrong::AcrossAnEdge},
        {QStringLiteral(" lie across the edge of"), ReadsWrong::AcrossAnEdge},
        {QStringLiteral(" does not read on what is under"), ReadsWrong::Unreadable},
        {QStringLiteral(" do not read on what is under"), ReadsWrong::Unreadable},
    };
    ToldCards told;
    for (auto it = sentence.globalMatch(message); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        QMap<QString, ReadsWrong> names;
        for (const QString& clause : m.captured(2).split(QStringLiteral("; "))) {
            for (const auto& [verb, why] : verbs) {
                const qsizetype at = clause.indexOf(verb);
                if (at < 0)
                    continue;
                for (const QString& name : clause.left(at).replace(QStringLiteral(" and "), QStringLiteral(", ")).split(QStringLiteral(", ")))
                    names.insert(name, why);
                break;
            }
        }
        for (const QString& n : m.captured(1).replace(QStringLiteral(" and "), QStringLiteral(", ")).split(QStringLiteral(", ")))
            told[n.toInt()] = names;
    }
    return told;
}

// The cards told of after the first ten, by their number alone ("On 3
// more cards, too, ...").
inline int moreCardsTold(const QString& message) {
    static const QRegularExpression more(QStringLiteral(R"(On (one|\d+) more cards?, too,)"));
    const QRegularExpressionMatch m = more.match(message);
    return !m.hasMatch() ? 0 : m.captured(1) == QLatin1String("one") ? 1 : m.captured(1).toInt();
}

}  // namespace zelk::test
