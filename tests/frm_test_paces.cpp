#include "frm_test.h"

#include "runhelpers.h"
#include "windowprobe.h"

#include "app/runindicator.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QTimer>

void FrmTest::a_step_by_step_run_goes_on_at_each_continue_key_or_click_data() {
    QTest::addColumn<int>("key"); // none: a click on the ladder
    QTest::newRow("space") << int(Qt::Key_Space);
    QTest::newRow("enter") << int(Qt::Key_Return);
    QTest::newRow("right arrow") << int(Qt::Key_Right);
    QTest::newRow("a click on the ladder") << 0;
}

void FrmTest::a_step_by_step_run_goes_on_at_each_continue_key_or_click() {
    // State: "pas a pas"; the clock ticks every 40 ms. Action: descomposar 250; at each wait
    // the left arrow, a key for txt6 and a click on "començar", and 60 ms later the key or
    // click that goes on. Expected: eight waits, each with its line under the ladder and one
    // ladder line further on, whatever the clock and the other input; then the run completes,
    // the line gone, the second number as it was.
    QFETCH(int, key);
    m_driver->chooseMenu(QStringLiteral("mnupasapas"), QStringLiteral("mnuvelocitat"));
    const auto* indicator = window().findChild<RunIndicator*>(QStringLiteral("runIndicator"));
    const QStringList secondBefore = worksheetState(window(), worksheetNames(1));
    QList<int> linesAtWaits;
    int wakeUps = 0;
    QTimer teacher;
    teacher.setInterval(60);
    connect(&teacher, &QTimer::timeout, &teacher, [&] {
        if (indicator->hint() != QStringLiteral("prem espai per continuar"))
            return;
        QWidget* focus = QApplication::focusWidget() ? QApplication::focusWidget() : &window();
        const int lines = lineCount(m_driver->quotients(0)) + lineCount(m_driver->divisors(0));
        if (linesAtWaits.isEmpty() || linesAtWaits.last() != lines) {
            linesAtWaits << lines;
            QTest::keyClick(focus, Qt::Key_Left);
            QTest::keyClicks(m_driver->control("txt6"), QStringLiteral("7"));
            m_driver->comencar();
            return;
        }
        ++wakeUps;
        if (key)
            QTest::keyClick(focus, Qt::Key(key));
        else
            QTest::mouseClick(m_driver->quotients(0), Qt::LeftButton);
    });
    teacher.start();
    QTimer::singleShot(20000, &window(), &QWidget::close); // should no key ever go through

    QTest::mouseClick(m_driver->control("cmd"), Qt::LeftButton);

    QCOMPARE(linesAtWaits, QList<int>({1, 2, 3, 4, 5, 6, 7, 8}));
    QCOMPARE(wakeUps, 8);
    QCOMPARE(m_driver->quotientLines(0), ladder250);
    QVERIFY(indicator->hint().isEmpty() && indicator->isHidden());
    QCOMPARE(worksheetState(window(), worksheetNames(1)), secondBefore);
}

void FrmTest::a_speed_chosen_during_a_run_holds_from_the_pause_under_way_data() {
    QTest::addColumn<QStringList>("speeds"); // the pace of the run, the pace chosen
    QTest::addColumn<bool>("byKeyboard");
    QTest::newRow("lent, then rapid") << QStringList{"mnulent", "mnurapid"} << false;
    QTest::newRow("pas a pas, then rapid") << QStringList{"mnupasapas", "mnurapid"} << false;
    QTest::newRow("the same from the keyboard") << QStringList{"mnupasapas", "mnurapid"} << true;
    QTest::newRow("pas a pas, then lent") << QStringList{"mnupasapas", "mnulent"} << false;
}

void FrmTest::a_speed_chosen_during_a_run_holds_from_the_pause_under_way() {
    // State: the first pace; the clock ticks every 100 ms. Action: descomposar 250; at its
    // first pause, the second pace from the speed menu, by mouse or by keyboard (Enter on
    // "començar" first). Expected: a busy cursor in "lent", a pointing one in "pas a pas";
    // "rapid" ends the run within the clock's second, "lent" goes on by itself.
    QFETCH(QStringList, speeds);
    QFETCH(bool, byKeyboard);
    const QString from = speeds[0], to = speeds[1];
    m_driver->chooseMenu(from, QStringLiteral("mnuvelocitat"));
    window().activateWindow(); // as the keyboard needs it, which the offscreen menus do not
    m_clock.restart(0, std::chrono::milliseconds(100));
    QTimer::singleShot(20000, &window(), &QWidget::close); // should the choice never come
    const auto* indicator = window().findChild<RunIndicator*>(QStringLiteral("runIndicator"));
    Qt::CursorShape cursor = Qt::ArrowCursor;
    qint64 secondChosen = -1;
    QMenuBar* bar = window().menuBar();
    const WhenReady midRun(
        [&] { return window().isRunning() && indicator->isVisible(); },
        [&] {
            cursor = indicator->cursor().shape();
            if (byKeyboard) {
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Alt);
                QTRY_COMPARE(bar->activeAction(), m_driver->action(QStringLiteral("mnucomençar")));
                QTest::keyClick(bar, Qt::Key_Return);
                QTest::keyClick(bar, Qt::Key_Right);
                QTest::keyClick(bar, Qt::Key_Down);
                QMenu* menu = m_driver->action(QStringLiteral("mnuvelocitat"))->menu();
                QTRY_VERIFY(menu->isVisible());
                QTest::keyClick(menu, Qt::Key_Down);
                QTest::keyClick(menu, Qt::Key_Return);
            } else {
                m_driver->chooseMenu(to, QStringLiteral("mnuvelocitat"));
            }
            secondChosen = m_clock.seconds();
        });

    QTest::mouseClick(m_driver->control("cmd"), Qt::LeftButton);

    QVERIFY(midRun.done);
    QCOMPARE(cursor, from == "mnulent" ? Qt::BusyCursor : Qt::PointingHandCursor);
    QVERIFY(m_driver->action(to)->isChecked() && !m_driver->action(from)->isChecked());
    QCOMPARE(m_driver->quotientLines(0), ladder250);
    if (to == "mnurapid")
        QCOMPARE(m_clock.seconds(), secondChosen);
    else
        QVERIFY(m_clock.seconds() >= secondChosen + 6);
}
