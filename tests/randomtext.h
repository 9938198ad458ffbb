#pragma once

#include <QRandomGenerator>
#include <QString>

// Text a pupil might type into a number's box, from whole numbers the window takes, with
// or without periods between the thousands, to every kind it refuses: huge numbers,
// blanks, signs, "&H" and "&O" forms, decimals, exponents, garbage and nothing at all.
// Only characters a keyboard types directly.
QString randomTypedText(QRandomGenerator& random);

// Text a pupil might paste: typed text with tabs and line feeds in it, or with characters
// that look like digits or blanks but are not.
QString randomPastedText(QRandomGenerator& random);
