#pragma once
// The container of a design's graphics: one array per side, index 0 the
// topmost graphic. The temp side shows a real side's own graphic objects, so
// graphics are shared. The document reads and writes no file.
#include <QList>
#include <QObject>
#include <QSizeF>
#include <memory>

class SKTGraphic;

using GraphicList = QList<std::shared_ptr<SKTGraphic>>;

class SKTDocument : public QObject {
    Q_OBJECT
public:
    // The sides of mutableGraphics: 0 front, 1 back (as Card_Front_Or_Back),
    // 2 the temp side.
    enum Side { FrontSide = 0, BackSide = 1, TempSide = 2 };

    explicit SKTDocument(QObject* parent = nullptr);
    ~SKTDocument() override;

    GraphicList graphics;       // front
    GraphicList graphics_back;
    GraphicList graphics_temp;

    // The live array of the side; any other side number gives the front.
    GraphicList& mutableGraphics(int side);
    const GraphicList& graphicsOfSide(int side) const;

    // The size of the canvases, in points.
    void Set_Document_Size(const QSizeF& size) { documentSize_ = size; }
    QSizeF documentSize() const { return documentSize_; }

    // Editors call this after changing a side's array so that views redraw.
    void notifyGraphicsChanged(int side) { emit graphicsChanged(side); }

signals:
    void graphicsChanged(int side);

private:
    QSizeF documentSize_;
};
