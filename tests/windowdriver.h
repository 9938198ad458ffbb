#pragma once

#include "fastclock.h"

#include "app/colours.h"
#include "app/frm.h"
#include "app/picturearea.h"
#include "app/textbox.h"
#include "windowprobe.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QString>
#include <QTest>

#include <memory>

// Drives the real window as a pupil would: typing, clicking buttons and menu items, and
// reading the controls back by their names.
class WindowDriver {
public:
    explicit WindowDriver(frm& window)
        : m_window(window) {}

    frm& window() const { return m_window; }

    template <typename Control = QWidget> Control* control(const QString& name) const {
        return ::control<Control>(m_window, name);
    }
    QAction* action(const QString& name) const {
        auto* found = m_window.findChild<QAction*>(name);
        if (!found)
            qFatal("the window has no menu item named %s", qPrintable(name));
        return found;
    }

    // Number 0 is the first, 1 the second.
    TextBox* input(int number) const { return control<TextBox>(names(number).input); }
    QPushButton* button(int number) const { return control<QPushButton>(names(number).button); }
    PictureArea* quotients(int number) const {
        return control<PictureArea>(names(number).quotients);
    }
    PictureArea* divisors(int number) const { return control<PictureArea>(names(number).divisors); }
    QLabel* label(int number) const { return control<QLabel>(names(number).label); }
    TextBox* base(int number, int k) const { return element(names(number).bases, k); }
    TextBox* exponent(int number, int k) const { return element(names(number).exponents, k); }

    // A ladder column's printed lines, one per line, as it gives them to screen readers.
    QString quotientLines(int number) const { return quotients(number)->accessibleDescription(); }
    QString divisorLines(int number) const { return divisors(number)->accessibleDescription(); }
    // The texts of a factor row's seven boxes.
    QStringList baseTexts(int number) const { return rowTexts(names(number).bases); }
    QStringList exponentTexts(int number) const { return rowTexts(names(number).exponents); }

    void click(QWidget* widget) const { QTest::mouseClick(widget, Qt::LeftButton); }

    // Types the text into a number's box (the click empties it first) and presses its button.
    void decompose(int number, const QString& text) const {
        click(input(number));
        QTest::keyClicks(input(number), text);
        click(button(number));
    }

    // Clicks an item of the menu bar, or of the submenu that the item on the bar opens.
    void chooseMenu(const QString& name, const QString& submenu = QString()) const {
        QMenuBar* bar = m_window.menuBar();
        if (submenu.isEmpty()) {
            QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(action(name)).center());
            return;
        }
        QAction* opener = action(submenu);
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(opener).center());
        QMenu* menu = opener->menu();
        QTRY_VERIFY(menu->isVisible());
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action(name)).center());
    }
    // Clicks an item of a menu that is itself an item of a menu of the bar.
    void chooseNested(const QString& name, const QString& inner, const QString& outer) const {
        chooseMenu(inner, outer);
        QMenu* menu = action(inner)->menu();
        QTRY_VERIFY(menu->isVisible());
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action(name)).center());
    }
    void chooseRapid() const {
        chooseMenu(QStringLiteral("mnurapid"), QStringLiteral("mnuvelocitat"));
    }
    void chooseLent() const {
        chooseMenu(QStringLiteral("mnulent"), QStringLiteral("mnuvelocitat"));
    }
    void comencar() const { chooseMenu(QStringLiteral("mnucomençar")); }

    // Decomposes a number at once, as set-up for a test about something else; false when
    // it did not complete.
    bool decomposeAtOnce(int number, const QString& text) const {
        chooseRapid();
        decompose(number, text);
        return !button(number)->isEnabled() && !quotientLines(number).isEmpty();
    }

    // The colour marks of a factor row, one character a pair: R red, B dark blue, '.' normal.
    QString marks(int number) const {
        QString row;
        for (int k = 0; k < factorRowSize; ++k) {
            const Colour colour = base(number, k)->textColour();
            if (exponent(number, k)->textColour() != colour)
                return QStringLiteral("pair %1 split").arg(k);
            // A screen reader hears the mark that the eye sees.
            const QString said = colour == colours::divisorMark    ? "Forma part del m.c.d."
                                 : colour == colours::multipleMark ? "Forma part del m.c.m."
                                                                   : "";
            for (TextBox* box : {base(number, k), exponent(number, k)}) {
                if (box->palette().color(QPalette::Text) != toQColor(colour))
                    return QStringLiteral("pair %1 drawn in another colour").arg(k);
                if (box->accessibleDescription() != said)
                    return QStringLiteral("pair %1 described as %2")
                        .arg(k)
                        .arg(box->accessibleDescription());
            }
            row += colour == colours::divisorMark    ? 'R'
                   : colour == colours::multipleMark ? 'B'
                   : colour == colours::normal       ? '.'
                                                     : '?';
        }
        return row;
    }

private:
    static const WorksheetNames& names(int number) { return worksheetNames(number); }
    TextBox* element(const char* array, int k) const {
        return control<TextBox>(QStringLiteral("%1_%2").arg(QLatin1String(array)).arg(k));
    }
    QStringList rowTexts(const char* array) const {
        QStringList texts;
        for (int k = 0; k < factorRowSize; ++k)
            texts << element(array, k)->text();
        return texts;
    }

    frm& m_window;
};

// The base of a window test: every test function starts from a freshly opened window, on a
// clock whose seconds pass quickly, in "lent" as the window opens.
class WindowTest : public QObject {
    Q_OBJECT

private slots:
    void init() { openWindow(); }
    void cleanup() {
        m_driver.reset();
        m_window.reset();
    }

protected:
    void openWindow() {
        m_clock.restart();
        m_window = std::make_unique<frm>(m_clock);
        m_window->show();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
        m_driver = std::make_unique<WindowDriver>(*m_window);
    }
    frm& window() const { return *m_window; }

    FastClock m_clock;
    std::unique_ptr<frm> m_window;
    std::unique_ptr<WindowDriver> m_driver;
};

// The same, in "rapid".
class RapidWindowTest : public WindowTest {
    Q_OBJECT

private slots:
    void init() {
        openWindow();
        m_driver->chooseRapid();
    }
};
