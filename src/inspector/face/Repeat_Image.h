#pragma once
// The banner strip of the main window: an image view whose background is the
// banner picture repeated from the view's top-left corner; the view's own
// picture, if any, is drawn above the tiles.
#include <QImage>
#include <QLabel>

class Repeat_Image : public QLabel {
    Q_OBJECT
public:
    explicit Repeat_Image(QWidget* parent = nullptr);

    // The main window's banner_image (the resource "banner.png").
    void setBannerImage(const QImage& banner);
    const QImage& bannerImage() const { return banner_; }

protected:
    // The tiles over the dirty rectangle; the label's own drawing follows.
    void drawRect(QPaintEvent* event);
    void paintEvent(QPaintEvent* event) override;

private:
    QImage banner_;
};
