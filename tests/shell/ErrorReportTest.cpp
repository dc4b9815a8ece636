#include "shell/ErrorReport.h"

#include "core/Failure.h"
#include "shell/ErrorTrap.h"
#include "support/ScriptedDialogs.h"

#include <gtest/gtest.h>
#include <stdexcept>
#include <string>

namespace corvanta {
namespace {

using testing::ProgramEnded;
using testing::ScriptedDialogs;

TEST(ErrorReportTextTest, FourLinesSeparatedByLineFeedCarriageReturn) {
    const std::string text =
        errorReportText(1001, "Sub UCalcBtn_Click()", 0, "Corvanta", {1, 0, 0}, "Not a number");
    EXPECT_EQ(text, "Error 1001 in Sub UCalcBtn_Click() (Line = 0)\n\r"
                    "while running Corvanta.exe v1.00(Build )\n\r"
                    "Error = 'Not a number'\n\r"
                    "Select 'OK' and the program will attempt to continue running.");
}

TEST(ErrorReportTextTest, VersionNumberForms) {
    struct Case {
        ProgramVersion version;
        const char* line2;
    };
    const Case cases[] = {
        {{1, 0, 0}, "while running X.exe v1.00(Build )"},
        {{1, 5, 0}, "while running X.exe v1.05(Build )"},
        {{0, 12, 7}, "while running X.exe v.12(Build 7)"},
        {{2, 3, 45}, "while running X.exe v2.03(Build 45)"},
    };
    for (const Case& c : cases) {
        const std::string text = errorReportText(5, "Sub F()", 0, "X", c.version, "d");
        const auto start = text.find("\n\r") + 2;
        EXPECT_EQ(text.substr(start, text.find("\n\r", start) - start), c.line2);
    }
}

TEST(ErrorReportTextTest, NegativeNumbersKeepTheirSign) {
    const std::string text = errorReportText(-7, "Sub F()", -1, "X", {1, 0, 0}, "d");
    EXPECT_EQ(text.substr(0, text.find('\n')), "Error -7 in Sub F() (Line = -1)");
}

TEST(ErrorReportTest, ShowsTheDialogWithOkCancelAndExclamation) {
    ScriptedDialogs dialogs;
    ErrorReport(dialogs, "Sub Print_Click()", Failure(1003, "Printer failure: none"));
    ASSERT_EQ(dialogs.shown.size(), 1U);
    const Message& shown = dialogs.shown.front();
    EXPECT_EQ(shown.caption, "Error Message");
    EXPECT_EQ(shown.buttons, Buttons::OkCancel);
    EXPECT_EQ(shown.icon, Icon::Exclamation);
    EXPECT_EQ(shown.text.substr(0, shown.text.find('\n')),
              "Error 1003 in Sub Print_Click() (Line = 0)");
    EXPECT_EQ(dialogs.beeps, 0) << "an error report comes without a beep";
    EXPECT_FALSE(dialogs.ended);
}

TEST(ErrorReportTest, CancelEndsTheProgram) {
    ScriptedDialogs dialogs;
    dialogs.answers = {Answer::Cancel};
    EXPECT_THROW(ErrorReport(dialogs, "Sub F()", Failure(1, "x")), ProgramEnded);
    EXPECT_TRUE(dialogs.ended);
}

TEST(ErrorTrapTest, EachFailingStepIsReportedOnceAndTheNextStepRuns) {
    ScriptedDialogs dialogs;
    std::vector<int> ran;
    ErrorTrap trap(dialogs, "Sub UCalcBtn_Click()");
    EXPECT_FALSE(trap.step([&] { throw failure::notACount(); }));
    EXPECT_TRUE(trap.step([&] { ran.push_back(2); }));
    EXPECT_FALSE(trap.step([&] {
        ran.push_back(3);
        throw failure::divisionByZero();
        ran.push_back(99);
    }));
    EXPECT_TRUE(trap.step([&] { ran.push_back(4); }));

    EXPECT_EQ(ran, (std::vector<int>{2, 3, 4}));
    const auto reports = dialogs.errorReports();
    ASSERT_EQ(reports.size(), 2U);
    EXPECT_EQ(reports[0].substr(0, reports[0].find('\n')),
              "Error 1001 in Sub UCalcBtn_Click() (Line = 0)");
    EXPECT_EQ(reports[1].substr(0, reports[1].find('\n')),
              "Error 1002 in Sub UCalcBtn_Click() (Line = 0)");
}

TEST(ErrorTrapTest, ANegativeErrorNumberShowsNothingAndTheHandlerGoesOn) {
    ScriptedDialogs dialogs;
    bool next = false;
    ErrorTrap trap(dialogs, "Sub F()");
    trap.step([] { throw Failure(-5, "quiet"); });
    trap.step([&] { next = true; });
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_TRUE(next);
}

TEST(ErrorTrapTest, CancelRunsNoFurtherStep) {
    ScriptedDialogs dialogs;
    dialogs.answers = {Answer::Cancel};
    bool next = false;
    auto handler = [&] {
        ErrorTrap trap(dialogs, "Sub F()");
        trap.step([] { throw failure::notACount(); });
        trap.step([&] { next = true; });
    };
    EXPECT_THROW(handler(), ProgramEnded);
    EXPECT_FALSE(next);
}

TEST(ErrorTrapTest, AnUnexpectedExceptionIsReportedToo) {
    ScriptedDialogs dialogs;
    ErrorTrap trap(dialogs, "Sub F()");
    trap.step([] { throw std::out_of_range("boom"); });
    ASSERT_EQ(dialogs.errorReports().size(), 1U);
    EXPECT_NE(dialogs.errorReports()[0].find("boom"), std::string::npos);
}

} // namespace
} // namespace corvanta
