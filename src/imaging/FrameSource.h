#pragma once
// Where camera frames come from: the video devices and a running capture on
// one of them. The desktop's is Qt Multimedia (QtFrameSource); tests feed
// their own frames. Frames may arrive on any thread.
#include <QList>
#include <QString>
#include <QVideoFrame>

#include <functional>

namespace zelk {

class FrameSource {
public:
    struct Device {
        QString name;  // the description shown in the camera list
        QString id;    // what the capture reopens the device by
    };
    using FrameHandler = std::function<void(const QVideoFrame& frame)>;
    using ErrorHandler = std::function<void(const QString& description)>;

    virtual ~FrameSource() = default;
    // The video devices, in the system's order.
    virtual QList<Device> devices() = 0;
    // Opens the device and starts its frames towards `onFrame` (any thread).
    // A refusal now is returned ("" none); one found later (the device
    // failing) goes to `onError` on the GUI thread.
    virtual QString start(const QString& id, FrameHandler onFrame, ErrorHandler onError) = 0;
    // Stops the frames; none reaches the handler once this returns.
    virtual void stop() = 0;
    virtual bool running() const = 0;
};

}  // namespace zelk
