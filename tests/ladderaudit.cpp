#include "ladderaudit.h"

#include "fakecontrols.h"
#include "tests/oracle/expectedverdict.h"
#include "tests/oracle/limits.h"
#include "worksheet/decomposition.h"
#include "worksheet/worksheet.h"

#include <charconv>
#include <string_view>

namespace {

// The decimal digits of a number, in a buffer that needs no allocation.
class Digits {
public:
    explicit Digits(std::int64_t n)
        : m_end(std::to_chars(m_buffer, m_buffer + sizeof m_buffer, n).ptr) {}
    std::string_view view() const { return {m_buffer, static_cast<std::size_t>(m_end - m_buffer)}; }

private:
    char m_buffer[24];
    char* m_end;
};

std::string problem(const std::string& what, std::int64_t got, std::int64_t expected) {
    return what + " is " + std::to_string(got) + ", expected " + std::to_string(expected);
}

// The quotient column right-aligns each quotient by its count of digits.
int quotientX(std::int64_t quotient) {
    return 720 - 90 * static_cast<int>(Digits(quotient).view().size());
}

// " 250 " reads as 250; anything else as -1.
std::int64_t numberIn(const std::string& printed) {
    if (printed.size() < 3 || printed.size() > 12 || printed.front() != ' ' ||
        printed.back() != ' ')
        return -1;
    std::int64_t value = 0;
    for (std::size_t i = 1; i + 1 < printed.size(); ++i) {
        if (printed[i] < '0' || printed[i] > '9')
            return -1;
        value = value * 10 + (printed[i] - '0');
    }
    return value;
}

std::string lineProblem(const FakeControls::Line& line, int i, Column column, std::int64_t value) {
    const std::string where = "ladder line " + std::to_string(i);
    if (line.column != column)
        return where + " is in the wrong column";
    if (numberIn(line.printed) != value)
        return problem(where, numberIn(line.printed), value);
    if (column == Column::Quotients && line.x != quotientX(value))
        return problem(where + "'s x", line.x, quotientX(value));
    return {};
}

// The input, then for each factor its divisor and the quotient that follows it.
std::string ladderProblem(std::int64_t n, const oracle::Factorisation& f,
                          const FakeControls& window) {
    const auto lineCount = static_cast<std::int64_t>(window.lines.size());
    if (lineCount != 1 + 2 * f.factorCount)
        return problem("the number of ladder lines", lineCount, 1 + 2 * f.factorCount);
    if (window.clears != 2)
        return problem("the number of cleared columns", window.clears, 2);
    if (window.pauses != 2 * f.factorCount)
        return problem("the number of pauses", window.pauses, 2 * f.factorCount);
    std::string found = lineProblem(window.lines[0], 0, Column::Quotients, n);
    std::int64_t quotient = n;
    for (int i = 0; i < f.factorCount && found.empty(); ++i) {
        quotient /= f.factors[i];
        found = lineProblem(window.lines[1 + 2 * i], 1 + 2 * i, Column::Divisors, f.factors[i]);
        if (found.empty())
            found = lineProblem(window.lines[2 + 2 * i], 2 + 2 * i, Column::Quotients, quotient);
    }
    return found;
}

// What must hold of any completed worksheet, whatever the number.
std::string invariantProblem(std::int64_t n, const Worksheet& ws) {
    if (ws.number != 1 || ws.digitCount != 1)
        return "the worksheet does not end at 1, of one digit";
    std::int64_t product = 1;
    for (int i = 0; i < ws.factorCount; ++i) {
        product *= ws.factors[i];
        if (i > 0 && ws.factors[i] < ws.factors[i - 1])
            return "factor " + std::to_string(i) + " is smaller than the one before it";
    }
    if (product != n)
        return problem("the product of the factors", product, n);
    for (int i = ws.factorCount; i < Worksheet::factorCapacity; ++i)
        if (ws.factors[i] != 0)
            return "factor " + std::to_string(i) + " is stored beyond the factor count";
    const int distinct = ws.distinctPrimeCount();
    int exponentSum = 0;
    for (int k = 0; k < distinct; ++k) {
        exponentSum += ws.exponents[k];
        if (k > 0 && ws.primes[k] <= ws.primes[k - 1])
            return "prime " + std::to_string(k) + " is not larger than the one before it";
    }
    if (exponentSum != ws.factorCount)
        return problem("the sum of the exponents", exponentSum, ws.factorCount);
    // A run that found factors sets every unused exponent to 1; the number 1 leaves all as 0.
    const int unusedExponent = n == 1 ? 0 : 1;
    for (int k = distinct; k < Worksheet::primeCapacity; ++k)
        if (ws.primes[k] != 0 || ws.exponents[k] != unusedExponent)
            return "place " + std::to_string(k) + " beyond the primes is not empty";
    return {};
}

std::string recordProblem(const oracle::Factorisation& f, const Worksheet& ws) {
    if (ws.factorCount != f.factorCount)
        return problem("the factor count", ws.factorCount, f.factorCount);
    for (int i = 0; i < f.factorCount; ++i)
        if (ws.factors[i] != f.factors[i])
            return problem("factor " + std::to_string(i), ws.factors[i], f.factors[i]);
    if (ws.distinctPrimeCount() != f.primeCount)
        return problem("the distinct prime count", ws.distinctPrimeCount(), f.primeCount);
    for (int k = 0; k < f.primeCount; ++k) {
        if (ws.primes[k] != f.primes[k])
            return problem("prime " + std::to_string(k), ws.primes[k], f.primes[k]);
        if (ws.exponents[k] != f.exponents[k])
            return problem("exponent " + std::to_string(k), ws.exponents[k], f.exponents[k]);
    }
    return {};
}

bool shows(const std::string& box, std::int64_t value) {
    return box == Digits(value).view();
}

std::string rowProblem(std::string_view text, const oracle::Factorisation& f,
                       const FakeControls& window) {
    for (int k = 0; k < factorRowSize; ++k) {
        const bool filled = k < f.primeCount;
        const bool baseRight = filled ? shows(window.bases[k], f.primes[k])
                                      : window.bases[k] == (f.primeCount == 0 && k == 0 ? "1" : "");
        if (!baseRight)
            return "base box " + std::to_string(k) + " shows '" + window.bases[k] + "'";
        if (filled ? !shows(window.exponents[k], f.exponents[k]) : !window.exponents[k].empty())
            return "exponent box " + std::to_string(k) + " shows '" + window.exponents[k] + "'";
    }
    const std::string& label = window.label;
    if (label.size() != text.size() + 3 || label.compare(0, text.size(), text) != 0 ||
        label.compare(text.size(), 3, " = ") != 0)
        return "the label reads '" + label + "'";
    return {};
}

} // namespace

