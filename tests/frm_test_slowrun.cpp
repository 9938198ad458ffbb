#include "frm_test.h"

#include "designform.h"

#include "runhelpers.h"
#include "windowprobe.h"

#include "app/picturearea.h"
#include "app/twipslayout.h"

#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>
#include <map>
#include <set>

namespace {

// Notes, at every paint of a ladder column while a run is under way, how many lines the
// column showed.
class PaintRecorder : public QObject {
public:
    explicit PaintRecorder(const frm& window)
        : m_window(window) {}

    std::map<QString, std::set<int>> shownWhileRunning;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && m_window.isRunning())
            shownWhileRunning[watched->objectName()].insert(
                static_cast<int>(static_cast<PictureArea*>(watched)->lines().size()));
        return false;
    }

private:
    const frm& m_window;
};

// Input queued for later, as the window system queues what the user does while the
// program is busy.
void postClick(QWidget* target) {
    const QPointF centre = QRectF(target->rect()).center();
    const QPointF global = target->mapToGlobal(centre);
    QCoreApplication::postEvent(target,
                                new QMouseEvent(QEvent::MouseButtonPress, centre, global,
                                                Qt::LeftButton, Qt::LeftButton, Qt::NoModifier));
    QCoreApplication::postEvent(target,
                                new QMouseEvent(QEvent::MouseButtonRelease, centre, global,
                                                Qt::LeftButton, Qt::NoButton, Qt::NoModifier));
}

void postKey(QWidget* target, Qt::Key key, const QString& text) {
    QCoreApplication::postEvent(target, new QKeyEvent(QEvent::KeyPress, key, Qt::NoModifier, text));
    QCoreApplication::postEvent(target,
                                new QKeyEvent(QEvent::KeyRelease, key, Qt::NoModifier, text));
}

} // namespace

void FrmTest::a_slow_run_paints_each_ladder_step_before_the_next() {
    // State: slow mode; the clock starts a second as descomposar is clicked.
    // Action: descomposar 250.
    // Expected: while the run goes on, the quotients are painted showing 1, 2, 3, 4 lines and
    // the divisors 1, 2, 3, 4 lines: every step reaches the screen before the next is drawn.
    m_driver->chooseLent();
    PaintRecorder recorder(window());
    for (const char* column : {"pic1", "pic2"})
        m_driver->control(QLatin1String(column))->installEventFilter(&recorder);
    m_clock.restart();

    QTest::mouseClick(m_driver->control("cmd"), Qt::LeftButton);

    QVERIFY(!window().isRunning());
    QCOMPARE(m_driver->quotientLines(0), ladder250);
    QCOMPARE(m_driver->divisorLines(0), divisors250);
    // Before its first line a column may be painted empty, and after its last the run may
    // still be tidying up; the steps in between are what a pupil follows.
    const auto stepsShown = [&](const char* column) {
        const std::set<int>& shown = recorder.shownWhileRunning[QLatin1String(column)];
        return QList<int>(shown.lower_bound(1), shown.lower_bound(5));
    };
    QCOMPARE(stepsShown("pic1"), QList<int>({1, 2, 3, 4}));
    QCOMPARE(stepsShown("pic2"), QList<int>({1, 2, 3, 4}));
}

