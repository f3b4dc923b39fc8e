#pragma once

#include "platform/settings/Registry.h"

namespace vistrel {

// The real registry of Windows.
class WindowsRegistry : public Registry {
  public:
    RegistryValue ReadRegistryValue(RegistryRoot root, const QString& keyPath,
                                    const QString& valueName) override;
    void WriteRegistryValue(RegistryRoot root, const QString& keyPath, const QString& valueName,
                            const RegistryValue& value) override;
};

} // namespace vistrel
