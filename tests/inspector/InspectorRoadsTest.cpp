// The inspector after the start roads, the keyboard focus while the panels
// write, and the Text tab while the user types on the card.
#include "InspectorTestSupport.h"

#include "canvas/ToolKind.h"
#include "canvas/ToolPalette.h"
#include "dialogs/DialogRunner.h"
#include "inspector/AlignPanel.h"
#include "inspector/LinePanel.h"
#include "inspector/ShapePanel.h"
#include "inspector/TextPanel.h"
#include "mainwindow/Card_Wizard.h"
#include "mainwindow/MainWindowStartSteps.h"
#include "mainwindow/StartChooserWindow.h"
#include "mainwindow/Template_Wizard.h"

#include <QApplication>
#include <QComboBox>
#include <QImage>
#include <QDoubleSpinBox>
#include <QSpinBox>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <deque>
#include <functional>

namespace zelk::test {
namespace {

using Play = std::function<int(QDialog*)>;

TEST_F(InspectorTest, AfterTheOpenTemplateAndWizardRoadsTheFirstClickLoadsTheInspector) {
    add(GraphicKind::Shape, QRectF(40, 40, 80, 50))->_isDrawingFill = true;
    nextSavePath = data.filePath(QStringLiteral("road.did"));
    ASSERT_EQ(w->Save_project_file(true, false, QStringLiteral("L")), 1);
    const QString path = nextSavePath;
    ScopedServices openPath(changed([path](Services& s) {
        s.chooseOpenPath = [path](QWidget*, const QString&, const QString&) { return path; };
    }));

    std::deque<Play> plays;
    ScopedDialogRunner runner([&](QDialog* d) {
        if (plays.empty())
            return 0;
        const Play play = plays.front();
        plays.pop_front();
        return play(d);
    });
    const auto choose = [](const char* mode) -> Play {
        return [mode](QDialog* d) {
            auto* chooser = static_cast<StartChooserWindow*>(d);
            chooser->modeButtons.value(QString::fromLatin1(mode))->click();
            return chooser->result();
        };
    };
    // A profile given in the gallery or the wizard is stamped on its design.
    ScopedServices profile(
        changed([this](Services& s) { s.fillUserProfileDetails = [this] { w->Fill_User_profile_Details(); }; }));
    const auto giveProfile = [this] {
        ::Fill_User_Profile = true;
        w->Front_user_profile.setName(QStringLiteral("Ann Lee"));
    };
    const std::pair<const char*, Play> roads[] = {
        {"L", nullptr},
        {"T",
         [&](QDialog* d) {
             giveProfile();
             auto* gallery = static_cast<Template_Wizard*>(d);
             gallery->imageBrowser->setCurrentRow(0);
             gallery->OK_Clicked();
             return gallery->result();
         }},
        {"W",
         [&](QDialog* d) {
             giveProfile();
             auto* wizard = static_cast<Card_Wizard*>(d);
             wizard->OK_Clicked();
             return wizard->result();
         }},
    };
    for (const auto& [mode, play] : roads) {
        SCOPED_TRACE(mode);
        plays = {choose(mode)};
        if (play)
            plays.push_back(play);
        ASSERT_EQ(MainWindowStartSteps::New_Project_And_Start(*w), StartChooser::Started);
        // Undo starts from the design the road gives.
        EXPECT_FALSE(w->_graphicView->canUndo() || w->_graphicView_BACK->canUndo());
        EXPECT_FALSE(::Not_Draw_Only_Prop_Change);
        if (w->Get_Front_Control_Count() == 0) {  // the wizard's card is empty
            w->toolPalette()->selectTool(RectangleTool);
            w->Get_Front_Controls_Array().first()->_isDrawingFill = true;
        }
        w->Show_RHS_Properties(nullptr);
        ASSERT_EQ(p->properties_title->text(), QStringLiteral("Card Properties"));

        // A click on the middle of the topmost graphic found there.
        const GraphicList& all = w->_graphicView->graphics();
        QPointF middle;
        for (const auto& g : all)
            if (w->_graphicView->graphicIndexUnderPoint(g->bounds().center()) == all.indexOf(g)) {
                middle = g->bounds().center();
                break;
            }
        QTest::mouseClick(w->_graphicView, Qt::LeftButton, {}, w->_graphicView->widgetPoint(middle).toPoint());
        ASSERT_NE(w->Get_Selected_Graphic(), nullptr);
        EXPECT_EQ(p->Last_Selected_Graphic.lock(), w->Get_Selected_Graphic());
        EXPECT_NE(p->properties_title->text(), QStringLiteral("Card Properties"));
    }
}

// Each tool in turn, after a line was shown: the inspector loads the graphic
// the tool placed, so the panels write into it and not into the one before.
TEST_F(InspectorTest, EveryDrawingToolShowsItsNewGraphicInTheInspector) {
    auto line = add(GraphicKind::Line);
    select({line});
    ASSERT_EQ(p->properties_title->text(), QStringLiteral("Line Properties"));
    const struct {
        int tool;
        const char* title;
        const char* shapeTitle;  // the shape tab's own title
    } tools[] = {
        {RectangleTool, "Shape Properties", "Rectangle Settings"},
        {RoundedRectangleTool, "Shape Properties", "Rounded Rectangle Settings"},
        {CircleTool, "Shape Properties", "Ellipse Settings"},
        {LineTool, "Line Properties", nullptr},
        {TextTool, "Text Properties", nullptr},
        {ImageTool, "Image Properties", nullptr},
        {SignatureTool, "Signature Properties", nullptr},
        {BarcodeTool, "Barcode Properties", nullptr},
        {TriangleTool, "Shape Properties", "Triangle Settings"},
        {DiamondTool, "Shape Properties", "Diamond Settings"},
        {StarTool, "Shape Properties", "Star Settings"},
        {DoubleStarTool, "Shape Properties", "Double Star Settings"},
        {PolygonTool, "Shape Properties", "Polygon Settings"},
        {LineTool, "Line Properties", nullptr},  // the same kind as the graphic before
    };
    for (const auto& t : tools) {
        SCOPED_TRACE(t.title + std::string(" ") + std::to_string(t.tool));
        const std::shared_ptr<SKTGraphic> before = p->Last_Selected_Graphic.lock();
        w->toolPalette()->selectTool(t.tool);
        const std::shared_ptr<SKTGraphic> made = w->Get_Selected_Graphic();
        ASSERT_NE(made, nullptr);
        ASSERT_NE(made, before);
        EXPECT_EQ(p->Last_Selected_Graphic.lock(), made);
        EXPECT_EQ(p->properties_title->text(), QString::fromLatin1(t.title));
        if (t.shapeTitle) {
            EXPECT_EQ(p->shape->Shape_prop_title->text(), QString::fromLatin1(t.shapeTitle));
        }
        EXPECT_DOUBLE_EQ(p->align->frame_main_pic_X_pos->value(), made->xPosition());
        EXPECT_DOUBLE_EQ(p->align->frame_main_pic_Y_pos->value(), made->yPosition());
        EXPECT_EQ(w->toolPalette()->Selected_Control_Tool(), ArrowTool);
    }
    // The line panel now writes into the new line.
    const std::shared_ptr<SKTGraphic> last = w->Get_Selected_Graphic();
    p->line->Line_Wdt_Stepper->setValue(7);
    EXPECT_DOUBLE_EQ(last->_strokeWidth, 7.0);
}

// Each panel write to a text starts the canvas's editor over it; the canvas
// still looks as the card does, and Escape or a click in the panel, where
// the keyboard stays, ends the editing.
TEST_F(InspectorTest, ARestyledTextShowsNoEditorBoxAndThePanelCanEndTheEditing) {
    auto g = add(GraphicKind::Text, QRectF(30, 40, 120, 24));
    g->Set_text_value(QStringLiteral("Ana Lucia"));
    w->show();
    w->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w));
    select({g});
    TextPanel* t = p->text;
    const struct {
        const char* note;
        std::function<void()> restyle;
        std::function<void()> end;
    } cases[] = {
        {"alignment, then Escape in the list",
         [&] { t->Text_align_combo->setCurrentIndex(1); },
         [&] { QTest::keyClick(t->Text_align_combo, Qt::Key_Escape); }},
        {"rotation, then a click on the panel's title",
         [&] { t->txt_rotation_slidr_val->setValue(30); },
         [&] { QTest::mouseClick(p->properties_title, Qt::LeftButton); }},
        {"case, then Escape in the canvas",
         [&] { t->Text_case_combo->setCurrentIndex(1); },
         [&] { QTest::keyClick(w->_graphicView, Qt::Key_Escape); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.note);
        c.restyle();
        ASSERT_TRUE(w->_graphicView->isEditing());
        const QImage editing = w->_graphicView->grab().toImage();
        c.end();
        EXPECT_FALSE(w->_graphicView->isEditing());
        EXPECT_EQ(w->_graphicView->grab().toImage(), editing);
    }
    EXPECT_EQ(g->text_alignmnet, 1);
    EXPECT_EQ(g->text_rotation, 30);
    EXPECT_EQ(g->Text_Value, QStringLiteral("Ana Lucia"));
}

TEST_F(InspectorTest, WritingATextLeavesTheKeyboardInThePanel) {
    auto g = add(GraphicKind::Text);
    w->show();
    w->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w));
    select({g});
    QPlainTextEdit* edit = p->text->Text_value_Edit;
    edit->setFocus();
    QTest::keyClicks(edit, QStringLiteral("Ab"));
    p->text->Text_case_combo->setCurrentIndex(1);  // the writer opens the canvas's editor
    EXPECT_TRUE(w->_graphicView->isEditing());
    EXPECT_EQ(QApplication::focusWidget(), edit);
    EXPECT_EQ(g->Text_Value, QStringLiteral("Ab"));

    // Choosing a picture with two images selected is refused.
    auto a = add(GraphicKind::Image), b = add(GraphicKind::Image);
    select({a, b}, false);
    EXPECT_TRUE(w->Check_Multiple_Image_Selection(QStringLiteral("Browse"), true));
    EXPECT_EQ(sink.shown, QStringList{"Please select only one image control to 'Browse Image'."});
}

