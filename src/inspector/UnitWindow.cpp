#include "inspector/UnitWindow.h"

#include "dialogs/DialogStyle.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace zelk {

UnitWindow::UnitWindow(QWidget* parent) : QDialog(parent) {
    applyDialogBackground(this);
    setWindowTitle(QStringLiteral("Units"));
    keepTitleWhole(this);
    auto* layout = new QVBoxLayout(this);
    auto* box = new QGroupBox(QStringLiteral("Show sizes in"), this);
    auto* rows = new QVBoxLayout(box);
    unit_matrix = new QButtonGroup(this);
    const QString titles[] = {QStringLiteral("Inches"), QStringLiteral("Centimetres"),
                              QStringLiteral("Millimetres")};
    for (int unit = 0; unit < 3; ++unit) {
        auto* row = new QRadioButton(titles[unit], box);
        unit_matrix->addButton(row, unit);
        rows->addWidget(row);
    }
    layout->addWidget(box);
    auto* buttons = new QHBoxLayout;
    const OkCancelButtons pair = addOkCancelButtons(this, buttons);
    ok = pair.ok;
    cancel = pair.cancel;
    layout->addLayout(buttons);
    connect(cancel, &QPushButton::clicked, this, [this] { done(0); });
}

}  // namespace zelk
