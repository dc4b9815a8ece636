#include "shell/QtDialogs.h"

#include "core/Failure.h"
#include "shell/ErrorReport.h"
#include "support/QtPrinters.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

namespace corvanta {
namespace {

struct SeenBox {
    QString text;
    QString caption;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
    bool modal = false;
    QString visibleLines;
};

// Answers the next modal message box with `answer`, after noting what it showed.
void answerNextBox(QMessageBox::StandardButton answer, SeenBox& seen) {
    QTimer::singleShot(0, [answer, &seen] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        seen.text = box->text();
        seen.caption = box->windowTitle();
        seen.icon = box->icon();
        seen.buttons = box->standardButtons();
        seen.defaultButton = box->standardButton(box->defaultButton());
        seen.modal = box->isModal();
        if (auto* lines = box->findChild<QLabel*>("corvanta_msgbox_lines")) {
            seen.visibleLines = lines->isVisible() ? lines->text() : QString();
        }
        if (const QString shot = qEnvironmentVariable("CORVANTA_SHOTS"); !shot.isEmpty()) {
            box->grab().save(shot + "/box-" + QString::number(box->standardButtons()) + ".png");
        }
        box->button(answer)->click();
    });
}

TEST(QtDialogsTest, ShowsARealModalBoxWithTheApplicationTitleAndReturnsTheAnswer) {
    QtDialogs dialogs;
    SeenBox seen;
    answerNextBox(QMessageBox::No, seen);
    const Answer answer = dialogs.show(
        {.text = "Are you sure you want to EXIT the program", .buttons = Buttons::YesNo});
    EXPECT_EQ(answer, Answer::No);
    EXPECT_EQ(seen.text, "Are you sure you want to EXIT the program");
    EXPECT_EQ(seen.caption, "Corvanta");
    EXPECT_EQ(seen.icon, QMessageBox::NoIcon);
    EXPECT_EQ(seen.buttons, QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(seen.defaultButton, QMessageBox::Yes);
    EXPECT_TRUE(seen.modal);
}

TEST(QtDialogsTest, TheErrorReportIsAnOkCancelBoxWithTheExactText) {
    QtDialogs dialogs;
    SeenBox seen;
    answerNextBox(QMessageBox::Ok, seen);
    ErrorReport(dialogs, "Sub UCalcBtn_Click()", failure::notACount());

    EXPECT_EQ(seen.caption, "Error Message");
    EXPECT_EQ(seen.icon, QMessageBox::Warning);
    EXPECT_EQ(seen.buttons, QMessageBox::Ok | QMessageBox::Cancel);
    EXPECT_EQ(seen.defaultButton, QMessageBox::Ok);
    EXPECT_EQ(seen.text.toStdString(),
              "Error 1001 in Sub UCalcBtn_Click() (Line = 0)\n\r"
              "while running corvanta_window_tests.exe v1.00(Build )\n\r"
              "Error = 'Not a number of servings from -32768 to 32767'\n\r"
              "Select 'OK' and the program will attempt to continue running.");
    // On screen the report reads as four lines, one break each.
    EXPECT_EQ(seen.visibleLines.split('\n').size(), 4);
    EXPECT_FALSE(seen.visibleLines.contains('\r'));
}

TEST(QtDialogsTest, ProgramIdentityIsTheExecutablesBaseNameAndTheProjectVersion) {
    QtDialogs dialogs;
    EXPECT_EQ(dialogs.programBaseName(), "corvanta_window_tests");
    EXPECT_EQ(dialogs.programVersion().major, 1);
    EXPECT_EQ(dialogs.programVersion().minor, 0);
    EXPECT_EQ(dialogs.programVersion().revision, 0);
}

} // namespace
} // namespace corvanta
