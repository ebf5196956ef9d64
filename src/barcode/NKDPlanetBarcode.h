#pragma once
#include "NKDPostnetBarcode.h"

// PLANET (USPS): POSTNET with every data bar's height swapped, three tall
// bars and two short ones per digit.
class NKDPlanetBarcode : public NKDPostnetBarcode {
    NKD_BARCODE_KIND(NKDPlanetBarcode)
public:
    float _heightForDigit(int d, int b) const override;
};
