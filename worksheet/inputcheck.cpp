#include "worksheet/inputcheck.h"

#include "worksheet/conversions.h"
#include "worksheet/worksheet.h"

#include <cmath>

Verdict verdictOnFactors(const Factorisation& factors) {
    if (factors.largestPrime() > largestPrime)
        return Verdict::PrimeTooLarge;
    if (factors.divisorCount > Worksheet::factorCapacity)
        return Verdict::TooManyFactors;
    if (factors.powerCount > factorRowSize)
        return Verdict::TooManyDistinctPrimes;
    return Verdict::Accepted;
}

InputCheck checkInput(std::string_view text) {
    const NumberReading reading = readNumber(text);
    InputCheck check;
    check.value = reading.value;
    if (trimmed(text).empty()) {
        check.verdict = Verdict::Empty;
    } else if (!reading.wholeText || reading.value < 1 ||
               reading.value != std::floor(reading.value)) {
        check.verdict = Verdict::NotPositiveWhole;
    } else if (reading.value > largestInput) {
        check.verdict = Verdict::TooLarge;
    } else {
        check.factors = factorise(static_cast<std::int32_t>(reading.value));
        check.verdict = verdictOnFactors(check.factors);
    }
    return check;
}
