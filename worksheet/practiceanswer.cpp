#include "worksheet/practiceanswer.h"

#include "worksheet/conversions.h"
#include "worksheet/factorisation.h"

#include <limits>

std::optional<std::int32_t> readAnswer(std::string_view text) {
    const std::string_view digits = trimmed(text);
    if (digits.empty())
        return std::nullopt;
    std::int64_t value = 0;
    for (const char c : digits) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
        if (value > std::numeric_limits<std::int32_t>::max())
            return std::nullopt;
    }
    return static_cast<std::int32_t>(value);
}

bool isPrime(std::int32_t n) {
    return n >= 2 && factorise(n).divisorCount == 1;
}
