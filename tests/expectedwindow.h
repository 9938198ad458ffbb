#pragma once

#include "worksheet/colour.h"
#include "worksheet/exercisegenerator.h"
#include "worksheet/worksheet.h"

#include <QString>
#include <QtGlobal>

#include <array>
#include <optional>
#include <utility>
#include <vector>

// The number a typed text stands for, if the window must decompose it: worked out by the
// tests' oracle from the rules a pupil is told, without the program's own reading or
// checks, so that a test can hold the window to them.
std::optional<qint64> acceptedNumber(const QString& typed);

// A number's prime powers in rising order of prime: 1 has none.
std::vector<std::pair<qint64, int>> primePowers(qint64 number);

// What the window should show after the actions a test took, kept by the test itself:
// the typed texts, the four commands' states, the speed, each number's label, factor row
// and colour marks, and the lines that write the m.c.d. and the m.c.m out.
class ExpectedWindow {
public:
    enum class Click { Ignored, Refused, Decomposed };

    struct Number {
        QString input;
        bool buttonEnabled = true;
        std::optional<qint64> decomposed;
        QString label;
        std::vector<std::pair<qint64, int>> powers;
        std::array<Colour, factorRowSize> colours;

        QString baseText(int k) const;
        QString exponentText(int k) const;
    };

    ExpectedWindow();

    const Number& number(int n) const { return m_numbers.at(n); }
    bool mcdEnabled() const { return m_mcdEnabled; }
    bool mcmEnabled() const { return m_mcmEnabled; }
    // The checked item of the speed menu, and whether it is not "rapid".
    const QString& speed() const { return m_speed; }
    bool slow() const { return m_speed != QLatin1String("mnurapid"); }
    // How the line of the m.c.d. (0) or the m.c.m (1) starts and ends; none when not shown.
    std::pair<QString, QString> line(int which) const {
        return m_resultsShown && !m_practising ? m_lines.at(which) : std::pair<QString, QString>();
    }
    // In practice the pupil writes the ladders, rows and marks: the window is held only to
    // what every stage of them must keep, not to one expected state.
    bool practising() const { return m_practising; }
    bool resultsShown() const { return m_resultsShown; }
    Level level() const { return m_level; }

    // What a click on that number's "descomposar" would do now.
    Click decomposeOutcome(int n) const;

    void type(int n, const QString& text) { m_numbers.at(n).input = text; }
    void clickInput(int n) { m_numbers.at(n).input.clear(); }
    Click clickDecompose(int n);
    void clickMcd();
    void clickMcm();
    void comencar();
    void newExercise(const ExercisePair& pair);
    void setSpeed(const QString& item) { m_speed = item; }
    void toggleResults() { m_resultsShown = !m_resultsShown; }
    // A level leaves the typed numbers as they are.
    void setLevel(Level level) { m_level = level; }
    void togglePractice() {
        comencar();
        m_practising = !m_practising;
    }

private:
    std::array<Number, 2> m_numbers;
    bool m_mcdEnabled = true;
    bool m_mcmEnabled = false;
    QString m_speed = QStringLiteral("mnulent");
    bool m_resultsShown = false;
    bool m_practising = false;
    Level m_level = Level::Easy;
    std::array<std::pair<QString, QString>, 2> m_lines;
};
