#include "expectedwindow.h"

#include "tests/oracle/expectedverdict.h"
#include "tests/oracle/primereference.h"

#include <numeric>

namespace {

// The colours as the window reports them: the system's window text, red, dark blue.
constexpr Colour normal = 0x80000008;
constexpr Colour red = 0x0000FF;
constexpr Colour darkBlue = 0xC00000;

// A number as the window writes it: a period between thousands from five digits up.
QString written(qint64 number) {
    QString digits = QString::number(number);
    for (int i = int(digits.size()) - 3; digits.size() > 4 && i > 0; i -= 3)
        digits.insert(i, u'.');
    return digits;
}

// How a result line starts and ends: "m.c.d.(250, 300) = " and "= 50"; what stands
// between, the powers, the window tests check for chosen pairs.
std::pair<QString, QString> resultLine(const char* name, qint64 a, qint64 b, qint64 value) {
    return {QStringLiteral("%1(%2, %3) = ").arg(QLatin1String(name), written(a), written(b)),
            QStringLiteral("= ") + written(value)};
}

} // namespace

std::vector<std::pair<qint64, int>> primePowers(qint64 number) {
    const oracle::Factorisation f = oracle::factorise(number);
    std::vector<std::pair<qint64, int>> powers;
    for (int k = 0; k < f.primeCount; ++k)
        powers.emplace_back(f.primes[k], f.exponents[k]);
    return powers;
}

std::optional<qint64> acceptedNumber(const QString& typed) {
    // The window hands its text to the program as UTF-8, so a digit or a blank from outside
    // ASCII is a byte the reading does not know.
    const std::string text = typed.toStdString();
    const oracle::ReferenceReading reading = oracle::referenceRead(text);
    if (oracle::expectedVerdict(text, reading) != Verdict::Accepted)
        return std::nullopt;
    return static_cast<qint64>(reading.value);
}

QString ExpectedWindow::Number::baseText(int k) const {
    if (!decomposed)
        return {};
    if (powers.empty())
        return k == 0 ? QStringLiteral("1") : QString();
    return k < int(powers.size()) ? QString::number(powers[k].first) : QString();
}

QString ExpectedWindow::Number::exponentText(int k) const {
    return decomposed && k < int(powers.size()) ? QString::number(powers[k].second) : QString();
}

ExpectedWindow::ExpectedWindow() {
    m_numbers[0].input = QStringLiteral("250");
    m_numbers[1].input = QStringLiteral("300");
    comencar();
    m_mcmEnabled = false;
}

ExpectedWindow::Click ExpectedWindow::decomposeOutcome(int n) const {
    const Number& number = m_numbers.at(n);
    if (!number.buttonEnabled)
        return Click::Ignored;
    return acceptedNumber(number.input) ? Click::Decomposed : Click::Refused;
}

ExpectedWindow::Click ExpectedWindow::clickDecompose(int n) {
    const Click outcome = decomposeOutcome(n);
    if (outcome != Click::Decomposed)
        return outcome;
    Number& number = m_numbers.at(n);
    number.decomposed = acceptedNumber(number.input);
    number.buttonEnabled = false;
    number.label = number.input + QStringLiteral(" = ");
    number.powers = primePowers(*number.decomposed);
    if (m_practising)
        return outcome;
    number.powers = primePowers(*number.decomposed);
    number.buttonEnabled = false;
    return outcome;
}

void ExpectedWindow::clickMcd() {
    if (!m_mcdEnabled || m_practising)
        return;
    auto& [first, second] = m_numbers;
    for (std::size_t i = 0; i < first.powers.size(); ++i) {
        for (std::size_t j = 0; j < second.powers.size(); ++j) {
            if (first.powers[i].first != second.powers[j].first)
                continue;
            if (second.powers[j].second < first.powers[i].second)
                second.colours[j] = red;
            else
                first.colours[i] = red;
        }
    }
    m_mcdEnabled = false;
    m_mcmEnabled = true;
    if (first.decomposed && second.decomposed)
        m_lines[0] = resultLine("m.c.d.", *first.decomposed, *second.decomposed,
                                std::gcd(*first.decomposed, *second.decomposed));
}

void ExpectedWindow::clickMcm() {
    if (!m_mcmEnabled || m_practising)
        return;
    for (Number& number : m_numbers) {
        for (int k = 0; k < factorRowSize; ++k) {
            if (number.colours[k] == red)
                number.colours[k] = normal;
            else if (!number.baseText(k).isEmpty())
                number.colours[k] = darkBlue;
        }
    }
    m_mcmEnabled = false;
    const auto& [first, second] = m_numbers;
    if (first.decomposed && second.decomposed)
        m_lines[1] = resultLine("m.c.m.", *first.decomposed, *second.decomposed,
                                std::lcm(*first.decomposed, *second.decomposed));
}

void ExpectedWindow::comencar() {
    for (Number& number : m_numbers) {
        number.buttonEnabled = true;
        number.decomposed.reset();
        number.label.clear();
        number.powers.clear();
        number.colours.fill(normal);
    }
    m_mcdEnabled = true;
    m_mcmEnabled = true;
    m_lines = {};
}

void ExpectedWindow::newExercise(const ExercisePair& pair) {
    comencar();
    m_numbers[0].input = QString::number(pair.first);
    m_numbers[1].input = QString::number(pair.second);
}
