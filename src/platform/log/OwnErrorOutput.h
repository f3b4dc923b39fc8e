#pragma once

namespace vistrel {

// From now on standard error carries only the program's own log (the vistrel.* categories) and
// fatal errors: what other libraries write there (the media framework's warnings, Qt's own
// messages) goes nowhere. For output meant for a person, such as a disc check's.
void keepStandardErrorToOwnLog();

} // namespace vistrel
