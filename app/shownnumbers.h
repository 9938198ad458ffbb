#pragma once

#include "worksheet/powers.h"

#include <QString>

// A number as the window's messages write it, with a period between thousands from five
// digits up: 2047, 32.749, 2.147.483.647.
QString shownNumber(qint64 number);

// Powers joined by " · ", their exponents raised and an exponent 1 left out: "2 · 5³".
QString shownPowers(const Powers& powers);

// One of two forms of a message, the number filled in as %1: `plain` with "el" before the
// number ("El 5 …"), or `elided` where the article elides, as before a number whose name
// starts with a vowel ("L'11 …").
QString withArticle(qint64 number, const QString& plain, const QString& elided);
