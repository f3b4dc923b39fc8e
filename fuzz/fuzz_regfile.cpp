// Any bytes as a registry store file: parsing must neither fail nor hang, and
// whatever parses must write out text that reads back to the same hive.
#include "platform/RegFile.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

using namespace vistrel;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto hive = RegHive::parse(text);
    if (!hive) {
        return 0;
    }
    const std::string written = hive->serialize();
    const auto reread = RegHive::parse(written);
    if (!reread || !(*reread == *hive) || reread->serialize() != written) {
        std::abort();
    }
    return 0;
}
