#include "mail/Toolbar_help.h"

#include <QWidget>
#include <cmath>

QSize Toolbar_help::minSize(double toolkitVersion, QSize base) {
    return std::floor(toolkitVersion) >= 1504 ? QSize(42, 27) : base;
}

void Toolbar_help::apply(QWidget* button, int toolkitVersion) {
    if (button)
        button->setMinimumSize(minSize(toolkitVersion, button->minimumSize()));
}
