// The start chooser over the real main window, its windows played through
// the dialog runner.
#include "MainWindowTestSupport.h"

#include "canvas/SKTGraphicView.h"
#include "foundation/Units.h"
#include "mainwindow/AppGlobals.h"
#include "mainwindow/Card_Wizard.h"
#include "mainwindow/MainWindowStartSteps.h"
#include "mainwindow/StartChooserWindow.h"
#include "mainwindow/Template_Wizard.h"
#include "mainwindow/TemplateGallery.h"
#include "mainwindow/UserTemplates.h"

#include <QAction>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <deque>
#include <functional>
#include <gtest/gtest.h>

namespace {

using Play = std::function<int(QDialog*)>;

class StartRoads : public zelk::test::MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        runner = std::make_unique<zelk::test::ScopedDialogRunner>([this](QDialog* d) {
            shownDialogs << QString::fromLatin1(d->metaObject()->className());
            if (plays.empty())
                return 0;
            Play p = plays.front();
            plays.pop_front();
            return p(d);
        });
    }
    void TearDown() override {
        runner.reset();
        MainWindowTest::TearDown();
    }
    static Play choose(const char* mode) {
        return [mode](QDialog* d) {
            auto* w = static_cast<StartChooserWindow*>(d);
            w->modeButtons.value(QString::fromLatin1(mode))->click();
            return w->result();
        };
    }
    std::deque<Play> plays;
    QStringList shownDialogs;
    std::unique_ptr<zelk::test::ScopedDialogRunner> runner;
};

TEST_F(StartRoads, WizardMakesAnEmptyCr80Card) {
    SKTWindowController& w = open();
    w.Get_Front_Controls_Array() << zelk::makeGraphic(zelk::GraphicKind::Text);
    ::Excel_Source_Path = QStringLiteral("/tmp/book.xlsx");
    plays = {choose("W"), [](QDialog* d) {
                 auto* wiz = static_cast<Card_Wizard*>(d);
                 wiz->Category_ComboBox->setCurrentIndex(0);
                 wiz->Size_ComboBox->setCurrentIndex(0);  // CR80
                 wiz->landscape_btn->setChecked(true);
                 wiz->Sides_ComboBox->setCurrentIndex(1);
                 QStringList totals;
                 {
                     zelk::test::ScopedServices profiles(zelk::test::changed([&](zelk::Services& s) {
                         s.userProfile = [&](const QString& t) { totals << t; };
                     }));
                     wiz->User_Profile_Click();
                     wiz->Sides_ComboBox->setCurrentIndex(0);
                     wiz->User_Profile_Click();
                     wiz->Sides_ComboBox->setCurrentIndex(1);
                 }
                 EXPECT_EQ(totals, (QStringList{"1", "2"}));
                 wiz->OK_Clicked();
                 return wiz->result();
             }};
    EXPECT_EQ(MainWindowStartSteps::New_Project_And_Start(w), StartChooser::Started);
    EXPECT_EQ(shownDialogs, (QStringList{"StartChooserWindow", "Card_Wizard"}));
    EXPECT_EQ(::Start_Card_Option, QStringLiteral("W"));
    EXPECT_EQ(::CARD_SIDE_STR, QStringLiteral("1"));
    EXPECT_EQ(::Excel_Source_Path, QString());
    EXPECT_TRUE(w.Get_Front_Controls_Array().isEmpty());
    // The card tab applies the preset through its size fields, in single precision.
    EXPECT_NEAR(w.Front_card_Prop.Card_Size.width(), 85.6 * zelk::pointsPerMm, 1e-4);
    EXPECT_NEAR(w.Front_card_Prop.Card_Size.height(), 54.0 * zelk::pointsPerMm, 1e-4);
    EXPECT_FALSE(w._graphicView->canUndo());
    EXPECT_EQ(quitRequests, 0);
}

