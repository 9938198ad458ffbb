#pragma once

#include "app/appearance.h"
#include "modalcloser.h"

#include <QApplication>
#include <QMessageBox>
#include <QString>
#include <QStringList>
#include <QWidget>

class QLineEdit;

// What the window tests read back from the real window, and how they answer its message
// boxes. Controls are found by their object names only, never through the window's own
// tables, so that a control built in the wrong place or under the wrong name shows.

// The object names of one number's controls. The names themselves are the test's own, not
// taken from the window's tables.
struct WorksheetNames {
    const char* input;
    const char* button;
    const char* quotients;
    const char* divisors;
    const char* bases; // element k is named bases_k
    const char* exponents;
    const char* label;
};

// 0: the first number (txt1, cmd, ...); 1: the second (txt6, cmd1, ...).
const WorksheetNames& worksheetNames(int worksheet);

// The control of that name inside the window; a fatal failure when there is none.
QWidget* control(const QWidget& window, const QString& name);
template <typename Control> Control* control(const QWidget& window, const QString& name) {
    auto* found = qobject_cast<Control*>(control(window, name));
    if (!found)
        qFatal("the control %s is not of the expected kind", qPrintable(name));
    return found;
}

// Everything the pupil can see of one worksheet's controls, one line per control.
QStringList worksheetState(const QWidget& window, const WorksheetNames& worksheet);
// Everything the pupil can see of the window: every control of the form and the menus.
QStringList windowState(const QWidget& window);

// Empties the box and types the text into it, key by key.
void typeInto(QLineEdit* box, const QString& text);

// Clicks the control and, when it opens a modal message box, reads the box and closes it
// with a click on its OK button.
ShownMessage clickAndAcknowledge(QWidget* control);

// The main of a window test: without a screen unless the caller chose a platform (to watch
// the window, for instance), and with the look the program itself sets up.
#define WINDOW_TEST_MAIN(TestObject)                                                               \
    int main(int argc, char* argv[]) {                                                             \
        if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))                                         \
            qputenv("QT_QPA_PLATFORM", "offscreen");                                               \
        QApplication application(argc, argv);                                                      \
        setUpAppearance(application);                                                              \
        QTEST_SET_MAIN_SOURCE_PATH                                                                 \
        TestObject test;                                                                           \
        return QTest::qExec(&test, argc, argv);                                                    \
    }
