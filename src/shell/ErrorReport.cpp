#include "shell/ErrorReport.h"

#include "core/Failure.h"

#include <initializer_list>

namespace corvanta {
namespace {

constexpr std::string_view kLineEnd = "\n\r";

// The digits of the number without leading zeros; 0 gives the empty text.
std::string hashFormat(int number) {
    return number == 0 ? std::string() : std::to_string(number);
}

// At least two digits: 0 gives "00", 5 gives "05".
std::string zeroHashFormat(int number) {
    std::string digits = std::to_string(number);
    return number >= 0 && number < 10 ? std::string(1, '0').append(digits) : digits;
}

std::string concatenate(std::initializer_list<std::string_view> parts) {
    std::size_t size = 0;
    for (std::string_view part : parts) {
        size += part.size();
    }
    std::string text;
    text.reserve(size);
    for (std::string_view part : parts) {
        text.append(part.data(), part.size());
    }
    return text;
}

} // namespace

std::string errorReportText(int errorNumber, std::string_view signature, int lineNumber,
                            std::string_view programBaseName, ProgramVersion version,
                            std::string_view description) {
    const std::string number = std::to_string(errorNumber);
    const std::string line = std::to_string(lineNumber);
    const std::string major = hashFormat(version.major);
    const std::string minor = zeroHashFormat(version.minor);
    const std::string revision = hashFormat(version.revision);
    return concatenate({"Error ",
                        number,
                        " in ",
                        signature,
                        " (Line = ",
                        line,
                        ")",
                        kLineEnd,
                        "while running ",
                        programBaseName,
                        ".exe v",
                        major,
                        ".",
                        minor,
                        "(Build ",
                        revision,
                        ")",
                        kLineEnd,
                        "Error = '",
                        description,
                        "'",
                        kLineEnd,
                        "Select 'OK' and the program will attempt to continue running."});
}

void ErrorReport(Dialogs& dialogs, std::string_view signature, const Failure& failure) {
    // No routine numbers its lines, so the line is always 0.
    constexpr int kLineNumber = 0;
    const Message message{
        .text = errorReportText(failure.number(), signature, kLineNumber, dialogs.programBaseName(),
                                dialogs.programVersion(), failure.description()),
        .buttons = Buttons::OkCancel,
        .icon = Icon::Exclamation,
        .caption = std::string(kErrorCaption),
    };
    if (dialogs.show(message) == Answer::Cancel) {
        dialogs.endProgram();
    }
}

} // namespace corvanta
