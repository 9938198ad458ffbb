#pragma once

#include "worksheet/worksheet.h"
#include "worksheet/worksheetcontrols.h"

#include <array>
#include <cstdint>
#include <string>

// A fake window for runs by the million: it keeps each printed ladder line as a number, in
// the order printed, and the factor row's texts, but builds no log of strings.
class LadderRecorder : public WorksheetControls {
public:
    struct Line {
        Column column = Column::Quotients;
        std::int64_t value = 0; // -1 when the printed text is not a blank, digits, a blank
        int x = -1;             // the print x set for the column before this line; -1: none
    };
    // A ladder of a number up to 2147483647 has at most 31 divisions: 63 lines.
    static constexpr int lineCapacity = 64;

    std::array<Line, lineCapacity> lines{};
    int lineCount = 0;
    bool tooManyLines = false;
    int clears = 0;
    int pauses = 0;
    std::array<std::string, factorRowSize> bases;
    std::array<std::string, factorRowSize> exponents;
    std::string label;

    void expectLines(int) override {}
    void clear(Column column) override {
        ++clears;
        m_x[index(column)] = -1;
    }
    void setPrintX(Column column, float twips) override {
        m_x[index(column)] = static_cast<int>(twips);
    }
    void print(Column column, const std::string& printed) override {
        if (lineCount == lineCapacity) {
            tooManyLines = true;
            return;
        }
        lines[lineCount++] = Line{column, numberIn(printed), m_x[index(column)]};
        m_x[index(column)] = -1;
    }
    std::string baseText(int k) const override { return bases.at(k); }
    void setBaseText(int k, const std::string& text) override { bases.at(k) = text; }
    void setExponentText(int k, const std::string& text) override { exponents.at(k) = text; }
    Colour baseColour(int) const override { return colours::normal; }
    void setPairColour(int, Colour) override {}
    void setLabelCaption(const std::string& caption) override { label = caption; }
    bool pause() override {
        ++pauses;
        return true;
    }

private:
    static int index(Column column) { return column == Column::Quotients ? 0 : 1; }

    // " 250 " reads as 250; anything else as -1.
    static std::int64_t numberIn(const std::string& printed) {
        if (printed.size() < 3 || printed.size() > 12 || printed.front() != ' ' ||
            printed.back() != ' ')
            return -1;
        std::int64_t value = 0;
        for (std::size_t i = 1; i + 1 < printed.size(); ++i) {
            if (printed[i] < '0' || printed[i] > '9')
                return -1;
            value = value * 10 + (printed[i] - '0');
        }
        return value;
    }

    std::array<int, 2> m_x{-1, -1};
};
