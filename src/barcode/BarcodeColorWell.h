#pragma once
// A colour well of the barcode settings window: a button painted in its
// colour that asks for a new one (through the dialog runner).
#include <QColor>
#include <QToolButton>

class BarcodeColorWell : public QToolButton {
    Q_OBJECT
public:
    explicit BarcodeColorWell(const QColor& color, QWidget* parent = nullptr);

    QColor color() const { return color_; }
    // Shows the colour; reports no change.
    void setColor(const QColor& color);

signals:
    // The user chose a colour.
    void colorChosen();

private:
    void choose();
    QColor color_;
};
