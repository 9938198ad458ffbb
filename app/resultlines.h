#pragma once

#include "app/worksheetbinding.h"
#include "worksheet/powers.h"

#include <QString>

#include <array>
#include <optional>

class CaptionLabel;

// The number a worksheet has decomposed since the last "començar", if it has.
std::optional<qint64> decomposedNumber(const WorksheetBinding& number);

// The m.c.d. and the m.c.m written out under the factor rows, "m.c.d.(250, 300) = 2 · 5² =
// 50", once their marks are made and while "mostrar els resultats" is checked. A command
// writes its line only when both numbers have been decomposed; "començar" takes both away.
class Announcer;

class ResultLines {
public:
    ResultLines(CaptionLabel& mcd, CaptionLabel& mcm,
                const std::array<WorksheetBinding, 2>& numbers, Announcer& announcer);

    void setShown(bool shown);
    // After "m.c.d." and "m.c.m" have marked their powers.
    void divisorMarked();
    void multipleMarked();
    void clear();

private:
    QString line(const char* name, const Powers& powers) const;
    void show();

    CaptionLabel& m_mcd;
    CaptionLabel& m_mcm;
    const std::array<WorksheetBinding, 2>& m_numbers;
    Announcer& m_announcer;
    QString m_mcdLine;
    QString m_mcmLine;
    bool m_shown = false;
};
