#include "app/factorrowlayout.h"

#include <algorithm>

double FactorRowPlaces::right() const {
    double right = 0;
    for (int k = 0; k < factorRowSize; ++k)
        right = std::max({right, bases[k].right(), exponents[k].right()});
    return right;
}

FactorRowPlaces placeFactorRow(const FactorRowPlaces& design,
                               const std::array<double, factorRowSize>& baseNeeds,
                               const std::array<double, factorRowSize>& exponentNeeds) {
    FactorRowPlaces placed = design;
    double shift = 0;
    for (int k = 0; k < factorRowSize; ++k) {
        QRectF& base = placed.bases[k];
        base.translate(shift, 0);
        const double baseGrowth = std::max(0.0, baseNeeds[k] - base.width());
        base.setWidth(base.width() + baseGrowth);
        shift += baseGrowth;

        QRectF& exponent = placed.exponents[k];
        exponent.translate(shift, 0);
        const double exponentGrowth = std::max(0.0, exponentNeeds[k] - exponent.width());
        exponent.setWidth(exponent.width() + exponentGrowth);
        shift += exponentGrowth;
    }
    return placed;
}
