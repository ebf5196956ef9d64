#include "dialogs/Long_SMS_Dlg.h"

#include "dialogs/DialogGlobals.h"
#include "dialogs/DialogRunner.h"
#include "dialogs/DialogStyle.h"
#include "dialogs/TextBox.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

Long_SMS_Dlg* Long_SMS_Dlg::defaultInstance() {
    static Long_SMS_Dlg* instance = new Long_SMS_Dlg();
    return instance;
}

Long_SMS_Dlg::Long_SMS_Dlg(QWidget* parent) : QDialog(parent) {
    zelk::applyDialogBackground(this);
    setModal(true);
    resize(440, 260);
    auto* layout = new QVBoxLayout(this);
    _Msg_Title = new QLabel(this);
    QFont bold = _Msg_Title->font();
    bold.setBold(true);
    _Msg_Title->setFont(bold);
    _Msg_Title->setWordWrap(true);
    layout->addWidget(_Msg_Title);
    _Msg_Val = new zelk::TextBox(this);
    _Msg_Val->setReadOnly(true);
    _Msg_Val->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    layout->addWidget(_Msg_Val, 1);
    auto* row = new QHBoxLayout;
    apply_chk = new QCheckBox(QStringLiteral("Apply to All"), this);
    row->addWidget(apply_chk);
    row->addStretch();
    no_button = new QPushButton(QStringLiteral("No"), this);
    yes_button = new QPushButton(QStringLiteral("OK"), this);
    yes_button->setDefault(true);
    row->addWidget(no_button);
    row->addWidget(yes_button);
    layout->addLayout(row);
    connect(yes_button, &QPushButton::clicked, this, &Long_SMS_Dlg::OKPressed);
}

int Long_SMS_Dlg::Open_Long_sms_Dialog() {
    _Msg_Title->setText(Cutom_Msg_Title);
    _Msg_Val->setPlainText(Cutom_Msg_Val);
    no_button->hide();
    yes_button->setText(QStringLiteral("OK"));
    apply_chk->hide();
    modl_response = 0;
    return zelk::DialogRunner::run(this);
}

void Long_SMS_Dlg::OKPressed() {
    Msg_Apply_All_Chk = apply_chk->isChecked();
    modl_response = 1;
    done(1);
}
