#pragma once
// The application's message boxes: installs a handler into zelk::MessageSink
// that shows a QMessageBox on the GUI thread.

namespace zelk {

class WidgetMessageSink {
public:
    // Call once after the QApplication exists.
    static void install();
};

}  // namespace zelk
