#include "dialogs/PleaseWait_Modeless.h"

#include "dialogs/DialogStyle.h"

#include <QCoreApplication>
#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

PleaseWait_Modeless::PleaseWait_Modeless(QWidget* parent) : QDialog(parent) {
    zelk::applyDialogBackground(this);
    setWindowFlag(Qt::FramelessWindowHint, true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Please wait..."), this));
    auto* busy = new QProgressBar(this);
    busy->setRange(0, 0);
    busy->setMinimumWidth(240);
    layout->addWidget(busy);
}

void PleaseWait_Modeless::beginSheet(QWidget* owner) {
    if (owner && parentWidget() != owner)
        setParent(owner, windowFlags());
    setWindowModality(Qt::WindowModal);
    show();
    raise();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void PleaseWait_Modeless::endSheet() {
    if (!isVisible())
        return;
    // The keyboard the window manager gave the sheet reaches it before it
    // goes, so that it goes back with it: taken after, it would stay with
    // the hidden sheet and the owner would take no keys.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    const bool hadKeyboard = isActiveWindow();
    hide();
    if (hadKeyboard && parentWidget())
        parentWidget()->window()->activateWindow();
}
