// Typing into a text records no undo step, but what was typed is where the
// next step starts: Undo of a step of any kind keeps it, Undo once more
// takes the typing back, and Redo gives back both, on either side. Each
// press of Undo or Redo gives back one step: what saving writes changes
// with every press, and none is left over.
#include "../mainwindow/MainWindowTestSupport.h"

#include "canvas/SKTGraphicView.h"
#include "canvas/ToolKind.h"
#include "foundation/GraphicArchive.h"
#include "foundation/SKTLine.h"
#include "foundation/SKTText.h"
#include "inspector/ColorWell.h"
#include "inspector/InspectorPanels.h"
#include "inspector/TextPanel.h"
#include "mainwindow/AppGlobals.h"
#include "mainwindow/DesignFile.h"
#include "visitors/VisitorPanel.h"

#include <QAction>
#include <QPlainTextEdit>
#include <functional>

namespace zelk::test {
namespace {

using Step = std::function<void(SKTWindowController&, SKTGraphicView&, const std::shared_ptr<SKTGraphic>& other)>;

// What saving the design writes: a press that leaves it as it was did
// nothing the user can see.
QByteArray saved(const SKTWindowController& w) {
    return DesignFile::designFileData(w.currentDesignContents(), StartMode::DesignFile);
}

void select(SKTWindowController& w, SKTGraphicView& canvas, const std::shared_ptr<SKTGraphic>& g) {
    canvas.setSelectionIndexes({int(canvas.graphics().indexOf(g))});
    canvas.setSelected_Graphic(g);
    w.Show_RHS_Properties(g.get());
}

class UndoKeepsTypedText : public MainWindowTest {
protected:
    void TearDown() override {
        ::Fill_User_Profile = false;
        if (window && ::Start_Card_Option == StartMode::Visitor)
            window->Title_For_Gen_ID_Card();
        ::Start_Card_Option = StartMode::Template;
        ::Card_Front_Or_Back = CardSide::Front;
        MainWindowTest::TearDown();
    }
    // The text typed into (whatever the steps did to the side's order).
    std::string typedText(const SKTGraphicView& canvas) {
        QStringList found;
        for (const auto& g : canvas.graphics())
            if (g->Text_Value == QLatin1String("Manager") || g->Text_Value == QLatin1String("Director"))
                found << g->Text_Value;
        EXPECT_EQ(found.size(), 1) << found.join(QLatin1Char(' ')).toStdString();
        return found.value(0).toStdString();
    }
};

TEST_F(UndoKeepsTypedText, EachPressGivesBackOneStepAndUndoOfTheNextStepKeepsWhatWasTyped) {
    struct Case {
        std::string step;
        bool visitorDesk;
        Step run;
    };
    std::vector<Case> cases = {
        {"a writer of the inspector", false,
         [](SKTWindowController& w, SKTGraphicView&, const auto&) {
             w.inspector()->text->Text_clr->setColor(Qt::red);
             w.Update_Text_Graphics();
         }},
        {"delete", false,
         [](SKTWindowController& w, SKTGraphicView& canvas, const auto& other) {
             select(w, canvas, other);
             w.actionNamed(QStringLiteral("Delete_Button"))->trigger();
         }},
        {"paste", false,
         [](SKTWindowController& w, SKTGraphicView& canvas, const auto& other) {
             select(w, canvas, other);
             canvas.copy();
             w.actionNamed(QStringLiteral("Paste_Button"))->trigger();
         }},
        {"align", false,
         [](SKTWindowController& w, SKTGraphicView& canvas, const auto& other) {
             select(w, canvas, other);
             w.Align_Right_Clicked();
         }},
        {"the card face, copied from the other side", false,
         [this](SKTWindowController& w, SKTGraphicView&, const auto&) {
             sink.answers.push_back(MessageAnswer::Yes);  // replace this side
             const bool back = ::Card_Front_Or_Back == CardSide::Back;
             back ? w.Select_front_side() : w.Select_back_side();
             w.Copy_Card_Design_Clicked();
             back ? w.Select_back_side() : w.Select_front_side();
         }},
        {"a profile stamping", false,
         [](SKTWindowController& w, SKTGraphicView&, const auto&) {
             ::Fill_User_Profile = true;
             w.Front_user_profile.setName(QStringLiteral("Ann"));
             w.Back_user_profile.setName(QStringLiteral("Ann"));
             ::Card_Front_Or_Back == CardSide::Back ? w.Fill_User_profile_info_back_side()
                                                    : w.Fill_User_profile_info_front_side();
         }},
        {"Add Field on the visitor desk", true,
         [](SKTWindowController&, SKTGraphicView&, const auto&) {
             VisitorPanel* panel = Front_Profile_Panel_OBJ;
             if (::Card_Front_Or_Back == CardSide::Back)
                 panel = Back_Profile_Panel_OBJ;
             panel->Add_New_Label_Clicked();
         }},
        // Placing a text and typing it in place is one step.
        {"the Text tool, typed in place", false,
         [](SKTWindowController& w, SKTGraphicView& canvas, const auto&) {
             w.actionNamed(QStringLiteral("tool_%1").arg(TextTool))->trigger();
             ASSERT_TRUE(canvas.isEditing());
             QTest::keyClicks(canvas.editor(), "Jane Doe");
             canvas.endEditing(true);
         }},
    };
    // Each drawing tool of the toolbar. The Text tool's is the row above: a
    // text it places and nobody types into goes again with its step.
    const std::pair<int, const char*> tools[] = {
        {ImageTool, "Image"},     {BarcodeTool, "Barcode"},     {LineTool, "Line"},
        {RectangleTool, "Rectangle"}, {RoundedRectangleTool, "Rounded"},
        {CircleTool, "Circle"},   {TriangleTool, "Triangle"},   {DiamondTool, "Diamond"},
        {StarTool, "Star"},       {DoubleStarTool, "Double Star"}, {PolygonTool, "Polygon"},
        {SignatureTool, "Signature"},
    };
    for (const auto& [tool, name] : tools)
        cases.push_back({std::string("the ") + name + " tool", false,
                         [tool](SKTWindowController& w, SKTGraphicView&, const auto&) {
                             w.actionNamed(QStringLiteral("tool_%1").arg(tool))->trigger();
                         }});

    for (const auto& c : cases) {
        for (const bool back : {false, true}) {
            for (const bool typed : {true, false}) {
                SCOPED_TRACE(c.step + (back ? " on the back" : " on the front") + (typed ? ", after typing" : ""));
                window.reset();
                SKTWindowController& w = open();
                ::CARD_SIDE_STR = CardSide::TwoSided;
                if (c.visitorDesk) {
                    ::Start_Card_Option = StartMode::Visitor;
                    w.Title_For_Visitor();
                    w.Reset_All_Visitor_Grp_Mode_Ctrl();
                    w.Show_Hide_Profile_Panel_Live_Mode(true);
                }
                back ? w.Select_back_side() : w.Select_front_side();
                // The sides differ, so that a copy of one onto the other is a change.
                for (GraphicList* side : {&w.Get_Front_Controls_Array(), &w.Get_Back_Controls_Array()}) {
                    auto text = std::make_shared<SKTText>();
                    text->setBounds(QRectF(20, 20, 90, 20));
                    text->Set_text_value("Manager");
                    auto line = std::make_shared<SKTLine>();
                    line->setBounds(QRectF(20, 60, side == &w.Get_Back_Controls_Array() ? 80 : 60, 2));
                    *side << text << line;
                }
                SKTGraphicView& canvas = *w.currentCanvas();
                canvas.resetUndoHistory();
                // What each press of Undo gives back, the last first.
                QList<QByteArray> states{saved(w)};
                select(w, canvas, canvas.graphics().at(0));
                if (typed) {
                    QPlainTextEdit* edit = w.inspector()->text->Text_value_Edit;
                    edit->selectAll();
                    QTest::keyClicks(edit, "Director");
                    ASSERT_EQ(typedText(canvas), "Director");
                    states << saved(w);
                }

                c.run(w, canvas, canvas.graphics().at(1));
                states << saved(w);
                ASSERT_TRUE(states.last() != states.at(states.size() - 2)) << "the step changed nothing";

                QAction* undo = w.actionNamed(QStringLiteral("Undo_Button"));
                QAction* redo = w.actionNamed(QStringLiteral("Redo_Button"));
                for (qsizetype i = states.size() - 2; i >= 0; --i) {
                    ASSERT_TRUE(undo->isEnabled()) << "left to undo: " << i + 1;
                    undo->trigger();
                    EXPECT_TRUE(saved(w) == states.at(i)) << "undone to " << i;
                }
                EXPECT_EQ(typedText(canvas), "Manager");
                EXPECT_FALSE(undo->isEnabled());
                for (qsizetype i = 1; i < states.size(); ++i) {
                    ASSERT_TRUE(redo->isEnabled()) << "left to redo: " << states.size() - i;
                    redo->trigger();
                    EXPECT_TRUE(saved(w) == states.at(i)) << "redone to " << i;
                }
                EXPECT_FALSE(redo->isEnabled());
            }
        }
    }
}

}  // namespace
}  // namespace zelk::test