void FrmTest::input_during_a_slow_run_is_dropped_and_never_acted_on_afterwards() {
    // State: slow mode; the second worksheet as it opened.
    // Action: descomposar 250; once two divisors are drawn, a click on cmd1, a click in txt6,
    // a key typed in txt6 and a click on "començar"; and queued just as the run fills its
    // factor row, a click in txt1 and a key for txt6, left for the window to take later.
    // Expected: the run completes, and none of that input is acted on, then or afterwards.
    m_driver->chooseLent();
    auto* cmd1 = m_driver->control("cmd1");
    auto* txt1 = m_driver->control<QLineEdit>("txt1");
    auto* txt6 = m_driver->control<QLineEdit>("txt6");
    auto* comencar = m_driver->action(QStringLiteral("mnucomençar"));
    QVERIFY(comencar);
    const QPoint comencarPlace = window().menuBar()->actionGeometry(comencar).center();
    int comencarTriggered = 0;
    connect(comencar, &QAction::triggered, comencar, [&] { ++comencarTriggered; });
    const QStringList secondBefore = worksheetState(window(), worksheetNames(1));

    const WhenReady midRun(
        [&] { return window().isRunning() && lineCount(m_driver->divisors(0)) >= 2; },
        [&] {
            QTest::mouseClick(cmd1, Qt::LeftButton);
            QTest::mouseClick(txt6, Qt::LeftButton);
            QTest::keyClicks(txt6, QStringLiteral("7"));
            QTest::mouseClick(window().menuBar(), Qt::LeftButton, {}, comencarPlace);
        });
    bool queued = false;
    auto* firstBase = m_driver->control<QLineEdit>("txt2_0");
    connect(firstBase, &QLineEdit::textChanged, firstBase, [&] {
        if (queued || !window().isRunning())
            return;
        queued = true;
        postClick(txt1);
        postKey(txt6, Qt::Key_9, QStringLiteral("9"));
    });

    QTest::mouseClick(m_driver->control("cmd"), Qt::LeftButton);
    QCoreApplication::processEvents(); // anything still queued would be taken now

    QVERIFY(midRun.done);
    QCOMPARE(worksheetState(window(), worksheetNames(1)), secondBefore);
    QCOMPARE(comencarTriggered, 0);
    QVERIFY(queued);
    QCOMPARE(txt1->text(), QStringLiteral("250"));
    QCOMPARE(m_driver->quotientLines(0), ladder250);
    QCOMPARE(m_driver->baseTexts(0).first(), QStringLiteral("2"));

    // The same input once the run is over does reach the window, so none of the checks
    // above could pass for want of input that works.
    QTest::mouseClick(window().menuBar(), Qt::LeftButton, {}, comencarPlace);
    postClick(txt1);
    postKey(txt6, Qt::Key_9, QStringLiteral("9"));
    QCoreApplication::processEvents();
    QCOMPARE(comencarTriggered, 1);
    QCOMPARE(txt1->text(), QString());
    QCOMPARE(txt6->text(), QStringLiteral("3009"));
}

void FrmTest::each_pause_of_a_slow_run_ends_at_the_next_tick_of_the_clock() {
    // State: slow mode; the clock half way through its second 0.
    // Action: descomposar 250: four divisions, each with a pause before its divisor and
    // one before its quotient.
    // Expected: each of the eight pauses ends at the clock's next tick, so the run ends
    // early in second 8: it took between 7.5 and 8 of the clock's seconds. A pause of a
    // fixed half second would end in second 4, one of a fixed second half way into 8.
    // The clock's seconds are longer here than elsewhere: a wake-up late by a whole second,
    // or a run slowed past half of one, must mean a fault, not a busy machine.
    m_driver->chooseLent();
    m_clock.restart(0.5, std::chrono::milliseconds(100));

    QTest::mouseClick(m_driver->control("cmd"), Qt::LeftButton);

    QCOMPARE(m_clock.seconds(), 8);
    QVERIFY2(m_clock.intoSecond() < 0.5, qPrintable(QString::number(m_clock.intoSecond())));
    QCOMPARE(m_driver->quotientLines(0), ladder250);
    QCOMPARE(m_driver->divisorLines(0), divisors250);
    QCOMPARE(m_driver->control<QLabel>("Label1_0")->text(), QStringLiteral("250 = "));
    QVERIFY(!m_driver->control("cmd")->isEnabled());
}

