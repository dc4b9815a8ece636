// Checks the text-to-count conversion against a slow reference of the same rules, written
// independently: it validates the form with a regular expression and rounds by comparing the
// fraction's digits with an exact half as text.
#include "core/CountConversion.h"
#include "core/Failure.h"

#include <cstdint>
#include <cstdlib>
#include <optional>
#include <regex>
#include <string>

namespace {

std::optional<int> referenceCount(const std::string& text) {
    static const std::regex form(R"(^[ \t]*([+-]?)([0-9]*)(?:\.([0-9]*))?[ \t]*$)");
    std::smatch match;
    if (!std::regex_match(text, match, form)) {
        return std::nullopt;
    }
    std::string whole = match[2].str();
    const std::string fraction = match[3].str();
    if (whole.empty() && fraction.empty()) {
        return std::nullopt;
    }
    whole.erase(0, whole.find_first_not_of('0'));
    if (whole.size() > 6) {
        return std::nullopt;
    }
    long magnitude = whole.empty() ? 0 : std::stol(whole);
    if (!fraction.empty()) {
        // Compare the fraction with one half, both as digit strings of the same length.
        const std::string half = "5" + std::string(fraction.size() - 1, '0');
        const int order = fraction.compare(half);
        if (order > 0 || (order == 0 && magnitude % 2 == 1)) {
            ++magnitude;
        }
    }
    const long value = match[1].str() == "-" ? -magnitude : magnitude;
    if (value < -32768 || value > 32767) {
        return std::nullopt;
    }
    return static_cast<int>(value);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const std::optional<std::int16_t> count = corvanta::parseCount(text);
    const std::optional<int> expected = referenceCount(text);
    if (count.has_value() != expected.has_value() || (count && *count != *expected)) {
        std::abort();
    }
    try {
        const std::int16_t thrown = corvanta::textToCount(text);
        if (!count || thrown != *count) {
            std::abort();
        }
    } catch (const corvanta::Failure& failure) {
        if (count || failure.number() != corvanta::failure::kNotACountNumber) {
            std::abort();
        }
    }
    return 0;
}
