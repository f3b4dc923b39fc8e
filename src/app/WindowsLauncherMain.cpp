// vistrel.exe, the one program file at the disc's root for Windows. Windows looks for a program's
// DLLs beside the program, which would put the Qt and FFmpeg DLLs at the root beside the author's
// files; this small launcher instead adds the hidden folder that holds them to where DLLs are
// looked for, loads the program's library from there and runs it in this same process (a second
// process would cost a start of its own). It uses nothing but the system's own DLLs.
#include "app/ProgramLibrary.h"

#include <cstdlib>
#include <cwchar>

#include <windows.h>

namespace {

using vistrel::ProgramLibraryFolder;
using vistrel::ProgramLibraryName;

constexpr DWORD LongestPath = 32768;
wchar_t programFolder[LongestPath];
wchar_t programLibrary[LongestPath];

// The hidden folder below this executable's own, with its trailing backslash.
bool findProgramFolder() {
    const DWORD length = GetModuleFileNameW(nullptr, programFolder, LongestPath);
    if (length == 0 || length >= LongestPath)
        return false;
    wchar_t* separator = std::wcsrchr(programFolder, L'\\');
    if (!separator)
        return false;
    separator[1] = L'\0';
    return std::wcslen(programFolder) + std::wcslen(ProgramLibraryFolder) +
               std::wcslen(ProgramLibraryName) <
           LongestPath;
}

bool standardErrorLeadsSomewhere() {
    const HANDLE error = GetStdHandle(STD_ERROR_HANDLE);
    return error != nullptr && error != INVALID_HANDLE_VALUE &&
           GetFileType(error) != FILE_TYPE_UNKNOWN;
}

// On the terminal where there is one (a disc check), else in a message box.
int cannotStart(const wchar_t* missing) {
    wchar_t text[LongestPath + 256];
    std::swprintf(text, sizeof text / sizeof text[0],
                  L"Vistrel cannot start: %ls is missing or cannot be loaded (Windows error %lu). "
                  L"Copy the whole disc, with its hidden folder .vistrel.",
                  missing, GetLastError());
    if (standardErrorLeadsSomewhere()) {
        std::fwprintf(stderr, L"vistrel: %ls\n", text);
        return 1;
    }
    MessageBoxW(nullptr, text, L"Vistrel", MB_OK | MB_ICONERROR);
    return 1;
}

} // namespace

int main() {
    if (!findProgramFolder())
        return cannotStart(L"the program's own folder");
    std::wcscat(programFolder, ProgramLibraryFolder);
    std::wcscpy(programLibrary, programFolder);
    std::wcscat(programLibrary, ProgramLibraryName);
    // The program's DLLs, and those of the plugins and the player it loads later, are looked for
    // in the hidden folder as well as in the system's; the working folder is left out.
    SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_DEFAULT_DIRS);
    AddDllDirectory(programFolder);
    const HMODULE program =
        LoadLibraryExW(programLibrary, nullptr,
                       LOAD_LIBRARY_SEARCH_DLL_LOAD_DIR | LOAD_LIBRARY_SEARCH_DEFAULT_DIRS);
    if (!program)
        return cannotStart(programLibrary);
    const auto entry = reinterpret_cast<vistrel::ProgramEntry>(
        reinterpret_cast<void*>(GetProcAddress(program, vistrel::ProgramEntryName)));
    if (!entry)
        return cannotStart(programLibrary);
    // The C runtime's own arguments: Qt reads the whole command line again where they are these.
    return entry(__argc, __argv);
}
