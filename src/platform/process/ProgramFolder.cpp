#include "platform/process/ProgramFolder.h"

#include <filesystem>
#include <system_error>
#include <unistd.h>
#include <vector>

namespace vistrel {

std::string programFolder() {
    char self[4096] = {};
    const ssize_t length = readlink("/proc/self/exe", self, sizeof self - 1);
    if (length <= 0)
        return {};
    const std::string path(self, std::size_t(length));
    return path.substr(0, path.rfind('/') + 1);
}

std::string findBeside(const std::string& folder, const std::string& name,
                       std::initializer_list<const char*> relativeFolders) {
    if (folder.empty())
        return {};
    const std::filesystem::path base(folder);
    std::vector<std::filesystem::path> candidates{base / name};
    for (const char* relative : relativeFolders)
        candidates.push_back(base / relative / name);
    for (const std::filesystem::path& candidate : candidates) {
        std::error_code error;
        if (std::filesystem::is_regular_file(candidate, error))
            return candidate.lexically_normal().string();
    }
    return {};
}

} // namespace vistrel
