#include "app/form.h"

#include "app/colours.h"
#include "app/lineshape.h"
#include "app/picturearea.h"
#include "app/textbox.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>

#include <algorithm>
#include <cmath>

namespace {

// Font sizes in pixels at the design size: the window's default font, and the larger one
// of the base boxes and labels.
constexpr double defaultFontPixels = 11;
constexpr double largeFontPixels = 13;

QString translated(const char* text) {
    return QCoreApplication::translate("frm", text);
}

double designFontPixels(ControlKind kind) {
    return kind == ControlKind::BaseBox || kind == ControlKind::Label ? largeFontPixels
                                                                      : defaultFontPixels;
}

void setBackground(QWidget* widget, QPalette::ColorRole role, Colour colour) {
    if (colour == noColour)
        return;
    QPalette colours = widget->palette();
    colours.setColor(role, toQColor(colour));
    widget->setPalette(colours);
}

TextBox* createTextBox(const ControlRow& row, QWidget* parent) {
    auto* box = new TextBox(parent);
    box->setText(QString::fromUtf8(row.text));
    if (row.kind != ControlKind::ExponentBox)
        box->setAlignment(Qt::AlignCenter);
    if (row.kind != ControlKind::InputBox) {
        // A factor row reads like written powers, not like a form to fill in; the Tab key
        // passes it by, from one number's input and button to the other's.
        box->setFrame(false);
        box->setTextMargins(0, 0, 0, 0);
        box->setFocusPolicy(Qt::ClickFocus);
    }
    return box;
}

QWidget* createWidget(const ControlRow& row, QWidget* parent) {
    switch (row.kind) {
    case ControlKind::InputBox:
    case ControlKind::BaseBox:
    case ControlKind::ExponentBox:
        return createTextBox(row, parent);
    case ControlKind::CommandButton: {
        auto* button = new QPushButton(translated(row.text), parent);
        setBackground(button, QPalette::Button, row.back);
        // Greyed text must still read on a coloured face.
        QPalette colours = button->palette();
        colours.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(0x70, 0x70, 0x70));
        button->setPalette(colours);
        return button;
    }
    case ControlKind::PictureArea: {
        auto* area = new PictureArea(parent);
        area->setColours(toQColor(row.back), toQColor(systemColours::windowText));
        return area;
    }
    case ControlKind::Label: {
        auto* label = new QLabel(parent);
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        label->setAutoFillBackground(true);
        setBackground(label, QPalette::Window, row.back);
        return label;
    }
    case ControlKind::Line:
        return new LineShape(parent);
    }
    return nullptr;
}

} // namespace

Form::Form(QWidget* parent)
    : QWidget(parent) {
    setObjectName(QStringLiteral("form"));
    setAutoFillBackground(true);
    setBackground(this, QPalette::Window, systemColours::captionText);
    for (const ControlRow& row : formLayout)
        m_controls.push_back({&row, createControl(row)});
    setUpTabOrder();
    resize(sizeHint());
    placeControls();
}

QSize Form::sizeHint() const {
    return QSize(static_cast<int>(formWidthTwips / designTwipsPerPixel),
                 static_cast<int>(formHeightTwips / designTwipsPerPixel));
}

QWidget* Form::createControl(const ControlRow& row) {
    QWidget* widget = createWidget(row, this);
    widget->setObjectName(QString::fromUtf8(row.name));
    widget->setAccessibleName(translated(row.accessibleName));
    widget->setEnabled(row.enabled);
    if (row.tabIndex < 0 || row.kind == ControlKind::PictureArea || row.kind == ControlKind::Label)
        widget->setFocusPolicy(Qt::NoFocus);
    return widget;
}

void Form::setUpTabOrder() {
    std::vector<Placed> stops;
    for (const Placed& control : m_controls)
        if (control.widget->focusPolicy() != Qt::NoFocus)
            stops.push_back(control);
    std::sort(stops.begin(), stops.end(),
              [](const Placed& a, const Placed& b) { return a.row->tabIndex < b.row->tabIndex; });
    for (std::size_t i = 1; i < stops.size(); ++i)
        setTabOrder(stops[i - 1].widget, stops[i].widget);
}

void Form::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    placeControls();
}

QRect Form::pixelRect(const TwipsRect& twips) const {
    const auto x = [this](double t) {
        return static_cast<int>(std::lround(m_origin.x() + t * m_scale));
    };
    const auto y = [this](double t) {
        return static_cast<int>(std::lround(m_origin.y() + t * m_scale));
    };
    const int left = x(twips.left);
    const int top = y(twips.top);
    return QRect(left, top, x(twips.left + twips.width) - left, y(twips.top + twips.height) - top);
}

void Form::placeControls() {
    m_scale = std::min(width() / double(formWidthTwips), height() / double(formHeightTwips));
    m_origin = QPointF((width() - formWidthTwips * m_scale) / 2,
                       (height() - formHeightTwips * m_scale) / 2);
    for (const Placed& control : m_controls) {
        QRect place = pixelRect(control.row->rect);
        if (control.row->kind == ControlKind::Line) {
            const int thickness =
                std::max(1, static_cast<int>(std::lround(m_scale * designTwipsPerPixel)));
            place = QRect(place.left() - thickness / 2, place.top(), thickness, place.height());
        }
        control.widget->setGeometry(place);
        QFont font = control.widget->font();
        font.setPixelSize(
            std::max(1, static_cast<int>(std::lround(designFontPixels(control.row->kind) * m_scale *
                                                     designTwipsPerPixel))));
        control.widget->setFont(font);
        if (auto* area = qobject_cast<PictureArea*>(control.widget))
            area->setScale(m_scale);
    }
}
