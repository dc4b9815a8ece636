// Runs arbitrary sequences of the planner window's handlers on the in-memory field model, with
// arbitrary texts typed into the User boxes, dialogs answered without ending the program and a
// printer that may fail. After every step it checks what must always hold.
#include "core/CountConversion.h"
#include "planner/MemoryFieldModel.h"
#include "planner/Planner.h"
#include "print/MealPlanPrintout.h"
#include "support/MemoryPlannerWindow.h"
#include "support/ScriptedDialogs.h"

#include <cstdio>
#include <cstdlib>
#include <fuzzer/FuzzedDataProvider.h>
#include <regex>
#include <string>
#include <vector>

namespace corvanta {
namespace {

void require(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "invariant broken: %s\n", what);
        std::abort();
    }
}

std::vector<std::string> texts(const FieldModel& model, bool program) {
    std::vector<std::string> out;
    for (const Field& field : allFields()) {
        if ((field.name().front() == 'P') == program) {
            out.push_back(model.text(field));
        }
    }
    return out;
}

std::vector<std::string> planTexts(int level) {
    MemoryFieldModel model;
    testing::ScriptedDialogs dialogs;
    Planner(model, dialogs).loadPlan(level);
    return texts(model, true);
}

bool countable(const std::string& text) {
    return parseCount(text).has_value();
}

struct Run : testing::MemoryPlannerWindow {
    std::size_t reports() const { return dialogs.errorReports().size(); }
};

void checkCalc(Run& run) {
    const std::size_t reportsBefore = run.reports();
    if (run.model.calorieSelected() == 0) {
        const auto before = texts(run.model, false);
        run.planner.UCalcBtn_Click();
        require(texts(run.model, false) == before, "Calc before a level changes nothing");
        require(run.reports() == reportsBefore, "a refusal is no error");
        return;
    }
    // What the handler should report, worked out from the boxes beforehand.
    std::size_t expected = 0;
    std::vector<std::string> totals;
    for (FoodGroup group : kFoodGroups) {
        bool rowCounts = true;
        std::int32_t sum = 0;
        for (MealSlot meal : kMeals) {
            const auto count = parseCount(run.model.text(Field::user(meal, group)));
            if (!count) {
                rowCounts = false;
                break;
            }
            sum += *count;
        }
        expected += rowCounts ? 0 : 1;
        const std::string total =
            rowCounts ? std::to_string(sum) : run.model.text(Field::user(MealSlot::Total, group));
        totals.push_back(total);
        expected += (total != " " && !countable(total)) ? 1 : 0;
    }
    const Field calories = Field::result(Grid::User, Result::Calories);
    const std::string sharesBefore[] = {
        run.model.text(Field::result(Grid::User, Result::Carbohydrate)),
        run.model.text(Field::result(Grid::User, Result::Protein)),
        run.model.text(Field::result(Grid::User, Result::Fat))};

    run.planner.UCalcBtn_Click();

    for (FoodGroup group : kFoodGroups) {
        require(run.model.text(Field::user(MealSlot::Total, group)) == totals.at(indexOf(group)),
                "a day total is the sum of its meals, or what it was");
    }
    static const std::regex integer("^-?(0|[1-9][0-9]*)$");
    static const std::regex share("^(-?[1-9][0-9]*)?$");
    const std::string kcal = run.model.text(calories);
    require(std::regex_match(kcal, integer), "calories are a plain integer");
    const bool noCalories = kcal == "0";
    const Result shares[] = {Result::Carbohydrate, Result::Protein, Result::Fat};
    for (std::size_t i = 0; i < 3; ++i) {
        const std::string text = run.model.text(Field::result(Grid::User, shares[i]));
        if (noCalories) {
            require(text == sharesBefore[i], "a share without calories keeps its text");
        } else {
            require(std::regex_match(text, share), "a share is a plain integer or empty");
        }
    }
    expected += noCalories ? 3 : 0;
    require(run.reports() - reportsBefore == expected, "every failure is reported exactly once");
}

