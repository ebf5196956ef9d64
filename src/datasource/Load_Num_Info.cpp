#include "datasource/Load_Num_Info.h"

#include "dialogs/DialogStyle.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

Load_Num_Info::Load_Num_Info(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("Load_Num_Info"));
    setWindowTitle(QStringLiteral("Add Values"));
    zelk::applyDialogBackground(this);
    auto* layout = new QVBoxLayout(this);
    auto* text = new QLabel(QStringLiteral("The list already holds values.\n"
                                           "Do you want to remove them before the new values are added?"),
                            this);
    layout->addWidget(text);
    auto* row = new QHBoxLayout;
    row->addStretch();
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    auto* no = new QPushButton(QStringLiteral("No"), this);
    auto* yes = new QPushButton(QStringLiteral("Yes"), this);
    yes->setDefault(true);
    row->addWidget(cancel);
    row->addWidget(no);
    row->addWidget(yes);
    layout->addLayout(row);
    connect(yes, &QPushButton::clicked, this, &Load_Num_Info::YESPressed);
    connect(no, &QPushButton::clicked, this, &Load_Num_Info::NOPressed);
    connect(cancel, &QPushButton::clicked, this, &Load_Num_Info::CancelPressed);
}

void Load_Num_Info::YESPressed() { done(1); }

void Load_Num_Info::NOPressed() { done(0); }

void Load_Num_Info::CancelPressed() { done(-1); }
