// Any bytes as a page: the scan ends (libFuzzer's time-out catches a slow one), its figures
// agree with each other, and a scan with limits stops beyond them, or agrees with the full scan
// when the page is within them.
#include "text/HtmlShape.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

using namespace vistrel;

namespace {

bool equal(const HtmlShape& a, const HtmlShape& b) {
    return a.depth == b.depth && a.tableDepth == b.tableDepth && a.elements == b.elements;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view html(reinterpret_cast<const char*>(data), size);
    const HtmlShape full = measureHtmlShape(html);
    if (full.tableDepth > full.depth || full.depth > full.elements || full.elements > size)
        std::abort();
    const HtmlShape limits{3, 1, 5};
    const HtmlShape limited = measureHtmlShape(html, limits);
    if (exceeds(full, limits) ? !exceeds(limited, limits) : !equal(limited, full))
        std::abort();
    return 0;
}
