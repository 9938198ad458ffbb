#include "fastclock.h"

#include "app/appearance.h"
#include "app/frm.h"
#include "app/picturearea.h"

#include <QAction>
#include <QApplication>
#include <QPushButton>
#include <QTimer>

#include <cstdio>

// The program as main runs it, but driven: a slow decomposition of 250 starts, and the
// window is closed while the ladder is being drawn. The program must then end by itself,
// as when a pupil closes the window mid-run, with the status the event loop returns.
// What it saw is printed for closemidrun.cmake to check. With --local-clock the pauses
// follow the computer's clock instead of a fast fake one; with --step-by-step the run is in
// "pas a pas" and the window is closed while it waits for the teacher.
int main(int argc, char* argv[]) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    setUpAppearance(application);
    const FastClock fastClock;
    const bool onLocalClock = application.arguments().contains(QStringLiteral("--local-clock"));
    frm window(onLocalClock ? frm::localClock() : fastClock);
    auto* cmd = window.findChild<QPushButton*>(QStringLiteral("cmd"));
    const auto* divisors = window.findChild<PictureArea*>(QStringLiteral("pic2"));
    const auto* quotients = window.findChild<PictureArea*>(QStringLiteral("pic1"));
    auto* stepByStep = window.findChild<QAction*>(QStringLiteral("mnupasapas"));
    if (!cmd || !divisors || !quotients || !stepByStep)
        return 2;
    // Nobody presses a key: the first wait lasts until the close.
    const bool waitForTeacher = application.arguments().contains(QStringLiteral("--step-by-step"));
    if (waitForTeacher)
        stepByStep->trigger();
    window.show();

    QTimer::singleShot(0, cmd, &QPushButton::click);
    QTimer closer;
    closer.setInterval(1);
    QObject::connect(&closer, &QTimer::timeout, &window, [&] {
        if (!window.isRunning() || (waitForTeacher ? quotients : divisors)->lines().isEmpty())
            return;
        closer.stop();
        std::printf("closing the window during the run, with %d divisor lines drawn\n",
                    static_cast<int>(divisors->lines().size()));
        std::fflush(stdout);
        window.close();
    });
    closer.start();

    const int status = application.exec();
    std::printf("the event loop ended with status %d, with %d divisor lines drawn\n", status,
                static_cast<int>(divisors->lines().size()));
    return status;
}
