#include "primereference.h"
#include "worksheet/exercisegenerator.h"
#include "worksheet/inputcheck.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <set>
#include <string>
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

// How many prime factors n has, or 0 when it may not be a number of the level.
int factorsIfSuited(std::int32_t n, const LevelCase& level) {
    static const PrimeReference sieve(10000);
    const Factorisation f = sieve.factorise(n);
    int large = 0;
    for (int k = 0; k < f.factorCount; ++k) {
        const std::int32_t p = f.factors[k];
        if (p > level.largestSmallPrime &&
            (p < 17 || p > 97 || ++large > level.largeFactorsAllowed))
            return 0;
    }
    const bool suited = n >= level.lowest && n <= level.highest && f.factorCount >= 2 &&
                        checkInput(std::to_string(n)).verdict == Verdict::Accepted;
    return suited ? f.factorCount : 0;
}

Pair unordered(ExercisePair p) {
    return std::minmax(p.first, p.second);
}

class ExerciseLevels : public testing::TestWithParam<LevelCase> {};

TEST_P(ExerciseLevels, every_pair_keeps_the_rules_of_its_level) {
    const LevelCase& level = GetParam();
    ExerciseGenerator generator(20250101);
    std::set<Pair> seen;
    int coprime = 0, lastCoprime = -5, firstLarger = 0, smallerRises = 0, previousSmaller = 0;
    for (int i = 0; i < level.draws; ++i) {
        const ExercisePair p = generator.next(level.level);
        const int first = factorsIfSuited(p.first, level);
        const int second = factorsIfSuited(p.second, level);
        ASSERT_TRUE(first > 0 && second > 0 && p.first != p.second &&
                    (!level.needsThreeFactors || std::max(first, second) >= 3))
            << p.first << " " << p.second;
        if (std::gcd(p.first, p.second) == 1) {
            ASSERT_GE(i - std::exchange(lastCoprime, i), 5) << "two coprime pairs in five at " << i;
            ++coprime;
        }
        ASSERT_TRUE(seen.insert(unordered(p)).second) << "repeated at draw " << i;
        firstLarger += p.first > p.second;
        smallerRises += unordered(p).first > std::exchange(previousSmaller, unordered(p).first);
    }
    // About one pair in six shares no prime; the order and the pairs themselves look random.
    EXPECT_GT(coprime, level.draws / 10);
    EXPECT_NEAR(firstLarger, level.draws / 2, level.draws / 6);
    EXPECT_NEAR(smallerRises, level.draws / 2, level.draws / 6);
}

INSTANTIATE_TEST_SUITE_P(ExerciseGenerator, ExerciseLevels, testing::ValuesIn(levels),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ExerciseGenerator, a_round_of_facil_draws_every_pair_once_and_the_next_round_again) {
    std::set<Pair> all;
    for (std::int32_t a = levels[0].lowest; a <= levels[0].highest; ++a)
        for (std::int32_t b = a + 1; b <= levels[0].highest; ++b)
            if (factorsIfSuited(a, levels[0]) > 0 && factorsIfSuited(b, levels[0]) > 0)
                all.insert({a, b});
    ExerciseGenerator generator(7);
    std::vector<Pair> rounds[2];
    for (std::vector<Pair>& round : rounds) {
        while (round.size() < all.size())
            round.push_back(unordered(generator.next(Level::Easy)));
        EXPECT_EQ(std::set<Pair>(round.begin(), round.end()), all);
    }
    EXPECT_NE(rounds[0], rounds[1]);
}

TEST(ExerciseGenerator, a_seed_gives_a_level_the_same_pairs_whatever_came_between) {
    ExerciseGenerator alone(7), mixed(7), otherSeed(8);
    int differing = 0;
    for (int i = 0; i < 300; ++i) {
        const Pair expected = unordered(alone.next(Level::Medium));
        mixed.next(i % 3 == 0 ? Level::Easy : Level::Hard);
        ASSERT_EQ(unordered(mixed.next(Level::Medium)), expected) << i;
        differing += unordered(otherSeed.next(Level::Medium)) != expected;
    }
    EXPECT_GT(differing, 290);
}

} // namespace
