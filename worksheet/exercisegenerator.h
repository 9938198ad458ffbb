#pragma once

#include <array>
#include <cstdint>
#include <memory>

// The menu's "fàcil" (6è de primària), "mitjà" (1r d'ESO) and "difícil".
enum class Level { Easy, Medium, Hard };

// Two different composite numbers for the two boxes, in the order they are typed.
struct ExercisePair {
    std::int32_t first;
    std::int32_t second;
};

// "nou exercici": pairs of numbers suited to a level. At least four in every five
// consecutive pairs of a level share a prime, and no pair comes back before all the level's
// pairs have been drawn. In "difícil" more than a fifth of the pairs share no prime, so
// not all of those fit in one round: there the pairs that share a prime and those that do
// not each go round on their own. Each level keeps its own rotation, and the same seed
// gives the same pairs of a level whatever the other levels were asked for in between.
class ExerciseGenerator {
public:
    explicit ExerciseGenerator(std::uint64_t seed);
    ~ExerciseGenerator();
    ExerciseGenerator(ExerciseGenerator&&) noexcept;
    ExerciseGenerator& operator=(ExerciseGenerator&&) noexcept;

    ExercisePair next(Level level);

private:
    class Rotation;

    std::uint64_t m_seed;
    // A level's rotation is built at its first pair, so that a window that never asks for
    // an exercise does not pay for counting "difícil"'s millions of pairs at start-up.
    std::array<std::unique_ptr<Rotation>, 3> m_rotations;
};
