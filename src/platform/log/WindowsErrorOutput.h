#pragma once

namespace vistrel::windows {

// A windowed program has no console, so Qt logs to the debugger; when its standard error leads
// somewhere (a file, a pipe, a terminal), the log goes there instead, as on Linux. Call it before
// anything is logged.
void logToStandardErrorWhenRedirected();

// A command that answers in text (--check, --help, --version, a wrong option) writes to the
// console it was started from, in UTF-8, unless its output already leads somewhere. A plain start
// of the window, with at most a disc folder, leaves the console alone. Call it first.
void answerOnStartingConsole(int argc, char* argv[]);

} // namespace vistrel::windows
