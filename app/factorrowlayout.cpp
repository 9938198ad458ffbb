#include "app/factorrowlayout.h"

#include <algorithm>
#include <limits>

double FactorRowPlaces::right(const std::array<bool, factorRowSize>& shown) const {
    double right = 0;
    for (int k = 0; k < factorRowSize; ++k)
        if (shown[k])
            right = std::max({right, bases[k].right(), exponents[k].right()});
    return right;
}

std::pair<double, double>
FactorRowPlaces::verticalExtent(const std::array<bool, factorRowSize>& shown) const {
    double top = std::numeric_limits<double>::max();
    double bottom = std::numeric_limits<double>::lowest();
    for (int k = 0; k < factorRowSize; ++k) {
        if (!shown[k])
            continue;
        top = std::min({top, bases[k].top(), exponents[k].top()});
        bottom = std::max({bottom, bases[k].bottom(), exponents[k].bottom()});
    }
    return {top, bottom};
}

FactorRowPlaces FactorRowPlaces::scaled(double factor, QPointF from) const {
    FactorRowPlaces grown;
    for (int k = 0; k < factorRowSize; ++k) {
        grown.bases[k] = scaledFrom(bases[k], factor, from);
        grown.exponents[k] = scaledFrom(exponents[k], factor, from);
    }
    return grown;
}

QRectF scaledFrom(const QRectF& rect, double factor, QPointF from) {
    return QRectF(from + (rect.topLeft() - from) * factor, rect.size() * factor);
}

FactorRowPlaces placeFactorRow(const FactorRowPlaces& design,
                               const std::array<double, factorRowSize>& baseNeeds,
                               const std::array<double, factorRowSize>& exponentNeeds,
                               const std::array<bool, factorRowSize>& shown, RowFitting fitting) {
    FactorRowPlaces placed = design;
    if (fitting == RowFitting::Compact) {
        // Each power just after the one before, each exponent just after its base.
        double left = design.bases[0].left();
        for (int k = 0; k < factorRowSize; ++k) {
            if (!shown[k])
                continue;
            for (auto [box, need] : {std::pair{&placed.bases[k], baseNeeds[k]},
                                     std::pair{&placed.exponents[k], exponentNeeds[k]}}) {
                *box = QRectF(left, box->top(), need, box->height());
                left += need;
            }
        }
        return placed;
    }
    double shift = 0;
    for (int k = 0; k < factorRowSize; ++k) {
        if (!shown[k])
            continue;
        for (auto [box, need] : {std::pair{&placed.bases[k], baseNeeds[k]},
                                 std::pair{&placed.exponents[k], exponentNeeds[k]}}) {
            box->translate(shift, 0);
            const double growth = std::max(0.0, need - box->width());
            box->setWidth(box->width() + growth);
            shift += growth;
        }
    }
    return placed;
}
