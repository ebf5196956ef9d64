#include "NKDModifiedPlesseyHexBarcode.h"
