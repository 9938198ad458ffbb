#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

// How one answer on one place of a practice exercise ended.
enum class AnswerOutcome {
    Right,
    Wrong,
    Helped,   // a wrong answer after which the right one was written for the pupil
    NotAsked, // the place was already done: nothing was checked and nothing counts
};

// One answer on one place: which answer it was on that place (1 for the first) and how it
// ended. The score counts places by these.
struct Attempt {
    int number = 1;
    AnswerOutcome outcome = AnswerOutcome::NotAsked;
};

// The text typed in an answer read strictly as a whole number: decimal digits only, with
// blanks, tabs and line feeds allowed around them. Nothing for anything else: a sign, a
// period, a letter, a blank between digits, no digit at all, or a value above 2147483647,
// which no answer about a number the program takes can reach.
std::optional<std::int32_t> readAnswer(std::string_view text);

bool isPrime(std::int32_t n);
