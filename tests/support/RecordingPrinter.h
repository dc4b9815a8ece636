#pragma once

#include "core/Failure.h"
#include "print/PrinterDevice.h"

#include <string>
#include <vector>

namespace corvanta::testing {

// A printer that keeps what it was sent: every operation in order, and the printed lines with
// the pieces of a line joined. It can be told to fail every operation.
class RecordingPrinter : public PrinterDevice {
public:
    bool failEverything = false;
    std::vector<std::string> operations;
    std::vector<std::string> lines;
    std::string pendingLine;
    double fontSize = 0;
    int documentsEnded = 0;

    void setFontSize(double points) override {
        check();
        operations.push_back("font size " + std::to_string(points));
        fontSize = points;
    }

    void printLine(std::string_view text) override {
        check();
        operations.push_back("line: " + std::string(text));
        lines.push_back(pendingLine + std::string(text));
        pendingLine.clear();
    }

    void print(std::string_view text) override {
        check();
        operations.push_back("stay: " + std::string(text));
        pendingLine += text;
    }

    void endDoc() override {
        check();
        operations.emplace_back("end document");
        ++documentsEnded;
    }

private:
    void check() const {
        if (failEverything) {
            throw failure::printer("the test printer is out of order");
        }
    }
};

} // namespace corvanta::testing
