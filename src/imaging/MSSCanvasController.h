#pragma once
// The selection canvas's controller: it owns the crop rectangles, turns the
// canvas's mouse and key events into drawing, moving, resizing, the rubber
// band, delete, select all and deselect, keeps the canvas over the picture's
// displayed rectangle, and offers the crop screens their operations.
// Points and rectangles are in canvas coordinates (origin lower left, y up).
#include "imaging/MSSCanvas.h"
#include "imaging/MSSCanvasDelegate.h"
#include "imaging/MSSHandle.h"
#include "imaging/MSSSelector.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QRectF>

#include <memory>

class MSSScaledImage;
class QCursor;
class QWidget;

class MSSCanvasController : public QObject, public MSSCanvasDelegate {
    Q_OBJECT
public:
    MSSCanvasController(MSSCanvas* canvas, QWidget* contentView);
    ~MSSCanvasController() override;
    // Makes the controller and makes it the canvas's delegate.
    static MSSCanvasController* canvasControllerForCanvas(MSSCanvas* canvas, QWidget* contentView);

    MSSCanvas* view() const { return canvas_; }
    QWidget* contentView() const { return contentView_; }

    // ---- MSSCanvasDelegate ----
    QRectF defaultRectForFrame(const QRectF& frame) const override;
    void removeAllSelectorsFromCanvas() override;
    const QList<std::shared_ptr<MSSSelector>>& selectors() const override { return selectors_; }
    bool hasSelectors() const override { return !selectors_.isEmpty(); }
    MSSSelector* currentSelector() const override { return currentSelector_; }
    const MSSSelectorStyle* selectorStyle() const override { return nullptr; }
    const MSSHandleStyle* handleStyle() const override { return nullptr; }
    QSizeF canvasSize() const override { return canvasFrame().size(); }
    bool allowIntersections() const override;

    bool hasSelector() const { return currentSelector_ != nullptr; }
    // The displayed picture's rectangle in the content view (y up), or its
    // bounds when it is not an image view.
    QRectF canvasFrame() const;

    void addSelectorWithFrame(const QRectF& frame);
    void setPickerWithFrame(const QRectF& frame);
    void markAllSelected(bool redraw);
    void markAllUnselected(bool redraw);
    void removeMarkedSelectorsFromCanvas();
    void arrangeCanvas();
    void resetCanvas() { arrangeCanvas(); }
    // Run after a drop or a removal; nothing listens in this program.
    void canvasHasChanged() {}

    // ---- Events, in canvas coordinates ----
    void mouseDown(const QPointF& p, bool command);
    void mouseDragged(const QPointF& p);
    void mouseUp();
    // Delete or Backspace and Forward Delete remove the selected rectangles,
    // Ctrl+A selects all, Escape none; other keys are ignored.
    void keyDown(int qtKey, bool command);
    // The pointer moved over the canvas (no button) or left it: the cursor
    // of the hover region under it, while the cursor may change.
    void mouseMoved(const QPointF& p);
    void mouseExited();
    bool cursorCanBeChanged() const { return cursorCanBeChanged_; }
    // The cursor shape of the hover region at p.
    MSSHandle::Cursor cursorAt(const QPointF& p) const;
    static QCursor cursorFor(MSSHandle::Cursor kind);

    // Draws the rectangles (painter in canvas coordinates).
    void draw(class QPainter& painter);

private:
    void prepareController();
    void redraw();

    QPointer<MSSCanvas> canvas_;
    QPointer<QWidget> contentView_;
    QList<std::shared_ptr<MSSSelector>> selectors_;
    std::shared_ptr<MSSSelector> picker_;
    MSSSelector* currentSelector_ = nullptr;
    bool cursorCanBeChanged_ = true;
};
