#include "app/form.h"

#include "app/captionlabel.h"
#include "app/colours.h"
#include "app/factorrowlayout.h"
#include "app/lineshape.h"
#include "app/picturearea.h"
#include "app/textbox.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPushButton>

#include <algorithm>
#include <cmath>

namespace {

// Font sizes in pixels at the design size: the window's default font, and the larger one
// of the base boxes and labels.
constexpr double defaultFontPixels = 11;
constexpr double largeFontPixels = 13;

// Room kept free between a factor row and the comparison buttons, and at the form's left
// edge for a long label.
constexpr double clearanceTwips = 60;

// A power's box draws its text a pixel in from each side, whatever the scale; one more
// pixel keeps the last digit clear of the edge after rounding.
constexpr double textBoxPaddingPixels = 2 * TextBox::framelessMarginPixels + 1;
constexpr double labelPaddingPixels = 2;

QString translated(const char* text) {
    return QCoreApplication::translate("frm", text);
}

void setColour(QWidget* widget, QPalette::ColorRole role, const QColor& colour) {
    QPalette colours = widget->palette();
    colours.setColor(role, colour);
    widget->setPalette(colours);
}

TextBox* createTextBox(const ControlRow& row, QWidget* parent) {
    auto* box = new TextBox(parent);
    box->setText(QString::fromUtf8(row.text));
    if (row.kind != ControlKind::ExponentBox)
        box->setAlignment(Qt::AlignCenter);
    if (row.kind != ControlKind::InputBox) {
        // A factor row reads like written powers, not like a form to fill in: no frame, no
        // background to cover a neighbour, and the Tab key passes it by.
        box->setFrame(false);
        box->setTextMargins(0, 0, 0, 0);
        setColour(box, QPalette::Base, Qt::transparent);
        box->setFocusPolicy(Qt::ClickFocus);
    }
    return box;
}

QPushButton* createButton(const ControlRow& row, QWidget* parent) {
    auto* button = new QPushButton(translated(row.text), parent);
    if (row.back != noColour)
        setColour(button, QPalette::Button, toQColor(row.back));
    // Greyed text must still read on a coloured face.
    QPalette colours = button->palette();
    colours.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(0x70, 0x70, 0x70));
    button->setPalette(colours);
    return button;
}

QWidget* createWidget(const ControlRow& row, QWidget* parent) {
    switch (row.kind) {
    case ControlKind::InputBox:
    case ControlKind::BaseBox:
    case ControlKind::ExponentBox:
        return createTextBox(row, parent);
    case ControlKind::CommandButton:
        return createButton(row, parent);
    case ControlKind::PictureArea: {
        auto* area = new PictureArea(parent);
        area->setColours(toQColor(row.back), toQColor(systemColours::windowText));
        return area;
    }
    case ControlKind::Label: {
        auto* label = new CaptionLabel(parent);
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        label->setAutoFillBackground(true);
        setColour(label, QPalette::Window, toQColor(row.back));
        setColour(label, QPalette::WindowText, toQColor(systemColours::windowText));
        return label;
    }
    case ControlKind::Line:
        return new LineShape(parent);
    }
    return nullptr;
}

QRectF designTwips(const ControlRow& row) {
    return QRectF(row.rect.left, row.rect.top, row.rect.width, row.rect.height);
}

} // namespace

Form::Form(QWidget* parent)
    : QWidget(parent) {
    setObjectName(QStringLiteral("form"));
    setAutoFillBackground(true);
    setColour(this, QPalette::Window, toQColor(systemColours::captionText));
    m_controls.reserve(formLayout.size());
    for (const ControlRow& row : formLayout)
        m_controls.push_back({&row, createControl(row), designTwips(row), 0});
    setUpTabOrder();
    m_factorRows = {factorRow(firstNumberControls), factorRow(secondNumberControls)};
    m_rowRightLimit = std::min(placed(QStringLiteral("cmdMCD")).twips.left(),
                               placed(QStringLiteral("cmdMCM")).twips.left()) -
                      clearanceTwips;
    // The controls are placed when the form first gets its size, as it is shown.
    resize(sizeHint());
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
    // Whatever changes what a control shows may change the room it needs.
    if (auto* box = qobject_cast<TextBox*>(widget))
        connect(box, &QLineEdit::textChanged, this, &Form::placeControls);
    else if (auto* label = qobject_cast<CaptionLabel*>(widget))
        connect(label, &CaptionLabel::captionChanged, this, &Form::placeControls);
    else if (auto* area = qobject_cast<PictureArea*>(widget))
        connect(area, &PictureArea::overhangChanged, this, &Form::placeControls);
    return widget;
}

void Form::setUpTabOrder() {
    std::vector<const Placed*> stops;
    for (const Placed& control : m_controls)
        if (control.widget->focusPolicy() != Qt::NoFocus)
            stops.push_back(&control);
    std::sort(stops.begin(), stops.end(),
              [](const Placed* a, const Placed* b) { return a->row->tabIndex < b->row->tabIndex; });
    for (std::size_t i = 1; i < stops.size(); ++i)
        setTabOrder(stops[i - 1]->widget, stops[i]->widget);
}

Form::Placed& Form::placed(const QString& name) {
    return *std::find_if(m_controls.begin(), m_controls.end(), [&](const Placed& control) {
        return control.widget->objectName() == name;
    });
}

Form::FactorRow Form::factorRow(const ControlNames& names) {
    FactorRow row{};
    for (int k = 0; k < factorRowSize; ++k) {
        row.bases[k] = &placed(QStringLiteral("%1_%2").arg(QLatin1String(names.bases)).arg(k));
        row.exponents[k] =
            &placed(QStringLiteral("%1_%2").arg(QLatin1String(names.exponents)).arg(k));
    }
    row.label = &placed(QLatin1String(names.label));
    return row;
}