TEST_F(StartRoads, IncompleteStepsReturnToTheChooserAndExitEnds) {
    SKTWindowController& w = open();
    // The wizard refuses an empty custom size and is then cancelled; the
    // open panel is cancelled; the group road does not complete; Exit.
    plays = {choose("W"),
             [this](QDialog* d) {
                 auto* wiz = static_cast<Card_Wizard*>(d);
                 wiz->Size_ComboBox->setCurrentIndex(wiz->Size_ComboBox->count() - 1);
                 wiz->custom_width->setValue(0);
                 wiz->setResult(-1);
                 wiz->OK_Clicked();
                 EXPECT_EQ(wiz->result(), -1);
                 EXPECT_EQ(sink.shown.value(0), CardWizard::InvalidSizeMessage);
                 return 0;
             },
             choose("L"), choose("G"), [](QDialog* d) {
                 auto* c = static_cast<StartChooserWindow*>(d);
                 c->Exit_Clicked();
                 return c->result();
             }};
    EXPECT_EQ(MainWindowStartSteps::New_Project_And_Start(w), StartChooser::ApplicationEnded);
    EXPECT_EQ(shownDialogs.count(QStringLiteral("StartChooserWindow")), 4);
    EXPECT_EQ(quitRequests, 1);
}

TEST_F(StartRoads, TemplateRoadLoadsTheChosenShippedTemplate) {
    SKTWindowController& w = open();
    QString chosen;
    plays = {choose("T"), [&](QDialog* d) {
                 auto* g = static_cast<Template_Wizard*>(d);
                 // The gallery shows the shipped previews of the first category.
                 EXPECT_GE(g->imageBrowser->count(), 2);
                 g->template_category_combo->setCurrentIndex(4);  // Press
                 g->gallery.categorySelectionDidChange(g->template_category_combo->currentText());
                 g->reloadBrowser();
                 g->imageBrowser->setCurrentRow(1);
                 chosen = Selected_Template_Path;
                 QStringList totals;
                 {
                     zelk::test::ScopedServices profiles(zelk::test::changed([&](zelk::Services& s) {
                         s.userProfile = [&](const QString& t) { totals << t; };
                     }));
                     g->User_Profile_Click();
                 }
                 EXPECT_EQ(totals, QStringList{"2"});
                 g->OK_Clicked();
                 return g->result();
             }};
    EXPECT_EQ(MainWindowStartSteps::New_Project_And_Start(w), StartChooser::Started);
    EXPECT_TRUE(chosen.endsWith(QStringLiteral("Press/Press_Pass_P.png"))) << chosen.toStdString();
    EXPECT_EQ(::Start_Card_Option, QStringLiteral("T"));
    EXPECT_EQ(::Project_File_Name, QString());
    EXPECT_FALSE(w.Get_Front_Controls_Array().isEmpty());
    EXPECT_LT(w.Front_card_Prop.Card_Size.width(), w.Front_card_Prop.Card_Size.height());
    EXPECT_FALSE(w._graphicView->canUndo());
}

TEST_F(StartRoads, GalleryWithoutAChoiceAndTheVisitorCategory) {
    SKTWindowController& w = open();
    plays = {choose("V"), [&](QDialog* d) {
                 auto* g = static_cast<Template_Wizard*>(d);
                 for (const MyImageObject& e : g->gallery.images)
                     EXPECT_TRUE(e.imageUID().startsWith(QStringLiteral("Visitor/"))) << e.imageUID().toStdString();
                 EXPECT_FALSE(g->template_category_combo->isEnabled());
                 Selected_Template_Path.clear();
                 g->setResult(-1);
                 g->OK_Clicked();
                 g->User_Profile_Click();
                 EXPECT_EQ(g->result(), -1);
                 return 0;
             }};
    EXPECT_EQ(MainWindowStartSteps::New_Project_And_Start(w), StartChooser::ApplicationEnded);
    EXPECT_EQ(sink.shown, (QStringList{UserTemplates::SelectTemplateMessage, UserTemplates::SelectTemplateMessage}));
}

}  // namespace
