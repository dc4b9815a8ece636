#pragma once

#include "core/Failure.h"
#include "shell/Dialogs.h"
#include "shell/ErrorReport.h"

#include <exception>
#include <string_view>
#include <utility>

namespace corvanta {

// The error trap of a handler. The handler runs each of its steps through step(); a step that
// fails, in itself or in an untrapped routine it called, is abandoned, reported once with the
// handler's signature text, and the handler goes on with its next step. A failure with a
// negative number is passed over silently. Cancel in the report ends the program inside
// ErrorReport, so no further step runs.
class ErrorTrap {
public:
    ErrorTrap(Dialogs& dialogs, std::string_view signature)
        : dialogs_(dialogs)
        , signature_(signature) {}

    // Runs one step; returns whether it completed.
    template <typename Step> bool step(Step&& body) {
        try {
            std::forward<Step>(body)();
            return true;
        } catch (const Failure& failure) {
            report(failure);
        } catch (const std::exception& other) {
            report(failure::unexpected(other.what()));
        }
        return false;
    }

private:
    void report(const Failure& failure) {
        if (failure.number() > 0) {
            ErrorReport(dialogs_, signature_, failure);
        }
    }

    Dialogs& dialogs_;
    std::string_view signature_;
};

} // namespace corvanta
