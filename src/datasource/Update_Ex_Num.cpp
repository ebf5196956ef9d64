#include "datasource/Update_Ex_Num.h"

#include "datasource/BatchWizard.h"
#include "dialogs/DialogStyle.h"
#include "foundation/Utilities.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

Update_Ex_Num::Update_Ex_Num(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("Update_Ex_Num"));
    setWindowTitle(QStringLiteral("Edit Value"));
    zelk::applyDialogBackground(this);
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    m_s_number = new QLineEdit(this);
    m_s_number->setReadOnly(true);
    m_ex_num_str = new QLineEdit(this);
    m_ex_num_str->setMinimumWidth(280);
    m_ex_num_index = new QLineEdit(this);
    m_ex_num_index->hide();
    form->addRow(QStringLiteral("Value:"), m_s_number);
    form->addRow(QStringLiteral("New value:"), m_ex_num_str);
    layout->addLayout(form);
    auto* row = new QHBoxLayout;
    const auto [ok, cancel] = zelk::addOkCancelButtons(this, row);
    layout->addLayout(row);
    connect(ok, &QPushButton::clicked, this, &Update_Ex_Num::OKPressed);
    connect(cancel, &QPushButton::clicked, this, &Update_Ex_Num::CancelPressed);
}

void Update_Ex_Num::OKPressed() {
    if (m_ex_num_str->text() == m_s_number->text()) {
        done(1);
        return;
    }
    const QString value = Trim_Str(m_ex_num_str->text());
    if (value.isEmpty()) {
        Show_MessageBox(QStringLiteral("Please enter a valid value."));
        m_ex_num_str->setFocus();
        return;
    }
    if (BatchWizard_Window)
        BatchWizard_Window->replaceValue(m_ex_num_index->text().toInt(), value);
    m_s_number->clear();
    m_ex_num_str->clear();
    m_ex_num_index->clear();
    done(1);
}

void Update_Ex_Num::CancelPressed() {
    m_s_number->clear();
    m_ex_num_str->clear();
    m_ex_num_index->clear();
    done(0);
}