// A text placed with the Text tool and typed in place shows in the Text
// tab's box as it is typed; Escape gives the box back what the card keeps.
TEST_F(InspectorTest, TheTextTabShowsWhatIsTypedInPlace) {
    w->toolPalette()->selectTool(TextTool);
    const std::shared_ptr<SKTGraphic> g = w->Get_Selected_Graphic();
    ASSERT_TRUE(g && w->_graphicView->isEditing());
    QPlainTextEdit* box = p->text->Text_value_Edit;
    QTest::keyClicks(w->_graphicView->editor(), "Jane Doe");
    EXPECT_EQ(box->toPlainText().toStdString(), "Jane Doe");
    w->_graphicView->endEditing(true);
    EXPECT_EQ(g->Text_Value.toStdString(), "Jane Doe");
    EXPECT_EQ(box->toPlainText().toStdString(), "Jane Doe");

    w->_graphicView->startEditingGraphic(g);
    QTest::keyClick(w->_graphicView->editor(), Qt::Key_End);
    QTest::keyClicks(w->_graphicView->editor(), " Jr");
    EXPECT_EQ(box->toPlainText().toStdString(), "Jane Doe Jr");
    QTest::keyClick(w->_graphicView->editor(), Qt::Key_Escape);
    EXPECT_EQ(g->Text_Value.toStdString(), "Jane Doe");
    EXPECT_EQ(box->toPlainText().toStdString(), "Jane Doe");
}

}  // namespace
}  // namespace zelk::test
