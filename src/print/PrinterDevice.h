#pragma once

#include <string_view>

namespace corvanta {

// What the printed sheet needs of a printer. The first printed text begins a document and
// endDoc() ends it and releases it to the printer. Every operation throws the printer failure
// when the printer cannot do it.
class PrinterDevice {
public:
    virtual ~PrinterDevice() = default;

    virtual void setFontSize(double points) = 0;
    // Prints the text and ends the line.
    virtual void printLine(std::string_view text) = 0;
    // Prints the text and stays on the line: the next text continues right after it.
    virtual void print(std::string_view text) = 0;
    virtual void endDoc() = 0;
};

} // namespace corvanta
