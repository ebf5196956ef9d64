#include "mainwindow/Export_Template.h"

#include "dialogs/DialogRunner.h"
#include "dialogs/DialogStyle.h"
#include "foundation/Utilities.h"
#include "mainwindow/AppGlobals.h"
#include "mainwindow/DesignFile.h"
#include "mainwindow/UserTemplates.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

Export_Template* Export_Template::defaultInstance() {
    static Export_Template* instance = new Export_Template();
    return instance;
}

Export_Template::Export_Template(QWidget* parent) : QDialog(parent) {
    zelk::applyDialogBackground(this);
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    template_name = new QLineEdit(this);
    template_name->setMinimumWidth(280);
    template_name_label = new QLabel(TemplateNameCaption, this);
    form->addRow(template_name_label, template_name);
    layout->addLayout(form);
    auto* buttons = new QHBoxLayout;
    const auto [ok, cancel] = zelk::addOkCancelButtons(this, buttons);
    layout->addLayout(buttons);
    connect(ok, &QPushButton::clicked, this, &Export_Template::OKPressed);
    connect(cancel, &QPushButton::clicked, this, &Export_Template::CancelPressed);
}

int Export_Template::Open_Wnd(const QString& title, const QString& caption) {
    setWindowTitle(title);
    template_name_label->setText(caption);
    return zelk::DialogRunner::run(this) == 1 ? 1 : 0;
}

void Export_Template::OKPressed() {
    QString name;
    if (nameCheck) {
        if (!nameCheck(template_name->text(), &name))
            return;
        export_template_name = name;
        done(1);
        return;
    }
    switch (UserTemplates::checkTemplateName(template_name->text(), template_passed, &name)) {
    case UserTemplates::NameEmpty:
        Show_MessageBox(UserTemplates::EnterNameMessage);
        return;
    case UserTemplates::NameTaken:
        Show_MessageBox(UserTemplates::ExistsMessage);
        return;
    case UserTemplates::AskReplace:
        if (Show_YES_NO_MessageBox(UserTemplates::ReplaceQuestion) != 1)
            return;
        break;
    case UserTemplates::NameAccepted:
        break;
    }
    export_template_name = name;
    done(1);
}

void Export_Template::CancelPressed() {
    template_name->clear();
    done(0);
}

int Export_Template::Export_As_Template_Clicked(const zelk::DesignContents& design) {
    Export_Template* dialog = defaultInstance();
    dialog->template_name->clear();
    dialog->template_passed.clear();
    if (dialog->Open_Wnd(ExportTitle) != 1)
        return 0;
    QString error;
    if (!UserTemplates::exportAsTemplate(export_template_name, design, UserTemplates::previewOf(design), &error)) {
        Show_MessageBox(error);
        return 0;
    }
    return 1;
}
