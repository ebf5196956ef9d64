#pragma once
// What the selectors and handles ask of the selection canvas's controller
// (and, through it, of the canvas). Geometry is in canvas coordinates:
// origin at the lower-left corner of the shown picture, y upwards, points.
#include <QList>
#include <QRectF>
#include <QSizeF>

#include <memory>

class MSSSelector;
struct MSSHandleStyle;
struct MSSSelectorStyle;

class MSSCanvasDelegate {
public:
    virtual ~MSSCanvasDelegate() = default;

    virtual QRectF defaultRectForFrame(const QRectF& frame) const = 0;
    virtual void removeAllSelectorsFromCanvas() = 0;
    virtual const QList<std::shared_ptr<MSSSelector>>& selectors() const = 0;
    virtual bool hasSelectors() const = 0;
    virtual MSSSelector* currentSelector() const = 0;
    // The shared looks; nullptr: each selector and handle makes its own.
    virtual const MSSSelectorStyle* selectorStyle() const = 0;
    virtual const MSSHandleStyle* handleStyle() const = 0;
    // The canvas's size and whether a selector may overlap another.
    virtual QSizeF canvasSize() const = 0;
    virtual bool allowIntersections() const = 0;
};
