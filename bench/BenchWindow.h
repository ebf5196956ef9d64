#pragma once
// The main window of a benchmark that takes the application's own roads:
// offscreen, with a user folder of its own and every message answered as
// the safe button would be; the services before it put back when it goes.
#include "dialogs/Services.h"
#include "foundation/AppPaths.h"
#include "inspector/face/CardFace.h"
#include "mainwindow/SKTWindowController.h"
#include "platform/MessageSink.h"

#include <QTemporaryDir>

#include <memory>

namespace zelk::bench {

struct QuietWindow {
    QuietWindow() {
        CardFace::install();
        zelk::Services s;
        s.showMessage = [](zelk::MessageButtons b, const QString&) { return zelk::MessageSink::safeAnswer(b); };
        previous = zelk::Services::install(std::move(s));
        window = std::make_unique<SKTWindowController>(
            SKTWindowController::Roots{zelk::AppPaths::defaultResourceRoot(), data.filePath(QStringLiteral("user"))});
    }
    ~QuietWindow() {
        window.reset();
        zelk::Services::install(std::move(previous));
    }
    QTemporaryDir data;
    zelk::Services previous;
    std::unique_ptr<SKTWindowController> window;
};

}  // namespace zelk::bench
