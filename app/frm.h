#pragma once

#include "app/clock.h"
#include "app/resultlines.h"
#include "app/steppause.h"
#include "app/worksheetbinding.h"

#include <QMainWindow>

#include <array>
#include <cstdint>

class Announcer;
class BoardZoom;
class PracticeSession;
class ExerciseMenu;
class QAction;
class QMenu;
class RunIndicator;
class TwipsForm;

// The window: two numbers side by side, each with its ladder and factor row, and the
// commands that decompose and compare them.
class frm : public QMainWindow {
    Q_OBJECT
public:
    explicit frm(const Clock& clock = localClock(), QWidget* parent = nullptr);
    ~frm() override;

    // A decomposition is being drawn.
    bool isRunning() const { return m_running; }

    static const Clock& localClock();

    // "nou exercici" draws the same pairs for the same seed.
    void seedExercises(std::uint64_t seed);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void createMenus();
    // "practicar" and "subratllar les marques", at the end of the menu exercici.
    void addPupilItems();
    void connectWorksheet(WorksheetBinding& binding);
    void connectComparisons();
    // F11 switches full screen on and off; Esc also leaves it.
    void createFullScreenKeys();

    void decomposeClicked(WorksheetBinding& binding);
    void mcdClicked();
    void mcmClicked();
    void comencarClicked();
    void announceMarks(Colour mark);
    void practicarToggled(bool on);
    void setPace(Pace pace);
    Pace pace() const;

    TwipsForm* m_form;
    QAction* m_comencar = nullptr;
    QAction* m_lent = nullptr;
    QAction* m_rapid = nullptr;
    QAction* m_pasapas = nullptr;
    QMenu* m_velocitat = nullptr;
    StepPause m_pause;
    std::array<WorksheetBinding, 2> m_worksheets;
    Announcer* m_announcer;
    ResultLines m_results;
    RunIndicator* m_indicator;
    ExerciseMenu* m_exercici = nullptr;
    PracticeSession* m_practice = nullptr;
    bool m_running = false;
};
