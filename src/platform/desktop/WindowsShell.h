#pragma once

#include <QString>
#include <QStringList>

namespace vistrel::windows {

// Starts a program through the shell without waiting, so that an installer that needs
// administrator rights gets its elevation prompt (a plain process start refuses it). The
// program is a path, never a command line; the arguments are quoted one by one.
bool shellStartProgram(const QString& program, const QStringList& arguments);
// The same with the rest of the command line given whole, as the program will parse it itself.
bool shellStartProgram(const QString& program, const QString& commandLine);

// Opens the folder in Explorer.
bool openFolderInExplorer(const QString& folder);

// Opens the file with the program Windows has for its kind, without asking the viewer to choose
// one; empty when opened, else why not ("no program opens this kind of file").
QString openWithItsProgram(const QString& file);

} // namespace vistrel::windows
