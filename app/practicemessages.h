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
