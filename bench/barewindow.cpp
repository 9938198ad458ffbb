#include "barewindow.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

std::unique_ptr<QMainWindow> createBareWindow(const QSize& size) {
    auto window = std::make_unique<QMainWindow>();
    window->setWindowTitle(QStringLiteral("Descomposició factorial"));
    window->menuBar()->addAction(QStringLiteral("començar"));
    QMenu* velocitat = window->menuBar()->addMenu(QStringLiteral("velocitat"));
    for (const char* speed : {"lent", "rapid"})
        velocitat->addAction(QString::fromLatin1(speed))->setCheckable(true);
    window->resize(size);
    return window;
}
