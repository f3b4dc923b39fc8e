#include "platform/media/GstCodecTest.h"

#include "platform/process/ProgramFolder.h"

#include <cstdio>
#include <cstring>
#include <fstream>
#include <spawn.h>
#include <string>
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
