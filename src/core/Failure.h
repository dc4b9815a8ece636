#pragma once

#include <exception>
#include <string>

namespace corvanta {

// A run-time failure of a handler step. The error trap reports it with its number and
// description and lets the handler go on with its next step.
class Failure : public std::exception {
public:
    Failure(int number, std::string description)
        : number_(number)
        , description_(std::move(description)) {}

    int number() const noexcept { return number_; }
    const std::string& description() const noexcept { return description_; }
    const char* what() const noexcept override { return description_.c_str(); }

private:
    int number_;
    std::string description_;
};

// The kinds of failure the program meets, each with its own number. The numbers are the ones
// the error report shows; they are kept here and nowhere else.
namespace failure {

inline constexpr int kNotACountNumber = 1001;
inline constexpr int kDivisionByZeroNumber = 1002;
inline constexpr int kPrinterNumber = 1003;
inline constexpr int kUnexpectedNumber = 1099;

// A box text that is not a number of servings, or lies outside -32768..32767.
Failure notACount();
// A calorie share asked of a day with no calories.
Failure divisionByZero();
// The printer could not take the sheet; `why` says what went wrong in plain words.
Failure printer(std::string why);
// Anything else that went wrong inside a step; should not happen.
Failure unexpected(std::string what);

} // namespace failure
} // namespace corvanta
