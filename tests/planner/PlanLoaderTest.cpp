#include "planner/MemoryFieldModel.h"
#include "planner/Planner.h"
#include "support/PlannerFixture.h"

#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <vector>

namespace corvanta {
namespace {

using testing::allTexts;

// The plan tables as printed: per level "breakfast lunch dinner snack day-total", for the rows
// bread, meat, vegetable, fruit, milk, fat; then kcal and the three percentages.
struct LevelTable {
    int level;
    std::array<const char*, 6> rows;
    std::array<const char*, 4> summary;
};

const LevelTable kTables[] = {
    {1,
     {"2 2 1 0 5", "0 3 2 0 5", "0 1 1 0 2", "1 1 1 1 4", "1 0 0 1 2", "1 1 0 0 2"},
     {"1235", "55", "23", "22"}},
    {2,
     {"2 2 2 0 6", "0 3 2 0 5", "0 1 2 0 3", "1 1 1 1 4", "1 0 0 1 2", "1 1 1 0 3"},
     {"1385", "55", "22", "23"}},
    {3,
     {"2 2 2 1 7", "0 3 3 0 6", "0 1 2 0 3", "2 1 1 1 5", "1 0 0 1 2", "1 1 1 0 3"},
     {"1580", "55", "22", "23"}},
    {4,
     {"2 2 3 1 8", "0 3 3 0 6", "0 1 2 0 3", "2 1 1 1 5", "1 1 0 1 3", "1 2 1 0 4"},
     {"1795", "55", "21", "24"}},
    {5,
     {"3 3 3 1 10", "0 3 3 0 6", "0 1 2 0 3", "2 1 1 2 6", "1 1 0 1 3", "1 2 1 0 4"},
     {"2015", "58", "20", "22"}},
    {6,
     {"3 3 4 2 12", "0 3 3 0 6", "0 1 2 0 3", "2 2 1 2 7", "1 1 0 1 3", "1 2 1 0 4"},
     {"2235", "60", "20", "20"}},
    {7,
     {"3 3 4 2 12", "0 3 3 0 6", "0 1 2 0 3", "2 2 1 2 7", "2 1 0 1 4", "2 2 2 0 6"},
     {"2415", "58", "19", "23"}},
    {8,
     {"4 3 4 2 13", "0 4 3 0 7", "0 2 3 0 5", "2 2 1 2 7", "2 1 0 1 4", "2 2 2 0 6"},
     {"2600", "57", "20", "23"}},
    {9,
     {"4 3 4 2 13", "1 4 3 0 8", "0 2 3 0 5", "2 2 1 2 7", "2 2 1 1 6", "2 2 2 0 6"},
     {"2835", "56", "22", "22"}},
    {10,
     {"4 4 4 2 14", "1 4 3 0 8", "0 3 4 0 7", "2 2 1 2 7", "2 2 1 1 6", "2 3 2 0 7"},
     {"3010", "56", "21", "23"}},
};

void PrintTo(const LevelTable& table, std::ostream* os) {
    *os << "level " << table.level;
}

std::vector<std::string> words(const char* line) {
    std::istringstream in(line);
    std::vector<std::string> out;
    for (std::string word; in >> word;) {
        out.push_back(word);
    }
    return out;
}

// What every box should read after the level's plan is loaded, by box name.
std::map<std::string, std::string> expectedBoxes(const LevelTable& table) {
    // Program row token, User token receiving the count, User tokens receiving "0".
    struct Mapping {
        const char* program;
        const char* user;
        std::vector<const char*> zeroed;
    };
    const Mapping mapping[] = {
        {"bread", "bread", {}}, {"meat", "Lmeat", {"Mmeat", "Hmeat"}}, {"veg", "veg", {}},
        {"fruit", "fruit", {}}, {"milk", "Smilk", {"Lmilk", "Wmilk"}}, {"fat", "fat", {}},
    };
    const std::string columns = "ANPST";
    std::map<std::string, std::string> boxes;
    for (std::size_t row = 0; row < 6; ++row) {
        const std::vector<std::string> counts = words(table.rows.at(row));
        for (std::size_t column = 0; column < 5; ++column) {
            const std::string c(1, columns.at(column));
            boxes["P" + c + mapping[row].program + "TxtBx"] = counts.at(column);
            boxes["U" + c + mapping[row].user + "TxtBx"] = counts.at(column);
            for (const char* zeroed : mapping[row].zeroed) {
                boxes["U" + c + zeroed + "TxtBx"] = "0";
            }
        }
    }
    boxes["UTbreadTxTbx"] = boxes["UTbreadTxtBx"];
    boxes.erase("UTbreadTxtBx");
    boxes["UNLmeatTxTBx"] = boxes["UNLmeatTxtBx"];
    boxes.erase("UNLmeatTxtBx");
    const char* results[] = {"Cal", "Carb", "Protein", "Fat"};
    for (std::size_t i = 0; i < 4; ++i) {
        boxes[std::string("P") + results[i] + "TxtBx"] = table.summary.at(i);
        boxes[std::string("U") + results[i] + "TxtBx"] = " ";
    }
    return boxes;
}

class PlanLoaderTest : public ::testing::TestWithParam<LevelTable> {
protected:
    MemoryFieldModel model;
    testing::ScriptedDialogs dialogs;
    Planner planner{model, dialogs};
};

TEST_P(PlanLoaderTest, WritesEveryBoxAsThePlanTablesSay) {
    const LevelTable& table = GetParam();
    planner.loadPlan(table.level);

    const auto expected = expectedBoxes(table);
    ASSERT_EQ(expected.size(), kFieldCount);
    for (const auto& [name, text] : expected) {
        EXPECT_EQ(model.text(fieldNamed(name)), text) << name;
    }
    EXPECT_EQ(model.calorieSelected(), 0) << "loading leaves the flag alone";
    EXPECT_TRUE(dialogs.events.empty());
}

TEST_P(PlanLoaderTest, LoadingAfterAnyLevelLeavesIdenticalContents) {
    const int level = GetParam().level;
    planner.loadPlan(level);
    const auto fresh = allTexts(model);

    for (int before = kFirstLevel; before <= kLastLevel; ++before) {
        SCOPED_TRACE("after level " + std::to_string(before));
        planner.loadPlan(before);
        model.setText(Field::result(Grid::User, Result::Calories), "1234");
        model.setText(Field::user(MealSlot::Lunch, FoodGroup::WholeMilk), "7");
        planner.loadPlan(level);
        EXPECT_EQ(allTexts(model), fresh);
    }
}

INSTANTIATE_TEST_SUITE_P(AllLevels, PlanLoaderTest, ::testing::ValuesIn(kTables),
                         [](const auto& info) {
                             return "level" + std::to_string(info.param.level);
                         });

TEST(PlanLoaderOperationsTest, OneToTenLoadTheirOwnLevels) {
    using Operation = void (Planner::*)();
    const Operation operations[] = {&Planner::one,  &Planner::two, &Planner::three, &Planner::four,
                                    &Planner::five, &Planner::six, &Planner::seven, &Planner::eight,
                                    &Planner::nine, &Planner::ten};
    MemoryFieldModel model;
    testing::ScriptedDialogs dialogs;
    Planner planner(model, dialogs);
    for (std::size_t i = 0; i < std::size(operations); ++i) {
        (planner.*operations[i])();
        EXPECT_EQ(model.text(Field::result(Grid::Program, Result::Calories)),
                  kTables[i].summary[0]);
    }
}

// Records the order in which boxes are written.
class RecordingModel : public MemoryFieldModel {
public:
    std::vector<std::string> writes;
    void setText(Field field, std::string_view text) override {
        writes.emplace_back(field.name());
        MemoryFieldModel::setText(field, text);
    }
};

TEST(PlanLoaderOrderTest, WritesMealsThenDayTotalsThenSummaryInOrder) {
    RecordingModel model;
    testing::ScriptedDialogs dialogs;
    Planner(model, dialogs).loadPlan(4);

    ASSERT_EQ(model.writes.size(), 64U + 16U + 8U);
    const std::vector<std::string> firstMeal(model.writes.begin(), model.writes.begin() + 16);
    EXPECT_EQ(firstMeal, (std::vector<std::string>{
                             "PAbreadTxtBx", "UAbreadTxtBx", "PAmeatTxtBx", "UALmeatTxtBx",
                             "UAMmeatTxtBx", "UAHmeatTxtBx", "PAvegTxtBx", "UAvegTxtBx",
                             "PAfruitTxtBx", "UAfruitTxtBx", "PAmilkTxtBx", "UASmilkTxtBx",
                             "UALmilkTxtBx", "UAWmilkTxtBx", "PAfatTxtBx", "UAfatTxtBx"}));
    const std::vector<std::string> totals(model.writes.begin() + 64, model.writes.begin() + 80);
    EXPECT_EQ(totals, (std::vector<std::string>{
                          "PTbreadTxtBx", "UTbreadTxTbx", "PTmeatTxtBx", "UTLmeatTxtBx",
                          "UTMmeatTxtBx", "UTHmeatTxtBx", "PTvegTxtBx", "UTvegTxtBx",
                          "PTfruitTxtBx", "UTfruitTxtBx", "PTmilkTxtBx", "UTSmilkTxtBx",
                          "UTLmilkTxtBx", "UTWmilkTxtBx", "PTfatTxtBx", "UTfatTxtBx"}));
    const std::vector<std::string> summary(model.writes.begin() + 80, model.writes.end());
    EXPECT_EQ(summary, (std::vector<std::string>{"PCalTxtBx", "UCalTxtBx", "PCarbTxtBx",
                                                 "UCarbTxtBx", "PProteinTxtBx", "UProteinTxtBx",
                                                 "PFatTxtBx", "UFatTxtBx"}));
}

} // namespace
} // namespace corvanta
