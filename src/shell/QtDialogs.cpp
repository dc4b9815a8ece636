#include "shell/QtDialogs.h"

#include "shell/Version.h"

#include <QApplication>
#include <QFileInfo>
#include <QLabel>
#include <QLayout>
#include <QMessageBox>
#include <QWidget>
#include <cstdio>
#include <cstdlib>

namespace corvanta {
namespace {

QMessageBox::Icon toQt(Icon icon) {
    return icon == Icon::Exclamation ? QMessageBox::Warning : QMessageBox::NoIcon;
}

// The error report separates its lines by a line feed followed by a carriage return, which a
// label would show as two breaks each. The box keeps the exact text (it is what text() returns)
// in its own label, hidden, and shows the same lines with one break each in a label in its place.
void showOneBreakPerLine(QMessageBox& box) {
    auto* exact = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
    if (exact == nullptr || box.layout() == nullptr) {
        return;
    }
    QString lines = box.text();
    lines.replace(QStringLiteral("\n\r"), QStringLiteral("\n"));
    auto* shown = new QLabel(lines, &box);
    shown->setObjectName(QStringLiteral("corvanta_msgbox_lines"));
    shown->setTextFormat(Qt::PlainText);
    shown->setTextInteractionFlags(exact->textInteractionFlags());
    shown->setAlignment(exact->alignment());
    if (QLayoutItem* replaced = box.layout()->replaceWidget(exact, shown)) {
        delete replaced;
        exact->hide();
    } else {
        delete shown;
    }
}

} // namespace

Answer QtDialogs::show(const Message& message) {
    QMessageBox box(toQt(message.icon), QString::fromStdString(message.caption),
                    QString::fromStdString(message.text), QMessageBox::NoButton,
                    QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    if (message.text.find("\n\r") != std::string::npos) {
        showOneBreakPerLine(box);
    }
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

void QtDialogs::beep() {
    QApplication::beep();
}

void QtDialogs::endProgram() {
    // Every window closes and the process ends at once: no further handler runs.
    for (QWidget* window : QApplication::topLevelWidgets()) {
        window->hide();
    }
    std::fflush(nullptr);
    std::_Exit(EXIT_SUCCESS);
}

std::string QtDialogs::programBaseName() const {
    return QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName().toStdString();
}

ProgramVersion QtDialogs::programVersion() const {
    return kProgramVersion;
}

} // namespace corvanta
