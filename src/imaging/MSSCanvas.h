#pragma once
// The transparent view laid over the shown picture of an image view: it
// draws the crop rectangles and hands every mouse and key event to its
// delegate, in canvas coordinates (origin lower left, y upwards).
#include <QPointer>
#include <QWidget>

class MSSCanvasController;

class MSSCanvas : public QWidget {
    Q_OBJECT
public:
    explicit MSSCanvas(QWidget* parent = nullptr);

    QPointer<MSSCanvasController> delegate;
    bool allowIntersections = true;

    // A widget point in canvas coordinates, and back.
    QPointF toCanvas(const QPointF& widgetPoint) const;
    QRectF toWidget(const QRectF& canvasRect) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void leaveEvent(QEvent* event) override;
};
