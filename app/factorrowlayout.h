#pragma once

#include "worksheet/worksheet.h"

#include <QRectF>

#include <array>

// A factor row's boxes, in twips.
struct FactorRowPlaces {
    std::array<QRectF, factorRowSize> bases;
    std::array<QRectF, factorRowSize> exponents;

    // The right edge of the row's last box.
    double right() const;
};

// Where a factor row's boxes stand once each box has grown to the width its text needs: a
// box keeps its drawn width while its text fits, and what it grows moves every box to its
// right along, so each exponent stays raised at its base's right edge.
FactorRowPlaces placeFactorRow(const FactorRowPlaces& design,
                               const std::array<double, factorRowSize>& baseNeeds,
                               const std::array<double, factorRowSize>& exponentNeeds);
