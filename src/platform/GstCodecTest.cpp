#include "platform/GstCodecTest.h"

#include "platform/GstRuntime.h"

#include <QLoggingCategory>

#include <cstdio>
#include <spawn.h>
#include <sys/wait.h>

extern char** environ;

namespace vistrel {

std::function<bool()> startCodecTest() {
    char name[] = "vistrel";
    char argument[64] = {};
    std::snprintf(argument, sizeof argument, "%s", CodecTestArgument);
    char* argv[] = {name, argument, nullptr};
    pid_t pid = 0;
    if (posix_spawn(&pid, "/proc/self/exe", nullptr, nullptr, argv, environ) != 0)
        return gstreamerDecodesMpeg4Video;
    return [pid] {
        int status = 0;
        if (waitpid(pid, &status, 0) == pid && WIFEXITED(status) && WEXITSTATUS(status) <= 1)
            return WEXITSTATUS(status) == 0;
        return gstreamerDecodesMpeg4Video();
    };
}

int answerCodecTest() {
    // The program's log is the program's: this process only answers.
    QLoggingCategory::setFilterRules("vistrel.*=false");
    return gstreamerDecodesMpeg4Video() ? 0 : 1;
}

} // namespace vistrel
