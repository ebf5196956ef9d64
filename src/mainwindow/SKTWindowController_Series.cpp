// The main window's series commands: the series manager, the import wizard
// and the generator. Their windows live in datasource; here they get the
// in-use guard of the design on screen while they run.
#include "datasource/BatchWizard.h"
#include "datasource/Generate_List.h"
#include "datasource/Import_Wizard.h"
#include "datasource/SeriesSupport.h"
#include "mainwindow/SKTWindowController.h"

namespace {

// The series windows ask the design on screen whether a series is bound,
// for as long as the command runs.
class ScopedInUseCheck {
public:
    explicit ScopedInUseCheck(const SKTWindowController* window)
        : previous_(zelk::series::setInUseCheck(
              [window](const QString& name) { return window->Check_Batch_File_In_Use_Validation(name); })) {}
    ~ScopedInUseCheck() { zelk::series::setInUseCheck(std::move(previous_)); }
    ScopedInUseCheck(const ScopedInUseCheck&) = delete;
    ScopedInUseCheck& operator=(const ScopedInUseCheck&) = delete;

private:
    zelk::series::InUseCheck previous_;
};

}  // namespace

void SKTWindowController::Batch_Series_Button() {
    {
        ScopedInUseCheck guard(this);
        BatchWizard::defaultInstance()->Open_Wnd();
    }
    Refresh_All_Series_Combobox();
}

void SKTWindowController::Import_Wizard_Button() {
    {
        ScopedInUseCheck guard(this);
        Import_Wizard* wizard = Import_Wizard::defaultInstance();
        wizard->file_name_required = 1;
        wizard->file_name_Insert = 0;
        wizard->Open_Wnd();
    }
    Refresh_All_Series_Combobox();
}

void SKTWindowController::Create_Series_Button() {
    {
        ScopedInUseCheck guard(this);
        Generate_List* generator = Generate_List::defaultInstance();
        generator->file_name_required = 1;
        generator->file_name_Insert = 0;
        generator->Open_Wnd();
    }
    Refresh_All_Series_Combobox();
}
