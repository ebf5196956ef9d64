#pragma once
// The holder's fields as a profile, the visitor desk and a group project
// show them: a long value of each, and the longer of its ID-card and visitor
// captions; and the checks of a side on which they show: no two drawn texts
// or pictures meet, and the photo sits in its frame.
#include "foundation/Codes.h"
#include "foundation/SKTGraphic.h"

#include <QList>
#include <QRectF>
#include <QString>
#include <QStringList>
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
        if (g && g->ctrl_is_visible && (g->kind() == GraphicKind::Text || g->kind() == GraphicKind::Image)) {
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

}  // namespace zelk::test
