#include "imaging/Capture.h"

#include "imaging/CameraGlobals.h"

#include <QCoreApplication>
#include <QMutexLocker>

Capture::Capture(const QString& call_from) : call_from_(call_from) {}

void Capture::frameArrived(const QVideoFrame& frame) {
    {
        QMutexLocker hold(&lock_);
        // A frame never shown is dropped: the live view does not queue.
        currentImage_ = frame;
    }
    std::weak_ptr<Capture> self = weak_from_this();
    QMetaObject::invokeMethod(
        QCoreApplication::instance(),
        [self] {
            if (const auto capture = self.lock())
                capture->save();
        },
        Qt::QueuedConnection);
}

void Capture::save() {
    QImage shown;
    {
        QMutexLocker hold(&lock_);
        if (!currentImage_.isValid() || stop_or_continue.load() != 0)
            return;
        // Converted here, once per frame shown, not for frames dropped.
        shown = currentImage_.toImage().convertToFormat(QImage::Format_ARGB32);
        currentImage_ = QVideoFrame();
        if (shown.isNull())
            return;
        final_image_ = shown;
    }
    if (show)
        show(shown);
}

QImage Capture::final_image() const {
    QMutexLocker hold(&lock_);
    return final_image_;
}

bool Capture::holdsFrame() const {
    QMutexLocker hold(&lock_);
    return currentImage_.isValid();
}
