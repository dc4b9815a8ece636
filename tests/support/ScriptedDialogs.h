#pragma once

#include "shell/Dialogs.h"
#include "shell/Version.h"

#include <deque>
#include <string>
#include <vector>

namespace corvanta::testing {

// Thrown where the real program would end its process. Deliberately not a std::exception, so
// that no error trap can swallow it.
struct ProgramEnded {};

// Dialogs whose answers a test scripts in advance. Every beep and box is recorded in order.
class ScriptedDialogs : public Dialogs {
public:
    // Answers given to the next boxes, in order; once they run out, a box gets the answer that
    // ends nothing (OK, or No on a Yes/No box).
    std::deque<Answer> answers;
    std::vector<Message> shown;
    // "beep" and "box: <text>" in the order they happened.
    std::vector<std::string> events;
    int beeps = 0;
    bool ended = false;

    Answer show(const Message& message) override {
        shown.push_back(message);
        events.push_back("box: " + message.text);
        if (answers.empty()) {
            return message.buttons == Buttons::YesNo ? Answer::No : Answer::Ok;
        }
        const Answer answer = answers.front();
        answers.pop_front();
        return answer;
    }

    void beep() override {
        ++beeps;
        events.emplace_back("beep");
    }

    [[noreturn]] void endProgram() override {
        ended = true;
        throw ProgramEnded{};
    }

    std::string programBaseName() const override { return "Corvanta"; }
    ProgramVersion programVersion() const override { return kProgramVersion; }

    // The texts of the error reports shown so far.
    std::vector<std::string> errorReports() const {
        std::vector<std::string> reports;
        for (const Message& message : shown) {
            if (message.caption == "Error Message") {
                reports.push_back(message.text);
            }
        }
        return reports;
    }
};

} // namespace corvanta::testing
