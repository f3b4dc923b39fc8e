#include "platform/process/ProgramFolder.h"

#include <filesystem>
#include <system_error>
#include <vector>

namespace vistrel {

std::filesystem::path pathFromUtf8(const std::string& text) {
    return std::filesystem::path(std::u8string(text.begin(), text.end()));
}

std::string utf8OfPath(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

std::string findBeside(const std::string& folder, const std::string& name,
                       std::initializer_list<const char*> relativeFolders) {
    if (folder.empty())
        return {};
    const std::filesystem::path base = pathFromUtf8(folder);
    std::vector<std::filesystem::path> candidates{base / name};
    for (const char* relative : relativeFolders)
        candidates.push_back(base / relative / name);
    for (const std::filesystem::path& candidate : candidates) {
        std::error_code error;
        if (std::filesystem::is_regular_file(candidate, error))
            return utf8OfPath(candidate.lexically_normal());
    }
    return {};
}

} // namespace vistrel
