#pragma once
// The process-wide camera values both camera owners share (the camera window
// and the cropping tool's camera input).
#include <QString>

#include <atomic>

// 0 live view, 1 stopped: a frame that comes while it is 1 is neither shown
// nor taken. Read by the frame path on whatever thread frames come.
extern std::atomic<int> stop_or_continue;
// The identifier of the camera to open.
extern QString selected_camera;
