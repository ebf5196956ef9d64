#pragma once
// A colour well: a button showing its colour. A click opens Qt's colour
// dialog (through the dialog runner, so tests can play it); a colour chosen
// there is kept and announced. The program's setColor announces nothing.
#include <QColor>
#include <QToolButton>

class QColorDialog;

class ColorWell : public QToolButton {
    Q_OBJECT
public:
    explicit ColorWell(QWidget* parent = nullptr);

    QColor color() const { return color_; }
    void setColor(const QColor& color);
    // The dialog the well opens (made on first use); tests play it.
    QColorDialog* dialog();
    // Opens the dialog on the well's colour; a colour confirmed there is
    // taken as if the user picked it.
    void pickColor();

signals:
    // The user chose a colour.
    void colorPicked(const QColor& color);

private:
    void paintEvent(QPaintEvent* event) override;

    QColor color_ = QColor(Qt::black);
    QColorDialog* dialog_ = nullptr;
};
