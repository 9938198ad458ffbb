#pragma once

#include "app/boardimage.h"
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

// The "exercici" menu of the teacher's kit: a new pair of numbers suited to a level, the
// results written out, and the board copied, saved or printed.
class ExerciseMenu : public QObject {
    Q_OBJECT
public:
    // `startAgain` does what "començar" does.
    ExerciseMenu(QMainWindow& window, QWidget& form, const std::array<WorksheetBinding, 2>& numbers,
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
    void copyImage();
    void saveImage();
    void printBoard();
    // descomposicio-250-300, from the numbers decomposed or typed.
    QString proposedName() const;

    QMainWindow& m_window;
    const std::array<WorksheetBinding, 2>& m_numbers;
    ResultLines& m_results;
    std::function<void()> m_startAgain;
    QMenu* m_menu;
    std::array<QAction*, 3> m_levels{};
    ExerciseGenerator m_generator;
    BoardImage m_board;
};
