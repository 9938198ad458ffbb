#include "expectedwindow.h"

#include <QRegularExpression>

#include <cmath>

namespace {

constexpr qint64 largestNumber = 2147483647;
constexpr qint64 largestPrime = 32767;
constexpr int mostFactors = 21;
constexpr int mostPrimes = 7;

// The colours as the window reports them: the system's window text, red, dark blue.
constexpr Colour normal = 0x80000008;
constexpr Colour red = 0x0000FF;
constexpr Colour darkBlue = 0xC00000;

// Blanks count for nothing wherever they stand: "1 2" is twelve.
QString withoutBlanks(const QString& typed) {
    QString squeezed;
    for (const QChar c : typed)
        if (c != u' ' && c != u'\t' && c != u'\n')
            squeezed += c;
    return squeezed;
}

double radixValue(const QString& digits, int base) {
    double value = 0;
    for (const QChar c : digits)
        value = value * base + QString(c).toInt(nullptr, 16);
    return value;
}

// The value of the whole text as one number, or nothing when the text is not one number.
std::optional<double> valueOf(const QString& text) {
    static const QRegularExpression hexadecimal(QStringLiteral("^&[Hh]([0-9A-Fa-f]+)$"));
    static const QRegularExpression octal(QStringLiteral("^&[Oo]([0-7]+)$"));
    static const QRegularExpression decimal(
        QStringLiteral("^[+-]?([0-9]+\\.?[0-9]*|\\.[0-9]+)([Ee][+-]?[0-9]+)?$"));
    if (const auto match = hexadecimal.match(text); match.hasMatch())
        return radixValue(match.captured(1), 16);
    if (const auto match = octal.match(text); match.hasMatch())
        return radixValue(match.captured(1), 8);
    if (decimal.match(text).hasMatch())
        return text.toDouble(); // infinity when too large, 0 when too small
    return std::nullopt;
}

} // namespace

std::vector<std::pair<qint64, int>> primePowers(qint64 number) {
    std::vector<std::pair<qint64, int>> powers;
    for (qint64 p = 2; p * p <= number; ++p) {
        int exponent = 0;
        for (; number % p == 0; number /= p)
            ++exponent;
        if (exponent > 0)
            powers.emplace_back(p, exponent);
    }
    if (number > 1)
        powers.emplace_back(number, 1);
    return powers;
}

std::optional<qint64> acceptedNumber(const QString& typed) {
    const std::optional<double> value = valueOf(withoutBlanks(typed));
    if (!value || !std::isfinite(*value) || *value != std::floor(*value) || *value < 1 ||
        *value > largestNumber)
        return std::nullopt;
    const auto number = static_cast<qint64>(*value);
    const auto powers = primePowers(number);
    int factors = 0;
    for (const auto& [prime, exponent] : powers) {
        if (prime > largestPrime)
            return std::nullopt;
        factors += exponent;
    }
    if (factors > mostFactors || int(powers.size()) > mostPrimes)
        return std::nullopt;
    return number;
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
    number.label = number.input + QStringLiteral(" = ");
    number.powers = primePowers(*number.decomposed);
    number.buttonEnabled = false;
    return outcome;
}

void ExpectedWindow::clickMcd() {
    if (!m_mcdEnabled)
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
}

void ExpectedWindow::clickMcm() {
    if (!m_mcmEnabled)
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
}
