#include "app/twipsform.h"

#include "app/captionlabel.h"
#include "app/colours.h"
#include "app/lineshape.h"
#include "app/picturearea.h"
#include "app/textbox.h"
#include "app/translated.h"
#include "app/twipslayout.h"

#include <QPushButton>

#include <algorithm>
#include <vector>

namespace {

void setColour(QWidget* widget, QPalette::ColorRole role, const QColor& colour) {
    QPalette colours = widget->palette();
    colours.setColor(role, colour);
    widget->setPalette(colours);
}

TextBox* createTextBox(const ControlRow& row, QWidget* parent) {
    auto* box = new TextBox(parent);
    box->setText(QString::fromUtf8(row.text));
    if (row.role != Role::Exponent)
        box->setAlignment(Qt::AlignCenter);
    if (row.role != Role::Input && row.role != Role::Answer) {
        // A factor row reads like written powers, not like a form to fill in: no frame, no
        // background to cover a neighbour, and the Tab key passes it by. Its width follows
        // its text.
        box->setFrame(false);
        box->setTextMargins(0, 0, 0, 0);
        setColour(box, QPalette::Base, Qt::transparent);
        box->setFocusPolicy(Qt::ClickFocus);
        QObject::connect(box, &QLineEdit::textChanged, box, &QWidget::updateGeometry);
    }
    return box;
}

QPushButton* createButton(const ControlRow& row, QWidget* parent) {
    auto* button = new QPushButton(translated(row.text), parent);
    // Enter presses the button with the focus, as Space does.
    button->setAutoDefault(true);
    if (row.back != noColour)
        setColour(button, QPalette::Button, toQColor(row.back));
    // Greyed text must still read on a coloured face.
    QPalette colours = button->palette();
    colours.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(0x70, 0x70, 0x70));
    button->setPalette(colours);
    return button;
}

QWidget* createWidget(const ControlRow& row, QWidget* parent) {
    switch (row.role) {
    case Role::Input:
    case Role::Base:
    case Role::Exponent:
    case Role::Answer:
        return createTextBox(row, parent);
    case Role::Decompose:
    case Role::Mcd:
    case Role::Mcm:
    case Role::Check:
        return createButton(row, parent);
    case Role::Quotients:
    case Role::Divisors: {
        auto* area = new PictureArea(parent);
        area->setColours(toQColor(row.back), toQColor(systemColours::windowText));
        area->setRightAligned(row.role == Role::Quotients);
        return area;
    }
    case Role::Label: {
        auto* label = new CaptionLabel(parent);
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        label->setAutoFillBackground(true);
        setColour(label, QPalette::Window, toQColor(row.back));
        setColour(label, QPalette::WindowText, toQColor(systemColours::windowText));
        return label;
    }
    case Role::Bar:
        return new LineShape(parent);
    case Role::McdLine:
    case Role::McmLine:
    case Role::Message:
    case Role::Score: {
        auto* line = new CaptionLabel(parent);
        line->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        line->setWordWrap(row.role == Role::Message);
        const Colour colour = row.role == Role::McdLine   ? colours::divisorMark
                              : row.role == Role::McmLine ? colours::multipleMark
                                                          : colours::normal;
        setColour(line, QPalette::WindowText, toQColor(colour));
        return line;
    }
    }
    return nullptr;
}

// Tab goes through the controls given a tab index, but for those that only show something;
// the answer field has none, as it takes the focus itself when it opens.
bool takesFocus(const ControlRow& row) {
    switch (row.role) {
    case Role::Quotients:
    case Role::Divisors:
    case Role::Bar:
    case Role::Label:
    case Role::McdLine:
    case Role::McmLine:
    case Role::Message:
    case Role::Score:
        return false;
    case Role::Answer:
        return true;
    default:
        return row.tabIndex >= 0;
    }
}

} // namespace

TwipsForm::TwipsForm(QWidget* parent)
    : QWidget(parent)
    , m_layout(new TwipsLayout(this)) {
    setObjectName(QStringLiteral("form"));
    setAutoFillBackground(true);
    setColour(this, QPalette::Window, toQColor(systemColours::captionText));
    std::vector<std::pair<int, QWidget*>> tabStops;
    for (const ControlRow& row : controlTable) {
        QWidget* control = createControl(row);
        m_layout->addControl(control, row);
        if (control->focusPolicy() != Qt::NoFocus && row.tabIndex >= 0)
            tabStops.emplace_back(row.tabIndex, control);
    }
    setUpTabOrder(tabStops);
}

void TwipsForm::setZoom(double zoom) {
    m_layout->setZoom(zoom);
}

void TwipsForm::placeAnswer(std::optional<AnswerPlace> place) {
    m_layout->setAnswerPlace(place);
}

QWidget* TwipsForm::createControl(const ControlRow& row) {
    QWidget* widget = createWidget(row, this);
    widget->setObjectName(QString::fromUtf8(row.name));
    widget->setAccessibleName(translated(row.accessibleName));
    widget->setEnabled(row.enabled);
    if (!takesFocus(row))
        widget->setFocusPolicy(Qt::NoFocus);
    keep(widget, row);
    return widget;
}

void TwipsForm::keep(QWidget* control, const ControlRow& row) {
    PracticeControls& practice = m_controls.practice;
    switch (row.role) {
    case Role::Answer:
        practice.answer = static_cast<TextBox*>(control);
        return;
    case Role::Message:
    case Role::Score:
        (row.role == Role::Message ? practice.message : practice.score) =
            static_cast<CaptionLabel*>(control);
        return;
    case Role::Check:
        practice.check = static_cast<QPushButton*>(control);
        return;
    default:
        break;
    }
    if (row.role == Role::McdLine || row.role == Role::McmLine) {
        (row.role == Role::McdLine ? m_controls.lblmcd : m_controls.lblmcm) =
            static_cast<CaptionLabel*>(control);
        return;
    }
    if (row.number < 0) {
        (row.role == Role::Mcd ? m_controls.cmdMCD : m_controls.cmdMCM) =
            static_cast<QPushButton*>(control);
        return;
    }
    NumberControls& number = m_controls.numbers[row.number];
    switch (row.role) {
    case Role::Input:
        number.input = static_cast<TextBox*>(control);
        break;
    case Role::Decompose:
        number.button = static_cast<QPushButton*>(control);
        break;
    case Role::Quotients:
        number.quotients = static_cast<PictureArea*>(control);
        break;
    case Role::Divisors:
        number.divisors = static_cast<PictureArea*>(control);
        break;
    case Role::Bar:
        number.bar = static_cast<LineShape*>(control);
        break;
    case Role::Label:
        number.label = static_cast<CaptionLabel*>(control);
        break;
    case Role::Base:
        number.bases[row.k] = static_cast<TextBox*>(control);
        break;
    case Role::Exponent:
        number.exponents[row.k] = static_cast<TextBox*>(control);
        break;
    default:
        break;
    }
}

void TwipsForm::setUpTabOrder(std::vector<std::pair<int, QWidget*>> stops) {
    std::sort(stops.begin(), stops.end());
    for (std::size_t i = 1; i < stops.size(); ++i)
        setTabOrder(stops[i - 1].second, stops[i].second);
}
