#include "worksheet/powers.h"

#include <algorithm>

int exponentOf(const Powers& powers, std::int32_t prime) {
    for (const Power& power : powers)
        if (power.prime == prime)
            return power.exponent;
    return 0;
}

std::int64_t valueOf(const Powers& powers) {
    std::int64_t value = 1;
    for (const Power& power : powers)
        for (int i = 0; i < power.exponent; ++i)
            value *= power.prime;
    return value;
}

void sortByPrime(Powers& powers) {
    std::sort(powers.begin(), powers.end(),
              [](const Power& a, const Power& b) { return a.prime < b.prime; });
}
