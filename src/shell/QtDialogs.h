#pragma once

#include "shell/Dialogs.h"

namespace corvanta {

// The dialog services on Qt: modal QMessageBoxes, the platform beep, and the process end.
class QtDialogs : public Dialogs {
public:
    Answer show(const Message& message) override;
    void beep() override;
    [[noreturn]] void endProgram() override;
    std::string programBaseName() const override;
    ProgramVersion programVersion() const override;
};

} // namespace corvanta