void Form::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    placeControls();
}

int Form::nominalFontPixels(ControlKind kind) const {
    const double design = kind == ControlKind::BaseBox || kind == ControlKind::Label
                              ? largeFontPixels
                              : defaultFontPixels;
    return std::max(1, static_cast<int>(std::lround(design * m_scale * designTwipsPerPixel)));
}

double Form::textTwips(const QString& text, int pixels) const {
    if (text.isEmpty())
        return 0;
    // Every box and label is in the window's font: its metrics at each size are kept, as a
    // decomposition measures its row again for every box it fills.
    auto metrics = m_metrics.find(pixels);
    if (metrics == m_metrics.end()) {
        QFont sized = font();
        sized.setPixelSize(pixels);
        metrics = m_metrics.emplace(pixels, QFontMetricsF(sized)).first;
    }
    return metrics->second.horizontalAdvance(text) / m_scale;
}

void Form::placeControls() {
    m_scale = std::min(width() / double(formWidthTwips), height() / double(formHeightTwips));
    m_origin = QPointF((width() - formWidthTwips * m_scale) / 2,
                       (height() - formHeightTwips * m_scale) / 2);
    for (Placed& control : m_controls) {
        control.twips = designTwips(*control.row);
        control.fontPixels = nominalFontPixels(control.row->kind);
        if (control.row->kind == ControlKind::PictureArea)
            growLadderColumn(control);
    }
    for (const FactorRow& row : m_factorRows) {
        fitFactorRow(row);
        fitLabel(*row.label);
    }
    applyPlaces();
}

void Form::growLadderColumn(Placed& column) {
    const double overhang = static_cast<PictureArea*>(column.widget)->leftOverhangTwips();
    column.twips.adjust(-overhang, 0, 0, 0);
}

void Form::fitFactorRow(const FactorRow& row) {
    FactorRowPlaces design;
    for (int k = 0; k < factorRowSize; ++k) {
        design.bases[k] = row.bases[k]->twips;
        design.exponents[k] = row.exponents[k]->twips;
    }
    const double padding = textBoxPaddingPixels / m_scale;
    const int nominalBase = row.bases[0]->fontPixels;
    const int nominalExponent = row.exponents[0]->fontPixels;
    // The largest font at which the row stays clear of the comparison buttons.
    FactorRowPlaces places;
    int basePixels = nominalBase;
    int exponentPixels = nominalExponent;
    for (;; --basePixels) {
        exponentPixels = std::max(
            1, static_cast<int>(std::lround(nominalExponent * double(basePixels) / nominalBase)));
        std::array<double, factorRowSize> baseNeeds{};
        std::array<double, factorRowSize> exponentNeeds{};
        for (int k = 0; k < factorRowSize; ++k) {
            const auto* base = static_cast<const TextBox*>(row.bases[k]->widget);
            const auto* exponent = static_cast<const TextBox*>(row.exponents[k]->widget);
            baseNeeds[k] = textTwips(base->text(), basePixels) + padding;
            exponentNeeds[k] = textTwips(exponent->text(), exponentPixels) + padding;
        }
        places = placeFactorRow(design, baseNeeds, exponentNeeds);
        if (places.right() <= m_rowRightLimit || basePixels == 1)
            break;
    }
    for (int k = 0; k < factorRowSize; ++k) {
        row.bases[k]->twips = places.bases[k];
        row.bases[k]->fontPixels = basePixels;
        row.exponents[k]->twips = places.exponents[k];
        row.exponents[k]->fontPixels = exponentPixels;
    }
}

void Form::fitLabel(Placed& label) {
    // The label ends where it was drawn to end, just before its row, and grows leftwards;
    // where the form's edge stops it, its font shrinks instead.
    const auto* caption = static_cast<const CaptionLabel*>(label.widget);
    const double right = label.twips.right();
    const double padding = labelPaddingPixels / m_scale;
    for (;; --label.fontPixels) {
        const double needed = textTwips(caption->text(), label.fontPixels) + padding;
        const double width = std::max(label.twips.width(), needed);
        if (right - width >= clearanceTwips || label.fontPixels == 1) {
            label.twips.setLeft(right - width);
            return;
        }
    }
}

QRect Form::pixelRect(const QRectF& twips) const {
    const auto x = [this](double t) {
        return static_cast<int>(std::lround(m_origin.x() + t * m_scale));
    };
    const auto y = [this](double t) {
        return static_cast<int>(std::lround(m_origin.y() + t * m_scale));
    };
    const int left = x(twips.left());
    const int top = y(twips.top());
    return QRect(left, top, x(twips.right()) - left, y(twips.bottom()) - top);
}

void Form::applyPlaces() {
    for (const Placed& control : m_controls) {
        QRect place = pixelRect(control.twips);
        if (control.row->kind == ControlKind::Line) {
            const int thickness =
                std::max(1, static_cast<int>(std::lround(m_scale * designTwipsPerPixel)));
            place = QRect(place.left() - thickness / 2, place.top(), thickness, place.height());
        }
        control.widget->setGeometry(place);
        if (control.widget->font().pixelSize() != control.fontPixels) {
            QFont font = control.widget->font();
            font.setPixelSize(control.fontPixels);
            control.widget->setFont(font);
        }
        if (auto* area = qobject_cast<PictureArea*>(control.widget))
            area->setScale(m_scale);
    }
}
