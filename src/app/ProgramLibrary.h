#pragma once

namespace vistrel {

// On Windows the program's code is a library in the disc's hidden folder, beside the Qt and
// FFmpeg DLLs it needs and its plugins; vistrel.exe at the disc's root loads it from there and
// calls its entry with the command line (WindowsLauncherMain.cpp, main.cpp).
inline constexpr const wchar_t* ProgramLibraryFolder = L".vistrel\\windows\\";
inline constexpr const wchar_t* ProgramLibraryName = L"vistrel.dll";
inline constexpr const char* ProgramEntryName = "vistrelMain";
using ProgramEntry = int (*)(int argc, char* argv[]);

} // namespace vistrel
