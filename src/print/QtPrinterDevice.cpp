#include "print/QtPrinterDevice.h"

#include "core/Failure.h"

#include <QFontMetricsF>
#include <QPrinter>
#include <QPrinterInfo>

namespace corvanta {

QFont sheetFont(double points) {
    QFont font(QStringLiteral("Liberation Mono"));
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setPointSizeF(points);
    return font;
}

QtPrinterDevice::QtPrinterDevice()
    : QtPrinterDevice([] { return std::make_unique<QPrinter>(); }) {}

QtPrinterDevice::QtPrinterDevice(PrinterFactory makePrinter)
    : makePrinter_(std::move(makePrinter))
    , font_(sheetFont(12)) {}

QtPrinterDevice::~QtPrinterDevice() {
    if (painter_.isActive()) {
        painter_.end();
    }
}

QPrinter& QtPrinterDevice::usablePrinter() {
    // A document under way has its printer already; the check asks the print system each time.
    if (printer_ && painter_.isActive()) {
        return *printer_;
    }
    if (!printer_) {
        printer_ = makePrinter_();
    }
    // With no printer installed Qt quietly falls back to writing a PDF file without a name;
    // that is no printer at all.
    const bool toFile = printer_->outputFormat() == QPrinter::PdfFormat;
    if (toFile ? printer_->outputFileName().isEmpty()
               : QPrinterInfo::availablePrinters().isEmpty() || printer_->printerName().isEmpty()) {
        printer_.reset();
        throw failure::printer("No printer is installed. Add a printer (or a PDF printer) in "
                               "the system's printer settings.");
    }
    return *printer_;
}

void QtPrinterDevice::beginDocument() {
    QPrinter& printer = usablePrinter();
    if (painter_.isActive()) {
        return;
    }
    if (!painter_.begin(&printer)) {
        const QString name = printer.printerName();
        printer_.reset();
        throw failure::printer(name.isEmpty()
                                   ? std::string("The printer could not start the document.")
                                   : "The printer \"" + name.toStdString() +
                                         "\" could not start the document.");
    }
    x_ = 0;
    y_ = 0;
    fitFont();
}

void QtPrinterDevice::fitFont() {
    font_ = sheetFont(fontPoints_);
    if (!painter_.isActive()) {
        return;
    }
    // At 13.8 pt a fixed-pitch line of 78 characters is wider than A4 or Letter paper: keep the
    // size, and narrow the face just enough that every line fits between the margins.
    QPaintDevice* device = painter_.device();
    const double available = painter_.viewport().width();
    const double needed = kSheetColumns * QFontMetricsF(font_, device).horizontalAdvance('M');
    if (needed > available) {
        font_.setStretch(static_cast<int>(100.0 * available / needed));
    }
    painter_.setFont(font_);
    pitchPoints_ =
        QFontMetricsF(font_, device).horizontalAdvance('M') * 72.0 / device->logicalDpiX();
}

void QtPrinterDevice::setFontSize(double points) {
    usablePrinter();
    fontPoints_ = points;
    fitFont();
}

void QtPrinterDevice::draw(std::string_view text) {
    beginDocument();
    const QFontMetricsF metrics(font_, painter_.device());
    // A lone carriage return, or one inside a text, moves nothing on the page.
    QString shown = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    shown.remove(QLatin1Char('\r'));

    // A line that would run past the bottom of the page starts the next page.
    if (x_ == 0 && y_ > 0 && y_ + metrics.height() > painter_.viewport().height()) {
        if (!printer_->newPage()) {
            throw failure::printer("The printer could not start a new page.");
        }
        y_ = 0;
    }
    painter_.drawText(QPointF(x_, y_ + metrics.ascent()), shown);
    x_ += metrics.horizontalAdvance(shown);
}

void QtPrinterDevice::print(std::string_view text) {
    draw(text);
}

void QtPrinterDevice::printLine(std::string_view text) {
    draw(text);
    x_ = 0;
    y_ += QFontMetricsF(font_, painter_.device()).lineSpacing();
}

void QtPrinterDevice::endDoc() {
    usablePrinter();
    if (painter_.isActive() && !painter_.end()) {
        printer_.reset();
        throw failure::printer("The printer could not finish the document.");
    }
    // The next document gets a printer of its own.
    printer_.reset();
}

} // namespace corvanta
