#include "canvas/CanvasHost.h"

namespace zelk {

CanvasHost::~CanvasHost() = default;

CanvasHost* defaultCanvasHost() {
    static DefaultCanvasHost host;
    return &host;
}

}  // namespace zelk
