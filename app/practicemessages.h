#pragma once

#include "worksheet/practicefactorrow.h"
#include "worksheet/practiceladder.h"
#include "worksheet/practicemarks.h"
#include "worksheet/practicescore.h"

#include <QString>

// What the message line says after each practice answer: what is right, or the one thing
// that is wrong, with the hint or the help that came with it.
QString ladderMessage(const LadderAnswer& answer);
QString factorRowMessage(const RowCheck& check);
QString marksMessage(const MarksCheck& check);

// "Encerts a la primera: 9 de 11 · ajudes: 1"
QString scoreLine(const PracticeScore& score);

// A number as the messages write it, with a period between thousands from five digits up:
// 2047, 32.749.
QString shownNumber(qint64 number);
// Powers joined by " · ", their exponents raised and an exponent 1 left out: "2 · 5³".
QString shownPowers(const Powers& powers);
