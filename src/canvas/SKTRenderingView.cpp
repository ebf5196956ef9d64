#include "canvas/SKTRenderingView.h"

#include "canvas/CardFaceHook.h"
#include "canvas/VectorPageOutput.h"
#include "canvas/placement/CaptionPairing.h"
#include "foundation/SKTGraphic.h"
#include "foundation/Utilities.h"

#include <QIODevice>
#include <QPainter>

#include <exception>

SKTRenderingView::SKTRenderingView(const QRectF& frame, zelk::SideSnapshot side,
                                   const QString& printJobTitle)
    : frame_(frame), side_(std::move(side)), title_(printJobTitle) {}

void SKTRenderingView::drawRect(QPainter& painter) const {
    drawSide(painter, side_, Unprinted::Skip);
}

void SKTRenderingView::drawSide(QPainter& painter, const zelk::SideSnapshot& side, Unprinted unprinted,
                                const std::function<void(QPainter&)>& overlay) {
    if (side.isNull())
        return;
    static const zelk::CardFaceHook noFace;
    const zelk::CardFaceHook& face = side.cardFace ? *side.cardFace : noFace;
    painter.save();
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing |
                           QPainter::SmoothPixmapTransform);
    // The base leaves its clip to the card outline in force for the
    // graphics and the border.
    try {
        face.Card_Base_Drawing(painter, side);
    } catch (const std::exception& e) {
        Show_NSLog_Message(QString::fromLocal8Bit(e.what()));
    }
    for (qsizetype i = side.graphics.size() - 1; i >= 0; --i) {
        const SKTGraphic* g = side.graphics.at(i).get();
        if (!g || !g->ctrl_is_visible || (g->print_object != 0 && unprinted == Unprinted::Skip))
            continue;
        painter.save();
        try {
            // A value in a box laid out for its column's widest is drawn
            // beside its caption, as each card of the batch draws its own.
            const std::shared_ptr<SKTGraphic> beside = zelk::copyBesideCaption(*g, side.graphics);
            (beside ? beside.get() : g)->drawContents(painter);
        } catch (const std::exception& e) {
            // One graphic that cannot draw must not cost the whole card.
            Show_NSLog_Message(QString::fromLocal8Bit(e.what()));
        }
        painter.restore();
    }
    try {
        face.Card_Border_Drawing(painter, side);
    } catch (const std::exception& e) {
        Show_NSLog_Message(QString::fromLocal8Bit(e.what()));
    }
    if (overlay)
        overlay(painter);
    painter.restore();
}

QImage SKTRenderingView::imageAtResolution(double dpi) const {
    if (side_.isNull())
        return {};
    return zelk::VectorPageOutput::imageAtResolution(frame_, dpi, [this](QPainter& p) { drawRect(p); });
}

bool SKTRenderingView::writePDFInsideRect(const QRectF& rect, QIODevice* device) const {
    if (!device)
        return false;
    const QByteArray data = dataWithPDFInsideRect(rect);
    return !data.isEmpty() && device->write(data) == data.size();
}

QByteArray SKTRenderingView::dataWithPDFInsideRect(const QRectF& rect) const {
    if (side_.isNull())
        return {};
    return zelk::VectorPageOutput::pdfPage(rect, title_, [this](QPainter& p) { drawRect(p); });
}

SKTRenderingView SKTRenderingView::image_From_Card_Graphics(const zelk::SideSnapshot& side,
                                                            bool print_box) {
    Q_UNUSED(print_box);
    return SKTRenderingView(side.cardRect, side, QStringLiteral("Print"));
}
