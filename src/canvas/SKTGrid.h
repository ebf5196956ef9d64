#pragma once
// The grid shared by the three canvases: spacing in points, colour, shown
// or hidden, constraining or free. Not stored anywhere: it lives for the run.
#include <QColor>
#include <QObject>
#include <QPointF>
#include <QRectF>

class QPainter;

class SKTGrid : public QObject {
    Q_OBJECT
public:
    explicit SKTGrid(QObject* parent = nullptr);

    QColor color() const { return _color; }
    double spacing() const { return _spacing; }
    bool isAlwaysShown() const { return alwaysShown_; }
    bool isConstraining() const { return constraining_; }

    void setColor(const QColor& color);
    void setSpacing(double spacing);
    // On a change: stores the flag and tells observers (the canvases redraw,
    // the main window enables Align_with_grid_btn exactly while shown).
    void setAlwaysShown(bool flag);
    void setConstraining(bool flag);

    // True when points are rounded to the grid: constraining and a spacing
    // above 0.
    bool snaps() const;
    // The rectangle with its origin and its far corner each rounded to the
    // nearest multiple of the spacing (floor(v / spacing + 0.5) x spacing);
    // the size follows from the rounded corners. Unchanged for a spacing
    // that is not above 0.
    QRectF alignedRect(const QRectF& rect) const;
    // The point rounded the same way.
    QPointF alignedPoint(const QPointF& point) const;

    // Draws the grid lines over the rectangle (model coordinates); scale is
    // the view's zoom, so the lines stay one pixel wide. Nothing when hidden,
    // or when the lines would be closer than 4 pixels on screen.
    void drawRect(QPainter& painter, const QRectF& rect, double scale) const;

    QColor _color;
    double _spacing = 9.0;

signals:
    void gridChanged();
    void alwaysShownChanged(bool shown);

private:
    bool alwaysShown_ = false;
    bool constraining_ = false;
};
