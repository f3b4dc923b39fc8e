#pragma once

#include "platform/settings/Registry.h"

namespace vistrel {

// The registry of a platform without one: each root is a file in the registry export format.
// The per-user hive is written atomically; the machine hive is only read.
class FileRegistry : public Registry {
  public:
    FileRegistry(QString currentUserFile, QString localMachineFile);
    // The hives where the desktop keeps per-user and machine-wide configuration.
    static FileRegistry forThisUser();

    RegistryValue ReadRegistryValue(RegistryRoot root, const QString& keyPath,
                                    const QString& valueName) override;
    void WriteRegistryValue(RegistryRoot root, const QString& keyPath, const QString& valueName,
                            const RegistryValue& value) override;

    QString hiveFile(RegistryRoot root) const;

  private:
    QString currentUserFile_;
    QString localMachineFile_;
};

} // namespace vistrel
