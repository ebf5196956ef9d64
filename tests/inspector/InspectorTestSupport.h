#pragma once
// The main window with its inspector, and graphics placed on the front.
#include "../mainwindow/MainWindowTestSupport.h"

#include "canvas/SKTGraphicView.h"
#include "foundation/SKTGraphic.h"
#include "inspector/InspectorPanels.h"
#include "mainwindow/AppGlobals.h"

#include <QTabWidget>

namespace zelk::test {

class InspectorTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        w = &open();
        p = w->inspector();
        ASSERT_NE(p, nullptr);
    }
    // A graphic of the kind at the bottom of the front side.
    std::shared_ptr<SKTGraphic> add(GraphicKind kind, const QRectF& bounds = QRectF(20, 20, 60, 30)) {
        auto g = makeGraphic(kind);
        g->_bounds = bounds;
        w->_graphicView->mutableGraphics().append(g);
        return g;
    }
    // Selects the graphics (the first is the one last clicked) and shows it.
    void select(const QList<std::shared_ptr<SKTGraphic>>& graphics, bool show = true) {
        QList<int> indexes;
        for (const auto& g : graphics)
            indexes << int(w->_graphicView->graphics().indexOf(g));
        w->_graphicView->setSelectionIndexes(indexes);
        w->_graphicView->setSelected_Graphic(graphics.value(0));
        if (show)
            w->Show_RHS_Properties(graphics.value(0).get());
    }
    QStringList tabLabels() const {
        QStringList labels;
        for (int i = 0; i < w->sett_tab->count(); ++i)
            labels << w->sett_tab->tabText(i);
        return labels;
    }
    int undoSteps() const { return w->_graphicView->undoStacks().undoCount(); }

    SKTWindowController* w = nullptr;
    InspectorPanels* p = nullptr;
};

}  // namespace zelk::test
