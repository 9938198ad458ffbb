#pragma once

#include "app/worksheetbinding.h"
#include "worksheet/inputcheck.h"
#include "worksheet/practicefactorrow.h"
#include "worksheet/practiceladder.h"
#include "worksheet/practicemarks.h"
#include "worksheet/practicescore.h"

#include <QObject>

#include <array>
#include <optional>

class Announcer;
class TwipsForm;

// The practice mode: the pupil writes each number's ladder in the answer field, one place at
// a time, then its factor row, then marks the powers of the m.c.d. and of the m.c.m; the
// window checks every answer and says in its message line what is right or what is wrong.
// Both numbers are served by the same code, each through its own worksheet binding.
class PracticeSession : public QObject {
    Q_OBJECT
public:
    PracticeSession(TwipsForm& form, std::array<WorksheetBinding, 2>& worksheets,
                    Announcer& announcer);

    bool isOn() const { return m_on; }
    // Shows or hides what only practice uses, and starts a new exercise.
    void setOn(bool on);
    // A new exercise: nothing answered yet, the score back to nothing.
    void restart();
    // The pupil starts a number's ladder: its first line is printed, and the answer field
    // opens on the divisor beside it.
    void startLadder(int number, const InputCheck& accepted, const QString& typed);
    // "m.c.d." or "m.c.m" in practice: checks the marks instead of making them. True when
    // they are right.
    bool checkMarks(MarkRule rule);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Number {
        std::optional<PracticeLadder> ladder;
        std::optional<PracticeFactorRow> row;
        QString typed; // the number as typed, for the label
        Powers powers; // the row once it is right
        bool done = false;
    };

    void answerTyped();
    // "comprova": what the pupil was writing, the answer or a factor row.
    void checkClicked();
    void ladderFinished(int number);
    void checkRow(int number);
    void writeRow(int number);
    void openRow(int number, bool open);
    void toggleMark(int number, int k);
    bool marksOpen() const;
    void placeAnswer();
    void say(const QString& message, bool right);
    void showScore();
    std::vector<TypedPair> typedRow(int number) const;
    std::vector<bool> marked(int number, Colour mark) const;
    void openMarks(bool open);

    TwipsForm& m_form;
    Announcer& m_announcer;
    std::array<WorksheetBinding, 2>& m_worksheets;
    std::array<Number, 2> m_numbers;
    std::optional<PracticeMarks> m_marks;
    MarkRule m_marking = MarkRule::CommonDivisor;
    PracticeScore m_score;
    int m_answering = -1; // the number whose ladder the answer field serves
    bool m_on = false;
};
