#pragma once

#include <QSize>

#include <memory>

class QMainWindow;

// The toolkit's floor for the window: a main window with nothing but a menu bar carrying
// the same four items ("començar", and "velocitat" with "lent" and "rapid"), as large as the
// window it stands beside, since painting more pixels costs more.
std::unique_ptr<QMainWindow> createBareWindow(const QSize& size);
