#include "frm_test.h"

#include "windowprobe.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <algorithm>

namespace {

// A factor row's seven boxes: the given texts, then empty boxes.
QStringList row(QStringList texts) {
    while (texts.size() < 7)
        texts << QString();
    return texts;
}

// The number each box holds when the window opens.
QString designNumber(int worksheet) {
    return worksheet == 0 ? QStringLiteral("250") : QStringLiteral("300");
}

QStringList withoutControl(QStringList state, const QString& name) {
    const QString prefix = name + QLatin1Char(' ');
    state.erase(std::remove_if(state.begin(), state.end(),
                               [&](const QString& line) { return line.startsWith(prefix); }),
                state.end());
    return state;
}

} // namespace

void FrmTest::descomposar_draws_the_ladder_and_the_factor_row_in_rapid_mode_data() {
    QTest::addColumn<int>("worksheet");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("quotients");
    QTest::addColumn<QString>("divisors");
    QTest::addColumn<QStringList>("bases");
    QTest::addColumn<QStringList>("exponents");
    QTest::addColumn<QString>("label");

    QTest::newRow("250 on the first worksheet: a two and three fives")
        << 0 << "250"
        << "250\n125\n25\n5\n1"
        << "2\n5\n5\n5" << row({"2", "5"}) << row({"1", "3"}) << "250 = ";
    QTest::newRow("300 on the second worksheet: two twos, a three, two fives")
        << 1 << "300"
        << "300\n150\n75\n25\n5\n1"
        << "2\n2\n3\n5\n5" << row({"2", "3", "5"}) << row({"2", "1", "2"}) << "300 = ";
    QTest::newRow("0250: the label repeats the text as typed")
        << 0 << "0250"
        << "250\n125\n25\n5\n1"
        << "2\n5\n5\n5" << row({"2", "5"}) << row({"1", "3"}) << "0250 = ";
    QTest::newRow("1: no division, the row shows the 1 alone")
        << 0 << "1"
        << "1"
        << "" << row({"1"}) << row({}) << "1 = ";
    QTest::newRow("1e3 on the second worksheet: read as 1000")
        << 1 << "1e3"
        << "1000\n500\n250\n125\n25\n5\n1"
        << "2\n2\n2\n5\n5\n5" << row({"2", "5"}) << row({"3", "3"}) << "1e3 = ";
    QTest::newRow("&HFF: read as hexadecimal 255")
        << 0 << "&HFF"
        << "255\n85\n17\n1"
        << "3\n5\n17" << row({"3", "5", "17"}) << row({"1", "1", "1"}) << "&HFF = ";
    QTest::newRow("2 50: the blank inside is dropped")
        << 1 << "2 50"
        << "250\n125\n25\n5\n1"
        << "2\n5\n5\n5" << row({"2", "5"}) << row({"1", "3"}) << "2 50 = ";
}

void FrmTest::descomposar_draws_the_ladder_and_the_factor_row_in_rapid_mode() {
    QFETCH(int, worksheet);
    QFETCH(QString, typed);
    QFETCH(QString, quotients);
    QFETCH(QString, divisors);
    QFETCH(QStringList, bases);
    QFETCH(QStringList, exponents);
    QFETCH(QString, label);
    m_driver->chooseRapid();
    typeInto(m_driver->input(worksheet), typed);
    const QStringList otherBefore = worksheetState(window(), worksheetNames(1 - worksheet));

    auto* button = m_driver->button(worksheet);
    QTest::mouseClick(button, Qt::LeftButton);

    QCOMPARE(m_driver->quotientLines(worksheet), quotients);
    QCOMPARE(m_driver->divisorLines(worksheet), divisors);
    QCOMPARE(m_driver->baseTexts(worksheet), bases);
    QCOMPARE(m_driver->exponentTexts(worksheet), exponents);
    QCOMPARE(m_driver->label(worksheet)->text(), label);
    QCOMPARE(m_driver->input(worksheet)->text(), typed);
    QVERIFY(!button->isEnabled());
    QCOMPARE(worksheetState(window(), worksheetNames(1 - worksheet)), otherBefore);
}

