#include "worksheet/results.h"

#include <algorithm>

namespace {

// Each prime of either number once, with the exponent `pick` chooses from the two
// numbers' exponents (0 where a number lacks it); a prime whose pick is 0 is left out.
template <typename Pick>
Powers combined(const Worksheet& first, const Worksheet& second, Pick pick) {
    const Powers a = powersOf(first);
    const Powers b = powersOf(second);
    Powers result;
    for (const Powers* row : {&a, &b}) {
        for (const Power& power : *row) {
            const int exponent = pick(exponentOf(a, power.prime), exponentOf(b, power.prime));
            if (exponent > 0 && exponentOf(result, power.prime) == 0)
                result.push_back({power.prime, exponent});
        }
    }
    sortByPrime(result);
    return result;
}

} // namespace

Powers powersOf(const Worksheet& worksheet) {
    Powers powers;
    for (int k = 0; k < worksheet.distinctPrimeCount(); ++k)
        powers.push_back({worksheet.primes[k], worksheet.exponents[k]});
    return powers;
}

Powers commonDivisorPowers(const Worksheet& first, const Worksheet& second) {
    return combined(first, second, [](int a, int b) { return std::min(a, b); });
}

Powers commonMultiplePowers(const Worksheet& first, const Worksheet& second) {
    return combined(first, second, [](int a, int b) { return std::max(a, b); });
}
