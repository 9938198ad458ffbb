#include "worksheet/practicemarks.h"

#include <algorithm>
#include <utility>

namespace {

// A marked power, with what the other number has of its prime.
struct Marked {
    Power power;
    int otherExponent = 0; // 0 when the other number lacks the prime
    int row = 0;
};

struct Finding {
    MarksMistake mistake = MarksMistake::None;
    std::int32_t prime = 0;
};

bool markedIn(const std::vector<Marked>& marks, int row, std::int32_t prime) {
    return std::any_of(marks.begin(), marks.end(), [&](const Marked& mark) {
        return mark.row == row && mark.power.prime == prime;
    });
}

std::vector<Marked> marked(const Powers (&rows)[2], const std::vector<bool>& firstMarks,
                           const std::vector<bool>& secondMarks) {
    std::vector<Marked> marks;
    for (int row = 0; row < 2; ++row) {
        const std::vector<bool>& marksOfRow = row == 0 ? firstMarks : secondMarks;
        for (std::size_t k = 0; k < rows[row].size() && k < marksOfRow.size(); ++k) {
            const Power& power = rows[row][k];
            if (marksOfRow[k])
                marks.push_back(Marked{power, exponentOf(rows[1 - row], power.prime), row});
        }
    }
    return marks;
}

Finding markMistake(MarkRule rule, const std::vector<Marked>& marks) {
    const bool divisor = rule == MarkRule::CommonDivisor;
    for (const Marked& mark : marks)
        if (divisor && mark.otherExponent == 0)
            return {MarksMistake::NotCommon, mark.power.prime};
    for (const Marked& mark : marks) {
        if (divisor && mark.power.exponent > mark.otherExponent)
            return {MarksMistake::NotSmallestExponent, mark.power.prime};
        if (!divisor && mark.power.exponent < mark.otherExponent)
            return {MarksMistake::NotGreatestExponent, mark.power.prime};
    }
    // What is left marked in both rows has the same exponent in both.
    for (const Marked& mark : marks)
        if (mark.row == 1 && markedIn(marks, 0, mark.power.prime))
            return {MarksMistake::MarkedTwice, mark.power.prime};
    return {};
}

// The primes the marking must take, in ascending order.
std::vector<std::int32_t> wantedPrimes(MarkRule rule, const Powers (&rows)[2]) {
    std::vector<std::int32_t> wanted;
    for (const Powers& row : rows) {
        for (const Power& power : row) {
            const bool common =
                exponentOf(rows[0], power.prime) > 0 && exponentOf(rows[1], power.prime) > 0;
            if (rule == MarkRule::CommonMultiple || common)
                wanted.push_back(power.prime);
        }
    }
    std::sort(wanted.begin(), wanted.end());
    wanted.erase(std::unique(wanted.begin(), wanted.end()), wanted.end());
    return wanted;
}

Finding missing(MarkRule rule, const Powers (&rows)[2], const std::vector<Marked>& marks) {
    for (const std::int32_t prime : wantedPrimes(rule, rows))
        if (!markedIn(marks, 0, prime) && !markedIn(marks, 1, prime))
            return {rule == MarkRule::CommonDivisor ? MarksMistake::MissingCommon
                                                    : MarksMistake::Missing,
                    prime};
    return {};
}

} // namespace

PracticeMarks::PracticeMarks(MarkRule rule, Powers first, Powers second)
    : m_rule(rule)
    , m_rows{std::move(first), std::move(second)} {}

MarksCheck PracticeMarks::check(const std::vector<bool>& firstMarks,
                                const std::vector<bool>& secondMarks) {
    MarksCheck result;
    result.rule = m_rule;
    result.attempt.number = m_wrongAnswers + 1;
    const std::vector<Marked> marks = marked(m_rows, firstMarks, secondMarks);
    Finding finding = markMistake(m_rule, marks);
    if (finding.mistake == MarksMistake::None)
        finding = missing(m_rule, m_rows, marks);
    result.mistake = finding.mistake;
    result.prime = finding.prime;
    if (result.mistake != MarksMistake::None) {
        ++m_wrongAnswers;
        result.attempt.outcome = AnswerOutcome::Wrong;
        return result;
    }
    for (const Marked& mark : marks)
        result.powers.push_back(mark.power);
    sortByPrime(result.powers);
    result.value = valueOf(result.powers);
    result.attempt.outcome = m_done ? AnswerOutcome::NotAsked : AnswerOutcome::Right;
    m_done = true;
    return result;
}
