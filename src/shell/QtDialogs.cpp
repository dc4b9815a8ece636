#include "shell/QtDialogs.h"

#include "shell/Version.h"

#include <QApplication>
#include <QFileInfo>
#include <QMessageBox>
#include <QWidget>

#include <cstdio>
#include <cstdlib>

namespace corvanta {
namespace {

QMessageBox::Icon toQt(Icon icon)
{
    return icon == Icon::Exclamation ? QMessageBox::Warning : QMessageBox::NoIcon;
}

} // namespace

Answer QtDialogs::show(const Message& message)
{
    QMessageBox box(toQt(message.icon), QString::fromStdString(message.caption),
                    QString::fromStdString(message.text), QMessageBox::NoButton,
                    QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    QMessageBox::StandardButton first = QMessageBox::Ok;
    switch (message.buttons) {
    case Buttons::Ok:
        box.setStandardButtons(QMessageBox::Ok);
        break;
    case Buttons::OkCancel:
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        break;
    case Buttons::YesNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        first = QMessageBox::Yes;
        break;
    }
    box.setDefaultButton(first);
    box.setWindowModality(Qt::ApplicationModal);

    switch (box.exec()) {
    case QMessageBox::Cancel:
        return Answer::Cancel;
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    default:
        // Escape answers Cancel or No through the box's own escape button; any other way of
        // closing it counts as the answer that ends nothing.
        return message.buttons == Buttons::YesNo ? Answer::No : Answer::Ok;
    }
}

void QtDialogs::beep()
{
    QApplication::beep();
}

void QtDialogs::endProgram()
{
    // Every window closes and the process ends at once: no further handler runs.
    for (QWidget* window : QApplication::topLevelWidgets()) {
        window->hide();
    }
    std::fflush(nullptr);
    std::_Exit(EXIT_SUCCESS);
}

std::string QtDialogs::programBaseName() const
{
    return QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName().toStdString();
}

ProgramVersion QtDialogs::programVersion() const
{
    return kProgramVersion;
}

} // namespace corvanta
