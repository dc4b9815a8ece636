#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace corvanta {

// Reads the text of a box as a whole number of servings.
//
// Accepted: blanks (spaces or tabs) before and after; an optional sign, '-' or '+'; decimal
// digits with an optional period and fraction digits, at least one digit in all ("5.", ".5" and
// "-0.5" are numbers). The value is rounded to the nearest whole number, a value exactly halfway
// going to the even neighbour, and must then lie in -32768..32767. Everything else is not a
// count: the empty text, blanks only, a lone sign or period, letters, exponents, thousands
// separators, a comma as decimal mark, any character outside ASCII. The rules are the program's
// own and do not depend on the user's locale.
std::optional<std::int16_t> parseCount(std::string_view text) noexcept;

// As parseCount, but throws the not-a-count failure where the text is not a count.
std::int16_t textToCount(std::string_view text);

} // namespace corvanta
