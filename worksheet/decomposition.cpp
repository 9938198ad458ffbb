#include "worksheet/decomposition.h"

#include "worksheet/conversions.h"

namespace {

// Whether the factorisation is that of the number and fits every list of a worksheet in its
// starting state. The input check has made sure of it; a disagreement must end the run
// before it writes past a list, in every build.
bool fitsWorksheet(const Worksheet& ws, const InputCheck& accepted) {
    const Factorisation& f = accepted.factors;
    if (accepted.verdict != Verdict::Accepted || ws.factorCount != 0 || ws.primeCount != 0 ||
        f.divisorCount < 0 || f.divisorCount > Worksheet::factorCapacity)
        return false;
    double product = 1;
    int distinct = 0;
    for (int i = 0; i < f.divisorCount; ++i) {
        const std::int32_t divisor = f.divisors[i];
        if (divisor < 2 || divisor > largestPrime || (i > 0 && divisor < f.divisors[i - 1]))
            return false;
        distinct += i == 0 || divisor != f.divisors[i - 1];
        product *= divisor;
    }
    // Below 2 to the 53rd every product is exact; above it, it is no input anyway.
    return distinct <= factorRowSize && product == accepted.value;
}

// The divisors, which stand in ascending order, grouped into the distinct primes and their
// exponents.
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

void fillFactorRow(const Worksheet& ws, WorksheetControls& controls, const std::string& typed) {
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
    controls.setLabelCaption(typed + " = ");
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

void printQuotient(double quotient, WorksheetControls& controls) {
    controls.setPrintX(Column::Quotients, ladderX(digitCountOf(quotient)));
    controls.print(Column::Quotients, printedText(quotient));
}

RunOutcome descomposar(Worksheet& ws, WorksheetControls& controls, const InputCheck& accepted,
                       const std::string& typed) {
    if (!fitsWorksheet(ws, accepted))
        return RunOutcome::OutOfLimits;
    const Factorisation& f = accepted.factors;
    ws.number = accepted.value;
    controls.expectLadder(f.divisorCount + 1, accepted.value,
                          f.divisorCount == 0 ? 0 : f.divisors[f.divisorCount - 1]);
    controls.clear(Column::Quotients);
    controls.clear(Column::Divisors);
    calcular(ws);
    printQuotient(ws.number, controls);
    for (int i = 0; i < f.divisorCount; ++i) {
        const std::int32_t divisor = f.divisors[i];
        ws.factors[ws.factorCount++] = static_cast<std::int16_t>(divisor);
        if (!controls.pause())
            return RunOutcome::Stopped;
        controls.print(Column::Divisors, printedText(divisor));
        ws.number /= divisor;
        if (!controls.pause())
            return RunOutcome::Stopped;
        calcular(ws);
        printQuotient(ws.number, controls);
    }
    if (ws.factorCount > 0)
        groupIntoPowers(ws);
    fillFactorRow(ws, controls, typed);
    return RunOutcome::Completed;
}
