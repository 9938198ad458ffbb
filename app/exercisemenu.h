#pragma once

#include "app/worksheetbinding.h"
#include "worksheet/exercisegenerator.h"

#include <QObject>

#include <array>
#include <cstdint>
#include <functional>

class QAction;
class QKeySequence;
class QMainWindow;
class QMenu;
class ResultLines;

// The "exercici" menu of the teacher's kit: a new pair of numbers suited to a level and the
// results written out.
class ExerciseMenu : public QObject {
    Q_OBJECT
public:
    // `startAgain` does what "començar" does.
    ExerciseMenu(QMainWindow& window, const std::array<WorksheetBinding, 2>& numbers,
                 ResultLines& results, std::function<void()> startAgain);

    // The same seed draws the same exercises.
    void seed(std::uint64_t seed) { m_generator = ExerciseGenerator(seed); }

    // Adds an item at the end of the menu; what it does is for the caller to connect.
    QAction* addItem(const char* caption, const char* name, const QKeySequence& keys);
    QMenu* menu() const { return m_menu; }

private:
    void addLevels();
    Level level() const;
    void newExercise();

    QMainWindow& m_window;
    const std::array<WorksheetBinding, 2>& m_numbers;
    ResultLines& m_results;
    std::function<void()> m_startAgain;
    QMenu* m_menu;
    std::array<QAction*, 3> m_levels{};
    ExerciseGenerator m_generator;
};
