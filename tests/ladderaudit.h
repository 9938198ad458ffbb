#pragma once

#include "tests/oracle/primereference.h"
#include "worksheet/inputcheck.h"

#include <cstdint>
#include <string>

const char* nameOf(Verdict verdict);

// Runs n's decimal text through the input check and, when it is accepted, through the
// decomposition with a fresh worksheet, and compares every ladder line, the worksheet
// record and the factor row with the reference. The first disagreement, described, or
// nothing when there is none. `verdict` receives the check's verdict.
std::string auditNumber(std::int64_t n, const oracle::PrimeReference& reference, Verdict& verdict);
