#include "platform/MessageSink.h"

#include <QCoreApplication>
#include <QLoggingCategory>
#include <QMetaObject>
#include <QMutex>
#include <QMutexLocker>
#include <QThread>
#include <exception>

Q_LOGGING_CATEGORY(zelkMessages, "zelk.messages")

namespace zelk {
namespace {

QMutex& handlerMutex() {
    static QMutex mutex;
    return mutex;
}

MessageSink::Handler& installedHandler() {
    static MessageSink::Handler handler;
    return handler;
}

MessageSink::Handler currentHandler() {
    QMutexLocker lock(&handlerMutex());
    return installedHandler();
}

// Runs on the GUI thread (or on the caller's when there is no application).
MessageAnswer answerHere(MessageButtons buttons, const QString& text) {
    const MessageSink::Handler handler = currentHandler();
    if (!handler) {
        qCInfo(zelkMessages).noquote() << text;
        return MessageSink::safeAnswer(buttons);
    }
    try {
        return handler(buttons, text);
    } catch (const std::exception& e) {
        qCWarning(zelkMessages).noquote() << "message box failed:" << e.what();
    } catch (...) {
        qCWarning(zelkMessages) << "message box failed";
    }
    return MessageSink::safeAnswer(buttons);
}

}  // namespace

MessageSink::Handler MessageSink::install(Handler handler) {
    QMutexLocker lock(&handlerMutex());
    Handler previous = std::move(installedHandler());
    installedHandler() = std::move(handler);
    return previous;
}

MessageAnswer MessageSink::safeAnswer(MessageButtons buttons) {
    switch (buttons) {
    case MessageButtons::Ok: return MessageAnswer::Ok;
    case MessageButtons::YesNo: return MessageAnswer::No;
    case MessageButtons::YesNoCancel: return MessageAnswer::Cancel;
    }
    return MessageAnswer::Cancel;
}

MessageAnswer MessageSink::ask(MessageButtons buttons, const QString& text) {
    QCoreApplication* app = QCoreApplication::instance();
    if (!app || QThread::currentThread() == app->thread())
        return answerHere(buttons, text);
    // A worker: the GUI thread answers while this thread waits.
    MessageAnswer answer = safeAnswer(buttons);
    const bool queued = QMetaObject::invokeMethod(
        app, [&answer, buttons, &text] { answer = answerHere(buttons, text); },
        Qt::BlockingQueuedConnection);
    if (!queued)
        qCWarning(zelkMessages).noquote() << "message box could not reach the GUI thread:" << text;
    return answer;
}

}  // namespace zelk
