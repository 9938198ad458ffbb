#include "worksheet/decomposition.h"

#include "worksheet/conversions.h"

#include <cassert>
#include <cstdint>

namespace {

// The smallest divisor of n from 2 up; n itself when n is prime.
std::int32_t smallestDivisor(std::int32_t n) {
    for (std::int32_t d = 2; static_cast<std::int64_t>(d) * d <= n; ++d)
        if (n % d == 0)
            return d;
    return n;
}

void printQuotient(Worksheet& worksheet, WorksheetControls& controls) {
    calcular(worksheet);
    controls.setPrintX(Column::Quotients, ladderX(worksheet.digitCount));
    controls.print(Column::Quotients, printedText(worksheet.number));
}

void groupIntoPowers(Worksheet& ws) {
    ws.exponents.fill(1);
    ws.primes[0] = ws.factors[0];
    for (int i = 1; i < ws.factorCount; ++i) {
        if (ws.factors[i] != ws.factors[i - 1])
            ws.primes[++ws.primeCount] = ws.factors[i];
        else
            ++ws.exponents[ws.primeCount];
    }
}

void fillFactorRow(const Worksheet& ws, WorksheetControls& controls) {
    if (ws.factorCount == 0) {
        // 1 has no prime factor: the row shows the 1 itself, with no exponent.
        controls.setBaseText(0, "1");
        controls.setExponentText(0, "");
    } else {
        for (int k = 0; k <= ws.primeCount; ++k)
            controls.setBaseText(k, boxText(ws.primes[k]));
        for (int k = 0; k <= ws.primeCount; ++k)
            controls.setExponentText(k, boxText(ws.exponents[k]));
    }
    controls.setLabelCaption(controls.inputText() + " = ");
    for (int k = 0; k < factorRowSize; ++k)
        if (controls.baseText(k).empty())
            controls.setExponentText(k, "");
}

} // namespace

int digitCountOf(double number) {
    // Every digit counts, up to the ten of the largest input, so that long quotients stay
    // right-aligned with the short ones.
    int digits = 1;
    for (double bound = 10; number >= bound; bound *= 10)
        ++digits;
    return digits;
}

void calcular(Worksheet& worksheet) {
    worksheet.digitCount = digitCountOf(worksheet.number);
}

float ladderX(int digitCount) {
    return static_cast<float>(720 - 90 * digitCount);
}

RunOutcome descomposar(Worksheet& ws, WorksheetControls& controls) {
    while (ws.number != 1) {
        const std::int32_t divisor = smallestDivisor(*toInt32(ws.number));
        assert(ws.factorCount < Worksheet::factorCapacity && divisor <= INT16_MAX);
        ws.factors[ws.factorCount++] = static_cast<std::int16_t>(divisor);
        if (!controls.pause())
            return RunOutcome::Stopped;
        controls.print(Column::Divisors, printedText(divisor));
        ws.number /= divisor;
        if (!controls.pause())
            return RunOutcome::Stopped;
        printQuotient(ws, controls);
    }
    if (ws.factorCount > 0)
        groupIntoPowers(ws);
    fillFactorRow(ws, controls);
    return RunOutcome::Completed;
}

RunOutcome decompose(Worksheet& worksheet, WorksheetControls& controls, double input) {
    worksheet.number = input;
    controls.clear(Column::Quotients);
    controls.clear(Column::Divisors);
    printQuotient(worksheet, controls);
    return descomposar(worksheet, controls);
}
