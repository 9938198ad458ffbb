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

// What the pupil is asked to do next: the place the answer field stands at, the marks.
QString ladderPrompt(const PracticeLadder& ladder);
QString marksPrompt(MarkRule rule);
// "m.c.d." or "m.c.m" pressed before the rows they compare are written.
QString marksNotYet(MarkRule rule);

// "Encerts a la primera: 9 de 11 · ajudes: 1"
QString scoreLine(const PracticeScore& score);
