#pragma once

#include "primereference.h"
#include "worksheet/inputcheck.h"

#include <cstdint>
#include <string>

// The limits of a worksheet, written here afresh rather than taken from the core, so that a
// wrong constant in the core shows as a disagreement.
namespace limits {
constexpr std::int64_t largestWhole = 2147483647;
constexpr int mostFactors = 21;
constexpr int mostDistinctPrimes = 7;
constexpr std::int32_t largestPrime = 32767;
} // namespace limits

// What the input check should say of n's decimal text, by its reference factorisation.
Verdict expectedVerdict(std::int64_t n, const ReferenceFactors& factors);

const char* nameOf(Verdict verdict);

// Runs n's decimal text through the input check and, when it is accepted, through the
// decomposition with a fresh worksheet, and compares every ladder line, the worksheet
// record and the factor row with the reference. The first disagreement, described, or
// nothing when there is none. `verdict` receives the check's verdict.
std::string auditNumber(std::int64_t n, const PrimeReference& reference, Verdict& verdict);
