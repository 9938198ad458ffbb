#pragma once

#include "worksheet/decomposition.h"
#include "worksheet/worksheetcontrols.h"

#include <array>
#include <string>
#include <vector>

// Stands in for the window: keeps what a worksheet's controls would show and records every
// operation that changes them, one line per call.
class FakeControls : public WorksheetControls {
public:
    std::array<std::string, factorRowSize> bases;
    std::array<std::string, factorRowSize> exponents;
    std::array<Colour, factorRowSize> colours{};
    std::string label;
    std::vector<std::string> log;
    int pauses = 0;
    int stopAtPause = -1; // the pause at which the window "closes"; -1: never
    int expectedLines = 0;

    FakeControls() { colours.fill(colours::normal); }

    void expectLines(int lines) override { expectedLines = lines; }
    void clear(Column column) override { log.push_back("clear " + name(column)); }
    void setPrintX(Column column, float twips) override {
        log.push_back("x " + name(column) + " " + std::to_string(static_cast<int>(twips)));
    }
    void print(Column column, const std::string& printed) override {
        log.push_back("print " + name(column) + " '" + printed + "'");
    }
    std::string baseText(int k) const override { return bases.at(k); }
    void setBaseText(int k, const std::string& text) override {
        bases.at(k) = text;
        log.push_back("base " + std::to_string(k) + " '" + text + "'");
    }
    void setExponentText(int k, const std::string& text) override {
        exponents.at(k) = text;
        log.push_back("exponent " + std::to_string(k) + " '" + text + "'");
    }
    Colour baseColour(int k) const override { return colours.at(k); }
    void setPairColour(int k, Colour colour) override {
        colours.at(k) = colour;
        log.push_back("colour " + std::to_string(k) + " " + std::to_string(colour));
    }
    void setLabelCaption(const std::string& caption) override {
        label = caption;
        log.push_back("label '" + caption + "'");
    }
    bool pause() override {
        log.push_back("pause");
        return pauses++ != stopAtPause;
    }

private:
    static std::string name(Column column) { return column == Column::Quotients ? "Q" : "D"; }
};

// The decompose command on a typed text, as the window runs it once the input check has
// accepted the text.
inline RunOutcome decomposeTyped(Worksheet& worksheet, WorksheetControls& controls,
                                 const std::string& typed) {
    return descomposar(worksheet, controls, checkInput(typed), typed);
}
