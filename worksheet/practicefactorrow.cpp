#include "worksheet/practicefactorrow.h"

#include "worksheet/conversions.h"

#include <algorithm>

namespace {

bool contains(const std::vector<std::int32_t>& values, std::int32_t value) {
    return std::find(values.begin(), values.end(), value) != values.end();
}

} // namespace

PracticeFactorRow::PracticeFactorRow(std::int32_t number, const std::vector<std::int32_t>& divisors)
    : m_number(number) {
    for (const std::int32_t prime : divisors) {
        if (m_powers.empty() || m_powers.back().prime != prime)
            m_powers.push_back(Power{prime, 0});
        ++m_powers.back().exponent;
    }
}

RowCheck PracticeFactorRow::check(const std::vector<TypedPair>& row) {
    RowCheck result;
    result.number = m_number;
    result.attempt.number = m_wrongAnswers + 1;
    if (!m_done) {
        std::vector<std::int32_t> seen;
        for (int k = 0; k < static_cast<int>(row.size()) && result.mistake == RowMistake::None;
             ++k) {
            result.mistake = pairMistake(row[k], seen, result);
            result.pair = k;
        }
        if (result.mistake == RowMistake::None)
            result.mistake = missing(seen, result);
    }
    if (result.mistake != RowMistake::None) {
        ++m_wrongAnswers;
        result.attempt.outcome = AnswerOutcome::Wrong;
        return result;
    }
    result = RowCheck{result.attempt, RowMistake::None, -1, 0, 0, m_number, m_powers};
    result.attempt.outcome = m_done ? AnswerOutcome::NotAsked : AnswerOutcome::Right;
    m_done = true;
    return result;
}

RowMistake PracticeFactorRow::pairMistake(const TypedPair& typed, std::vector<std::int32_t>& seen,
                                          RowCheck& check) const {
    check.prime = 0;
    check.count = 0;
    const bool noExponent = trimmed(typed.exponent).empty();
    if (trimmed(typed.base).empty())
        return noExponent ? RowMistake::None : RowMistake::ExponentWithoutBase;
    const std::optional<std::int32_t> base = readAnswer(typed.base);
    if (!base)
        return RowMistake::BaseNotANumber;
    check.prime = *base;
    // 1 has no prime factor, so its row shows the 1 itself, as the demonstration does.
    const bool rowOfOne = m_number == 1 && *base == 1;
    if (!rowOfOne && !isPrime(*base))
        return RowMistake::BaseNotPrime;
    if (m_number % *base != 0)
        return RowMistake::NotDivisor;
    if (contains(seen, *base))
        return RowMistake::Repeated;
    seen.push_back(*base);
    const std::optional<std::int32_t> exponent = noExponent ? 1 : readAnswer(typed.exponent);
    if (!exponent || *exponent < 1)
        return RowMistake::ExponentNotWhole;
    check.count = rowOfOne ? *exponent : timesInLadder(*base);
    return *exponent == check.count ? RowMistake::None : RowMistake::WrongExponent;
}

RowMistake PracticeFactorRow::missing(const std::vector<std::int32_t>& seen,
                                      RowCheck& check) const {
    check.pair = -1;
    if (m_number == 1 && seen.empty())
        return RowMistake::OneMissing;
    for (const Power& power : m_powers) {
        if (!contains(seen, power.prime)) {
            check.prime = power.prime;
            check.count = power.exponent;
            return RowMistake::Missing;
        }
    }
    return RowMistake::None;
}

int PracticeFactorRow::timesInLadder(std::int32_t prime) const {
    for (const Power& power : m_powers)
        if (power.prime == prime)
            return power.exponent;
    return 0;
}
