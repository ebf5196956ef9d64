#pragma once
// The desktop's frame source on Qt Multimedia: the video inputs the system
// lists, a camera in a capture session, and a video sink whose frames go to
// the handler.
#include "imaging/FrameSource.h"

#include <QObject>

#include <memory>

class QCamera;
class QMediaCaptureSession;
class QVideoSink;

class QtFrameSource : public QObject, public zelk::FrameSource {
    Q_OBJECT
public:
    explicit QtFrameSource(QObject* parent = nullptr);
    ~QtFrameSource() override;

    QList<Device> devices() override;
    QString start(const QString& id, FrameHandler onFrame, ErrorHandler onError) override;
    void stop() override;
    bool running() const override;

    // The sink the capture session draws into (tests hand it frames).
    QVideoSink* videoSink() const { return sink_; }

private:
    QVideoSink* sink_;
    std::unique_ptr<QMediaCaptureSession> session_;
    std::unique_ptr<QCamera> camera_;
    QMetaObject::Connection frames_;
};
