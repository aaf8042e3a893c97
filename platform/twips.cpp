#include "twips.h"

#include <algorithm>
#include <cmath>

namespace bt {

namespace {
double scale_ = 1.0;
}  // namespace

double displayScale() {
    return scale_;
}

void setDisplayScale(double scale) {
    scale_ = std::max(1.0, scale);
}

int shown(double twips) {
    return px(twips * scale_);
}

double unshown(double pixels) {
    return twips(pixels) / scale_;
}

int shownPixels(int designPixels) {
    return std::max(1, int(std::lround(designPixels * scale_)));
}

}  // namespace bt
