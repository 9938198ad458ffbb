#pragma once

#include <cstdint>
#include <string>

// A colour as the window keeps it: red in the low byte, then green, then blue; with the
// top bit set, the low byte names a system colour instead.
using Colour = std::uint32_t;

namespace colours {
constexpr Colour normal = 0x80000008;     // the system's window-text colour
constexpr Colour divisorMark = 0x0000FF;  // red
constexpr Colour multipleMark = 0xC00000; // dark blue
} // namespace colours

// The two columns of a division ladder.
enum class Column { Quotients, Divisors };

// One factor row has seven pairs of a base box and a raised exponent box.
constexpr int factorRowSize = 7;

// The window as one worksheet sees it: that worksheet's own input box, ladder, factor row
// and label. The window binds one of these to each of its two numbers.
class WorksheetControls {
public:
    virtual ~WorksheetControls() = default;

    virtual std::string inputText() const = 0;

    // Erases the column and puts its print position back at its top left.
    virtual void clear(Column column) = 0;
    // Where the next print in the column starts, in twips from its left edge.
    virtual void setPrintX(Column column, float twips) = 0;
    // Prints one line at the print position; x then goes back to 0, one line down.
    virtual void print(Column column, const std::string& printed) = 0;

    // Pair k (0..6) of the factor row.
    virtual std::string baseText(int k) const = 0;
    virtual void setBaseText(int k, const std::string& text) = 0;
    virtual void setExponentText(int k, const std::string& text) = 0;
    virtual Colour baseColour(int k) const = 0;
    // Colours the base box, then its exponent box, which always follows it.
    virtual void setPairColour(int k, Colour colour) = 0;

    virtual void setLabelCaption(const std::string& caption) = 0;

    // The step pause between two ladder steps. False when the window is closing and the
    // run must stop.
    virtual bool pause() = 0;
};
