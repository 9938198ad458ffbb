#include "monkey_window_test.h"

#include "app/appearance.h"
#include "randomtext.h"
#include "windowcheck.h"

#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QTest>

namespace {

constexpr quint32 defaultSeed = 20261208;
constexpr int defaultActions = 5000;
constexpr std::size_t loggedActions = 25;

QtMessageHandler testLogHandler = nullptr;

// The offscreen platform warns at every menu that it cannot raise a window nor grab the
// keyboard; thousands of those would reach the test log's limit and silence the rest.
void dropPlatformLimits(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (!message.startsWith(QLatin1String("This plugin does not support")))
        testLogHandler(type, context, message);
}

QList<qint64> toNumbers(const QString& lines) {
    QList<qint64> numbers;
    for (const QString& line : lines.split(u'\n', Qt::SkipEmptyParts))
        numbers << line.toLongLong();
    return numbers;
}

quint32 seed() {
    bool ok = false;
    const quint32 chosen = qEnvironmentVariable("MONKEY_SEED").toUInt(&ok);
    return ok ? chosen : defaultSeed;
}

int actionCount() {
    bool ok = false;
    const int chosen = qEnvironmentVariableIntValue("MONKEY_ACTIONS", &ok);
    return ok && chosen > 0 ? chosen : defaultActions;
}

} // namespace

void MonkeyWindowTest::initTestCase() {
    testLogHandler = qInstallMessageHandler(dropPlatformLimits);
}

void MonkeyWindowTest::cleanupTestCase() {
    qInstallMessageHandler(testLogHandler);
}

void MonkeyWindowTest::init() {
    m_window = std::make_unique<frm>();
    m_window->seedExercises(seed());
    m_exercises.emplace(seed());
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    m_driver = std::make_unique<WindowDriver>(*m_window);
    m_expected = ExpectedWindow();
    m_log.clear();
    m_fault.clear();
    m_seen = {};
    m_lastTyped = 0;
}

void MonkeyWindowTest::cleanup() {
    m_closer.disarm();
    m_driver.reset();
    m_window.reset();
}

void MonkeyWindowTest::countMarks() {
    bool red = false;
    bool blue = false;
    for (int number = 0; number < 2; ++number) {
        for (const Colour colour : m_expected.number(number).colours) {
            red = red || colour == colours::divisorMark;
            blue = blue || colour == colours::multipleMark;
        }
    }
    m_seen.red += red;
    m_seen.blue += blue;
    m_seen.lines += !(m_expected.line(0).first + m_expected.line(1).first).isEmpty();
    m_seen.writtenRows += m_expected.practising() && !m_driver->label(0)->text().isEmpty();
}

void MonkeyWindowTest::log(const QString& action) {
    m_log.push_back(action);
    if (m_log.size() > loggedActions)
        m_log.pop_front();
}

QString MonkeyWindowTest::recentActions() const {
    QString text;
    for (const QString& action : m_log)
        text += QStringLiteral("\n    ") + action;
    return text;
}

MonkeyWindowTest::Action MonkeyWindowTest::pickAction() {
    // "lent" lasts a few actions at most, and never up to a click that would draw a ladder
    // step by step: that one goes back to "rapid" first.
    if (m_expected.slow() && m_random.bounded(3) == 0)
        return Action::Rapid;
    if (m_expected.practising() && m_random.bounded(3) == 0)
        return Action::Answer;
    // Out of 1000. Opening a submenu takes the test some 50 ms: "nivell" comes only now and
    // then.
    static const QList<std::pair<int, Action>> weights{
        {200, Action::Type},      {30, Action::Append},     {30, Action::Paste},
        {60, Action::ClickInput}, {265, Action::Decompose}, {100, Action::Mcd},
        {100, Action::Mcm},       {75, Action::Comencar},   {30, Action::Lent},
        {29, Action::Rapid},      {10, Action::PasAPas},    {30, Action::NouExercici},
        {5, Action::Nivell},      {13, Action::Resultats},  {10, Action::Copiar},
        {8, Action::Practicar},   {5, Action::Subratllar},
    };
    int roll = m_random.bounded(1000);
    Action picked = Action::Decompose;
    for (const auto& [weight, action] : weights) {
        if (roll < weight) {
            picked = action;
            break;
        }
        roll -= weight;
    }
    // Most "m.c.d." clicks wait until both numbers are decomposed, so that marks show often.
    const bool bothDecomposed = m_expected.number(0).decomposed && m_expected.number(1).decomposed;
    if (picked == Action::Mcd && !bothDecomposed && m_random.bounded(4) != 0)
        return Action::Decompose;
    return picked;
}

