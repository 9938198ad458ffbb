#include "app/worksheetbinding.h"

#include "app/captionlabel.h"
#include "app/picturearea.h"
#include "app/textbox.h"

#include <QPushButton>

namespace {

template <typename Control> Control* find(const QWidget& form, const QString& name) {
    auto* control = form.findChild<Control*>(name);
    Q_ASSERT_X(control, "WorksheetBinding", qPrintable(name));
    return control;
}

std::array<TextBox*, factorRowSize> findRow(const QWidget& form, const char* array) {
    std::array<TextBox*, factorRowSize> row{};
    for (int k = 0; k < factorRowSize; ++k)
        row[k] = find<TextBox>(form, QStringLiteral("%1_%2").arg(QLatin1String(array)).arg(k));
    return row;
}

QString fromStd(const std::string& text) {
    return QString::fromStdString(text);
}

} // namespace

WorksheetBinding::WorksheetBinding(const QWidget& form, const ControlNames& names,
                                   PauseHost& pauseHost)
    : input(find<TextBox>(form, QLatin1String(names.input)))
    , button(find<QPushButton>(form, QLatin1String(names.button)))
    , quotients(find<PictureArea>(form, QLatin1String(names.quotients)))
    , divisors(find<PictureArea>(form, QLatin1String(names.divisors)))
    , bases(findRow(form, names.bases))
    , exponents(findRow(form, names.exponents))
    , label(find<CaptionLabel>(form, QLatin1String(names.label)))
    , m_pauseHost(pauseHost) {}

std::string WorksheetBinding::inputText() const {
    return input->text().toStdString();
}

PictureArea* WorksheetBinding::column(Column which) const {
    return which == Column::Quotients ? quotients : divisors;
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
    return bases.at(k)->text().toStdString();
}

void WorksheetBinding::setBaseText(int k, const std::string& text) {
    bases.at(k)->setText(fromStd(text));
}

void WorksheetBinding::setExponentText(int k, const std::string& text) {
    exponents.at(k)->setText(fromStd(text));
}

Colour WorksheetBinding::baseColour(int k) const {
    return bases.at(k)->textColour();
}

void WorksheetBinding::setPairColour(int k, Colour colour) {
    bases.at(k)->setTextColour(colour);
    exponents.at(k)->setTextColour(colour);
}

void WorksheetBinding::setLabelCaption(const std::string& caption) {
    label->setCaption(fromStd(caption));
}

bool WorksheetBinding::pause() {
    return re(m_pauseHost);
}
