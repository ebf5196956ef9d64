#pragma once
// Square grid of module values that carries a QR symbol from its encoder to
// its renderer. Not the DataMatrix symbology (see DataMatrixEcc200).
#include <QString>
#include <cstdint>
#include <vector>

class DataMatrix {
public:
    // A grid of `dimension` × `dimension` light modules.
    explicit DataMatrix(qint64 dimension);

    qint64 dimension() const { return _dimension; }
    // Cell (x, y): x runs left to right, y top to bottom; 1 dark, 0 light.
    void set(int value, int x, int y);
    int valueAt(int x, int y) const;
    // The grid as text, rows top to bottom, one "%d" per cell, "\n" after each row.
    QString description() const;

private:
    qint64 _dimension = 0;
    std::vector<int8_t> _data;
};
