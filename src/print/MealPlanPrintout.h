#pragma once

#include "core/MealSlot.h"

#include <string_view>

namespace corvanta {

class Dialogs;
class FieldModel;
class PrinterDevice;

// The printed meal-plan sheet: a header with blanks for the date and the name and the User
// calorie figure, then per meal a title, one serving line per food group with a blank of
// underscores per serving, and two notes lines.
class MealPlanPrintout {
public:
    MealPlanPrintout(const FieldModel& fields, Dialogs& dialogs, PrinterDevice& printer)
        : fields_(fields)
        , dialogs_(dialogs)
        , printer_(printer) {}

    // The Print button: refuses before a calorie level is chosen, asks, then prints the sheet.
    void Print_Click();

    // The serving lines of one meal. All ten counts are converted before any line is printed,
    // so a box that is not a count throws before the meal prints anything.
    void printServingLines(MealSlot meal);
    void PBreakfast() { printServingLines(MealSlot::Breakfast); }
    void PNoon() { printServingLines(MealSlot::Lunch); }
    void PDinner() { printServingLines(MealSlot::Dinner); }
    void PSnack() { printServingLines(MealSlot::Snack); }

private:
    const FieldModel& fields_;
    Dialogs& dialogs_;
    PrinterDevice& printer_;
};

inline constexpr std::string_view kBoxesEmpty = "The boxes are EMPTY !!!";
inline constexpr std::string_view kReadyToPrint = "Are you sure you are ready to print this?";
inline constexpr std::string_view kPrintCaption = "Print?";
inline constexpr double kSheetFontPoints = 13.8;

} // namespace corvanta
