// Any bytes as a document: the breaks put in take nothing away, keep UTF-8 well-formed, and
// leave no run longer than the limit outside markup.
#include "text/BreakOpportunities.h"
#include "text/TextDecoding.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

using namespace vistrel;

namespace {

std::string withoutBreaks(std::string text) {
    const std::string_view mark = "\xE2\x80\x8B";
    for (auto at = text.find(mark); at != std::string::npos; at = text.find(mark, at))
        text.erase(at, mark.size());
    return text;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    for (const bool markup : {false, true}) {
        const std::string out = breakLongRuns(bytes, markup, 8);
        if (withoutBreaks(out) != withoutBreaks(std::string(bytes)))
            std::abort();
        if (isValidUtf8(bytes) && !isValidUtf8(out))
            std::abort();
    }
    return 0;
}
