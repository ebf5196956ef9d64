#pragma once
// An image view that knows where and at what scale it shows its picture:
// the scaling and alignment codes of the crop screen's picture view, and
// the file last dropped onto it. Rectangles are in the view's coordinates
// with the origin at its lower-left corner, y upwards, as the selection
// canvas over it measures them.
#include <QImage>
#include <QRectF>
#include <QSizeF>
#include <QUrl>
#include <QWidget>

class MSSScaledImage : public QWidget {
    Q_OBJECT
public:
    // imageScaling codes.
    enum Scaling { ProportionallyDown = 0, AxesIndependently = 1, None = 2, ProportionallyUpOrDown = 3 };
    // imageAlignment codes.
    enum Alignment {
        AlignCenter = 0, AlignTop, AlignTopLeft, AlignTopRight, AlignLeft, AlignBottom, AlignBottomLeft,
        AlignBottomRight, AlignRight
    };

    explicit MSSScaledImage(QWidget* parent = nullptr);

    QImage image() const { return image_; }
    void setImage(const QImage& image);
    int imageScaling() const { return scaling_; }
    void setImageScaling(int scaling);
    int imageAlignment() const { return alignment_; }
    void setImageAlignment(int alignment);
    // The URL of the last file dropped onto the view.
    QUrl fileURL() const { return fileURL_; }
    void setFileURL(const QUrl& url) { fileURL_ = url; }

    // Where the picture is drawn; the zero rectangle without a picture of
    // at least one point each way.
    QRectF scaledImageRect() const;
    // Displayed points per point of the picture, and per point of
    // originalImage.
    QSizeF imageRatio() const;
    QSizeF originalImageRatio() const;
    // The picture at its natural size: the larger of points and pixels per
    // axis, times 2.5 for a dropped PDF file.
    QImage originalImage() const;
    QSizeF originalImageSize() const;

    // The rules, by the numbers: picture size s, drawing rectangle d.
    static QSizeF ratioFor(const QSizeF& s, const QSizeF& d, int scaling);
    static QRectF scaledRectFor(const QSizeF& s, const QRectF& d, int scaling, int alignment);
    // A rectangle of the view (y up) in Qt's widget coordinates (y down).
    QRectF toWidget(const QRectF& r) const;

signals:
    // The picture, its scaling or alignment, or the view's size changed.
    void displayChanged();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    QImage image_;
    int scaling_ = ProportionallyDown;
    int alignment_ = AlignCenter;
    QUrl fileURL_;
};
