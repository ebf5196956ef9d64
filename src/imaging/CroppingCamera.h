#pragma once
// What the cropping tool asks of a camera: the devices, a live view started
// on one of them, stopping it, the picture taken from it, and whether it
// runs. The tool shows its camera input only when a camera is installed.
#include <QImage>
#include <QList>
#include <QString>

#include <functional>

namespace zelk {

class CroppingCamera {
public:
    struct Device {
        QString name;  // shown in camera_list
        QString id;    // camera_list_unq_id
    };
    virtual ~CroppingCamera() = default;

    virtual QList<Device> list() = 0;
    // Starts the live view on the device; each frame shown goes to
    // `showFrame` on the GUI thread. False when it could not start.
    virtual bool start(const QString& id, std::function<void(const QImage&)> showFrame) = 0;
    virtual void stop() = 0;
    // The last frame shown (null when none); the live view stops.
    virtual QImage takePicture() = 0;
    virtual bool running() const = 0;
    // A capture was built (by start) and not yet taken apart.
    virtual bool hasCapture() const { return running(); }
    // Takes the capture apart (Clear_Camera_Objects).
    virtual void clear() { stop(); }
};

}  // namespace zelk
