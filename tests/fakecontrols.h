#pragma once

#include "worksheet/decomposition.h"
#include "worksheet/worksheet.h"
#include "worksheet/worksheetcontrols.h"

#include <array>
#include <string>
#include <vector>

// Stands in for the window: keeps what a worksheet's controls would show, every printed
// ladder line with the print x set for it, and, unless told not to for runs by the
// million, a log of every call that changes the window, one line per call.
class FakeControls : public WorksheetControls {
public:
    struct Line {
        Column column;
        std::string printed;
        int x; // the print x set for the column before this line; -1: none
    };

    std::array<std::string, factorRowSize> bases;
    std::array<std::string, factorRowSize> exponents;
    std::array<Colour, factorRowSize> colours{};
    std::string label;
    std::vector<Line> lines;
    std::vector<std::string> log;
    int clears = 0;
    int pauses = 0;
    int stopAtPause = -1; // the pause at which the window "closes"; -1: never
    int expectedLines = 0;
    double expectedNumber = 0;
    std::int32_t expectedDivisor = 0;

    explicit FakeControls(bool logging = true)
        : m_logging(logging) {
        colours.fill(colours::normal);
    }

    void expectLadder(int lines, double number, std::int32_t largestDivisor) override {
        expectedLines = lines;
        expectedNumber = number;
        expectedDivisor = largestDivisor;
    }
    void clear(Column column) override {
        ++clears;
        m_x[index(column)] = -1;
        note([&] { return "clear " + name(column); });
    }
    void setPrintX(Column column, float twips) override {
        m_x[index(column)] = static_cast<int>(twips);
        note([&] { return "x " + name(column) + " " + std::to_string(static_cast<int>(twips)); });
    }
    void print(Column column, const std::string& printed) override {
        lines.push_back({column, printed, m_x[index(column)]});
        m_x[index(column)] = -1;
        note([&] { return "print " + name(column) + " '" + printed + "'"; });
    }
    std::string baseText(int k) const override { return bases.at(k); }
    void setBaseText(int k, const std::string& text) override {
        bases.at(k) = text;
        note([&] { return "base " + std::to_string(k) + " '" + text + "'"; });
    }
    void setExponentText(int k, const std::string& text) override {
        exponents.at(k) = text;
        note([&] { return "exponent " + std::to_string(k) + " '" + text + "'"; });
    }
    Colour baseColour(int k) const override { return colours.at(k); }
    void setPairColour(int k, Colour colour) override {
        colours.at(k) = colour;
        note([&] { return "colour " + std::to_string(k) + " " + std::to_string(colour); });
    }
    void setLabelCaption(const std::string& caption) override {
        label = caption;
        note([&] { return "label '" + caption + "'"; });
    }
    bool pause() override {
        note([] { return std::string("pause"); });
        return pauses++ != stopAtPause;
    }

private:
    template <typename Entry> void note(Entry entry) {
        if (m_logging)
            log.push_back(entry());
    }
    static int index(Column column) { return column == Column::Quotients ? 0 : 1; }
    static std::string name(Column column) { return column == Column::Quotients ? "Q" : "D"; }

    bool m_logging;
    std::array<int, 2> m_x{-1, -1};
};

// The decompose command on a typed text, as the window runs it once the input check has
// accepted the text.
inline RunOutcome decomposeTyped(Worksheet& worksheet, WorksheetControls& controls,
                                 const std::string& typed) {
    return descomposar(worksheet, controls, checkInput(typed), typed);
}
