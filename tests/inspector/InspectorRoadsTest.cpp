// The inspector after the start roads, and the keyboard focus while the
// panels write.
#include "InspectorTestSupport.h"

#include "canvas/ToolKind.h"
#include "canvas/ToolPalette.h"
#include "dialogs/DialogRunner.h"
#include "inspector/TextPanel.h"
#include "mainwindow/Card_Wizard.h"
#include "mainwindow/MainWindowStartSteps.h"
#include "mainwindow/StartChooserWindow.h"
#include "mainwindow/Template_Wizard.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <deque>

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
    const std::pair<const char*, Play> roads[] = {
        {"L", nullptr},
        {"T",
         [](QDialog* d) {
             auto* gallery = static_cast<Template_Wizard*>(d);
             gallery->imageBrowser->setCurrentRow(0);
             gallery->OK_Clicked();
             return gallery->result();
         }},
        {"W",
         [](QDialog* d) {
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

}  // namespace
}  // namespace zelk::test
