#include "worksheet/practicescore.h"

void PracticeScore::record(const Attempt& attempt) {
    if (attempt.outcome == AnswerOutcome::NotAsked)
        return;
    if (attempt.number == 1) {
        ++m_answered;
        if (attempt.outcome == AnswerOutcome::Right)
            ++m_rightFirstTime;
    }
    if (attempt.outcome == AnswerOutcome::Helped)
        ++m_helps;
}
