#pragma once

#include <QCoreApplication>
#include <QString>

// Every text the window shows passes through here, in the window's context: Catalan is the
// source language, so without a translation loaded the text stays as written.
inline QString translated(const char* text) {
    return QCoreApplication::translate("frm", text);
}
