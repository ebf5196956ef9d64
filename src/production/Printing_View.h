#pragma once
// The printed page: on every page of a job, the next Print_Row x Print_Col
// cells of the run, each with its card (one side, both sides in one of the
// arrangements, or duplex pages), turned and framed by crop marks as the
// settings ask; or a visitor pass alone on its page. It paints through any
// QPainter whose coordinates are points from the paper's top-left corner
// (a printer page, a preview page, a PDF), on any thread.
#include "inspector/face/TransformedCardImage.h"
#include "production/PrintJobSettings.h"
#include "production/PrintPlan.h"
#include "production/SheetGeometry.h"

#include <QImage>
#include <QList>
#include <QRectF>
#include <QString>
#include <functional>
#include <optional>

class QPainter;

namespace zelk {

// The card images of one cell, made before its page is painted. A card that
// could not be made carries the reason instead.
struct CellArt {
    std::optional<TransformedCardImage> front;
    std::optional<TransformedCardImage> back;
    QString failure;
    // A preview's cards, as pictures at the preview's resolution instead:
    // a preview keeps every page it shows, and a card's own pictures (photos,
    // 600-dpi barcodes) would stay with it at full size.
    QImage frontPicture;
    QImage backPicture;
};

}  // namespace zelk

class Printing_View {
public:
    // initWithFrame: the paper rectangle; the job's settings.
    Printing_View(const QRectF& frame, const zelk::PrintJobSettings& settings);

    // The pages of the job; a preview shows at most PreviewPageLimit of them
    // and says so (once per call) when there are more.
    int numberOfPages() const;
    // Every page shows the whole paper.
    QRectF rectForPage(int page) const;
    static const QString previewLimitMessage;

    // Paints page `page` (from 1) with the cells' card images, in the order
    // of PrintPlan::cell.
    void drawRect(QPainter& painter, int page, const QList<zelk::CellArt>& cells) const;
    // The visitor pass alone at its own size in points, painted by `pass`
    // (points, y down, from its top-left corner): centred between the left
    // and right edges, its top on the top edge.
    void Draw_visitor_pass(QPainter& painter, const QSizeF& size,
                           const std::function<void(QPainter&)>& pass) const;

    // The drawing steps; rectangles are in the sheet's coordinates (y up).
    void Draw_image_In_Rect(QPainter& painter, const TransformedCardImage& image, const QRectF& drawing_rect) const;
    void Draw_image_In_Rect(QPainter& painter, const QImage& picture, const QRectF& drawing_rect) const;
    // Crop marks round a card, when the settings ask for them.
    void Draw_Margin_rect(QPainter& painter, const QRectF& card) const;
    void Draw_Line(QPainter& painter, const QLineF& line) const;
    // Red bold text of 11 points centred in the rectangle ("Invalid Data").
    void Draw_Label_String(QPainter& painter, const QRectF& rect, const QString& str_val) const;

    const zelk::PrintPlan& plan() const { return plan_; }
    const zelk::SheetGeometry& geometry() const { return geometry_; }

private:
    QRectF Page_Size_rect;
    zelk::PrintJobSettings settings_;
    zelk::PrintPlan plan_;
    zelk::SheetGeometry geometry_;
};