void FrmTest::closing_the_window_during_a_slow_run_stops_the_run_at_once() {
    // State: slow mode.
    // Action: descomposar 250; the window is closed while the run waits at a pause, once
    // the first divisor is drawn.
    // Expected: the click returns within the same second of the clock, the run over, with
    // nothing drawn after the close; the button still enabled, as the run never completed.
    m_driver->chooseLent();
    QString quotientsAtClose;
    QString divisorsAtClose;
    qint64 secondAtClose = -1;
    const WhenReady closer(
        [&] { return window().isRunning() && lineCount(m_driver->divisors(0)) >= 1; },
        [&] {
            quotientsAtClose = m_driver->quotientLines(0);
            divisorsAtClose = m_driver->divisorLines(0);
            secondAtClose = m_clock.seconds();
            window().close();
        });
    auto* cmd = m_driver->control("cmd");

    QTest::mouseClick(cmd, Qt::LeftButton);

    QVERIFY(closer.done);
    QVERIFY(quotientsAtClose != ladder250); // the run was still under way
    QVERIFY(!window().isVisible());
    QVERIFY(!window().isRunning());
    QCOMPARE(m_clock.seconds(), secondAtClose);
    QCOMPARE(m_driver->quotientLines(0), quotientsAtClose);
    QCOMPARE(m_driver->divisorLines(0), divisorsAtClose);
    QVERIFY(cmd->isEnabled());
    QCOMPARE(m_driver->baseTexts(0), QStringList(7, QString()));
    QCOMPARE(m_driver->control<QLabel>("Label1_0")->text(), QString());
}

void FrmTest::resizing_the_window_during_a_slow_run_scales_what_is_drawn() {
    // State: slow mode, the design size.
    // Action: descomposar 250; after two divisors, the window doubles in size.
    // Expected: the run goes on to its end at the new scale: the columns are twice as large
    // and hold the whole ladder, each line now twice as far below the one before.
    m_driver->chooseLent();
    auto* quotients = m_driver->control<PictureArea>("pic1");
    const QSize designSize = quotients->size();
    const double designStep = quotients->lineTop(1) - quotients->lineTop(0);
    QWidget* form = m_driver->control("form");
    const QSize larger = window().size() + form->size();
    const WhenReady midRun(
        [&] { return window().isRunning() && lineCount(m_driver->divisors(0)) >= 2; },
        [&] { window().resize(larger); });

    QTest::mouseClick(m_driver->control("cmd"), Qt::LeftButton);

    QVERIFY(midRun.done);
    QCOMPARE(form->size(), 2 * design::clientPixels);
    QCOMPARE(quotients->size(), 2 * designSize);
    QCOMPARE(m_driver->quotientLines(0), ladder250);
    QCOMPARE(m_driver->divisorLines(0), divisors250);
    QVERIFY(quotients->lineTop(1) - quotients->lineTop(0) > 1.8 * designStep);
    QCOMPARE(m_driver->control("txt2_1")->property("text").toString(), QStringLiteral("5"));
}

void FrmTest::a_run_lays_the_form_out_at_most_twice_data() {
    QTest::addColumn<bool>("slow");
    QTest::newRow("rapid") << false;
    QTest::newRow("lent") << true;
}

void FrmTest::a_run_lays_the_form_out_at_most_twice() {
    // State: the window as it opened, laid out. Action: descomposar 510510, whose run
    // changes 14 boxes and the label. Expected: the changes of each turn of the event loop
    // are placed together, at most twice in all.
    QFETCH(bool, slow);
    if (slow)
        m_driver->chooseLent();
    else
        m_driver->chooseRapid();
    QWidget* form = m_driver->control("form");
    const auto* layout = dynamic_cast<const TwipsLayout*>(form->layout());
    QVERIFY(layout);
    QTest::qWait(20);
    const int before = layout->passes();
    typeInto(m_driver->control<QLineEdit>("txt1"), QStringLiteral("510510"));
    QTest::qWait(20);
    QCOMPARE(layout->passes(), before);

    QTest::mouseClick(m_driver->control("cmd"), Qt::LeftButton);
    QTest::qWait(20);

    QCOMPARE(m_driver->baseTexts(0).last(), QStringLiteral("17"));
    QVERIFY2(layout->passes() - before <= 2,
             qPrintable(QString::number(layout->passes() - before)));
}
