#pragma once

#include <cstddef>
#include <limits>
#include <string_view>

namespace vistrel {

// How deep and how large a page's element tree is, as the rich-text view would build it. The
// view's time grows with depth times size, and deeply nested tables overflow its stack, so a
// page is measured before it is handed over.
struct HtmlShape {
    std::size_t depth = 0;      // elements on the longest path from the outside in
    std::size_t tableDepth = 0; // tables on that kind of path: tables inside table cells
    std::size_t elements = 0;   // start tags, and the tables and rows a stray cell implies
};

constexpr HtmlShape NoHtmlLimits{std::numeric_limits<std::size_t>::max(),
                                 std::numeric_limits<std::size_t>::max(),
                                 std::numeric_limits<std::size_t>::max()};

// True when one figure of shape is beyond the same figure of limits.
bool exceeds(const HtmlShape& shape, const HtmlShape& limits);

// One pass over the markup, in time linear in its length. Tags, end tags (an end tag closes the
// nearest open element of its name and those inside it; one without an open element is
// ignored), `/>` and void elements, comments, declarations and quoted attribute values are
// told apart; a tag left open stays open. The elements that close themselves in the view
// (a paragraph, list item, row or cell starting beside one of its kind) are closed likewise.
// The scan stops once the shape exceeds limits, giving the figures reached at that point.
HtmlShape measureHtmlShape(std::string_view html, const HtmlShape& limits = NoHtmlLimits);

} // namespace vistrel
