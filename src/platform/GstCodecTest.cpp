#include "platform/GstCodecTest.h"

#include "platform/GstRuntime.h"

#include <cstdio>
#include <cstring>
#include <spawn.h>
#include <sys/wait.h>
#include <vector>

extern char** environ;

namespace vistrel {

std::function<bool()> startCodecTest() {
    char name[] = "vistrel";
    char argument[64] = {};
    std::snprintf(argument, sizeof argument, "%s", CodecTestArgument);
    char* argv[] = {name, argument, nullptr};
    // The program's log is the program's own: this process only answers.
    std::vector<char*> environment;
    for (char** entry = environ; *entry; ++entry)
        if (std::strncmp(*entry, "QT_LOGGING_RULES=", 17) != 0)
            environment.push_back(*entry);
    environment.push_back(nullptr);
    pid_t pid = 0;
    if (posix_spawn(&pid, "/proc/self/exe", nullptr, nullptr, argv, environment.data()) != 0)
        return gstreamerDecodesMpeg4Video;
    return [pid] {
        int status = 0;
        if (waitpid(pid, &status, 0) == pid && WIFEXITED(status) && WEXITSTATUS(status) <= 1)
            return WEXITSTATUS(status) == 0;
        return gstreamerDecodesMpeg4Video();
    };
}

int answerCodecTest() {
    return gstreamerDecodesMpeg4Video() ? 0 : 1;
}

} // namespace vistrel
