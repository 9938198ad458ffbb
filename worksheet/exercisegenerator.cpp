#include "worksheet/exercisegenerator.h"

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

namespace {

constexpr std::array<std::int32_t, 25> primesUpTo97{
    2, 3, 5, 7, 11, 13, 17, 19, 23, 29, 31, 37, 41, 43, 47, 53, 59, 61, 67, 71, 73, 79, 83, 89, 97};
constexpr std::int32_t smallestLargePrime = 17;

struct LevelRules {
    std::int32_t lowest;
    std::int32_t highest;
    std::int32_t largestSmallPrime; // any other prime factor must be from 17 to 97
    int largeFactorsAllowed;        // from 17 to 97, counted with repetition
    bool needsThreeFactors;         // in at least one number of the pair
};

constexpr std::array<LevelRules, 3> levelRules{{
    {12, 200, 7, 0, false},
    {50, 1000, 13, 0, true},
    {200, 10000, 13, 1, false},
}};

// After a pair that shares no prime, this many that do must follow before the next one.
constexpr int sharingBetweenCoprime = 4;

struct Candidate {
    std::int32_t value;
    std::uint32_t primes; // one bit per prime of primesUpTo97 that divides it
    bool threeOrMoreFactors;
};

// The splitmix64 finaliser: the same on every machine, so a seed gives the same pairs.
std::uint64_t mix(std::uint64_t x) {
    x = (x ^ (x >> 30)) * 0xbf58476d1ce4e5b9ULL;
    x = (x ^ (x >> 27)) * 0x94d049bb133111ebULL;
    return x ^ (x >> 31);
}

class Random {
public:
    explicit Random(std::uint64_t seed)
        : m_state(seed) {}
    std::uint64_t next() { return mix(m_state += 0x9e3779b97f4a7c15ULL); }
    // The slight bias of a remainder is far below anything a class could notice.
    std::uint64_t below(std::uint64_t bound) { return next() % bound; }

private:
    std::uint64_t m_state;
};

bool suits(std::int32_t n, const LevelRules& rules, Candidate& found) {
    found = Candidate{n, 0, false};
    int factors = 0;
    int largeFactors = 0;
    for (std::size_t i = 0; i < primesUpTo97.size() && n > 1; ++i) {
        const std::int32_t p = primesUpTo97[i];
        for (; n % p == 0; n /= p) {
            ++factors;
            found.primes |= 1U << i;
            if (p > rules.largestSmallPrime &&
                (p < smallestLargePrime || ++largeFactors > rules.largeFactorsAllowed))
                return false;
        }
    }
    found.threeOrMoreFactors = factors >= 3;
    return n == 1 && factors >= 2;
}

std::vector<Candidate> candidatesOf(const LevelRules& rules) {
    std::vector<Candidate> candidates;
    Candidate found{};
    for (std::int32_t n = rules.lowest; n <= rules.highest; ++n)
        if (suits(n, rules, found))
            candidates.push_back(found);
    return candidates;
}

// Index k names the pair of candidates (i, j), i < j, with k = j(j-1)/2 + i.
std::pair<std::size_t, std::size_t> pairAt(std::uint64_t k) {
    auto j = static_cast<std::uint64_t>((1 + std::sqrt(1 + 8.0 * static_cast<double>(k))) / 2);
    while (j * (j - 1) / 2 > k)
        --j;
    while ((j + 1) * j / 2 <= k)
        ++j;
    return {static_cast<std::size_t>(k - j * (j - 1) / 2), static_cast<std::size_t>(j)};
}

// A seeded order of the indices 0 .. count-1 without a list of them: a balanced Feistel
// network over the smallest even number of bits that holds them is a bijection, and
// applying it again while it lands past the end (cycle walking) keeps it one.
class PairOrder {
public:
    explicit PairOrder(std::uint64_t count = 1)
        : m_count(count) {
        while ((std::uint64_t{1} << (2 * m_halfBits)) < count)
            ++m_halfBits;
    }

    void reshuffle(Random& random) {
        m_position = 0;
        for (std::uint64_t& key : m_keys)
            key = random.next();
    }
    bool exhausted() const { return m_position == m_count; }
    std::uint64_t next() {
        std::uint64_t x = m_position++;
        do
            x = permute(x);
        while (x >= m_count);
        return x;
    }

private:
    std::uint64_t permute(std::uint64_t x) const {
        const std::uint64_t mask = (std::uint64_t{1} << m_halfBits) - 1;
        std::uint64_t left = x >> m_halfBits;
        std::uint64_t right = x & mask;
        for (const std::uint64_t key : m_keys)
            left = std::exchange(right, left ^ (mix(right ^ key) & mask));
        return (left << m_halfBits) | right;
    }

    std::uint64_t m_count;
    std::uint64_t m_position = 0;
    int m_halfBits = 1;
    std::array<std::uint64_t, 4> m_keys{};
};

} // namespace

class ExerciseGenerator::Rotation {
public:
    Rotation(const LevelRules& rules, std::uint64_t seed);
    ExercisePair next();

private:
    enum Kind { Sharing, Coprime };

    bool isPairOfLevel(const Candidate& a, const Candidate& b) const;
    void countPairs();
    bool nextIsCoprime();
    void restart(Kind kind);
    ExercisePair draw(Kind kind);

