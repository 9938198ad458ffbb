#pragma once

#include <cstdint>

// The limits of a worksheet, written here afresh rather than taken from the core, so that a
// wrong constant in the core shows as a disagreement.
namespace oracle {
constexpr std::int64_t largestWhole = 2147483647;
constexpr int mostFactors = 21;
constexpr int mostDistinctPrimes = 7;
constexpr std::int32_t largestPrime = 32767;
} // namespace oracle