void FrmTest::a_refused_number_is_explained_and_leaves_the_window_as_it_was_data() {
    QTest::addColumn<int>("worksheet");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("message");
    const auto notPositiveWhole = [](const char* typed) {
        return QStringLiteral("«%1» no es pot descompondre: escriu un nombre natural a partir "
                              "de l'1, com ara 250.")
            .arg(QLatin1String(typed));
    };
    QTest::newRow("12abc: letters after the digits") << 0 << "12abc" << notPositiveWhole("12abc");
    QTest::newRow("2,5: a comma is no decimal point") << 1 << "2,5" << notPositiveWhole("2,5");
    QTest::newRow("an empty box") << 0 << ""
                                  << QStringLiteral(
                                         "Escriu primer el nombre que vols descompondre.");
    QTest::newRow("0") << 1 << "0" << notPositiveWhole("0");
    QTest::newRow("-4: negative") << 0 << "-4" << notPositiveWhole("-4");
    QTest::newRow("1.5: a fraction") << 1 << "1.5" << notPositiveWhole("1.5");
    QTest::newRow("2147483648: one above the largest")
        << 0 << "2147483648"
        << QStringLiteral("«2147483648» és massa gran: el nombre més gran que pots descompondre "
                          "és el 2.147.483.647.");
    QTest::newRow("4194304: twenty-two twos")
        << 1 << "4194304"
        << QStringLiteral("4.194.304 té més de 21 factors primers, comptant els repetits, i no "
                          "hi caben. Prova amb un altre nombre.");
    QTest::newRow("9699690: the eight smallest primes")
        << 0 << "9699690"
        << QStringLiteral("9.699.690 té més de 7 factors primers diferents, i a la fila de "
                          "potències només n'hi caben 7. Prova amb un altre nombre.");
    QTest::newRow("32771: a prime above 32767")
        << 1 << "32771"
        << QStringLiteral("32.771 és un nombre primer massa gran: el més gran que hi cap és "
                          "32.749.");
    QTest::newRow("2147483647: the largest number is prime")
        << 0 << "2147483647"
        << QStringLiteral("2.147.483.647 és un nombre primer massa gran: el més gran que hi cap "
                          "és 32.749.");
    QTest::newRow("65542: twice a prime above 32767")
        << 1 << "65542"
        << QStringLiteral("65.542 té un factor primer massa gran, el 32.771: el més gran que hi "
                          "cap és 32.749.");
    QTest::newRow("2000006: twice a large prime whose article elides")
        << 0 << "2000006"
        << QStringLiteral("2.000.006 té un factor primer massa gran, l'1.000.003: el més gran "
                          "que hi cap és 32.749.");
}

void FrmTest::a_refused_number_is_explained_and_leaves_the_window_as_it_was() {
    QFETCH(int, worksheet);
    QFETCH(QString, typed);
    QFETCH(QString, message);
    // State: the other worksheet decomposed, so that there is something that must stay;
    // this one as it opened, with the refused text typed in its box.
    // Action: its descomposar, then OK on the message box.
    // Expected: a warning saying what is wrong; afterwards every control as before, the
    // button still enabled.
    QVERIFY(m_driver->decomposeAtOnce(1 - worksheet, designNumber(1 - worksheet)));
    typeInto(m_driver->input(worksheet), typed);
    const QStringList before = windowState(window());

    auto* button = m_driver->button(worksheet);
    const ShownMessage shown = clickAndAcknowledge(button);

    QVERIFY2(shown.shown, "no message box");
    QVERIFY(shown.hadOkButton);
    QCOMPARE(shown.okText, QStringLiteral("D'acord")); // Qt's own words in Catalan too
    QCOMPARE(shown.icon, QMessageBox::Warning);
    QCOMPARE(shown.title, QStringLiteral("Descomposició factorial"));
    QCOMPARE(shown.text, message);
    QVERIFY(!QApplication::activeModalWidget());
    QCOMPARE(windowState(window()), before);
    QVERIFY(button->isEnabled());
}

void FrmTest::clicking_a_number_box_empties_it_and_changes_nothing_else_data() {
    QTest::addColumn<int>("worksheet");
    QTest::addColumn<bool>("decomposedFirst");
    QTest::newRow("txt1 as the window opened") << 0 << false;
    QTest::newRow("txt6 as the window opened") << 1 << false;
    QTest::newRow("txt1 after its number was decomposed") << 0 << true;
    QTest::newRow("txt6 after its number was decomposed") << 1 << true;
}

void FrmTest::clicking_a_number_box_empties_it_and_changes_nothing_else() {
    QFETCH(int, worksheet);
    QFETCH(bool, decomposedFirst);
    if (decomposedFirst)
        QVERIFY(m_driver->decomposeAtOnce(worksheet, designNumber(worksheet)));
    const QStringList before = windowState(window());
    auto* box = m_driver->input(worksheet);

    QTest::mouseClick(box, Qt::LeftButton);

    QCOMPARE(box->text(), QString());
    QCOMPARE(withoutControl(windowState(window()), box->objectName()),
             withoutControl(before, box->objectName()));
    // Spelt out, the two things a new number must not undo by itself.
    QCOMPARE(m_driver->label(worksheet)->text(),
             decomposedFirst ? designNumber(worksheet) + QStringLiteral(" = ") : QString());
    QCOMPARE(m_driver->button(worksheet)->isEnabled(), !decomposedFirst);
}

void FrmTest::tabbing_into_a_number_box_keeps_its_text_data() {
    QTest::addColumn<QString>("from");
    QTest::addColumn<bool>("backwards");
    QTest::addColumn<QString>("box");
    QTest::newRow("txt6 by Tab from cmd") << "cmd" << false << "txt6";
    QTest::newRow("txt1 by Tab from cmdMCD, round the end") << "cmdMCD" << false << "txt1";
    QTest::newRow("txt1 by Shift+Tab from cmd") << "cmd" << true << "txt1";
}

void FrmTest::tabbing_into_a_number_box_keeps_its_text() {
    QFETCH(QString, from);
    QFETCH(bool, backwards);
    QFETCH(QString, box);
    auto* input = m_driver->control<QLineEdit>(box);
    const QString text = input->text();
    QVERIFY(!text.isEmpty());
    m_driver->control(from)->setFocus(Qt::OtherFocusReason);

    QTest::keyClick(QApplication::focusWidget(), backwards ? Qt::Key_Backtab : Qt::Key_Tab,
                    backwards ? Qt::ShiftModifier : Qt::NoModifier);

    QCOMPARE(QApplication::focusWidget(), input);
    QCOMPARE(input->text(), text);
}
