#pragma once

#include <QSize>
#include <QString>

// Peak memory only grows, and the first window of a process pays for loading what every
// later one shares: so the window and the bare one are each measured in a process of their
// own, this executable started again with a child argument.
struct ChildFigures {
    double windowMs = 0;   // from constructing the window to its painting whole, inside the
                           // child; for the program, setting up its appearance first
    double fromExecMs = 0; // from starting the process to the window painted whole
    double peakMiB = 0;    // the process's peak resident memory once the exercise is done
    QString error;         // empty when the child did all it should
};

enum class ChildWindow { Program, Bare };

// Runs a child for that window and reads its figures. The bare window takes the size given.
ChildFigures measureInChild(ChildWindow window, const QSize& bareSize);

// The child's part, when the first argument asks for it: shows the window, tells when it
// is painted whole, exercises it (two decompositions, m.c.d., m.c.m, començar) and reports
// the peak memory. Nothing when the argument is not a child argument.
bool isChildArgument(const char* argument);
int runChild(int& argc, char** argv);
