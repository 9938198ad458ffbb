#pragma once

#include "expectedwindow.h"
#include "windowdriver.h"

#include <QString>

// The first way in which the window differs from what a test expects of it, or nothing
// when it shows all it should: the window open with no box or menu left over, the four
// commands and the speed marks, the typed texts, each label and factor row with its colour
// marks, and each ladder, whose lines must divide out step by step into the prime factors.
QString differenceFrom(const ExpectedWindow& expected, const WindowDriver& driver);

// A text as a message shows it: in quotes, with tabs and line feeds written out.
QString quoted(const QString& text);