void MonkeyWindowTest::typeInto(int number, const QString& text, bool emptyFirst) {
    if (emptyFirst) {
        m_driver->click(m_driver->input(number));
        m_expected.clickInput(number);
    }
    QTest::keyClicks(m_driver->input(number), text);
    m_expected.type(number, m_expected.number(number).input + text);
}

bool MonkeyWindowTest::clickDecompose(int number) {
    const ExpectedWindow::Click expected = m_expected.decomposeOutcome(number);
    if (m_expected.slow() && expected == ExpectedWindow::Click::Decomposed) {
        m_driver->chooseRapid();
        m_expected.setSpeed(QStringLiteral("mnurapid"));
        log(QStringLiteral("rapid, before a click that decomposes"));
    }
    log(QStringLiteral("descomposar %1 with %2")
            .arg(number)
            .arg(quoted(m_expected.number(number).input)));
    m_closer.arm();
    m_driver->click(m_driver->button(number));
    const QStringList boxes = m_closer.disarm();
    m_expected.clickDecompose(number);
    (expected == ExpectedWindow::Click::Decomposed ? m_seen.decomposed
     : expected == ExpectedWindow::Click::Refused  ? m_seen.refused
                                                   : m_seen.ignored)++;
    const bool refused = expected == ExpectedWindow::Click::Refused;
    if (boxes.size() != (refused ? 1 : 0) || (refused && boxes.first().isEmpty())) {
        m_fault = QStringLiteral("expected %1 message box, saw %2: %3")
                      .arg(refused ? 1 : 0)
                      .arg(boxes.size())
                      .arg(boxes.join(QLatin1String(" | ")));
        return false;
    }
    return true;
}

bool MonkeyWindowTest::take(Action action) {
    // A click on "descomposar" mostly follows typing into the same number's box.
    const int number =
        action == Action::Decompose && m_random.bounded(3) != 0 ? m_lastTyped : m_random.bounded(2);
    switch (action) {
    case Action::Type:
    case Action::Append: {
        const QString text = randomTypedText(m_random);
        log(QStringLiteral("%1 %2 into %3")
                .arg(action == Action::Type ? "type" : "append", quoted(text))
                .arg(number));
        typeInto(number, text, action == Action::Type);
        m_lastTyped = number;
        return true;
    }
    case Action::Paste: {
        const QString text = randomPastedText(m_random);
        log(QStringLiteral("paste %1 into %2").arg(quoted(text)).arg(number));
        QApplication::clipboard()->setText(text);
        m_driver->click(m_driver->input(number));
        m_expected.clickInput(number);
        QTest::keySequence(m_driver->input(number), QKeySequence::Paste);
        m_expected.type(number, text);
        m_lastTyped = number;
        return true;
    }
    case Action::ClickInput:
        log(QStringLiteral("click input %1").arg(number));
        m_driver->click(m_driver->input(number));
        m_expected.clickInput(number);
        return true;
    case Action::Decompose:
        return clickDecompose(number);
    case Action::Mcd:
        log(QStringLiteral("m.c.d."));
        m_closer.arm();
        m_driver->click(m_driver->control<QPushButton>("cmdMCD"));
        m_expected.clickMcd();
        break;
    case Action::Mcm:
        log(QStringLiteral("m.c.m"));
        m_closer.arm();
        m_driver->click(m_driver->control<QPushButton>("cmdMCM"));
        m_expected.clickMcm();
        break;
    case Action::Answer:
        ++m_seen.answers;
        answer();
        return true;
    case Action::Comencar:
        log(QStringLiteral("començar"));
        m_closer.arm();
        m_driver->comencar();
        m_expected.comencar();
        break;
    default:
        return chooseItem(action);
    }
    // These never open a box: one that opens is a fault, closed so that the test goes on.
    const QStringList boxes = m_closer.disarm();
    if (!boxes.isEmpty())
        m_fault = QStringLiteral("unexpected message box: ") + boxes.join(QLatin1String(" | "));
    return boxes.isEmpty();
}

