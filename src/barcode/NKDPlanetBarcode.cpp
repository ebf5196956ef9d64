#include "NKDPlanetBarcode.h"

float NKDPlanetBarcode::_heightForDigit(int d, int b) const {
    const char c = d < m_content.size() ? m_content.at(d).toLatin1() : m_checkDigit;
    if (c < '0' || c > '9')
        return 0.125f;
    return isTall(c, b) ? 0.05f : 0.125f;
}
