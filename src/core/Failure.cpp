#include "core/Failure.h"

namespace corvanta::failure {

Failure notACount() {
    return {kNotACountNumber, "Not a number of servings from -32768 to 32767"};
}

Failure divisionByZero() {
    return {kDivisionByZeroNumber, "Division by zero: the day has no calories"};
}

Failure printer(std::string why) {
    return {kPrinterNumber, "Printer failure: " + std::move(why)};
}

Failure unexpected(std::string what) {
    return {kUnexpectedNumber, "Unexpected failure: " + std::move(what)};
}

} // namespace corvanta::failure
