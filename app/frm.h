#pragma once

#include "app/worksheetbinding.h"
#include "worksheet/steppause.h"

#include <QMainWindow>

#include <memory>

class Form;
class QAction;
class QEventLoop;
class QPushButton;

// The window: two numbers side by side, each with its ladder and factor row, and the
// commands that decompose and compare them.
class frm : public QMainWindow, private PauseHost {
    Q_OBJECT
public:
    explicit frm(const Clock& clock = localClock(), QWidget* parent = nullptr);
    ~frm() override;

    // A decomposition is being drawn.
    bool isRunning() const { return m_running; }

    static const Clock& localClock();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void createMenus();
    void connectWorksheet(WorksheetBinding& binding);
    void connectComparisons();
    // F11 switches full screen on and off; Esc also leaves it.
    void createFullScreenKeys();

    void decomposeClicked(WorksheetBinding& binding);
    void inputClicked(WorksheetBinding& binding);
    void mcdClicked();
    void mcmClicked();
    void comencarClicked();
    void setSlow(bool slow);

    bool isSlow() const override;
    const Clock& clock() const override;
    bool sleep(std::chrono::milliseconds duration) override;

    const Clock& m_clock;
    Form* m_form;
    std::unique_ptr<WorksheetBinding> m_first;
    std::unique_ptr<WorksheetBinding> m_second;
    QPushButton* m_cmdMCD;
    QPushButton* m_cmdMCM;
    QAction* m_comencar = nullptr;
    QAction* m_lent = nullptr;
    QAction* m_rapid = nullptr;
    QEventLoop* m_pauseLoop = nullptr;
    bool m_running = false;
    bool m_closing = false;
};
