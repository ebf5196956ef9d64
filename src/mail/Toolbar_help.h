#pragma once
// The help command's toolbar button: from toolkit version 1504 on (see
// SKTWindowController::Get_OS_Version) it is at least 42 by 27, so that its
// title is never squeezed; below, the button keeps its own minimum.
#include <QSize>

class QWidget;

class Toolbar_help {
public:
    static QSize minSize(double toolkitVersion, QSize base);
    // Gives the button its minimum size for the running version.
    static void apply(QWidget* button, int toolkitVersion);
};