bool MonkeyWindowTest::chooseItem(Action action) {
    // In the order of the actions, from Lent on.
    static const char* const items[] = {"mnulent",        "mnurapid",     "mnupasapas",
                                        "mnunouexercici", "mnunivell",    "mnuresultats",
                                        "mnucopiar",      "mnupracticar", "mnusubratllar"};
    static const char* const levels[] = {"mnufacil", "mnumitja", "mnudificil"};
    const bool speed = action <= Action::PasAPas;
    const QString item = QLatin1String(items[int(action) - int(Action::Lent)]);
    const QString menu = speed ? QStringLiteral("mnuvelocitat") : QStringLiteral("mnuexercici");
    if (action == Action::Nivell) {
        const Level level = Level(m_random.bounded(3));
        log(QLatin1String(levels[int(level)]));
        m_driver->chooseNested(QLatin1String(levels[int(level)]), item, menu);
        m_expected.setLevel(level);
        return true;
    }
    log(item);
    m_driver->chooseMenu(item, menu);
    if (speed)
        m_expected.setSpeed(item);
    else if (action == Action::Resultats)
        m_expected.toggleResults();
    else if (action == Action::Practicar)
        m_expected.togglePractice();
    if (action == Action::NouExercici) {
        // The generator's next pair of the level, typed in after all "començar" does.
        m_expected.newExercise(m_exercises->next(m_expected.level()));
        ++m_seen.exercises[int(m_expected.level())];
    }
    return true;
}

void MonkeyWindowTest::answer() {
    auto* field = m_driver->control<TextBox>("txtresposta");
    const bool right = m_random.bounded(4) != 0;
    if (field->isVisible()) {
        const QString text = right ? rightAnswer(field) : randomTypedText(m_random);
        log(QStringLiteral("answer %1").arg(quoted(text)));
        QTest::keyClicks(field, text);
        QTest::keyClick(field, Qt::Key_Return);
        return;
    }
    for (int number = 0; number < 2; ++number) {
        if (!m_driver->base(number, 0)->hasFrame())
            continue;
        const QStringList row = right ? rightRow(number) : QStringList{randomTypedText(m_random)};
        log(QStringLiteral("row %1: %2").arg(number).arg(row.join(QLatin1Char(' '))));
        for (int k = 0; k < factorRowSize; ++k) {
            m_driver->base(number, k)->setText(row.value(2 * k));
            m_driver->exponent(number, k)->setText(row.value(2 * k + 1));
        }
        QTest::keyClick(m_driver->base(number, 0), Qt::Key_Return);
        return;
    }
    const int number = m_random.bounded(2);
    const int k = m_random.bounded(factorRowSize);
    log(QStringLiteral("click power %1 of %2").arg(k).arg(number));
    m_driver->click(m_driver->base(number, k));
}

QString MonkeyWindowTest::rightAnswer(const TextBox* field) const {
    // The field stands over the column it asks for, on the line after the last one there,
    // once the layout has placed it.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    for (int number = 0; number < 2; ++number) {
        const QList<qint64> quotients = toNumbers(m_driver->quotientLines(number));
        const QList<qint64> divisors = toNumbers(m_driver->divisorLines(number));
        if (quotients.isEmpty())
            continue;
        const QPoint middle = field->geometry().center();
        if (m_driver->divisors(number)->geometry().contains(middle) && quotients.last() > 1)
            return QString::number(primePowers(quotients.last()).front().first);
        if (m_driver->quotients(number)->geometry().contains(middle) && !divisors.isEmpty())
            return QString::number(quotients.last() / divisors.last());
    }
    return QStringLiteral("?");
}

QStringList MonkeyWindowTest::rightRow(int number) const {
    QStringList row;
    const qint64 decomposed = m_expected.number(number).decomposed.value_or(1);
    for (const auto& [prime, exponent] : primePowers(decomposed))
        row << QString::number(prime) << (exponent == 1 ? QString() : QString::number(exponent));
    return decomposed == 1 ? QStringList{QStringLiteral("1")} : row;
}

