#include "app/refusal.h"

#include "app/translated.h"
#include "worksheet/worksheet.h"

QString refusalMessage(const InputCheck& check, const QString& typed) {
    const QString number = QString::number(static_cast<qint64>(check.value));
    const QString shown = typed.trimmed();
    switch (check.verdict) {
    case Verdict::Accepted:
        break;
    case Verdict::Empty:
        return translated("Escriu primer el nombre que vols descomposar.");
    case Verdict::NotPositiveWhole:
        return translated("«%1» no és un nombre enter positiu.").arg(shown);
    case Verdict::TooLarge:
        return translated("«%1» és massa gran: el nombre més gran que es pot descomposar és %2.")
            .arg(shown)
            .arg(static_cast<qint64>(largestInput));
    case Verdict::TooManyFactors:
        return translated("%1 té més de %2 factors primers, comptant els repetits.")
            .arg(number)
            .arg(Worksheet::factorCapacity);
    case Verdict::TooManyDistinctPrimes:
        return translated("%1 té més de %2 factors primers diferents.")
            .arg(number)
            .arg(factorRowSize);
    case Verdict::PrimeTooLarge:
        return translated("%1 té un factor primer més gran que %2.").arg(number).arg(largestPrime);
    }
    return {};
}

QString runFailureMessage(const QString& typed) {
    return translated("No s'ha pogut descompondre «%1». Torna a començar l'exercici.")
        .arg(typed.trimmed());
}
