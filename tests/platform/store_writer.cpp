// Writes the chosen language into the store named by its argument, switching between "old" and
// "new", until it is killed; tst_settingskill kills it at random moments.
#include "platform/settings/FileRegistry.h"

#include <cstdio>

using namespace vistrel;

int main(int argc, char** argv) {
    if (argc != 2)
        return 2;
    FileRegistry registry(QString::fromLocal8Bit(argv[1]), {});
    std::puts("writing");
    std::fflush(stdout);
    for (unsigned i = 0;; ++i) {
        registry.WriteRegistryValue(RegistryRoot::CurrentUser, "SOFTWARE\\Nordquill\\Vistrel",
                                    "Language", RegistryValue::fromText(i % 2 ? "old" : "new"));
    }
}
