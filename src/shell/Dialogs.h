#pragma once

#include <string>
#include <string_view>

namespace corvanta {

// The application's title, the caption of every message box given no caption of its own.
inline constexpr std::string_view kApplicationTitle = "Corvanta";

enum class Buttons { Ok, OkCancel, YesNo };
enum class Icon { None, Exclamation };
enum class Answer { Ok, Cancel, Yes, No };

// A modal message box. The first button of the set is the default button.
struct Message {
    std::string text;
    Buttons buttons = Buttons::Ok;
    Icon icon = Icon::None;
    std::string caption = std::string(kApplicationTitle);

    bool operator==(const Message&) const = default;
};

struct ProgramVersion {
    int major;
    int minor;
    int revision;
};

// The dialog services the handlers lean on. The Qt implementation shows real message boxes;
// tests script the answers.
class Dialogs {
public:
    virtual ~Dialogs() = default;

    // Shows the box modally and returns the button chosen.
    virtual Answer show(const Message& message) = 0;
    // The platform's warning sound; returns at once.
    virtual void beep() = 0;
    // Closes every window and ends the process at once with status 0.
    [[noreturn]] virtual void endProgram() = 0;
    // The base name of the running program file, without directory and extension.
    virtual std::string programBaseName() const = 0;
    virtual ProgramVersion programVersion() const = 0;
};

} // namespace corvanta
