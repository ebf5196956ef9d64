#pragma once
// The picture-editing controls the crop screen and the camera window share:
// nine sliders with their value fields, five check boxes and Reset, their
// neutral values, and the settings they make (stored in the IMG_ globals).
#include "imaging/CropPicture.h"

#include <functional>

class DoubleSlider;
class QCheckBox;
class QGroupBox;
class QLabel;
class QObject;

class ImageEditControls {
public:
    // Builds Image_Edit_Prop_Box; `changed` runs after every change of a
    // control, `resetAsked` when its Reset button is pressed.
    QGroupBox* buildEditingBox(QObject* context, std::function<void()> changed, std::function<void()> resetAsked);
    // Every control to its neutral value, without a change reported.
    void Reset_Image_Editing_Controls();
    zelk::CropEditSettings editSettings() const;
    // The settings into the shared IMG_ globals; returns them.
    zelk::CropEditSettings storeEditSettings() const;

    QGroupBox* Image_Edit_Prop_Box = nullptr;
    DoubleSlider *Rotate_slidr = nullptr, *Trsp_slidr = nullptr, *Hue_slidr = nullptr, *Sat_slidr = nullptr,
                 *Brt_slidr = nullptr, *Con_slidr = nullptr, *shrp_slidr = nullptr, *ev_slidr = nullptr,
                 *blr_slidr = nullptr;
    QLabel *Rotate_slidr_val = nullptr, *Trsp_slidr_val = nullptr, *Hue_slidr_val = nullptr,
           *Sat_slidr_val = nullptr, *Brt_slidr_val = nullptr, *Con_slidr_val = nullptr, *shrp_slidr_val = nullptr,
           *ev_slidr_val = nullptr, *blr_slidr_val = nullptr;
    QCheckBox *Image_Gray_Scale_chk = nullptr, *Image_Sepia_chk = nullptr, *Image_Invert_chk = nullptr,
              *Image_FIV_chk = nullptr, *Image_FIH_chk = nullptr;

protected:
    ~ImageEditControls() = default;
};
