#pragma once

#include <array>
#include <cstdint>
#include <vector>

// A whole number's prime factors, found apart from the core: the factors in non-decreasing
// order, and the same grouped into distinct primes and their exponents.
struct ReferenceFactors {
    // 2147483647 has at most 30 prime factors and 9 distinct primes.
    std::array<std::int32_t, 32> factors{};
    int factorCount = 0;
    std::array<std::int32_t, 16> primes{};
    std::array<int, 16> exponents{};
    int primeCount = 0;

    void add(std::int32_t prime) {
        factors[factorCount++] = prime;
        if (primeCount > 0 && primes[primeCount - 1] == prime) {
            ++exponents[primeCount - 1];
        } else {
            primes[primeCount] = prime;
            exponents[primeCount++] = 1;
        }
    }
    std::int32_t largestPrime() const { return factorCount == 0 ? 1 : factors[factorCount - 1]; }
};

// Factorises by a sieve of smallest prime factors up to its limit, and above it by trial
// division by the sieve's primes: up to the square of the limit, so a limit of 46341 or
// more reaches 2147483647 and a little beyond.
class PrimeReference {
public:
    explicit PrimeReference(std::int32_t sieveLimit)
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

    std::int64_t sieveLimit() const { return static_cast<std::int64_t>(m_smallest.size()) - 1; }

    ReferenceFactors factorise(std::int64_t n) const {
        ReferenceFactors f;
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

private:
    std::vector<std::int32_t> m_smallest; // 0 and 1 have none
    std::vector<std::int32_t> m_primes;
};
