#include "core/CountConversion.h"

#include "core/Failure.h"

#include <algorithm>
#include <limits>

namespace corvanta {
namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

std::string_view trimBlanks(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && isBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

// Anything above this magnitude is out of range whatever its fraction; capping the whole part
// there keeps arbitrarily long digit runs from overflowing.
constexpr std::int64_t kMagnitudeCap = 1'000'000;

} // namespace

std::optional<std::int16_t> parseCount(std::string_view text) noexcept {
    text = trimBlanks(text);
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }

    std::int64_t whole = 0;
    std::size_t digits = 0;
    std::size_t pos = 0;
    for (; pos < text.size() && isDigit(text[pos]); ++pos, ++digits) {
        whole = std::min(whole * 10 + (text[pos] - '0'), kMagnitudeCap);
    }

    // The fraction only matters through its first digit and whether anything non-zero follows.
    int firstFractionDigit = 0;
    bool restNonZero = false;
    if (pos < text.size() && text[pos] == '.') {
        ++pos;
        for (std::size_t i = 0; pos < text.size() && isDigit(text[pos]); ++pos, ++i, ++digits) {
            if (i == 0) {
                firstFractionDigit = text[pos] - '0';
            } else if (text[pos] != '0') {
                restNonZero = true;
            }
        }
    }
    if (digits == 0 || pos != text.size()) {
        return std::nullopt;
    }

    const bool roundUp = firstFractionDigit > 5 || (firstFractionDigit == 5 && restNonZero) ||
                         (firstFractionDigit == 5 && !restNonZero && whole % 2 == 1);
    const std::int64_t magnitude = whole + (roundUp ? 1 : 0);
    const std::int64_t value = negative ? -magnitude : magnitude;
    if (value < std::numeric_limits<std::int16_t>::min() ||
        value > std::numeric_limits<std::int16_t>::max()) {
        return std::nullopt;
    }
    return static_cast<std::int16_t>(value);
}

std::int16_t textToCount(std::string_view text) {
    if (const auto count = parseCount(text)) {
        return *count;
    }
    throw failure::notACount();
}

} // namespace corvanta
