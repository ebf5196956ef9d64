#pragma once
// The application's message boxes: a QMessageBox, for the message sink of
// the desktop's services (zelk::Services::desktop).
#include "platform/MessageSink.h"

namespace zelk {

class WidgetMessageSink {
public:
    // Shows the text and waits for the answer. GUI thread only.
    static MessageAnswer show(MessageButtons buttons, const QString& text);
};

}  // namespace zelk