void MonkeyWindowTest::the_expected_window_reads_text_as_pupils_are_told_data() {
    // The test's own reading, which the window is held to: 0 stands for a refusal.
    QTest::addColumn<QString>("typed");
    QTest::addColumn<qint64>("number");
    QTest::newRow("a whole number") << "250" << 250LL;
    QTest::newRow("blanks anywhere") << " 2 5\t0\n" << 250LL;
    QTest::newRow("a plus sign") << "+12" << 12LL;
    QTest::newRow("a whole decimal") << "12.0" << 12LL;
    QTest::newRow("an exponent") << "2.5E1" << 25LL;
    QTest::newRow("hexadecimal, any case") << "&h1f" << 31LL;
    QTest::newRow("octal") << "&O17" << 15LL;
    QTest::newRow("one") << "1" << 1LL;
    QTest::newRow("21 factors") << "2097152" << 2097152LL;
    QTest::newRow("7 primes") << "510510" << 510510LL;
    QTest::newRow("the largest prime") << "32749" << 32749LL;
    QTest::newRow("the largest number") << "2147483646" << 2147483646LL;
    QTest::newRow("thousands set off by periods") << "2.500" << 2500LL;
    QTest::newRow("the largest number with periods") << "+2.147.483.646" << 2147483646LL;
    QTest::newRow("nothing") << "" << 0LL;
    QTest::newRow("blanks only") << "   " << 0LL;
    QTest::newRow("zero") << "0" << 0LL;
    QTest::newRow("negative") << "-12" << 0LL;
    QTest::newRow("a fraction") << "12.5" << 0LL;
    QTest::newRow("a fraction of two digits, not thousands") << "12.50" << 0LL;
    QTest::newRow("an exponent without digits") << "12E" << 0LL;
    QTest::newRow("something after the number") << "12a" << 0LL;
    QTest::newRow("two signs") << "+-12" << 0LL;
    QTest::newRow("a prefix without digits") << "&H" << 0LL;
    QTest::newRow("22 factors") << "4194304" << 0LL;
    QTest::newRow("8 primes") << "9699690" << 0LL;
    QTest::newRow("a prime above 32767") << "32771" << 0LL;
    QTest::newRow("the largest number is prime") << "2147483647" << 0LL;
    QTest::newRow("too large") << "2147483648" << 0LL;
    QTest::newRow("a huge exponent") << "1e999" << 0LL;
    QTest::newRow("a digit that is not 0-9") << "\u0663" << 0LL;
    QTest::newRow("a blank that does not count") << "1\u00A02" << 0LL;
}

void MonkeyWindowTest::the_expected_window_reads_text_as_pupils_are_told() {
    QFETCH(QString, typed);
    QFETCH(qint64, number);
    QCOMPARE(acceptedNumber(typed).value_or(0), number);
}

void MonkeyWindowTest::random_actions_keep_the_window_consistent() {
    const quint32 chosenSeed = seed();
    const int actions = actionCount();
    qInfo("monkey seed %u (another with MONKEY_SEED=<n>), %d actions", chosenSeed, actions);
    m_random.seed(chosenSeed);
    QElapsedTimer elapsed;
    elapsed.start();

    m_driver->chooseRapid();
    m_expected.setSpeed(QStringLiteral("mnurapid"));
    QCOMPARE(differenceFrom(m_expected, *m_driver), QString());

    for (int i = 0; i < actions; ++i) {
        const QString fault = take(pickAction()) ? differenceFrom(m_expected, *m_driver) : m_fault;
        QVERIFY2(fault.isEmpty(),
                 qPrintable(QStringLiteral("seed %1, action %2: %3\n  last actions:%4")
                                .arg(chosenSeed)
                                .arg(i)
                                .arg(fault, recentActions())));
        countMarks();
    }
    qInfo("%d actions in %.1f s: %d decompositions, %d refusals, %d clicks on a disabled "
          "descomposar, %d states with red marks, %d with dark blue ones, %d with a result "
          "line, %d practice answers, %d states with a practised row written",
          actions, elapsed.elapsed() / 1000.0, m_seen.decomposed, m_seen.refused, m_seen.ignored,
          m_seen.red, m_seen.blue, m_seen.lines, m_seen.answers, m_seen.writtenRows);
    // The random actions reached every kind of outcome, not only refusals.
    if (actions >= defaultActions) {
        QVERIFY(m_seen.decomposed > actions / 20);
        QVERIFY(m_seen.refused > actions / 20);
        QVERIFY(m_seen.ignored > 0);
        QVERIFY(m_seen.red > 0);
        QVERIFY(m_seen.blue > 0);
        QVERIFY(m_seen.lines > 0);
        QVERIFY(m_seen.answers > 0);
        QVERIFY(m_seen.writtenRows > 0);
        for (const int exercises : m_seen.exercises)
            QVERIFY(exercises > 0);
    }
}

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    setUpAppearance(application);
    MonkeyWindowTest test;
    return QTest::qExec(&test, argc, argv);
}
