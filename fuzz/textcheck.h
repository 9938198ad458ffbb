#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// Checks one fuzzer input twice over: its bytes as a typed text, and the text the grammar
// makes from them. The core must read each text the same way every time, as the reference
// reader does (and as the grammar meant, for the made text); the input check must follow
// from that reading and the limits; a text it accepts must decompose; and read as a practice
// answer, it must be a whole number only when it is digits between blanks. Returns the first
// thing found wrong, described, or nothing.
std::string checkFuzzInput(const std::uint8_t* data, std::size_t size);
