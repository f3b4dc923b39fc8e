// A stand-in for an installer or a player on a test disc: notes how it was started (its whole
// command line, the window state it was asked for, its arguments as the C runtime splits them)
// in a file beside itself, its own name with ".started" appended, then ends.
#include <windows.h>

#include <shellapi.h>

#include <cstdio>
#include <string>

namespace {

std::string utf8(const wchar_t* text) {
    const int size = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    std::string result(size > 0 ? size : 1, '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, -1, result.data(), size, nullptr, nullptr);
    result.resize(result.size() - 1);
    return result;
}

// The show state its starter asked for; -1 when it asked for none.
int askedShowState() {
    STARTUPINFOW info = {};
    info.cb = sizeof(info);
    GetStartupInfoW(&info);
    return (info.dwFlags & STARTF_USESHOWWINDOW) ? info.wShowWindow : -1;
}

} // namespace

int main() {
    wchar_t self[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    const std::wstring recordPath = std::wstring(self) + L".started";
    FILE* record = _wfopen(recordPath.c_str(), L"wb");
    if (!record)
        return 1;
    const wchar_t* commandLine = GetCommandLineW();
    std::fprintf(record, "command line: %s\nshow: %d\n", utf8(commandLine).c_str(),
                 askedShowState());
    int count = 0;
    wchar_t** arguments = CommandLineToArgvW(commandLine, &count);
    for (int i = 0; arguments && i < count; ++i)
        std::fprintf(record, "argument: %s\n", utf8(arguments[i]).c_str());
    LocalFree(arguments);
    std::fclose(record);
    return 0;
}
