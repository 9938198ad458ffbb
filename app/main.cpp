#include "app/appearance.h"
#include "app/frm.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    // The same icon and id as the installed desktop entry, so that the task bar shows the
    // icon and a Wayland desktop ties the window to its entry.
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/" DESKTOP_ID ".svg")));
    QGuiApplication::setDesktopFileName(QStringLiteral(DESKTOP_ID));
    setUpAppearance(application);
    frm window;
    window.show();
    return application.exec();
}
