#pragma once

#include <string>
#include <string_view>

namespace oracle {

// The text-to-number rule read again from its definition, plainly and without regard for
// speed: the yardstick the fuzzer and the monkey test hold the program's reading against.
struct ReferenceReading {
    double value = 0;
    bool found = false;
    bool wholeText = false;
    std::string number; // the characters of the number, blanks dropped; empty when none
};

// Blanks, tabs and line feeds count for nothing. A whole number written with periods
// between its thousands reads with them taken out; any other text, by the longest leading
// part that forms a decimal or an "&H" or "&O" number.
ReferenceReading referenceRead(std::string_view text);

// The value of a number's characters, as the C library reads them: a decimal by strtod in
// the "C" locale, an "&H" or "&O" form by strtod's hexadecimal form. Both round correctly,
// and both give an infinity or zero beyond a double's range.
double valueOf(const std::string& number);

// The text has nothing but blanks, tabs and line feeds, or nothing at all.
bool onlyBlanks(std::string_view text);

} // namespace oracle
