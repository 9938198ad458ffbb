#pragma once

class QApplication;

// One look and one language on every desktop: a light palette and fonts close to those the
// window was drawn with, so that the layout and its colours hold wherever the program
// runs, and Qt's own words in Catalan.
void setUpAppearance(QApplication& application);
