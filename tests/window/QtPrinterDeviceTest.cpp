#include "print/QtPrinterDevice.h"

#include "core/Failure.h"
#include "planner/MemoryFieldModel.h"
#include "planner/Planner.h"
#include "print/MealPlanPrintout.h"
#include "support/QtPrinters.h"
#include "support/ScriptedDialogs.h"

#include <QFile>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

namespace corvanta {
namespace {

using testing::ScriptedDialogs;

// The text of a PDF, laid out on a fixed grid so that runs of spaces survive.
QStringList pdfLines(const QString& pdf, double pitch, int* pages = nullptr) {
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"),
                    {QStringLiteral("-fixed"), QString::number(pitch), pdf, QStringLiteral("-")});
    EXPECT_TRUE(pdftotext.waitForFinished(30000));
    const QString text = QString::fromUtf8(pdftotext.readAllStandardOutput());
    if (pages != nullptr) {
        *pages = static_cast<int>(text.count(QLatin1Char('\f'))) +
                 (text.endsWith(QLatin1Char('\f')) ? 0 : 1);
    }
    QStringList lines;
    for (QString line : text.split(QLatin1Char('\n'))) {
        line.remove(QLatin1Char('\f'));
        if (!line.trimmed().isEmpty()) {
            lines.append(line);
        }
    }
    // The page margin shows as leading columns; the header's "Date:" stands 8 columns in.
    const qsizetype margin =
        lines.isEmpty() ? 0 : lines.first().indexOf(QStringLiteral("Date:")) - 8;
    for (QString& line : lines) {
        line.remove(0, margin);
    }
    return lines;
}

class QtPrinterDeviceTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty()) {
            FAIL() << "pdftotext (poppler-utils) is needed to read the printed PDF";
        }
        ASSERT_TRUE(dir.isValid());
        pdf = dir.filePath(QStringLiteral("sheet.pdf"));
    }

    QtPrinterDevice pdfPrinter() {
        return QtPrinterDevice([this] {
            auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
            printer->setOutputFormat(QPrinter::PdfFormat);
            printer->setOutputFileName(pdf);
            return printer;
        });
    }

    void printSheet(PrinterDevice& device) {
        MealPlanPrintout printout(model, dialogs, device);
        dialogs.answers = {Answer::Yes};
        printout.Print_Click();
        EXPECT_TRUE(dialogs.errorReports().empty());
    }

    QTemporaryDir dir;
    QString pdf;
    MemoryFieldModel model;
    ScriptedDialogs dialogs;
    Planner planner{model, dialogs};
};

TEST_F(QtPrinterDeviceTest, PrintsTheSheetWithItsColumnsLinedUp) {
    model.selectOption(1);
    planner.OptBtn_Click(1);
    planner.UCalcBtn_Click();
    QtPrinterDevice device = pdfPrinter();
    printSheet(device);

    if (const QString shots = qEnvironmentVariable("CORVANTA_SHOTS"); !shots.isEmpty()) {
        QFile::copy(pdf, shots + "/sheet.pdf");
    }
    int pages = 0;
    const QStringList lines = pdfLines(pdf, device.pitchPoints(), &pages);
    ASSERT_GE(lines.size(), 14) << lines.join('\n').toStdString();
    EXPECT_EQ(pages, 1);
    EXPECT_EQ(lines.at(0).trimmed(),
              "Date: _______________  Calories: 1235  Name: _______________________");
    QStringList titles;
    int blankColumn = -1;
    int servingLines = 0;
    for (const QString& line : lines) {
        const QString word = line.trimmed();
        if (word == "BREAKFAST" || word == "LUNCH" || word == "DINNER" || word == "SNACK") {
            titles.append(word);
        }
        // Every row of blanks, serving or notes, starts in one column.
        if (line.contains(QStringLiteral("________________")) && !line.contains("Date:")) {
            const int column = static_cast<int>(line.indexOf(QLatin1Char('_')));
            if (blankColumn < 0) {
                blankColumn = column;
            }
            EXPECT_EQ(column, blankColumn) << line.toStdString();
            servingLines += line.contains("NOTES") || word.startsWith('_') ? 0 : 1;
        }
    }
    EXPECT_EQ(titles, (QStringList{"BREAKFAST", "LUNCH", "DINNER", "SNACK"}));
    EXPECT_EQ(servingLines, 15);
    EXPECT_TRUE(lines.contains(QStringLiteral("     Bread ________________ ________________")))
        << lines.join('\n').toStdString();
}

TEST_F(QtPrinterDeviceTest, ALongSheetContinuesOnANewPageWithNothingLost) {
    model.selectOption(1);
    planner.OptBtn_Click(1);
    for (FoodGroup group : kFoodGroups) {
        for (MealSlot meal : kMeals) {
            model.setText(Field::user(meal, group), "5");
        }
    }
    QtPrinterDevice device = pdfPrinter();
    printSheet(device);

    int pages = 0;
    const QStringList lines = pdfLines(pdf, device.pitchPoints(), &pages);
    EXPECT_GT(pages, 1);
    EXPECT_EQ(lines.size(), 93) << "94 lines, less the empty top line";
    EXPECT_EQ(lines.filter(QStringLiteral("NOTES:")).size(), 4);
    EXPECT_EQ(lines.filter(QRegularExpression(QStringLiteral("^ {11}_{16} _{16}$"))).size(), 40)
        << "every five-serving group keeps its continuation line";
}

TEST_F(QtPrinterDeviceTest, WithoutAnInstalledPrinterEveryOperationFailsPlainly) {
    if (!QPrinterInfo::availablePrinters().isEmpty()) {
        GTEST_SKIP() << "this machine has a printer installed";
    }
    QtPrinterDevice device;
    try {
        device.setFontSize(13.8);
        FAIL() << "no failure";
    } catch (const Failure& failure) {
        EXPECT_EQ(failure.number(), failure::kPrinterNumber);
        EXPECT_NE(failure.description().find("No printer is installed"), std::string::npos);
    }
    EXPECT_THROW(device.printLine("x"), Failure);
    EXPECT_THROW(device.print("x"), Failure);
    EXPECT_THROW(device.endDoc(), Failure);

    model.selectOption(1);
    planner.OptBtn_Click(1);
    MealPlanPrintout printout(model, dialogs, device);
    dialogs.answers = {Answer::Yes};
    printout.Print_Click();
    EXPECT_EQ(dialogs.errorReports().size(), 21U);
}

} // namespace
} // namespace corvanta
