#include "app/refusal.h"

#include "app/shownnumbers.h"
#include "app/translated.h"
#include "worksheet/factorisation.h"
#include "worksheet/worksheet.h"

namespace {

// The largest prime a worksheet keeps: the one at or below its largest factor.
qint64 largestPrimeKept() {
    std::int32_t n = largestPrime;
    while (factorise(n).divisorCount != 1)
        --n;
    return n;
}

QString primeTooLarge(const InputCheck& check) {
    const qint64 prime = check.factors.largestPrime();
    const QString largestKept = shownNumber(largestPrimeKept());
    if (check.factors.divisorCount == 1)
        return translated("%1 és un nombre primer massa gran: el més gran que hi cap és %2.")
            .arg(shownNumber(prime), largestKept);
    return withArticle(prime,
                       translated("%2 té un factor primer massa gran, el %1: el més gran que hi "
                                  "cap és %3."),
                       translated("%2 té un factor primer massa gran, l'%1: el més gran que hi "
                                  "cap és %3."))
        .arg(shownNumber(static_cast<qint64>(check.value)), largestKept);
}

} // namespace

QString refusalMessage(const InputCheck& check, const QString& typed) {
    const QString number = shownNumber(static_cast<qint64>(check.value));
    const QString shown = typed.trimmed();
    switch (check.verdict) {
    case Verdict::Accepted:
        break;
    case Verdict::Empty:
        return translated("Escriu primer el nombre que vols descompondre.");
    case Verdict::NotPositiveWhole:
        return translated("«%1» no es pot descompondre: escriu un nombre natural a partir de "
                          "l'1, com ara 250.")
            .arg(shown);
    case Verdict::TooLarge:
        return translated("«%1» és massa gran: el nombre més gran que pots descompondre és el "
                          "%2.")
            .arg(shown, shownNumber(static_cast<qint64>(largestInput)));
    case Verdict::TooManyFactors:
        return translated("%1 té més de %2 factors primers, comptant els repetits, i no hi "
                          "caben. Prova amb un altre nombre.")
            .arg(number)
            .arg(Worksheet::factorCapacity);
    case Verdict::TooManyDistinctPrimes:
        return translated("%1 té més de %2 factors primers diferents, i a la fila de potències "
                          "només n'hi caben %2. Prova amb un altre nombre.")
            .arg(number)
            .arg(factorRowSize);
    case Verdict::PrimeTooLarge:
        return primeTooLarge(check);
    }
    return {};
}

QString runFailureMessage(const QString& typed) {
    return translated("No s'ha pogut descompondre «%1». Torna a començar l'exercici.")
        .arg(typed.trimmed());
}
