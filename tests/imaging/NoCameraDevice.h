#pragma once
// A frame source without devices: the camera windows open as on a machine
// without a camera.
#include "imaging/FrameSource.h"

namespace zelk::test {

class NoCameraDevice : public FrameSource {
public:
    QList<Device> devices() override { return {}; }
    QString start(const QString&, FrameHandler, ErrorHandler) override { return QStringLiteral("no camera"); }
    void stop() override {}
    bool running() const override { return false; }
};

}  // namespace zelk::test
