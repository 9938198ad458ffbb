#include "tests/oracle/primereference.h"

namespace oracle {

PrimeReference::PrimeReference(std::int32_t sieveLimit)
    : m_smallest(static_cast<std::size_t>(sieveLimit) + 1, 0) {
    for (std::int32_t i = 2; i <= sieveLimit; ++i) {
        if (m_smallest[i] != 0)
            continue;
        m_smallest[i] = i;
        m_primes.push_back(i);
        for (std::int64_t j = static_cast<std::int64_t>(i) * i; j <= sieveLimit; j += i)
            if (m_smallest[j] == 0)
                m_smallest[j] = i;
    }
}

Factorisation PrimeReference::factorise(std::int64_t n) const {
    Factorisation f;
    if (n <= sieveLimit()) {
        for (; n > 1; n /= m_smallest[n])
            f.add(m_smallest[n]);
        return f;
    }
    for (const std::int32_t p : m_primes) {
        if (static_cast<std::int64_t>(p) * p > n)
            break;
        for (; n % p == 0; n /= p)
            f.add(p);
    }
    if (n > 1)
        f.add(static_cast<std::int32_t>(n));
    return f;
}

Factorisation factorise(std::int64_t n) {
    static const PrimeReference smallSieve(65536);
    return smallSieve.factorise(n);
}

} // namespace oracle
