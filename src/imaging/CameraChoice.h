#pragma once
// The camera choice both camera owners show (the camera window and the
// cropping tool's camera input): the devices' names in one list and, hidden
// beside it, their identifiers in another at the same rows. The identifier
// chosen is the process-wide selected_camera.
#include "imaging/CroppingCamera.h"

#include <QList>
#include <QString>

class QComboBox;
class QObject;

namespace zelk {

// Keeps `ids` on the row chosen in `names`, and selected_camera on the
// identifier `ids` shows; `context` owns the connections.
void linkCameraLists(QObject* context, QComboBox* names, QComboBox* ids);

// Lists `devices` in both lists (emptied first) and chooses the first.
void fillCameraLists(QComboBox* names, QComboBox* ids, const QList<CroppingCamera::Device>& devices);

// The identifier chosen in `ids`; "" when none is.
QString chosenCameraId(const QComboBox* ids);

}  // namespace zelk
