#pragma once

#include "tests/oracle/factorisation.h"
#include "tests/oracle/referencereader.h"
#include "worksheet/inputcheck.h"

#include <cstdint>
#include <string_view>

namespace oracle {

// What the input check should say of the number n, by its factorisation and the limits.
Verdict expectedVerdict(std::int64_t n, const Factorisation& f);

// What the input check should say of a typed text, by its reference reading.
Verdict expectedVerdict(std::string_view text, const ReferenceReading& reading);

} // namespace oracle
