#pragma once

class QApplication;

// One look on every desktop: a light palette and fonts close to those the window was
// drawn with, so that the layout and its colours hold wherever the program runs.
void setUpAppearance(QApplication& application);
