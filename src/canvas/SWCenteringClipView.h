#pragma once
// The clip view of the canvas's scroll view: it keeps the card centred
// while the card is smaller than the visible area and scrolls it otherwise.
#include <QPoint>
#include <QSize>
#include <QWidget>

class SWCenteringClipView : public QWidget {
    Q_OBJECT
public:
    explicit SWCenteringClipView(QWidget* parent = nullptr);

    // Where the document's top-left corner goes inside the clip view: on
    // each axis centred when the document is smaller than the clip, else
    // moved back by the scroll position (clamped to the scrollable range).
    static QPoint documentOrigin(const QSize& document, const QSize& clip, const QPoint& scroll);
    // The largest scroll position on each axis (0 when the document fits).
    static QPoint maximumScroll(const QSize& document, const QSize& clip);
};
