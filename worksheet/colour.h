#pragma once

#include <cstdint>

// A colour as the window keeps it: red in the low byte, then green, then blue; with the
// top bit set, the low byte names a system colour instead.
using Colour = std::uint32_t;

namespace colours {
constexpr Colour normal = 0x80000008;     // the system's window-text colour
constexpr Colour divisorMark = 0x0000FF;  // red
constexpr Colour multipleMark = 0xC00000; // dark blue
} // namespace colours
