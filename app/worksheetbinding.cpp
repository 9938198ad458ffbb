#include "app/worksheetbinding.h"

#include "app/captionlabel.h"
#include "app/picturearea.h"
#include "app/steppause.h"
#include "app/textbox.h"
#include "worksheet/conversions.h"
#include "worksheet/decomposition.h"

namespace {

QString fromStd(const std::string& text) {
    return QString::fromStdString(text);
}

} // namespace

WorksheetBinding::WorksheetBinding(int number, const NumberControls& controls, StepPause& pause)
    : number(number)
    , controls(controls)
    , m_pause(pause) {}

PictureArea* WorksheetBinding::column(Column which) const {
    return which == Column::Quotients ? controls.quotients : controls.divisors;
}

void WorksheetBinding::expectLadder(int lines, double number, std::int32_t largestDivisor) {
    // Both columns space their lines alike, so that each divisor stays beside its quotient.
    controls.quotients->expect(lines, ladderX(digitCountOf(number)),
                               QString::fromStdString(printedText(number)));
    controls.divisors->expect(
        lines, 0,
        largestDivisor > 0 ? QString::fromStdString(printedText(largestDivisor)) : QString());
}

void WorksheetBinding::clear(Column which) {
    column(which)->clear();
}

void WorksheetBinding::setPrintX(Column which, float twips) {
    column(which)->setPrintX(twips);
}

void WorksheetBinding::print(Column which, const std::string& printed) {
    column(which)->print(fromStd(printed));
}

std::string WorksheetBinding::baseText(int k) const {
    return controls.bases.at(k)->text().toStdString();
}

void WorksheetBinding::setBaseText(int k, const std::string& text) {
    controls.bases.at(k)->setText(fromStd(text));
}

void WorksheetBinding::setExponentText(int k, const std::string& text) {
    controls.exponents.at(k)->setText(fromStd(text));
}

Colour WorksheetBinding::baseColour(int k) const {
    return controls.bases.at(k)->textColour();
}

void WorksheetBinding::setPairColour(int k, Colour colour) {
    controls.bases.at(k)->setTextColour(colour);
    controls.exponents.at(k)->setTextColour(colour);
}

void WorksheetBinding::setLabelCaption(const std::string& caption) {
    controls.label->setCaption(fromStd(caption));
}

bool WorksheetBinding::pause() {
    return m_pause.re();
}
