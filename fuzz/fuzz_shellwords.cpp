// Any bytes as the external player's parameter: splitting must neither fail nor hang, and the
// words, each put back in single quotes, must split again into the very same words.
#include "text/ShellWords.h"

#include <cstdint>
#include <cstdlib>
#include <string>

using namespace vistrel;

namespace {

std::string singleQuoted(const std::string& word) {
    std::string quoted = "'";
    for (const char c : word) {
        if (c == '\'')
            quoted += "'\\''";
        else
            quoted += c;
    }
    return quoted + "'";
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const auto words = splitShellWords(text);
    std::string requoted;
    for (const std::string& word : words)
        requoted += singleQuoted(word) + " ";
    if (splitShellWords(requoted) != words)
        std::abort();
    return 0;
}
