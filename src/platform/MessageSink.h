#pragma once
// The one road every user-facing message box takes.
//
// Model code may ask a question from any thread; the answer always comes from
// the GUI thread, where the installed handler runs (the calling worker waits).
// The handler comes with the services object (dialogs/Services.h), which the
// application and the window tests install; tests of the layers below it
// install a handler here directly, to read the text and answer without a
// modal loop. With no handler installed, the text is logged and the safe
// answer is given (OK, No, Cancel).
// This header pulls in no widget code.
#include <QString>
#include <functional>

namespace zelk {

enum class MessageButtons { Ok, YesNo, YesNoCancel };
enum class MessageAnswer { Ok, Yes, No, Cancel };

class MessageSink {
public:
    // Runs on the GUI thread; receives the buttons and the exact text to show.
    using Handler = std::function<MessageAnswer(MessageButtons buttons, const QString& text)>;

    // Installs a process-wide handler and returns the previous one; an empty
    // handler restores the default (log and answer safely).
    static Handler install(Handler handler);

    // Shows the text through the handler on the GUI thread and returns the
    // answer. Called off the GUI thread, the caller blocks until answered.
    static MessageAnswer ask(MessageButtons buttons, const QString& text);

    // The answer given when nobody can be asked: OK, No or Cancel.
    static MessageAnswer safeAnswer(MessageButtons buttons);
};

}  // namespace zelk
