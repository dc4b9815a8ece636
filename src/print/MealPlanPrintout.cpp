#include "print/MealPlanPrintout.h"

#include "core/CountConversion.h"
#include "planner/FieldModel.h"
#include "planner/Planner.h"
#include "print/PrinterDevice.h"
#include "shell/Dialogs.h"
#include "shell/ErrorTrap.h"

#include <array>
#include <cstdint>
#include <string>

namespace corvanta {
namespace {

constexpr std::string_view kBlank = "________________";
constexpr std::string_view kHeaderStart = "        Date: _______________  Calories: ";
constexpr std::string_view kHeaderEnd = "  Name: _______________________";
constexpr std::string_view kNotesLine1 =
    "    NOTES: __________________________________________________________________";
constexpr std::string_view kNotesLine2 =
    "           __________________________________________________________________";
// A title stands 33 columns in.
constexpr std::string_view kTitleIndent = "                                 ";
// Serving lines start their blanks in column 12: a ten-column label and one space.
constexpr std::size_t kLabelWidth = 10;

std::string_view mealTitle(MealSlot meal) {
    constexpr std::array<std::string_view, kMeals.size()> kTitles{"BREAKFAST", "LUNCH", "DINNER",
                                                                  "SNACK"};
    return kTitles.at(indexOf(meal));
}

// The group's label right-aligned in ten columns, followed by `blanks` blanks.
std::string servingText(FoodGroup group, int blanks) {
    const std::string_view label = printLabel(group);
    std::string text(kLabelWidth - label.size(), ' ');
    text += label;
    for (int i = 0; i < blanks; ++i) {
        text += ' ';
        text += kBlank;
    }
    return text;
}

// The second half of a four-serving line, and the line that continues a five-serving group.
std::string twoMoreBlanks() {
    return " " + std::string(kBlank) + " " + std::string(kBlank);
}

std::string continuationLine() {
    return std::string(kLabelWidth, ' ') + twoMoreBlanks();
}

} // namespace

void MealPlanPrintout::Print_Click() {
    ErrorTrap trap(dialogs_, "Sub Print_Click()");
    if (!levelChosenOrRefuse(fields_, dialogs_, kBoxesEmpty)) {
        return;
    }
    dialogs_.beep();
    const Answer answer = dialogs_.show({.text = std::string(kReadyToPrint),
                                         .buttons = Buttons::YesNo,
                                         .caption = std::string(kPrintCaption)});
    if (answer != Answer::Yes) {
        return;
    }

    trap.step([&] { printer_.setFontSize(kSheetFontPoints); });
    trap.step([&] { printer_.printLine("\r"); });
    trap.step([&] {
        printer_.print(std::string(kHeaderStart) +
                       fields_.text(Field::result(Grid::User, Result::Calories)));
    });
    trap.step([&] { printer_.printLine(kHeaderEnd); });
    for (MealSlot meal : kMeals) {
        trap.step(
            [&] { printer_.printLine(std::string(kTitleIndent) + std::string(mealTitle(meal))); });
        trap.step([&] { printServingLines(meal); });
        trap.step([&] { printer_.printLine(kNotesLine1); });
        trap.step([&] { printer_.printLine(kNotesLine2); });
    }
    trap.step([&] { printer_.endDoc(); });
}

void MealPlanPrintout::printServingLines(MealSlot meal) {
    std::array<std::int16_t, kFoodGroups.size()> counts{};
    for (FoodGroup group : kFoodGroups) {
        counts.at(indexOf(group)) = textToCount(fields_.text(Field::user(meal, group)));
    }
    for (FoodGroup group : kFoodGroups) {
        switch (counts.at(indexOf(group))) {
        case 1:
        case 2:
        case 3:
            printer_.printLine(servingText(group, counts.at(indexOf(group))));
            break;
        case 4:
            // Four blanks make one line, printed in two pieces.
            printer_.print(servingText(group, 2));
            printer_.printLine(twoMoreBlanks());
            break;
        case 5:
            printer_.printLine(servingText(group, 3));
            printer_.printLine(continuationLine());
            break;
        default:
            // No servings, or a count no sheet line can hold: the group is left out.
            break;
        }
    }
}

} // namespace corvanta
