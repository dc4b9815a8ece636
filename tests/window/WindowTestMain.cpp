#include "planner/MealsWindow.h"
#include "print/QtPrinterDevice.h"
#include "shell/FormWindow.h"
#include "shell/QtDialogs.h"

#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <cstdio>
#include <cstring>
#include <gtest/gtest.h>

namespace {

// Answers the next message box with `answer`, printing its caption and first line first.
void answerNextBox(QMessageBox::StandardButton answer) {
    QTimer::singleShot(0, [answer] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr) {
            std::puts("no box");
            std::fflush(stdout);
            return;
        }
        std::printf("box: %s\n%s\n", qPrintable(box->windowTitle()),
                    qPrintable(box->text().section(QLatin1Char('\n'), 0, 0)));
        std::fflush(stdout);
        box->button(answer)->click();
    });
}

// Scenarios that end the process, run in a child process by ProgramEndTest.
int runScenario(const char* name) {
    corvanta::QtDialogs dialogs;
    corvanta::QtPrinterDevice printer;
    corvanta::MealsWindow window(dialogs, printer);
    window.showForm();
    if (std::strcmp(name, "calc-then-cancel") == 0) {
        window.planner().OptBtn_Click(1);
        window.findChild<QLineEdit*>(QStringLiteral("UAbreadTxtBx"))->setText(QStringLiteral("x"));
        answerNextBox(QMessageBox::Cancel);
        window.findChild<QPushButton*>(QStringLiteral("UCalcBtn"))->click();
    } else if (std::strcmp(name, "done-then-yes") == 0) {
        answerNextBox(QMessageBox::Yes);
        window.findChild<QPushButton*>(QStringLiteral("Done"))->click();
    } else {
        std::fprintf(stderr, "unknown scenario %s\n", name);
        return 2;
    }
    std::puts("handler returned");
    return 1;
}

} // namespace

int main(int argc, char* argv[]) {
    // Headless unless the caller chose a platform.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    const bool scenario = argc == 3 && std::strcmp(argv[1], "--scenario") == 0;
    if (!scenario) {
        ::testing::InitGoogleTest(&argc, argv);
    }
    QApplication app(argc, argv);
    corvanta::installFontSubstitutes();
    return scenario ? runScenario(argv[2]) : RUN_ALL_TESTS();
}
