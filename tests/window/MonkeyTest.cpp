#include "planner/MealsWindow.h"
#include "planner/MemoryFieldModel.h"
#include "shell/Version.h"
#include "support/QtPrinters.h"
#include "support/RecordingPrinter.h"

#include <QApplication>
#include <QButtonGroup>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>
#include <random>

namespace corvanta {
namespace {

// Answers every box at random, except with the answers that end the program.
class RandomDialogs : public Dialogs {
public:
    explicit RandomDialogs(std::mt19937& random)
        : random_(random) {}

    int boxes = 0;
    int reports = 0;
    bool ended = false;

    Answer show(const Message& message) override {
        ++boxes;
        switch (message.buttons) {
        case Buttons::YesNo:
            // The print question may go either way; the exit question is always No.
            return message.caption == "Print?" && random_() % 2 == 0 ? Answer::Yes : Answer::No;
        case Buttons::OkCancel:
            ++reports;
            return Answer::Ok;
        case Buttons::Ok:
            break;
        }
        return Answer::Ok;
    }
    void beep() override {}
    [[noreturn]] void endProgram() override {
        ended = true;
        throw std::logic_error("the monkey ended the program");
    }
    std::string programBaseName() const override { return "Corvanta"; }
    ProgramVersion programVersion() const override { return kProgramVersion; }

private:
    std::mt19937& random_;
};

QString randomText(std::mt19937& random) {
    static const QString pool = QStringLiteral("0123456789012345 .-+,eE_xyz\u00e9\u00bd%");
    QString text;
    const int length = static_cast<int>(random() % 7);
    for (int i = 0; i < length; ++i) {
        text += pool.at(static_cast<qsizetype>(random() % pool.size()));
    }
    return text;
}

// Types the text as key presses; characters beyond ASCII arrive as a keyboard layout or an input
// method would send them, as text without a key code.
void typeText(QWidget* focus, const QString& text) {
    for (const QChar ch : text) {
        if (ch.unicode() < 0x80) {
            QTest::keyClick(focus, static_cast<char>(ch.unicode()));
        } else {
            QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(ch));
            QApplication::sendEvent(focus, &press);
            QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(ch));
            QApplication::sendEvent(focus, &release);
        }
    }
}

TEST(MonkeyTest, ThousandsOfRandomActionsLeaveThePlannerWindowWorking) {
    std::mt19937 random(20261211);
    RandomDialogs dialogs(random);
    testing::RecordingPrinter printer;
    MealsWindow window(dialogs, printer);
    window.showForm();
    QApplication::setActiveWindow(&window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));

    QList<QWidget*> targets;
    for (QWidget* widget : window.findChildren<QWidget*>()) {
        if (qobject_cast<QLineEdit*>(widget) != nullptr ||
            qobject_cast<QAbstractButton*>(widget) != nullptr) {
            targets.append(widget);
        }
    }
    ASSERT_EQ(targets.size(), 88 + 4 + 10);
    const Qt::Key keys[] = {Qt::Key_Tab,       Qt::Key_Backtab, Qt::Key_Space, Qt::Key_Return,
                            Qt::Key_Left,      Qt::Key_Right,   Qt::Key_Up,    Qt::Key_Down,
                            Qt::Key_Backspace, Qt::Key_Delete,  Qt::Key_Home,  Qt::Key_End};

    constexpr int kActions = 10000;
    for (int i = 0; i < kActions; ++i) {
        printer.failEverything = random() % 5 == 0;
        QWidget* focus =
            QApplication::focusWidget() != nullptr ? QApplication::focusWidget() : &window;
        switch (random() % 4) {
        case 0: {
            QWidget* target = targets.at(static_cast<qsizetype>(random() % targets.size()));
            const QPoint inside(static_cast<int>(random() % std::max(1, target->width())),
                                static_cast<int>(random() % std::max(1, target->height())));
            QTest::mouseClick(target, Qt::LeftButton, Qt::NoModifier, inside);
            break;
        }
        case 1:
            typeText(focus, randomText(random));
            break;
        case 2:
            QTest::keyClick(focus, keys[random() % std::size(keys)]);
            break;
        default:
            QTest::keyClick(focus, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClick(focus, Qt::Key_Delete);
            break;
        }
        ASSERT_FALSE(dialogs.ended);
    }
    EXPECT_GT(dialogs.boxes, 0);
    EXPECT_GT(dialogs.reports, 0) << "the monkey typed texts that are no counts";

    // The Program grid always holds the plan of the level whose button is on.
    int level = 0;
    for (int index = 1; index <= 10; ++index) {
        level = window.isOptionOn(index) ? index : level;
    }
    if (level != 0) {
        MemoryFieldModel reference;
        RandomDialogs quiet(random);
        Planner(reference, quiet).loadPlan(level);
        for (const Field& field : allFields()) {
            if (field.name().front() == 'P') {
                EXPECT_EQ(window.text(field), reference.text(field)) << field.name();
            }
        }
    }

    // And the window still answers.
    QTest::mouseClick(window.findChild<QButtonGroup*>("OptBtn")->button(1), Qt::LeftButton);
    QTest::mouseClick(window.findChild<QPushButton*>("UCalcBtn"), Qt::LeftButton);
    EXPECT_EQ(window.findChild<QLineEdit*>("UCalTxtBx")->text(), "1235");
    EXPECT_EQ(window.findChild<QLineEdit*>("UCarbTxtBx")->text(), "55");
}

} // namespace
} // namespace corvanta
