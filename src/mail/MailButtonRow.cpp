#include "mail/MailButtonRow.h"

#include <QBoxLayout>
#include <QPushButton>

namespace zelk::mail {

QList<QPushButton*> addButtonRow(QBoxLayout* layout, QWidget* parent, const QStringList& leading,
                                 const QStringList& trailing) {
    auto* row = new QHBoxLayout;
    QList<QPushButton*> buttons;
    auto add = [&](const QString& text) {
        auto* b = new QPushButton(text, parent);
        row->addWidget(b);
        buttons << b;
        return b;
    };
    for (const QString& text : leading)
        add(text);
    row->addStretch();
    QPushButton* last = nullptr;
    for (const QString& text : trailing)
        last = add(text);
    if (last)
        last->setDefault(true);
    layout->addLayout(row);
    return buttons;
}

}  // namespace zelk::mail
