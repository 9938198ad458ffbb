#pragma once

#include "worksheet/worksheet.h"
#include "worksheet/worksheetcontrols.h"

// The commands of an exercise that work on both worksheets at once: the two comparisons and
// the start of a new exercise.

// "m.c.d.": for every prime both numbers have, marks in red the power with the smaller
// exponent, the first number's when the exponents are equal. The red powers multiply to
// the greatest common divisor. Only primes that a decomposition found take part.
void markCommonDivisor(const Worksheet& first, WorksheetControls& firstRow, const Worksheet& second,
                       WorksheetControls& secondRow);

// "m.c.m": turns the red marks back to the normal colour and every other power shown in
// the two rows dark blue; the blue powers multiply to the least common multiple.
void markCommonMultiple(WorksheetControls& firstRow, WorksheetControls& secondRow);

// "començar": both worksheets back to their starting state, their ladders, factor rows and
// labels emptied and every power back to the normal colour.
void startAgain(Worksheet& first, WorksheetControls& firstControls, Worksheet& second,
                WorksheetControls& secondControls);
