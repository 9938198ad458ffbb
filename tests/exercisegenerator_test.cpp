#include "primereference.h"
#include "worksheet/exercisegenerator.h"
#include "worksheet/inputcheck.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace {

using Pair = std::pair<std::int32_t, std::int32_t>;

struct LevelCase {
    const char* name;
    Level level;
    std::int32_t lowest, highest, largestSmallPrime;
    int largeFactorsAllowed; // prime factors from 17 to 97, counted with repetition
    bool needsThreeFactors;  // in at least one number of the pair
    int draws;               // fewer than the level's pairs, so that none may repeat
};

const LevelCase levels[] = {
    {"facil", Level::Easy, 12, 200, 7, 0, false, 1500},
    {"mitja", Level::Medium, 50, 1000, 13, 0, true, 4000},
    {"dificil", Level::Hard, 200, 10000, 13, 1, false, 4000},
};

Factorisation factorise(std::int32_t n) {
    static const PrimeReference sieve(10000);
    return sieve.factorise(n);
}

// Why n is no number of the level, or nothing when it is one.
std::string faultIn(std::int32_t n, const LevelCase& level) {
    const Factorisation f = factorise(n);
    int large = 0;
    for (int k = 0; k < f.factorCount; ++k) {
        const std::int32_t p = f.factors[k];
        if (p > level.largestSmallPrime &&
            (p < 17 || p > 97 || ++large > level.largeFactorsAllowed))
            return std::to_string(n) + " has the prime factor " + std::to_string(p);
    }
    if (n < level.lowest || n > level.highest || f.factorCount < 2)
        return std::to_string(n) + " is out of range or prime";
    if (checkInput(std::to_string(n)).verdict != Verdict::Accepted)
        return std::to_string(n) + " is refused";
    return {};
}

class ExerciseLevels : public testing::TestWithParam<LevelCase> {};

TEST_P(ExerciseLevels, every_pair_keeps_the_rules_of_its_level) {
    const LevelCase& level = GetParam();
    ExerciseGenerator generator(20250101);
    std::set<Pair> seen;
    std::vector<bool> shares;
    int firstLarger = 0, smallerRises = 0, previousSmaller = 0;
    for (int i = 0; i < level.draws; ++i) {
        const ExercisePair p = generator.next(level.level);
        ASSERT_EQ(faultIn(p.first, level) + faultIn(p.second, level), "") << "draw " << i;
        ASSERT_NE(p.first, p.second);
        ASSERT_TRUE(!level.needsThreeFactors || factorise(p.first).factorCount >= 3 ||
                    factorise(p.second).factorCount >= 3)
            << p.first << " " << p.second;
        shares.push_back(std::gcd(p.first, p.second) > 1);
        ASSERT_LE(std::count(shares.end() - std::min<int>(5, i + 1), shares.end(), false), 1)
            << "draw " << i;
        ASSERT_TRUE(seen.insert(std::minmax(p.first, p.second)).second) << "draw " << i;
        firstLarger += p.first > p.second;
        smallerRises += std::min(p.first, p.second) > previousSmaller;
        previousSmaller = std::min(p.first, p.second);
    }
    // About one pair in six shares no prime; the order and the pairs themselves look random.
    EXPECT_GT(std::count(shares.begin(), shares.end(), false), level.draws / 10);
    EXPECT_NEAR(firstLarger, level.draws / 2, level.draws / 6);
    EXPECT_NEAR(smallerRises, level.draws / 2, level.draws / 6);
}

INSTANTIATE_TEST_SUITE_P(ExerciseGenerator, ExerciseLevels, testing::ValuesIn(levels),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ExerciseGenerator, a_round_of_facil_draws_every_pair_once_and_the_next_round_again) {
    std::vector<std::int32_t> numbers;
    for (std::int32_t n = levels[0].lowest; n <= levels[0].highest; ++n)
        if (faultIn(n, levels[0]).empty())
            numbers.push_back(n);
    std::set<Pair> all;
    for (std::size_t i = 0; i < numbers.size(); ++i)
        for (std::size_t j = i + 1; j < numbers.size(); ++j)
            all.insert({numbers[i], numbers[j]});
    ExerciseGenerator generator(7);
    std::vector<Pair> rounds[2];
    for (std::vector<Pair>& round : rounds) {
        for (std::size_t k = 0; k < all.size(); ++k) {
            const ExercisePair p = generator.next(Level::Easy);
            round.push_back(std::minmax(p.first, p.second));
        }
        EXPECT_EQ(std::set<Pair>(round.begin(), round.end()), all);
    }
    EXPECT_NE(rounds[0], rounds[1]);
}

TEST(ExerciseGenerator, a_seed_gives_a_level_the_same_pairs_whatever_came_between) {
    ExerciseGenerator alone(7), mixed(7), otherSeed(8);
    int differing = 0;
    for (int i = 0; i < 300; ++i) {
        const ExercisePair expected = alone.next(Level::Medium);
        mixed.next(i % 3 == 0 ? Level::Easy : Level::Hard);
        const ExercisePair got = mixed.next(Level::Medium);
        ASSERT_EQ(Pair(got.first, got.second), Pair(expected.first, expected.second)) << i;
        const ExercisePair other = otherSeed.next(Level::Medium);
        differing += Pair(other.first, other.second) != Pair(expected.first, expected.second);
    }
    EXPECT_GT(differing, 290);
}

} // namespace
