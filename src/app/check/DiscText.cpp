#include "app/check/DiscText.h"

#include "platform/disc/DiscFile.h"
#include "platform/disc/FilePaths.h"
#include "platform/disc/ReadIni.h"

namespace vistrel {

std::optional<std::string> readDiscText(const QString& configured) {
    // The program's own limit: what it would not read is not checked as if it were.
    const DiscFileBytes read = readDiscFile(resolvePath(configured), ProfileFileLimit);
    if (!read.read())
        return std::nullopt;
    return read.bytes.toStdString();
}

} // namespace vistrel
