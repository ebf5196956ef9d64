#pragma once
// The picture view the crop screen and the camera window show: the edited
// picture ("Modified_image", of a fixed size on a pale ground) with the
// selection canvas over it and the canvas's controller.
#include <QSize>

class MSSCanvas;
class MSSCanvasController;
class MSSScaledImage;

namespace zelk {

struct CropView {
    MSSScaledImage* image = nullptr;
    MSSCanvas* canvas = nullptr;
    MSSCanvasController* controller = nullptr;
};

// A new view without parent; the caller places `image`.
CropView makeCropView(const QSize& size);

}  // namespace zelk
