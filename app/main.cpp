#include "app/appearance.h"
#include "app/frm.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    setUpAppearance(application);
    frm window;
    window.show();
    return application.exec();
}
