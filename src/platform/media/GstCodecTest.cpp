#include "platform/media/GstCodecTest.h"

#include <cstdio>
#include <cstring>
#include <fstream>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace vistrel {

namespace {

// The program's own folder, ending in '/'; empty if it cannot be told.
std::string programFolder() {
    char self[4096] = {};
    const ssize_t length = readlink("/proc/self/exe", self, sizeof self - 1);
    if (length <= 0)
        return {};
    const std::string path(self, std::size_t(length));
    return path.substr(0, path.rfind('/') + 1);
}

// The small program where it lies beside this one (a build, a disc) or in the installed
// program's libexec folder, else this program with the argument.
std::vector<std::string> codecTestCommand(const std::string& folder) {
    if (!folder.empty())
        for (const std::string& helper :
             {folder + CodecTestProgram, folder + "../libexec/vistrel/" + CodecTestProgram})
            if (access(helper.c_str(), X_OK) == 0)
                return {helper};
    return {"/proc/self/exe", CodecTestArgument};
}

} // namespace

std::optional<bool> codecTestAnswerIn(const std::string& folder) {
    std::ifstream file(folder + CodecTestAnswerFile, std::ios::binary);
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

std::function<bool()> startCodecTest(std::function<bool()> askHere) {
    const std::string folder = programFolder();
    if (!folder.empty())
        if (const std::optional<bool> known = codecTestAnswerIn(folder))
            return [answer = *known] { return answer; };
    std::vector<std::string> command = codecTestCommand(folder);
    std::vector<char*> argv;
    for (std::string& word : command)
        argv.push_back(word.data());
    argv.push_back(nullptr);
    // The program's log is the program's own: this process only answers.
    std::vector<char*> environment;
    for (char** entry = environ; *entry; ++entry)
        if (std::strncmp(*entry, "QT_LOGGING_RULES=", 17) != 0)
            environment.push_back(*entry);
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
