#include "production/Add_Print_Profile.h"

#include "dialogs/DialogRunner.h"
#include "dialogs/DialogStyle.h"
#include "dialogs/PageSetupPanel.h"
#include "foundation/AppPaths.h"
#include "foundation/Utilities.h"
#include "production/PrintGlobals.h"
#include "production/PrintProfileFile.h"

#include <QComboBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

Add_Print_Profile* Add_Print_Profile::defaultInstance() {
    static Add_Print_Profile* instance = new Add_Print_Profile();
    return instance;
}

Add_Print_Profile::Add_Print_Profile(QWidget* parent) : QDialog(parent) {
    zelk::applyDialogBackground(this);
    setWindowTitle(QStringLiteral("Print Profile"));
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    Profile_name = new QLineEdit(this);
    Profile_name->setObjectName(QStringLiteral("Profile_name"));
    Printer_ComboBox = new QComboBox(this);
    Printer_ComboBox->setObjectName(QStringLiteral("Printer_ComboBox"));
    form->addRow(QStringLiteral("Profile name:"), Profile_name);
    form->addRow(QStringLiteral("Printer:"), Printer_ComboBox);
    layout->addLayout(form);
    auto* row = new QHBoxLayout;
    const zelk::OkCancelButtons buttons = zelk::addOkCancelButtons(this, row);
    layout->addLayout(row);
    connect(buttons.ok, &QPushButton::clicked, this, &Add_Print_Profile::OKPressed);
    connect(buttons.cancel, &QPushButton::clicked, this, &Add_Print_Profile::CancelPressed);
}

int Add_Print_Profile::Open_Profile_Wnd(const QString& name, const QString& printer) {
    Printer_ComboBox->clear();
    Printer_ComboBox->addItems(zelk::PrintInfo::availablePrinterNames());
    Printer_ComboBox->setCurrentIndex(Printer_ComboBox->count() > 0 ? 0 : -1);
    if (!name.isEmpty() || !printer.isEmpty()) {
        const int at = Printer_ComboBox->findText(printer);
        if (at >= 0)
            Printer_ComboBox->setCurrentIndex(at);
    }
    return zelk::DialogRunner::run(this);
}

void Add_Print_Profile::OKPressed() {
    const QString printer = Trim_Str(Printer_ComboBox->currentText());
    if (printer.isEmpty()) {
        Show_MessageBox(QStringLiteral("Please select printer."));
        return;
    }
    const QString refusal = PrintProfileFile::nameRefusal(Profile_name->text());
    if (!refusal.isEmpty()) {
        Show_MessageBox(refusal);
        return;
    }
    const QString name = PrintProfileFile::cleanName(Profile_name->text());
    // Another profile of that name is replaced only when the user says so.
    if (name != pass_profile_name &&
        QFileInfo(PrintProfileFile::pathOf(print_profile_path, name)).isFile() &&
        Show_YES_NO_MessageBox(
            QStringLiteral("A print profile named '%1' already exists. Do you want to replace it?").arg(name)) != 1)
        return;
    custom_profile_Printer = printer;
    custom_print_profile_name = name;
    zelk::PrintInfo chosen = printInfo;
    chosen.setPrinterName(printer);
    if (!zelk::PageSetupPanel::run(this, chosen))
        return;
    printInfo = chosen;
    done(1);
}

void Add_Print_Profile::CancelPressed() {
    Profile_name->clear();
    done(0);
}
