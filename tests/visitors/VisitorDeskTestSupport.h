#pragma once
// The visitor desk over the main window, shared by the tests of its road and
// of its panels: the hub in visitor mode with both sides' panels shown, and
// the graphics, slots and pictures those tests look up.
#include "../mainwindow/MainWindowTestSupport.h"

#include "foundation/Codes.h"
#include "foundation/SKTGraphic.h"
#include "mainwindow/AppGlobals.h"
#include "visitors/VisitorPanel.h"

#include <QAbstractButton>
#include <QColor>
#include <QImage>
#include <QString>

#include <memory>

namespace zelk::test {

class VisitorDeskTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        open();
        ::Start_Card_Option = StartMode::Visitor;
        ::CARD_SIDE_STR = CardSide::TwoSided;
        window->Title_For_Visitor();
        window->Reset_All_Visitor_Grp_Mode_Ctrl();
        window->Show_Hide_Profile_Panel_Live_Mode(true);
    }
    void TearDown() override {
        ::Start_Card_Option = StartMode::Template;
        window->Title_For_Gen_ID_Card();
        MainWindowTest::TearDown();
    }

    VisitorPanel& front() { return *Front_Profile_Panel_OBJ; }
    VisitorPanel& back() { return *Back_Profile_Panel_OBJ; }
    static int slotOf(const QString& id) { return VisitorPanel::slotOfId(id); }

    std::shared_ptr<SKTGraphic> graphic(const QString& id, int side = 0) {
        for (const auto& g : side == 0 ? window->Get_Front_Controls_Array() : window->Get_Back_Controls_Array())
            if (g->control_ID == id)
                return g;
        return nullptr;
    }
    int count(const QString& id, int side = 0) {
        int n = 0;
        for (const auto& g : side == 0 ? window->Get_Front_Controls_Array() : window->Get_Back_Controls_Array())
            n += g->control_ID == id;
        return n;
    }
    QString picture(const QString& name, QColor colour = Qt::red) {
        QImage image(40, 30, QImage::Format_RGB32);
        image.fill(colour);
        const QString path = data.filePath(name);
        EXPECT_TRUE(image.save(path));
        return path;
    }
    // A click as the user makes it: the box toggles, then its action runs.
    static void click(QAbstractButton* box) {
        box->setEnabled(true);
        box->click();
    }
};

}  // namespace zelk::test
