#include "app/practicemessages.h"

#include "app/shownnumbers.h"
#include "app/translated.h"
#include "worksheet/worksheet.h"

#include <algorithm>

namespace {

QString ladderMistake(const LadderAnswer& answer) {
    const QString quotient = shownNumber(answer.quotient);
    const QString typed = shownNumber(answer.answer);
    switch (answer.mistake) {
    case LadderMistake::None:
        break;
    case LadderMistake::NotANumber:
        if (answer.place == LadderPlace::Quotient)
            return translated("Escriu un nombre enter, només amb xifres.");
        return translated("Escriu un nombre enter més gran que 1.");
    case LadderMistake::NotAboveOne:
        return translated("Escriu un nombre enter més gran que 1.");
    case LadderMistake::DoesNotDivide:
        return translated("%1 no és divisible per %2.").arg(quotient, typed);
    case LadderMistake::NotPrime:
        return translated("%1 no és primer.").arg(typed);
    case LadderMistake::NotSmallestPrime:
        return translated("Hi ha un divisor primer més petit que %1.").arg(typed);
    case LadderMistake::WrongQuotient:
        return translated("%1 : %2 no fa %3.").arg(quotient, shownNumber(answer.divisor), typed);
    }
    return {};
}

QString ladderHint(const LadderAnswer& answer) {
    switch (answer.hint) {
    case LadderHint::None:
        break;
    case LadderHint::RuleOfTwo:
        return translated("Un nombre és divisible per 2 si acaba en 0, 2, 4, 6 o 8.");
    case LadderHint::RuleOfThree:
        return translated(
            "Un nombre és divisible per 3 si la suma de les seves xifres és múltiple de 3.");
    case LadderHint::RuleOfFive:
        return translated("Un nombre és divisible per 5 si acaba en 0 o en 5.");
    case LadderHint::RuleOfEleven:
        return translated(
            "Un nombre és divisible per 11 si, sumant per una banda les xifres de lloc "
            "senar i per l'altra les de lloc parell, la diferència és 0 o múltiple d'11.");
    case LadderHint::TryDividing:
        return translated("Prova de dividir per %1.").arg(shownNumber(answer.rightAnswer));
    case LadderHint::DoTheDivision:
        return translated("Fes la divisió %1 : %2.")
            .arg(shownNumber(answer.quotient), shownNumber(answer.divisor));
    }
    return {};
}

QString ladderRight(const LadderAnswer& answer) {
    if (answer.place == LadderPlace::Divisor)
        return translated("Correcte! %1 és el divisor primer més petit de %2.")
            .arg(shownNumber(answer.rightAnswer), shownNumber(answer.quotient));
    if (answer.rightAnswer == 1)
        return translated("Correcte! Has arribat a 1: ara escriu els factors primers amb els seus "
                          "exponents.");
    return translated("Correcte! %1 : %2 = %3.")
        .arg(shownNumber(answer.quotient), shownNumber(answer.divisor),
             shownNumber(answer.rightAnswer));
}

// "primera" for a base, "primer" for an exponent: the pair's place, in the word's gender.
QString ordinal(int pair, bool feminine) {
    static const char* const names[][2] = {
        {QT_TRANSLATE_NOOP("frm", "primer"), QT_TRANSLATE_NOOP("frm", "primera")},
        {QT_TRANSLATE_NOOP("frm", "segon"), QT_TRANSLATE_NOOP("frm", "segona")},
        {QT_TRANSLATE_NOOP("frm", "tercer"), QT_TRANSLATE_NOOP("frm", "tercera")},
        {QT_TRANSLATE_NOOP("frm", "quart"), QT_TRANSLATE_NOOP("frm", "quarta")},
        {QT_TRANSLATE_NOOP("frm", "cinquè"), QT_TRANSLATE_NOOP("frm", "cinquena")},
        {QT_TRANSLATE_NOOP("frm", "sisè"), QT_TRANSLATE_NOOP("frm", "sisena")},
        {QT_TRANSLATE_NOOP("frm", "setè"), QT_TRANSLATE_NOOP("frm", "setena")}};
    return translated(names[std::clamp(pair, 0, factorRowSize - 1)][feminine]);
}

QString wrongExponent(const RowCheck& check) {
    if (check.count == 1)
        return withArticle(check.prime,
                           translated("El %1 hi surt una sola vegada a la columna dels divisors."),
                           translated("L'%1 hi surt una sola vegada a la columna dels divisors."));
    return withArticle(check.prime,
                       translated("El %1 hi surt %2 vegades a la columna dels divisors."),
                       translated("L'%1 hi surt %2 vegades a la columna dels divisors."))
        .arg(check.count);
}

QString rowRight(const RowCheck& check) {
    if (check.powers.empty())
        return translated("Molt bé! L'1 no té cap factor primer.");
    return translated("Molt bé! %1 = %2").arg(shownNumber(check.number), shownPowers(check.powers));
}

QString marksRight(const MarksCheck& check) {
    const bool divisor = check.rule == MarkRule::CommonDivisor;
    if (check.powers.empty() && divisor)
        return translated("Molt bé! No tenen cap factor primer comú: m.c.d. = 1");
    QString product = check.powers.empty() ? QStringLiteral("1") : shownPowers(check.powers);
    const QString value = shownNumber(check.value);
    if (product != value)
        product += QStringLiteral(" = ") + value;
    return (divisor ? translated("Molt bé! m.c.d. = %1") : translated("Molt bé! m.c.m = %1"))
        .arg(product);
}

} // namespace

