#include "platform/GstCodecTest.h"

#include <cstdio>
#include <cstring>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace vistrel {

namespace {

// The small program where it lies beside this one (a build, a disc) or in the installed
// program's libexec folder, else this program with the argument.
std::vector<std::string> codecTestCommand() {
    char self[4096] = {};
    const ssize_t length = readlink("/proc/self/exe", self, sizeof self - 1);
    if (length > 0) {
        const std::string path(self, std::size_t(length));
        const std::string folder = path.substr(0, path.rfind('/') + 1);
        for (const std::string& helper :
             {folder + CodecTestProgram, folder + "../libexec/vistrel/" + CodecTestProgram})
            if (access(helper.c_str(), X_OK) == 0)
                return {helper};
    }
    return {"/proc/self/exe", CodecTestArgument};
}

} // namespace

std::function<bool()> startCodecTest(std::function<bool()> askHere) {
    std::vector<std::string> command = codecTestCommand();
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
