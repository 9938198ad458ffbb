#include "app/appearance.h"
#include "windowdriver.h"

#include "worksheet/inputcheck.h"

#include <QApplication>
#include <QRandomGenerator>
#include <QTest>

#include <memory>
#include <numeric>

// The comparison commands and "començar" on the real window, in "rapid" mode.
class ComparisonWindowTest : public RapidWindowTest {
    Q_OBJECT

private slots:
    void mcd_then_mcm_mark_the_powers_of_the_gcd_then_the_lcm_data();
    void mcd_then_mcm_mark_the_powers_of_the_gcd_then_the_lcm();
    void a_number_not_decomposed_matches_nothing_data();
    void a_number_not_decomposed_matches_nothing();
    void mcd_before_any_decomposition_marks_nothing_that_shows_later();
    void mcm_marks_no_empty_pair();
    void mcm_mcd_mcm_after_comencar_ends_as_mcd_then_mcm();
    void buttons_carry_the_order_of_an_exercise();
    void comencar_clears_the_exercise_and_keeps_numbers_and_speed();
    void comencar_twice_changes_nothing_more();
    void decomposing_again_after_comencar_draws_the_same();
    void red_and_blue_powers_multiply_to_gcd_and_lcm_for_random_pairs();

private:
    // The product of the powers of both rows marked with that colour, read from the boxes.
    qint64 productOf(Colour colour) const;
    struct RowState {
        QString ladder;
        QString divisors;
        QString label;
        QStringList powers;
    };
    RowState rowState(int number) const;
};

qint64 ComparisonWindowTest::productOf(Colour colour) const {
    qint64 product = 1;
    for (int number = 0; number < 2; ++number) {
        for (int k = 0; k < factorRowSize; ++k) {
            if (m_driver->base(number, k)->textColour() != colour)
                continue;
            const QString base = m_driver->base(number, k)->text();
            const QString exponent = m_driver->exponent(number, k)->text();
            for (int i = 0; i < (exponent.isEmpty() ? 1 : exponent.toInt()); ++i)
                product *= base.isEmpty() ? 1 : base.toLongLong();
        }
    }
    return product;
}

ComparisonWindowTest::RowState ComparisonWindowTest::rowState(int number) const {
    RowState state{m_driver->quotients(number)->accessibleDescription(),
                   m_driver->divisors(number)->accessibleDescription(),
                   m_driver->label(number)->text(),
                   {}};
    for (int k = 0; k < factorRowSize; ++k)
        state.powers << m_driver->base(number, k)->text() + "^" +
                            m_driver->exponent(number, k)->text();
    return state;
}

void ComparisonWindowTest::mcd_then_mcm_mark_the_powers_of_the_gcd_then_the_lcm_data() {
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::addColumn<QString>("redFirst");
    QTest::addColumn<QString>("redSecond");
    QTest::addColumn<qint64>("gcd");
    QTest::addColumn<QString>("blueFirst");
    QTest::addColumn<QString>("blueSecond");
    QTest::addColumn<qint64>("lcm");

    QTest::newRow("250 and 300: 2 of the first, 5² of the second") //
        << "250"
        << "300"
        << "R......"
        << "..R...." << 50LL << ".B....."
        << "BB....." << 1500LL;
    QTest::newRow("6 and 10: equal exponents mark the first number's 2") //
        << "6"
        << "10"
        << "R......"
        << "......." << 2LL << ".B....."
        << "BB....." << 30LL;
    QTest::newRow("the same number twice: the whole first row") //
        << "250"
        << "250"
        << "RR....."
        << "......." << 250LL << "......."
        << "BB....." << 250LL;
    QTest::newRow("8 and 27: no common prime") //
        << "8"
        << "27"
        << "......."
        << "......." << 1LL << "B......"
        << "B......" << 216LL;
    QTest::newRow("510510 and 2097152: a full row and one power") //
        << "510510"
        << "2097152"
        << "R......"
        << "......." << 2LL << ".BBBBBB"
        << "B......" << 510510LL * 1048576;
}

