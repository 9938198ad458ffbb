#include "childprocess.h"

#include "app/appearance.h"
#include "app/frm.h"
#include "app/textbox.h"
#include "barewindow.h"
#include "paintwatcher.h"

#include <QAction>
#include <QApplication>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QPushButton>
#include <QTest>

#include <cstdio>
#include <memory>

namespace {

const QString programArgument = QStringLiteral("--child=frm");
const QString bareArgument = QStringLiteral("--child=bare");

// The most resident memory the process has had, in KiB.
long peakResidentKiB() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    return -1;
}

void clickAndPaint(QWidget* window, const QString& button) {
    QTest::mouseClick(window->findChild<QPushButton*>(button), Qt::LeftButton);
    QCoreApplication::processEvents();
}

// Two decompositions with the longest ladder and the fullest row, both comparisons and
// "començar", through the window's own buttons and menu item.
bool exercise(frm& window) {
    window.findChild<QAction*>(QStringLiteral("mnurapid"))->trigger();
    window.findChild<TextBox*>(QStringLiteral("txt1"))->setText(QStringLiteral("510510"));
    window.findChild<TextBox*>(QStringLiteral("txt6"))->setText(QStringLiteral("2097152"));
    for (const char* button : {"cmd", "cmd1", "cmdMCD", "cmdMCM"})
        clickAndPaint(&window, QString::fromLatin1(button));
    const bool allDone = !window.findChild<QPushButton*>(QStringLiteral("cmdMCM"))->isEnabled() &&
                         !window.findChild<QPushButton*>(QStringLiteral("cmd1"))->isEnabled();
    window.findChild<QAction*>(QStringLiteral("mnucomençar"))->trigger();
    QCoreApplication::processEvents();
    return allDone;
}

} // namespace

bool isChildArgument(const char* argument) {
    const QString given = QString::fromLocal8Bit(argument);
    return given == programArgument || given.startsWith(bareArgument);
}

int runChild(int& argc, char** argv) {
    const QString which = QString::fromLocal8Bit(argv[1]);
    QApplication application(argc, argv);
    PaintWatcher watcher;
    std::unique_ptr<QMainWindow> window;
    QElapsedTimer clock;
    clock.start();
    if (which == programArgument) {
        setUpAppearance(application);
        window = std::make_unique<frm>();
    } else {
        const QStringList size = which.mid(bareArgument.size() + 1).split(u'x');
        window = createBareWindow(QSize(size.value(0).toInt(), size.value(1).toInt()));
    }
    window->show();
    if (!watcher.waitUntilPaintedWhole(*window)) {
        std::puts("error: the window did not paint whole");
        return 1;
    }
    std::printf("painted %.3f\n", clock.nsecsElapsed() / 1e6);
    std::fflush(stdout);
    if (auto* program = qobject_cast<frm*>(window.get()); program && !exercise(*program)) {
        std::puts("error: the exercise did not reach m.c.m");
        return 1;
    }
    std::printf("peak_kib %ld\n", peakResidentKiB());
    return 0;
}

ChildFigures measureInChild(ChildWindow window, const QSize& bareSize) {
    const QString argument = window == ChildWindow::Program ? programArgument
                                                            : QStringLiteral("%1=%2x%3")
                                                                  .arg(bareArgument)
                                                                  .arg(bareSize.width())
                                                                  .arg(bareSize.height());
    ChildFigures figures;
    QProcess child;
    QElapsedTimer clock;
    clock.start();
    child.start(QCoreApplication::applicationFilePath(), {argument});
    QByteArray output;
    const QDeadlineTimer deadline(60000);
    while (!deadline.hasExpired()) {
        if (!child.waitForReadyRead(1000) && child.state() == QProcess::NotRunning)
            break;
        output += child.readAllStandardOutput();
        if (figures.fromExecMs == 0 && output.contains("painted"))
            figures.fromExecMs = clock.nsecsElapsed() / 1e6;
        if (output.contains("peak_kib") || output.contains("error"))
            break;
    }
    child.waitForFinished(20000);
    output += child.readAllStandardOutput();
    const qsizetype painted = output.indexOf("painted ");
    const qsizetype peak = output.indexOf("peak_kib ");
    if (painted < 0 || peak < 0) {
        figures.error = QString::fromLocal8Bit(output + child.readAllStandardError()).trimmed();
        if (figures.error.isEmpty())
            figures.error = QStringLiteral("the child said nothing");
        return figures;
    }
    const auto numberAfter = [&](qsizetype at) {
        return output.mid(at).split('\n').first().split(' ').value(1).toDouble();
    };
    figures.windowMs = numberAfter(painted);
    figures.peakMiB = numberAfter(peak) / 1024;
    return figures;
}
