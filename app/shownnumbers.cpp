#include "app/shownnumbers.h"

#include <QStringList>

namespace {

// Whether the article before the number elides, as in "l'11": its name starts with a
// vowel, as "u", "onze", "onze mil" and "un milió" do, and "mil" and "cent" do not.
bool elides(qint64 number) {
    int groups = 1;
    for (; number >= 1000; number /= 1000)
        ++groups;
    return number == 11 || (number == 1 && groups % 2 == 1);
}

QString raised(int exponent) {
    static const QChar digits[] = {u'⁰', u'¹', u'²', u'³', u'⁴', u'⁵', u'⁶', u'⁷', u'⁸', u'⁹'};
    QString text;
    for (const QChar digit : QString::number(exponent))
        text += digits[digit.digitValue()];
    return text;
}

} // namespace

QString shownNumber(qint64 number) {
    QString digits = QString::number(number);
    if (digits.size() > 4)
        for (int i = digits.size() - 3; i > (number < 0 ? 1 : 0); i -= 3)
            digits.insert(i, u'.');
    return digits;
}

QString shownPowers(const Powers& powers) {
    QStringList parts;
    for (const Power& power : powers)
        parts << shownNumber(power.prime) +
                     (power.exponent == 1 ? QString() : raised(power.exponent));
    return parts.join(QStringLiteral(" · "));
}

QString withArticle(qint64 number, const QString& plain, const QString& elided) {
    return (elides(number) ? elided : plain).arg(shownNumber(number));
}
