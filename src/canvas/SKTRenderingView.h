#pragma once
// The offscreen rendering of one card side, for printing, export, mail and
// previews. One paint (drawSide) runs in this order: the card base (the card
// face hook; its clip to the card outline stays in force), the graphics from
// the last index to the first (index 0 is the topmost) that are visible
// (ctrl_is_visible) and printed (print_object 0), then the card border.
// The canvas draws its side through the same paint, graphics that are not
// printed included.
//
// It renders a SideSnapshot, never the live design, and reads no widget and
// no global: any number of views may render on worker threads at once.
#include "canvas/SideSnapshot.h"
#include "canvas/VectorPageOutput.h"

#include <QByteArray>
#include <QImage>
#include <QRectF>
#include <QString>
#include <functional>

class QPainter;
class QIODevice;

class SKTRenderingView {
public:
    // initWithFrame: the frame (the card rectangle in points), the side to
    // draw and the job title that PDF output carries.
    SKTRenderingView(const QRectF& frame, zelk::SideSnapshot side, const QString& printJobTitle);

    // Model coordinates have y growing downwards from the card's top.
    bool isFlipped() const { return true; }
    // A view of a null side draws nothing and makes no image or PDF.
    bool isNull() const { return side_.isNull(); }
    QRectF frame() const { return frame_; }
    // The size of the card in points.
    QSizeF size() const { return frame_.size(); }
    const zelk::SideSnapshot& side() const { return side_; }
    QString printJobTitle() const { return title_; }

    // One paint of the side into a painter whose user space is the model's
    // (points, y down). Leaves the painter's state as it found it.
    void drawRect(QPainter& painter) const;

    // Whether graphics with print_object set are drawn: output skips them,
    // the canvas shows them.
    enum class Unprinted { Skip, Draw };
    // The one paint of a side, as drawRect describes it. `overlay`, when
    // given, draws last while the card outline still clips (the canvas's grid).
    static void drawSide(QPainter& painter, const zelk::SideSnapshot& side, Unprinted unprinted,
                         const std::function<void(QPainter&)>& overlay = {});

    // The side as a bitmap of ceil(width x dpi / 72) by ceil(height x dpi /
    // 72) pixels, recording its resolution, transparent outside the card
    // outline. A null image for a null side, a frame without area or a
    // resolution out of range (above 4800 dpi or a picture beyond 2^28 pixels).
    QImage imageAtResolution(double dpi) const;

    // The drawing of the rectangle (in points) as vector PDF data: one page
    // of exactly the rectangle's size in points (not rounded to whole
    // points); texts stay texts. Empty for a null side or an empty rectangle.
    QByteArray dataWithPDFInsideRect(const QRectF& rect) const;
    // The same PDF written to a device; false when nothing could be written.
    bool writePDFInsideRect(const QRectF& rect, QIODevice* device) const;

    // The card image of a side: a vector image of the card's size in points
    // (frame: the snapshot's card rectangle; job title "Print") that draws
    // itself onto any painter (drawRect: a bitmap of any resolution, a PDF, a
    // printer, a mirrored or turned page) or makes a bitmap or PDF of itself.
    // A null side gives a null image. The printed page and the export and
    // mail runs share this one operation: print_box names the caller and does
    // not change the image.
    //
    // (A recorded QPicture would not do: on replay Qt rescales its fonts by
    // the target's resolution, so its texts come out at the wrong size in a
    // PDF or on a printer.)
    static SKTRenderingView image_From_Card_Graphics(const zelk::SideSnapshot& side, bool print_box = false);

    // Largest resolution imageAtResolution accepts, dots per inch.
    static constexpr double MaxDpi = zelk::VectorPageOutput::MaxDpi;

private:
    QRectF frame_;
    zelk::SideSnapshot side_;
    QString title_;
};
