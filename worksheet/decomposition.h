#pragma once

#include "worksheet/inputcheck.h"
#include "worksheet/worksheet.h"
#include "worksheet/worksheetcontrols.h"

#include <string>

// Decimal digits of a number's whole part: 1 below 10, 2 below 100, and so on.
int digitCountOf(double number);

// Sets the worksheet's digit count from its current number.
void calcular(Worksheet& worksheet);

// The quotient column's print x that right-aligns a quotient of that many digits.
float ladderX(int digitCount);

// Prints a quotient as the next line of the quotient column, right-aligned by its digits.
void printQuotient(double quotient, WorksheetControls& controls);

enum class RunOutcome {
    Completed,
    Stopped,     // the window is closing
    OutOfLimits, // the factorisation does not fit the worksheet: nothing was drawn
};

// The decompose command for a number the input check accepted: starts the ladder with the
// number, draws each division with its two step pauses, groups the divisors into prime
// powers and fills the factor row and the label, which repeats the text as typed. The
// worksheet must be in its starting state.
RunOutcome descomposar(Worksheet& worksheet, WorksheetControls& controls,
                       const InputCheck& accepted, const std::string& typed);
