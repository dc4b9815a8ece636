#include "print/QtPrinterDevice.h"
#include "shell/Application.h"
#include "shell/FormWindow.h"
#include "shell/QtDialogs.h"
#include "shell/Version.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Corvanta"));
    QApplication::setApplicationVersion(QString::fromUtf8(corvanta::kVersionString.data()));
    // Lets Wayland and X11 shells match the windows to the desktop entry. The display name is
    // left to default to the application name: set explicitly, Qt would append it to every
    // window caption.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.corvanta.Corvanta"));

    QIcon icon;
    // Title bars and task switchers use the small sizes; menus take the installed theme icons.
    for (int size : {16, 22, 24, 32, 48, 64}) {
        icon.addFile(QStringLiteral(":/icons/corvanta-%1.png").arg(size), QSize(size, size));
    }
    QApplication::setWindowIcon(icon);
    corvanta::installFontSubstitutes();

    corvanta::QtDialogs dialogs;
    corvanta::QtPrinterDevice printer;
    corvanta::Application corvanta(dialogs, printer);
    corvanta.start();
    QApplication::exec();
    return 0;
}
