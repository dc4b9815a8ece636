#include "core/FoodGroup.h"
#include "core/MealSlot.h"
#include "core/NutrientCalculation.h"
#include "core/ServingPlans.h"

#include <gtest/gtest.h>
#include <numeric>
#include <stdexcept>
#include <string>

namespace corvanta {
namespace {

TEST(FoodGroupTest, GroupsComeInTheFixedOrderWithTheirNames) {
    struct Row {
        const char* token;
        const char* userLabel;
        const char* printLabel;
    };
    const Row expected[] = {
        {"bread", "Bread/Starch", "Bread"},   {"Lmeat", "Meat, Lean", "L Meat"},
        {"Mmeat", "Meat, Med Fat", "M Meat"}, {"Hmeat", "Meat, High Fat", "H Meat"},
        {"veg", "Vegetable", "Vegies"},       {"fruit", "Fruit", "Fruit"},
        {"Smilk", "Milk, Skim", "S Milk"},    {"Lmilk", "Milk, LoFat", "L Milk"},
        {"Wmilk", "Milk, Whole", "W Milk"},   {"fat", "Fats", "Fats"},
    };
    ASSERT_EQ(kFoodGroups.size(), std::size(expected));
    for (std::size_t i = 0; i < kFoodGroups.size(); ++i) {
        SCOPED_TRACE(expected[i].token);
        EXPECT_EQ(indexOf(kFoodGroups[i]), i);
        EXPECT_EQ(token(kFoodGroups[i]), expected[i].token);
        EXPECT_EQ(userLabel(kFoodGroups[i]), expected[i].userLabel);
        EXPECT_EQ(printLabel(kFoodGroups[i]), expected[i].printLabel);
    }
}

TEST(MealSlotTest, ColumnsHaveTheirLettersAndHeadings) {
    const std::string letters = "ANPST";
    const char* headings[] = {"Breakfast", "Lunch", "Dinner", "Snack", "Total"};
    for (std::size_t i = 0; i < kColumns.size(); ++i) {
        EXPECT_EQ(letter(kColumns[i]), letters[i]);
        EXPECT_EQ(columnLabel(kColumns[i]), headings[i]);
    }
    EXPECT_EQ(kMeals.size(), 4U);
}

TEST(ServingNutrientsTest, OneServingOfEveryGroupIs800Kcal) {
    int kcal = 0;
    for (FoodGroup group : kFoodGroups) {
        kcal += servingNutrients(group).kcal;
    }
    EXPECT_EQ(kcal, 800);
}

TEST(ServingNutrientsTest, BreadGramsGive79Point2KcalAgainst80InTheKcalColumn) {
    const ServingNutrients& bread = servingNutrients(FoodGroup::Bread);
    EXPECT_DOUBLE_EQ(bread.carbGrams() * kCarbKcalPerGram, 60.0);
    EXPECT_DOUBLE_EQ(bread.proteinGrams() * kProteinKcalPerGram, 12.0);
    EXPECT_DOUBLE_EQ(bread.fatGrams() * kFatKcalPerGram, 7.2);
    EXPECT_EQ(bread.kcal, 80);
    EXPECT_DOUBLE_EQ(servingNutrients(FoodGroup::SkimMilk).fatGrams(), 0.9);
}

TEST(ServingNutrientsTest, GroupsHoldOnlyTheirNutrients) {
    struct Row {
        FoodGroup group;
        bool carb, protein, fat;
    };
    const Row rows[] = {
        {FoodGroup::Fruit, true, false, false},        {FoodGroup::Fat, false, false, true},
        {FoodGroup::Vegetable, true, true, false},     {FoodGroup::LeanMeat, false, true, true},
        {FoodGroup::MediumFatMeat, false, true, true}, {FoodGroup::HighFatMeat, false, true, true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(token(row.group)));
        const ServingNutrients& serving = servingNutrients(row.group);
        EXPECT_EQ(serving.carbDecigrams > 0, row.carb);
        EXPECT_EQ(serving.proteinDecigrams > 0, row.protein);
        EXPECT_EQ(serving.fatDecigrams > 0, row.fat);
    }
}

TEST(ServingPlansTest, StoredCaloriesFollowTheKcalColumnAndSharesAddUpTo100) {
    for (int level = kFirstLevel; level <= kLastLevel; ++level) {
        SCOPED_TRACE("level " + std::to_string(level));
        const ServingPlan& plan = servingPlan(level);
        int kcal = 0;
        for (PlanRow row : kPlanRows) {
            for (MealSlot meal : kMeals) {
                kcal += plan.count(row, meal) * servingNutrients(receivingGroup(row)).kcal;
            }
        }
        EXPECT_EQ(plan.summary.kcal, kcal);
        EXPECT_EQ(plan.summary.carbPercent + plan.summary.proteinPercent + plan.summary.fatPercent,
                  100);
    }
}

TEST(ServingPlansTest, LevelsOutsideOneToTenDoNotExist) {
    EXPECT_THROW(servingPlan(0), std::out_of_range);
    EXPECT_THROW(servingPlan(11), std::out_of_range);
    EXPECT_EQ(dailyTargetKcal(1), 1200);
    EXPECT_EQ(dailyTargetKcal(10), 3000);
}

} // namespace
} // namespace corvanta
