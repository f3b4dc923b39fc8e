#pragma once

namespace vistrel::windows {

// A windowed program has no console, so Qt logs to the debugger; when its standard error leads
// somewhere (a file, a pipe, a terminal), the log goes there instead, as on Linux. Call it before
// anything is logged.
void logToStandardErrorWhenRedirected();

} // namespace vistrel::windows
