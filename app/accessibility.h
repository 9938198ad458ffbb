#pragma once

// Makes the screen reader read the widgets that draw their own text (the ladder columns and
// the labels before the factor rows) by what they show, and hear the window's notices.
// Every such widget calls it as it is made, so that it holds before anyone asks for one.
void installAccessibleInterfaces();
