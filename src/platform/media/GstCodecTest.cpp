#include "platform/media/GstCodecTest.h"

#include "platform/process/ProgramFolder.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fstream>
#include <spawn.h>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

#ifndef VISTREL_HELPER_DIR
#define VISTREL_HELPER_DIR "../libexec/vistrel"
#endif

namespace vistrel {

namespace {

// The small program where it lies beside this one (a build, a disc) or in the installed
// program's helper folder, else this program with the argument.
std::vector<std::string> codecTestCommand() {
    const std::string helper = besideProgram(CodecTestProgram, {VISTREL_HELPER_DIR});
    if (!helper.empty() && access(helper.c_str(), X_OK) == 0)
        return {helper};
    return {"/proc/self/exe", CodecTestArgument};
}

} // namespace

std::optional<bool> readCodecTestAnswer(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    // A word and a line end are all it may hold; anything else is no answer.
    char text[8] = {};
    file.read(text, sizeof text);
    const std::string content(text, std::size_t(file.gcount()));
    if (content == "yes\n" || content == "yes")
        return true;
    if (content == "no\n" || content == "no")
        return false;
    return std::nullopt;
}

namespace {

bool isFile(const std::string& path) {
    struct stat info {};
    return stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

std::string environmentValue(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

// The registry's name carries GStreamer's processor name: any one of them will do.
bool folderHasRegistry(const std::string& folder) {
    DIR* dir = opendir(folder.c_str());
    if (!dir)
        return false;
    bool found = false;
    while (const dirent* entry = readdir(dir)) {
        const std::string name = entry->d_name;
        if (name.rfind("registry.", 0) == 0 && name.size() > 13 &&
            name.compare(name.size() - 4, 4, ".bin") == 0 && isFile(folder + "/" + name)) {
            found = true;
            break;
        }
    }
    closedir(dir);
    return found;
}

} // namespace

bool pluginRegistryExists() {
    for (const char* variable : {"GST_REGISTRY_1_0", "GST_REGISTRY"}) {
        const std::string named = environmentValue(variable);
        if (!named.empty())
            return isFile(named);
    }
    std::string cache = environmentValue("XDG_CACHE_HOME");
    if (cache.empty())
        cache = environmentValue("HOME") + "/.cache";
    return folderHasRegistry(cache + "/gstreamer-1.0");
}

std::function<bool()> startCodecTest(std::function<bool()> askHere) {
    const std::string answerFile = besideProgram(CodecTestAnswerFile);
    if (!answerFile.empty())
        if (const std::optional<bool> known = readCodecTestAnswer(answerFile))
            return [answer = *known] { return answer; };
    std::vector<std::string> command = codecTestCommand();
    std::vector<char*> argv;
    for (std::string& word : command)
        argv.push_back(word.data());
    argv.push_back(nullptr);
    // The program's log is the program's own: this process only answers. It never updates the
    // registry (the player does, once something plays) nor builds one: the window waits for it.
    std::vector<char*> environment;
    for (char** entry = environ; *entry; ++entry)
        if (std::strncmp(*entry, "QT_LOGGING_RULES=", 17) != 0 &&
            std::strncmp(*entry, "GST_REGISTRY_UPDATE=", 20) != 0 &&
            std::strncmp(*entry, "GST_REGISTRY_DISABLE=", 21) != 0)
            environment.push_back(*entry);
    static char noUpdate[] = "GST_REGISTRY_UPDATE=no";
    static char noRegistry[] = "GST_REGISTRY_DISABLE=yes";
    environment.push_back(pluginRegistryExists() ? noUpdate : noRegistry);
    environment.push_back(nullptr);
    pid_t pid = 0;
    if (posix_spawn(&pid, argv[0], nullptr, nullptr, argv.data(), environment.data()) != 0)
        return askHere;
    return [pid, askHere = std::move(askHere)] {
        int status = 0;
        if (waitpid(pid, &status, 0) == pid && WIFEXITED(status) && WEXITSTATUS(status) <= 1)
            return WEXITSTATUS(status) == 0;
        return askHere();
    };
}

} // namespace vistrel
