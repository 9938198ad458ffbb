#include "app/resultlines.h"

#include "app/announcer.h"
#include "app/captionlabel.h"
#include "app/shownnumbers.h"
#include "app/translated.h"
#include "worksheet/results.h"

#include <QPushButton>

std::optional<qint64> decomposedNumber(const WorksheetBinding& number) {
    // Its button is disabled from the end of its run until "començar".
    if (number.controls.button->isEnabled())
        return std::nullopt;
    return valueOf(powersOf(number.worksheet));
}

ResultLines::ResultLines(CaptionLabel& mcd, CaptionLabel& mcm,
                         const std::array<WorksheetBinding, 2>& numbers, Announcer& announcer)
    : m_mcd(mcd)
    , m_mcm(mcm)
    , m_numbers(numbers)
    , m_announcer(announcer) {}

void ResultLines::setShown(bool shown) {
    m_shown = shown;
    show();
}

void ResultLines::divisorMarked() {
    m_mcdLine = line(QT_TRANSLATE_NOOP("frm", "m.c.d.(%1, %2) = %3"),
                     commonDivisorPowers(m_numbers[0].worksheet, m_numbers[1].worksheet));
    show();
}

void ResultLines::multipleMarked() {
    m_mcmLine = line(QT_TRANSLATE_NOOP("frm", "m.c.m.(%1, %2) = %3"),
                     commonMultiplePowers(m_numbers[0].worksheet, m_numbers[1].worksheet));
    show();
}

void ResultLines::clear() {
    m_mcdLine.clear();
    m_mcmLine.clear();
    show();
}

QString ResultLines::line(const char* name, const Powers& powers) const {
    const std::optional<qint64> first = decomposedNumber(m_numbers[0]);
    const std::optional<qint64> second = decomposedNumber(m_numbers[1]);
    if (!first || !second)
        return QString();
    // The powers, then their product, unless a single prime says it already: "= 2", "= 1".
    const QString value = shownNumber(valueOf(powers));
    const QString product = shownPowers(powers);
    const QString result =
        product.isEmpty() || product == value ? value : product + QStringLiteral(" = ") + value;
    return translated(name).arg(shownNumber(*first), shownNumber(*second), result);
}

void ResultLines::show() {
    for (auto [line, text] : {std::pair{&m_mcd, m_shown ? m_mcdLine : QString()},
                              std::pair{&m_mcm, m_shown ? m_mcmLine : QString()}}) {
        // A screen reader hears a line as it is written.
        if (!text.isEmpty() && text != line->text())
            m_announcer.announce(text);
        line->setCaption(text);
    }
}
