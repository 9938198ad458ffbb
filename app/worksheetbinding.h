#pragma once

#include "app/layout.h"
#include "worksheet/steppause.h"
#include "worksheet/worksheet.h"
#include "worksheet/worksheetcontrols.h"

#include <array>

class PictureArea;
class CaptionLabel;
class QPushButton;
class QWidget;
class TextBox;

// One number's worksheet bound to its own controls: the one body of the decomposition and
// of the commands serves both numbers through two of these.
class WorksheetBinding final : public WorksheetControls {
public:
    WorksheetBinding(const QWidget& form, const ControlNames& names, PauseHost& pauseHost);

    Worksheet worksheet;
    TextBox* const input;
    QPushButton* const button;
    PictureArea* const quotients;
    PictureArea* const divisors;
    const std::array<TextBox*, factorRowSize> bases;
    const std::array<TextBox*, factorRowSize> exponents;
    CaptionLabel* const label;

    std::string inputText() const override;
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

    PauseHost& m_pauseHost;
};
