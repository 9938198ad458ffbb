#pragma once

#include "worksheet/colour.h"

#include <cstdint>
#include <string>

// The two columns of a division ladder.
enum class Column { Quotients, Divisors };

// The window as one worksheet sees it: that worksheet's own ladder, factor row and label.
// The window binds one of these to each of its two numbers.
class WorksheetControls {
public:
    virtual ~WorksheetControls() = default;

    // The ladder a run is about to draw: how many lines it has, the number it starts with
    // and its largest divisor (0 for none), so that the window can size and space it once
    // for all its lines.
    virtual void expectLadder(int lines, double number, std::int32_t largestDivisor) = 0;
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
