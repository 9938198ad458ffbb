#pragma once

#include <QObject>

class QAction;
class QWidget;
class TwipsForm;

// The zoom of the board's numbers: Ctrl++ (or Ctrl+=) and Ctrl+- go up and down a step,
// Ctrl+0 back to the size drawn, and so does the mouse wheel with Ctrl held. It lasts for
// the life of the window.
class BoardZoom : public QObject {
    Q_OBJECT
public:
    // The steps, as a factor of the size drawn.
    static constexpr double steps[] = {1.0, 1.25, 1.5, 1.75, 2.0, 2.5, 3.0};

    // The three commands become actions of the window, so that their keys work wherever
    // the focus is.
    BoardZoom(TwipsForm& form, QWidget& window);

    double zoom() const;
    // Moves that many steps up (or down, when negative), as far as the steps go.
    void stepBy(int steps);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QAction* addCommand(QWidget& window, const char* name, const char* text);

    TwipsForm& m_form;
    int m_step = 0;
};
