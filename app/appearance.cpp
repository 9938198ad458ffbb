#include "app/appearance.h"

#include "app/classroomstyle.h"

#include <QApplication>
#include <QFont>
#include <QStyle>

void setUpAppearance(QApplication& application) {
    QApplication::setStyle(new ClassroomStyle);
    QApplication::setPalette(QApplication::style()->standardPalette());
    QFont font;
    font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"),
                      QStringLiteral("Nimbus Sans"), QStringLiteral("DejaVu Sans")});
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(11);
    QApplication::setFont(font);
    application.setApplicationName(QStringLiteral("descomposicio"));
    application.setApplicationDisplayName(QString());
}
