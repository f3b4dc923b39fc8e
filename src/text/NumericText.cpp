#include "text/NumericText.h"
#include "text/TrimText.h"

#include <charconv>
#include <string>

namespace vistrel {

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

std::string_view trimBlanks(std::string_view text) {
    return trimIf(text, isBlank);
}

std::size_t skipDigits(std::string_view text, std::size_t pos) {
    while (pos < text.size() && isDigit(text[pos])) {
        ++pos;
    }
    return pos;
}

std::size_t skipSign(std::string_view text, std::size_t pos) {
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        ++pos;
    }
    return pos;
}

// Checks the whole trimmed text against: sign? digits* ('.' digits*)? (e sign? digits+)?
bool matchesNumber(std::string_view text) {
    std::size_t pos = skipSign(text, 0);
    const std::size_t integerStart = pos;
    pos = skipDigits(text, pos);
    std::size_t digitCount = pos - integerStart;
    if (pos < text.size() && text[pos] == '.') {
        const std::size_t fractionStart = ++pos;
        pos = skipDigits(text, pos);
        digitCount += pos - fractionStart;
    }
    if (digitCount == 0) {
        return false;
    }
    if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
        pos = skipSign(text, pos + 1);
        const std::size_t exponentStart = pos;
        pos = skipDigits(text, pos);
        if (pos == exponentStart) {
            return false;
        }
    }
    return pos == text.size();
}

} // namespace

std::optional<double> numericValue(std::string_view text) {
    std::string_view number = trimBlanks(text);
    if (!matchesNumber(number)) {
        return std::nullopt;
    }
    // from_chars takes neither a '+' nor a locale, which is what we want.
    bool negative = false;
    if (number.front() == '+' || number.front() == '-') {
        negative = number.front() == '-';
        number.remove_prefix(1);
    }
    double value = 0.0;
    const auto result = std::from_chars(number.data(), number.data() + number.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        // Too small to hold is zero; too large is no number at all, as the
        // platform's own conversion overflows there.
        if (number.find("e-") == std::string_view::npos &&
            number.find("E-") == std::string_view::npos) {
            return std::nullopt;
        }
        value = 0.0;
    }
    return negative ? -value : value;
}

bool isNumericText(std::string_view text) {
    return numericValue(text).has_value();
}

} // namespace vistrel
