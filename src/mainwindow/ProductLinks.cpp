#include "mainwindow/ProductLinks.h"

namespace zelk {

ProductLinks& productLinks() {
    static ProductLinks links;
    return links;
}

}  // namespace zelk
