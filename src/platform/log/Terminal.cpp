#include "platform/log/Terminal.h"

#include <cstdio>

namespace vistrel {

void sayOnTerminal(const QString& line) {
    const QByteArray bytes = (line + '\n').toUtf8();
    std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), stdout);
    std::fflush(stdout);
}

} // namespace vistrel
