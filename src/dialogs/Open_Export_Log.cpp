#include "dialogs/Open_Export_Log.h"

#include "dialogs/DialogRunner.h"
#include "dialogs/DialogStyle.h"
#include "dialogs/Services.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

Open_Export_Log::Open_Export_Log(QWidget* parent) : QDialog(parent) {
    zelk::applyDialogBackground(this);
    setWindowTitle(QStringLiteral("Export"));
    auto* layout = new QVBoxLayout(this);
    _open_log_message = new QLabel(this);
    _open_log_message->setWordWrap(true);
    layout->addWidget(_open_log_message);
    _open_log_path = new QLineEdit(this);
    _open_log_path->setReadOnly(true);
    _open_log_path->setMinimumWidth(380);
    layout->addWidget(_open_log_path);
    _open_log_back_path = new QLineEdit(this);
    _open_log_back_path->setReadOnly(true);
    _open_log_back_path->hide();
    layout->addWidget(_open_log_back_path);
    _open_log_chk = new QCheckBox(QStringLiteral("Open exported file."), this);
    _open_log_chk->setChecked(true);
    layout->addWidget(_open_log_chk);
    auto* buttons = new QHBoxLayout;
    const auto [ok, cancel] = zelk::addOkCancelButtons(this, buttons);
    layout->addLayout(buttons);
    connect(ok, &QPushButton::clicked, this, &Open_Export_Log::OK_Clicked);
    connect(cancel, &QPushButton::clicked, this, &Open_Export_Log::Cancel_Clicked);
}

int Open_Export_Log::Open_Wnd() {
    _open_log_back_path->setText(Export_Back_File_Path);
    _open_log_back_path->setHidden(Export_Back_File_Path.isEmpty());
    return zelk::DialogRunner::run(this);
}

void Open_Export_Log::OK_Clicked() {
    if (_open_log_chk->isChecked()) {
        const QString path = _open_log_path->text();
        if (!path.isEmpty())
            zelk::openLocalPath(path);
        if (!Export_Back_File_Path.isEmpty())
            zelk::openLocalPath(Export_Back_File_Path);
    }
    _open_log_chk->setChecked(true);
    Export_Back_File_Path.clear();
    done(1);
}

void Open_Export_Log::Cancel_Clicked() {
    _open_log_chk->setChecked(true);
    Export_Back_File_Path.clear();
    done(0);
}
