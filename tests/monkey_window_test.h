#pragma once

#include "expectedwindow.h"
#include "modalcloser.h"
#include "windowdriver.h"

#include <QObject>
#include <QRandomGenerator>
#include <QString>

#include <deque>
#include <memory>
#include <optional>

// Thousands of random actions on the real window, each followed by a check of everything
// it shows against what the test expects from the actions it took. The seed is printed;
// MONKEY_SEED runs another, MONKEY_ACTIONS sets how many actions.
class MonkeyWindowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();

    void the_expected_window_reads_text_as_pupils_are_told_data();
    void the_expected_window_reads_text_as_pupils_are_told();
    void random_actions_keep_the_window_consistent();

private:
    enum class Action {
        Type,
        Append,
        Paste,
        ClickInput,
        Decompose,
        Mcd,
        Mcm,
        Comencar,
        Lent,
        Rapid,
        PasAPas,
        NouExercici,
        Nivell,
        Resultats,
        Copiar,
        Practicar,
        Subratllar,
        Answer, // in practice: where the window asks for one
    };

    Action pickAction();
    // Takes the action on the window and on the expected window alike; false if the
    // window did what it should not.
    bool take(Action action);
    bool clickDecompose(int number);
    // An item of the speed menu or of the menu exercici.
    bool chooseItem(Action action);
    // In practice, the right answer three times in four, else any text, wherever the window
    // asks for one: the answer field, a factor row, or a power to mark.
    void answer();
    QString rightAnswer(const TextBox* field) const;
    QStringList rightRow(int number) const;
    void typeInto(int number, const QString& text, bool emptyFirst);

    void countMarks();
    void log(const QString& action);
    QString recentActions() const;

    std::unique_ptr<frm> m_window;
    std::unique_ptr<WindowDriver> m_driver;
    ExpectedWindow m_expected;
    ModalCloser m_closer;
    QRandomGenerator m_random;
    std::optional<ExerciseGenerator> m_exercises;
    struct Seen {
        int decomposed = 0;
        int refused = 0;
        int ignored = 0;
        int red = 0;
        int blue = 0;
        int lines = 0;
        std::array<int, 3> exercises{}; // "nou exercici" in each level
        int answers = 0;
        int writtenRows = 0; // states in practice with a row the pupil got right
    } m_seen;
    std::deque<QString> m_log;
    QString m_fault;
    int m_lastTyped = 0;
};
