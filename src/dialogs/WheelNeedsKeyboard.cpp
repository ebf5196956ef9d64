// The mouse wheel over a field that does not have the keyboard scrolls the
// panel it stands in: rolling through a long panel must not turn a photo or
// change a size on the way.
#include "dialogs/WheelNeedsKeyboard.h"

#include <QAbstractScrollArea>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QPointer>
#include <QScrollBar>
#include <QWheelEvent>

namespace {

bool takesValueFromTheWheel(const QObject* o) {
    // A scroll bar is how a panel scrolls: the wheel always moves it.
    return qobject_cast<const QAbstractSpinBox*>(o) || qobject_cast<const QComboBox*>(o) ||
           (qobject_cast<const QAbstractSlider*>(o) && !qobject_cast<const QScrollBar*>(o));
}

class WheelNeedsKeyboard : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if ((event->type() != QEvent::Polish && event->type() != QEvent::Wheel) || !takesValueFromTheWheel(watched))
            return false;
        auto* field = static_cast<QWidget*>(watched);
        if (event->type() == QEvent::Polish) {
            // The wheel would otherwise give such a field the keyboard first.
            if (field->focusPolicy() == Qt::WheelFocus)
                field->setFocusPolicy(Qt::StrongFocus);
            return false;
        }
        if (field->hasFocus())
            return false;
        for (QWidget* up = field->parentWidget(); up; up = up->parentWidget()) {
            auto* area = qobject_cast<QAbstractScrollArea*>(up);
            if (!area)
                continue;
            const auto* wheel = static_cast<QWheelEvent*>(event);
            QWidget* viewport = area->viewport();
            QWheelEvent scroll(viewport->mapFromGlobal(wheel->globalPosition()), wheel->globalPosition(),
                               wheel->pixelDelta(), wheel->angleDelta(), wheel->buttons(), wheel->modifiers(),
                               wheel->phase(), wheel->inverted(), wheel->source());
            QCoreApplication::sendEvent(viewport, &scroll);
            break;
        }
        // Taken here either way: the field's value stays.
        event->accept();
        return true;
    }
};

}  // namespace

namespace zelk {

void installWheelNeedsKeyboard() {
    static QPointer<WheelNeedsKeyboard> installed;
    if (installed || !qApp)
        return;
    installed = new WheelNeedsKeyboard(qApp);
    qApp->installEventFilter(installed);
}

}  // namespace zelk
