#include "worksheet/practiceladder.h"

#include "worksheet/conversions.h"
#include "worksheet/decomposition.h"

#include <cassert>

PracticeLadder::PracticeLadder(std::int32_t number)
    : m_number(number)
    , m_ladder(factorise(number))
    , m_quotient(number)
    , m_place(number == 1 ? LadderPlace::Done : LadderPlace::Divisor) {
    assert(number >= 1);
}

void PracticeLadder::start(WorksheetControls& controls) const {
    // The window sizes and spaces the ladder for all its lines, as for a demonstration.
    controls.expectLadder(
        m_ladder.divisorCount + 1, m_number,
        m_ladder.divisorCount == 0 ? 0 : m_ladder.divisors[m_ladder.divisorCount - 1]);
    controls.clear(Column::Quotients);
    controls.clear(Column::Divisors);
    printQuotient(m_number, controls);
}

LadderAnswer PracticeLadder::answer(std::string_view typed, WorksheetControls& controls) {
    LadderAnswer result = placeNow();
    if (m_place == LadderPlace::Done)
        return result;
    const std::optional<std::int32_t> read = readAnswer(typed);
    result.answer = read.value_or(0);
    result.mistake = mistakeIn(result, read.has_value());
    result.attempt.number = m_wrongAnswers + 1;
    if (result.mistake == LadderMistake::None) {
        result.attempt.outcome = AnswerOutcome::Right;
        write(result.rightAnswer, controls);
        return result;
    }
    ++m_wrongAnswers;
    if (m_wrongAnswers == wrongAnswersBeforeHint)
        result.hint = hint();
    result.attempt.outcome = AnswerOutcome::Wrong;
    if (m_wrongAnswers >= wrongAnswersBeforeHelp) {
        result.attempt.outcome = AnswerOutcome::Helped;
        write(result.rightAnswer, controls);
    }
    return result;
}

LadderAnswer PracticeLadder::placeNow() const {
    LadderAnswer place;
    place.place = m_place;
    place.quotient = m_quotient;
    if (m_place == LadderPlace::Divisor) {
        place.rightAnswer = rightDivisor();
    } else if (m_place == LadderPlace::Quotient) {
        place.divisor = m_divisors.back();
        place.rightAnswer = m_quotient / place.divisor;
    }
    return place;
}

LadderMistake PracticeLadder::mistakeIn(const LadderAnswer& answer, bool read) const {
    if (!read)
        return LadderMistake::NotANumber;
    if (m_place == LadderPlace::Quotient)
        return answer.answer == answer.rightAnswer ? LadderMistake::None
                                                   : LadderMistake::WrongQuotient;
    if (answer.answer <= 1)
        return LadderMistake::NotAboveOne;
    if (m_quotient % answer.answer != 0)
        return LadderMistake::DoesNotDivide;
    if (!isPrime(answer.answer))
        return LadderMistake::NotPrime;
    if (answer.answer != answer.rightAnswer)
        return LadderMistake::NotSmallestPrime;
    return LadderMistake::None;
}

LadderHint PracticeLadder::hint() const {
    if (m_place == LadderPlace::Quotient)
        return LadderHint::DoTheDivision;
    switch (rightDivisor()) {
    case 2:
        return LadderHint::RuleOfTwo;
    case 3:
        return LadderHint::RuleOfThree;
    case 5:
        return LadderHint::RuleOfFive;
    case 11:
        return LadderHint::RuleOfEleven;
    default:
        return LadderHint::TryDividing;
    }
}

void PracticeLadder::write(std::int32_t value, WorksheetControls& controls) {
    m_wrongAnswers = 0;
    if (m_place == LadderPlace::Divisor) {
        controls.print(Column::Divisors, printedText(value));
        m_divisors.push_back(value);
        m_place = LadderPlace::Quotient;
    } else {
        printQuotient(value, controls);
        m_quotient = value;
        m_place = value == 1 ? LadderPlace::Done : LadderPlace::Divisor;
    }
}
