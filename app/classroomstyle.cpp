#include "app/classroomstyle.h"

#include <QPainter>
#include <QStyleFactory>
#include <QStyleOptionFrame>

namespace {

void drawFocusRing(const QStyleOption* option, QPainter* painter) {
    if (!(option->state & QStyle::State_HasFocus))
        return;
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, false);
    QPen pen(option->palette.color(QPalette::Highlight).darker(130), 2);
    pen.setJoinStyle(Qt::MiterJoin);
    painter->setPen(pen);
    painter->setBrush(Qt::NoBrush);
    painter->drawRect(QRectF(option->rect).adjusted(1, 1, -1, -1));
    painter->restore();
}

} // namespace

ClassroomStyle::ClassroomStyle()
    : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

int ClassroomStyle::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                              QStyleHintReturn* returnData) const {
    if (hint == SH_MenuBar_AltKeyNavigation)
        return 1;
    return QProxyStyle::styleHint(hint, option, widget, returnData);
}

void ClassroomStyle::drawControl(ControlElement element, const QStyleOption* option,
                                 QPainter* painter, const QWidget* widget) const {
    QProxyStyle::drawControl(element, option, painter, widget);
    if (element == CE_PushButtonBevel)
        drawFocusRing(option, painter);
}

void ClassroomStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                   QPainter* painter, const QWidget* widget) const {
    QProxyStyle::drawPrimitive(element, option, painter, widget);
    // A frameless box, such as a power in a factor row, shows its focus by the ring alone.
    if (element == PE_PanelLineEdit) {
        const auto* frame = qstyleoption_cast<const QStyleOptionFrame*>(option);
        if (frame && frame->lineWidth == 0)
            drawFocusRing(option, painter);
    }
}
