#include "planner/Fields.h"

#include <gtest/gtest.h>
#include <set>
#include <stdexcept>
#include <string>

namespace corvanta {
namespace {

TEST(FieldsTest, EveryBoxHasItsOwnName) {
    std::set<std::string> names;
    for (const Field& field : allFields()) {
        names.emplace(field.name());
        EXPECT_EQ(fieldNamed(field.name()), field);
    }
    EXPECT_EQ(names.size(), kFieldCount);
}

TEST(FieldsTest, NamesFollowGridColumnAndRow) {
    EXPECT_EQ(Field::user(MealSlot::Breakfast, FoodGroup::Bread).name(), "UAbreadTxtBx");
    EXPECT_EQ(Field::user(MealSlot::Snack, FoodGroup::SkimMilk).name(), "USSmilkTxtBx");
    EXPECT_EQ(Field::user(MealSlot::Total, FoodGroup::LeanMeat).name(), "UTLmeatTxtBx");
    EXPECT_EQ(Field::user(MealSlot::Total, FoodGroup::MediumFatMeat).name(), "UTMmeatTxtBx");
    EXPECT_EQ(Field::program(MealSlot::Dinner, PlanRow::Bread).name(), "PPbreadTxtBx");
    EXPECT_EQ(Field::program(MealSlot::Total, PlanRow::Fat).name(), "PTfatTxtBx");
    EXPECT_EQ(Field::program(MealSlot::Breakfast, PlanRow::Milk).name(), "PAmilkTxtBx");
    EXPECT_EQ(Field::result(Grid::User, Result::Calories).name(), "UCalTxtBx");
    EXPECT_EQ(Field::result(Grid::Program, Result::Protein).name(), "PProteinTxtBx");
    EXPECT_EQ(Field::result(Grid::Program, Result::Carbohydrate).name(), "PCarbTxtBx");
    EXPECT_EQ(Field::result(Grid::User, Result::Fat).name(), "UFatTxtBx");
}

TEST(FieldsTest, TheTwoIrregularNamesExistAndTheirRegularSpellingsDoNot) {
    EXPECT_EQ(Field::user(MealSlot::Total, FoodGroup::Bread).name(), "UTbreadTxTbx");
    EXPECT_EQ(Field::user(MealSlot::Lunch, FoodGroup::LeanMeat).name(), "UNLmeatTxTBx");
    EXPECT_THROW(fieldNamed("UTbreadTxtBx"), std::invalid_argument);
    EXPECT_THROW(fieldNamed("UNLmeatTxtBx"), std::invalid_argument);
    EXPECT_THROW(fieldNamed("UAbreadtxtbx"), std::invalid_argument);
    EXPECT_THROW(fieldNamed(""), std::invalid_argument);
}

} // namespace
} // namespace corvanta
