#pragma once

#include "print/PrinterDevice.h"

#include <QFont>
#include <QPainter>
#include <functional>
#include <memory>

class QPrinter;

namespace corvanta {

// The printer device on Qt: a QPainter on a QPrinter, begun at the first text. Lines are laid
// out in a fixed-pitch face so that the sheet's space-aligned columns line up, advance by the
// font's line spacing, and continue on a new page when the page is full.
class QtPrinterDevice : public PrinterDevice {
public:
    using PrinterFactory = std::function<std::unique_ptr<QPrinter>()>;

    // By default each document goes to the system's default printer, without a print dialog.
    QtPrinterDevice();
    explicit QtPrinterDevice(PrinterFactory makePrinter);
    ~QtPrinterDevice() override;

    void setFontSize(double points) override;
    void printLine(std::string_view text) override;
    void print(std::string_view text) override;
    void endDoc() override;

    // The advance of one character of the sheet's face on the current page, in points.
    double pitchPoints() const { return pitchPoints_; }

private:
    // The printer of the current document, made on first use; throws when it is not usable.
    QPrinter& usablePrinter();
    void beginDocument();
    // The sheet's face at the size set, narrowed where a full line would not fit the page.
    void fitFont();
    void draw(std::string_view text);

    PrinterFactory makePrinter_;
    std::unique_ptr<QPrinter> printer_;
    QPainter painter_;
    double fontPoints_ = 12;
    QFont font_;
    double pitchPoints_ = 0;
    double x_ = 0;
    double y_ = 0;
};

// The fixed-pitch face of the printed sheet.
QFont sheetFont(double points);

// The widest line of the sheet, in characters: a serving line with four blanks.
inline constexpr int kSheetColumns = 78;

} // namespace corvanta
