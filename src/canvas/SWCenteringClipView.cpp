#include "canvas/SWCenteringClipView.h"

#include <algorithm>

SWCenteringClipView::SWCenteringClipView(QWidget* parent) : QWidget(parent) {
    // The grey around the card shows where the card ends.
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(0x8a, 0x8d, 0x91));
    setPalette(pal);
}

static int originOnAxis(int document, int clip, int scroll) {
    if (document <= clip)
        return (clip - document) / 2;
    return -std::clamp(scroll, 0, document - clip);
}

QPoint SWCenteringClipView::documentOrigin(const QSize& document, const QSize& clip, const QPoint& scroll) {
    return QPoint(originOnAxis(document.width(), clip.width(), scroll.x()),
                  originOnAxis(document.height(), clip.height(), scroll.y()));
}

QPoint SWCenteringClipView::maximumScroll(const QSize& document, const QSize& clip) {
    return QPoint(std::max(0, document.width() - clip.width()),
                  std::max(0, document.height() - clip.height()));
}
