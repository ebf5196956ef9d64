#include "groups/CreateFolder.h"

#include "dialogs/DialogRunner.h"
#include "dialogs/DialogStyle.h"
#include "foundation/Utilities.h"
#include "groups/GroupProjects.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

CreateFolder::CreateFolder(QWidget* parent) : QDialog(parent) {
    zelk::applyDialogBackground(this);
    setWindowTitle(QStringLiteral("New Folder"));
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    folder_combo = new QComboBox(this);
    folder_combo->setMinimumWidth(260);
    folder_name = new QLineEdit(this);
    form->addRow(QStringLiteral("Parent folder :"), folder_combo);
    form->addRow(QStringLiteral("Folder name :"), folder_name);
    layout->addLayout(form);
    auto* row = new QHBoxLayout;
    const auto [ok, cancel] = zelk::addOkCancelButtons(this, row);
    layout->addLayout(row);
    connect(ok, &QPushButton::clicked, this, &CreateFolder::OKPressed);
    connect(cancel, &QPushButton::clicked, this, &CreateFolder::CancelPressed);
}

int CreateFolder::Open_Wnd() {
    return zelk::DialogRunner::run(this) == 1 ? 1 : 0;
}

void CreateFolder::OKPressed() {
    QString relative;
    const QString parent = folder_combo->currentIndex() < 0 ? QString() : folder_combo->currentText();
    switch (GroupProjects::createFolder(folder_name->text(), parent, &relative)) {
    case GroupProjects::FolderNameEmpty:
        Show_MessageBox(EnterNameMessage);
        return;
    case GroupProjects::FolderNoParent:
        Show_MessageBox(SelectPathMessage);
        return;
    case GroupProjects::FolderExists:
        Show_MessageBox(ExistsMessage);
        return;
    case GroupProjects::FolderFailed:
        // Closing as if it had worked would leave the user looking for it.
        Show_MessageBox(AccessErrorMessage);
        return;
    case GroupProjects::FolderMade:
        break;
    }
    if (add_new_folder)
        *add_new_folder = relative;
    folder_name->clear();
    done(1);
}

void CreateFolder::CancelPressed() {
    if (add_new_folder)
        add_new_folder->clear();
    folder_name->clear();
    done(0);
}
