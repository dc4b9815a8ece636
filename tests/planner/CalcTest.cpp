#include "planner/MemoryFieldModel.h"
#include "planner/Planner.h"
#include "support/PlannerFixture.h"

#include <gtest/gtest.h>
#include <map>
#include <string>
#include <vector>

namespace corvanta {
namespace {

using testing::firstLine;
using testing::ProgramEnded;
using testing::ScriptedDialogs;

class CalcTest : public testing::PlannerFixture {
protected:
    // A level chosen, then every User meal box set to "0" except the given ones.
    void dayOf(const std::map<std::string, std::string>& boxes) {
        chooseLevel(1);
        zeroUserMeals();
        for (const auto& [name, text] : boxes) {
            model.setText(fieldNamed(name), text);
        }
    }

    std::vector<std::string> results() const {
        return {box("UCalTxtBx"), box("UCarbTxtBx"), box("UProteinTxtBx"), box("UFatTxtBx")};
    }
    std::vector<std::string> reportLines() const {
        std::vector<std::string> lines;
        for (const std::string& report : dialogs.errorReports()) {
            lines.push_back(firstLine(report));
        }
        return lines;
    }
};

using Results = std::vector<std::string>;

TEST_F(CalcTest, ReproducesThePlansOfEveryWorkedLevel) {
    struct Case {
        int level;
        Results results;
    };
    const Case cases[] = {
        {1, {"1235", "55", "23", "22"}},
        {2, {"1385", "55", "22", "24"}}, // 23.78 against a stored 23; the shares add up to 101
        {6, {"2235", "60", "19", "20"}}, // protein 19.33 against a stored 20
        {8, {"2600", "57", "20", "23"}}, // fat 585 / 2600 * 100 = 22.5 exactly, a half going up
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("level " + std::to_string(c.level));
        chooseLevel(c.level);
        planner.UCalcBtn_Click();
        EXPECT_EQ(results(), c.results);
        EXPECT_TRUE(dialogs.shown.empty());
    }
}

TEST_F(CalcTest, SingleGroupDays) {
    struct Case {
        const char* name;
        std::map<std::string, std::string> boxes;
        Results results;
    };
    const Case cases[] = {
        {"one fruit", {{"USfruitTxtBx", "1"}}, {"60", "100", "", ""}},
        {"four lean meat", {{"UNLmeatTxTBx", "4"}}, {"220", "", "51", "49"}},
        {"one skim milk", {{"UASmilkTxtBx", "1"}}, {"90", "53", "36", "9"}},
        {"one and a half fruit counts as two", {{"UAfruitTxtBx", "1.5"}}, {"120", "100", "", ""}},
        {"negative bread",
         {{"UAbreadTxtBx", "-1"}, {"UNfruitTxtBx", "2"}},
         {"40", "150", "-30", "-18"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        dayOf(c.boxes);
        planner.UCalcBtn_Click();
        EXPECT_EQ(results(), c.results);
        EXPECT_TRUE(dialogs.shown.empty());
    }
}

TEST_F(CalcTest, DayTotalsAreRecomputedFromTheMealBoxes) {
    chooseLevel(4);
    model.setText(fieldNamed("UNbreadTxtBx"), "3");
    model.setText(fieldNamed("UTfruitTxtBx"), "40"); // typed into a day total: overwritten
    model.setText(fieldNamed("UAHmeatTxtBx"), " 2 ");
    model.setText(fieldNamed("UPHmeatTxtBx"), "-1");
    planner.UCalcBtn_Click();
    EXPECT_EQ(box("UTbreadTxTbx"), "9");
    EXPECT_EQ(box("UTfruitTxtBx"), "5");
    EXPECT_EQ(box("UTHmeatTxtBx"), "1");
    EXPECT_EQ(box("UCalTxtBx"), std::to_string(1795 + 80 + 100));
    EXPECT_EQ(box("PCalTxtBx"), "1795") << "the Program grid is not touched";
}

TEST_F(CalcTest, ADayWithoutCaloriesShowsZeroAndReportsEachShare) {
    chooseLevel(1);
    planner.UCalcBtn_Click(); // leaves 55, 23, 22 in the share boxes
    dayOf({});
    model.setText(fieldNamed("UCarbTxtBx"), "55");
    model.setText(fieldNamed("UProteinTxtBx"), "23");
    model.setText(fieldNamed("UFatTxtBx"), "22");
    dialogs.shown.clear();

    planner.UCalcBtn_Click();

    EXPECT_EQ(results(), (Results{"0", "55", "23", "22"}));
    EXPECT_EQ(reportLines(),
              std::vector<std::string>(3, "Error 1002 in Sub UCalcBtn_Click() (Line = 0)"));
}

TEST_F(CalcTest, AMealBoxThatIsNotACountCostsOnlyItsOwnRow) {
    chooseLevel(1);
    model.setText(fieldNamed("UNbreadTxtBx"), "");
    model.setText(fieldNamed("UAfruitTxtBx"), "2"); // the fruit row is still recomputed
    model.setText(fieldNamed("UTbreadTxTbx"), "5");

    planner.UCalcBtn_Click();

    EXPECT_EQ(reportLines(),
              (std::vector<std::string>{"Error 1001 in Sub UCalcBtn_Click() (Line = 0)"}));
    EXPECT_EQ(box("UTbreadTxTbx"), "5") << "the previous day total stays and is used";
    EXPECT_EQ(box("UTfruitTxtBx"), "5");
    EXPECT_EQ(box("UCalTxtBx"), "1295");
}

TEST_F(CalcTest, TextsThatAreNotCountsAreReportedOncePerFailingStep) {
    struct Case {
        const char* name;
        const char* box;
        const char* text;
        const char* dayTotal; // what the row's day-total box held before
        int reports;
        const char* kcal;
    };
    const Case cases[] = {
        // The day total cannot be recomputed and still holds an earlier text that is not a
        // count either: the row is reported twice and adds nothing.
        {"letters in a meal box, empty day total", "UAfruitTxtBx", "abc", "", 2, "995"},
        // A day total of exactly one space is skipped without a second report.
        {"one space in the day total", "UAfruitTxtBx", " ", " ", 1, "995"},
        {"two spaces in the day total", "UAfruitTxtBx", "", "  ", 2, "995"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        dialogs.shown.clear();
        chooseLevel(1);
        model.setText(fieldNamed(c.box), c.text);
        model.setText(fieldNamed("UTfruitTxtBx"), c.dayTotal);
        planner.UCalcBtn_Click();
        EXPECT_EQ(dialogs.errorReports().size(), static_cast<std::size_t>(c.reports));
        EXPECT_EQ(box("UCalTxtBx"), c.kcal);
    }
}

TEST_F(CalcTest, FourBoxesOf32767MakeADayTotalBeyondTheCountRange) {
    dayOf({{"UAbreadTxtBx", "32767"},
           {"UNbreadTxtBx", "32767"},
           {"UPbreadTxtBx", "32767"},
           {"USbreadTxtBx", "32767"},
           {"UAfatTxtBx", "1"}});
    planner.UCalcBtn_Click();
    EXPECT_EQ(box("UTbreadTxTbx"), "131068");
    // The day total itself is then no count: reported once, and the row adds nothing.
    EXPECT_EQ(dialogs.errorReports().size(), 1U);
    EXPECT_EQ(results(), (Results{"45", "", "", "100"}));
}

TEST_F(CalcTest, CancelInAReportRunsNoFurtherStep) {
    chooseLevel(1);
    model.setText(fieldNamed("UAbreadTxtBx"), "x");
    dialogs.answers = {Answer::Cancel};
    EXPECT_THROW(planner.UCalcBtn_Click(), ProgramEnded);
    EXPECT_EQ(box("UCalTxtBx"), " ");
    EXPECT_EQ(dialogs.shown.size(), 1U);
}

} // namespace
} // namespace corvanta
