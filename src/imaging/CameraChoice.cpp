#include "imaging/CameraChoice.h"

#include "imaging/CameraGlobals.h"

#include <QComboBox>

void zelk::linkCameraLists(QObject* context, QComboBox* names, QComboBox* ids) {
    QObject::connect(names, &QComboBox::currentIndexChanged, context, [ids](int i) {
        if (i >= 0 && i < ids->count())
            ids->setCurrentIndex(i);
    });
    QObject::connect(ids, &QComboBox::currentIndexChanged, context, [ids](int i) {
        if (i >= 0)
            selected_camera = ids->itemText(i);
    });
}

void zelk::fillCameraLists(QComboBox* names, QComboBox* ids, const QList<CroppingCamera::Device>& devices) {
    names->clear();
    ids->clear();
    for (const CroppingCamera::Device& d : devices) {
        names->addItem(d.name);
        ids->addItem(d.id);
    }
    if (names->count() > 0) {
        names->setCurrentIndex(0);
        ids->setCurrentIndex(0);
    }
}

QString zelk::chosenCameraId(const QComboBox* ids) {
    return ids->currentIndex() >= 0 ? ids->currentText() : QString();
}
