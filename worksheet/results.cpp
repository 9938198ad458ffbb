#include "worksheet/results.h"

#include <algorithm>

namespace {

int exponentOf(const Powers& powers, std::int32_t prime) {
    for (const Power& power : powers)
        if (power.prime == prime)
            return power.exponent;
    return 0;
}

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
    std::sort(result.begin(), result.end(),
              [](const Power& x, const Power& y) { return x.prime < y.prime; });
    return result;
}

} // namespace

Powers powersOf(const Worksheet& worksheet) {
    Powers powers;
    for (int k = 0; k < worksheet.distinctPrimeCount(); ++k)
        powers.push_back({worksheet.primes[k], worksheet.exponents[k]});
    return powers;
}

std::int64_t valueOf(const Powers& powers) {
    std::int64_t value = 1;
    for (const Power& power : powers)
        for (int i = 0; i < power.exponent; ++i)
            value *= power.prime;
    return value;
}

Powers commonDivisorPowers(const Worksheet& first, const Worksheet& second) {
    return combined(first, second, [](int a, int b) { return std::min(a, b); });
}

Powers commonMultiplePowers(const Worksheet& first, const Worksheet& second) {
    return combined(first, second, [](int a, int b) { return std::max(a, b); });
}
