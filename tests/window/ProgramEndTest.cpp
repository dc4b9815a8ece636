#include "support/QtPrinters.h"

#include <QCoreApplication>
#include <QProcess>
#include <gtest/gtest.h>

namespace corvanta {
namespace {

struct ChildRun {
    int exitCode = -1;
    bool crashed = true;
    QString output;
};

// Runs this test program again with a scenario of WindowTestMain.cpp, on real Qt dialogs.
ChildRun runScenario(const QString& scenario) {
    QProcess child;
    child.setProcessChannelMode(QProcess::SeparateChannels);
    child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--scenario"), scenario});
    EXPECT_TRUE(child.waitForFinished(30000)) << scenario.toStdString();
    return {child.exitCode(), child.exitStatus() == QProcess::CrashExit,
            QString::fromUtf8(child.readAllStandardOutput())};
}

TEST(ProgramEndTest, CancelInAnErrorReportEndsTheProcessAtOnceWithStatusZero) {
    const ChildRun run = runScenario(QStringLiteral("calc-then-cancel"));
    EXPECT_FALSE(run.crashed);
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.output.count(QStringLiteral("box: Error Message")), 1)
        << run.output.toStdString();
    EXPECT_TRUE(
        run.output.contains(QStringLiteral("Error 1001 in Sub UCalcBtn_Click() (Line = 0)")));
    EXPECT_FALSE(run.output.contains(QStringLiteral("handler returned")));
}

TEST(ProgramEndTest, YesToDoneEndsTheProcessAtOnceWithStatusZero) {
    const ChildRun run = runScenario(QStringLiteral("done-then-yes"));
    EXPECT_FALSE(run.crashed);
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_TRUE(run.output.contains(QStringLiteral("box: Corvanta")));
    EXPECT_FALSE(run.output.contains(QStringLiteral("handler returned")));
}

} // namespace
} // namespace corvanta
