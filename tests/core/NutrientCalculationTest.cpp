#include "core/NutrientCalculation.h"

#include "core/Failure.h"

#include <gtest/gtest.h>
#include <map>
#include <string>

namespace corvanta {
namespace {

GroupCounts countsOf(const std::map<FoodGroup, int>& servings) {
    GroupCounts counts;
    for (FoodGroup group : kFoodGroups) {
        const auto it = servings.find(group);
        counts.at(indexOf(group)) =
            static_cast<std::int16_t>(it == servings.end() ? 0 : it->second);
    }
    return counts;
}

TEST(DayEnergyTest, LevelOnePlanMatchesTheWorkedExample) {
    const DayEnergy energy = dayEnergy(countsOf({{FoodGroup::Bread, 5},
                                                 {FoodGroup::LeanMeat, 5},
                                                 {FoodGroup::Vegetable, 2},
                                                 {FoodGroup::Fruit, 4},
                                                 {FoodGroup::SkimMilk, 2},
                                                 {FoodGroup::Fat, 2}}));
    EXPECT_EQ(energy.kcal, 1235);
    EXPECT_EQ(energy.carbDecikcal, 6760);
    EXPECT_EQ(energy.proteinDecikcal, 2800);
    EXPECT_EQ(energy.fatDecikcal, 2772);
}

TEST(DayEnergyTest, EmptyCountsAddNothing) {
    GroupCounts counts;
    counts.at(indexOf(FoodGroup::Fruit)) = 1;
    const DayEnergy energy = dayEnergy(counts);
    EXPECT_EQ(energy.kcal, 60);
    EXPECT_EQ(energy.carbDecikcal, 600);
    EXPECT_EQ(energy.proteinDecikcal, 0);
}

TEST(DayEnergyTest, ExtremeCountsDoNotOverflow) {
    GroupCounts counts;
    counts.fill(std::int16_t{32767});
    EXPECT_EQ(dayEnergy(counts).kcal, 32767LL * 800);
    counts.fill(std::int16_t{-32768});
    EXPECT_EQ(dayEnergy(counts).kcal, -32768LL * 800);
}

struct ShareCase {
    const char* name;
    std::int64_t decikcal;
    std::int64_t dayKcal;
    const char* text;
};

TEST(ShareTextTest, RoundsHalvesAwayFromZeroAndWritesZeroAsEmpty) {
    const ShareCase cases[] = {
        {"level 1 carbohydrate 54.74", 6760, 1235, "55"},
        {"level 1 protein 22.67", 2800, 1235, "23"},
        {"level 1 fat 22.45", 2772, 1235, "22"},
        {"level 8 fat exactly 22.5", 5850, 2600, "23"},
        {"a half below zero", -5850, 2600, "-23"},
        {"99.6 keeps all digits", 996, 100, "100"},
        {"zero is empty", 0, 1235, ""},
        {"rounds to zero is empty", 4, 1000, ""},
        {"negative day", 600, -60, "-100"},
        {"both negative", -600, -60, "100"},
        {"skim milk fat 9.0", 81, 90, "9"},
        {"over a hundred", 1300, 60, "217"},
    };
    for (const ShareCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(shareText(c.decikcal, c.dayKcal), c.text);
    }
}

TEST(ShareTextTest, ADayWithoutCaloriesIsADivisionByZero) {
    try {
        shareText(100, 0);
        FAIL() << "no failure";
    } catch (const Failure& f) {
        EXPECT_EQ(f.number(), failure::kDivisionByZeroNumber);
    }
}

} // namespace
} // namespace corvanta
