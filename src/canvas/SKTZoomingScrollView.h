#pragma once
// The scroll view around one canvas: rulers on the top and the left, the
// card centred by its clip view (SWCenteringClipView) and the zoom of the
// canvas.
#include "canvas/SKTGraphicView.h"  // the inline documentView() converts the QPointer
#include "foundation/Units.h"

#include <QAbstractScrollArea>
#include <QPointer>

class SKTRulerView;
class SWCenteringClipView;

class SKTZoomingScrollView : public QAbstractScrollArea {
    Q_OBJECT
public:
    explicit SKTZoomingScrollView(QWidget* parent = nullptr);

    // The canvas becomes a child of the clip view; not owned before.
    void setDocumentView(SKTGraphicView* canvas);
    SKTGraphicView* documentView() const { return canvas_; }
    SWCenteringClipView* clipView() const;
    SKTRulerView* horizontalRuler() const { return hRuler_; }
    SKTRulerView* verticalRuler() const { return vRuler_; }

    double scaleFactor() const;
    void setScaleFactor(double scale);
    void setRulerUnit(zelk::MeasureUnit unit);
    void setRulersVisible(bool visible);
    bool rulersVisible() const { return rulersVisible_; }

    // Positions the canvas and the rulers after a change of size, zoom or
    // scroll position.
    void layoutDocument();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    bool viewportEvent(QEvent* event) override;

private:
    QPointer<SKTGraphicView> canvas_;
    SKTRulerView* hRuler_ = nullptr;
    SKTRulerView* vRuler_ = nullptr;
    bool rulersVisible_ = true;
    bool laying_ = false;
};
