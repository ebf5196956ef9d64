#include "dialogs/Replcae_Confirm_Box.h"

#include "dialogs/DialogGlobals.h"
#include "dialogs/DialogRunner.h"
#include "dialogs/DialogStyle.h"

#include <QApplication>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QThread>
#include <QVBoxLayout>

std::atomic<bool> Stop_SMS_Sending_Now{false};

namespace {

bool onGuiThread() {
    return QThread::currentThread() == qApp->thread();
}

// Runs `work` on the GUI thread and waits for it.
template <class F>
void onGui(F work) {
    if (onGuiThread())
        work();
    else
        QMetaObject::invokeMethod(qApp, work, Qt::BlockingQueuedConnection);
}

}  // namespace

Replcae_Confirm_Box* Replcae_Confirm_Box::defaultInstance() {
    static Replcae_Confirm_Box* instance = nullptr;
    // The window must belong to the GUI thread even when a worker asks first.
    onGui([] {
        if (!instance)
            instance = new Replcae_Confirm_Box();
    });
    return instance;
}

Replcae_Confirm_Box::Replcae_Confirm_Box(QWidget* parent) : QDialog(parent) {
    zelk::applyDialogBackground(this);
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    msg_label = new QLabel(this);
    msg_label->setWordWrap(true);
    msg_label->setMinimumWidth(360);
    layout->addWidget(msg_label);
    Apply_All_Chk = new QCheckBox(QStringLiteral("Apply to All"), this);
    layout->addWidget(Apply_All_Chk);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    auto* keep = new QPushButton(QStringLiteral("Keep"), this);
    auto* replace = new QPushButton(QStringLiteral("Replace"), this);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    keep->setObjectName(QStringLiteral("Keep"));
    replace->setObjectName(QStringLiteral("Replace"));
    cancel->setObjectName(QStringLiteral("Cancel"));
    replace->setDefault(true);
    buttons->addWidget(keep);
    buttons->addWidget(replace);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);
    connect(keep, &QPushButton::clicked, this, &Replcae_Confirm_Box::Keep_Clicked);
    connect(replace, &QPushButton::clicked, this, &Replcae_Confirm_Box::Replace_Clicked);
    connect(cancel, &QPushButton::clicked, this, &Replcae_Confirm_Box::Cancel_Clicked);
}

int Replcae_Confirm_Box::answerFor(Button button, bool applyToAll) {
    switch (button) {
    case Keep: return applyToAll ? 3 : 1;
    case Replace: return applyToAll ? 2 : 0;
    case Cancel: break;
    }
    return applyToAll ? 5 : 4;
}

void Replcae_Confirm_Box::answer(Button button) {
    // A hidden box applies to nothing, whatever state it was left in.
    replace_keep_file_flag = answerFor(button, apply_chk_show && Apply_All_Chk->isChecked());
    if (button == Cancel)
        Stop_SMS_Sending_Now = true;
    done(button == Cancel ? 0 : 1);
}

void Replcae_Confirm_Box::Keep_Clicked() { answer(Keep); }
void Replcae_Confirm_Box::Replace_Clicked() { answer(Replace); }
void Replcae_Confirm_Box::Cancel_Clicked() { answer(Cancel); }

int Replcae_Confirm_Box::runOnGuiThread() {
    setWindowTitle(title_val);
    msg_label->setText(msg_val_str);
    Apply_All_Chk->setVisible(apply_chk_show);
    Apply_All_Chk->setChecked(Msg_Apply_All_Chk);
    // Closing the window without a button counts as Cancel.
    replace_keep_file_flag = answerFor(Cancel, false);
    const int code = zelk::DialogRunner::run(this);
    if (code == 0 && replace_keep_file_flag == answerFor(Cancel, false))
        Stop_SMS_Sending_Now = true;
    return replace_keep_file_flag;
}

int Replcae_Confirm_Box::Open_box_in_thread() {
    int answerCode = 4;
    onGui([this, &answerCode] { answerCode = runOnGuiThread(); });
    return answerCode;
}
