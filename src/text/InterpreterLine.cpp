#include "text/InterpreterLine.h"

namespace vistrel {

std::optional<InterpreterLine> readInterpreterLine(std::string_view text) {
    if (!text.starts_with("#!"))
        return std::nullopt;
    const std::string_view line = text.substr(2, text.find('\n') - 2);
    const std::size_t start = line.find_first_not_of(" \t");
    InterpreterLine read;
    if (start != std::string_view::npos) {
        const std::size_t end = line.find_first_of(" \t", start);
        read.interpreter = std::string(line.substr(start, end - start));
    }
    read.endsInCarriageReturn = line.ends_with('\r');
    return read;
}

} // namespace vistrel