const char* nameOf(Verdict verdict) {
    static const char* const names[] = {"Accepted",     "Empty",          "NotPositiveWhole",
                                        "TooLarge",     "TooManyFactors", "TooManyDistinctPrimes",
                                        "PrimeTooLarge"};
    return names[static_cast<int>(verdict)];
}

std::string auditNumber(std::int64_t n, const oracle::PrimeReference& reference, Verdict& verdict) {
    const Digits digits(n);
    const std::string_view text = digits.view();
    const InputCheck check = checkInput(text);
    verdict = check.verdict;
    if (check.value != static_cast<double>(n))
        return "the text reads as " + std::to_string(check.value);
    const oracle::Factorisation f =
        n > oracle::largestWhole ? oracle::Factorisation{} : reference.factorise(n);
    const Verdict expected = oracle::expectedVerdict(n, f);
    if (check.verdict != expected)
        return std::string("the verdict is ") + nameOf(check.verdict) + ", expected " +
               nameOf(expected);
    if (check.verdict != Verdict::Accepted)
        return {};
    if (check.factors.divisorCount != f.factorCount)
        return problem("the input check's factor count", check.factors.divisorCount, f.factorCount);

    Worksheet ws;
    FakeControls window(false);
    if (descomposar(ws, window, check, std::string(text)) != RunOutcome::Completed)
        return "the run stopped";
    std::string found = ladderProblem(n, f, window);
    if (found.empty())
        found = invariantProblem(n, ws);
    if (found.empty())
        found = recordProblem(f, ws);
    if (found.empty())
        found = rowProblem(text, f, window);
    return found;
}