QString ladderMessage(const LadderAnswer& answer) {
    switch (answer.attempt.outcome) {
    case AnswerOutcome::NotAsked:
        return translated("Ja has arribat a 1.");
    case AnswerOutcome::Right:
        return ladderRight(answer);
    case AnswerOutcome::Helped:
        return ladderMistake(answer) + u' ' +
               translated("La resposta correcta és %1: ja la tens escrita.")
                   .arg(shownNumber(answer.rightAnswer));
    case AnswerOutcome::Wrong:
        break;
    }
    const QString hint = ladderHint(answer);
    return hint.isEmpty() ? ladderMistake(answer) : ladderMistake(answer) + u' ' + hint;
}

QString ladderPrompt(const PracticeLadder& ladder) {
    const QString quotient = shownNumber(ladder.quotient());
    if (ladder.nextPlace() == LadderPlace::Quotient)
        return translated("Escriu quant fa %1 : %2.")
            .arg(quotient, shownNumber(ladder.divisors().back()));
    return translated("Escriu el divisor primer més petit de %1.").arg(quotient);
}

QString marksPrompt(MarkRule rule) {
    if (rule == MarkRule::CommonDivisor)
        return translated("Ara marca les potències del m.c.d. amb un clic o amb la tecla "
                          "d'espai, i prem «m.c.d.».");
    return translated("Ara marca les potències del m.c.m i prem «m.c.m».");
}

QString marksNotYet(MarkRule rule) {
    if (rule == MarkRule::CommonDivisor)
        return translated("Primer descompon els dos nombres i escriu-ne els factors.");
    return translated("Primer troba el m.c.d.");
}

QString factorRowMessage(const RowCheck& check) {
    const qint64 prime = check.prime;
    switch (check.mistake) {
    case RowMistake::None:
        return rowRight(check);
    case RowMistake::BaseNotANumber:
        return translated("La %1 base no és un nombre enter.").arg(ordinal(check.pair, true));
    case RowMistake::BaseNotPrime:
        return translated("%1 no és primer.").arg(shownNumber(prime));
    case RowMistake::NotDivisor:
        return withArticle(prime, translated("El %1 no divideix %2."),
                           translated("L'%1 no divideix %2."))
            .arg(shownNumber(check.number));
    case RowMistake::Repeated:
        return withArticle(prime,
                           translated("El %1 hi és dues vegades: escriu cada primer un sol cop."),
                           translated("L'%1 hi és dues vegades: escriu cada primer un sol cop."));
    case RowMistake::ExponentWithoutBase:
        return translated("El %1 exponent no té base.").arg(ordinal(check.pair, false));
    case RowMistake::ExponentNotWhole:
        return translated(
                   "El %1 exponent ha de ser un nombre enter més gran que 0; si el deixes buit, "
                   "val 1.")
            .arg(ordinal(check.pair, false));
    case RowMistake::WrongExponent:
        return wrongExponent(check);
    case RowMistake::Missing:
        return withArticle(prime, translated("Falta el %1."), translated("Falta l'%1."));
    case RowMistake::OneMissing:
        return translated("L'1 no té cap factor primer: escriu 1 a la primera base.");
    }
    return {};
}

QString marksMessage(const MarksCheck& check) {
    const qint64 prime = check.prime;
    switch (check.mistake) {
    case MarksMistake::None:
        return marksRight(check);
    case MarksMistake::NotCommon:
        return withArticle(prime, translated("El %1 no és comú als dos nombres."),
                           translated("L'%1 no és comú als dos nombres."));
    case MarksMistake::NotSmallestExponent:
        return withArticle(prime, translated("Del %1, tria la potència d'exponent més petit."),
                           translated("De l'%1, tria la potència d'exponent més petit."));
    case MarksMistake::NotGreatestExponent:
        return withArticle(prime, translated("Del %1, tria la potència d'exponent més gran."),
                           translated("De l'%1, tria la potència d'exponent més gran."));
    case MarksMistake::MarkedTwice:
        return withArticle(
            prime,
            translated("Del %1, marca només una de les dues potències: tenen el mateix exponent."),
            translated(
                "De l'%1, marca només una de les dues potències: tenen el mateix exponent."));
    case MarksMistake::MissingCommon:
        return withArticle(prime, translated("Falta el %1, que és comú als dos nombres."),
                           translated("Falta l'%1, que és comú als dos nombres."));
    case MarksMistake::Missing:
        return withArticle(
            prime, translated("Falta el %1: al m.c.m hi van tots els primers dels dos nombres."),
            translated("Falta l'%1: al m.c.m hi van tots els primers dels dos nombres."));
    }
    return {};
}

QString scoreLine(const PracticeScore& score) {
    return translated("Encerts a la primera: %1 de %2 · ajudes: %3")
        .arg(score.rightFirstTime())
        .arg(score.answered())
        .arg(score.helps());
}