void ComparisonWindowTest::mcd_then_mcm_mark_the_powers_of_the_gcd_then_the_lcm() {
    QFETCH(QString, first);
    QFETCH(QString, second);
    m_driver->decompose(0, first);
    m_driver->decompose(1, second);

    m_driver->click(m_driver->control<QPushButton>("cmdMCD"));
    QTEST(m_driver->marks(0), "redFirst");
    QTEST(m_driver->marks(1), "redSecond");
    QTEST(productOf(colours::divisorMark), "gcd");

    m_driver->click(m_driver->control<QPushButton>("cmdMCM"));
    QTEST(m_driver->marks(0), "blueFirst");
    QTEST(m_driver->marks(1), "blueSecond");
    QTEST(productOf(colours::multipleMark), "lcm");
}

void ComparisonWindowTest::a_number_not_decomposed_matches_nothing_data() {
    QTest::addColumn<int>("decomposed");
    QTest::newRow("only the first") << 0;
    QTest::newRow("only the second") << 1;
}

void ComparisonWindowTest::a_number_not_decomposed_matches_nothing() {
    QFETCH(int, decomposed);
    m_driver->decompose(decomposed, "250");

    m_driver->click(m_driver->control<QPushButton>("cmdMCD"));
    QCOMPARE(m_driver->marks(0), ".......");
    QCOMPARE(m_driver->marks(1), ".......");
    QVERIFY(!m_driver->control<QPushButton>("cmdMCD")->isEnabled());
    QVERIFY(m_driver->control<QPushButton>("cmdMCM")->isEnabled());

    m_driver->click(m_driver->control<QPushButton>("cmdMCM"));
    QCOMPARE(m_driver->marks(decomposed), "BB.....");
    QCOMPARE(m_driver->marks(1 - decomposed), ".......");
}

void ComparisonWindowTest::mcd_before_any_decomposition_marks_nothing_that_shows_later() {
    // State: nothing decomposed. Action: m.c.d., then decompose both numbers.
    // Expected: their powers show in the normal colour, not as common divisors.
    m_driver->click(m_driver->control<QPushButton>("cmdMCD"));
    m_driver->decompose(0, "250");
    m_driver->decompose(1, "300");
    QCOMPARE(m_driver->marks(0), ".......");
    QCOMPARE(m_driver->marks(1), ".......");
}

void ComparisonWindowTest::mcm_marks_no_empty_pair() {
    // State: "començar" enables m.c.m before anything is decomposed.
    // Action: m.c.m, then decompose. Expected: the powers written later are not blue.
    m_driver->comencar();
    m_driver->click(m_driver->control<QPushButton>("cmdMCM"));
    QCOMPARE(m_driver->marks(0), ".......");
    m_driver->decompose(0, "250");
    m_driver->decompose(1, "300");
    QCOMPARE(m_driver->marks(0), ".......");
    QCOMPARE(m_driver->marks(1), ".......");
}

void ComparisonWindowTest::mcm_mcd_mcm_after_comencar_ends_as_mcd_then_mcm() {
    m_driver->comencar();
    m_driver->decompose(0, "250");
    m_driver->decompose(1, "300");
    m_driver->click(m_driver->control<QPushButton>("cmdMCM"));
    QCOMPARE(m_driver->marks(0), "BB.....");
    QCOMPARE(m_driver->marks(1), "BBB....");
    m_driver->click(m_driver->control<QPushButton>("cmdMCD"));
    QCOMPARE(m_driver->marks(0), "RB.....");
    QCOMPARE(m_driver->marks(1), "BBR....");
    m_driver->click(m_driver->control<QPushButton>("cmdMCM"));
    QCOMPARE(m_driver->marks(0), ".B.....");
    QCOMPARE(m_driver->marks(1), "BB.....");
}

void ComparisonWindowTest::buttons_carry_the_order_of_an_exercise() {
    auto* mcd = m_driver->control<QPushButton>("cmdMCD");
    auto* mcm = m_driver->control<QPushButton>("cmdMCM");
    const auto states = [&] {
        return QString("%1%2%3%4")
            .arg(m_driver->button(0)->isEnabled())
            .arg(m_driver->button(1)->isEnabled())
            .arg(mcd->isEnabled())
            .arg(mcm->isEnabled());
    };
    QCOMPARE(states(), "1110");
    m_driver->click(mcm); // disabled: nothing happens
    QCOMPARE(m_driver->marks(0), ".......");
    QCOMPARE(states(), "1110");
    m_driver->decompose(1, "300");
    QCOMPARE(states(), "1010");
    m_driver->click(mcd);
    QCOMPARE(states(), "1001");
    m_driver->click(mcd); // disabled
    QCOMPARE(states(), "1001");
    m_driver->decompose(0, "250");
    QCOMPARE(states(), "0001");
    m_driver->click(mcm);
    QCOMPARE(states(), "0000");
    m_driver->comencar();
    QCOMPARE(states(), "1111");
    m_driver->click(mcm);
    QCOMPARE(states(), "1110");
    m_driver->click(mcd);
    QCOMPARE(states(), "1101");
}

