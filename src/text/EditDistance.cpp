#include "text/EditDistance.h"

#include <algorithm>
#include <cctype>
#include <numeric>
#include <vector>

namespace vistrel {

namespace {

bool sameLetter(char a, char b) {
    return std::tolower(static_cast<unsigned char>(a)) ==
           std::tolower(static_cast<unsigned char>(b));
}

} // namespace

std::size_t editDistance(std::string_view first, std::string_view second) {
    // One row of the usual table at a time.
    std::vector<std::size_t> row(second.size() + 1);
    std::iota(row.begin(), row.end(), std::size_t{0});
    for (std::size_t i = 1; i <= first.size(); ++i) {
        std::size_t diagonal = row[0];
        row[0] = i;
        for (std::size_t j = 1; j <= second.size(); ++j) {
            const std::size_t above = row[j];
            const std::size_t cost = sameLetter(first[i - 1], second[j - 1]) ? 0 : 1;
            row[j] = std::min({above + 1, row[j - 1] + 1, diagonal + cost});
            diagonal = above;
        }
    }
    return row[second.size()];
}

std::string closestName(std::string_view name, const std::vector<std::string>& candidates) {
    std::size_t best = std::max<std::size_t>(2, name.size() / 3) + 1;
    std::string closest;
    for (const std::string& candidate : candidates) {
        const std::size_t distance = editDistance(name, candidate);
        if (distance < best) {
            best = distance;
            closest = candidate;
        }
    }
    return closest;
}

} // namespace vistrel