void checkPrint(Run& run, bool answerYes, bool printerFails) {
    const auto before = texts(run.model, false);
    const std::size_t reportsBefore = run.reports();
    run.printer = testing::RecordingPrinter();
    run.printer.failEverything = printerFails;
    run.dialogs.answers = {answerYes ? Answer::Yes : Answer::No};
    run.printout.Print_Click();
    run.dialogs.answers.clear();

    require(texts(run.model, false) == before, "printing changes no box");
    const bool asked = run.model.calorieSelected() != 0;
    if (!asked || !answerYes) {
        require(run.printer.operations.empty(), "nothing printed without a Yes");
        require(run.reports() == reportsBefore, "no report without printing");
        return;
    }
    std::size_t badMeals = 0;
    std::size_t mealsWithLines = 0;
    for (MealSlot meal : kMeals) {
        bool good = true;
        bool lines = false;
        for (FoodGroup group : kFoodGroups) {
            const auto count = parseCount(run.model.text(Field::user(meal, group)));
            good = good && count.has_value();
            lines = lines || (count && *count >= 1 && *count <= 5);
        }
        badMeals += good ? 0 : 1;
        mealsWithLines += good && lines ? 1 : 0;
    }
    if (printerFails) {
        require(run.reports() - reportsBefore == 17 + badMeals + mealsWithLines,
                "one report per failing printer step and per bad meal");
    } else {
        require(run.reports() - reportsBefore == badMeals, "one report per meal with a bad box");
        require(run.printer.documentsEnded == 1, "the document is ended");
        require(run.printer.lines.size() <= 94, "a sheet has at most 94 lines");
        require(run.printer.pendingLine.empty(), "no line is left open");
    }
}

} // namespace
} // namespace corvanta

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace corvanta;
    FuzzedDataProvider input(data, size);
    Run run;
    try {
        while (input.remaining_bytes() > 0) {
            const auto programBefore = texts(run.model, true);
            const int operation = input.ConsumeIntegralInRange(0, 6);
            switch (operation) {
            case 0: {
                const auto index = input.ConsumeIntegralInRange<std::size_t>(0, 49);
                run.model.setText(allFields().at(index), input.ConsumeRandomLengthString(12));
                break;
            }
            case 6: {
                // The same text typed into every box of the User grid, as a user clearing a
                // whole day would; this reaches days without calories.
                const std::string text = input.ConsumeRandomLengthString(4);
                for (std::size_t index = 0; index < 50; ++index) {
                    run.model.setText(allFields().at(index), text);
                }
                break;
            }
            case 1: {
                const int level = input.ConsumeIntegralInRange(1, 10);
                run.model.selectOption(level);
                run.planner.OptBtn_Click(level);
                require(run.model.calorieSelected() == -1, "a chosen level sets the flag");
                require(texts(run.model, true) == planTexts(level), "the plan is loaded");
                continue;
            }
            case 2: {
                const bool chosen = run.model.calorieSelected() != 0;
                run.planner.UnDo_Click();
                if (chosen) {
                    int level = 0;
                    for (int i = 1; i <= 10; ++i) {
                        level = run.model.isOptionOn(i) ? i : level;
                    }
                    require(level == 0 || texts(run.model, true) == planTexts(level),
                            "UnDo reloads the level whose button is on");
                    continue;
                }
                break;
            }
            case 3:
                checkCalc(run);
                break;
            case 4: {
                const bool yes = input.ConsumeBool();
                checkPrint(run, yes, input.ConsumeBool());
                break;
            }
            case 5: {
                const auto before = texts(run.model, false);
                run.planner.Done_Click();
                require(texts(run.model, false) == before, "Done answered No changes nothing");
                break;
            }
            }
            require(texts(run.model, true) == programBefore,
                    "the Program grid changes only by a plan load");
        }
    } catch (const testing::ProgramEnded&) {
        require(false, "no answer given here ends the program");
    }
    for (const Message& shown : run.dialogs.shown) {
        if (shown.caption == "Error Message") {
            require(shown.text.rfind("Error 10", 0) == 0, "reports carry a positive number");
        }
    }
    return 0;
}
