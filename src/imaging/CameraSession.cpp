#include "imaging/CameraSession.h"

#include "foundation/Utilities.h"
#include "imaging/CameraGlobals.h"

CameraSession::CameraSession(std::shared_ptr<zelk::FrameSource> source, const QString& call_from)
    : source_(std::move(source)), call_from_(call_from) {}

CameraSession::~CameraSession() {
    if (source_)
        source_->stop();
}

QList<zelk::CroppingCamera::Device> CameraSession::list() {
    QList<Device> devices;
    if (source_)
        for (const zelk::FrameSource::Device& d : source_->devices())
            devices.append({d.name, d.id});
    return devices;
}

bool CameraSession::start(const QString& id, std::function<void(const QImage&)> showFrame) {
    if (id.isEmpty() || !source_)
        return false;
    stop();
    stop_or_continue = 0;
    if (capture_)
        clear();
    capture_ = std::make_shared<Capture>(call_from_);
    capture_->show = std::move(showFrame);
    std::weak_ptr<Capture> receiver = capture_;
    const auto report = [](const QString& description) {
        Show_MessageBox(QStringLiteral("[error] %1").arg(description));
        Show_NSLog_Message(QStringLiteral("[error] %1").arg(description));
    };
    const QString refused = source_->start(
        id,
        [receiver](const QVideoFrame& frame) {
            if (const auto capture = receiver.lock())
                capture->frameArrived(frame);
        },
        report);
    if (!refused.isEmpty()) {
        report(refused);
        return false;
    }
    stop_or_continue = 0;
    return true;
}

void CameraSession::stop() {
    if (!capture_)
        return;
    stop_or_continue = 1;
    source_->stop();
}

QImage CameraSession::takePicture() {
    if (!capture_)
        return QImage();
    if (running()) {
        stop_or_continue = 1;
        source_->stop();
    }
    return capture_->final_image();
}

bool CameraSession::running() const { return capture_ && source_ && source_->running(); }

void CameraSession::clear() {
    if (source_ && source_->running())
        source_->stop();
    capture_.reset();
}
