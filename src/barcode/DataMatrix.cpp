#include "barcode/DataMatrix.h"

DataMatrix::DataMatrix(qint64 dimension)
    : _dimension(dimension < 0 ? 0 : dimension),
      _data(static_cast<size_t>(_dimension * _dimension), 0) {}

void DataMatrix::set(int value, int x, int y) {
    if (x < 0 || y < 0 || x >= _dimension || y >= _dimension)
        return;
    _data[static_cast<size_t>(y * _dimension + x)] = static_cast<int8_t>(value);
}

int DataMatrix::valueAt(int x, int y) const {
    if (x < 0 || y < 0 || x >= _dimension || y >= _dimension)
        return 0;
    return _data[static_cast<size_t>(y * _dimension + x)];
}

QString DataMatrix::description() const {
    QString s;
    s.reserve(static_cast<qsizetype>(_dimension * (_dimension + 1)));
    for (qint64 y = 0; y < _dimension; ++y) {
        for (qint64 x = 0; x < _dimension; ++x)
            s += QString::number(_data[static_cast<size_t>(y * _dimension + x)]);
        s += QLatin1Char('\n');
    }
    return s;
}