    const LevelRules& m_rules;
    std::vector<Candidate> m_candidates;
    Random m_random;
    std::array<PairOrder, 2> m_orders;
    std::array<std::uint64_t, 2> m_totals{};
    std::array<std::uint64_t, 2> m_remaining{};
    bool m_coprimeFitInRound = true;
    int m_sharingSinceCoprime = sharingBetweenCoprime;
};

ExerciseGenerator::Rotation::Rotation(const LevelRules& rules, std::uint64_t seed)
    : m_rules(rules)
    , m_candidates(candidatesOf(rules))
    , m_random(seed) {
    const std::uint64_t n = m_candidates.size();
    m_orders = {PairOrder(n * (n - 1) / 2), PairOrder(n * (n - 1) / 2)};
    countPairs();
    m_coprimeFitInRound = m_totals[Sharing] >= sharingBetweenCoprime * m_totals[Coprime];
}

bool ExerciseGenerator::Rotation::isPairOfLevel(const Candidate& a, const Candidate& b) const {
    return !m_rules.needsThreeFactors || a.threeOrMoreFactors || b.threeOrMoreFactors;
}

// Candidates with the same primes and the same three-factor mark pair alike, and there are
// far fewer such groups than candidates, so the pairs are counted group by group.
void ExerciseGenerator::Rotation::countPairs() {
    std::vector<std::pair<Candidate, std::uint64_t>> groups;
    for (const Candidate& c : m_candidates) {
        auto same = std::find_if(groups.begin(), groups.end(), [&c](const auto& group) {
            return group.first.primes == c.primes &&
                   group.first.threeOrMoreFactors == c.threeOrMoreFactors;
        });
        if (same == groups.end())
            groups.push_back({c, 1});
        else
            ++same->second;
    }
    for (std::size_t g = 0; g < groups.size(); ++g) {
        const auto& [a, aCount] = groups[g];
        if (isPairOfLevel(a, a))
            m_totals[Sharing] += aCount * (aCount - 1) / 2;
        for (std::size_t h = g + 1; h < groups.size(); ++h) {
            const auto& [b, bCount] = groups[h];
            if (isPairOfLevel(a, b))
                m_totals[(a.primes & b.primes) != 0 ? Sharing : Coprime] += aCount * bCount;
        }
    }
}

// Choosing a coprime pair with chance c / (s - 3c) whenever one may come spreads the c
// coprime pairs left evenly over the s + c pairs left, so that both kinds run out together.
bool ExerciseGenerator::Rotation::nextIsCoprime() {
    if (m_sharingSinceCoprime < sharingBetweenCoprime || m_remaining[Coprime] == 0)
        return false;
    const std::uint64_t sharing = m_remaining[Sharing];
    const std::uint64_t coprime = m_remaining[Coprime];
    if (sharing > sharingBetweenCoprime * coprime)
        return m_random.below(sharing - (sharingBetweenCoprime - 1) * coprime) < coprime;
    // Only a coprime pair now still lets the round end with both kinds spent. Where they
    // cannot all fit, a coin keeps them from coming at a fixed beat.
    return m_coprimeFitInRound || m_random.below(2) == 0;
}

void ExerciseGenerator::Rotation::restart(Kind kind) {
    m_orders[kind].reshuffle(m_random);
    m_remaining[kind] = m_totals[kind];
}

ExercisePair ExerciseGenerator::Rotation::next() {
    if (m_remaining[Sharing] == 0 && m_remaining[Coprime] == 0) {
        restart(Sharing);
        restart(Coprime);
    }
    const Kind kind = nextIsCoprime() ? Coprime : Sharing;
    if (m_remaining[kind] == 0)
        restart(kind); // the sharing pairs of a level whose coprime pairs do not fit
    --m_remaining[kind];
    m_sharingSinceCoprime =
        kind == Coprime ? 0 : std::min(m_sharingSinceCoprime + 1, sharingBetweenCoprime);
    return draw(kind);
}

ExercisePair ExerciseGenerator::Rotation::draw(Kind kind) {
    PairOrder& order = m_orders[kind];
    for (;;) {
        // Only pairs miscounted could spend the order before the count runs out; a new
        // round then keeps the window from waiting for ever.
        if (order.exhausted())
            order.reshuffle(m_random);
        const auto [i, j] = pairAt(order.next());
        const Candidate& a = m_candidates[i];
        const Candidate& b = m_candidates[j];
        if (!isPairOfLevel(a, b) || ((a.primes & b.primes) == 0) != (kind == Coprime))
            continue;
        if (m_random.below(2) == 0)
            return {a.value, b.value};
        return {b.value, a.value};
    }
}

ExerciseGenerator::ExerciseGenerator(std::uint64_t seed)
    : m_seed(seed) {}

ExerciseGenerator::~ExerciseGenerator() = default;
ExerciseGenerator::ExerciseGenerator(ExerciseGenerator&&) noexcept = default;
ExerciseGenerator& ExerciseGenerator::operator=(ExerciseGenerator&&) noexcept = default;

ExercisePair ExerciseGenerator::next(Level level) {
    const auto index = static_cast<std::size_t>(level);
    std::unique_ptr<Rotation>& rotation = m_rotations[index];
    if (!rotation)
        rotation = std::make_unique<Rotation>(levelRules[index], mix(m_seed + mix(index + 1)));
    return rotation->next();
}
