#pragma once
// A canvas on one side of its own document, set up as the main window sets
// one up, with a host that stamps as a profile does (no undo steps).
#include "canvas/CanvasHost.h"
#include "canvas/NewControlPoint.h"
#include "canvas/SKTGraphicView.h"
#include "canvas/SKTGrid.h"
#include "canvas/ToolPalette.h"
#include "foundation/SKTDocument.h"

#include <QSizeF>

namespace zelk::bench {

struct Canvas {
    explicit Canvas(const QSizeF& size = QSizeF(242.65, 153.0)) {
        host.fillUserProfile = true;
        view.setHost(&host);
        view.setGrid(&grid);
        view.setToolPalette(&tools);
        view.setNewControlPoint(&points);
        view.setCanvasSize(size);
        view.bindToDocument(&doc, SKTDocument::FrontSide);
    }
    SKTDocument doc;
    zelk::DefaultCanvasHost host;
    SKTGrid grid;
    zelk::ToolPalette tools;
    zelk::NewControlPoint points;
    SKTGraphicView view;
};

}  // namespace zelk::bench
