#include "randomtext.h"

#include "tests/oracle/limits.h"

#include <QList>
#include <QStringList>

namespace {

using Generator = QString (*)(QRandomGenerator&);

template <typename T> const T& pick(QRandomGenerator& random, const QList<T>& choices) {
    return choices.at(random.bounded(int(choices.size())));
}

QString digits(QRandomGenerator& random, int count) {
    QString text;
    for (int i = 0; i < count; ++i)
        text += QChar(u'0' + random.bounded(10));
    return text;
}

// Mostly numbers the window takes, from a few primes, the largest ones included.
QString primeProduct(QRandomGenerator& random) {
    static const QList<qint64> primes{2,  3,  5,  7,   11,  13,   17,    19,
                                      23, 29, 31, 101, 997, 1009, 32719, 32749};
    qint64 n = 1;
    const int count = random.bounded(8);
    for (int i = 0; i < count; ++i) {
        const qint64 p =
            random.bounded(3) == 0 ? pick(random, primes) : pick(random, primes.mid(0, 4));
        if (n * p <= oracle::largestWhole)
            n *= p;
    }
    return QString::number(n);
}

// The edges: the longest ladders, the fullest rows, the largest numbers, and their
// neighbours just past each limit.
QString edgeNumber(QRandomGenerator& random) {
    static const QStringList edges{
        "1",          "2",          "32749",      "32767",      "32768",      "32771",
        "65534",      "2097152",    "4194304",    "510510",     "9699690",    "983452470",
        "1073741824", "2147483646", "2147483647", "2147483648", "4294967296", "0",
        "-1",         "1220703125", "1000000000"};
    return pick(random, edges);
}

QString anyWholeNumber(QRandomGenerator& random) {
    return QString::number(1 + random.bounded(2147483647u));
}

QString hugeNumber(QRandomGenerator& random) {
    return QString::number(1 + random.bounded(9)) + digits(random, 10 + random.bounded(50));
}

QString decimal(QRandomGenerator& random) {
    const QString whole = primeProduct(random);
    static const QStringList fractions{".0", ".5", ".", ".000", ".0000001", ".25", "0"};
    switch (random.bounded(4)) {
    case 0:
        return whole + pick(random, fractions);
    case 1:
        return "." + digits(random, 1 + random.bounded(4));
    case 2:
        return "0." + digits(random, 1 + random.bounded(4));
    default:
        return whole + "." + digits(random, random.bounded(3));
    }
}

QString exponent(QRandomGenerator& random) {
    static const QStringList forms{
        "1E3",   "1e9", "3E10", "1e-3", "12E", "1E+2", "1e999",           "25e-1",   "2.5E1",
        "1.5e3", "5E0", "2E-0", "E5",   "1e",  "7e+",  "1E9999999999999", "3.2768E4"};
    if (random.bounded(2) == 0)
        return pick(random, forms);
    return primeProduct(random) + (random.bounded(2) ? "E" : "e") +
           QString::number(random.bounded(4));
}

QString radixForm(QRandomGenerator& random) {
    const quint32 value =
        random.bounded(3) == 0 ? random.generate() : primeProduct(random).toUInt();
    const QString prefix = pick(random, QStringList{"&H", "&h", "&O", "&o"});
    const bool hexadecimal = prefix.endsWith('H') || prefix.endsWith('h');
    QString text = QString::number(value, hexadecimal ? 16 : 8);
    if (random.bounded(2))
        text = text.toUpper();
    static const QStringList odd{"&H",           "&O",   "&",    "&HZZ", "&O8",   "&H7FFFFFFF",
                                 "&HFFFFFFFFFF", "&H-1", "&X12", "H12",  "&H 1 F"};
    return random.bounded(4) == 0 ? pick(random, odd) : prefix + text;
}

QString withBlanks(QRandomGenerator& random) {
    QString text = random.bounded(2) ? primeProduct(random) : edgeNumber(random);
    for (int i = random.bounded(4); i > 0; --i)
        text.insert(random.bounded(int(text.size()) + 1), QChar(u' '));
    return random.bounded(5) == 0 ? QString(random.bounded(1, 4), u' ') : text;
}

// Thousands set off by periods, as Catalan writes them; now and then a last group of four
// digits, which makes the period a decimal point again.
QString withPeriods(QRandomGenerator& random) {
    QString text = random.bounded(2) ? primeProduct(random) : edgeNumber(random);
    for (int period = int(text.size()) - 3; period > 0; period -= 3)
        text.insert(period, u'.');
    return random.bounded(4) == 0 ? text + u'0' : text;
}

QString signedNumber(QRandomGenerator& random) {
    static const QStringList signs{"+", "-", "--", "+-", "-+", "++"};
    if (random.bounded(6) == 0)
        return pick(random, signs);
    return pick(random, signs) + primeProduct(random);
}

QString garbage(QRandomGenerator& random) {
    static const QString characters =
        QStringLiteral("0123456789abcdefxyzEeHhOo&.+-,;:/*()= #$%_'\"!?<>[]{}|\\~`^@");
    QString text;
    for (int i = 1 + random.bounded(12); i > 0; --i)
        text += characters.at(random.bounded(int(characters.size())));
    return text;
}

QString nothing(QRandomGenerator&) {
    return {};
}

} // namespace

QString randomTypedText(QRandomGenerator& random) {
    // Weights out of 100: whole numbers the window takes come up often enough for both
    // numbers to be decomposed and compared.
    static const QList<std::pair<int, Generator>> kinds{
        {26, primeProduct}, {8, edgeNumber},   {8, anyWholeNumber}, {7, hugeNumber},
        {8, decimal},       {8, exponent},     {8, radixForm},      {7, withBlanks},
        {4, withPeriods},   {6, signedNumber}, {6, garbage},        {4, nothing},
    };
    int roll = random.bounded(100);
    for (const auto& [weight, generate] : kinds) {
        if (roll < weight)
            return generate(random);
        roll -= weight;
    }
    return primeProduct(random);
}

QString randomPastedText(QRandomGenerator& random) {
    // Tab and line feed are blanks; the rest only look like digits or blanks.
    static const QStringList inserts{"\t",     "\n",     "\t\n",   "\u00A0",
                                     "\u0663", "\uFF11", "\u2009", "\r"};
    QString text = randomTypedText(random);
    for (int i = 1 + random.bounded(3); i > 0; --i)
        text.insert(random.bounded(int(text.size()) + 1), pick(random, inserts));
    return text;
}
