#pragma once

#include "worksheet/practiceanswer.h"

// The score of one exercise, counted by places: each cell of the two ladders, each factor
// row, the m.c.d. and the m.c.m is one place. A place counts as answered at its first
// answer, and as right at the first try when that answer was right.
class PracticeScore {
public:
    void record(const Attempt& attempt);
    // A new exercise starts from nothing.
    void reset() { *this = PracticeScore{}; }

    int rightFirstTime() const { return m_rightFirstTime; }
    int answered() const { return m_answered; }
    // Places whose answer was written for the pupil.
    int helps() const { return m_helps; }

private:
    int m_rightFirstTime = 0;
    int m_answered = 0;
    int m_helps = 0;
};
