#include "platform/settings/Detection.h"

#include "platform/settings/Registry.h"

namespace vistrel {

bool DetectCodec(Registry& registry) {
    const RegistryValue driver = registry.ReadRegistryValue(
        RegistryRoot::LocalMachine,
        "SYSTEM\\CurrentControlSet\\Control\\MediaResources\\icm\\vidc.DIV3", "Driver");
    const RegistryValue description = registry.ReadRegistryValue(
        RegistryRoot::LocalMachine, "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\drivers.desc",
        "DivXc32.dll");
    return !driver.isEmpty() || !description.isEmpty();
}

bool DetectPlayer(Registry& registry) {
    return !registry
                .ReadRegistryValue(RegistryRoot::LocalMachine, "SOFTWARE\\DVE\\Micro DVD Player",
                                   "INILocation")
                .isEmpty();
}

} // namespace vistrel
