#include "datasource/InUseAlert.h"

#include "dialogs/DialogRunner.h"
#include "dialogs/DialogStyle.h"

#include <QCheckBox>
#include <QDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

bool zelk::InUseAlert::show(const QString& text, bool applyToAll) {
    QDialog alert;
    alert.setObjectName(QStringLiteral("InUseAlert"));
    alert.setWindowTitle(QStringLiteral("Series is in use"));
    applyDialogBackground(&alert);
    auto* layout = new QVBoxLayout(&alert);
    auto* top = new QHBoxLayout;
    auto* icon = new QLabel(&alert);
    icon->setPixmap(alert.style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(48, 48));
    top->addWidget(icon, 0, Qt::AlignTop);
    auto* message = new QLabel(text, &alert);
    message->setObjectName(QStringLiteral("message"));
    message->setWordWrap(true);
    message->setMinimumWidth(320);
    top->addWidget(message, 1);
    layout->addLayout(top);
    auto* check = new QCheckBox(QStringLiteral("Apply to All"), &alert);
    check->setChecked(applyToAll);
    layout->addWidget(check);
    auto* row = new QHBoxLayout;
    row->addStretch();
    auto* ok = new QPushButton(QStringLiteral("OK"), &alert);
    ok->setDefault(true);
    row->addWidget(ok);
    layout->addLayout(row);
    QObject::connect(ok, &QPushButton::clicked, &alert, &QDialog::accept);
    DialogRunner::run(&alert);
    return check->isChecked();
}
