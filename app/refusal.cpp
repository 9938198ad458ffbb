#include "app/refusal.h"

#include <QCoreApplication>

namespace {

QString tr(const char* text) {
    return QCoreApplication::translate("frm", text);
}

} // namespace

QString refusalMessage(const InputCheck& check, const QString& typed) {
    const QString number = QString::number(static_cast<qint64>(check.value));
    const QString shown = typed.trimmed();
    switch (check.verdict) {
    case Verdict::Accepted:
        break;
    case Verdict::Empty:
        return tr("Escriu primer el nombre que vols descomposar.");
    case Verdict::NotPositiveWhole:
        return tr("«%1» no és un nombre enter positiu.").arg(shown);
    case Verdict::TooLarge:
        return tr("«%1» és massa gran: el nombre més gran que es pot descomposar és 2147483647.")
            .arg(shown);
    case Verdict::TooManyFactors:
        return tr("%1 té més de 21 factors primers, comptant els repetits.").arg(number);
    case Verdict::TooManyDistinctPrimes:
        return tr("%1 té més de 7 factors primers diferents.").arg(number);
    case Verdict::PrimeTooLarge:
        return tr("%1 té un factor primer més gran que 32767.").arg(number);
    }
    return {};
}
