#pragma once

#include "worksheet/powers.h"
#include "worksheet/worksheet.h"

#include <cstdint>

// The powers of a decomposed number, as its factor row shows them: none for 1.
Powers powersOf(const Worksheet& worksheet);

// The greatest common divisor of two decomposed numbers, as "m.c.d." marks it: every prime
// both have, with the smaller exponent, in ascending order; none when they share no prime.
Powers commonDivisorPowers(const Worksheet& first, const Worksheet& second);

// The least common multiple, as "m.c.m" marks it after "m.c.d.": every prime of either
// number, with the greater exponent, in ascending order.
Powers commonMultiplePowers(const Worksheet& first, const Worksheet& second);
