// The mail topic of the hub: the Mail command and the opener of the window
// that mails a visitor's details. The rules are in Send_Mail, Direct_Mail,
// Email_Setting and SendMailJob.
#include "mainwindow/SKTWindowController.h"

#include "mail/Direct_Mail.h"
#include "mail/MailWindows.h"
#include "mail/Send_Mail.h"

#include <QLineEdit>

void SKTWindowController::Mail_Button() {
    Check_Series_Or_Excel_Use_or_not();
    if (!Set_Front_Back_Value_To_Print_Export_Mail())
        return;
    Send_Mail::forHub(*this)->Open_Wnd();
}

void MailWindows::install(SKTWindowController& window) {
    window.directMailWindow = [&window](const QString& file_path) {
        Direct_Mail* mail = Direct_Mail::forHub(window);
        mail->file_path_ctrl->setText(file_path);
        return mail->Open_Wnd();
    };
}
