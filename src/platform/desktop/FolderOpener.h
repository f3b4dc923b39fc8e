#pragma once

#include <QString>

#include <functional>

namespace vistrel {

// A folder shown in the desktop's file manager on a freedesktop desktop: through the file
// manager's own bus service when one runs, else through xdg-open. Failure is told through
// notOpened once the desktop has answered: no file manager, an opener that cannot start or that
// ends in failure (its errors are kept for the reason, not printed).
void openFolderOnDesktop(const QString& folder, std::function<void(const QString&)> notOpened);

// A file opened with the desktop's program for its kind, through xdg-open; failure, also that no
// program opens such a file, is told the same way.
void openFileOnDesktop(const QString& file, std::function<void(const QString&)> notOpened);

} // namespace vistrel
