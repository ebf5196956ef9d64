#include "imaging/CameraGlobals.h"

std::atomic<int> stop_or_continue{0};
QString selected_camera;
