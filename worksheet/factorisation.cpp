#include "worksheet/factorisation.h"

namespace {

void add(Factorisation& f, std::int32_t prime) {
    f.divisors[f.divisorCount++] = prime;
    if (f.powerCount > 0 && f.primes[f.powerCount - 1] == prime) {
        ++f.exponents[f.powerCount - 1];
    } else {
        f.primes[f.powerCount] = prime;
        f.exponents[f.powerCount++] = 1;
    }
}

} // namespace

Factorisation factorise(std::int32_t n) {
    Factorisation f;
    for (std::int32_t d = 2; static_cast<std::int64_t>(d) * d <= n; ++d)
        for (; n % d == 0; n /= d)
            add(f, d);
    if (n > 1)
        add(f, n);
    return f;
}
