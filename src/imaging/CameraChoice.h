#pragma once
// The camera choice both camera owners show (the camera window and the
// cropping tool's camera input): the devices' names in one list and, hidden
// beside it, their identifiers in another at the same rows, with Refresh.
// The identifier chosen is the process-wide selected_camera.
#include "imaging/CroppingCamera.h"

#include <QList>
#include <QString>

#include <functional>

class QBoxLayout;
class QComboBox;
class QObject;
class QPushButton;

namespace zelk {

struct CameraLists {
    QComboBox* names = nullptr;      // camera_list
    QComboBox* ids = nullptr;        // camera_list_unq_id, hidden
    QPushButton* refresh = nullptr;  // lists the devices again
};

// The lists and Refresh, added to `row`; Refresh runs `refreshed`. `ids`
// follows the row chosen in `names`, and selected_camera the identifier
// `ids` shows; `context` owns the connections.
CameraLists makeCameraLists(QObject* context, QBoxLayout* row, std::function<void()> refreshed);

// Lists `devices` in both lists (emptied first) and chooses the first.
void fillCameraLists(QComboBox* names, QComboBox* ids, const QList<CroppingCamera::Device>& devices);

// The identifier chosen in `ids`; "" when none is.
QString chosenCameraId(const QComboBox* ids);

// What Start opens: the identifier chosen, made selected_camera; "" after
// "Please select camera." when none is chosen.
QString cameraToStart(const QComboBox* ids);

}  // namespace zelk
