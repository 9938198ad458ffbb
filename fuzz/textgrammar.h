#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

// Draws the grammar's choices from the fuzzer's bytes, one byte a choice; once the bytes
// run out, every choice is the first.
class Choices {
public:
    Choices(const std::uint8_t* data, std::size_t size)
        : m_next(data)
        , m_end(data + size) {}

    // One of 0 .. count - 1.
    unsigned pick(unsigned count);
    std::uint32_t word();

private:
    const std::uint8_t* m_next;
    const std::uint8_t* m_end;
};

// A text made by the grammar of what a user may type, and what reading it must give.
struct GeneratedText {
    std::string text;
    std::string number; // the number's characters, blanks dropped; empty when none is written
    bool whole = false; // nothing but blanks follows the number
    // The number's value where the grammar chose it as a whole number and then wrote it, or
    // where a decimal it wrote reads as thousands.
    std::optional<double> knownValue;
};

// Signs, digits, periods, exponents, the "&H" and "&O" forms, whole numbers written in each
// of the ways that read as them (thousands set off by periods too), texts that hold no
// number, then perhaps something after the number that cannot continue it, and blanks, tabs
// and line feeds anywhere.
GeneratedText generateText(Choices& choices);
