#pragma once
// A ruler along the top or the left of the canvas's scroll view, in the
// unit the sizes are shown in. Zero is the card's top-left corner; the
// ruler follows the canvas's zoom and scroll position.
#include "foundation/Units.h"

#include <QPointer>
#include <QWidget>

class SKTGraphicView;

class SKTRulerView : public QWidget {
    Q_OBJECT
public:
    static constexpr int Thickness = 20;

    SKTRulerView(Qt::Orientation orientation, QWidget* parent = nullptr);

    Qt::Orientation orientation() const { return orientation_; }
    void setCanvas(SKTGraphicView* canvas);
    void setUnit(zelk::MeasureUnit unit);
    zelk::MeasureUnit unit() const { return unit_; }

    // The ruler's ticks: points between two labelled marks, the number a
    // labelled mark adds, and the ticks between two labelled marks.
    struct Scale {
        double majorPoints;
        double labelStep;
        int subdivisions;
    };
    static Scale scaleFor(zelk::MeasureUnit unit);

    // Where the card's zero lies along the ruler, in ruler pixels.
    int zeroOffset() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Qt::Orientation orientation_;
    QPointer<SKTGraphicView> canvas_;
    zelk::MeasureUnit unit_ = zelk::MeasureUnit::Mm;
};
