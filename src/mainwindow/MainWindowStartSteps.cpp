#include "mainwindow/MainWindowStartSteps.h"

#include "canvas/SKTGraphicView.h"
#include "dialogs/Services.h"
#include "mainwindow/AppGlobals.h"
#include "mainwindow/CardWizard.h"
#include "mainwindow/Card_Wizard.h"
#include "mainwindow/DesignFile.h"
#include "mainwindow/SKTWindowController.h"
#include "mainwindow/StartChooserWindow.h"
#include "mainwindow/TemplateGallery.h"
#include "mainwindow/Template_Wizard.h"

#include <QAction>
#include <QStackedWidget>
#include <QTabWidget>

namespace {

void setDesignAreaVisible(SKTWindowController& w, bool visible) {
    if (w.myTargetView)
        w.myTargetView->setVisible(visible);
    if (w.sett_column)
        w.sett_column->setVisible(visible);
}

}  // namespace

StartChooser::Result MainWindowStartSteps::New_Project_And_Start(SKTWindowController& window) {
    window.New_Project();
    setDesignAreaVisible(window, false);
    MainWindowStartSteps steps(window);
    const StartChooser::Result result = StartChooser::Open_Start_Window(steps);
    if (result == StartChooser::Started) {
        setDesignAreaVisible(window, true);
        window.Set_Log_Name_In_Title();
        // What the chosen road made is the starting point: leaving it
        // untouched asks no save question.
        window.markDesignSaved();
    }
    return result;
}

void MainWindowStartSteps::beforeChooser() { window_.Show_Hide_Profile_Panel_Live_Mode(false); }

void MainWindowStartSteps::afterChooser() { window_.Title_For_Gen_ID_Card(); }

QString MainWindowStartSteps::chooseStartMode() {
    return StartChooserWindow::defaultInstance()->Open_Wnd();
}

void MainWindowStartSteps::chooserClosed() {
    ::Excel_Source_Path = QString();
    // The rows go; the data columns stay.
    window_.Clear_Delete_Excel_table_rows();
}

void MainWindowStartSteps::setStartMode(const QString& mode) {
    ::Start_Card_Option = mode;
}

void MainWindowStartSteps::endApplication() {
    // Without the exit questions: nothing has been designed yet.
    window_.hide();
    zelk::Services::current()->quit();
}

bool MainWindowStartSteps::loadChosenTemplate() {
    const QString design = TemplateGallery::designPathOfPreview(Selected_Template_Path);
    return window_.Read_and_load_design_Log_NEW_METHOD(design, DesignFile::TemplateMode, true) == 1;
}

bool MainWindowStartSteps::runTemplateGallery() {
    if (Template_Wizard::defaultInstance()->Open_Template_Window() != 1)
        return false;
    if (!loadChosenTemplate())
        return false;
    ::Start_Card_Option = QStringLiteral("T");
    return true;
}

bool MainWindowStartSteps::runCardWizard() {
    Card_Wizard* wizard = Card_Wizard::defaultInstance();
    if (wizard->Open_Wnd() != 1)
        return false;
    zelk::DesignContents design;
    if (!CardWizard::applyTo(wizard->choice(), design))
        return false;
    window_.applyDesignContents(design, false);
    ::Project_File_Name = QString();
    return true;
}

bool MainWindowStartSteps::runOpenDesign() {
    const QString path = zelk::chooseOpenPath(&window_, QStringLiteral("Open"),
                                              QStringLiteral("Design files (*.did)"));
    if (path.isEmpty())
        return false;
    return window_.Read_and_load_design_Log_NEW_METHOD(path, DesignFile::DesignMode, true) == 1;
}

bool MainWindowStartSteps::runVisitorRoad() {
    window_.Reset_All_Visitor_Grp_Mode_Ctrl();
    if (Template_Wizard::defaultInstance()->Open_Template_Window(QStringLiteral("V")) != 1)
        return false;
    window_.Title_For_Visitor();
    window_.Reset_All_Visitor_Grp_Mode_Ctrl();
    window_.change_Visitor_Side_View(0);
    setDesignAreaVisible(window_, true);
    if (!loadChosenTemplate())
        return false;
    ::Start_Card_Option = StartMode::Visitor;
    window_.Check_For_Defalut_Photo_Control();
    // A template's holder texts are samples ("Full Name"): the desk starts
    // with them hidden and its boxes empty, and what the receptionist types
    // shows in their places.
    for (SKTGraphicView* canvas : {window_._graphicView, window_._graphicView_BACK})
        if (canvas)
            canvas->Hide_all_Text_control_FUP_Control();
    window_.Show_Hide_Profile_Panel_Live_Mode(true);
    return true;
}

int MainWindowStartSteps::runGroupWizard() {
    return window_.Open_Group_Mode_Wizard ? window_.Open_Group_Mode_Wizard() : 0;
}

void MainWindowStartSteps::Load_Group_Mode_After_log_reading() {
    if (window_.Load_Group_Mode_After_log_reading)
        window_.Load_Group_Mode_After_log_reading();
}

void MainWindowStartSteps::Fill_User_profile_Details() {
    if (const auto services = zelk::Services::current(); services->fillUserProfileDetails)
        services->fillUserProfileDetails();
}

void MainWindowStartSteps::clearUndoStacks() { window_.startUndoHistory(); }

void MainWindowStartSteps::pushUndoSnapshot() {
    // The side as it is now is where undo starts. Clearing the stacks has
    // recorded it already: recording it once more would make a step that
    // changes nothing, and Undo would come on at the next refresh and go
    // back to the first holder under another selected line.
    if (SKTGraphicView* canvas = window_.currentCanvas())
        canvas->resetUndoHistory();
}

void MainWindowStartSteps::setUndoRedoEnabled(bool enabled) {
    for (const char* name : {"Undo_Button", "Redo_Button"})
        if (QAction* action = window_.actionNamed(QString::fromLatin1(name)))
            action->setEnabled(enabled);
}
