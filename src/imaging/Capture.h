#pragma once
// The frame receiver of a running capture: it holds only the newest frame,
// under its lock, and shows it on the GUI thread. The picture a capture
// takes is the last frame shown; a frame that comes once stop_or_continue
// is 1 is neither shown nor taken.
#include <QImage>
#include <QMutex>
#include <QString>
#include <QVideoFrame>

#include <functional>
#include <memory>

class Capture : public std::enable_shared_from_this<Capture> {
public:
    // `call_from`: "CAM" the camera window, "CROP" the cropping tool.
    explicit Capture(const QString& call_from);

    // The session's frame handler (any thread): keeps the frame and asks the
    // GUI thread to show it.
    void frameArrived(const QVideoFrame& frame);
    // GUI thread: shows the held frame unless the live view is stopped.
    void save();
    // Each frame shown, on the GUI thread.
    std::function<void(const QImage&)> show;

    QString call_from() const { return call_from_; }
    QImage final_image() const;
    bool holdsFrame() const;

private:
    QString call_from_;
    mutable QMutex lock_;
    QVideoFrame currentImage_;
    QImage final_image_;
};
