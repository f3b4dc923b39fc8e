#pragma once

#include <filesystem>
#include <initializer_list>
#include <string>

namespace vistrel {

// Paths are kept as UTF-8 text here, on every system.
std::filesystem::path pathFromUtf8(const std::string& text);
std::string utf8OfPath(const std::filesystem::path& path);

// The running program's own folder, ending in '/': told from the program's code itself, so that
// it is known before (and without) an application object. On Windows the folder of the library
// that holds the program (vistrel.exe at the disc's root only loads it). Empty when it cannot be
// told.
std::string programFolder();

// The regular file called name in folder, else in the first of the folders relative to it that
// has one; the path cleaned. Empty when none has it (or folder is empty).
std::string findBeside(const std::string& folder, const std::string& name,
                       std::initializer_list<const char*> relativeFolders = {});

// A file the program brings: beside the program in a build or on a disc, and in one of its own
// folders (relative to bin/) once installed.
inline std::string besideProgram(const std::string& name,
                                 std::initializer_list<const char*> installedIn = {}) {
    return findBeside(programFolder(), name, installedIn);
}

} // namespace vistrel
