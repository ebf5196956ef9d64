#pragma once
// The one list of barcode symbologies that a barcode graphic can name.
//
// Designs store the index of a title in this list, so the order is fixed
// once released: new titles may only be appended. Index 0 is "Code 39", the
// symbology of every new barcode. Only titles that produce a picture are
// listed; linear, postal and 2D titles share the one list.
#include <QString>
#include <QStringList>

namespace zelk {

class BarcodeSymbologies {
public:
    // All titles in stored order.
    static const QStringList& titles();
    // Index of a title, -1 when it is not in the list.
    static int indexOf(const QString& title);
    // Title at an index, empty when out of range.
    static QString titleAt(int index);
    // True for "QR Code", "PDF417" and "DataMatrix".
    static bool isTwoD(const QString& title);
    // True for the titles that a linear barcode object is made for.
    static bool isLinear(const QString& title);
};

}  // namespace zelk
