#include "worksheet/conversions.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n';
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

int digitValue(char c) {
    if (isDigit(c))
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return 99;
}

std::string withoutBlanks(std::string_view text) {
    std::string squeezed;
    squeezed.reserve(text.size());
    for (char c : text)
        if (!isBlank(c))
            squeezed += c;
    return squeezed;
}

std::size_t skipDigits(const std::string& s, std::size_t i) {
    while (i < s.size() && isDigit(s[i]))
        ++i;
    return i;
}

// Whole-number digits of base 8 or 16 to the nearest double. They go to from_chars as
// hexadecimal digits, which it rounds once and correctly; adding digit after digit would
// round at every step past 2^53 and could end on the wrong neighbour.
double wholeFromDigits(std::string_view digits, int base) {
    static constexpr char hexDigits[] = "0123456789abcdef";
    std::string hex;
    if (base == 16) {
        hex = digits;
    } else {
        // Three bits an octal digit, regrouped by four from the lowest.
        unsigned bits = 0;
        int bitCount = 0;
        for (auto digit = digits.rbegin(); digit != digits.rend(); ++digit) {
            bits |= static_cast<unsigned>(digitValue(*digit)) << bitCount;
            for (bitCount += 3; bitCount >= 4; bitCount -= 4, bits >>= 4)
                hex += hexDigits[bits & 15];
        }
        hex += hexDigits[bits];
        std::reverse(hex.begin(), hex.end());
    }
    double value = 0;
    if (std::from_chars(hex.data(), hex.data() + hex.size(), value, std::chars_format::hex).ec ==
        std::errc::result_out_of_range)
        value = std::numeric_limits<double>::infinity();
    return value;
}

// "&H1F" or "&O17": a whole number in base 16 or 8.
NumberReading readRadix(const std::string& s, int base) {
    NumberReading reading;
    std::size_t i = 2;
    while (i < s.size() && digitValue(s[i]) < base)
        ++i;
    if (i == 2)
        return reading;
    reading.value = wholeFromDigits(std::string_view(s).substr(2, i - 2), base);
    reading.found = true;
    reading.wholeText = i == s.size();
    return reading;
}

// The decimal exponent of the first significant digit, with the written exponent added;
// only consulted when the value is too large or too small for a double, to tell which.
long long magnitude(std::string_view intPart, std::string_view fracPart,
                    std::string_view exponent) {
    long long firstDigit = 0;
    const auto lead = intPart.find_first_not_of('0');
    if (lead != std::string_view::npos) {
        firstDigit = static_cast<long long>(intPart.size() - lead) - 1;
    } else {
        const auto fracLead = fracPart.find_first_not_of('0');
        firstDigit = -static_cast<long long>(fracLead) - 1;
    }
    long long written = 0;
    bool negative = false;
    for (char c : exponent) {
        if (c == '-')
            negative = true;
        else if (isDigit(c) && written < 1'000'000'000)
            written = written * 10 + (c - '0');
    }
    return firstDigit + (negative ? -written : written);
}

NumberReading readDecimal(const std::string& s) {
    NumberReading reading;
    std::size_t i = 0;
    const bool negative = i < s.size() && s[i] == '-';
    if (i < s.size() && (s[i] == '-' || s[i] == '+'))
        ++i;
    const std::size_t intStart = i;
    i = skipDigits(s, i);
    const std::size_t intEnd = i;
    std::size_t fracStart = i;
    std::size_t fracEnd = i;
    if (i < s.size() && s[i] == '.') {
        fracStart = i + 1;
        fracEnd = i = skipDigits(s, fracStart);
    }
    if (intEnd == intStart && fracEnd == fracStart)
        return reading;
    std::size_t exponentStart = i;
    if (i < s.size() && (s[i] == 'E' || s[i] == 'e')) {
        std::size_t j = i + 1;
        if (j < s.size() && (s[j] == '-' || s[j] == '+'))
            ++j;
        const std::size_t digitsEnd = skipDigits(s, j);
        if (digitsEnd > j) {
            exponentStart = i + 1;
            i = digitsEnd;
        }
    }
    double value = 0;
    if (std::from_chars(s.data() + intStart, s.data() + i, value).ec ==
        std::errc::result_out_of_range) {
        const std::string_view view(s);
        const bool huge = magnitude(view.substr(intStart, intEnd - intStart),
                                    view.substr(fracStart, fracEnd - fracStart),
                                    view.substr(exponentStart, i - exponentStart)) > 0;
        value = huge ? std::numeric_limits<double>::infinity() : 0.0;
    }
    reading.value = negative ? -value : value;
    reading.found = true;
    reading.wholeText = i == s.size();
    return reading;
}

// "1.000" or "+2.147.483.646": one to three digits, then groups of a period and exactly three
// digits, as Catalan writes thousands. Only a text that is all such groups reads so; "1.000x"
// and "1.0000" keep the decimal point.
std::optional<NumberReading> readThousands(const std::string& s) {
    std::size_t i = !s.empty() && s[0] == '+' ? 1 : 0;
    const std::size_t leadEnd = skipDigits(s, i);
    if (leadEnd == i || leadEnd - i > 3 || leadEnd == s.size())
        return std::nullopt;
    std::string digits = s.substr(i, leadEnd - i);
    for (i = leadEnd; i < s.size(); i += 4) {
        if (s[i] != '.' || skipDigits(s, i + 1) != i + 4)
            return std::nullopt;
        digits.append(s, i + 1, 3);
    }
    NumberReading reading;
    if (std::from_chars(digits.data(), digits.data() + digits.size(), reading.value).ec ==
        std::errc::result_out_of_range)
        reading.value = std::numeric_limits<double>::infinity();
    reading.found = true;
    reading.wholeText = true;
    return reading;
}

template <typename Whole> std::optional<Whole> roundToWhole(double value) {
    if (std::isnan(value))
        return std::nullopt;
    double rounded = std::floor(value);
    const double fraction = value - rounded;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(rounded, 2.0) != 0.0))
        rounded += 1.0;
    if (rounded < static_cast<double>(std::numeric_limits<Whole>::min()) ||
        rounded > static_cast<double>(std::numeric_limits<Whole>::max()))
        return std::nullopt;
    return static_cast<Whole>(rounded);
}

} // namespace

NumberReading readNumber(std::string_view text) {
    const std::string s = withoutBlanks(text);
    if (const std::optional<NumberReading> thousands = readThousands(s))
        return *thousands;
    if (s.size() >= 2 && s[0] == '&') {
        if (s[1] == 'H' || s[1] == 'h')
            return readRadix(s, 16);
        if (s[1] == 'O' || s[1] == 'o')
            return readRadix(s, 8);
    }
    return readDecimal(s);
}

std::string boxText(std::int16_t value) {
    return std::to_string(value);
}

std::string printedText(double value) {
    const double size = std::fabs(value);
    std::string digits;
    if (size == std::floor(size) && size < 1e15) {
        digits = std::to_string(static_cast<long long>(size));
    } else {
        char buffer[32];
        const auto result = std::to_chars(buffer, buffer + sizeof buffer, size);
        digits.assign(buffer, result.ptr);
    }
    return (value < 0 ? "-" : " ") + digits + " ";
}

std::optional<std::int16_t> toInt16(double value) {
    return roundToWhole<std::int16_t>(value);
}
std::optional<std::int32_t> toInt32(double value) {
    return roundToWhole<std::int32_t>(value);
}

std::string_view trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t\n");
    if (first == std::string_view::npos)
        return {};
    const auto last = text.find_last_not_of(" \t\n");
    return text.substr(first, last - first + 1);
}
