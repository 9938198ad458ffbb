#include "app/appearance.h"

#include "app/classroomstyle.h"

#include <QApplication>
#include <QFont>
#include <QLibraryInfo>
#include <QLocale>
#include <QStyle>
#include <QTranslator>

void setUpAppearance(QApplication& application) {
    QApplication::setStyle(new ClassroomStyle);
    QApplication::setPalette(QApplication::style()->standardPalette());
    QFont font;
    font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"),
                      QStringLiteral("Nimbus Sans"), QStringLiteral("DejaVu Sans")});
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(11);
    QApplication::setFont(font);
    // The whole window is Catalan, whatever the desktop's language: Qt's own words too, the
    // buttons of a message box and the menu of a text box.
    auto* qtInCatalan = new QTranslator(&application);
    if (qtInCatalan->load(QLocale(QLocale::Catalan), QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qtInCatalan);
    application.setApplicationName(QStringLiteral("descomposicio"));
    application.setApplicationDisplayName(QString());
}
