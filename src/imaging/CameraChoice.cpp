#include "imaging/CameraChoice.h"

#include "foundation/Utilities.h"
#include "imaging/CameraGlobals.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QPushButton>

zelk::CameraLists zelk::makeCameraLists(QObject* context, QBoxLayout* row, std::function<void()> refreshed) {
    CameraLists lists;
    lists.names = new QComboBox;
    lists.ids = new QComboBox;
    lists.ids->hide();
    lists.refresh = new QPushButton(QStringLiteral("Refresh"));
    row->addWidget(lists.names, 1);
    row->addWidget(lists.ids);
    row->addWidget(lists.refresh);
    QObject::connect(lists.refresh, &QPushButton::clicked, context, std::move(refreshed));
    QComboBox* ids = lists.ids;
    QObject::connect(lists.names, &QComboBox::currentIndexChanged, context, [ids](int i) {
        if (i >= 0 && i < ids->count())
            ids->setCurrentIndex(i);
    });
    QObject::connect(ids, &QComboBox::currentIndexChanged, context, [ids](int i) {
        if (i >= 0)
            selected_camera = ids->itemText(i);
    });
    return lists;
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

QString zelk::cameraToStart(const QComboBox* ids) {
    const QString id = chosenCameraId(ids);
    if (id.isEmpty())
        Show_MessageBox(QStringLiteral("Please select camera."));
    else
        selected_camera = id;
    return id;
}
