#pragma once
// A canvas bound to a document side with a recording host, its own grid,
// tool palette and new-point cascade, and mouse helpers in model points.
#include "canvas/CanvasHost.h"
#include "canvas/NewControlPoint.h"
#include "canvas/SKTGraphicView.h"
#include "canvas/SKTGrid.h"
#include "canvas/ToolPalette.h"
#include "foundation/SKTDocument.h"
#include "foundation/SKTGraphic.h"
#include "platform/MessageSink.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <QTest>

#include <memory>

namespace zelk::test {

class RecordingHost : public DefaultCanvasHost {
public:
    void Show_RHS_Properties(SKTGraphic* g) override { shown.append(g); }
    QImage barcodeImage(SKTGraphic&, const QString& value) override {
        barcodeValues.append(value);
        return barcodePicture;
    }
    void Open_Barcode_Window(SKTGraphic* g) override { barcodeWindows.append(g); }

    QList<SKTGraphic*> shown;
    QStringList barcodeValues;
    QList<SKTGraphic*> barcodeWindows;
    QImage barcodePicture;
};

// Messages shown to the user while the object lives.
class MessageCapture {
public:
    MessageCapture() {
        previous_ = MessageSink::install([this](MessageButtons, const QString& text) {
            texts.append(text);
            return MessageAnswer::Ok;
        });
    }
    ~MessageCapture() { MessageSink::install(previous_); }
    QStringList texts;

private:
    MessageSink::Handler previous_;
};

// A CR80 card in points.
inline const QSizeF CardSize(242.65, 153.0);

class CanvasFixture : public ::testing::Test {
protected:
    void SetUp() override {
        view = std::make_unique<SKTGraphicView>();
        view->setHost(&host);
        view->setGrid(&grid);
        view->setToolPalette(&tools);
        view->setNewControlPoint(&points);
        view->setCanvasSize(CardSize);
        view->bindToDocument(&doc, SKTDocument::FrontSide);
    }

    // A graphic appended below the others (the highest index).
    std::shared_ptr<SKTGraphic> add(GraphicKind kind, const QRectF& bounds) {
        auto g = makeGraphic(kind);
        g->_bounds = bounds;
        // Filled, so that a click anywhere inside finds a shape.
        if (kind == GraphicKind::Shape)
            g->_isDrawingFill = true;
        doc.graphics.append(g);
        return g;
    }

    QPoint at(const QPointF& model) const { return view->widgetPoint(model).toPoint(); }

    void press(const QPointF& p, Qt::KeyboardModifiers m = {}) {
        QTest::mousePress(view.get(), Qt::LeftButton, m, at(p));
    }
    void moveTo(const QPointF& p, Qt::KeyboardModifiers m = {}) {
        QMouseEvent e(QEvent::MouseMove, QPointF(at(p)), QPointF(view->mapToGlobal(at(p))),
                      Qt::NoButton, Qt::LeftButton, m);
        QApplication::sendEvent(view.get(), &e);
    }
    void release(const QPointF& p, Qt::KeyboardModifiers m = {}) {
        QTest::mouseRelease(view.get(), Qt::LeftButton, m, at(p));
    }
    void drag(const QPointF& from, const QPointF& to, Qt::KeyboardModifiers m = {}) {
        press(from, m);
        moveTo((from + to) / 2, m);
        moveTo(to, m);
        release(to, m);
    }
    void click(const QPointF& p, Qt::KeyboardModifiers m = {}) {
        QTest::mouseClick(view.get(), Qt::LeftButton, m, at(p));
    }

    SKTDocument doc;
    RecordingHost host;
    SKTGrid grid;
    ToolPalette tools;
    NewControlPoint points;
    std::unique_ptr<SKTGraphicView> view;
};

inline QList<int> indexesOf(std::initializer_list<int> l) { return QList<int>(l); }

}  // namespace zelk::test
