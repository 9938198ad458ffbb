#pragma once

#include <cstdint>
#include <vector>

// A prime raised to an exponent, as one pair of a factor row shows it.
struct Power {
    std::int32_t prime = 0;
    int exponent = 0;
};

// A factor row's powers, in the order of its pairs.
using Powers = std::vector<Power>;

inline bool operator==(const Power& a, const Power& b) {
    return a.prime == b.prime && a.exponent == b.exponent;
}

// The exponent of the prime among the powers: 0 when it is not there.
int exponentOf(const Powers& powers, std::int32_t prime);

// The number the powers multiply to: 1 for none.
std::int64_t valueOf(const Powers& powers);

// In ascending order of prime, as a factor row writes them.
void sortByPrime(Powers& powers);
