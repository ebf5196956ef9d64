#pragma once
// One owner's capture (the camera window's or the cropping tool's): the
// device list, building the capture on the selected camera and starting it,
// stopping it, and taking it apart. The frame source runs the session
// itself; starting and stopping it stand for the capture thread.
#include "imaging/Capture.h"
#include "imaging/CroppingCamera.h"
#include "imaging/FrameSource.h"

#include <memory>

class CameraSession : public zelk::CroppingCamera {
public:
    CameraSession(std::shared_ptr<zelk::FrameSource> source, const QString& call_from);
    ~CameraSession() override;

    // ---- CroppingCamera ----
    QList<Device> list() override;
    // Select_Camera_for_Capture_Action on `id`: the earlier capture is
    // stopped and taken apart, a new one built and started. A refusal shows
    // "[error] %@" and leaves no running capture.
    bool start(const QString& id, std::function<void(const QImage&)> showFrame) override;
    // Stop_Camera_Reading: stop_or_continue becomes 1 and the frames stop.
    void stop() override;
    // Stops a running capture and gives the last frame shown.
    QImage takePicture() override;
    bool running() const override;
    bool hasCapture() const override { return capture_ != nullptr; }
    // Clear_Camera_Objects.
    void clear() override;

    Capture* capture() const { return capture_.get(); }
    zelk::FrameSource* source() const { return source_.get(); }

private:
    std::shared_ptr<zelk::FrameSource> source_;
    QString call_from_;
    std::shared_ptr<Capture> capture_;
};
