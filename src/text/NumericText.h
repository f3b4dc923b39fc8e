#pragma once

#include <optional>
#include <string_view>

namespace vistrel {

// The platform's test whether text reads as a number: blanks around it, an
// optional sign, digits with at most one decimal point (at least one digit),
// and an optional exponent ("1e3", "2.5E-2"). Empty or blank text is not a
// number.
bool isNumericText(std::string_view text);

// The value of numeric text; nothing when isNumericText() is false. Independent
// of the process locale: the decimal point is always '.'.
std::optional<double> numericValue(std::string_view text);

} // namespace vistrel
