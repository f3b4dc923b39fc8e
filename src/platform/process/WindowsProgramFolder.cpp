#include "platform/process/ProgramFolder.h"

#include <vector>

#include <windows.h>

namespace vistrel {

// The folder of the library that holds the program's code (vistrel.dll, below the disc's root),
// not of the executable that loaded it: the program's own files lie beside its code.
std::string programFolder() {
    HMODULE self = nullptr;
    if (!GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS |
                                GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                            reinterpret_cast<LPCWSTR>(&programFolder), &self))
        return {};
    std::vector<wchar_t> path(MAX_PATH);
    for (;;) {
        const DWORD length = GetModuleFileNameW(self, path.data(), DWORD(path.size()));
        if (length == 0)
            return {};
        if (length < path.size())
            break;
        path.resize(path.size() * 2);
    }
    return utf8OfPath(std::filesystem::path(path.data()).parent_path()) + '/';
}

} // namespace vistrel
