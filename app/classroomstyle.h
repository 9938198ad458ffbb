#pragma once

#include <QProxyStyle>

// Fusion, with two things a classroom needs: the Alt key opens the menu bar for the
// keyboard, and the control with the focus wears a ring that shows from the back row.
class ClassroomStyle : public QProxyStyle {
    Q_OBJECT
public:
    ClassroomStyle();

    int styleHint(StyleHint hint, const QStyleOption* option = nullptr,
                  const QWidget* widget = nullptr,
                  QStyleHintReturn* returnData = nullptr) const override;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
};
