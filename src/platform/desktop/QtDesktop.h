#pragma once

#include "platform/desktop/Desktop.h"

namespace vistrel {

// Programs start detached and never through a shell; folders, files and links go to the
// desktop.
class QtDesktop : public Desktop {
  protected:
    bool doStartProgram(const QString& program, const QStringList& arguments) override;
    bool doStartProgramWithParameter(const QString& program, const QString& parameter) override;
    void doOpenFolder(const QString& path, NotOpened notOpened) override;
    void doOpenFile(const QString& path, NotOpened notOpened) override;
    void doOpenUrl(const QUrl& url) override;
};

} // namespace vistrel
