#include "planner/MemoryFieldModel.h"
#include "planner/Planner.h"
#include "print/MealPlanPrintout.h"
#include "support/PlannerFixture.h"
#include "support/RecordingPrinter.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace corvanta {
namespace {

using testing::RecordingPrinter;
using testing::ScriptedDialogs;
using Lines = std::vector<std::string>;

const std::string B = "________________"; // one blank: 16 underscores
const std::string kNotes1 =
    "    NOTES: __________________________________________________________________";
const std::string kNotes2 =
    "           __________________________________________________________________";

std::string title(const std::string& word) {
    return std::string(33, ' ') + word;
}

Lines section(const std::string& word, const Lines& servings) {
    Lines lines{title(word)};
    lines.insert(lines.end(), servings.begin(), servings.end());
    lines.push_back(kNotes1);
    lines.push_back(kNotes2);
    return lines;
}

Lines sheet(const std::string& calories, const Lines& breakfast, const Lines& lunch,
            const Lines& dinner, const Lines& snack) {
    Lines lines{"\r", "        Date: _______________  Calories: " + calories +
                          "  Name: _______________________"};
    for (const Lines& part : {section("BREAKFAST", breakfast), section("LUNCH", lunch),
                              section("DINNER", dinner), section("SNACK", snack)}) {
        lines.insert(lines.end(), part.begin(), part.end());
    }
    return lines;
}

class PrintoutTest : public testing::PlannerFixture {
protected:
    RecordingPrinter printer;
    MealPlanPrintout printout{model, dialogs, printer};

