#pragma once

#include "app/formcontrols.h"
#include "worksheet/worksheet.h"
#include "worksheet/worksheetcontrols.h"

class StepPause;

// One number's worksheet bound to its own controls: the one body of the decomposition and
// of the commands serves both numbers through two of these.
class WorksheetBinding final : public WorksheetControls {
public:
    // `number` is 0 for the first number, 1 for the second.
    WorksheetBinding(int number, const NumberControls& controls, StepPause& pause);

    const int number;
    Worksheet worksheet;
    const NumberControls& controls;

    void expectLadder(int lines, double number, std::int32_t largestDivisor) override;
    void clear(Column column) override;
    void setPrintX(Column column, float twips) override;
    void print(Column column, const std::string& printed) override;
    std::string baseText(int k) const override;
    void setBaseText(int k, const std::string& text) override;
    void setExponentText(int k, const std::string& text) override;
    Colour baseColour(int k) const override;
    void setPairColour(int k, Colour colour) override;
    void setLabelCaption(const std::string& caption) override;
    bool pause() override;

private:
    PictureArea* column(Column which) const;

    StepPause& m_pause;
};
