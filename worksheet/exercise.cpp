#include "worksheet/exercise.h"

namespace {

void markMultiples(WorksheetControls& row, int k) {
    if (row.baseColour(k) == colours::divisorMark)
        row.setPairColour(k, colours::normal);
    else if (!row.baseText(k).empty())
        row.setPairColour(k, colours::multipleMark);
}

void clearWorksheet(Worksheet& worksheet, WorksheetControls& controls) {
    worksheet.reset();
    controls.setLabelCaption("");
    for (int k = 0; k < factorRowSize; ++k) {
        controls.setBaseText(k, "");
        controls.setExponentText(k, "");
    }
    controls.clear(Column::Quotients);
    controls.clear(Column::Divisors);
}

} // namespace

void markCommonDivisor(const Worksheet& first, WorksheetControls& firstRow, const Worksheet& second,
                       WorksheetControls& secondRow) {
    for (int i = 0; i < first.distinctPrimeCount(); ++i) {
        for (int j = 0; j < second.distinctPrimeCount(); ++j) {
            if (second.primes[j] != first.primes[i])
                continue;
            if (second.exponents[j] < first.exponents[i])
                secondRow.setPairColour(j, colours::divisorMark);
            else
                firstRow.setPairColour(i, colours::divisorMark);
        }
    }
}

void markCommonMultiple(WorksheetControls& firstRow, WorksheetControls& secondRow) {
    for (int k = 0; k < factorRowSize; ++k) {
        markMultiples(firstRow, k);
        markMultiples(secondRow, k);
    }
}

void startAgain(Worksheet& first, WorksheetControls& firstControls, Worksheet& second,
                WorksheetControls& secondControls) {
    clearWorksheet(first, firstControls);
    clearWorksheet(second, secondControls);
    for (int k = 0; k < factorRowSize; ++k) {
        firstControls.setPairColour(k, colours::normal);
        secondControls.setPairColour(k, colours::normal);
    }
}