void ComparisonWindowTest::comencar_clears_the_exercise_and_keeps_numbers_and_speed() {
    m_driver->decompose(0, "250");
    m_driver->decompose(1, "300");
    m_driver->click(m_driver->control<QPushButton>("cmdMCD"));

    m_driver->comencar();

    for (int number = 0; number < 2; ++number) {
        const RowState state = rowState(number);
        QCOMPARE(state.ladder, QString());
        QCOMPARE(state.divisors, QString());
        QCOMPARE(state.label, QString());
        QCOMPARE(state.powers, QStringList(factorRowSize, "^"));
        QCOMPARE(m_driver->marks(number), ".......");
        QVERIFY(m_driver->button(number)->isEnabled());
    }
    QCOMPARE(m_driver->input(0)->text(), "250");
    QCOMPARE(m_driver->input(1)->text(), "300");
    QVERIFY(m_driver->action("mnurapid")->isChecked());
    QVERIFY(!m_driver->action("mnulent")->isChecked());
}

void ComparisonWindowTest::comencar_twice_changes_nothing_more() {
    m_driver->decompose(0, "12");
    m_driver->comencar();
    const RowState once = rowState(0);
    m_driver->comencar();
    const RowState twice = rowState(0);
    QCOMPARE(twice.ladder, once.ladder);
    QCOMPARE(twice.powers, once.powers);
    QCOMPARE(m_driver->marks(0), ".......");
    QVERIFY(m_driver->control<QPushButton>("cmdMCM")->isEnabled());
}

void ComparisonWindowTest::decomposing_again_after_comencar_draws_the_same() {
    m_driver->decompose(0, "250");
    m_driver->decompose(1, "300");
    const RowState first = rowState(0);
    const RowState second = rowState(1);

    m_driver->comencar();
    m_driver->click(m_driver->button(0));
    m_driver->click(m_driver->button(1));

    QCOMPARE(rowState(0).ladder, first.ladder);
    QCOMPARE(rowState(0).divisors, first.divisors);
    QCOMPARE(rowState(0).powers, first.powers);
    QCOMPARE(rowState(0).label, first.label);
    QCOMPARE(rowState(1).ladder, second.ladder);
    QCOMPARE(rowState(1).powers, second.powers);
    QCOMPARE(rowState(1).powers.first(), "2^2");
}

void ComparisonWindowTest::red_and_blue_powers_multiply_to_gcd_and_lcm_for_random_pairs() {
    // Pairs built from a shared factor so that most of them have common primes.
    QRandomGenerator random(20261208);
    const QList<int> primes{2, 3, 5, 7, 11, 13, 17, 19, 23, 101, 32749};
    const auto randomNumber = [&](int maxFactors) {
        qint64 n = 1;
        const int count = random.bounded(maxFactors + 1);
        for (int i = 0; i < count; ++i) {
            const int p = primes[random.bounded(primes.size())];
            if (n * p <= 2147483647)
                n *= p;
        }
        return n;
    };
    int tested = 0;
    while (tested < 60) {
        const qint64 shared = randomNumber(3);
        const qint64 a = shared * randomNumber(4);
        const qint64 b = shared * randomNumber(4);
        if (a > 2147483647 || b > 2147483647 ||
            checkInput(std::to_string(a)).verdict != Verdict::Accepted ||
            checkInput(std::to_string(b)).verdict != Verdict::Accepted)
            continue;
        m_driver->comencar();
        m_driver->decompose(0, QString::number(a));
        m_driver->decompose(1, QString::number(b));
        m_driver->click(m_driver->control<QPushButton>("cmdMCD"));
        QCOMPARE(productOf(colours::divisorMark), std::gcd(a, b));
        m_driver->click(m_driver->control<QPushButton>("cmdMCM"));
        QCOMPARE(productOf(colours::multipleMark), std::lcm(a, b));
        ++tested;
    }
}

WINDOW_TEST_MAIN(ComparisonWindowTest)

#include "comparison_window_test.moc"
