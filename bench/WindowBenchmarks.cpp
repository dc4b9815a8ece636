// The same work through the real planner window, headless: a click on an option button (a plan
// load into 88 line edits) and a click on Calc.
#include "planner/MealsWindow.h"
#include "support/RecordingPrinter.h"
#include "support/ScriptedDialogs.h"

#include <QAbstractButton>
#include <QApplication>
#include <QButtonGroup>
#include <QPushButton>
#include <benchmark/benchmark.h>

namespace {

using namespace corvanta;

struct Window {
    testing::ScriptedDialogs dialogs;
    testing::RecordingPrinter printer;
    MealsWindow window{dialogs, printer};
    QButtonGroup* options = window.findChild<QButtonGroup*>(QStringLiteral("OptBtn"));

    Window() {
        window.showForm();
        options->button(10)->click();
    }
};

void optionClick(benchmark::State& state) {
    Window w;
    int level = 1;
    for (auto _ : state) {
        w.options->button(level)->click();
        level = level % 10 + 1;
    }
}
BENCHMARK(optionClick);

void calcClick(benchmark::State& state) {
    Window w;
    auto* calc = w.window.findChild<QPushButton*>(QStringLiteral("UCalcBtn"));
    for (auto _ : state) {
        calc->click();
    }
}
BENCHMARK(calcClick);

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
