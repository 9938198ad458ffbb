#include "worksheet/inputcheck.h"

#include "worksheet/conversions.h"
#include "worksheet/worksheet.h"
#include "worksheet/worksheetcontrols.h"

#include <cmath>
#include <cstdint>

namespace {

Verdict checkFactors(std::int64_t n, int& factors) {
    factors = 0;
    int distinct = 0;
    for (std::int64_t d = 2; d * d <= n; ++d) {
        if (n % d != 0)
            continue;
        if (d > largestPrime)
            return Verdict::PrimeTooLarge;
        ++distinct;
        while (n % d == 0) {
            n /= d;
            ++factors;
        }
    }
    if (n > 1) {
        ++distinct;
        ++factors;
        if (n > largestPrime)
            return Verdict::PrimeTooLarge;
    }
    if (factors > Worksheet::factorCapacity)
        return Verdict::TooManyFactors;
    if (distinct > factorRowSize)
        return Verdict::TooManyDistinctPrimes;
    return Verdict::Accepted;
}

} // namespace

InputCheck checkInput(std::string_view text) {
    const NumberReading reading = readNumber(text);
    InputCheck check;
    check.value = reading.value;
    if (trimmed(text).empty())
        check.verdict = Verdict::Empty;
    else if (!reading.wholeText || reading.value < 1 || reading.value != std::floor(reading.value))
        check.verdict = Verdict::NotPositiveWhole;
    else if (reading.value > largestInput)
        check.verdict = Verdict::TooLarge;
    else
        check.verdict = checkFactors(static_cast<std::int64_t>(reading.value), check.factorCount);
    return check;
}
