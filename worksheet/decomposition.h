#pragma once

#include "worksheet/worksheet.h"
#include "worksheet/worksheetcontrols.h"

// Decimal digits of a number's whole part: 1 below 10, 2 below 100, and so on.
int digitCountOf(double number);

// Sets the worksheet's digit count from its current number.
void calcular(Worksheet& worksheet);

// The quotient column's print x that right-aligns a quotient of that many digits.
float ladderX(int digitCount);

enum class RunOutcome { Completed, Stopped };

// The division ladder, the grouping into prime powers and the factor row, for a worksheet
// whose number has passed the input check and whose first ladder line is printed.
RunOutcome descomposar(Worksheet& worksheet, WorksheetControls& controls);

// The decompose command once its input is accepted: stores the number, starts the ladder
// with it and runs the decomposition. The worksheet must be in its starting state.
RunOutcome decompose(Worksheet& worksheet, WorksheetControls& controls, double input);
