// The cost of the planner window's work without a screen: a plan load, one Calc and one sheet
// composed to a recording printer, each on the in-memory field model.
#include "planner/MemoryFieldModel.h"
#include "planner/Planner.h"
#include "print/MealPlanPrintout.h"
#include "support/MemoryPlannerWindow.h"
#include "support/ScriptedDialogs.h"

#include <benchmark/benchmark.h>

namespace {

using namespace corvanta;

struct Window : testing::MemoryPlannerWindow {
    Window() {
        model.selectOption(10);
        planner.OptBtn_Click(10);
    }
};

void planLoad(benchmark::State& state) {
    Window window;
    int level = 1;
    for (auto _ : state) {
        window.planner.loadPlan(level);
        level = level % 10 + 1;
        benchmark::DoNotOptimize(window.model);
    }
}
BENCHMARK(planLoad);

void calc(benchmark::State& state) {
    Window window;
    for (auto _ : state) {
        window.planner.UCalcBtn_Click();
        benchmark::DoNotOptimize(window.model);
    }
}
BENCHMARK(calc);

void printSheet(benchmark::State& state) {
    Window window;
    for (auto _ : state) {
        window.printer = testing::RecordingPrinter();
        window.dialogs.shown.clear();
        window.dialogs.events.clear();
        window.dialogs.answers = {Answer::Yes};
        window.printout.Print_Click();
        benchmark::DoNotOptimize(window.printer.lines);
    }
}
BENCHMARK(printSheet);

} // namespace

BENCHMARK_MAIN();
