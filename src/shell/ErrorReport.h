#pragma once

#include "shell/Dialogs.h"

#include <string>
#include <string_view>

namespace corvanta {

class Failure;

inline constexpr std::string_view kErrorCaption = "Error Message";

// The four lines of an error report, separated by a line feed followed by a carriage return.
std::string errorReportText(int errorNumber, std::string_view signature, int lineNumber,
                            std::string_view programBaseName, ProgramVersion version,
                            std::string_view description);

// Shows the error dialog for a failure in the routine named by `signature` (e.g.
// "Sub UCalcBtn_Click()"). Returns when the user chooses OK; ends the program on Cancel.
void ErrorReport(Dialogs& dialogs, std::string_view signature, const Failure& failure);

} // namespace corvanta
