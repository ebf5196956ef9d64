#include "dialogs/Send_Modeless.h"

#include "dialogs/DialogGlobals.h"
#include "dialogs/DialogStyle.h"
#include "dialogs/Replcae_Confirm_Box.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

Send_Modeless* Send_Mod_DefaultInstance = nullptr;

Send_Modeless::Send_Modeless(QWidget* parent) : QDialog(parent) {
    zelk::applyDialogBackground(this);
    setWindowFlag(Qt::FramelessWindowHint, true);
    auto* layout = new QVBoxLayout(this);
    auto* totals = new QHBoxLayout;
    tot_label = new QLabel(QStringLiteral("Total:"), this);
    _tot_msg_cnt = new QLabel(this);
    totals->addWidget(tot_label);
    totals->addWidget(_tot_msg_cnt);
    totals->addStretch();
    Round_Progress = new QProgressBar(this);
    Round_Progress->setRange(0, 0);
    Round_Progress->setMaximumWidth(60);
    totals->addWidget(Round_Progress);
    layout->addLayout(totals);
    _Curr_Progress = new QProgressBar(this);
    _Curr_Progress->setMinimumWidth(320);
    _Curr_Progress->setTextVisible(false);
    layout->addWidget(_Curr_Progress);
    _curr_msg_cnt = new QLabel(this);
    layout->addWidget(_curr_msg_cnt);
    pause_label = new QLabel(this);
    layout->addWidget(pause_label);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    _stop_btn = new QPushButton(QStringLiteral("Stop"), this);
    buttons->addWidget(_stop_btn);
    layout->addLayout(buttons);
    connect(_stop_btn, &QPushButton::clicked, this, &Send_Modeless::Stop_Sending_Pressed);

    timer_ = new QTimer(this);
    timer_->setInterval(500);
    connect(timer_, &QTimer::timeout, this, &Send_Modeless::update_sending_progress_bar);
    Send_Mod_DefaultInstance = this;
}

Send_Modeless::~Send_Modeless() {
    if (Send_Mod_DefaultInstance == this)
        Send_Mod_DefaultInstance = nullptr;
}

void Send_Modeless::Stop_Sending_Pressed() {
    if (!stopQuestion_.ask())
        return;
    Stop_SMS_Sending_Now = true;
    replace_keep_file_flag = 5;
}

void Send_Modeless::reject() {
    if (isSheetShown() && _stop_btn->isEnabled())
        Stop_Sending_Pressed();
}

void Send_Modeless::prepareJob(int total, const QString& startText) {
    total_ = total;
    _stop_btn->setEnabled(true);
    _stop_btn->show();
    _tot_msg_cnt->show();
    tot_label->show();
    Round_Progress->hide();
    _Curr_Progress->show();
    _Curr_Progress->setRange(0, qMax(total, 0));
    _Curr_Progress->setValue(0);
    _tot_msg_cnt->setText(QString::number(total));
    _curr_msg_cnt->setText(startText);
    pause_label->clear();
    Stop_SMS_Sending_Now = false;
}

void Send_Modeless::beginSheet(QWidget* owner, std::function<int()> done) {
    done_ = std::move(done);
    if (owner && parentWidget() != owner)
        setParent(owner, windowFlags());
    setWindowModality(Qt::WindowModal);
    show();
    raise();
    timer_->start();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void Send_Modeless::update_sending_progress_bar() {
    if (_Curr_Progress->isHidden()) {
        _curr_msg_cnt->setText(curr_msg_count_str);
        return;
    }
    const int done = done_ ? done_() : 0;
    _Curr_Progress->setValue(qBound(0, done, _Curr_Progress->maximum()));
    curr_msg_count_str = QStringLiteral("%1 / %2 ").arg(done).arg(total_);
    _curr_msg_cnt->setText(curr_msg_count_str);
}

void Send_Modeless::endSheet() {
    timer_->stop();
    done_ = nullptr;
    hide();
}
