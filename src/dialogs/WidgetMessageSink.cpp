#include "dialogs/WidgetMessageSink.h"

#include "dialogs/DialogStyle.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace zelk {

MessageAnswer WidgetMessageSink::show(MessageButtons buttons, const QString& text) {
    QMessageBox box(QApplication::activeWindow());
    box.setWindowModality(Qt::ApplicationModal);
    box.setWindowTitle(QApplication::applicationDisplayName());
    box.setText(text);
    box.setIcon(buttons == MessageButtons::Ok ? QMessageBox::Information : QMessageBox::Question);
    // A short message would make the box too narrow for its title.
    keepTitleWhole(&box);

    if (buttons == MessageButtons::Ok) {
        QPushButton* ok = box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
        box.setDefaultButton(ok);
        box.setEscapeButton(ok);
        box.exec();
        return MessageAnswer::Ok;
    }

    QPushButton* yes = box.addButton(QStringLiteral("Yes"), QMessageBox::YesRole);
    QPushButton* no = box.addButton(QStringLiteral("No"), QMessageBox::NoRole);
    QPushButton* cancel = nullptr;
    if (buttons == MessageButtons::YesNoCancel)
        cancel = box.addButton(QStringLiteral("Cancel"), QMessageBox::RejectRole);
    box.setDefaultButton(yes);
    box.setEscapeButton(cancel ? cancel : no);
    box.exec();

    if (box.clickedButton() == yes)
        return MessageAnswer::Yes;
    if (box.clickedButton() == no)
        return MessageAnswer::No;
    return cancel ? MessageAnswer::Cancel : MessageAnswer::No;
}

}  // namespace zelk
