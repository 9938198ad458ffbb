#pragma once

#include "worksheet/worksheet.h"

#include <QRectF>

#include <array>

// A factor row's boxes, in twips.
struct FactorRowPlaces {
    std::array<QRectF, factorRowSize> bases;
    std::array<QRectF, factorRowSize> exponents;

    // The right edge of the last pair that shows something; pairs left empty take no room.
    double right(const std::array<bool, factorRowSize>& shown) const;
    // The top and bottom of the pairs that show something.
    std::pair<double, double> verticalExtent(const std::array<bool, factorRowSize>& shown) const;
    // The same boxes, their places and sizes scaled by the factor away from a point.
    FactorRowPlaces scaled(double factor, QPointF from) const;
};

// How a factor row's boxes take the width their texts need.
enum class RowFitting {
    Drawn,   // a box keeps its drawn width while its text fits, and grows when it does not
    Compact, // every box is as wide as its text: the room a row has before its font shrinks
};

// Where a factor row's boxes stand once each box of the pairs shown has taken the width its
// text needs: what a box grows (or gives back) moves every box shown to its right along, so
// each exponent stays raised at its base's right edge. Pairs that show nothing stay where
// they were drawn, out of the way of what stands beyond the row.
FactorRowPlaces placeFactorRow(const FactorRowPlaces& design,
                               const std::array<double, factorRowSize>& baseNeeds,
                               const std::array<double, factorRowSize>& exponentNeeds,
                               const std::array<bool, factorRowSize>& shown,
                               RowFitting fitting = RowFitting::Drawn);

// A rectangle's place and size scaled by the factor away from a point.
QRectF scaledFrom(const QRectF& rect, double factor, QPointF from);
