#include "tests/oracle/primereference.h"
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
    int rounds;              // whole rounds drawn, none where they are millions of pairs
};

const LevelCase levels[] = {
    // Ten rounds of "fàcil": a round whose coprime pairs are spent too slowly fails only
    // now and then.
    {"facil", Level::Easy, 12, 200, 7, 0, false, 1500, 10},
    {"mitja", Level::Medium, 50, 1000, 13, 0, true, 4000, 2},
    {"dificil", Level::Hard, 200, 10000, 13, 1, false, 4000, 0},
};

// How many prime factors n has, or 0 when it may not be a number of the level.
int factorsIfSuited(std::int32_t n, const LevelCase& level) {
    static const oracle::PrimeReference sieve(10000);
    const oracle::Factorisation f = sieve.factorise(n);
    int large = 0;
    for (int k = 0; k < f.factorCount; ++k)
        if (const std::int32_t p = f.factors[k];
            p > level.largestSmallPrime &&
            (p < 17 || p > 97 || ++large > level.largeFactorsAllowed))
            return 0;
    const bool suited = n >= level.lowest && n <= level.highest && f.factorCount >= 2 &&
                        checkInput(std::to_string(n)).verdict == Verdict::Accepted;
    return suited ? f.factorCount : 0;
}

std::vector<std::int32_t> numbersOf(const LevelCase& level) {
    std::vector<std::int32_t> numbers;
    for (std::int32_t n = level.lowest; n <= level.highest; ++n)
        if (factorsIfSuited(n, level) > 0)
            numbers.push_back(n);
    return numbers;
}

Pair unordered(ExercisePair p) {
    return std::minmax(p.first, p.second);
}

class ExerciseLevels : public testing::TestWithParam<LevelCase> {};

TEST_P(ExerciseLevels, every_pair_keeps_the_rules_of_its_level) {
    const LevelCase& level = GetParam();
    // The same seed gives a level the same pairs whatever other levels were asked between.
    ExerciseGenerator generator(20250101), mixed(20250101), otherSeed(20250102);
    std::set<Pair> seen;
    std::set<std::int32_t> drawn;
    int differing = 0, coprime = 0, lastCoprime = -5, firstLarger = 0, smallerRises = 0,
        previousSmaller = 0;
    for (int i = 0; i < level.draws; ++i) {
        const ExercisePair p = generator.next(level.level);
        const int first = factorsIfSuited(p.first, level);
        const int second = factorsIfSuited(p.second, level);
        ASSERT_TRUE(first > 0 && second > 0 && p.first != p.second &&
                    (!level.needsThreeFactors || std::max(first, second) >= 3))
            << p.first << " " << p.second;
        mixed.next(static_cast<Level>((static_cast<int>(level.level) + 1 + i % 2) % 3));
        const ExercisePair again = mixed.next(level.level);
        ASSERT_TRUE(again.first == p.first && again.second == p.second) << i;
        differing += unordered(otherSeed.next(level.level)) != unordered(p);
        if (std::gcd(p.first, p.second) == 1) {
            ASSERT_GE(i - std::exchange(lastCoprime, i), 5) << "two coprime pairs in five at " << i;
            ++coprime;
        }
        ASSERT_TRUE(seen.insert(unordered(p)).second) << "repeated at draw " << i;
        drawn.insert({p.first, p.second});
        firstLarger += p.first > p.second;
        smallerRises += unordered(p).first > std::exchange(previousSmaller, unordered(p).first);
    }
    // Nearly every number of the level turns up, about one pair in six shares no prime, and
    // the order and the pairs themselves look random.
    EXPECT_GT(drawn.size(), numbersOf(level).size() * 9 / 10);
    EXPECT_GT(coprime, level.draws / 10);
    EXPECT_GT(differing, level.draws * 9 / 10);
    EXPECT_NEAR(firstLarger, level.draws / 2, level.draws / 6);
    EXPECT_NEAR(smallerRises, level.draws / 2, level.draws / 6);
}

class ExerciseRounds : public ExerciseLevels {};

TEST_P(ExerciseRounds, each_round_draws_every_pair_of_the_level_once) {
    const LevelCase& level = GetParam();
    const std::vector<std::int32_t> numbers = numbersOf(level);
    std::set<Pair> all;
    for (std::size_t j = 0; j < numbers.size(); ++j)
        for (std::size_t i = 0; i < j; ++i)
            if (!level.needsThreeFactors || std::max(factorsIfSuited(numbers[i], level),
                                                     factorsIfSuited(numbers[j], level)) >= 3)
                all.insert({numbers[i], numbers[j]});
    ExerciseGenerator generator(7);
    for (int round = 0; round < level.rounds; ++round) {
        std::set<Pair> drawn;
        for (std::size_t k = 0; k < all.size(); ++k)
            drawn.insert(unordered(generator.next(level.level)));
        EXPECT_TRUE(drawn == all) << "round " << round << ": " << drawn.size() << " pairs";
    }
}

const auto levelName = [](const auto& info) { return std::string(info.param.name); };
INSTANTIATE_TEST_SUITE_P(ExerciseGenerator, ExerciseLevels, testing::ValuesIn(levels), levelName);
INSTANTIATE_TEST_SUITE_P(ExerciseGenerator, ExerciseRounds, testing::ValuesIn(levels, levels + 2),
                         levelName);

} // namespace
