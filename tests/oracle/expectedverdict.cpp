#include "tests/oracle/expectedverdict.h"

#include "tests/oracle/limits.h"
#include "tests/oracle/primereference.h"

#include <cmath>

namespace oracle {

Verdict expectedVerdict(std::int64_t n, const Factorisation& f) {
    if (n > largestWhole)
        return Verdict::TooLarge;
    if (f.largestPrime() > largestPrime)
        return Verdict::PrimeTooLarge;
    if (f.factorCount > mostFactors)
        return Verdict::TooManyFactors;
    if (f.primeCount > mostDistinctPrimes)
        return Verdict::TooManyDistinctPrimes;
    return Verdict::Accepted;
}

Verdict expectedVerdict(std::string_view text, const ReferenceReading& reading) {
    if (onlyBlanks(text))
        return Verdict::Empty;
    if (!reading.wholeText || !(reading.value >= 1) || reading.value != std::floor(reading.value))
        return Verdict::NotPositiveWhole;
    if (reading.value > largestWhole)
        return Verdict::TooLarge;
    const auto n = static_cast<std::int64_t>(reading.value);
    return expectedVerdict(n, factorise(n));
}

} // namespace oracle
