#pragma once
// The holder's fields as a profile, the visitor desk and a group project
// show them: a long value of each, and the longer of its ID-card and visitor
// captions; and the checks of a side on which they show: no two drawn texts
// or pictures meet, and the photo sits in its frame.
#include "PdfWords.h"
#include "TestSupport.h"

#include "foundation/Codes.h"
#include "foundation/SKTGraphic.h"

#include <QList>
#include <QRectF>
#include <QRegularExpression>
#include <QSet>
#include <QString>
#include <QStringList>
#include <algorithm>
#include <cmath>
#include <memory>

namespace zelk::test {

struct HolderSample {
    QString valueId, captionId, value, caption;
};

// In slot order (name ... unique number), then the desk's date and time.
inline const QList<HolderSample>& holderSamples() {
    static const QList<HolderSample> samples = {
        {Fup_Name, Fup_lbl_Name, "Maximiliana Alexandrova Featherstonehaugh", "Name :"},
        {Fup_Title, Fup_lbl_Title, "Senior Purchasing Director", "Position / Title :"},
        {Fup_Company, Fup_lbl_Company, "Westbrook Logistics Group Ltd", "Company Name :"},
        {Fup_CompanySlogan, Fup_lbl_CompanySlogan, "Quarterly safety audit meeting", "Company Slogan :"},
        {Fup_Address, Fup_lbl_Address, "4500 Lakeshore Drive East, Unit 12", "Address :"},
        {Fup_PhoneNO, Fup_lbl_PhoneNO, "+44 207 946 0958", "Phone No. :"},
        {Fup_FaxNo, Fup_lbl_FaxNo, "+44 207 946 0959", "Visitor Type :"},
        {Fup_EmailID, Fup_lbl_EmailID, "a.wolstenholme@westbrook.example", "Email Id :"},
        {Fup_Website, Fup_lbl_Website, "www.westbrook-logistics.example", "Person to Meet :"},
        {Fup_UniqueNo, Fup_lbl_UniqueNo, "V-2026-009876", "Visitor No. :"},
        {Fup_Date, Fup_lbl_Date, "30-Dec-2026", "Date :"},
        {Fup_Time, Fup_lbl_Time, "23:59:58", "Time :"},
    };
    return samples;
}

// Values as long as a desk meets them (40 to 60 characters), longer than
// the frames are made for: they take more lines than their frames hold.
inline const QList<HolderSample>& longHolderSamples() {
    static const QList<HolderSample> samples = {
        {Fup_Name, Fup_lbl_Name, "Maximiliana Alexandrova Featherstonehaugh-Whittington", "Name :"},
        {Fup_Title, Fup_lbl_Title, "Chief Executive Procurement Officer, EMEA Region", "Position / Title :"},
        {Fup_Company, Fup_lbl_Company, "Northwind Trading & Logistics Company Limited", "Company Name :"},
        {Fup_CompanySlogan, Fup_lbl_CompanySlogan, "Quarterly supplier contract review and site audit",
         "Company Slogan :"},
        {Fup_Address, Fup_lbl_Address, "1200 Harbour View Boulevard, Suite 4500, Portsmouth", "Address :"},
        {Fup_PhoneNO, Fup_lbl_PhoneNO, "+44 20 7946 0958 ext 1234, mobile +44 7700 900123", "Phone No. :"},
        {Fup_FaxNo, Fup_lbl_FaxNo, "Contractor \u2014 Long Term, escorted at all times", "Visitor Type :"},
        {Fup_EmailID, Fup_lbl_EmailID, "maximiliana.featherstonehaugh@northwind-trading.example", "Email Id :"},
        {Fup_Website, Fup_lbl_Website, "Dr Bartholomew Ravensworth-Pemberton, Facilities", "Person to Meet :"},
        {Fup_UniqueNo, Fup_lbl_UniqueNo, "V-2026-004711 / Contractor pass 0042-B (north gate)", "Visitor No. :"},
        {Fup_Date, Fup_lbl_Date, "Monday, 28 September 2026, valid until 18:00", "Date :"},
        {Fup_Time, Fup_lbl_Time, "14:05:59, checked in at the north reception", "Time :"},
    };
    return samples;
}

using SideGraphics = QList<std::shared_ptr<SKTGraphic>>;

inline QString rectText(const QRectF& r) {
    return QStringLiteral("(%1,%2 %3x%4)").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

// The pairs of shown texts and pictures whose drawn rectangles meet, and
// the ones drawn off the card, each named by its text. Rectangles that only
// touch do not meet: a hundredth of a point is left for the rounding of a
// card scaled to its own size.
inline QStringList overlapsOn(const SideGraphics& side, const QSizeF& card) {
    constexpr double Slack = 0.01;
    QStringList out;
    SideGraphics drawn;
    for (const auto& g : side)
        // An empty text box draws nothing to meet.
        if (g && g->ctrl_is_visible && (g->kind() == GraphicKind::Text || g->kind() == GraphicKind::Image) &&
            !(g->kind() == GraphicKind::Text && g->Text_Value.isEmpty())) {
            if (!QRectF(QPointF(0, 0), card).adjusted(-Slack, -Slack, Slack, Slack).contains(g->drawingBounds()))
                out << QStringLiteral("off the card: ") + g->Text_Value;
            drawn << g;
        }
    for (qsizetype i = 0; i < drawn.size(); ++i)
        for (qsizetype j = i + 1; j < drawn.size(); ++j)
            if (drawn[i]->drawingBounds().adjusted(Slack, Slack, -Slack, -Slack).intersects(drawn[j]->drawingBounds()))
                out << QStringLiteral("%1 %2 / %3 %4")
                           .arg(drawn[i]->Text_Value, rectText(drawn[i]->drawingBounds()), drawn[j]->Text_Value,
                                rectText(drawn[j]->drawingBounds()));
    return out;
}

// The smallest shape holding the rectangle: the design's frame of it.
inline QRectF frameAround(const SideGraphics& side, const QRectF& r) {
    QRectF best;
    for (const auto& g : side)
        if (g && g->kind() == GraphicKind::Shape && g->bounds().contains(r) &&
            (best.isNull() || g->bounds().width() * g->bounds().height() < best.width() * best.height()))
            best = g->bounds();
    return best;
}

// The photo sits in a frame of its own: a shape that holds it and is not
// much larger (a band or the card's background would be).
inline bool photoInItsFrame(const SideGraphics& side) {
    for (const auto& g : side)
        if (g && g->control_ID == Fup_Photo) {
            const QRectF photo = g->bounds();
            const QRectF frame = frameAround(side, photo);
            return !frame.isNull() && frame.width() * frame.height() < 1.5 * photo.width() * photo.height();
        }
    return false;
}

// The shown values of `samples` that a PDF of the side does not hold whole
// inside their frames, as pdftotext reads its words: each named with what
// was read there. Spaces aside (a word too long for its line breaks in two).
inline QStringList valuesNotWholeInPdf(const QString& pdf, const SideGraphics& side,
                                       const QList<HolderSample>& samples) {
    const QList<PdfWord> all = pdfWords(pdf);
    static const QRegularExpression space(QStringLiteral("\\s+"));
    QStringList out;
    for (const HolderSample& h : samples)
        for (const auto& g : side) {
            if (!g || g->control_ID != h.valueId || !g->ctrl_is_visible)
                continue;
            // Read line by line, left to right: pdftotext may order a
            // centred line's words by blocks of its own.
            QList<std::pair<QRectF, QString>> words;
            for (const PdfWord& w : all)
                if (g->bounds().adjusted(-1, -1, 1, 1).contains(w.box))
                    words.append({w.box, w.text});
            std::sort(words.begin(), words.end(), [](const auto& a, const auto& b) {
                const double dy = a.first.center().y() - b.first.center().y();
                return std::abs(dy) > a.first.height() / 2 ? dy < 0 : a.first.x() < b.first.x();
            });
            QString read;
            for (const auto& w : words)
                read += w.second;
            // Ligatures come back as their letters.
            read = read.replace(QStringLiteral("&amp;"), QStringLiteral("&")).normalized(QString::NormalizationForm_KC);
            if (read != QString(g->Text_Value).remove(space))
                out << QStringLiteral("%1: \"%2\"").arg(h.valueId, read);
        }
    return out;
}

// The values of `samples` that pdftotext -raw, which reads a PDF in the
// order it is drawn, does not read whole: each value's words one after
// another, white space aside.
inline QStringList valuesNotWholeInRawPdf(const QString& pdf, const QList<HolderSample>& samples) {
    static const QRegularExpression space(QStringLiteral("\\s+"));
    const QString raw = QString::fromUtf8(runTool(QStringLiteral("pdftotext"), {QStringLiteral("-raw"), pdf, QStringLiteral("-")}).out)
                            .remove(space)
                            .normalized(QString::NormalizationForm_KC);
    QStringList out;
    for (const HolderSample& h : samples)
        if (!raw.contains(QString(h.value).remove(space)))
            out << h.valueId;
    return out;
}

// The values of `samples` with a word that a PDF of the side breaks: read
// in no word of the PDF whole, nor, for a word of letters (a double name),
// in pieces that end where a line may break (after a hyphen or a slash);
// an address or a number is read whole. Each named with the word.
inline QStringList wordsBrokenInPdf(const QString& pdf, const QList<HolderSample>& samples) {
    static const QRegularExpression space(QStringLiteral("\\s+"));
    static const QRegularExpression afterBreak(QStringLiteral("(?<=[-/])"));
    QSet<QString> words;
    for (const PdfWord& w : pdfWords(pdf))
        words << QString(w.text).replace(QStringLiteral("&amp;"), QStringLiteral("&")).normalized(QString::NormalizationForm_KC);
    QStringList out;
    for (const HolderSample& h : samples)
        for (const QString& word : h.value.split(space, Qt::SkipEmptyParts)) {
            static const QRegularExpression addressOrNumber(QStringLiteral("[@.0-9]"));
            const QStringList pieces = word.split(afterBreak, Qt::SkipEmptyParts);
            if (!words.contains(word) &&
                (word.contains(addressOrNumber) ||
                 !std::all_of(pieces.cbegin(), pieces.cend(), [&](const QString& p) { return words.contains(p); })))
                out << QStringLiteral("%1: \"%2\"").arg(h.valueId, word);
        }
    return out;
}

}  // namespace zelk::test
