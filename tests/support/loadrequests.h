#pragma once

#include "planning/loadplan.h"

// A request for the default pallet (1200 x 800, 2000 mm with the pallet, no overhangs) and the
// given bundle.
inline LoadRequest BundleRequest(double length, double width, double height) {
    LoadRequest r;
    r.BundleLength = length;
    r.BundleWidth = width;
    r.BundleHeight = height;
    return r;
}
