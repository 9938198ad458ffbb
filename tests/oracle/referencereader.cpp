#include "tests/oracle/referencereader.h"

#include <cmath>
#include <cstdlib>
#include <locale.h> // newlocale, strtod_l
#include <vector>

namespace oracle {

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n';
}
bool isSign(char c) {
    return c == '+' || c == '-';
}
bool isDecimalDigit(char c) {
    return c >= '0' && c <= '9';
}
bool isOctalDigit(char c) {
    return c >= '0' && c <= '7';
}
bool isHexDigit(char c) {
    return isDecimalDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}
bool isPeriod(char c) {
    return c == '.';
}

// Every character of the text passes the test; an empty text does.
bool every(std::string_view text, bool (*test)(char)) {
    for (char c : text)
        if (!test(c))
            return false;
    return true;
}

std::string without(std::string_view text, bool (*drop)(char)) {
    std::string kept;
    for (char c : text)
        if (!drop(c))
            kept += c;
    return kept;
}

// Sign, digits with at most one period among them and at least one digit, then perhaps an
// exponent: E or e, a sign perhaps, and at least one digit.
bool isDecimal(std::string_view t) {
    std::size_t i = 0;
    if (i < t.size() && isSign(t[i]))
        ++i;
    int digits = 0;
    int periods = 0;
    for (; i < t.size() && (isDecimalDigit(t[i]) || t[i] == '.'); ++i)
        (t[i] == '.' ? periods : digits) += 1;
    if (digits == 0 || periods > 1)
        return false;
    if (i == t.size())
        return true;
    if (t[i] != 'E' && t[i] != 'e')
        return false;
    ++i;
    if (i < t.size() && isSign(t[i]))
        ++i;
    const std::size_t exponentDigits = i;
    while (i < t.size() && isDecimalDigit(t[i]))
        ++i;
    return i == t.size() && i > exponentDigits;
}

// "&H" or "&O" in either case, then at least one digit of that base and nothing else.
bool isRadix(std::string_view t) {
    if (t.size() < 3 || t[0] != '&')
        return false;
    bool (*digit)(char) = nullptr;
    if (t[1] == 'H' || t[1] == 'h')
        digit = isHexDigit;
    else if (t[1] == 'O' || t[1] == 'o')
        digit = isOctalDigit;
    else
        return false;
    return every(t.substr(2), digit);
}

// Thousands written the Catalan way: a "+" perhaps, then pieces between periods, at least
// two, all digits, the first of one to three and every other of exactly three.
bool isThousands(std::string_view t) {
    if (!t.empty() && t[0] == '+')
        t.remove_prefix(1);
    std::vector<std::string_view> pieces;
    for (std::size_t period = t.find('.'); period != std::string_view::npos; period = t.find('.')) {
        pieces.push_back(t.substr(0, period));
        t.remove_prefix(period + 1);
    }
    pieces.push_back(t);
    if (pieces.size() < 2 || pieces[0].empty() || pieces[0].size() > 3)
        return false;
    for (std::size_t k = 0; k < pieces.size(); ++k)
        if (!every(pieces[k], isDecimalDigit) || (k > 0 && pieces[k].size() != 3))
            return false;
    return true;
}

bool formsNumber(std::string_view t) {
    return isDecimal(t) || isRadix(t);
}

double cStrtod(const std::string& text) {
    static const locale_t c = newlocale(LC_ALL_MASK, "C", nullptr);
    char* end = nullptr;
    const double value = strtod_l(text.c_str(), &end, c);
    // Everything handed over is a whole number in strtod's grammar; a rest means a fault here.
    return end == text.c_str() + text.size() ? value : std::nan("");
}

// Octal digits as hexadecimal ones of the same value: three bits a digit, regrouped by four.
std::string octalAsHex(std::string_view octal) {
    std::string bits;
    for (char c : octal)
        for (int shift = 2; shift >= 0; --shift)
            bits += ((c - '0') >> shift) & 1 ? '1' : '0';
    bits.insert(0, (4 - bits.size() % 4) % 4, '0');
    std::string hex;
    for (std::size_t i = 0; i < bits.size(); i += 4)
        hex += "0123456789abcdef"[std::stoi(bits.substr(i, 4), nullptr, 2)];
    return hex;
}

} // namespace

double valueOf(const std::string& number) {
    if (number.size() > 2 && number[0] == '&') {
        const std::string_view digits = std::string_view(number).substr(2);
        const bool hex = number[1] == 'H' || number[1] == 'h';
        return cStrtod("0x" + (hex ? std::string(digits) : octalAsHex(digits)));
    }
    return cStrtod(number);
}

bool onlyBlanks(std::string_view text) {
    return every(text, isBlank);
}

ReferenceReading referenceRead(std::string_view text) {
    const std::string squeezed = without(text, isBlank);
    ReferenceReading reading;
    if (isThousands(squeezed)) {
        reading.number = squeezed;
        reading.found = true;
        reading.wholeText = true;
        reading.value = valueOf(without(squeezed, isPeriod));
        return reading;
    }
    // The longest leading part that forms a number, found by trying every length.
    for (std::size_t length = squeezed.size(); length > 0; --length) {
        if (formsNumber(std::string_view(squeezed).substr(0, length))) {
            reading.number = squeezed.substr(0, length);
            reading.found = true;
            reading.wholeText = length == squeezed.size();
            reading.value = valueOf(reading.number);
            break;
        }
    }
    return reading;
}

} // namespace oracle
