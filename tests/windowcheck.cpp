#include "windowcheck.h"

#include <QApplication>

namespace {

QStringList linesOf(const QString& description) {
    return description.isEmpty() ? QStringList() : description.split(u'\n');
}

QString colourName(Colour colour) {
    return QStringLiteral("0x%1").arg(colour, 8, 16, QLatin1Char('0'));
}

// The prime factors of a number, counted with repetition, smallest first.
QList<qint64> expandedFactors(qint64 number) {
    QList<qint64> factors;
    for (const auto& [prime, exponent] : primePowers(number))
        for (int i = 0; i < exponent; ++i)
            factors << prime;
    return factors;
}

QString commandDifference(const ExpectedWindow& expected, const WindowDriver& driver) {
    if (!driver.window().isVisible())
        return QStringLiteral("the window is not visible");
    if (QApplication::activeModalWidget() || QApplication::activePopupWidget())
        return QStringLiteral("a message box or a menu is still open");
    const auto state = [](bool enabled) { return enabled ? u'1' : u'0'; };
    const QString shown = QString(state(driver.button(0)->isEnabled())) +
                          state(driver.button(1)->isEnabled()) +
                          state(driver.control<QPushButton>("cmdMCD")->isEnabled()) +
                          state(driver.control<QPushButton>("cmdMCM")->isEnabled());
    const QString wanted = QString(state(expected.number(0).buttonEnabled)) +
                           state(expected.number(1).buttonEnabled) + state(expected.mcdEnabled()) +
                           state(expected.mcmEnabled());
    // In practice the comparison buttons follow the pupil's marks.
    const int compared = expected.practising() ? 2 : 4;
    if (shown.left(compared) != wanted.left(compared))
        return QStringLiteral("buttons cmd, cmd1, cmdMCD, cmdMCM are %1, expected %2")
            .arg(shown, wanted);
    for (const char* speed : {"mnulent", "mnurapid", "mnupasapas"})
        if (driver.action(speed)->isChecked() != (expected.speed() == QLatin1String(speed)))
            return QStringLiteral("the speed marks are not those of the last speed chosen");
    const char* const levels[] = {"mnufacil", "mnumitja", "mnudificil"};
    for (int level = 0; level < 3; ++level)
        if (driver.action(levels[level])->isChecked() != (expected.level() == Level(level)))
            return QStringLiteral("the level marks are not those of the last level chosen");
    if (driver.action("mnuresultats")->isChecked() != expected.resultsShown() ||
        driver.action("mnupracticar")->isChecked() != expected.practising())
        return QStringLiteral("the marks of mostrar els resultats or practicar are wrong");
    for (int which = 0; which < 2; ++which) {
        const QString shown = driver.control<QLabel>(which == 0 ? "lblmcd" : "lblmcm")->text();
        const auto [start, end] = expected.line(which);
        if (!shown.startsWith(start) || !shown.endsWith(end) || shown.isEmpty() != start.isEmpty())
            return QStringLiteral("result line %1, expected %2 … %3")
                .arg(quoted(shown), quoted(start), quoted(end));
    }
    return {};
}

QString pairDifference(const ExpectedWindow::Number& wanted, const WindowDriver& driver, int number,
                       int k, bool practising) {
    const TextBox* base = driver.base(number, k);
    const TextBox* exponent = driver.exponent(number, k);
    const QString pair = QStringLiteral("number %1: pair %2 ").arg(number).arg(k);
    // A row being written shows what the pupil typed; a finished one, the right powers.
    const bool shownAsWritten =
        practising &&
        (base->hasFrame() || base->text().isEmpty() ||
         (base->text() == wanted.baseText(k) && exponent->text() == wanted.exponentText(k)));
    if (practising
            ? !shownAsWritten
            : base->text() != wanted.baseText(k) || exponent->text() != wanted.exponentText(k))
        return pair +
               QStringLiteral("shows %1^%2, expected %3^%4")
                   .arg(base->text(), exponent->text(), wanted.baseText(k), wanted.exponentText(k));
    const Colour colour = base->textColour();
    if (colour != colours::normal && colour != colours::divisorMark &&
        colour != colours::multipleMark)
        return pair + QStringLiteral("has the colour %1").arg(colourName(colour));
    if (exponent->textColour() != colour)
        return pair + QStringLiteral("is split: %1 and %2")
                          .arg(colourName(colour), colourName(exponent->textColour()));
    if (colour != colours::normal && base->text().isEmpty())
        return pair + QStringLiteral("is marked %1 without text").arg(colourName(colour));
    if (colour != wanted.colours[k] && !practising)
        return pair + QStringLiteral("is %1, expected %2")
                          .arg(colourName(colour), colourName(wanted.colours[k]));
    return {};
}

QString ladderDifference(const ExpectedWindow::Number& wanted, const WindowDriver& driver,
                         int number, bool practising) {
    const QString which = QStringLiteral("number %1 ladder: ").arg(number);
    const QStringList quotients = linesOf(driver.quotients(number)->accessibleDescription());
    const QStringList divisors = linesOf(driver.divisors(number)->accessibleDescription());
    if (!wanted.decomposed)
        return quotients.isEmpty() && divisors.isEmpty()
                   ? QString()
                   : which + QStringLiteral("lines left after començar or before any run");
    const QString shown =
        QStringLiteral(" (%1 | %2)")
            .arg(quotients.join(QLatin1Char(',')), divisors.join(QLatin1Char(',')));
    // A ladder being written in practice stops at the place the pupil has reached.
    const bool done =
        !practising || (!quotients.isEmpty() && quotients.last() == QLatin1String("1"));
    if (quotients.size() != divisors.size() + 1 && (done || quotients.size() != divisors.size()))
        return which + QStringLiteral("line counts do not match") + shown;
    // The divisor lines times the last quotient give back the first line, one step at a time.
    qint64 product = 1;
    QList<qint64> factors;
    for (int i = 0; i < divisors.size(); ++i) {
        const qint64 divisor = divisors[i].toLongLong();
        // In practice the last divisor may still wait for its quotient.
        if (i + 1 < quotients.size() &&
            quotients[i + 1].toLongLong() * divisor != quotients[i].toLongLong())
            return which + QStringLiteral("step %1 does not divide out").arg(i) + shown;
        product *= divisor;
        factors << divisor;
    }
    if (!done)
        return factors == expandedFactors(*wanted.decomposed).mid(0, factors.size())
                   ? QString()
                   : which + QStringLiteral("divisors are not the prime factors") + shown;
    if (product * quotients.last().toLongLong() != quotients.first().toLongLong() ||
        quotients.first().toLongLong() != *wanted.decomposed ||
        quotients.last() != QLatin1String("1"))
        return which + QStringLiteral("does not multiply out to %1").arg(*wanted.decomposed) +
               shown;
    if (factors != expandedFactors(*wanted.decomposed))
        return which + QStringLiteral("divisors are not the prime factors") + shown;
    return {};
}

QString numberDifference(const ExpectedWindow& expected, const WindowDriver& driver, int number) {
    const ExpectedWindow::Number& wanted = expected.number(number);
    const QString which = QStringLiteral("number %1: ").arg(number);
    if (driver.input(number)->text() != wanted.input)
        return which + QStringLiteral("input %1, expected %2")
                           .arg(quoted(driver.input(number)->text()), quoted(wanted.input));
    const bool practising = expected.practising();
    const QString label = driver.label(number)->text();
    // In practice the label comes with the right row, the number as typed when its ladder began.
    if (label != wanted.label && !(practising && label.isEmpty()))
        return which + QStringLiteral("label %1, expected %2")
                           .arg(quoted(driver.label(number)->text()), quoted(wanted.label));
    for (int k = 0; k < factorRowSize; ++k)
        if (const QString difference = pairDifference(wanted, driver, number, k, practising);
            !difference.isEmpty())
            return difference;
    // Each box is drawn in the colour it reports.
    const QString marks = driver.marks(number);
    if (marks.contains(QLatin1String("pair")))
        return which + marks;
    return ladderDifference(wanted, driver, number, practising);
}

} // namespace

QString quoted(const QString& text) {
    QString shown = text;
    shown.replace(u'\t', QLatin1String("\\t")).replace(u'\n', QLatin1String("\\n"));
    return u'"' + shown + u'"';
}

QString differenceFrom(const ExpectedWindow& expected, const WindowDriver& driver) {
    QString found = commandDifference(expected, driver);
    for (int number = 0; number < 2 && found.isEmpty(); ++number)
        found = numberDifference(expected, driver, number);
    return found;
}