    void printAnsweringYes() {
        dialogs.answers = {Answer::Yes};
        printout.Print_Click();
    }
};

TEST_F(PrintoutTest, RefusesBeforeALevelIsChosenWithOneBeepAndNoPrinting) {
    type("UAbreadTxtBx", "2"); // counts typed without a level do not lift the refusal
    printout.Print_Click();
    EXPECT_EQ(dialogs.events, (Lines{"beep", "box: The boxes are EMPTY !!!"}));
    EXPECT_EQ(dialogs.shown.at(0).caption, "Corvanta");
    EXPECT_EQ(dialogs.shown.at(0).buttons, Buttons::Ok);
    EXPECT_TRUE(printer.operations.empty());
}

TEST_F(PrintoutTest, AsksFirstAndNoPrintsNothing) {
    chooseLevel(1);
    dialogs.answers = {Answer::No};
    printout.Print_Click();
    EXPECT_EQ(dialogs.events, (Lines{"beep", "box: Are you sure you are ready to print this?"}));
    EXPECT_EQ(dialogs.shown.at(0).caption, "Print?");
    EXPECT_EQ(dialogs.shown.at(0).buttons, Buttons::YesNo);
    EXPECT_EQ(dialogs.shown.at(0).icon, Icon::None);
    EXPECT_TRUE(printer.operations.empty());
}

TEST_F(PrintoutTest, AFreshlyLoadedPlanPrintsItsWholeSheet) {
    chooseLevel(1);
    printAnsweringYes();

    EXPECT_EQ(
        printer.lines,
        sheet(
            " ",
            {"     Bread " + B + " " + B, "     Fruit " + B, "    S Milk " + B, "      Fats " + B},
            {"     Bread " + B + " " + B, "    L Meat " + B + " " + B + " " + B, "    Vegies " + B,
             "     Fruit " + B, "      Fats " + B},
            {"     Bread " + B, "    L Meat " + B + " " + B, "    Vegies " + B, "     Fruit " + B},
            {"     Fruit " + B, "    S Milk " + B}));
    // Four spaces between "Calories:" and "Name:": the text's own, the box's, and two more.
    EXPECT_EQ(printer.lines.at(1),
              "        Date: _______________  Calories:    Name: _______________________");
    EXPECT_EQ(printer.operations.front(), "font size 13.800000");
    EXPECT_EQ(printer.operations.at(2), "stay:         Date: _______________  Calories:  ");
    EXPECT_EQ(printer.operations.back(), "end document");
    EXPECT_EQ(printer.documentsEnded, 1);
    EXPECT_TRUE(printer.pendingLine.empty());
    EXPECT_EQ(dialogs.beeps, 1);
    EXPECT_TRUE(dialogs.errorReports().empty());
}

TEST_F(PrintoutTest, TheHeaderCarriesTheCalorieTextVerbatim) {
    for (const char* calories : {"1235", "", "  -40 x"}) {
        SCOPED_TRACE(calories);
        chooseLevel(1);
        type("UCalTxtBx", calories);
        printer.lines.clear();
        printAnsweringYes();
        EXPECT_EQ(printer.lines.at(1), std::string("        Date: _______________  Calories: ") +
                                           calories + "  Name: _______________________");
    }
}

TEST_F(PrintoutTest, ServingLinesForEveryCount) {
    chooseLevel(1);
    zeroUserMeals();
    // The worked breakfast, and a lunch with every kind of count.
    type("UAbreadTxtBx", "4");
    type("UAfruitTxtBx", "1");
    type("UASmilkTxtBx", "1");
    type("UAfatTxtBx", "5");
    type("UNbreadTxtBx", "3");
    type("UNLmeatTxTBx", "6");
    type("UNMmeatTxtBx", "-1");
    type("UNHmeatTxtBx", "1.5");
    type("UNWmilkTxtBx", "32767");
    type("UNfatTxtBx", "0.5");
    printAnsweringYes();

    const Lines breakfast{
        "     Bread ________________ ________________ ________________ ________________",
        "     Fruit ________________",
        "    S Milk ________________",
        "      Fats ________________ ________________ ________________",
        "           ________________ ________________",
    };
    const Lines lunch{"     Bread " + B + " " + B + " " + B, "    H Meat " + B + " " + B};
    EXPECT_EQ(printer.lines, sheet(" ", breakfast, lunch, {}, {}));
    EXPECT_EQ(printer.lines.at(3).size(), 78U) << "the four-serving line";
    // The four-serving line goes out in two pieces.
    EXPECT_NE(std::find(printer.operations.begin(), printer.operations.end(),
                        "stay:      Bread " + B + " " + B),
              printer.operations.end());
    EXPECT_NE(
        std::find(printer.operations.begin(), printer.operations.end(), "line:  " + B + " " + B),
        printer.operations.end());
}

TEST_F(PrintoutTest, AllCountsZeroLeavesTitlesAndNotesOnly) {
    chooseLevel(1);
    zeroUserMeals();
    printAnsweringYes();
    EXPECT_EQ(printer.lines, sheet(" ", {}, {}, {}, {}));
    EXPECT_EQ(printer.lines.size(), 14U);
}

TEST_F(PrintoutTest, ABadBoxSuppressesItsWholeMealWithOneReport) {
    struct Case {
        const char* box;
        const char* text;
    };
    for (const Case& c :
         {Case{"UNbreadTxtBx", ""}, Case{"UNfatTxtBx", "x"}, Case{"UNfruitTxtBx", "99999"}}) {
        SCOPED_TRACE(c.box);
        dialogs = ScriptedDialogs();
        printer = RecordingPrinter();
        chooseLevel(1);
        type(c.box, c.text);
        printAnsweringYes();

        const auto reports = dialogs.errorReports();
        ASSERT_EQ(reports.size(), 1U);
        EXPECT_EQ(reports[0].substr(0, reports[0].find('\n')),
                  "Error 1001 in Sub Print_Click() (Line = 0)");
        EXPECT_EQ(printer.lines, sheet(" ",
                                       {"     Bread " + B + " " + B, "     Fruit " + B,
                                        "    S Milk " + B, "      Fats " + B},
                                       {},
                                       {"     Bread " + B, "    L Meat " + B + " " + B,
                                        "    Vegies " + B, "     Fruit " + B},
                                       {"     Fruit " + B, "    S Milk " + B}));
        EXPECT_EQ(printer.documentsEnded, 1);
    }
}

TEST_F(PrintoutTest, APrinterThatFailsEverythingIsReportedOncePerPrinterStep) {
    chooseLevel(1);
    printer.failEverything = true;
    printAnsweringYes();
    // Steps 5 to 9, 11 to 13, 15 to 17, 19 to 21, 23 to 25, and each meal that reaches the
    // printer.
    const auto reports = dialogs.errorReports();
    EXPECT_EQ(reports.size(), 17U + 4U);
    for (const std::string& report : reports) {
        EXPECT_EQ(report.substr(0, report.find('\n')),
                  "Error 1003 in Sub Print_Click() (Line = 0)");
    }
    EXPECT_EQ(dialogs.beeps, 1);
}

TEST_F(PrintoutTest, CancelInAReportStopsThePrintout) {
    chooseLevel(1);
    type("UAbreadTxtBx", "x");
    dialogs.answers = {Answer::Yes, Answer::Cancel};
    EXPECT_THROW(printout.Print_Click(), testing::ProgramEnded);
    EXPECT_EQ(printer.documentsEnded, 0);
    EXPECT_EQ(printer.lines.size(), 3U) << "the top line, the header and the first title";
}

TEST_F(PrintoutTest, TheSheetLeavesTheWindowAsItWas) {
    chooseLevel(3);
    type("UPfatTxtBx", "4");
    std::vector<std::string> before;
    for (const Field& field : allFields()) {
        before.push_back(model.text(field));
    }
    printAnsweringYes();
    for (const Field& field : allFields()) {
        EXPECT_EQ(model.text(field), before.at(field.index())) << field.name();
    }
}

} // namespace
} // namespace corvanta
