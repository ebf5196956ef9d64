#include "imaging/QtFrameSource.h"

#include <QCamera>
#include <QCameraDevice>
#include <QMediaCaptureSession>
#include <QMediaDevices>
#include <QVideoSink>

QtFrameSource::QtFrameSource(QObject* parent) : QObject(parent), sink_(new QVideoSink(this)) {}

QtFrameSource::~QtFrameSource() { stop(); }

QList<zelk::FrameSource::Device> QtFrameSource::devices() {
    QList<Device> list;
    for (const QCameraDevice& d : QMediaDevices::videoInputs())
        list.append({d.description(), QString::fromUtf8(d.id())});
    return list;
}

QString QtFrameSource::start(const QString& id, FrameHandler onFrame, ErrorHandler onError) {
    stop();
    QCameraDevice device;
    for (const QCameraDevice& d : QMediaDevices::videoInputs())
        if (QString::fromUtf8(d.id()) == id)
            device = d;
    if (device.isNull())
        return QStringLiteral("No camera detected");
    camera_ = std::make_unique<QCamera>(device);
    session_ = std::make_unique<QMediaCaptureSession>();
    connect(camera_.get(), &QCamera::errorOccurred, this, [onError](QCamera::Error, const QString& text) {
        if (onError)
            onError(text);
    });
    // The back end may emit from a thread of its own: the handler is called
    // there and takes care of its own locking.
    frames_ = connect(sink_, &QVideoSink::videoFrameChanged, this, [onFrame](const QVideoFrame& frame) {
        if (onFrame)
            onFrame(frame);
    }, Qt::DirectConnection);
    session_->setCamera(camera_.get());
    session_->setVideoSink(sink_);
    camera_->start();
    if (camera_->error() != QCamera::NoError) {
        const QString why = camera_->errorString();
        stop();
        return why.isEmpty() ? QStringLiteral("The camera could not be opened.") : why;
    }
    return QString();
}

void QtFrameSource::stop() {
    if (frames_)
        disconnect(frames_);
    frames_ = {};
    if (camera_) {
        camera_->stop();
        camera_->disconnect(this);
    }
    if (session_) {
        session_->setVideoSink(nullptr);
        session_->setCamera(nullptr);
    }
    session_.reset();
    camera_.reset();
}

// Started and not stopped: the back end turns active a moment later.
bool QtFrameSource::running() const { return camera_ != nullptr; }
