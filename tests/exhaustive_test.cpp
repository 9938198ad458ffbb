#include "ladderaudit.h"
#include "tests/oracle/limits.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <random>

namespace {

using oracle::PrimeReference;

constexpr std::int64_t sweepEnd = 2'200'000;
constexpr std::int64_t shardSize = 200'000;
constexpr int sweepShards = 11;
constexpr int randomShards = 4;
constexpr int randomsPerShard = 25'000;

// Above its sieve's small limit the reference factorises by trial division.
const PrimeReference& trialDivision() {
    static const PrimeReference smallSieve(65536);
    return smallSieve;
}

// Audits numbers one after another, counting the verdicts and keeping only the first few
// disagreements, so that a fault reads as a handful of lines rather than a million.
class Audit {
public:
    explicit Audit(const PrimeReference& reference)
        : m_reference(reference) {}

    void check(std::int64_t n) {
        Verdict verdict = Verdict::Empty;
        const std::string found = auditNumber(n, m_reference, verdict);
        ++m_verdicts[static_cast<std::size_t>(verdict)];
        if (!found.empty() && ++m_faults <= 10)
            m_report += std::to_string(n) + ": " + found + "\n";
    }
    int faults() const { return m_faults; }
    int count(Verdict verdict) const { return m_verdicts[static_cast<std::size_t>(verdict)]; }
    const std::string& report() const { return m_report; }

private:
    const PrimeReference& m_reference;
    std::array<int, 8> m_verdicts{};
    int m_faults = 0;
    std::string m_report;
};

class Sweep : public testing::TestWithParam<int> {};

TEST_P(Sweep, every_number_is_checked_and_decomposed_as_the_sieve_says) {
    const std::int64_t first = 1 + GetParam() * shardSize;
    const std::int64_t last = std::min(first + shardSize - 1, sweepEnd);
    const PrimeReference sieve(static_cast<std::int32_t>(last));
    Audit audit(sieve);
    for (std::int64_t n = first; n <= last; ++n)
        audit.check(n);
    EXPECT_EQ(audit.faults(), 0) << audit.report();
}

INSTANTIATE_TEST_SUITE_P(Exhaustive, Sweep, testing::Range(0, sweepShards),
                         [](const testing::TestParamInfo<int>& info) {
                             const std::int64_t first = 1 + info.param * shardSize;
                             return "from_" + std::to_string(first) + "_to_" +
                                    std::to_string(std::min(first + shardSize - 1, sweepEnd));
                         });

class RandomSample : public testing::TestWithParam<int> {};

TEST_P(RandomSample, seeded_numbers_up_to_the_largest_agree_with_trial_division) {
    // mt19937_64's sequence is fixed by the standard: the same numbers on every machine.
    std::mt19937_64 random(20241208 + GetParam());
    Audit audit(trialDivision());
    for (int i = 0; i < randomsPerShard; ++i)
        audit.check(1 + static_cast<std::int64_t>(random() % oracle::largestWhole));
    EXPECT_EQ(audit.faults(), 0) << audit.report();
    // Most numbers that large have a prime factor above the limit, but not all.
    EXPECT_GT(audit.count(Verdict::Accepted), 0);
    EXPECT_GT(audit.count(Verdict::PrimeTooLarge), 0);
}

INSTANTIATE_TEST_SUITE_P(Exhaustive, RandomSample, testing::Range(0, randomShards),
                         [](const testing::TestParamInfo<int>& info) {
                             return "seed_" + std::to_string(info.param);
                         });

// 64 numbers either side of a number at one of the limits, whose verdict is worked out by
// hand, so that the reference itself is checked where it matters most.
struct Window {
    const char* name;
    std::int64_t centre;
    Verdict centreVerdict;
};

class LimitWindows : public testing::TestWithParam<Window> {};

TEST_P(LimitWindows, agree_with_the_reference_on_both_sides_of_a_limit) {
    const Window& window = GetParam();
    Verdict verdict = Verdict::Empty;
    EXPECT_EQ(auditNumber(window.centre, trialDivision(), verdict), "");
    EXPECT_STREQ(nameOf(verdict), nameOf(window.centreVerdict));
    Audit audit(trialDivision());
    for (std::int64_t n = window.centre - 64; n <= window.centre + 64; ++n)
        audit.check(n);
    EXPECT_EQ(audit.faults(), 0) << audit.report();
}

using V = Verdict;

// clang-format off
INSTANTIATE_TEST_SUITE_P(Exhaustive, LimitWindows, testing::Values(
    Window{"largest_whole", 2147483647, V::PrimeTooLarge},
    Window{"one_above_the_largest_whole", 2147483648, V::TooLarge},
    Window{"prime_limit", 32767, V::Accepted},
    Window{"first_prime_above_the_limit", 32771, V::PrimeTooLarge},
    Window{"two_to_the_21", 2097152, V::Accepted},
    Window{"two_to_the_22", 4194304, V::TooManyFactors},
    Window{"three_times_two_to_the_20", 3145728, V::Accepted},
    Window{"three_times_two_to_the_21", 6291456, V::TooManyFactors},
    Window{"two_to_the_30", 1073741824, V::TooManyFactors},
    Window{"first_seven_primes", 510510, V::Accepted},
    Window{"first_eight_primes", 9699690, V::TooManyDistinctPrimes},
    Window{"first_nine_primes", 223092870, V::TooManyDistinctPrimes},
    Window{"first_seven_primes_times_4096", 2091048960, V::Accepted},
    Window{"largest_allowed_prime_squared", 1072497001, V::Accepted},
    Window{"largest_allowed_prime_times_65536", 2146238464, V::Accepted}
), [](const auto& info) { return std::string(info.param.name); });
// clang-format on

} // namespace
